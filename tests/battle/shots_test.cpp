#include <algorithm>
#include <cmath>

#include "battle/shots.h"
#include "tests/battle/field_fixture.h"

namespace {

class ShotsTest : public FieldTest {};

TEST_F(ShotsTest, CreationDoublesCardDamageInTheSecondQuestAndRedirectsInTheExMission) {
    pl[0].questNum = 2;
    EXPECT_FLOAT_EQ(sh[makeShot(hgeRect(200, 200, 210, 210), Y2E, P_LINEAR, 1, 0, 0, 25)].damage, 50);
    EXPECT_FLOAT_EQ(sh[makeShot(hgeRect(200, 200, 210, 210), O2Y, P_LINEAR, -1, 0, 0, 18)].damage, 36);
    const int bullet = roomForMoreShots();
    sh[bullet].create(hgeRect(200, 200, 208, 208), true, Y2E, 7, 0, -300, 0, 0, -1, 0, 0, true, P_LINEAR, 6, 0, 0);
    EXPECT_FLOAT_EQ(sh[bullet].damage, 7);
    selectedOpp = 7;
    EXPECT_EQ(sh[makeShot(hgeRect(200, 200, 210, 210), Y2O, P_LINEAR, 1)].dir, Y2E);
    EXPECT_EQ(sh[makeShot(hgeRect(200, 200, 210, 210), O2Y, P_LINEAR, 1)].dir, O2Y);
}

TEST_F(ShotsTest, ParticleLooksFallBackAndAMissingSystemAbandonsTheShot) {
    psiGeneral[FALLBACKLOOK].emission = 77;
    pl[1].shotPsi.emission = 33;
    int s = roomForMoreShots();
    sh[s].create(hgeRect(200, 200, 220, 220), false, Y2E, 10, 0, 0, 0, 0, 1, 0, 90, true, P_LINEAR, 6, 0, 0);
    ASSERT_NE(sh[s].ps, nullptr);
    EXPECT_EQ(sh[s].ps->info.emission, 77);
    s = roomForMoreShots();
    sh[s].create(hgeRect(500, 200, 508, 208), true, O2E, 10, 0, -300, 0, 0, -1, 0, 0, true, P_LINEAR, 6, 0, 0);
    EXPECT_EQ(sh[s].ps->info.emission, 33);
    EXPECT_EQ(psmgr->GetCount(), 2);
    removeShot(s);
    removeShot(s);
    EXPECT_EQ(psmgr->GetCount(), 1);

    while (psmgr->GetCount() < MAX_PSYSTEMS) psmgr->SpawnPS(&psiGeneral[0], 0, 0);
    sh[s].create(hgeRect(200, 200, 220, 220), false, Y2E, 10, 0, 0, 0, 0, 1, 0, 5, true, P_LINEAR, 6, 0, 0);
    EXPECT_FALSE(sh[s].active);
    delete psmgr;
    psmgr = nullptr;
    sh[s].create(hgeRect(200, 200, 220, 220), false, Y2E, 10, 0, 0, 0, 0, 1, 0, 5, true, P_LINEAR, 6, 0, 0);
    EXPECT_FALSE(sh[s].active);
    shotMovement(0.01f);
}

TEST_F(ShotsTest, NoTwoShotsSteerTheSameParticleSystem) {
    auto shotWithParticles = [](float x) {
        const int s = roomForMoreShots();
        sh[s].create(hgeRect(x, 200, x + 10, 210), false, Y2E, 10, 0, 0, 0, 0, 5, 0, 1, true, P_LINEAR, 6, 0, 0);
        return s;
    };
    // A shot's system ends by itself and its memory may serve the next shot's system.
    const int first = shotWithParticles(200);
    ASSERT_NE(sh[first].ps, nullptr);
    psmgr->KillPS(sh[first].ps);
    const int second = shotWithParticles(250);
    ASSERT_NE(sh[second].ps, nullptr);
    EXPECT_NE(sh[first].ps, sh[second].ps);
}

TEST_F(ShotsTest, UntimedShotsLeaveTheFieldMissilesSlideTimedShotsStayInside) {
    const int missile = makeShot(hgeRect(380, 300, 396, 316), Y2E, P_MISSILE, -1, 200, -50);
    const int bullet = makeShot(hgeRect(380, 320, 396, 336), Y2E, P_LINEAR, -1, 200, -50);
    const int upward = makeShot(hgeRect(200, 2, 210, 12), Y2E, P_LINEAR, -1, 0, -300);
    const int zone = makeShot(hgeRect(380, 580, 420, 620), Y2E, P_LINEAR, 3, 100, 100);
    const int hazard = makeShot(hgeRect(690, 0, 730, 40), Y2O, P_LINEAR, 3, 100, -100);
    for (int f = 0; f < 5; ++f) shotMovement(0.01f);
    EXPECT_FLOAT_EQ(sh[missile].rect.x2, 400);
    EXPECT_FLOAT_EQ(sh[missile].rect.x1, 384);
    EXPECT_FALSE(sh[bullet].active);
    EXPECT_FALSE(sh[upward].active);
    EXPECT_FLOAT_EQ(sh[zone].rect.x2, 400);
    EXPECT_FLOAT_EQ(sh[zone].rect.y2, 600);
    EXPECT_FLOAT_EQ(r_width(sh[zone].rect), 40);
    EXPECT_FLOAT_EQ(sh[hazard].rect.x2, 700);
    EXPECT_FLOAT_EQ(sh[hazard].rect.y1, 0);
}

TEST_F(ShotsTest, TheWaveSwingsSidewaysBetweenMinusAndPlusTheVerticalSpeed) {
    const int s = makeShot(hgeRect(245, 400, 255, 410), O2Y, P_WAVE, 10, 0, -100, 10, 1);
    sh[s].ay = -20;
    float lowest = 0, highest = 0;
    for (int f = 0; f < 300; ++f) {
        const float before = sh[s].rect.x1;
        shotMovement(0.01f);
        lowest = std::min(lowest, (sh[s].rect.x1 - before) / 0.01f);
        highest = std::max(highest, (sh[s].rect.x1 - before) / 0.01f);
    }
    EXPECT_GT(highest, 95);
    EXPECT_LT(lowest, -95);
    EXPECT_FLOAT_EQ(sh[s].dx, 0);  // only the unmodulated component accelerates
    EXPECT_LT(sh[s].dy, -100);

    float vx = 0, vy = 0;
    patternVelocity(P_CFORM, 0.7f, 50, 80, vx, vy);
    EXPECT_FLOAT_EQ(vx, -50);
    EXPECT_FLOAT_EQ(vy, 0);
    patternVelocity(P_WEIRD, 2.2f, 50, 80, vx, vy);
    EXPECT_FLOAT_EQ(vy, 160);
    // A zero period keeps the phase at 0 instead of making it infinite.
    const int flat = makeShot(hgeRect(200, 300, 210, 310), Y2E, P_TRIANGLE, 5, 40, 40, 10, 0);
    shotMovement(0.01f);
    EXPECT_TRUE(std::isfinite(sh[flat].rect.x1));
}

TEST_F(ShotsTest, TreesStopHazardsAndTakeThreeTimesTheirDamage) {
    wall[0].active = true;
    wall[0].type = W_TREE;
    wall[0].hp = 100;
    wall[0].rect = hgeRect(480, 280, 520, 320);
    const int timed = makeShot(hgeRect(490, 290, 500, 300), Y2O, P_LINEAR, 2, 0, 50, 10);
    const int drifting = makeShot(hgeRect(505, 290, 515, 300), Y2O, P_LINEAR, 2, 0, 50, 0);
    sh[drifting].driftX = 100;
    const int weapon = makeShot(hgeRect(490, 300, 500, 310), O2E, P_LINEAR, 2, 0, 50, 10);
    shotMovement(0.1f);
    EXPECT_FLOAT_EQ(sh[timed].rect.y1, 290);
    EXPECT_FLOAT_EQ(sh[drifting].rect.x1, 515);
    EXPECT_FLOAT_EQ(sh[weapon].rect.y1, 305);
    EXPECT_FLOAT_EQ(wall[0].hp, 97);
    EXPECT_FLOAT_EQ(wall[0].flash, 0.1f);
    removeShot(timed);
    for (float damage : {20.0f, 20.0f}) {
        const int untimed = makeShot(hgeRect(490, 300, 500, 310), Y2O, P_LINEAR, -1, 0, 50, damage);
        shotMovement(0.01f);
        EXPECT_FALSE(sh[untimed].active);
    }
    EXPECT_FLOAT_EQ(wall[0].hp, 0);  // worn out: it stops nothing more
    const int after = makeShot(hgeRect(490, 300, 500, 310), Y2O, P_LINEAR, -1, 0, 50, 20);
    shotMovement(0.01f);
    EXPECT_TRUE(sh[after].active);
}

TEST_F(ShotsTest, ShapesGrowOrRideOnTheirOwner) {
    pl[1].rect = hgeRect(530, 400, 570, 460);
    const int ring = makeShot(hgeRect(250, 300, 251, 301), O2Y, P_SONICZOMBIE, 5);
    const int east = makeShot(hgeRect(0, 0, 60, 60), O2E, P_FIREZONE_E, 3);
    const int die = makeShot(hgeRect(0, 0, 20, 20), O2E, P_DICE2, 3);
    const int mustard = makeShot(hgeRect(0, 0, 5, 5), O2E, P_MUSTARD, 3);
    shotMovement(0.1f);
    EXPECT_FLOAT_EQ(r_width(sh[ring].rect), 35);
    EXPECT_FLOAT_EQ(centerX(sh[ring].rect), 250.5f);
    EXPECT_FLOAT_EQ(sh[east].rect.x1, 590);
    EXPECT_FLOAT_EQ(sh[east].rect.y1, 310);
    EXPECT_FLOAT_EQ(sh[die].rect.x2, 530);
    EXPECT_FLOAT_EQ(sh[die].rect.y1, 430);
    EXPECT_FLOAT_EQ(sh[mustard].rect.x1, 534);
    EXPECT_FLOAT_EQ(sh[mustard].rect.y2, 400);
    EXPECT_FLOAT_EQ(r_height(sh[mustard].rect), 200);
}

TEST_F(ShotsTest, SlotReelsSpinUntilTheLastSecond) {
    makeShot(hgeRect(200, 300, 260, 360), Y2E, P_SUPERSLOT, 1.05f);
    for (int f = 0; f < 6; ++f) shotMovement(0.01f);
    const float reel = pl[0].misc[M_SLOTVALUE2];
    EXPECT_GE(reel, 30);
    EXPECT_LE(reel, 32);
    for (int f = 0; f < 20; ++f) shotMovement(0.01f);
    EXPECT_FLOAT_EQ(pl[0].misc[M_SLOTVALUE2], reel);
}

TEST_F(ShotsTest, IceBurstsIntoShardsOncePerArmedStage) {
    pl[0].misc[M_ICE1] = pl[0].misc[M_ICE2] = pl[0].misc[M_ICE3] = 1;
    const int ice = makeShot(hgeRect(234, 100, 266, 132), O2Y, P_ICE, 5.8f);
    for (int f = 0; f < 119; ++f) shotMovement(0.01f);
    EXPECT_EQ(activeShots(), 1);
    for (int f = 0; f < 3; ++f) shotMovement(0.01f);
    EXPECT_EQ(activeShots(), 4);
    EXPECT_FLOAT_EQ(pl[0].misc[M_ICE1], 0);
    EXPECT_FLOAT_EQ(pl[0].misc[M_ICE2], 1);
    EXPECT_EQ(sh[ice + 1].cond, C_FREZ);
    EXPECT_EQ(sh[ice + 1].dir, O2Y);
    EXPECT_FLOAT_EQ(sh[ice + 1].dx, -200);
    EXPECT_FLOAT_EQ(sh[ice + 3].dx, 200);
    pl[0].misc[M_ICE2] = 0;  // a disarmed stage does not burst
    for (int f = 0; f < 240; ++f) shotMovement(0.01f);
    EXPECT_FLOAT_EQ(pl[0].misc[M_ICE3], 0);
}

// Every pattern, in every direction, lives out its time and what it leaves behind: boxes
// stay finite and the particle managers within their limit.
TEST_F(ShotsTest, EveryPatternRunsToItsEndSafely) {
    pl[0].rect = hgeRect(230, 500, 270, 560);
    pl[1].rect = hgeRect(530, 500, 570, 560);
    for (int dir = Y2E; dir <= O2Y; ++dir) {
        for (int p = P_STATIONARY; p <= P_SUV; ++p) {
            const float x = dir == Y2E || dir == O2Y ? 240 : 540;
            const int s = makeShot(hgeRect(x, 300, x + 20, 320), dir, p, 0.3f, 30, -40, 10, 3);
            if (s != -1 && p % 3 == 0) sh[s].lifetime = -1;
        }
        for (int f = 0; f < 400; ++f) {
            cycleNum = (f / 10) % 4;
            shotMovement(0.01f);
            for (const Shot& s : sh)
                ASSERT_TRUE(!s.active || (std::isfinite(s.rect.x1) && std::isfinite(s.rect.y2)));
            ASSERT_LE(psmgr->GetCount(), MAX_PSYSTEMS);
        }
        for (int s = 0; s < MAXSHOTS; ++s) removeShot(s);
    }
    EXPECT_EQ(psmgr->GetCount(), 0);
}

}  // namespace
