#include "battle/walls.h"
#include "shell/geometry.h"
#include "shell/world.h"
#include "tests/support/engine_test.h"

class WallsTest : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        pl[0].fieldLeft = LEFTBOUND;
        pl[0].fieldRight = CENTERLINE;
        pl[1].fieldLeft = CENTERLINE;
        pl[1].fieldRight = RIGHTBOUND;
    }
    static void expectRect(const hgeRect& r, float x1, float y1, float x2, float y2) {
        EXPECT_FLOAT_EQ(r.x1, x1);
        EXPECT_FLOAT_EQ(r.y1, y1);
        EXPECT_FLOAT_EQ(r.x2, x2);
        EXPECT_FLOAT_EQ(r.y2, y2);
    }
};

TEST_F(WallsTest, AWallIsMovedIntoItsFieldKeepingItsSize) {
    initWall(1, W_WOOD, hgeRect(380, -20, 440, 40), 28);    // left of the field, above the top
    initWall(1, W_WOOD, hgeRect(680, 580, 740, 640), 28);   // right of the field, below the bottom
    initWall(0, W_BRICK, hgeRect(390, 100, 450, 160), 36);  // the human's field ends at 400
    initWall(0, W_BRICK, hgeRect(50, 100, 110, 160), 36);
    expectRect(wall[0].rect, 400, 0, 460, 60);
    expectRect(wall[1].rect, 640, 540, 700, 600);
    expectRect(wall[2].rect, 340, 100, 400, 160);
    expectRect(wall[3].rect, 100, 100, 160, 160);
}

TEST_F(WallsTest, AWallLargerThanItsFieldIsCutToFitInsideIt) {
    initWall(1, W_WOOD, hgeRect(400, 272, 704, 348), 178);  // 4 px too wide for the opponent's field
    initWall(0, W_STONE, hgeRect(50, -50, 450, 650), 68);   // wider and taller than everything
    initWall(1, W_STEEL, hgeRect(380, 100, 780, 160), 94);
    expectRect(wall[0].rect, 400, 272, 700, 348);
    expectRect(wall[1].rect, 100, 0, 400, 600);
    expectRect(wall[2].rect, 400, 100, 700, 160);
}

TEST_F(WallsTest, ANewWallStandsWithFullOpacityAndItsDrawingStyle) {
    for (int type = W_PAPER; type <= W_PROXYMINE; ++type) initWall(1, type, hgeRect(450, 100, 482, 132), 5);
    for (int type = W_PAPER; type <= W_PROXYMINE; ++type) {
        const Wall& w = wall[type];
        EXPECT_TRUE(w.active);
        EXPECT_EQ(w.type, type);
        EXPECT_FLOAT_EQ(w.hp, 5);
        EXPECT_FLOAT_EQ(w.alpha, 255);
        EXPECT_FLOAT_EQ(w.flash, 0);
        const bool ownDrawing = type == W_ZOMZAP || type == W_ESCALATOR || type == W_LAWN || type == W_PROXYMINE;
        EXPECT_EQ(w.stretch, !ownDrawing) << "type " << type;
    }
}

TEST_F(WallsTest, VehicleFiveBuildsSturdierWallsExceptMines) {
    selectedVeh = 5;
    initWall(0, W_STONE, hgeRect(200, 200, 260, 260), 10);
    initWall(0, W_PROXYMINE, hgeRect(200, 300, 232, 332), 1);
    initWall(1, W_STONE, hgeRect(500, 200, 560, 260), 10);
    EXPECT_FLOAT_EQ(wall[0].hp, 12);
    EXPECT_FLOAT_EQ(wall[1].hp, 1);
    EXPECT_FLOAT_EQ(wall[2].hp, 10);
    selectedVeh = 4;
    initWall(0, W_STONE, hgeRect(200, 200, 260, 260), 10);
    EXPECT_FLOAT_EQ(wall[3].hp, 10);
}

