// Status conditions and passives: stacking, durations, modifiers, auras and the ticks.
#include <memory>

#include "cards/conditions.h"
#include "shell/geometry.h"
#include "tests/cards/battle_cards_support.h"
#include "toolkit/hgepmanager.h"

namespace {

class ConditionsTest : public BattleCardsTest {};

TEST_F(ConditionsTest, StackingReplacingAndIncpos) {
    receiveCond(1, C_TOXI, 2);
    receiveCond(1, C_TOXI, 2);
    EXPECT_EQ(pl[1].condLevel[1], 3) << "4 capped at 3";
    EXPECT_FLOAT_EQ(pl[1].condTime[1], 35) << "time restarts from the new level";
    receiveCond(1, C_SLOW, 1);
    EXPECT_EQ(pl[1].cond[1], C_SLOW);
    EXPECT_EQ(pl[1].condLevel[1], 1);
    receiveCond(1, 0, 1);
    EXPECT_EQ(pl[1].cond[1], 0);

    receivePassive(0, P_INCPOS);
    receiveCond(0, C_SPD, 1);
    EXPECT_EQ(pl[0].condLevel[0], 2);
    receiveCond(0, 0, 0);
    receiveCond(0, C_SPD, 1);
    receiveCond(0, C_SPD, 1);
    EXPECT_EQ(pl[0].condLevel[0], 3) << "1 + the lifted 2";
    receiveCond(0, C_FREZ, 1);
    EXPECT_EQ(pl[0].condLevel[1], 1) << "harmful conditions are not lifted";
    receiveCond(0, 20, 1);
    receiveCond(0, 0, 2);
    EXPECT_EQ(pl[0].cond[0], C_SPD) << "out-of-range arguments are ignored";
}

TEST_F(ConditionsTest, DurationsPerSideAndModifiers) {
    const float rows[][4] = {{0, C_STUN, 3, 3},   {1, C_STUN, 3, 12}, {0, C_TOXI, 2, 11}, {1, C_TOXI, 2, 25},
                             {0, C_STUP, 3, 20},  {1, C_MUTE, 2, 8},  {0, C_FREZ, 3, 2},  {1, C_ZZZZ, 1, 15},
                             {1, C_ROXY, 1, 15},  {1, C_U4IA, 3, 40}, {1, C_RFLX, 1, 10}, {0, C_SLOW, 3, 40}};
    for (const auto& r : rows) {
        const int side = static_cast<int>(r[0]), cond = static_cast<int>(r[1]), slot = cond < C_ROXY ? 1 : 0;
        receiveCond(side, 0, slot);
        receiveCond(side, cond, static_cast<int>(r[2]));
        EXPECT_FLOAT_EQ(pl[side].condTime[slot], r[3]) << side << " " << cond;
    }
    // MUTE on the human with vehicle 1 and P_NULLIFIER: (L + 2) / 2 / 2 / 2; the opponent is
    // not shielded by the human's vehicle.
    selectedVeh = 1;
    receivePassive(0, P_NULLIFIER);
    receiveCond(0, C_MUTE, 1);
    receiveCond(1, C_MUTE, 1);
    EXPECT_FLOAT_EQ(pl[0].condTime[1], 0.375f);
    EXPECT_FLOAT_EQ(pl[1].condTime[1], 6);
    receivePassive(0, P_VITALIZER);
    receiveCond(0, C_R2X, 1);
    EXPECT_FLOAT_EQ(pl[0].condTime[0], 20);
}

TEST_F(ConditionsTest, ReceiptPlaysSoundShowsNameAndSetsRamBox) {
    loadSounds();
    receiveCond(1, C_STUN, 1);
    EXPECT_EQ(soundOn(4), "sfx101");
    EXPECT_EQ(pl[1].text[0], "STUN");
    // C_R2X level 2: a 96 x 72 box centred above the vehicle (x 200..232, top 500).
    receiveCond(0, C_R2X, 2);
    EXPECT_FLOAT_EQ(pl[0].misc[M_RAMW], 96);
    EXPECT_FLOAT_EQ(pl[0].misc[M_RAMX], 216 - 48);
    EXPECT_FLOAT_EQ(pl[0].misc[M_RAMY], 500 - 72);
    pl[0].rect = hgeRect(300, 400, 332, 432);
    updateRamBox(0);
    EXPECT_FLOAT_EQ(pl[0].misc[M_RAMY], 400 - 72);
}

TEST_F(ConditionsTest, TimesRunDownAndAurasFollowTheVehicle) {
    receiveCond(0, C_FREZ, 1);  // 1 s on the human
    for (int i = 0; i < 9; ++i) updateConditions(0, 0.1f);
    EXPECT_EQ(pl[0].cond[1], C_FREZ);
    EXPECT_NEAR(pl[0].condAlpha[1], 90, 1e-3);
    updateConditions(0, 0.2f);
    EXPECT_EQ(pl[0].cond[1], 0);

    receiveCond(1, C_TOXI, 1);  // no particle manager: no aura, no crash
    EXPECT_EQ(pr[7], nullptr);
    auto manager = std::make_unique<hgeParticleManager>();
    psmgrX = manager.get();
    receiveCond(1, C_TOXI, 1);
    ASSERT_NE(pr[7], nullptr);
    EXPECT_EQ(pr[7]->info.emission, 27) << "level 2: 20L - 13";
    pl[1].rect = addToRect(pl[1].rect, 10, -20);
    updateConditions(1, 0.01f);
    float x = 0, y = 0;
    pr[7]->GetPosition(&x, &y);
    EXPECT_FLOAT_EQ(x, 526);
    EXPECT_FLOAT_EQ(y, 496);
    hgeParticleSystem* aura = pr[7];
    receiveCond(1, 0, 1);
    EXPECT_EQ(pr[7], nullptr);
    EXPECT_FLOAT_EQ(aura->GetAge(), -2) << "stopped, left to fade";
    psmgrX = nullptr;
}

TEST_F(ConditionsTest, TenthSecondTickHurtsOnlyAMovingVehicle) {
    Player& p = pl[0];
    p.heart = p.fuel = 50;
    receiveCond(0, C_TOXI, 2);
    engine->Random_Seed(3);
    conditionTick0p1(0);
    const int next = hge->Random_Int(0, 100);
    engine->Random_Seed(3);
    EXPECT_EQ(hge->Random_Int(0, 100), next) << "no roll while standing still";
    p.moving = true;
    seedWhere([] { return hge->Random_Int(0, 100) == 29; });
    conditionTick0p1(0);
    EXPECT_FLOAT_EQ(p.heart, 48.5f);
    seedWhere([] { return hge->Random_Int(0, 100) == 30; });
    conditionTick0p1(0);
    EXPECT_FLOAT_EQ(p.heart, 48.5f);
    receiveCond(0, C_LEAK, 3);
    receivePassive(0, P_REGENFUEL);
    seedWhere([] { return hge->Random_Int(0, 100) == 44; });
    conditionTick0p1(0);
    EXPECT_FLOAT_EQ(p.fuel, 44.5f);

    receiveCond(1, C_DZ, 2);  // the shake: x drawn first, then y
    engine->Random_Seed(8);
    const float dx = hge->Random_Float(-10, 10), dy = hge->Random_Float(-10, 10);
    engine->Random_Seed(8);
    conditionTick0p1(1);
    EXPECT_FLOAT_EQ(pl[1].rect.x1, 500 + dx);
    EXPECT_FLOAT_EQ(pl[1].rect.y1, 500 + dy);
}

TEST_F(ConditionsTest, SecondTickZombieAndEuphoria) {
    makeCard(250, 0, 0, 0);
    pl[0].hand[1] = 250;
    receiveCond(0, C_ZOM, 2);
    seedWhere([] { return hge->Random_Int(1, 5) == 3; });
    conditionTick1(0);
    EXPECT_EQ(pl[0].cardUseTimer[1], 0);
    seedWhere([] { return hge->Random_Int(1, 5) <= 2 && hge->Random_Int(0, 2) == 1; });
    conditionTick1(0);
    EXPECT_GT(pl[0].cardUseTimer[1], 0) << "the zombie plays a random slot";
    pl[1].heart = 10;
    receiveCond(1, C_U4IA, 3);
    for (int i = 0; i < 4; ++i) conditionTick1(1);
    EXPECT_FLOAT_EQ(pl[1].heart, 16) << "level 3 heals 1.5 every second";
}

TEST_F(ConditionsTest, PassivesKeepTheThreeNewest) {
    for (int passive : {P_SYZYGY, P_KNOX, P_KNOX}) receivePassive(1, passive);
    EXPECT_TRUE(passiveExists(1, P_SYZYGY));
    EXPECT_FALSE(passiveExists(0, P_SYZYGY));
    receivePassive(1, P_RES);
    EXPECT_FALSE(passiveExists(1, P_SYZYGY)) << "the fourth pushes out the first";
    EXPECT_EQ(pl[1].passive[0], P_RES);
    clearPassives(1);
    EXPECT_FALSE(passiveExists(1, P_KNOX));
}

}  // namespace
