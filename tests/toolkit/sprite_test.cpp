#include <cmath>
#include <numbers>

#include "tests/toolkit/toolkit_test.h"
#include "toolkit/hgedistort.h"
#include "toolkit/hgerect.h"
#include "toolkit/hgesprite.h"

namespace {

void expectCorner(const hgeVertex& v, float x, float y) {
    EXPECT_NEAR(v.x, x, EPS);
    EXPECT_NEAR(v.y, y, EPS);
}

void expectUV(const hgeVertex& v, float u, float w) {
    EXPECT_FLOAT_EQ(v.tx, u);
    EXPECT_FLOAT_EQ(v.ty, w);
}

}  // namespace

TEST(RectTest, RightAndBottomEdgesAreOutside) {
    hgeRect r(0, 0, 10, 20);
    EXPECT_TRUE(r.TestPoint(0, 0));
    EXPECT_TRUE(r.TestPoint(9.99f, 19.99f));
    EXPECT_FALSE(r.TestPoint(10, 5));
    EXPECT_FALSE(r.TestPoint(5, 20));
    EXPECT_FALSE(r.TestPoint(-0.01f, 5));
}

TEST(RectTest, TouchingRectanglesDoNotIntersect) {
    hgeRect a(0, 0, 10, 10);
    EXPECT_FALSE(a.Intersect(hgeRect(10, 0, 20, 10)));
    EXPECT_FALSE(a.Intersect(hgeRect(0, 10, 10, 20)));
    EXPECT_TRUE(a.Intersect(hgeRect(9.5f, 9.5f, 20, 20)));
    EXPECT_TRUE(a.Intersect(hgeRect(2, 2, 3, 3)));   // contained
    EXPECT_FALSE(a.Intersect(hgeRect(5, 11, 6, 12)));  // overlaps on x only
}

TEST(RectTest, EncapsulateStartsAtTheFirstPointAfterAClear) {
    hgeRect r(100, 100, 200, 200);
    r.Clear();
    r.Encapsulate(5, 7);
    EXPECT_FLOAT_EQ(r.x1, 5);
    EXPECT_FLOAT_EQ(r.x2, 5);
    EXPECT_FLOAT_EQ(r.y1, 7);
    EXPECT_FLOAT_EQ(r.y2, 7);
    r.Encapsulate(-3, 20);
    r.Encapsulate(1, 1);
    EXPECT_FLOAT_EQ(r.x1, -3);
    EXPECT_FLOAT_EQ(r.x2, 5);
    EXPECT_FLOAT_EQ(r.y1, 1);
    EXPECT_FLOAT_EQ(r.y2, 20);
}

class SpriteTest : public ToolkitTest {};

TEST_F(SpriteTest, RenderPlacesTheHotSpotAndCutsTheTextureRectangle) {
    HTEXTURE tex = makeTexture(64, 32);
    hgeSprite spr(tex, 16, 8, 16, 8);
    spr.SetHotSpot(4, 2);
    auto quads = drawn([&] { spr.Render(100, 50); });
    ASSERT_EQ(quads.size(), 1u);
    const hgeQuad& q = quads[0];
    EXPECT_EQ(q.tex, tex);
    EXPECT_EQ(q.blend, BLEND_COLORMUL | BLEND_ALPHABLEND | BLEND_NOZWRITE);
    expectCorner(q.v[0], 96, 48);
    expectCorner(q.v[1], 112, 48);
    expectCorner(q.v[2], 112, 56);
    expectCorner(q.v[3], 96, 56);
    expectUV(q.v[0], 0.25f, 0.25f);
    expectUV(q.v[2], 0.5f, 0.5f);
    for (const hgeVertex& v : q.v) {
        EXPECT_EQ(v.col, 0xFFFFFFFFu);
        EXPECT_FLOAT_EQ(v.z, 0.5f);
    }
}

TEST_F(SpriteTest, RenderExScalesAndRotatesAboutTheHotSpot) {
    hgeSprite spr(makeTexture(32, 32), 0, 0, 10, 4);
    spr.SetHotSpot(5, 2);
    auto quads = drawn([&] {
        spr.RenderEx(100, 100, 0, 2);                            // vertical scale follows
        spr.RenderEx(100, 100, std::numbers::pi_v<float> / 2, 1, 3);  // quarter turn
    });
    ASSERT_EQ(quads.size(), 2u);
    expectCorner(quads[0].v[0], 90, 96);
    expectCorner(quads[0].v[2], 110, 104);
    // A quarter turn maps (dx, dy) to (-dy, dx).
    expectCorner(quads[1].v[0], 106, 95);
    expectCorner(quads[1].v[1], 106, 105);
    expectCorner(quads[1].v[2], 94, 105);
}

