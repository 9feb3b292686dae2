// Which quads show their texels one for one, and moving them onto whole pixels.
#include <gtest/gtest.h>

#include "platform/core/texel_exact.h"

namespace {
// TL, TR, BR, BL of a w x h quad at (x, y) showing texels (tx, ty) onwards of a 64x32 texture.
void quad(BatchVertex* v, float x, float y, float w, float h, float tx, float ty, float tw, float th) {
    const float u0 = tx / 64, v0 = ty / 32, u1 = (tx + tw) / 64, v1 = (ty + th) / 32;
    v[0] = {x, y, 255, 255, 255, 255, u0, v0};
    v[1] = {x + w, y, 255, 255, 255, 255, u1, v0};
    v[2] = {x + w, y + h, 255, 255, 255, 255, u1, v1};
    v[3] = {x, y + h, 255, 255, 255, 255, u0, v1};
}
}  // namespace

TEST(TexelExact, OnlyUnscaledUnturnedQuadsOnWholeTexelsQualify) {
    BatchVertex v[8];
    quad(v, 10.4f, 20.7f, 16, 8, 8, 4, 16, 8);
    quad(v + 4, 100, 50, 32, 32, 0, 0, 32, 32);
    EXPECT_TRUE(texelExactQuads(v, 2, 64, 32)) << "at any position, if unscaled";

    BatchVertex flipped[4];
    quad(flipped, 5, 5, 16, 8, 8, 4, 16, 8);
    std::swap(flipped[0].u, flipped[1].u);
    std::swap(flipped[3].u, flipped[2].u);
    EXPECT_TRUE(texelExactQuads(flipped, 1, 64, 32)) << "mirrored";

    BatchVertex scaled[4], subTexel[4], turned[4];
    quad(scaled, 5, 5, 24, 8, 8, 4, 16, 8);
    quad(subTexel, 5, 5, 16, 8, 8.5f, 4, 16, 8);
    quad(turned, 5, 5, 16, 8, 8, 4, 16, 8);
    turned[1].y += 1;
    turned[2].x -= 1;
    EXPECT_FALSE(texelExactQuads(scaled, 1, 64, 32));
    EXPECT_FALSE(texelExactQuads(subTexel, 1, 64, 32));
    EXPECT_FALSE(texelExactQuads(turned, 1, 64, 32));
    EXPECT_FALSE(texelExactQuads(v, 2, 128, 32)) << "the texture's real size counts";

    BatchVertex mixed[8];
    quad(mixed, 0, 0, 16, 8, 8, 4, 16, 8);
    quad(mixed + 4, 0, 0, 17, 8, 8, 4, 16, 8);
    EXPECT_FALSE(texelExactQuads(mixed, 2, 64, 32)) << "one scaled quad spoils the batch";
}

TEST(TexelExact, SnappingMovesEachQuadWholeOntoPixels) {
    BatchVertex v[8];
    quad(v, 10.4f, 20.6f, 16, 8, 8, 4, 16, 8);
    quad(v + 4, -3.5001f, 7.2f, 32, 32, 0, 0, 32, 32);
    snapQuadsToPixels(v, 2);
    EXPECT_EQ(v[0].x, 10);
    EXPECT_EQ(v[0].y, 21);
    EXPECT_EQ(v[2].x, 26);
    EXPECT_EQ(v[2].y, 29);
    EXPECT_EQ(v[4].x, -4);
    EXPECT_EQ(v[6].x, 28);
    EXPECT_EQ(v[6].y, 39);
    EXPECT_FLOAT_EQ(v[2].u, 24.0f / 64) << "texels stay";
    EXPECT_TRUE(texelExactQuads(v, 2, 64, 32));
}
