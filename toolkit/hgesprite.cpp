#include "toolkit/hgesprite.h"

#include <cmath>
#include <utility>

hgeSprite::hgeSprite(HTEXTURE tex, float x, float y, float w, float h)
    : tx_(x), ty_(y), width_(w), height_(h) {
    readTextureSize(tex);
    quad_.tex = tex;
    quad_.blend = BLEND_DEFAULT;
    for (hgeVertex& v : quad_.v) {
        v.x = v.y = 0;
        v.z = 0.5f;
        v.col = 0xFFFFFFFF;
    }
    updateTexCoords();
}

void hgeSprite::readTextureSize(HTEXTURE tex) {
    // Without a (valid) texture the coordinates stay in pixels, which keeps them finite.
    int w = tex ? hge->Texture_GetWidth(tex) : 0;
    int h = tex ? hge->Texture_GetHeight(tex) : 0;
    texWidth_ = w > 0 ? float(w) : 1.0f;
    texHeight_ = h > 0 ? float(h) : 1.0f;
}

void hgeSprite::updateTexCoords() {
    float u1 = tx_ / texWidth_;
    float v1 = ty_ / texHeight_;
    float u2 = (tx_ + width_) / texWidth_;
    float v2 = (ty_ + height_) / texHeight_;
    if (flipX_) std::swap(u1, u2);
    if (flipY_) std::swap(v1, v2);
    quad_.v[0].tx = u1; quad_.v[0].ty = v1;
    quad_.v[1].tx = u2; quad_.v[1].ty = v1;
    quad_.v[2].tx = u2; quad_.v[2].ty = v2;
    quad_.v[3].tx = u1; quad_.v[3].ty = v2;
}

void hgeSprite::Render(float x, float y) {
    float left = x - hotX_;
    float top = y - hotY_;
    RenderStretch(left, top, left + width_, top + height_);
}

void hgeSprite::transformedCorners(float x, float y, float rot, float hscale, float vscale,
                                   float out[4][2]) const {
    if (vscale == 0) vscale = hscale;
    float left = -hotX_ * hscale;
    float top = -hotY_ * vscale;
    float right = (width_ - hotX_) * hscale;
    float bottom = (height_ - hotY_) * vscale;
    const float local[4][2] = {{left, top}, {right, top}, {right, bottom}, {left, bottom}};
    float c = 1, s = 0;
    if (rot != 0) {
        c = std::cos(rot);
        s = std::sin(rot);
    }
    for (int i = 0; i < 4; ++i) {
        out[i][0] = local[i][0] * c - local[i][1] * s + x;
        out[i][1] = local[i][0] * s + local[i][1] * c + y;
    }
}

void hgeSprite::RenderEx(float x, float y, float rot, float hscale, float vscale) {
    float c[4][2];
    transformedCorners(x, y, rot, hscale, vscale, c);
    Render4V(c[0][0], c[0][1], c[1][0], c[1][1], c[2][0], c[2][1], c[3][0], c[3][1]);
}

void hgeSprite::RenderStretch(float x1, float y1, float x2, float y2) {
    Render4V(x1, y1, x2, y1, x2, y2, x1, y2);
}

void hgeSprite::Render4V(float x0, float y0, float x1, float y1, float x2, float y2, float x3,
                         float y3) {
    quad_.v[0].x = x0; quad_.v[0].y = y0;
    quad_.v[1].x = x1; quad_.v[1].y = y1;
    quad_.v[2].x = x2; quad_.v[2].y = y2;
    quad_.v[3].x = x3; quad_.v[3].y = y3;
    hge->Gfx_RenderQuad(&quad_);
}

void hgeSprite::SetTexture(HTEXTURE tex) {
    quad_.tex = tex;
    readTextureSize(tex);
    updateTexCoords();
}

void hgeSprite::SetTextureRect(float x, float y, float w, float h) {
    tx_ = x;
    ty_ = y;
    width_ = w;
    height_ = h;
    updateTexCoords();
}

void hgeSprite::SetColor(DWORD col, int i) {
    if (i == -1) {
        for (hgeVertex& v : quad_.v) v.col = col;
    } else if (i >= 0 && i < 4) {
        quad_.v[i].col = col;
    }
}

void hgeSprite::SetZ(float z, int i) {
    if (i == -1) {
        for (hgeVertex& v : quad_.v) v.z = z;
    } else if (i >= 0 && i < 4) {
        quad_.v[i].z = z;
    }
}

void hgeSprite::SetHotSpot(float x, float y) {
    hotX_ = x;
    hotY_ = y;
}

void hgeSprite::SetFlip(bool flipX, bool flipY) {
    flipX_ = flipX;
    flipY_ = flipY;
    updateTexCoords();
}

void hgeSprite::GetTextureRect(float* x, float* y, float* w, float* h) const {
    *x = tx_;
    *y = ty_;
    *w = width_;
    *h = height_;
}

void hgeSprite::GetHotSpot(float* x, float* y) const {
    *x = hotX_;
    *y = hotY_;
}

void hgeSprite::GetFlip(bool* flipX, bool* flipY) const {
    *flipX = flipX_;
    *flipY = flipY_;
}

hgeRect* hgeSprite::GetBoundingBox(float x, float y, hgeRect* rect) const {
    rect->Set(x - hotX_, y - hotY_, x - hotX_ + width_, y - hotY_ + height_);
    return rect;
}

hgeRect* hgeSprite::GetBoundingBoxEx(float x, float y, float rot, float hscale, float vscale,
                                     hgeRect* rect) const {
    float c[4][2];
    transformedCorners(x, y, rot, hscale, vscale, c);
    rect->Clear();
    for (const auto& corner : c) rect->Encapsulate(corner[0], corner[1]);
    return rect;
}
