#include "toolkit/hgedistort.h"

#include <algorithm>

hgeDistortionMesh::hgeDistortionMesh(int cols, int rows)
    : cols_(std::clamp(cols, 2, MAX_MESH_SIDE)), rows_(std::clamp(rows, 2, MAX_MESH_SIDE)),
      nodes_(std::size_t(cols_) * std::size_t(rows_)) {
    Clear();
}

hgeVertex* hgeDistortionMesh::node(int col, int row) {
    if (col < 0 || col >= cols_ || row < 0 || row >= rows_) return nullptr;
    return &nodes_[std::size_t(row) * std::size_t(cols_) + std::size_t(col)];
}

void hgeDistortionMesh::Clear(DWORD col, float z) {
    for (int row = 0; row < rows_; ++row) {
        for (int c = 0; c < cols_; ++c) {
            hgeVertex* v = node(c, row);
            v->x = float(c) * cellWidth();
            v->y = float(row) * cellHeight();
            v->col = col;
            v->z = z;
        }
    }
}

void hgeDistortionMesh::SetTexture(HTEXTURE tex) {
    tex_ = tex;
    SetTextureRect(tx_, ty_, width_, height_);
}

void hgeDistortionMesh::SetTextureRect(float x, float y, float w, float h) {
    tx_ = x;
    ty_ = y;
    width_ = w;
    height_ = h;
    int tw = tex_ ? hge->Texture_GetWidth(tex_) : 0;
    int th = tex_ ? hge->Texture_GetHeight(tex_) : 0;
    float texW = tw > 0 ? float(tw) : 1.0f;
    float texH = th > 0 ? float(th) : 1.0f;
    for (int row = 0; row < rows_; ++row) {
        for (int c = 0; c < cols_; ++c) {
            hgeVertex* v = node(c, row);
            v->tx = (x + float(c) * cellWidth()) / texW;
            v->ty = (y + float(row) * cellHeight()) / texH;
            v->x = float(c) * cellWidth();
            v->y = float(row) * cellHeight();
        }
    }
}

void hgeDistortionMesh::SetZ(int col, int row, float z) {
    if (hgeVertex* v = node(col, row)) v->z = z;
}

void hgeDistortionMesh::SetColor(int col, int row, DWORD color) {
    if (hgeVertex* v = node(col, row)) v->col = color;
}

void hgeDistortionMesh::SetDisplacement(int col, int row, float dx, float dy, int ref) {
    hgeVertex* v = node(col, row);
    if (!v) return;
    switch (ref) {
        case HGEDISP_NODE:
            dx += float(col) * cellWidth();
            dy += float(row) * cellHeight();
            break;
        case HGEDISP_CENTER:
            dx += width_ / 2;
            dy += height_ / 2;
            break;
        default:
            break;
    }
    v->x = dx;
    v->y = dy;
}

void hgeDistortionMesh::Render(float x, float y) {
    hgeQuad quad;
    quad.tex = tex_;
    quad.blend = blend_;
    for (int row = 0; row + 1 < rows_; ++row) {
        for (int c = 0; c + 1 < cols_; ++c) {
            const hgeVertex* corners[4] = {node(c, row), node(c + 1, row), node(c + 1, row + 1),
                                           node(c, row + 1)};
            for (int i = 0; i < 4; ++i) {
                quad.v[i] = *corners[i];
                quad.v[i].x += x;
                quad.v[i].y += y;
            }
            hge->Gfx_RenderQuad(&quad);
        }
    }
}
