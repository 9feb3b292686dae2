#include "battle/walls.h"
#include "shell/world.h"
#include "tests/support/engine_test.h"

namespace {
// Rounds with a layout per opponent; every later round has none.
constexpr int LAYOUTROUNDS[MAXOPPONENTS] = {2, 3, 5, 6, 7, 5, 8};
}  // namespace

class LayoutsTest : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        pl[0].fieldLeft = LEFTBOUND;
        pl[0].fieldRight = CENTERLINE;
        pl[1].fieldLeft = CENTERLINE;
        pl[1].fieldRight = RIGHTBOUND;
        pl[0].questNum = 1;
    }
    void build(int opp, int round) {
        for (Wall& w : wall) w = Wall{};
        selectedOpp = opp;
        curRound = round;
        getLevelLayout();
    }
    // Walls standing in the given x range.
    static int wallsIn(float left, float right) {
        int n = 0;
        for (const Wall& w : wall)
            if (w.active && w.rect.x1 >= left && w.rect.x2 <= right) ++n;
        return n;
    }
    static int activeWalls() { return MAXWALLS - wallsFree(); }
    static int wallsFree() {
        int n = 0;
        for (const Wall& w : wall) n += !w.active;
        return n;
    }
};

TEST_F(LayoutsTest, EveryLayoutStandsInsideTheOpponentsFieldAndOnlyItsRoundsHaveOne) {
    for (int opp = 0; opp < MAXOPPONENTS; ++opp) {
        for (int round = 0; round <= LAYOUTROUNDS[opp]; ++round) {
            build(opp, round);
            SCOPED_TRACE(testing::Message() << "opponent " << opp << " round index " << round);
            if (round == LAYOUTROUNDS[opp]) {
                EXPECT_EQ(activeWalls(), 0);
                continue;
            }
            EXPECT_GT(activeWalls(), 0);
            EXPECT_EQ(wallsIn(CENTERLINE, RIGHTBOUND), activeWalls()) << "every wall inside the opponent's field";
            for (const Wall& w : wall) {
                if (!w.active) continue;
                EXPECT_GE(w.rect.y1, 0);
                EXPECT_LE(w.rect.y2, SCREEN_HEIGHT);
                EXPECT_GT(w.hp, 0);
                EXPECT_EQ(w.hp == 1, w.type == W_PROXYMINE);  // only mines are built with 1 hit point
            }
        }
    }
}

TEST_F(LayoutsTest, LayoutsHoldTheirWallsInRowOrder) {
    build(0, 1);
    EXPECT_EQ(activeWalls(), 24);
    EXPECT_EQ(wall[0].type, W_ZOMZAP);
    EXPECT_FLOAT_EQ(wall[9].rect.x1, 670);
    EXPECT_FLOAT_EQ(wall[10].rect.x1, 488);
    EXPECT_FLOAT_EQ(wall[10].rect.y1, 248);
    EXPECT_EQ(wall[14].type, W_PAPER);
    EXPECT_FLOAT_EQ(wall[23].rect.y1, 184);

    build(2, 1);
    EXPECT_EQ(activeWalls(), 26);
    EXPECT_EQ(wall[25].type, W_PROXYMINE);
    EXPECT_FLOAT_EQ(wall[25].rect.x1, 544);
    EXPECT_FLOAT_EQ(wall[25].rect.y2, 400);

    build(6, 7);
    EXPECT_EQ(activeWalls(), 38);
    EXPECT_EQ(wall[10].type, W_STEEL);
    EXPECT_FLOAT_EQ(wall[10].hp, 750);
    EXPECT_FLOAT_EQ(wall[37].rect.y1, 488);
}

TEST_F(LayoutsTest, ARowWiderThanTheFieldIsPiledAgainstItsRightEdge) {
    build(6, 1);  // ten 64-wide zappers from x 400 in steps of 64
    int piled = 0;
    for (const Wall& w : wall)
        if (w.active && w.type == W_ZOMZAP && w.rect.x1 == RIGHTBOUND - 64) ++piled;
    EXPECT_EQ(piled, 6);  // k = 4 (at 656) and k = 5..9 end at 700
}

TEST_F(LayoutsTest, TheSturdyVehicleDoesNotStrengthenTheOpponentsLayout) {
    selectedVeh = 5;
    build(1, 0);
    EXPECT_FLOAT_EQ(wall[0].hp, 10);
}

TEST_F(LayoutsTest, TheSecondQuestAddsStairsAndEscalatorsToTheHumansField) {
    build(6, 0);
    EXPECT_EQ(wallsIn(LEFTBOUND, CENTERLINE), 0);

    pl[0].questNum = 2;
    build(6, 0);
    int stairs = 0, escalators = 0;
    for (const Wall& w : wall) {
        if (!w.active || w.rect.x2 > CENTERLINE) continue;
        EXPECT_GE(w.rect.x1, LEFTBOUND);
        if (w.type == W_STAIRS) {
            ++stairs;
            EXPECT_GE(w.rect.y1, 32);
            EXPECT_LE(w.rect.y2, 472);
        } else if (w.type == W_ESCALATOR) {
            ++escalators;
            EXPECT_LE(w.rect.y2, 568);
        }
    }
    EXPECT_EQ(stairs, 10);
    EXPECT_EQ(escalators, 8);
    EXPECT_EQ(wallsIn(CENTERLINE, RIGHTBOUND), 18);  // the opponent's first layout still follows
    EXPECT_TRUE(wall[0].stretch);   // stairs come first
    EXPECT_FALSE(wall[10].stretch);  // then the escalators
}

TEST_F(LayoutsTest, TheFirstTwoOpponentsGetADiagonalStaircase) {
    pl[0].questNum = 2;
    for (int seed = 1; seed <= 20; ++seed) {
        engine->Random_Seed(seed);
        build(0, 0);
        ASSERT_EQ(wallsIn(LEFTBOUND, CENTERLINE), 3);
        for (int k = 1; k < 3; ++k) EXPECT_NEAR(wall[k].rect.y1 - wall[k - 1].rect.y1, 16, 1e-3);
        if (wall[0].rect.x1 > LEFTBOUND && wall[2].rect.x2 < CENTERLINE) {
            EXPECT_NEAR(wall[1].rect.x1 - wall[0].rect.x1, 16, 1e-3);
            EXPECT_NEAR(wall[2].rect.x1 - wall[1].rect.x1, 16, 1e-3);
        }
    }
}

TEST_F(LayoutsTest, TheExMissionHasNoLayoutEvenInTheSecondQuest) {
    pl[0].questNum = 2;
    pl[0].fieldRight = SCREEN_WIDTH;
    build(7, 0);
    EXPECT_EQ(activeWalls(), 0);
}

TEST_F(LayoutsTest, ALayoutStopsQuietlyWhenTheTableFills) {
    for (int i = 0; i < MAXWALLS - 10; ++i) wall[i].active = true;
    selectedOpp = 0;
    curRound = 1;
    getLevelLayout();
    EXPECT_EQ(wallsFree(), 0);
    EXPECT_EQ(wall[MAXWALLS - 1].type, W_ZOMZAP);  // the first ten walls of the row got the last slots
}
