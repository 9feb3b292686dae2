#include <cmath>

#include "battle/enemies.h"
#include "battle/enemy_attacks.h"
#include "battle/shots.h"
#include "tests/battle/field_fixture.h"

namespace {

class EnemiesTest : public FieldTest {
protected:
    void spawn(int side, int count, int direction, float dx = 0) {
        spawnEnemies(side, 1, count, direction, P_LINEAR, dx, 20, 0, 0, 0, 6, 0, 0);
    }
};

TEST_F(EnemiesTest, SpawnScalesForQuestResistanceGhostsAndTheExMission) {
    pl[0].questNum = 2;
    pl[1].passive[0] = P_RES;
    int e = makeEnemy(4, 0, hgeRect(200, 100, 240, 140));
    EXPECT_FLOAT_EQ(en[e].maxHp, 60);
    EXPECT_FLOAT_EQ(en[e].attack, 30);
    EXPECT_EQ(en[e].score, 200);
    pl[0].questNum = 1;
    pl[1].passive[0] = 0;

    e = roomForMoreEnemies();
    en[e].spawn(3, 0, hgeRect(200, 100, 240, 140), P_LINEAR, 0, 10, 0, 0, 20, 6, 0, 0, true);
    EXPECT_FLOAT_EQ(en[e].hp, 20);
    EXPECT_EQ(en[e].score, 500);
    EXPECT_EQ(en[e].name, "Ghostly Kind3");

    selectedOpp = 7;
    curRound = 24;
    e = roomForMoreEnemies();
    en[e].spawn(5, 0, hgeRect(200, 100, 240, 140), P_LINEAR, 30, 60, 0, 0, 20, 6, 0, 0, false);
    EXPECT_FLOAT_EQ(en[e].hp, 20);
    EXPECT_FLOAT_EQ(en[e].attack, 40);
    EXPECT_FLOAT_EQ(en[e].attackChance, 25);
    EXPECT_FLOAT_EQ(en[e].dx, 40);
}

TEST_F(EnemiesTest, EachSlotOwnsItsAnimationCopiesUntilFreed) {
    const int a = makeEnemy(3, 0, hgeRect(200, 100, 240, 140));
    const int b = makeEnemy(3, 0, hgeRect(250, 100, 290, 140));
    ASSERT_NE(en[a].anim, nullptr);
    EXPECT_NE(en[a].anim, enemyAnimDB[3]);
    EXPECT_NE(en[a].anim, en[b].anim);
    Enemy copy = en[a];  // a copied record gets copies of its own
    EXPECT_NE(copy.deathAnim, en[a].deathAnim);

    pl[0].lastHitEnemy = a;
    pl[0].lastHitInfo = 3;
    freeEnemy(a);
    EXPECT_EQ(en[a].anim, nullptr);
    EXPECT_EQ(pl[0].lastHitEnemy, -1);
    EXPECT_EQ(pl[0].lastHitInfo, 0);
    en[a].cleanup();  // twice is harmless
    en[b].spawn(4, 0, hgeRect(250, 100, 290, 140), P_LINEAR, 0, 0, 0, 0, 0, 6, 0, 0, false);  // reuse, no leak
    clearEnemies();
    EXPECT_EQ(en[b].anim, nullptr);
    EXPECT_EQ(activeEnemies(), 0);
}

TEST_F(EnemiesTest, PassivesFauxPaxAndAFullTableChangeTheGroup) {
    pl[0].passive[1] = P_12EN;
    spawn(0, 1, DIR_UP);
    spawn(0, 5, DIR_UP);
    EXPECT_EQ(countEnemies(0), 3);
    pl[0].passive[1] = 0;
    pl[0].passive[2] = P_3XEN;  // triples what the other side receives
    spawn(1, 1, DIR_UP);
    spawn(0, 1, DIR_UP);
    EXPECT_EQ(countEnemies(1), 3);
    EXPECT_EQ(countEnemies(0), 4);
    pl[1].misc[M_FAUXPAX] = 5;
    spawn(1, 2, DIR_RANDOM);
    EXPECT_EQ(countEnemies(1), 3);
    while (makeEnemy(2, 0, hgeRect(200, 100, 240, 140)) != -1) {
    }
    spawn(0, 5, DIR_RANDOM);
    EXPECT_EQ(activeEnemies(), MAXENEMIES);
}

TEST_F(EnemiesTest, FormationsArePlacedAgainstTheirEdge) {
    spawnEnemies(0, 1, 5, DIR_RIGHT, P_LINEAR, 25, 20, 4, 0, 0, 6, 0, 0);
    EXPECT_FLOAT_EQ(en[0].rect.y1, 200);
    EXPECT_FLOAT_EQ(en[4].rect.y2, 400);
    EXPECT_FLOAT_EQ(en[4].rect.x2, 400);
    EXPECT_FLOAT_EQ(en[4].dx, -25);
    EXPECT_FLOAT_EQ(en[4].ax, -4);
    clearEnemies();
    spawn(1, 3, DIR_LOWERRIGHT, 25);
    EXPECT_FLOAT_EQ(en[0].rect.x1, 580);
    EXPECT_FLOAT_EQ(en[2].rect.y2, 600);
    EXPECT_FLOAT_EQ(en[0].dx, -25);
    clearEnemies();
    pl[0].pacing = 1.5f;
    spawn(0, 4, DIR_UP, -25);
    EXPECT_FLOAT_EQ(en[0].rect.x1, 170);
    EXPECT_FLOAT_EQ(en[3].rect.x2, 330);
    EXPECT_FLOAT_EQ(en[0].dx, -25);  // a row keeps its sign
    EXPECT_FLOAT_EQ(en[0].dy, 30);   // vertical speed follows the pacing
    clearEnemies();
    spawn(1, 6, DIR_ASGROUP);
    const hgeRect top = en[0].rect;
    EXPECT_GE(top.x1, 400);
    EXPECT_FLOAT_EQ(en[1].rect.x1, top.x1 - 40);  // lower left
    EXPECT_FLOAT_EQ(en[2].rect.x1, en[1].rect.x2 + 40);  // lower right
    EXPECT_FLOAT_EQ(en[3].rect.y1, en[2].rect.y2);  // bottom
    EXPECT_FLOAT_EQ(en[4].rect.y2, en[3].rect.y1);  // centre
    EXPECT_FLOAT_EQ(en[5].rect.x1, en[4].rect.x2);  // then to the right
}

TEST_F(EnemiesTest, OnlyOneGhostAtATimeAndOnlyLateInAnExRound) {
    selectedOpp = 7;
    pl[0].fieldRight = 800;
    pl[0].roundTime = 30;
    for (int i = 0; i < 20; ++i) spawn(0, 1, DIR_RANDOM);
    EXPECT_FALSE(ghostlyExists());
    pl[0].roundTime = 31;
    for (int i = 0; i < 20; ++i) spawn(0, 1, DIR_RANDOM);
    int ghosts = 0, ghost = -1;
    for (int e = 0; e < MAXENEMIES; ++e)
        if (en[e].ghostly) ++ghosts, ghost = e;
    EXPECT_EQ(ghosts, 1);
    freeEnemy(ghost);
    EXPECT_TRUE(ghostlyExists());  // the freed slot keeps its flag until reused
    selectedOpp = 0;
    spawn(0, 1, DIR_RANDOM);
    EXPECT_FALSE(ghostlyExists());
}

TEST_F(EnemiesTest, WallsHoldSlowOrSpeedEnemiesAndTheWaveSwings) {
    const int held = makeEnemy(1, 0, hgeRect(200, 200, 240, 240), P_LINEAR, 0, 50);
    const int fenced = makeEnemy(1, 0, hgeRect(300, 200, 340, 240), P_LINEAR, 0, 50);
    const int lifted = makeEnemy(1, 1, hgeRect(500, 200, 540, 240), P_LINEAR, 0, 50);
    const int waving = makeEnemy(1, 1, hgeRect(600, 100, 640, 140), P_WAVE, 0, 50);
    en[held].wallType = W_BRICK;
    en[held].driftY = en[fenced].driftY = 30;
    en[fenced].wallType = W_FENCE;
    en[lifted].wallType = W_ESCALATOR;
    en[waving].ax = en[waving].ay = 100;
    enemyMovement(0.1f);
    EXPECT_FLOAT_EQ(en[held].rect.y1, 200);
    EXPECT_FLOAT_EQ(en[fenced].rect.y1, 204);
    EXPECT_FLOAT_EQ(en[lifted].rect.y1, 210);
    EXPECT_FLOAT_EQ(en[waving].dy, 60);  // the larger component keeps its value and accelerates
    EXPECT_FLOAT_EQ(en[waving].dx, 0);   // the swinging one does not
    EXPECT_NEAR(en[waving].rect.x1, 600 + 50 * std::sin(1.0f / 6) * 0.1f, 1e-3);
}

TEST_F(EnemiesTest, EnemiesAtAnEdgeAreHeldThenDropIfStuckTooLong) {
    const int top = makeEnemy(1, 0, hgeRect(200, 5, 240, 45), P_LINEAR, 0, -100);
    const int right = makeEnemy(1, 1, hgeRect(650, 300, 690, 340), P_LINEAR, 100, 0);
    const int below = makeEnemy(1, 0, hgeRect(200, 590, 240, 630), P_LINEAR, 0, 100);
    enemyMovement(0.2f);
    EXPECT_FLOAT_EQ(en[top].rect.y1, 0);
    EXPECT_FLOAT_EQ(en[right].rect.x2, 700);
    EXPECT_FALSE(en[below].active);  // left through the bottom
    for (int f = 0; f < 970; ++f) enemyMovement(0.01f);
    EXPECT_TRUE(en[top].active);
    for (int f = 0; f < 15; ++f) enemyMovement(0.01f);
    EXPECT_FALSE(en[top].active);
    EXPECT_FALSE(en[right].active);
    EXPECT_EQ(pl[0].score, 0);
}

TEST_F(EnemiesTest, TheCoinComesFromTheHalfTheEnemyDiedIn) {
    itemPercentDB[1] = 100;
    pl[0].redP = 100;
    pl[1].greenP = 100;
    const int left = makeEnemy(1, 0, hgeRect(360, 100, 400, 140));
    const int right = makeEnemy(1, 0, hgeRect(400, 300, 440, 340));  // a left-side enemy over the line
    for (int e : {left, right}) {
        en[e].hp = 0;
        en[e].deathTimer = 2;
    }
    for (int f = 0; f < 199; ++f) enemyMovement(0.01f);
    EXPECT_EQ(roomForMoreItems(), 0);
    for (int f = 0; f < 3; ++f) enemyMovement(0.01f);
    EXPECT_FALSE(en[left].active);
    EXPECT_EQ(itm[0].kind, C_R);
    EXPECT_EQ(itm[1].kind, C_G);
    EXPECT_FLOAT_EQ(itm[1].rect.x1, 412);
    EXPECT_FLOAT_EQ(itm[1].rect.y2, 328);
    EXPECT_GE(itm[1].dy, 30);
    EXPECT_LE(itm[1].dy, 60);
}

TEST_F(EnemiesTest, InTheExMissionEveryCoinFollowsTheHumansMixAndChance) {
    selectedOpp = 7;
    pl[0].fieldRight = RIGHTBOUND + 100;  // the one field spans the screen
    pl[0].redP = 100;
    pl[1].greenP = 100;  // a mix left over from an earlier match
    pl[0].passive[0] = P_FREQ;
    itemPercentDB[1] = 70;  // 105 with the human's passive: a coin every time
    for (int k = 0; k < MAXENEMIES; ++k) {
        const float x = 110 + 6.5f * k;
        const int e = makeEnemy(1, 0, hgeRect(x, 100, x + 40, 140));
        en[e].hp = 0;
        en[e].deathTimer = 0.005f;
    }
    enemyMovement(0.01f);
    int red = 0;
    for (const Item& coin : itm) red += coin.active && coin.kind == C_R;
    EXPECT_EQ(red, MAXENEMIES);
}

// Mixed groups of every kind, some without graphics, move, attack and die for half a
// minute: boxes stay finite and inside their field, and no freed slot keeps animation copies.
TEST_F(EnemiesTest, MixedWavesKeepTheTablesConsistent) {
    for (int k : {6, 7}) {
        delete enemyAnimDB[k];
        enemyAnimDB[k] = nullptr;
    }
    for (int frame = 0; frame < 3000; ++frame) {
        if (frame % 40 == 0)
            spawnEnemies(hge->Random_Int(0, 1), hge->Random_Int(0, 24), hge->Random_Int(1, 6), hge->Random_Int(0, 10),
                         hge->Random_Int(0, 14), hge->Random_Float(-50, 50), hge->Random_Float(-20, 60),
                         hge->Random_Float(-5, 5), hge->Random_Float(-5, 5), 60, hge->Random_Float(-16, 16),
                         hge->Random_Float(-20, 20), hge->Random_Float(-10, 30));
        if (frame % 97 == 0 && pickAnEnemy(0) != -1) {
            en[pickAnEnemy(0)].deathTimer = 2;
            en[pickAnEnemy(0)].hp = 0;
        }
        if (frame % 100 == 0) rollEnemyAttacks();
        enemyMovement(0.01f);
        shotMovement(0.01f);
        for (const Enemy& e : en) {
            if (!e.active) {
                ASSERT_EQ(e.anim, nullptr);
                continue;
            }
            ASSERT_TRUE(std::isfinite(e.rect.x1) && std::isfinite(e.rect.y1));
            ASSERT_TRUE(e.hp <= 0 || (e.rect.x1 >= pl[e.side].fieldLeft && e.rect.x2 <= pl[e.side].fieldRight));
        }
        for (const Shot& s : sh) ASSERT_TRUE(!s.active || std::isfinite(s.rect.x1 + s.rect.y1 + s.rect.x2 + s.rect.y2));
    }
    EXPECT_GT(activeShots(), 0);
}

}  // namespace
