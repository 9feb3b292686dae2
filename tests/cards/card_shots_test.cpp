// Weapon and hazard cards: the shots each row makes, for either side, and the cards whose
// shots are placed or sized by the rules of their own.
#include <set>

#include "battle/collisions.h"
#include "cards/opponents.h"
#include "tests/cards/card_play_support.h"

namespace {

class ShotCardTest : public CardPlayTest {};

TEST_F(ShotCardTest, MissileLevelsGrowInCountDamageAndLook) {
    struct Level {
        int card, shots, damage, backwards;
    };
    const Level levels[] = {{187, 1, 30, 0}, {188, 2, 40, 0}, {189, 4, 50, 1}, {190, 7, 60, 2}, {191, 11, 75, 4}};
    for (const Level& l : levels) {
        clearShots();
        const auto shots = shotsOf(0, l.card);
        ASSERT_EQ(static_cast<int>(shots.size()), l.shots) << l.card;
        int down = 0;
        for (const Shot* s : shots) {
            EXPECT_FLOAT_EQ(s->damage, static_cast<float>(l.damage)) << l.card;
            EXPECT_EQ(s->dir, Y2E);
            EXPECT_FALSE(s->bullet);
            EXPECT_FLOAT_EQ(s->lifetime, -1) << l.card;
            EXPECT_EQ(s->pattern, l.card == 191 ? P_LINEAR : P_MISSILE) << l.card;
            EXPECT_EQ(s->usesParticles, l.card == 191) << l.card;
            down += s->dy > 0;
        }
        EXPECT_EQ(down, l.backwards) << l.card;
    }
    clearShots();
    const auto fan = shotsOf(0, 190);
    for (int i = 0; i < 5; ++i) EXPECT_FLOAT_EQ(fan[i]->dx, 25.0f * i - 50) << "fan shot " << i;
    EXPECT_FLOAT_EQ(fan[0]->rect.y2, pl[0].rect.y1) << "the fan stands on the vehicle";
    clearShots();
    const auto twins = shotsOf(0, 188);
    EXPECT_FLOAT_EQ(twins[0]->rect.x1, pl[0].rect.x1 - 40);
    EXPECT_FLOAT_EQ(twins[1]->rect.x1, twins[0]->rect.x1 + 64);
    EXPECT_FLOAT_EQ(twins[0]->dx, -5);
    EXPECT_FLOAT_EQ(twins[1]->dx, 5);
}

TEST_F(ShotCardTest, CasinoLevelsRideTheOpponentsVehicle) {
    // Vehicle 6's weapons played by the opponent: its own field, its own vehicle.
    struct Level {
        int card;
        std::vector<int> patterns;
        float damage, life;
    };
    const Level levels[] = {{217, {P_DICE}, 10, 1.5f},
                            {218, {P_ROULETTE}, 20, 1},
                            {219, {P_SLOT, P_SLOTREEL1, P_SLOTREEL2, P_SLOTREEL3}, 15, 1.7f},
                            {220, {P_DICE1, P_DICE2, P_DICE3}, 20, 1.5f},
                            {221, {P_SUPERSLOT, P_SLOTREEL1, P_SLOTREEL2, P_SLOTREEL3}, 25, 1.7f}};
    for (const Level& l : levels) {
        clearShots();
        const auto shots = shotsOf(1, l.card);
        ASSERT_EQ(shots.size(), l.patterns.size()) << l.card;
        for (size_t i = 0; i < shots.size(); ++i) {
            EXPECT_EQ(shots[i]->pattern, l.patterns[i]) << l.card;
            EXPECT_EQ(shots[i]->dir, O2E) << l.card;
            EXPECT_FLOAT_EQ(shots[i]->damage, i > 0 && l.patterns.size() == 4 ? 0 : l.damage) << l.card;
            EXPECT_FLOAT_EQ(shots[i]->lifetime, l.life) << l.card;
            EXPECT_GE(midX(shots[i]->rect), pl[1].fieldLeft) << l.card;
        }
    }
    EXPECT_GE(sh[0].animIndex, 30) << "the machine shows a reel symbol";
    EXPECT_LE(sh[0].animIndex, 32);
}

TEST_F(ShotCardTest, HazardsFlyInTheRivalsFieldAndHurtOnlyItsVehicle) {
    const auto beam = shotsOf(0, 249);
    ASSERT_EQ(beam.size(), 1u);
    EXPECT_EQ(beam[0]->dir, Y2O);
    EXPECT_FLOAT_EQ(width(beam[0]->rect), 16);
    EXPECT_FLOAT_EQ(beam[0]->rect.y1, 40);
    EXPECT_GE(beam[0]->rect.x1, 400);
    EXPECT_LE(beam[0]->rect.x2, 700);

    sh[0].rect = pl[1].rect;
    en[0].spawn(3, 1, pl[1].rect, P_STATIONARY, 0, 0, 0, 0, 0, 6, 0, 0, false);
    pl[1].heart = pl[1].maxHeart = 100;
    collShot2Enemy(0.1f);
    collShot2Player();
    EXPECT_FLOAT_EQ(en[0].hp, en[0].maxHp) << "a hazard passes the rival's enemies by";
    EXPECT_GT(pl[1].pendingDamage, 0) << "and hits the rival";

    clearShots();
    const auto bomb = shotsOf(1, 257);
    EXPECT_EQ(bomb[0]->dir, O2Y);
    EXPECT_EQ(bomb[0]->cond, C_TOXI);
    EXPECT_LE(bomb[0]->rect.x2, 400) << "the opponent's hazard lands in the human's field";
}

TEST_F(ShotCardTest, RandomDrawsAreMadePerShotInTheirOrder) {
    engine->Random_Seed(11);
    const float ay = hge->Random_Float(-40, 40), ax = hge->Random_Float(-30, 30);
    const float dy = hge->Random_Float(-200, 200), dx = hge->Random_Float(-150, 150);
    engine->Random_Seed(11);
    const auto grenade = shotsOf(0, 231);
    EXPECT_FLOAT_EQ(grenade[0]->ay, ay);
    EXPECT_FLOAT_EQ(grenade[0]->ax, ax);
    EXPECT_FLOAT_EQ(grenade[0]->dy, dy);
    EXPECT_FLOAT_EQ(grenade[0]->dx, dx);
    EXPECT_EQ(grenade[0]->pattern, P_BOMB3);

    clearShots();
    engine->Random_Seed(12);
    const float x = hge->Random_Float(400, 700 - 32), life = hge->Random_Float(0.8f, 2.5f);
    const float toxAy = hge->Random_Float(50, 300), toxDy = hge->Random_Float(100, 400);
    engine->Random_Seed(12);
    const auto tox = shotsOf(0, 257);
    EXPECT_FLOAT_EQ(tox[0]->rect.x1, x);
    EXPECT_FLOAT_EQ(tox[0]->lifetime, life);
    EXPECT_FLOAT_EQ(tox[0]->ay, toxAy);
    EXPECT_FLOAT_EQ(tox[0]->dy, toxDy);
}

TEST_F(ShotCardTest, ScoreCannonGrowsWithTheScoreItSpends) {
    loadSounds();
    pl[0].score = 100;
    const auto small = shotsOf(0, 248);
    EXPECT_FLOAT_EQ(width(small[0]->rect), 3);
    EXPECT_FLOAT_EQ(height(small[0]->rect), 4.5f);
    EXPECT_EQ(pl[0].score, 0);
    EXPECT_EQ(soundOn(4), "sfx38");
    clearShots();
    pl[0].score = 20000;
    const auto big = shotsOf(0, 248);
    EXPECT_FLOAT_EQ(width(big[0]->rect), 300);
    EXPECT_FLOAT_EQ(big[0]->dy, -30);
    EXPECT_FLOAT_EQ(big[0]->ay, -150);
    EXPECT_FLOAT_EQ(big[0]->damage, 70);
    EXPECT_EQ(soundOn(4), "sfx79");
}

TEST_F(ShotCardTest, SecondQuestDoublesCardShotsAndAFullTableSkipsThem) {
    pl[0].questNum = 2;
    EXPECT_FLOAT_EQ(shotsOf(0, 316)[0]->damage, 19998);
    for (int s = 0; s < MAXSHOTS; ++s) sh[s].active = true;
    pl[0].hand[1] = 190;
    initCard(0, 1);
    EXPECT_EQ(pl[0].hand[1], 0) << "the card is spent all the same";
    for (Shot& s : sh) s.active = false;
}

TEST_F(ShotCardTest, PlacementRulesOfSingleCards) {
    // The opponent's drums and guitars land in its own field, as the human's do in theirs.
    for (int side : {0, 1}) {
        clearShots();
        for (const Shot* s : shotsOf(side, 224)) {
            EXPECT_GE(midX(s->rect), pl[side].fieldLeft) << side;
            EXPECT_FLOAT_EQ(width(s->rect), 100);
        }
        clearShots();
        const auto guitars = shotsOf(side, 226);
        ASSERT_EQ(guitars.size(), 3u);
        EXPECT_FLOAT_EQ(guitars[0]->rect.x1, pl[side].fieldLeft - 75);
        EXPECT_FLOAT_EQ(guitars[2]->rect.x1, guitars[0]->rect.x1 + 200);
        EXPECT_FLOAT_EQ(guitars[0]->rect.y1, 40);
    }
    clearShots();
    shotsOf(0, 276);
    EXPECT_EQ(pl[1].misc[M_ICE1] + pl[1].misc[M_ICE2] + pl[1].misc[M_ICE3], 3) << "the ice's bursts are armed";
    clearShots();
    EXPECT_GT(shotsOf(0, 320)[0]->lifetime, 0) << "the bouncing ball ends by itself";
    clearShots();
    const auto cross = shotsOf(0, 227);
    ASSERT_EQ(cross.size(), 4u);
    EXPECT_FLOAT_EQ(cross[0]->rect.y2, pl[0].rect.y1) << "the upward fireball starts above the vehicle";
    EXPECT_FLOAT_EQ(cross[3]->rect.x1, pl[0].rect.x2) << "the rightward one beside it";
}

TEST_F(ShotCardTest, BarrageDropsStartApartInsideTheFieldTheyFallIn) {
    struct Case {
        int user, field;
        bool exMission;
    };
    for (const Case c : {Case{0, 1, false}, Case{1, 0, false}, Case{0, 0, true}}) {
        selectedOpp = c.exMission ? EXMISSION : 0;
        pl[0].fieldRight = c.exMission ? 800.f : 400.f;
        const Player& f = pl[c.field];
        std::set<float> starts;
        for (int seed = 1; seed <= 40; ++seed) {
            clearShots();
            engine->Random_Seed(seed);
            const auto shots = shotsOf(c.user, 341);
            ASSERT_EQ(shots.size(), 8u);
            for (int i = 0; i < 5; ++i) {
                const hgeRect& r = shots[i]->rect;
                SCOPED_TRACE(testing::Message() << "user " << c.user << " EX " << c.exMission << " seed " << seed
                                                << " drop " << i);
                EXPECT_GE(r.x1, f.fieldLeft);
                EXPECT_LE(r.x2, f.fieldRight);
                EXPECT_GE(r.y1, 0);
                for (int j = 0; j < i; ++j) EXPECT_FALSE(r.Intersect(shots[j]->rect)) << "on drop " << j;
            }
            starts.insert(shots[0]->rect.x1);
        }
        EXPECT_GT(starts.size(), 30u) << "the drops still fall where chance puts them";
    }
}

TEST_F(ShotCardTest, TheIceOrbBurstsOnWhoeverItIsAimedAt) {
    // Played by the opponent it is armed on the human; in the EX mission the human's own
    // orb acts in the human's field and is armed there.
    struct Case {
        int user, target;
        bool exMission;
    };
    for (const Case c : {Case{1, 0, false}, Case{0, 0, true}}) {
        clearShots();
        for (Player& p : pl)
            for (int m = M_ICE1; m <= M_ICE3; ++m) p.misc[m] = 0;
        selectedOpp = c.exMission ? EXMISSION : 0;
        pl[0].fieldRight = c.exMission ? 800.f : 400.f;
        const auto orb = shotsOf(c.user, 276);
        ASSERT_EQ(orb.size(), 1u);
        EXPECT_EQ(pl[c.target].misc[M_ICE1] + pl[c.target].misc[M_ICE2] + pl[c.target].misc[M_ICE3], 3)
            << "EX " << c.exMission;
        for (int f = 0; f < 400; ++f) shotMovement(0.01f);
        int shards = 0;
        for (const Shot& s : sh) shards += s.active && s.cond == C_FREZ && s.pattern == P_BOUNCY;
        for (const Shot& s : sh) EXPECT_TRUE(!s.active || shotTarget(s.dir) == c.target);
        EXPECT_GE(shards, 3) << "EX " << c.exMission;
    }
}

TEST_F(ShotCardTest, SpecialWeaponNamesFollowTheVehicle) {
    selectedVeh = 6;
    EXPECT_STREQ(specialWpnName(), "Casino Games");
    selectedVeh = 0;
    EXPECT_STREQ(specialWpnName(), "Missiles");
    selectedVeh = 9;
    EXPECT_STREQ(specialWpnName(), "");
}

}  // namespace
