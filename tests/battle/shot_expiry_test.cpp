#include "battle/shots.h"
#include "tests/battle/field_fixture.h"

namespace {

class ShotExpiryTest : public FieldTest {
protected:
    // Lets slot s expire in the next 0.01 s frame.
    void expire(int s) {
        sh[s].lifetime = 0.005f;
        shotMovement(0.01f);
    }
};

TEST_F(ShotExpiryTest, BombsLeaveAnExplosionWithEffectAndSound) {
    loadSound(34);
    pl[0].questNum = 2;
    const int bomb = makeShot(hgeRect(100, 0, 120, 20), Y2E, P_BOMB3, 0.5f);
    expire(bomb);
    const Shot& blast = sh[bomb];  // the bomb's own slot is the lowest free one
    EXPECT_EQ(blast.pattern, P_LINEAR);
    EXPECT_FLOAT_EQ(r_width(blast.rect), 200);
    EXPECT_FLOAT_EQ(centerX(blast.rect), 110);  // the damage square is not moved
    EXPECT_FLOAT_EQ(blast.damage, 100);         // 50, doubled in the second quest
    EXPECT_FLOAT_EQ(blast.lifetime, 2);
    EXPECT_EQ(blast.animIndex, 14);
    EXPECT_EQ(psmgrX->GetCount(), 1);
    EXPECT_EQ(soundOn(5), "sfx34.wav");
    float x = 0, y = 0;
    centreInField(blast.rect, 0, x, y);  // where the effect was shown: moved into the field
    EXPECT_FLOAT_EQ(x, 200);
    EXPECT_FLOAT_EQ(y, 100);
    expire(bomb);  // an explosion leaves nothing
    EXPECT_EQ(activeShots(), 0);
}

TEST_F(ShotExpiryTest, WithTheTableFullTheExplosionReusesTheBombsSlotOnly) {
    for (int i = 0; i < MAXSHOTS - 1; ++i) makeShot(hgeRect(200, 100, 210, 110), Y2E, P_LINEAR, 5);
    const int bomb = makeShot(hgeRect(240, 290, 260, 310), Y2E, P_BOMB1, 0.5f);
    expire(bomb);
    EXPECT_EQ(activeShots(), MAXSHOTS);
    EXPECT_FLOAT_EQ(r_width(sh[bomb].rect), 100);
    sh[3].pattern = P_BALLOON2;
    expire(3);  // two droplets asked for, one slot free
    EXPECT_EQ(activeShots(), MAXSHOTS);
    EXPECT_FLOAT_EQ(sh[3].dx, -70);
}

TEST_F(ShotExpiryTest, ToxicBombsPoisonTheTargetsField) {
    const int toxic = makeShot(hgeRect(540, 290, 560, 310), Y2O, P_TOXIBOMB, 0.5f);
    expire(toxic);
    EXPECT_EQ(sh[toxic].pattern, P_TOXIEXPLOSION);
    EXPECT_EQ(sh[toxic].cond, C_TOXI);
    EXPECT_EQ(sh[toxic].dir, Y2O);
    EXPECT_FLOAT_EQ(r_width(sh[toxic].rect), 250);
    EXPECT_FLOAT_EQ(sh[toxic].damage, 15);
}

TEST_F(ShotExpiryTest, ThreeDiceThrownTogetherPayOnce) {
    pl[0].rect = hgeRect(230, 400, 270, 460);
    for (int p = P_DICE1; p <= P_DICE3; ++p) makeShot(hgeRect(0, 0, 20, 20), Y2E, p, 1.5f);
    for (int f = 0; f < 151; ++f) shotMovement(0.01f);
    ASSERT_EQ(activeShots(), 3);
    for (int k = 0; k < 3; ++k) {
        const float roll = pl[0].misc[M_DICEROLL1 + k];
        EXPECT_EQ(sh[k].pattern, P_DICERESULT1 + k);
        EXPECT_FLOAT_EQ(sh[k].damage, 10 * roll);
        EXPECT_FLOAT_EQ(r_width(sh[k].rect), 15 * roll);
    }
}

TEST_F(ShotExpiryTest, SlotMachinesPayByTheirReels) {
    crd[243].name = "Jackpot card";
    crd[258].name = "Super two cherries";
    loadSound(29);
    loadSound(51);
    const auto spin = [&](int pattern, float r1, float r2, float r3) {
        const int machine = makeShot(hgeRect(220, 300, 280, 360), Y2E, pattern, 0.5f);
        pl[0].misc[M_SLOTVALUE1] = r1;
        pl[0].misc[M_SLOTVALUE2] = r2;
        pl[0].misc[M_SLOTVALUE3] = r3;
        expire(machine);
    };
    spin(P_SLOT, 32, 32, 32);
    EXPECT_EQ(soundOn(5), "sfx51.wav");
    EXPECT_EQ(pl[0].aiCard, 243);
    EXPECT_TRUE(logContains("1P uses Jackpot card"));
    spin(P_SUPERSLOT, 30, 31, 30);
    EXPECT_EQ(pl[0].aiCard, 258);
    EXPECT_TRUE(logContains("1P uses Super two cherries"));
    spin(P_SLOT, 31, 32, 31);
    EXPECT_EQ(pl[0].text[0], "Better luck next time.");
    EXPECT_EQ(soundOn(5), "sfx29.wav");
    EXPECT_EQ(pl[0].aiCard, 258);
}

TEST_F(ShotExpiryTest, FallingCarsComeBackHalfTheTimeInTheTargetsField) {
    int cars = 0, misses = 0;
    for (int i = 0; i < 20; ++i) {
        const int suv = makeShot(hgeRect(500, 500, 524, 532), Y2O, P_SUV, 0.5f);
        expire(suv);
        if (!sh[suv].active) {
            ++misses;
            continue;
        }
        ++cars;
        EXPECT_EQ(sh[suv].pattern, P_SUV);
        EXPECT_GE(sh[suv].rect.x1, 400);
        EXPECT_LE(sh[suv].rect.x2, 700);
        EXPECT_FLOAT_EQ(sh[suv].lifetime, -1);
        removeShot(suv);
    }
    EXPECT_GT(cars, 0);
    EXPECT_GT(misses, 0);
}

}  // namespace
