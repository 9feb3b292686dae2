#include "battle/collisions.h"
#include "battle/enemies.h"
#include "battle/shots.h"
#include "battle/walls.h"
#include "cards/conditions.h"
#include "shell/hooks.h"
#include "tests/battle/field_fixture.h"

namespace {

// Two vehicles whose hit boxes are their rectangles, a minimum loss of 1, no chains running.
class CollisionTest : public FieldTest {
protected:
    void SetUp() override {
        FieldTest::SetUp();
        selectedVeh = 6;
        pl[0].rect = hgeRect(200, 400, 240, 440);
        pl[1].rect = hgeRect(500, 400, 540, 440);
        for (Player& p : pl) {
            p.comboCount = 1;
            p.heart = p.maxHeart = p.fuel = p.maxFuel = 100;
        }
        pl[0].misc[M_MINLOSSAMT] = 1;
        enemySoundIDDB[2] = -1;
    }
    int makeBullet(hgeRect r, int dir, float damage) {
        const int s = roomForMoreShots();
        sh[s].create(r, true, dir, damage, 0, 0, 0, 0, -1, 0, 0, false, P_LINEAR, 6, 0, 0);
        return s;
    }
    void giveGood(int side, int cond, int level) {
        pl[side].cond[0] = cond;
        pl[side].condLevel[0] = level;
    }
    int dead(int kind, int side, hgeRect r) {
        const int e = makeEnemy(kind, side, r);
        en[e].hp = 0;
        return e;
    }
};

TEST_F(CollisionTest, VehicleDamageWeighsArmorRoundClockConditionsAndMinimumLoss) {
    const struct {
        float armor;
        int roundTime, good, level;
        float pending, invinc;
    } cases[] = {
        {5, 30, 0, 0, 5, 3},        // (20 - 5) / 3 in the first half minute
        {5, 31, 0, 0, 7.5f, 3},     // halved up to a minute
        {30, 0, 0, 0, 1, 3},        // armor above the attack: the minimum loss
        {5, 100, C_ROXY, 2, 12.5f, 3},  // 20 - 1.5 x 5
        {5, 100, C_U4IA, 2, 15, 9},
    };
    for (const auto& c : cases) {
        pl[0].armor = c.armor;
        pl[0].roundTime = c.roundTime;
        pl[0].pendingDamage = pl[0].invincTimer = 0;
        giveGood(0, c.good, c.level);
        makeEnemy(1, 0, hgeRect(205, 405, 225, 425));
        makeEnemy(1, 0, hgeRect(215, 415, 235, 435));  // finds the vehicle invulnerable
        collPlayer2Enemy(0.01f);
        EXPECT_FLOAT_EQ(pl[0].pendingDamage, c.pending) << c.armor << " " << c.roundTime << " " << c.good;
        EXPECT_FLOAT_EQ(pl[0].invincTimer, c.invinc);
        EXPECT_FLOAT_EQ(en[0].hp, 10);  // touching never hurts the enemy
        clearEnemies();
    }
    for (int slot : {M_INVIZ, M_TELEPO, M_DONTDISPLAYVEH}) {
        pl[0].pendingDamage = pl[0].invincTimer = 0;
        pl[0].misc[slot] = 0.5f;
        makeEnemy(7, 0, hgeRect(205, 405, 225, 425));
        collPlayer2Enemy(0.01f);
        EXPECT_FLOAT_EQ(pl[0].pendingDamage, 0) << slot;
        pl[0].misc[slot] = 0;
    }
    collPlayer2Enemy(0.01f);
    EXPECT_EQ(pl[0].cond[1], C_ZOM);  // kind 7 infects
}

TEST_F(CollisionTest, EachHitShowsOneEffectAndTheCreaturesSoundTheirOwn) {
    loadSound(4);
    loadSound(94);
    selectedOpp = 3;
    damagePlayer(1, 20);
    EXPECT_EQ(soundOn(2), "sfx94.wav");
    damagePlayer(1, 20);  // the earlier effect goes rather than stay behind
    EXPECT_EQ(psmgrX->GetCount(), 1);
    EXPECT_TRUE(psmgrX->IsPSAlive(pr[1]));
    damagePlayer(0, 20);
    EXPECT_EQ(soundOn(2), "sfx4.wav");
}

TEST_F(CollisionTest, TheRamBoxGrindsEnemiesAboveTheVehicle) {
    receiveCond(1, C_R2X, 2);  // a 96 x 72 box over the vehicle
    const int e = makeEnemy(1, 1, hgeRect(500, 340, 520, 360));
    for (int f = 0; f < 4; ++f) collPlayer2Enemy(0.01f);
    EXPECT_NEAR(en[e].hp, 2, 1e-4);  // 200 hit points a second
    collPlayer2Enemy(0.01f);
    EXPECT_EQ(pl[1].score, 100);
}

TEST_F(CollisionTest, ABulletHurtsEveryEnemyItOverlapsOnceAndIsGone) {
    // The first enemy explodes, and its blast takes the bullet's freed slot mid-pass.
    const int a = makeEnemy(21, 0, hgeRect(200, 200, 240, 240));
    const int b = makeEnemy(3, 0, hgeRect(220, 200, 260, 240));
    const int c = makeEnemy(3, 0, hgeRect(230, 200, 270, 240));
    en[c].hp = 100;
    const int s = makeBullet(hgeRect(235, 210, 238, 220), Y2E, 12);
    collShot2Enemy(0.01f);
    EXPECT_EQ(pl[0].score, 100 + 110);  // the second kill is a chain of two
    EXPECT_FLOAT_EQ(en[c].hp, 88);
    EXPECT_EQ(pl[0].lastHitEnemy, c);
    EXPECT_EQ(pl[0].lastHitInfo, 3);
    EXPECT_EQ(sh[s].dir, O2Y);  // the slot now holds the blast
    collShot2Enemy(0.01f);
    EXPECT_FLOAT_EQ(en[c].hp, 88);
    EXPECT_LE(en[a].hp + en[b].hp, 0);
}

TEST_F(CollisionTest, AreaShotsHurtPerSecondOfOverlap) {
    const auto oneSecond = [&](int vehicle, int dir, int zombieLevel) {
        selectedVeh = vehicle;
        pl[dir & 1].cond[1] = zombieLevel ? C_ZOM : 0;
        pl[dir & 1].condLevel[1] = zombieLevel;
        clearEnemies();
        for (Shot& shot : sh) shot.active = false;
        const float x = (dir & 1) ? 500 : 200;
        const int e = makeEnemy(1, dir & 1, hgeRect(x, 200, x + 40, 240));
        en[e].hp = 100;
        makeShot(hgeRect(x, 200, x + 40, 240), dir, P_LINEAR, 5, 0, 0, 30);
        for (int f = 0; f < 100; ++f) collShot2Enemy(0.01f);
        return 100 - en[e].hp;
    };
    EXPECT_NEAR(oneSecond(0, Y2E, 0), 30, 1e-3);
    EXPECT_NEAR(oneSecond(3, Y2E, 0), 36, 1e-3);
    EXPECT_NEAR(oneSecond(3, O2E, 0), 30, 1e-3);  // only the human's own shots
    EXPECT_NEAR(oneSecond(0, Y2E, 2), 10, 1e-3);  // divided by 1.5 x level
    EXPECT_NEAR(oneSecond(0, O2Y, 0), 0, 1e-3);   // a hazard never hurts enemies
}

TEST_F(CollisionTest, CriticalHitsKnockbackAndBerserkBullets) {
    const struct {
        int passive, good, level;
        float excel, loss, rise;
    } cases[] = {
        {0, 0, 0, 0, 4, 0},            {0, 0, 0, 101, 8, 0},     {P_EXCEL_2, 0, 0, 101, 10, 0},
        {P_EXCEL_15, 0, 0, 101, 12, 0}, {0, C_2XL, 1, 51, 8, 0}, {P_KNOX, C_BZRK, 2, 0, 10, 40},
    };
    loadSound(17);
    for (const auto& c : cases) {
        clearPassives(0);
        if (c.passive) receivePassive(0, c.passive);
        giveGood(0, c.good, c.level);
        pl[0].excel = c.excel;
        clearEnemies();
        const int e = makeEnemy(2, 0, hgeRect(200, 200, 240, 240));
        en[e].hp = 100;
        makeBullet(hgeRect(210, 210, 220, 220), Y2E, 4);
        collShot2Enemy(0.01f);
        EXPECT_FLOAT_EQ(100 - en[e].hp, c.loss) << c.passive << " " << c.good;
        EXPECT_FLOAT_EQ(200 - en[e].rect.y1, c.rise);
    }
    EXPECT_EQ(soundOn(1), "sfx17.wav");
}

TEST_F(CollisionTest, HazardsHurtTheVehicleTheyAimAtWithoutBeingUsedUp) {
    const int s = makeShot(hgeRect(210, 410, 230, 430), O2Y, P_PULLIN, 5, 0, 0, 30);
    sh[s].cond = C_SLOW;
    makeShot(hgeRect(210, 410, 230, 430), Y2O, P_LINEAR, 5, 0, 0, 30);  // aimed at the opponent
    collShot2Player();
    EXPECT_FLOAT_EQ(pl[0].pendingDamage, 10);
    EXPECT_EQ(pl[0].cond[1], C_SLOW);
    EXPECT_FLOAT_EQ(pl[0].rect.x1, 250);  // pulled in
    EXPECT_FLOAT_EQ(pl[0].rect.y1, 350);
    EXPECT_TRUE(sh[s].active);
    EXPECT_FLOAT_EQ(pl[1].pendingDamage, 0);
    pl[0].rect = hgeRect(200, 400, 240, 440);
    pl[0].invincTimer = pl[0].heart = 0;
    collShot2Player();
    EXPECT_FLOAT_EQ(pl[0].pendingDamage, 10);  // a vehicle without heart is not shot at
}

TEST_F(CollisionTest, AReflectedShotTurnsAroundAndHitsTheReflectorsEnemies) {
    giveGood(0, C_RFLX, 2);
    const int s = roomForMoreShots();
    sh[s].create(hgeRect(210, 410, 230, 430), false, O2Y, 15, 0, 100, 5, 20, 5, 0, 1, false, P_LINEAR, 6, 0, 0);
    collShot2Player();
    EXPECT_FLOAT_EQ(pl[0].pendingDamage + pl[0].invincTimer, 0);
    EXPECT_EQ(sh[s].dir, Y2E);
    EXPECT_FLOAT_EQ(sh[s].damage, 30);
    EXPECT_FLOAT_EQ(sh[s].dy, -100);
    EXPECT_FLOAT_EQ(sh[s].ax, -5);
    EXPECT_FLOAT_EQ(sh[s].ay, -20);
    shotMovement(0.1f);
    EXPECT_LT(sh[s].rect.y1, 410);  // on its way back up
    const int e = makeEnemy(2, 0, sh[s].rect);
    en[e].hp = 100;
    collShot2Enemy(0.1f);
    EXPECT_FLOAT_EQ(en[e].hp, 97);
}

TEST_F(CollisionTest, AKillPaysScoreAndComboBonusOnce) {
    pl[0].comboCount = 4;
    const int e = dead(4, 0, hgeRect(200, 200, 240, 240));
    checkEnemyDeath(0, e);
    checkEnemyDeath(0, e);  // a dying enemy is not paid twice
    EXPECT_EQ(pl[0].score, 130);
    EXPECT_EQ(totalScore, 130);
    EXPECT_EQ(en[e].killScore, 130);
    EXPECT_EQ(pl[0].comboCount, 5);
    EXPECT_FLOAT_EQ(pl[0].comboTimer, COMBODELAY);
    EXPECT_FLOAT_EQ(en[e].deathTimer, 2);
    EXPECT_EQ(pl[0].killsByKind[4], 1);
    checkEnemyDeath(1, dead(4, 1, hgeRect(500, 200, 540, 240)));
    EXPECT_EQ(pl[1].score, 100);
    EXPECT_EQ(totalScore, 130);  // the opponent's kills are not the human's total
    EXPECT_EQ(pl[0].killsByKind[4], 1);
}

TEST_F(CollisionTest, ExplodingKindsBlastTheVehicleOfTheirField) {
    loadSound(54);
    checkEnemyDeath(1, dead(21, 1, hgeRect(660, 10, 700, 50)));
    EXPECT_EQ(sh[0].dir, Y2O);
    EXPECT_FLOAT_EQ(r_width(sh[0].rect), 200);
    EXPECT_FLOAT_EQ(centerX(sh[0].rect), 680);  // the box stays centred on the enemy
    EXPECT_FLOAT_EQ(sh[0].damage, 50);
    EXPECT_EQ(sh[0].animIndex, 14);
    checkEnemyDeath(0, dead(23, 0, hgeRect(200, 300, 240, 340)));
    EXPECT_EQ(sh[1].dir, O2Y);
    EXPECT_EQ(sh[1].cond, C_TOXI);
    EXPECT_EQ(sh[1].pattern, P_TOXIEXPLOSION);
    EXPECT_FLOAT_EQ(sh[1].damage, 18);
    EXPECT_EQ(soundOn(5), "sfx54.wav");
    checkEnemyDeath(0, dead(24, 0, hgeRect(200, 300, 240, 340)));
    EXPECT_EQ(psmgrX->GetCount(), 4);  // one per blast, two for kind 24
    for (int k = 2; k < MAXSHOTS; ++k) makeShot(hgeRect(0, 0, 1, 1), Y2E, P_LINEAR, 5);
    const int full = dead(21, 0, hgeRect(200, 300, 240, 340));
    checkEnemyDeath(0, full);  // no slot, no blast, but still a kill
    EXPECT_FLOAT_EQ(en[full].deathTimer, 2);
}

TEST_F(CollisionTest, KillingTheGhostWinsAnExRoundOnly) {
    static int wins = 0;
    gameHooks.initWinRound = [] { ++wins; };
    for (int opp : {0, 7}) {
        selectedOpp = opp;
        const int e = dead(3, 0, hgeRect(200, 200, 240, 240));
        en[e].ghostly = true;
        checkEnemyDeath(0, e);
    }
    EXPECT_EQ(wins, 1);
    gameHooks.initWinRound = nullptr;
}

TEST_F(CollisionTest, ItemsTakeEffectOnTheVehicleThatTouchesThem) {
    const struct {
        int kind;
        float heart, fuel, selfix;
        int score, coins;
        const char* text;
        int slot, sound;
    } cases[] = {
        {C_G, 50, 50, 0, 0, 1, nullptr, 0, 3},
        {I_VICTUAL, 60, 50, 0, 0, 0, "Heart +10%", 0, 98},
        {I_FUEL, 50, 70, 0, 0, 0, "Fuel +20%", 0, 98},
        {I_SELFIX, 50, 50, 10, 0, 0, "Selfix!", 0, 99},
        {I_GAS2LIFE, 60, 45, 0, 0, 0, "Fuel traded for heart", 2, 98},
        {I_POINTS500, 50, 50, 0, 500, 0, "500 points", 0, 98},
        {I_MULTICOIN, 50, 50, 0, 0, 5, nullptr, 0, 98},
        {50, 50, 50, 0, 0, 0, nullptr, 0, 0},  // an unknown kind vanishes without effect
    };
    for (int id : {3, 98, 99}) loadSound(id);
    for (const auto& c : cases) {
        Player& p = pl[1];
        p.heart = p.fuel = 50;
        p.score = p.coin[C_G] = 0;
        p.misc[M_SELFIX] = p.textTimer[0] = 0;
        chan[3] = 0;
        itm[7] = Item{true, c.kind, 0, 0, hgeRect(530, 430, 546, 446)};
        itm[8] = Item{true, c.kind, 0, 0, hgeRect(300, 100, 316, 116)};  // touches nobody
        collPlayer2Item();
        EXPECT_FALSE(itm[7].active);
        EXPECT_TRUE(itm[8].active);
        EXPECT_FLOAT_EQ(p.heart, c.heart) << c.kind;
        EXPECT_FLOAT_EQ(p.fuel, c.fuel) << c.kind;
        EXPECT_FLOAT_EQ(p.misc[M_SELFIX], c.selfix) << c.kind;
        EXPECT_EQ(p.score, c.score) << c.kind;
        EXPECT_EQ(p.coin[C_G], c.coins) << c.kind;
        EXPECT_EQ(p.textTimer[c.slot] > 0 ? p.text[c.slot] : "", c.text ? c.text : "") << c.kind;
        EXPECT_EQ(soundOn(3), c.sound ? "sfx" + std::to_string(c.sound) + ".wav" : "") << c.kind;
    }
    EXPECT_FLOAT_EQ(pl[1].coinFlash[C_G], 205);
    EXPECT_EQ(totalScore, 0);  // point items are the side's score only
    selectedOpp = 7;           // the EX mission has no opponent to collect anything
    itm[7].active = true;
    collPlayer2Item();
    EXPECT_TRUE(itm[7].active);
}

TEST_F(CollisionTest, EnemiesWearBlockingWallsOnePointEachPerTest) {
    const auto testsToBreak = [&](int pressing) {
        for (Wall& w : wall) w.active = false;
        clearEnemies();
        initWall(1, W_PAPER, hgeRect(500, 300, 560, 360), 10);
        for (int k = 0; k < pressing; ++k) makeEnemy(1, 1, hgeRect(500.0f + 10 * k, 280, 520.0f + 10 * k, 310));
        int tests = 0;
        for (; wall[0].hp > 0 && tests < 100; ++tests) {
            collEnemy2Wall();
            EXPECT_EQ(en[0].wallType, W_PAPER);
        }
        collEnemy2Wall();  // a destroyed wall, still fading, holds nobody
        EXPECT_EQ(en[0].wallType, -1);
        return tests;
    };
    EXPECT_EQ(testsToBreak(1), 10);
    EXPECT_EQ(testsToBreak(2), 5);
}

TEST_F(CollisionTest, ZapperWallsKillZombiesOnlyAndOnlyZombiesWearThem) {
    initWall(1, W_ZOMZAP, hgeRect(500, 300, 530, 364), 10);
    const int other = makeEnemy(2, 1, hgeRect(500, 300, 520, 320));
    collEnemy2Wall();
    EXPECT_FLOAT_EQ(en[other].hp, 10);
    EXPECT_EQ(en[other].wallType, -1);
    EXPECT_FLOAT_EQ(wall[0].hp, 10);
    const int zombie = makeEnemy(1, 1, hgeRect(510, 330, 530, 350));
    collEnemy2Wall();
    EXPECT_FLOAT_EQ(en[zombie].deathTimer, 2);
    EXPECT_EQ(pl[1].score, 100);  // credited to the field the enemy is in
    EXPECT_FLOAT_EQ(wall[0].hp, 9);
    initWall(1, W_ZOMZAP, hgeRect(400, 300, 430, 364), 10);
    const int edge = makeEnemy(1, 1, hgeRect(400, 310, 420, 330));  // held at the opponent's left edge
    collEnemy2Wall();
    EXPECT_FLOAT_EQ(en[edge].deathTimer, 2);
    EXPECT_GT(pl[1].score, 100) << "an enemy starting at the centre line is in the opponent's field";
    EXPECT_EQ(pl[0].score, 0);
}

TEST_F(CollisionTest, OtherWallsByType) {
    initWall(0, W_SPIKED, hgeRect(100, 100, 160, 160), 28);
    initWall(1, W_SPIKED, hgeRect(400, 100, 460, 160), 28);
    initWall(0, W_TREE, hgeRect(200, 100, 260, 160), 250);
    initWall(0, W_STAIRS, hgeRect(300, 100, 332, 132), 12);
    initWall(1, W_FENCE, hgeRect(600, 300, 660, 364), 100);
    initWall(1, W_ESCALATOR, hgeRect(600, 300, 632, 408), 40);
    const int left = makeEnemy(2, 0, hgeRect(110, 110, 130, 130));
    const int right = makeEnemy(2, 1, hgeRect(410, 110, 430, 130));
    const int tree = makeEnemy(2, 0, hgeRect(210, 110, 230, 130));
    const int stairs = makeEnemy(2, 0, hgeRect(305, 90, 325, 110));
    const int both = makeEnemy(2, 1, hgeRect(610, 310, 630, 330));
    collEnemy2Wall();
    EXPECT_FLOAT_EQ(en[left].hp, 0);  // 10 a test, and dead
    EXPECT_FLOAT_EQ(en[right].hp, 7.5f);
    EXPECT_FLOAT_EQ(wall[0].hp, 27);
    EXPECT_EQ(en[tree].wallType, -1);
    EXPECT_FLOAT_EQ(wall[2].hp, 250);
    EXPECT_FLOAT_EQ(en[stairs].rect.y1, 133);
    EXPECT_FLOAT_EQ(en[stairs].rect.y2, 153);
    EXPECT_EQ(en[both].wallType, W_ESCALATOR);  // the later slot wins
    EXPECT_FLOAT_EQ(wall[4].hp + wall[5].hp, 138);
}

TEST_F(CollisionTest, EveryWallAnEnemyWearsFlashesButTreesAndOpenZappersDoNot) {
    for (int type = W_PAPER; type <= W_PROXYMINE; ++type) {
        for (Wall& w : wall) w.active = false;
        clearEnemies();
        initWall(1, type, hgeRect(500, 300, 564, 364), 50);
        makeEnemy(type == W_ZOMZAP ? 2 : 1, 1, hgeRect(510, 310, 530, 330));
        collEnemy2Wall();
        const bool passes = type == W_TREE || type == W_ZOMZAP;
        EXPECT_FLOAT_EQ(wall[0].flash, passes ? 0 : 0.1f) << "type " << type;
        EXPECT_EQ(wall[0].hp < 50, !passes) << "type " << type;
    }
    initWall(1, W_ZOMZAP, hgeRect(600, 300, 630, 364), 10);
    makeEnemy(1, 1, hgeRect(605, 310, 625, 330));  // a zombie does touch the zapper
    collEnemy2Wall();
    EXPECT_FLOAT_EQ(wall[1].flash, 0.1f);
}

TEST_F(CollisionTest, AProximityMineGoesOffOnceForANearbyEnemy) {
    initWall(1, W_PROXYMINE, hgeRect(544, 368, 576, 400), 1);
    const int e = makeEnemy(2, 1, hgeRect(530, 340, 550, 360));  // 8 px from the mine, not on it
    collEnemy2Wall();
    collEnemy2Wall();
    EXPECT_EQ(activeShots(), 1);
    EXPECT_EQ(sh[0].dir, O2E);
    EXPECT_FLOAT_EQ(r_width(sh[0].rect), 150);
    EXPECT_FLOAT_EQ(centerX(sh[0].rect), 560);
    EXPECT_FLOAT_EQ(sh[0].damage, 40);
    collShot2Enemy(0.5f);  // its blast hurts the enemies of its field
    EXPECT_EQ(pl[1].score, 100);
    EXPECT_FLOAT_EQ(en[e].deathTimer, 2);
}

}  // namespace
