// Match and round set-up against the shipped game data.
#include "cards/conditions.h"
#include "frame_fixture.h"

namespace {

using SetupTest = MatchTest;

TEST_F(SetupTest, ANewMatchTakesTheVehicleAndTheOpponentsFirstRound) {
    startMatch(0, 2);
    const Player &me = pl[0], &opp = pl[1];
    EXPECT_EQ(gameMode, MODE_GAME);
    EXPECT_EQ(me.speed, VEH_speed[2]);
    EXPECT_EQ(me.armor, VEH_armor[2]);
    EXPECT_EQ(me.heart, VEH_heart[2]);
    EXPECT_TRUE(same(me.rect, hgeRect(250.0f - VEH_vehSizeX[2], 580.0f - VEH_vehSizeY[2], 250, 580)));
    EXPECT_EQ(opp.power, OPP_power[0][0]);
    EXPECT_EQ(opp.heart, OPP_heart[0][0]);
    EXPECT_EQ(opp.rect.x2, 550);
    EXPECT_EQ(opp.fieldLeft, 400);
    EXPECT_EQ(opp.misc[M_TAR], -1);
    for (const Player& p : pl) {
        EXPECT_EQ(p.hand[0], 0);
        EXPECT_FLOAT_EQ(p.cardDrawTimer[2], 1.5f);
        EXPECT_EQ(p.comboCount, 1);
        EXPECT_GE(p.spawnTimer, 3);
        EXPECT_LE(p.spawnTimer, 7);
    }
    int walls = 0;
    for (const Wall& w : wall) walls += w.active ? 1 : 0;
    EXPECT_GT(walls, 0);
}

TEST_F(SetupTest, CoinsTempoMinimumLossAndAiFollowTheOpponent) {
    const struct {
        int opp, coins, minLoss, ai;
        float pacing;
    } rows[] = {{0, 2, 1, AI_DEFAULT, 0.6f}, {3, 1, 2, AI_ECHELON1, 1.0f}, {4, 0, 3, AI_ECHELON2, 1.1f}};
    for (const auto& row : rows) {
        startMatch(row.opp);
        EXPECT_EQ(pl[0].coin[C_G], row.coins);
        EXPECT_EQ(pl[1].coin[C_G], 0);
        EXPECT_EQ(pl[0].misc[M_MINLOSSAMT], row.minLoss);
        EXPECT_EQ(pl[1].ai, row.ai);
        EXPECT_FLOAT_EQ(pl[0].pacing, row.pacing);
    }
}

TEST_F(SetupTest, TheGunGrowsWithTheRunningScore) {
    startMatch(0, 1);
    const int qty = VEH_shotQty[1];
    const struct {
        int score, level, extraShots;
    } rows[] = {{49999, 0, 0}, {50000, 1, 0}, {99999, 1, 0}, {100000, 1, 1}, {10000000, 3, 3}};
    for (const auto& row : rows) {
        totalScore = row.score;
        initRound(false);
        EXPECT_EQ(pl[0].shotLevel, row.level) << row.score;
        EXPECT_EQ(pl[0].shotQty, qty + row.extraShots) << row.score;
        EXPECT_EQ(pl[0].shotSizeX, VEH_shotSizeX[1] + 4 * row.level);
    }
}

TEST_F(SetupTest, TheSecondQuestHardensTheOpponentButStartsItFull) {
    startSecondQuest(0);
    const Player& opp = pl[1];
    EXPECT_EQ(opp.armor, 2.0f * OPP_armor[0][0]);
    EXPECT_EQ(opp.power, 3.0f * OPP_power[0][0]);
    EXPECT_EQ(opp.heart, OPP_heart[0][0]);
    EXPECT_EQ(opp.heart, opp.maxHeart);
    EXPECT_EQ(opp.coin[C_R], 2);
    EXPECT_FLOAT_EQ(pl[0].pacing, 1.2f);
}

// Its scenery, by round, is checked with named resources in scenery_test.cpp.
TEST_F(SetupTest, TheExMissionWidensTheFieldAndCountsItsBestRound) {
    startSecondQuest(EXMISSION);
    EXPECT_EQ(pl[0].fieldRight, 800);
    EXPECT_TRUE(same(pl[1].rect, hgeRect(850, 650, 851, 651)));
    EXPECT_EQ(pl[0].misc[M_MINLOSSAMT], 4);
    curRound = 2;
    initRound(false);
    EXPECT_EQ(pl[0].highestRound, 3);
    curRound = 1;
    initRound(true);
    EXPECT_EQ(pl[0].highestRound, 3) << "a lower round keeps the best";
}

TEST_F(SetupTest, ARoundRenewsTheFieldButKeepsItemsScoreAndPassives) {
    startMatch(0);
    itm[5].active = true;
    sh[3].create(hgeRect(200, 200, 210, 210), false, Y2E, 1, 0, 0, 0, 0, 5, 0, 1, false, P_LINEAR, 6, 0, 0);
    spawnEnemies(0, 1, 3, DIR_UP, 1, 0, 20, 0, 0, 40, 6, 0, 0);
    receiveCond(0, C_SLOW, 2);
    pl[0].misc[M_SEAL] = 4;
    pl[0].pendingDamage = 7;
    pl[0].velX = 3;
    pl[0].score = 1234;
    pl[0].passive[0] = P_FREQ;
    const int deck = pl[1].deckSize;
    curRound = 1;
    initRound(true);
    EXPECT_TRUE(itm[5].active);
    EXPECT_FALSE(sh[3].active);
    EXPECT_EQ(countEnemies(0), 0);
    for (const Enemy& e : en) EXPECT_EQ(e.anim, nullptr);
    EXPECT_EQ(pl[0].cond[1], 0);
    EXPECT_EQ(pl[0].misc[M_SEAL], 0);
    EXPECT_EQ(pl[0].misc[M_MINLOSSAMT], 1);
    EXPECT_EQ(pl[0].pendingDamage, 0);
    EXPECT_EQ(pl[0].velX, 0);
    EXPECT_EQ(pl[0].score, 1234);
    EXPECT_EQ(pl[0].passive[0], P_FREQ);
    // A retry adds no round cards; the round itself does.
    EXPECT_EQ(pl[1].deckSize, deck);
    initRound(false);
    EXPECT_GT(pl[1].deckSize, deck);
    initGame();
    EXPECT_FALSE(itm[5].active);
    EXPECT_EQ(pl[0].passive[0], 0);
}

TEST_F(SetupTest, SelectionsAndRoundsOutsideTheTablesAreSafe) {
    startMatch(9, 12);
    EXPECT_EQ(selectedOpp, 0);
    EXPECT_EQ(selectedVeh, 0);
    EXPECT_TRUE(logContains("vehicle 12 does not exist"));
    EXPECT_TRUE(logContains("opponent 9 does not exist"));
    // A round past the opponent tables keeps their last row; a missing animation still
    // leaves a vehicle box.
    curRound = MAXROUNDS + 2;
    initRound(true);
    EXPECT_EQ(pl[1].speed, OPP_speed[0][MAXROUNDS - 1]);
    EXPECT_EQ(pl[1].rect.x2 - pl[1].rect.x1, 64);
}

}  // namespace
