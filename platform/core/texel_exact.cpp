#include "platform/core/texel_exact.h"

#include <cmath>

namespace {
constexpr float TOLERANCE = 1e-3f;

bool same(float a, float b) { return std::fabs(a - b) <= TOLERANCE; }
bool whole(float value) { return same(value, std::round(value)); }

// TL, TR, BR, BL: the edges run along the axes on the canvas and in the texture alike,
// and each edge covers as many pixels as texels.
bool texelExact(const BatchVertex* q, float width, float height) {
    if (!same(q[0].y, q[1].y) || !same(q[1].x, q[2].x) || !same(q[2].y, q[3].y) || !same(q[3].x, q[0].x)) return false;
    if (!same(q[0].v, q[1].v) || !same(q[1].u, q[2].u) || !same(q[2].v, q[3].v) || !same(q[3].u, q[0].u)) return false;
    const float texelsAcross = (q[1].u - q[0].u) * width, texelsDown = (q[3].v - q[0].v) * height;
    if (!same(std::fabs(q[1].x - q[0].x), std::fabs(texelsAcross)) || !same(std::fabs(q[3].y - q[0].y), std::fabs(texelsDown)))
        return false;
    if (!whole(q[1].x - q[0].x) || !whole(q[3].y - q[0].y)) return false;
    return whole(q[0].u * width) && whole(q[0].v * height) && whole(q[2].u * width) && whole(q[2].v * height);
}

float quadPixels(const BatchVertex* q) { return std::fabs((q[1].x - q[0].x) * (q[3].y - q[0].y)); }
}  // namespace

void snapQuadsToPixels(BatchVertex* verts, int quadCount) {
    for (int q = 0; q < quadCount; ++q) {
        BatchVertex* quad = verts + q * 4;
        const float dx = std::round(quad[0].x) - quad[0].x, dy = std::round(quad[0].y) - quad[0].y;
        for (int k = 0; k < 4; ++k) {
            quad[k].x = std::round(quad[k].x + dx);
            quad[k].y = std::round(quad[k].y + dy);
        }
    }
}

void splitTexelExactRuns(const BatchVertex* verts, int quadCount, int textureWidth, int textureHeight,
                         float minPixels, std::vector<QuadRun>& runs) {
    runs.clear();
    const float width = static_cast<float>(textureWidth), height = static_cast<float>(textureHeight);
    auto exactAt = [&](int q) { return width > 0 && height > 0 && texelExact(verts + q * 4, width, height); };
    auto add = [&runs](int first, int count, bool exact) {
        if (!runs.empty() && runs.back().exact == exact) runs.back().count += count;
        else runs.push_back({first, count, exact});
    };
    for (int q = 0; q < quadCount;) {
        const bool exact = exactAt(q);
        float pixels = 0;
        int end = q;
        do {
            if (exact) pixels += quadPixels(verts + end * 4);
            ++end;
        } while (end < quadCount && exactAt(end) == exact);
        // A whole batch that is exact is always worth it: it costs no extra call.
        add(q, end - q, exact && (pixels >= minPixels || (q == 0 && end == quadCount)));
        q = end;
    }
}
