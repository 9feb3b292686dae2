// The vehicles: keys and mouse, boost and fuel, the guns' volleys, the opponent's control.
#include <vector>

#include "battle/player.h"
#include "cards/conditions.h"
#include "frame_fixture.h"
#include "shell/hooks.h"

namespace {

constexpr int KEY_SPACE = 32, KEY_A = 65, KEY_D = 68, KEY_SHIFT = 16, KEY_LEFT = 37;

class PlayerTest : public MatchTest {
protected:
    void SetUp() override {
        MatchTest::SetUp();
        startMatch(0);
        quietField();
        pl[0].rect = addToRect(pl[0].rect, 0, -200);  // far from every edge
    }
    // Fires one volley of `side` into an empty table and returns its shots in slot order.
    static std::vector<Shot> volley(int side) {
        for (Shot& s : sh) s.active = false;
        fireVolley(side);
        std::vector<Shot> out;
        for (const Shot& s : sh)
            if (s.active) out.push_back(s);
        return out;
    }
};

TEST_F(PlayerTest, AVolleyIsSpacedAroundTheVehiclesCentre) {
    Player& me = pl[0];
    me.shotQty = 3;
    me.shotSizeX = 8;
    me.shotSizeY = 20;
    const float c = centerX(me.rect);
    const auto shots = volley(0);
    ASSERT_EQ(shots.size(), 3u);
    const float left[3] = {c - 20, c - 4, c + 12};
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(same(shots[i].rect, hgeRect(left[i], me.rect.y1 - 20, left[i] + 8, me.rect.y1 - 12)));
        EXPECT_TRUE(shots[i].bullet);
        EXPECT_EQ(shots[i].dir, Y2E);
        EXPECT_EQ(shots[i].damage, me.power + me.powerEx);
        EXPECT_FLOAT_EQ(shots[i].ay, -me.shotSpeed / 10);
    }
}

TEST_F(PlayerTest, EachGunHasItsPatternPeriodAndDrift) {
    pl[0].shotQty = pl[1].shotQty = 3;
    const float ss = pl[0].shotSpeed;
    const struct {
        int veh, firstPattern, pattern;
        float period, driftY;
    } rows[] = {{0, P_LINEAR, P_LINEAR, 6, 0}, {1, P_WAVE, P_WAVE, 0.5f, -ss}, {2, P_CIRCULAR, P_CIRCULAR, 0.7f, -ss},
                {3, P_LINEAR, P_CFORM, -9, -ss / 3}, {4, P_TRIANGLE, P_TRIANGLE, 1, -ss},
                {5, P_CIRCULAR, P_CIRCULAR, 2, -ss}, {6, P_STAR, P_STAR, -4, -ss}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.veh);
        selectedVeh = row.veh;
        const auto shots = volley(0);
        ASSERT_EQ(shots.size(), 3u);
        EXPECT_EQ(shots[0].pattern, row.firstPattern);
        EXPECT_EQ(shots[2].pattern, row.pattern);
        EXPECT_FLOAT_EQ(shots[2].period, row.period);
        EXPECT_FLOAT_EQ(shots[2].driftY, row.driftY);
        EXPECT_EQ(shots[0].driftX, 0);
        EXPECT_EQ(std::abs(shots[1].dx) == 300, row.veh == 2);
    }
    // Vehicle 7 adds a shot flying backwards at every position.
    selectedVeh = 7;
    const auto pairs = volley(0);
    ASSERT_EQ(pairs.size(), 6u);
    EXPECT_EQ(pairs[1].pattern, P_BOUNCY);
    EXPECT_EQ(pairs[0].rect.x1, pairs[1].rect.x1);
    EXPECT_FLOAT_EQ(pairs[1].dy, ss);
    EXPECT_FLOAT_EQ(pairs[1].driftY, ss);

    // Opponents 0, 2, 4, 6 fire straight two widths apart; 1, 3, 5 in waves 1.5 apart.
    pl[1].shotSizeX = 8;
    auto shots = volley(1);
    EXPECT_EQ(shots[0].dir, O2E);
    EXPECT_FLOAT_EQ(shots[1].rect.x1 - shots[0].rect.x1, 24);
    selectedOpp = 3;
    shots = volley(1);
    EXPECT_FLOAT_EQ(shots[1].rect.x1 - shots[0].rect.x1, 20);
    EXPECT_EQ(shots[0].pattern, P_WAVE);
    EXPECT_NE(shots[0].period, shots[1].period);
}

