// Quads that show their texels one for one: axis-aligned, as large on the canvas as
// their texel rectangle, which starts and ends on whole texels. Moved onto whole pixels,
// such a quad samples every texel at its centre, so nearest filtering draws exactly what
// smooth filtering would, for less work in a software renderer.
#pragma once

#include "platform/core/quad_batcher.h"

bool texelExactQuads(const BatchVertex* verts, int quadCount, int textureWidth, int textureHeight);
// Moves each quad, without changing its size, so that its corners sit on whole pixels.
void snapQuadsToPixels(BatchVertex* verts, int quadCount);
