#include "platform/core/quad_batcher.h"

#include <algorithm>

namespace {
// Room for a busy frame from the start; a longer run grows the buffer once and keeps it.
constexpr std::size_t INITIAL_BATCH_QUADS = 16384;
}

QuadBatcher::QuadBatcher(Flush flush) : flushFn_(std::move(flush)) { verts_.resize(INITIAL_BATCH_QUADS * 4); }

void QuadBatcher::setBounds(float left, float top, float right, float bottom) {
    left_ = left;
    top_ = top;
    right_ = right;
    bottom_ = bottom;
}

void QuadBatcher::add(const hgeQuad& quad) {
    const auto [minX, maxX] = std::minmax({quad.v[0].x, quad.v[1].x, quad.v[2].x, quad.v[3].x});
    const auto [minY, maxY] = std::minmax({quad.v[0].y, quad.v[1].y, quad.v[2].y, quad.v[3].y});
    // Touching an edge from outside covers no pixel centre either.
    if (maxX <= left_ || minX >= right_ || maxY <= top_ || minY >= bottom_) return;
    // z-write is not used by the 2D renderer, so it never splits a run.
    const int blend = quad.blend & (BLEND_COLORADD | BLEND_ALPHABLEND);
    if (quadCount_ > 0 && (quad.tex != tex_ || blend != blend_)) flush();
    if (static_cast<std::size_t>(quadCount_ + 1) * 4 > verts_.size()) verts_.resize(verts_.size() * 2);
    tex_ = quad.tex;
    blend_ = blend;
    BatchVertex* out = &verts_[static_cast<std::size_t>(quadCount_) * 4];
    for (const hgeVertex& v : quad.v) {
        out->x = v.x;
        out->y = v.y;
        out->r = static_cast<std::uint8_t>(GETR(v.col));
        out->g = static_cast<std::uint8_t>(GETG(v.col));
        out->b = static_cast<std::uint8_t>(GETB(v.col));
        out->a = static_cast<std::uint8_t>(GETA(v.col));
        out->u = v.tx;
        out->v = v.ty;
        ++out;
    }
    ++quadCount_;
}

void QuadBatcher::flush() {
    if (quadCount_ == 0) return;
    flushFn_(tex_, blend_, verts_.data(), quadCount_);
    quadCount_ = 0;
}