TEST_F(PlayerTest, TheTriggerRespectsCooldownFullTablesAndSilence) {
    pl[0].shotQty = 4;
    pl[0].rof = 0.5f;
    for (int s = 0; s < MAXSHOTS - 2; ++s)
        sh[s].create(hgeRect(150, 100, 160, 110), false, Y2E, 0, 0, 0, 0, 0, 100, 0, 1, false, P_STATIONARY, 6, 0, 0);
    engine->pressKey(KEY_SPACE);
    frame();
    EXPECT_EQ(roomForMoreShots(), -1);
    for (Shot& s : sh) s.active = false;
    frames(48);
    EXPECT_EQ(roomForMoreShots(), 0);
    frames(3);
    EXPECT_NE(roomForMoreShots(), 0);

    receiveCond(0, C_ZZZZ, 2);
    pl[0].shotCooldown = 0;
    frame();
    EXPECT_FLOAT_EQ(pl[0].shotCooldown, 3.0f - 0.01f);

    for (Shot& s : sh) s.active = false;
    receiveCond(0, C_MUTE, 1);
    pl[0].shotCooldown = 0;
    frames(5);
    EXPECT_EQ(roomForMoreShots(), 0);
}

TEST_F(PlayerTest, ASilencedGunClicksInTheFirstTenthOfEverySecondHeldOrNot) {
    writeFile("dud.wav", "RIFF");
    sfx[1] = hge->Effect_Load("dud.wav");
    const auto clicked = [&](float at) {
        chan[3] = 0;
        progress = at;
        frame();
        return engine->channel(chan[3]) != nullptr;
    };
    EXPECT_FALSE(clicked(0)) << "a gun that may fire does not click";
    receiveCond(0, C_STUN, 1);
    EXPECT_TRUE(clicked(10.5f)) << "fire is not held";
    EXPECT_FALSE(clicked(15));
    engine->pressKey(KEY_SPACE);
    EXPECT_TRUE(clicked(20));
    engine->releaseKey(KEY_SPACE);
    // The opponent's gun follows the same rule, whatever its fire roll says.
    receiveCond(0, 0, 1);
    receiveCond(1, C_MUTE, 1);
    int clicks = 0;
    for (int i = 0; i < 20; ++i) clicks += clicked(30) ? 1 : 0;
    EXPECT_EQ(clicks, 20);
}

TEST_F(PlayerTest, KeysSteerOppositeKeysCancelAndStupefactionTurnsThemAround) {
    engine->pressKey(KEY_A);
    engine->pressKey(KEY_D);
    frame();
    EXPECT_EQ(pl[0].velX, 0);
    EXPECT_TRUE(pl[0].moving && pl[0].leanLeft && pl[0].leanRight);
    engine->releaseKey(KEY_A);
    engine->releaseKey(KEY_D);
    receiveCond(0, C_STUP, 1);
    engine->pressKey(KEY_LEFT);
    frame();
    EXPECT_GT(pl[0].velX, 0);
    EXPECT_TRUE(pl[0].leanRight);
    EXPECT_FALSE(pl[0].leanLeft);
}

TEST_F(PlayerTest, TheMouseSteersWithoutLeaningAndIsPutBack) {
    engine->moveMouse(300, 350);
    frame();
    EXPECT_LT(pl[0].velX, 0);
    EXPECT_GT(pl[0].velY, 0);
    EXPECT_FALSE(pl[0].leanLeft);
    float x = 0, y = 0;
    hge->Input_GetMousePos(&x, &y);
    EXPECT_EQ(x, 400);
    EXPECT_EQ(y, 300);
}

TEST_F(PlayerTest, FrictionSlipFreezeTheFieldEdgeAndSlowness) {
    Player& me = pl[0];
    me.velX = 32;
    frame();
    EXPECT_FLOAT_EQ(me.velX, 31);
    receiveCond(0, C_SLIP, 1);
    frame();
    EXPECT_FLOAT_EQ(me.velX, 31);
    receiveCond(0, C_FREZ, 1);
    const float x = me.rect.x1;
    engine->pressKey(KEY_D);
    frames(5);
    EXPECT_EQ(me.rect.x1, x);
    receiveCond(0, 0, 1);
    me.velX = 500;
    frame();
    EXPECT_EQ(me.velX, 0);
    EXPECT_FLOAT_EQ(me.rect.x2, 400);
    // A slowed opponent is slowed as the human is, never sped up.
    receiveCond(1, C_SLOW, 3);
    EXPECT_FLOAT_EQ(vehicleSpeed(1), pl[1].speed * 0.25f);
}

