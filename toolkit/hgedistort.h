// A texture drawn as a grid of quads whose nodes can be displaced and coloured one by one,
// for waves and ripples.
#pragma once

#include <vector>

#include "platform/hge.h"

// What a displacement is measured from.
constexpr int HGEDISP_NODE = 0;     // the node's place in the undistorted grid
constexpr int HGEDISP_TOPLEFT = 1;  // the mesh's top-left corner
constexpr int HGEDISP_CENTER = 2;   // the mesh's centre

// Nodes per side; a script asking for more gets this many rather than exhausting memory.
constexpr int MAX_MESH_SIDE = 256;

class hgeDistortionMesh {
public:
    // A grid of cols by rows nodes (2 to MAX_MESH_SIDE each way).
    hgeDistortionMesh(int cols, int rows);

    void Render(float x, float y);
    // Every node back to its undistorted place with one colour and z.
    void Clear(DWORD col = 0xFFFFFFFF, float z = 0.5f);

    void SetTexture(HTEXTURE tex);
    void SetTextureRect(float x, float y, float w, float h);
    void SetBlendMode(int blend) { blend_ = blend; }
    void SetZ(int col, int row, float z);
    void SetColor(int col, int row, DWORD color);
    void SetDisplacement(int col, int row, float dx, float dy, int ref);

    HTEXTURE GetTexture() const { return tex_; }
    int GetBlendMode() const { return blend_; }
    int GetRows() const { return rows_; }
    int GetCols() const { return cols_; }

private:
    hgeVertex* node(int col, int row);
    float cellWidth() const { return width_ / float(cols_ - 1); }
    float cellHeight() const { return height_ / float(rows_ - 1); }

    int cols_, rows_;
    std::vector<hgeVertex> nodes_;
    HTEXTURE tex_ = 0;
    int blend_ = BLEND_DEFAULT;
    float tx_ = 0, ty_ = 0, width_ = 0, height_ = 0;
};
