// The battle frame and its ticks: the round's end, hearts and fuel, timers, waves, tempo,
// items, and the two ticks taken from the shell's clock.
#include "cards/conditions.h"
#include "frame_fixture.h"
#include "shell/hooks.h"
#include "toolkit/hgeparticle.h"

namespace {

class FrameTest : public MatchTest {
protected:
    void SetUp() override {
        MatchTest::SetUp();
        startMatch(0);
        quietField();
        pl[0].rect = addToRect(pl[0].rect, 0, -200);
    }
};

int gameOvers = 0, wins = 0;
void countGameOver() { ++gameOvers, gameMode = MODE_GAMEOVER; }
void countWin() { ++wins, gameMode = MODE_WINROUND; }

TEST_F(FrameTest, ALongFrameTakesOneTickAndEveryTenthTickIsASecond) {
    cycleNum = 0;
    accumulatedTime[ONE_TENTH_SEC] = 0;
    const int expected[4] = {1, 2, 3, 3};
    frame(0.35f);
    for (int i = 0; i < 4; ++i, frame()) EXPECT_EQ(cycleNum, expected[i]) << i;
    // The second tick: the round clock runs only in battle, the play time everywhere.
    accumulatedTime[ONE_SEC] = 0;
    playTime = pl[0].roundTime = 0;
    for (int i = 0; i < 10; ++i) timer0p1();
    gameMode = MODE_PAUSE;
    for (int i = 0; i < 10; ++i) timer0p1();
    EXPECT_EQ(playTime, 2);
    EXPECT_EQ(pl[0].roundTime, 1);
}

TEST_F(FrameTest, ADoubleKnockOutIsALossAndIsSignalledOnce) {
    gameHooks.initGameOver = countGameOver;
    gameHooks.initWinRound = gameHooks.initWinMatch = countWin;
    pl[0].heart = 0;
    pl[1].heart = -3;
    frame();
    gameHooks.initGameOver = gameHooks.initWinRound = gameHooks.initWinMatch = nullptr;
    EXPECT_EQ(gameOvers, 1);
    EXPECT_EQ(wins, 0);
    EXPECT_EQ(pl[1].heart, 0);
}

TEST_F(FrameTest, TheOpponentsFallWinsTheRoundAndInTheLastRoundTheMatch) {
    pl[1].heart = 0;
    frame();
    EXPECT_EQ(gameMode, MODE_WINROUND);
    gameMode = MODE_GAME;
    curRound = oppRounds[0] - 1;
    initRound(false);
    quietField();
    pl[1].heart = 0;
    frame();
    EXPECT_EQ(gameMode, MODE_WINMATCH);
}

TEST_F(FrameTest, PendingDamageDrainsAWholePointAFrame) {
    const float heart = pl[0].heart;
    pl[0].pendingDamage = 0.5f;
    frames(2);
    EXPECT_EQ(pl[0].heart, heart - 1);
    EXPECT_EQ(pl[0].pendingDamage, 0);
    pl[0].pendingDamage = 3;
    frames(2);
    EXPECT_EQ(pl[0].heart, heart - 3);
    frames(2);
    EXPECT_EQ(pl[0].heart, heart - 4);
}

TEST_F(FrameTest, CapsHoldAndAnEmptyTankCostsHalfHeartsNowAndThen) {
    pl[0].heart = pl[0].maxHeart + 40;
    pl[1].fuel = pl[1].maxFuel + 9;
    pl[0].fuel = -3;
    frame();
    EXPECT_EQ(pl[0].heart, pl[0].maxHeart);
    EXPECT_EQ(pl[1].fuel, pl[1].maxFuel);
    EXPECT_EQ(pl[0].fuel, 0);
    frames(1000);
    const float lost = pl[0].maxHeart - pl[0].heart;
    EXPECT_GT(lost, 0);
    EXPECT_LT(lost, 15);
    EXPECT_EQ(lost * 2, std::floor(lost * 2));
}

TEST_F(FrameTest, WavesComeSoonerAsTheTempoRises) {
    pl[0].pacing = 2;
    pl[0].spawnTimer = 0;
    frame();
    EXPECT_GT(countEnemies(0), 0);
    EXPECT_EQ(countEnemies(1), 0);
    EXPECT_GE(pl[0].spawnTimer, 1.5f);
    EXPECT_LE(pl[0].spawnTimer, 3.5f);

    // The EX mission sends the round's kind, and only to the human.
    startSecondQuest(EXMISSION);
    curRound = 4;
    initRound(false);
    pl[0].spawnTimer = pl[1].spawnTimer = 0;
    frame();
    EXPECT_GT(countEnemies(0), 0);
    for (const Enemy& e : en) EXPECT_TRUE(!e.active || e.kind == 5);
    EXPECT_EQ(pl[1].spawnTimer, 0);
}

TEST_F(FrameTest, TheTempoGrowsEveryMinuteUpToItsCeiling) {
    startMatch(3);
    pl[0].roundTime = 59;
    timer1();
    EXPECT_FLOAT_EQ(pl[0].pacing, 1.1f);
    timer1();
    EXPECT_FLOAT_EQ(pl[0].pacing, 1.1f);
    pl[0].pacing = 3.45f;
    pl[0].roundTime = 119;
    timer1();
    EXPECT_FLOAT_EQ(pl[0].pacing, 3.5f);
}

TEST_F(FrameTest, ItemsDriftToTheirCollectorAndLeaveTheField) {
    itm[0] = {true, C_R, 0, 0, hgeRect(650, 100, 666, 116)};
    itm[1] = {true, C_G, 0, 100, hgeRect(200, 595, 216, 611)};
    itm[2] = {true, C_B, 0, 0, hgeRect(150, 100, 166, 116)};
    frames(10);
    EXPECT_EQ(itm[0].dx, centerX(itm[0].rect) <= centerX(pl[1].rect) ? 20 : -20);
    EXPECT_NE(itm[0].rect.x1, 650);
    EXPECT_FALSE(itm[1].active);
    EXPECT_EQ(itm[2].dx, 0);
    selectedVeh = 4;
    frame();
    EXPECT_EQ(itm[2].dx, 20);
}

TEST_F(FrameTest, InvulnerabilityRunsOutAndItsSparklesFollowThenStop) {
    pl[0].invincTimer = 0.05f;
    psiGeneral[0].lifetime = -1;
    hgeParticleSystem* ps = pr[0] = psmgrX->SpawnPS(&psiGeneral[0], 0, 0);
    frame();
    float x = 0, y = 0;
    ps->GetPosition(&x, &y);
    EXPECT_FLOAT_EQ(x, centerX(pl[0].rect));
    frames(5);
    EXPECT_EQ(pl[0].invincTimer, 0);
    EXPECT_EQ(pr[0], nullptr);
    EXPECT_FALSE(psmgrX->IsPSAlive(ps));
}

TEST_F(FrameTest, TimersCardsAndCombosRunByTheFrame) {
    pl[1].misc[M_SEAL] = pl[1].misc[M_FAUXPAX] = pl[1].misc[M_ICE1] = 0.5f;
    frames(149);
    EXPECT_EQ(pl[0].hand[0], 0);
    EXPECT_EQ(pl[1].misc[M_ICE1], 0.5f);
    EXPECT_LE(pl[1].misc[M_FAUXPAX], 0);
    frames(2);
    for (const Player& p : pl) EXPECT_TRUE(p.hand[0] && p.hand[1] && p.hand[2]);
    pl[0].comboCount = 2;
    pl[0].comboTimer = 0.005f;
    frame();
    EXPECT_EQ(pl[0].comboCount, 1);
    EXPECT_EQ(pl[0].highestCombo, 1);
    EXPECT_EQ(countEnemies(1), 1);
}

TEST_F(FrameTest, TheTicksRepairJumpAndPoisonOnlyAMovingVehicle) {
    pl[0].heart = 50;
    pl[0].misc[M_SELFIX] = 2;
    pl[1].misc[M_PAS] = 20;
    const float x = pl[1].rect.x1;
    timer1();
    EXPECT_FLOAT_EQ(pl[0].heart, 50 + pl[0].maxHeart / 100);
    for (int i = 0; i < 10; ++i) timer1();
    EXPECT_LT(pl[1].misc[M_PAS], 20);
    EXPECT_NE(pl[1].rect.x1, x);

    receiveCond(0, C_TOXI, 3);
    const float heart = pl[0].heart;
    for (int i = 0; i < 50; ++i) timer0p1();
    EXPECT_EQ(pl[0].heart, heart);
    pl[0].moving = true;
    for (int i = 0; i < 50; ++i) timer0p1();
    EXPECT_LT(pl[0].heart, heart);
}

}  // namespace