TEST_F(WallsTest, AFullTableMakesNothingAndTheLowestFreeSlotIsReused) {
    for (int i = 0; i < MAXWALLS; ++i) initWall(1, W_PAPER, hgeRect(400, 0, 460, 60), 10);
    initWall(1, W_STEEL, hgeRect(400, 0, 460, 60), 94);
    for (const Wall& w : wall) ASSERT_EQ(w.type, W_PAPER);
    wall[150].active = false;
    wall[7].active = false;
    initWall(1, W_STEEL, hgeRect(400, 0, 460, 60), 94);
    EXPECT_EQ(wall[7].type, W_STEEL);
    EXPECT_FALSE(wall[150].active);
}

TEST_F(WallsTest, ADestroyedWallFadesForAboutTwoAndAHalfSecondsThenFreesItsSlot) {
    initWall(1, W_PAPER, hgeRect(400, 0, 460, 60), 10);
    initWall(1, W_PAPER, hgeRect(400, 100, 460, 160), 10);
    wall[0].hp = -3;
    wall[0].flash = ENEMYFLASHTIME;
    checkWallDeath(0);
    checkWallDeath(1);
    EXPECT_EQ(wall[0].hp, 0);
    EXPECT_FLOAT_EQ(wall[1].hp, 10);

    for (int frame = 0; frame < 250; ++frame) updateWalls(0.01f);
    EXPECT_TRUE(wall[0].active);
    EXPECT_EQ(wall[0].flash, 0);  // counted down, not below
    EXPECT_NEAR(wall[0].alpha, 5, 0.01);
    for (int frame = 0; frame < 6; ++frame) updateWalls(0.01f);
    EXPECT_FALSE(wall[0].active);
    EXPECT_TRUE(wall[1].active);
    EXPECT_FLOAT_EQ(wall[1].alpha, 255);
}

TEST_F(WallsTest, TheHumanVehicleHitBoxFollowsTheVehicle) {
    pl[0].rect = hgeRect(100, 100, 164, 200);
    const hgeRect topLeftCorner(101, 101, 105, 105);
    const hgeRect wingTip(101, 150, 105, 154);  // inside the wing bar at y1 + 44..58
    const hgeRect cockpit(125, 101, 130, 105);   // inside the column at x1 + 22..42

    selectedVeh = 0;
    EXPECT_FALSE(checkHitBox(0, topLeftCorner));
    EXPECT_TRUE(checkHitBox(0, wingTip));
    EXPECT_TRUE(checkHitBox(0, cockpit));
    expectRect(pl[0].hitBox[1], 100, 144, 164, 158);

    selectedVeh = 6;
    EXPECT_TRUE(checkHitBox(0, topLeftCorner));
    selectedVeh = 1;
    EXPECT_FALSE(checkHitBox(0, topLeftCorner));
    expectRect(pl[0].hitBox[0], 108, 105, 156, 195);
    selectedVeh = 3;
    EXPECT_FALSE(checkHitBox(0, hgeRect(130, 160, 140, 170)));
    expectRect(pl[0].hitBox[0], 107, 103, 126, 148);
}

TEST_F(WallsTest, TheOpponentHitBoxFollowsTheOpponentAndItsRound) {
    pl[1].rect = hgeRect(500, 400, 600, 500);
    const hgeRect top(550, 401, 552, 405);

    selectedOpp = 6;
    curRound = 0;
    EXPECT_TRUE(checkHitBox(1, top));
    curRound = 4;
    EXPECT_FALSE(checkHitBox(1, top));
    expectRect(pl[1].hitBox[0], 507, 422, 556, 474);
    curRound = 7;
    EXPECT_TRUE(checkHitBox(1, hgeRect(509, 409, 512, 412)));
    EXPECT_FALSE(checkHitBox(1, hgeRect(501, 401, 506, 406)));

    selectedOpp = 3;
    EXPECT_FALSE(checkHitBox(1, top));
    selectedOpp = 7;  // the EX mission parks the opponent; its box is the vehicle itself
    EXPECT_TRUE(checkHitBox(1, top));
}
