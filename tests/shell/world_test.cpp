#include "tests/support/engine_test.h"

#include "shell/geometry.h"
#include "shell/world.h"

class WorldTest : public EngineTest {};

TEST_F(WorldTest, FreeSlotFindersReuseTheLowestSlotAndReportAFullTable) {
    for (auto& s : sh) s.active = true;
    EXPECT_EQ(roomForMoreShots(), -1);
    sh[150].active = false;
    sh[5].active = false;
    EXPECT_EQ(roomForMoreShots(), 5);

    for (auto& e : en) e.active = true;
    EXPECT_EQ(roomForMoreEnemies(), -1);
    en[99].active = false;
    EXPECT_EQ(roomForMoreEnemies(), 99);

    EXPECT_EQ(roomForMoreItems(), 0);
    for (auto& i : itm) i.active = true;
    EXPECT_EQ(roomForMoreItems(), -1);

    for (auto& w : wall) w.active = true;
    wall[199].active = false;
    EXPECT_EQ(roomForMoreWalls(), 199);
    wall[199].active = true;
    EXPECT_EQ(roomForMoreWalls(), -1);
}

TEST_F(WorldTest, ResetWorldClearsEveryTable) {
    sh[3].active = true;
    pl[1].misc[M_FAUXPAX] = 2;
    crd[7].name = "Zap";
    VEH_speed[2] = 9;
    OPP_heart[6][9] = 50;
    gameMode = 5;
    resetWorld();
    EXPECT_FALSE(sh[3].active);
    EXPECT_EQ(pl[1].misc[M_FAUXPAX], 0);
    EXPECT_EQ(crd[7].name, "");
    EXPECT_EQ(VEH_speed[2], 0);
    EXPECT_EQ(OPP_heart[6][9], 0);
    EXPECT_EQ(gameMode, 0);
}

TEST(Geometry, RectangleHelpersMoveGrowAndMeasure) {
    const hgeRect r(10, 20, 20, 30);
    const hgeRect shrunk = inflate(r, -2, -2);
    EXPECT_FLOAT_EQ(r_width(shrunk), 6);
    EXPECT_FLOAT_EQ(r_height(shrunk), 6);
    EXPECT_FLOAT_EQ(centerX(shrunk), centerX(r));
    EXPECT_FLOAT_EQ(centerY(shrunk), 25);
    const hgeRect moved = addToRect(r, -10, 5);
    EXPECT_FLOAT_EQ(moved.x1, 0);
    EXPECT_FLOAT_EQ(moved.y2, 35);
}

TEST(Waveforms, PhasesWrapIntoThePeriodIncludingNegativeOnes) {
    EXPECT_FLOAT_EQ(Fmd(-0.5f, 2), 1.5f);
    EXPECT_FLOAT_EQ(Fmd(5, 2), 1);
    EXPECT_FLOAT_EQ(Fmd(-4, 2), 0);
    EXPECT_EQ(TrglDif(-0.5f), -1);
    EXPECT_EQ(TrglDif(0), 1);
    EXPECT_EQ(TrglDif(0.999f), 1);
    EXPECT_EQ(TrglDif(1), -1);
    EXPECT_EQ(TrglDif(2), 1);
}

TEST(Waveforms, EachPathHasItsSpeedsAtTheBoundaries) {
    // Hexagon: up, flat, down, flat over a period of 4.
    EXPECT_EQ(HxgnDif(0), 2);
    EXPECT_EQ(HxgnDif(1), 0);
    EXPECT_EQ(HxgnDif(2), -2);
    EXPECT_EQ(HxgnDif(3), 0);
    EXPECT_EQ(HxgnDif(-1), 0);
    EXPECT_EQ(HxgnDif(-2), -2);
    // Trapezoid: flat, up, down over 3.
    EXPECT_EQ(TrpzDif(0), 0);
    EXPECT_EQ(TrpzDif(1), 2);
    EXPECT_EQ(TrpzDif(2), -2);
    EXPECT_EQ(TrpzDif(-0.5f), -2);
    // Saw: a fast rise and a slow fall that cancel over a period.
    EXPECT_EQ(SclnDif(0.5f), 2);
    EXPECT_EQ(SclnDif(1), -1);
    EXPECT_EQ(SclnDif(-1), -1);
    float net = 0;
    for (int i = 0; i < 300; ++i) net += SclnDif(i * 0.01f + 0.005f) * 0.01f;
    EXPECT_NEAR(net, 0, 1e-4);
}