TEST_F(SpriteTest, StretchAndFourCornersDrawWhereTheyAreTold) {
    hgeSprite spr(0, 0, 0, 8, 8);
    auto quads = drawn([&] {
        spr.RenderStretch(10, 20, 30, 60);
        spr.Render4V(1, 2, 3, 4, 5, 6, 7, 8);
    });
    ASSERT_EQ(quads.size(), 2u);
    expectCorner(quads[0].v[1], 30, 20);
    expectCorner(quads[0].v[3], 10, 60);
    expectCorner(quads[1].v[2], 5, 6);
    expectCorner(quads[1].v[3], 7, 8);
}

TEST_F(SpriteTest, WithoutATextureTheQuadIsUntexturedWithPixelCoordinates) {
    hgeSprite spr(0, 2, 3, 4, 5);
    auto quads = drawn([&] { spr.Render(0, 0); });
    ASSERT_EQ(quads.size(), 1u);
    EXPECT_EQ(quads[0].tex, 0u);
    expectUV(quads[0].v[0], 2, 3);
    expectUV(quads[0].v[2], 6, 8);
}

TEST_F(SpriteTest, FlipsSurviveANewTextureRectangle) {
    hgeSprite spr(makeTexture(64, 64), 0, 0, 16, 16);
    spr.SetFlip(true, false);
    spr.SetTextureRect(32, 16, 16, 32);
    auto quads = drawn([&] { spr.Render(0, 0); });
    expectUV(quads[0].v[0], 0.75f, 0.25f);
    expectUV(quads[0].v[1], 0.5f, 0.25f);
    expectUV(quads[0].v[2], 0.5f, 0.75f);
    spr.SetFlip(false, true);
    quads = drawn([&] { spr.Render(0, 0); });
    expectUV(quads[0].v[0], 0.5f, 0.75f);
    expectUV(quads[0].v[2], 0.75f, 0.25f);
}

TEST_F(SpriteTest, NewTextureKeepsThePixelRectangle) {
    hgeSprite spr(makeTexture(64, 64, "a.png"), 16, 16, 16, 16);
    HTEXTURE big = makeTexture(128, 32, "b.png");
    spr.SetTexture(big);
    auto quads = drawn([&] { spr.Render(0, 0); });
    EXPECT_EQ(quads[0].tex, big);
    expectUV(quads[0].v[0], 0.125f, 0.5f);
    expectUV(quads[0].v[2], 0.25f, 1.0f);
    EXPECT_FLOAT_EQ(spr.GetWidth(), 16);
}

TEST_F(SpriteTest, BoundingBoxesCoverWhatIsDrawn) {
    hgeSprite spr(0, 0, 0, 10, 4);
    spr.SetHotSpot(5, 2);
    hgeRect box;
    spr.GetBoundingBox(50, 50, &box);
    EXPECT_FLOAT_EQ(box.x1, 45);
    EXPECT_FLOAT_EQ(box.y2, 52);
    spr.GetBoundingBoxEx(50, 50, std::numbers::pi_v<float> / 2, 2, 0, &box);
    EXPECT_NEAR(box.x1, 46, EPS);
    EXPECT_NEAR(box.x2, 54, EPS);
    EXPECT_NEAR(box.y1, 40, EPS);
    EXPECT_NEAR(box.y2, 60, EPS);
}

TEST_F(SpriteTest, MeshNodesMoveAndColourOneByOne) {
    hgeDistortionMesh mesh(3, 2);
    mesh.SetTexture(makeTexture(64, 32));
    mesh.SetTextureRect(0, 0, 64, 32);
    mesh.SetDisplacement(1, 0, 5, -3, HGEDISP_NODE);
    mesh.SetColor(2, 1, 0xFF00FF00);
    mesh.SetDisplacement(9, 9, 1, 1, HGEDISP_NODE);  // outside the grid: ignored
    auto quads = drawn([&] { mesh.Render(100, 200); });
    ASSERT_EQ(quads.size(), 2u);
    expectCorner(quads[0].v[0], 100, 200);
    expectCorner(quads[0].v[1], 137, 197);
    expectCorner(quads[1].v[0], 137, 197);
    expectUV(quads[1].v[2], 1, 1);
    EXPECT_EQ(quads[1].v[2].col, 0xFF00FF00u);
    mesh.Clear(0xFFFFFFFF);
    expectCorner(drawn([&] { mesh.Render(0, 0); })[0].v[1], 32, 0);
}
