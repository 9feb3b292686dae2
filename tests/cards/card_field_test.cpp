// Wall and item cards, and the one-of-a-kind effects one by one.
#include "battle/enemies.h"
#include "cards/conditions.h"
#include "cards/opponents.h"
#include "tests/cards/card_play_support.h"

namespace {

class FieldCardTest : public CardPlayTest {
protected:
    static std::vector<const Wall*> raised(int side, int card) {
        for (Wall& w : wall) w.active = false;
        cast(side, card);
        return active(wall);
    }
    static void enemyAt(int side, float x, float y) {
        en[roomForMoreEnemies()].spawn(2, side, hgeRect(x, y, x + 32, y + 32), P_LINEAR, 5, 10, 0, 0, 0, 6, 0, 0, false);
    }
};

TEST_F(FieldCardTest, WallPiecesStandWhereTheirCardSays) {
    const hgeRect& v = pl[0].rect;  // 200..232 wide, top 500
    const auto screen = raised(0, 137);
    ASSERT_EQ(screen.size(), 3u);
    EXPECT_FLOAT_EQ(screen[0]->rect.x1, 216 - 32 - 64);
    EXPECT_FLOAT_EQ(screen[2]->rect.x2, 216 + 32 + 64);
    EXPECT_FLOAT_EQ(screen[1]->rect.y2, v.y1);
    EXPECT_FLOAT_EQ(screen[1]->hp, 8);
    EXPECT_EQ(screen[1]->type, W_PAPER);

    EXPECT_EQ(raised(0, 138).size(), 5u);
    EXPECT_EQ(raised(0, 154).size(), 10u);
    pl[0].fieldRight = 800;  // the EX mission's field
    EXPECT_EQ(raised(0, 138).size(), 12u);
    EXPECT_EQ(raised(0, 154).size(), 24u);
    pl[0].fieldRight = 400;

    const auto stair = raised(0, 160);
    ASSERT_EQ(stair.size(), 3u);
    for (int i = 1; i < 3; ++i) {
        EXPECT_FLOAT_EQ(stair[i]->rect.y1 - stair[i - 1]->rect.y1, 64) << "a diagonal stair";
        EXPECT_GE(stair[i]->rect.x1, 400) << "in the rival's field";
    }
    const auto lawn = raised(0, 285);
    ASSERT_EQ(lawn.size(), 4u);
    EXPECT_FLOAT_EQ(lawn[0]->rect.x1, 216 - 64);
    EXPECT_FLOAT_EQ(lawn[0]->rect.y1, v.y1 - 64);
    EXPECT_FLOAT_EQ(lawn[3]->rect.y1, v.y1);
    EXPECT_EQ(raised(1, 286).size(), 9u);
    EXPECT_EQ(raised(0, 288).size(), 5u);
    EXPECT_FLOAT_EQ(raised(0, 157)[0]->hp, 400);
}

TEST_F(FieldCardTest, ItemsFallIntoTheUsersField) {
    cast(1, 177);
    const auto coins = active(itm);
    ASSERT_EQ(coins.size(), 1u);
    EXPECT_EQ(coins[0]->kind, I_MULTICOIN);
    EXPECT_FLOAT_EQ(coins[0]->rect.y1, 0);
    EXPECT_GE(coins[0]->rect.x1, 416);
    EXPECT_LE(coins[0]->rect.x1, 652);
    EXPECT_GE(coins[0]->dy, 30);
    EXPECT_LE(coins[0]->dy, 60);
    cast(0, 247);
    const auto crates = active(itm);
    ASSERT_EQ(crates.size(), 6u);
    for (const Item* it : crates) {
        EXPECT_GE(it->kind, I_VICTUAL);
        EXPECT_LE(it->kind, I_MULTICOIN);
    }
    for (Item& it : itm) it.active = true;
    cast(0, 173);  // no room: nothing, and no harm
}

TEST_F(FieldCardTest, EnemyEffects) {
    enemyAt(0, 150, 100);
    enemyAt(0, 250, 200);
    enemyAt(1, 500, 100);
    en[2].hp = 0;
    en[2].deathTimer = 1;
    cast(0, 178);
    EXPECT_FLOAT_EQ(en[1].rect.y1, 120) << "pushed 80 px up";
    cast(0, 176);
    EXPECT_FLOAT_EQ(en[0].rect.x1, pl[0].rect.x1) << "lured in front of the vehicle";
    EXPECT_FLOAT_EQ(en[0].rect.y2, pl[0].rect.y1 - 40);
    cast(0, 32);
    EXPECT_FLOAT_EQ(en[2].hp, en[2].maxHp) << "the rival's dying enemy lives again";
    EXPECT_FLOAT_EQ(en[2].deathTimer, 0);
    cast(0, 31);
    EXPECT_EQ(en[1].side, 1);
    EXPECT_FLOAT_EQ(en[1].rect.x1, 550);
    cast(1, 22);
    EXPECT_EQ(countEnemies(1), 0) << "every enemy of the opponent's field dies";
    EXPECT_GT(pl[1].score, 0) << "and pays out";
    EXPECT_EQ(pl[1].misc[M_DEATH], 1);
    cast(1, 176);
    EXPECT_EQ(pl[1].text[1], "No valid targets!");
}

TEST_F(FieldCardTest, HalvingRevivingAndConditionsAtRandom) {
    enemyAt(1, 500, 100);
    enemyAt(0, 150, 100);
    cast(1, 21);
    EXPECT_FLOAT_EQ(en[0].hp, 25);
    EXPECT_FLOAT_EQ(en[1].hp, 50) << "only the user's own field";
    EXPECT_EQ(pl[1].misc[M_HALFDEATH], 1);
    en[0].hp = 0;
    en[0].deathTimer = 1;
    loadSounds();
    cast(0, 340);
    EXPECT_EQ(countEnemies(0), 0);
    EXPECT_FLOAT_EQ(en[0].hp, 50) << "then the rival's dying enemies rise again";
    EXPECT_EQ(soundOn(4), "sfx22");

    receiveCond(0, C_SPD, 1);
    cast(0, 25);
    EXPECT_EQ(pl[0].condLevel[0], 2) << "a good condition renewed one level up";
    receiveCond(0, 0, 0);
    receiveCond(1, 0, 1);
    cast(0, 334);
    EXPECT_GE(pl[0].cond[0], C_ROXY);
    EXPECT_GE(pl[1].cond[1], C_TOXI);
    EXPECT_LE(pl[1].cond[1], C_LEAK) << "never MYST";
}

TEST_F(FieldCardTest, CoinsVehiclesAndTimers) {
    setCoins(1, 3, 10, 0);
    setCoins(0, 1, 1, 1);
    cast(0, 30);
    EXPECT_EQ(pl[1].coin[0], 0);
    EXPECT_EQ(pl[1].coin[1], 3);
    EXPECT_EQ(pl[0].coin[0], 4);
    EXPECT_EQ(pl[0].coin[1], 8);
    setCoins(1, 3, 10, 0);
    cast(0, 29);
    EXPECT_EQ(pl[1].coin[1], 3);
    EXPECT_EQ(pl[1].coin[0], 0);

    cast(0, 27);
    EXPECT_FLOAT_EQ(pl[1].misc[M_PAS], 4);
    EXPECT_EQ(pl[1].text[1], "Pas de quatre!");
    cast(0, 311);
    cast(1, 311);
    EXPECT_FLOAT_EQ(pl[0].misc[M_INVIZ], 12);
    EXPECT_FLOAT_EQ(pl[1].misc[M_INVIZ], 6);
    cast(0, 339);
    EXPECT_FLOAT_EQ(pl[0].misc[M_FAUXPAX], 20);
    cast(0, 28);
    EXPECT_GE(pl[1].velX, 30);
    EXPECT_LE(pl[1].velY, -30) << "a vehicle low in its field is shoved upwards";
    for (int i = 0; i < 20; ++i) {
        cast(0, 184);
        const hgeRect& r = pl[0].rect;
        EXPECT_GE(r.x1, 100);
        EXPECT_LE(r.x2, 400);
        EXPECT_NEAR(r.x2 - r.x1, 32, 1e-3) << "the vehicle keeps its size";
    }
    EXPECT_FLOAT_EQ(pl[0].misc[M_TELEPO], 3);
}

TEST_F(FieldCardTest, CardsThatPlayOtherCards) {
    makeCard(183, 0, 0, 0, 0, 1, 4);
    for (int id = 137; id <= 158; ++id) makeCard(id, 0, 0, 0, 5, 1, 9);
    pl[0].hand[1] = 183;
    initCard(0, 1);
    EXPECT_FALSE(active(wall).empty()) << "a wall card was played";
    EXPECT_EQ(pl[0].hand[1], 0);
    EXPECT_FLOAT_EQ(pl[0].cardDrawTimer[1], 4) << "with the outer card's refill time";
    selectedOpp = 2;
    cast(0, 336);
    EXPECT_GE(countEnemies(1), 3) << "three enemy cards";
}

TEST_F(FieldCardTest, ShotSizeUpShowsInTheNextVolley) {
    pl[0].shotLevel = 1;
    pl[0].getCurParticle(0);
    const float before = pl[0].shotSizeX;
    cast(0, 161);
    EXPECT_EQ(pl[0].shotLevel, 2);
    EXPECT_FLOAT_EQ(pl[0].shotSizeX, before + 4);
    EXPECT_FLOAT_EQ(pl[0].shotPsi.sizeStart, 1.5f) << "the bullets' particles grow too";
}

}  // namespace