TEST_F(PlayerTest, BoostingOnTheLastFuelEmptiesTheTankAndStopsTheFlame) {
    startMatch(0, 1);
    quietField();
    // A flame that burns until it is put out, so only the boost's end can stop it.
    psiGeneral[2].emission = 50;
    psiGeneral[2].lifetime = -1;
    psiGeneral[2].particleLifeMin = psiGeneral[2].particleLifeMax = 1;
    pl[0].fuel = 0.3f;
    engine->pressKey(KEY_SHIFT);
    frame();
    EXPECT_TRUE(pl[0].boosting);
    EXPECT_EQ(pl[0].fuel, 0);  // 0.5 burnt, clamped by the frame
    hgeParticleSystem* flame = pr[2];
    ASSERT_NE(flame, nullptr);
    EXPECT_TRUE(psmgrX->IsPSAlive(flame));
    frame();
    EXPECT_FALSE(pl[0].boosting);
    EXPECT_FALSE(psmgrX->IsPSAlive(flame));
    EXPECT_EQ(pr[2], nullptr);
    // Vehicle 0 burns half, an efficient booster half again.
    startMatch(0, 0);
    receivePassive(0, P_EFFBOOST);
    const float fuel = pl[0].fuel;
    frame();
    EXPECT_FLOAT_EQ(pl[0].fuel, fuel - 0.125f);
}

int pauses = 0;
void countPause() { ++pauses; }

TEST_F(PlayerTest, OptionKeysComeFirstThenTheFixedOnes) {
    Player& me = pl[0];
    int card = 1;
    while (card < MAXCARDS && crd[card].useTime <= 0) ++card;
    me.hand[0] = me.hand[2] = card;
    for (int& c : me.coin) c = 99;
    for (int& c : me.coinCap) c = 99;
    me.opt[OPT_KEYUSE1] = 2;  // the right button, which otherwise plays the selected slot
    me.selCard = 2;
    engine->tapKey(2);
    frame();
    EXPECT_GT(me.cardUseTimer[0], 0);
    EXPECT_EQ(me.cardUseTimer[2], 0);
    engine->turnWheel(-1);
    frame();
    EXPECT_EQ(me.selCard, 0);
    engine->tapKey(113);
    frame();
    EXPECT_TRUE(me.showFps);
    gameHooks.initPauseScreen = countPause;
    engine->tapKey(27);
    frame();
    gameHooks.initPauseScreen = nullptr;
    EXPECT_EQ(pauses, 1);
    engine->tapKey(112);
    frame();
    EXPECT_EQ(gameMode, MODE_INST);
    EXPECT_EQ(me.misc[M_INST], 2);
}

TEST_F(PlayerTest, TheFirstOpponentWandersTheOthersChaseAnEnemy) {
    int moved = 0;
    for (int i = 0; i < 200; ++i, frame()) moved += pl[1].moving ? 1 : 0;
    EXPECT_GT(moved, 15);  // two chances in eleven
    EXPECT_LT(moved, 70);

    startMatch(2);
    quietField();
    Player& opp = pl[1];
    const int e = roomForMoreEnemies();
    en[e].spawn(1, 1, hgeRect(420, 100, 452, 132), 0, 0, 0, 0, 0, 0, 6, 0, 0, false);
    frame();
    EXPECT_EQ(opp.misc[M_TAR], e);
    opp.rect = addToRect(opp.rect, 0, -200);
    frame();
    EXPECT_LT(opp.velX, 0);
    EXPECT_GT(opp.velY, 0);
    // It steers every frame; poisoned, only now and then (three chances in 101).
    const auto steeredIn = [&](int n) {
        int steered = 0;
        for (int i = 0; i < n; ++i) {
            opp.velX = 0;
            frame();
            steered += opp.velX != 0 ? 1 : 0;
        }
        return steered;
    };
    EXPECT_EQ(steeredIn(50), 50);
    receiveCond(1, C_TOXI, 1);
    opp.heart = opp.maxHeart = 1e6f;  // the poison must not end the round first
    const int steered = steeredIn(500);
    EXPECT_GT(steered, 3);
    EXPECT_LT(steered, 35);
}

}  // namespace
