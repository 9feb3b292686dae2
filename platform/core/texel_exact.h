// Quads that show their texels one for one: axis-aligned, as large on the canvas as
// their texel rectangle, which starts and ends on whole texels. Moved onto whole pixels,
// such a quad samples every texel at its centre, so nearest filtering draws exactly what
// smooth filtering would, for less work in a software renderer.
#pragma once

#include <vector>

#include "platform/core/quad_batcher.h"

// Moves each quad, without changing its size, so that its corners sit on whole pixels.
void snapQuadsToPixels(BatchVertex* verts, int quadCount);

// A stretch of a batch's quads, drawn in order: `exact` ones texel-exact throughout.
struct QuadRun {
    int first = 0;
    int count = 0;
    bool exact = false;
};
// Cuts a batch into runs of texel-exact quads and runs of the rest. An exact run covering
// fewer than `minPixels` pixels stays with the quads around it: a run costs a draw call,
// which a small run does not earn back.
void splitTexelExactRuns(const BatchVertex* verts, int quadCount, int textureWidth, int textureHeight,
                         float minPixels, std::vector<QuadRun>& runs);
