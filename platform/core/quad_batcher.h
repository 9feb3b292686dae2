// Collects quads into runs that share a texture and blend mode, so that each run goes
// out as one draw call. A backend supplies the flush; the batcher owns the vertices.
#pragma once

#include <cmath>
#include <cstdint>
#include <functional>
#include <vector>

#include "platform/hge.h"

// Laid out exactly as SDL_Vertex (position, RGBA bytes, texture coordinates), so the SDL
// backend can hand the array over without copying.
struct BatchVertex {
    float x, y;
    std::uint8_t r, g, b, a;
    float u, v;
};

class QuadBatcher {
public:
    // Receives one run: 4 vertices per quad, in quad order (TL, TR, BR, BL).
    using Flush = std::function<void(HTEXTURE tex, int blend, const BatchVertex* verts, int quadCount)>;

    explicit QuadBatcher(Flush flush);

    void add(const hgeQuad& quad);
    // Sends the pending run, if any.
    void flush();

    // From now on a quad wholly outside this rectangle covers no pixel and is dropped:
    // particles that flew off the canvas can be most of a busy frame's quads. Unbounded
    // until set.
    void setBounds(float left, float top, float right, float bottom);

    int pendingQuads() const { return quadCount_; }

private:
    Flush flushFn_;
    std::vector<BatchVertex> verts_;
    int quadCount_ = 0;
    float left_ = -INFINITY, top_ = -INFINITY, right_ = INFINITY, bottom_ = INFINITY;
    HTEXTURE tex_ = 0;
    int blend_ = 0;
};
