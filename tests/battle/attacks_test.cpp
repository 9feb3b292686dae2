#include "battle/enemies.h"
#include "battle/enemy_attacks.h"
#include "battle/shots.h"
#include "tests/battle/field_fixture.h"

namespace {

class AttacksTest : public FieldTest {
protected:
    void fillShots() {
        while (makeShot(hgeRect(200, 100, 210, 110), Y2E, P_LINEAR, 5) != -1) {
        }
    }
};

TEST_F(AttacksTest, AttacksAimAtThePlayerOfTheEnemysField) {
    const int left = makeEnemy(3, 0, hgeRect(200, 100, 240, 140));
    const int right = makeEnemy(3, 1, hgeRect(500, 100, 540, 140));
    const int lancer = makeEnemy(12, 0, hgeRect(300, 100, 340, 140));
    for (int e : {left, right, lancer}) enemyAttack(e);
    EXPECT_EQ(sh[0].dir, O2Y);
    EXPECT_EQ(sh[0].cond, C_TOXI);
    EXPECT_FLOAT_EQ(sh[0].rect.x1, 200);
    EXPECT_FLOAT_EQ(sh[0].rect.y1, 140);
    EXPECT_FLOAT_EQ(sh[0].lifetime, 2);
    EXPECT_EQ(sh[1].dir, Y2O);
    EXPECT_FLOAT_EQ(en[left].attackTimer, 2);
    EXPECT_FLOAT_EQ(sh[2].rect.x1, 302);  // centred under the enemy
    EXPECT_EQ(sh[2].animIndex, 83);
    selectedOpp = 7;  // no opponent: the human's field is the only one
    enemyAttack(left);
    EXPECT_EQ(sh[3].dir, O2Y);
}

TEST_F(AttacksTest, SummonedZombiesDriftDownWithoutAttacking) {
    const int e = makeEnemy(14, 1, hgeRect(500, 100, 560, 160));
    enemyAttack(e);
    const Enemy& z = en[e + 1];
    ASSERT_TRUE(z.active);
    EXPECT_EQ(z.kind, 1);
    EXPECT_EQ(z.side, 1);
    EXPECT_FLOAT_EQ(z.attackChance, 0);
    EXPECT_GE(z.dy, 15);
    EXPECT_LE(z.dy, 30);
    EXPECT_FLOAT_EQ(centerX(z.rect), 530);
    EXPECT_FLOAT_EQ(z.rect.y1, 160);
    EXPECT_FLOAT_EQ(en[e].attackTimer, 4);
}

TEST_F(AttacksTest, QuietKindsPauseAndSomeSoundsPlayEvenWithTheTableFull) {
    for (int id : {39, 60, 72, 85}) loadSound(id);
    fillShots();
    const int howl = makeEnemy(9, 0, hgeRect(150, 100, 190, 140));
    const int horn = makeEnemy(17, 0, hgeRect(200, 100, 240, 140));
    const int idle = makeEnemy(21, 0, hgeRect(250, 100, 290, 140));
    const int ghoul = makeEnemy(8, 0, hgeRect(100, 100, 140, 140));
    const int ringer = makeEnemy(11, 0, hgeRect(150, 100, 190, 140));
    enemyAttack(howl);
    EXPECT_EQ(soundOn(2), "sfx72.wav");
    EXPECT_FLOAT_EQ(en[howl].attackTimer, 0.4f);
    enemyAttack(horn);
    EXPECT_FLOAT_EQ(en[horn].attackTimer, 10);
    enemyAttack(idle);
    EXPECT_FLOAT_EQ(en[idle].attackTimer, 0);
    chan[2] = 0;
    enemyAttack(ghoul);  // its sound goes with its shot
    EXPECT_EQ(soundOn(2), "");
    EXPECT_FLOAT_EQ(en[ghoul].attackTimer, 2);
    enemyAttack(ringer);
    EXPECT_EQ(soundOn(2), "sfx60.wav");
}

TEST_F(AttacksTest, TheDreadnoughtFiresAWholeVolleyOrALaser) {
    loadSound(20);
    const int e = makeEnemy(24, 1, hgeRect(500, 100, 560, 160));
    bool volleySeen = false, laserSeen = false;
    for (int i = 0; i < 20; ++i) {
        for (int s = 0; s < MAXSHOTS; ++s) removeShot(s);
        enemyAttack(e);
        if (en[e].attackTimer == 1.5f) {
            volleySeen = true;
            ASSERT_EQ(activeShots(), 5);
            EXPECT_EQ(sh[0].cond, C_LEAK);
            EXPECT_EQ(sh[4].cond, C_STUP);
            EXPECT_FLOAT_EQ(centerX(sh[2].rect), 530);
            EXPECT_EQ(soundOn(5), "sfx20.wav");
        } else {
            laserSeen = true;
            ASSERT_EQ(activeShots(), 1);
            EXPECT_EQ(sh[0].pattern, P_5THESSENCELAZER);
        }
    }
    EXPECT_TRUE(volleySeen && laserSeen);
    fillShots();  // a full table drops the whole volley, and its sound
    chan[5] = 0;
    for (int i = 0; i < 10; ++i) enemyAttack(e);
    EXPECT_EQ(soundOn(5), "");
}

TEST_F(AttacksTest, TheSecondRollStartsAttacksOnlyForIdleLivingEnemies) {
    const int eager = makeEnemy(4, 0, hgeRect(100, 100, 140, 140));
    const int busy = makeEnemy(4, 0, hgeRect(150, 100, 190, 140));
    const int dead = makeEnemy(4, 0, hgeRect(200, 100, 240, 140));
    const int calm = makeEnemy(4, 0, hgeRect(250, 100, 290, 140));
    for (int e : {eager, busy, dead}) en[e].attackChance = 101;
    en[busy].attackTimer = 0.5f;
    en[dead].hp = 0;
    rollEnemyAttacks();
    EXPECT_FLOAT_EQ(en[eager].attackTimer, 3);
    EXPECT_FLOAT_EQ(en[busy].attackTimer, 0.5f);
    EXPECT_FLOAT_EQ(en[dead].attackTimer, 0);
    EXPECT_FLOAT_EQ(en[calm].attackTimer, 0);
    EXPECT_EQ(activeShots(), 1);
    for (int f = 0; f < 150; ++f) enemyMovement(0.01f);
    EXPECT_NEAR(en[eager].attackTimer, 1.5f, 1e-4);
}

}  // namespace
