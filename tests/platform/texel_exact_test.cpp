// Which quads show their texels one for one, how a batch is cut into runs of them, and
// moving them onto whole pixels.
#include <gtest/gtest.h>

#include <string>
#include <vector>

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

// The batch's runs as "E3 L1 ...": exact (E) or not (L), and how many quads each.
std::string runsOf(const BatchVertex* verts, int quadCount, int width = 64, float minPixels = 0) {
    std::vector<QuadRun> runs;
    splitTexelExactRuns(verts, quadCount, width, 32, minPixels, runs);
    std::string text;
    int next = 0;
    for (const QuadRun& run : runs) {
        EXPECT_EQ(run.first, next) << "runs follow each other";
        next = run.first + run.count;
        if (!text.empty()) text += ' ';
        text += run.exact ? 'E' : 'L';
        text += std::to_string(run.count);
    }
    EXPECT_EQ(next, quadCount);
    return text;
}
}  // namespace

TEST(TexelExact, OnlyUnscaledUnturnedQuadsOnWholeTexelsQualify) {
    BatchVertex v[8];
    quad(v, 10.4f, 20.7f, 16, 8, 8, 4, 16, 8);
    quad(v + 4, 100, 50, 32, 32, 0, 0, 32, 32);
    EXPECT_EQ(runsOf(v, 2), "E2") << "at any position, if unscaled";

    BatchVertex flipped[4];
    quad(flipped, 5, 5, 16, 8, 8, 4, 16, 8);
    std::swap(flipped[0].u, flipped[1].u);
    std::swap(flipped[3].u, flipped[2].u);
    EXPECT_EQ(runsOf(flipped, 1), "E1") << "mirrored";

    BatchVertex scaled[4], subTexel[4], turned[4];
    quad(scaled, 5, 5, 24, 8, 8, 4, 16, 8);
    quad(subTexel, 5, 5, 16, 8, 8.5f, 4, 16, 8);
    quad(turned, 5, 5, 16, 8, 8, 4, 16, 8);
    turned[1].y += 1;
    turned[2].x -= 1;
    EXPECT_EQ(runsOf(scaled, 1), "L1");
    EXPECT_EQ(runsOf(subTexel, 1), "L1");
    EXPECT_EQ(runsOf(turned, 1), "L1");
    EXPECT_EQ(runsOf(v, 2, 128), "L2") << "the texture's real size counts";
    EXPECT_EQ(runsOf(v, 2, 0), "L2") << "a texture of no size";
}

// Exact runs large enough go apart; a smaller one stays with its neighbours, unless it
// is the whole batch.
TEST(TexelExact, ABatchIsCutIntoRunsOnlyWhereARunCoversEnoughPixels) {
    BatchVertex v[6 * 4];
    quad(v, 0, 0, 16, 8, 8, 4, 16, 8);            // exact, 128 px
    quad(v + 4, 0, 0, 17, 8, 8, 4, 16, 8);        // scaled
    quad(v + 8, 0, 0, 32, 32, 0, 0, 32, 32);      // exact, 1024 px
    quad(v + 12, 40, 0, 32, 32, 32, 0, 32, 32);   // exact, 1024 px
    quad(v + 16, 0, 0, 17, 8, 8, 4, 16, 8);       // scaled
    quad(v + 20, 9, 9, 16, 8, 8, 4, 16, 8);       // exact, 128 px
    EXPECT_EQ(runsOf(v, 6), "E1 L1 E2 L1 E1");
    EXPECT_EQ(runsOf(v, 6, 64, 1000), "L2 E2 L2");
    EXPECT_EQ(runsOf(v, 6, 64, 5000), "L6");
    EXPECT_EQ(runsOf(v + 8, 2, 64, 5000), "E2") << "a whole exact batch costs no extra call";
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
    EXPECT_EQ(runsOf(v, 2), "E2");
}
