// Enemy cards: the kind, count, formation and movement of the enemies sent into the rival's
// field, by the tier of the opponent.
#include <cmath>

#include "cards/opponents.h"
#include "tests/cards/card_play_support.h"

namespace {

class SpawnCardTest : public CardPlayTest {
protected:
    static std::vector<const Enemy*> sent(int side, int card) {
        for (Enemy& e : en) e.cleanup(), e.active = false;
        cast(side, card);
        return active(en);
    }
};

TEST_F(SpawnCardTest, CountsGrowWithTheTierAndEnemiesLandInTheRivalsField) {
    // Card 48: kind 1 from above, r(tier..tier+1) of them.
    for (int opp : {0, 2, 4, 6}) {
        selectedOpp = opp;
        const int tier = opp / 2 + 1;
        for (int round = 0; round < 6; ++round) {
            const auto group = sent(0, 48);
            ASSERT_GE(static_cast<int>(group.size()), tier) << opp;
            ASSERT_LE(static_cast<int>(group.size()), tier + 1) << opp;
            for (const Enemy* e : group) {
                EXPECT_EQ(e->kind, 1);
                EXPECT_EQ(e->side, 1);
                EXPECT_FLOAT_EQ(e->rect.y1, 0) << "enters from the top";
                EXPECT_GE(e->rect.x1, 400);
                EXPECT_LE(e->rect.x2, 700);
                EXPECT_GE(e->dy, 35);
                EXPECT_LE(e->dy, 60);
                EXPECT_FLOAT_EQ(e->period, 6);
            }
        }
    }
    selectedOpp = 4;
    const auto strong = sent(1, 50);
    ASSERT_FALSE(strong.empty());
    EXPECT_EQ(strong[0]->side, 0) << "the opponent's enemies come to the human";
    EXPECT_FLOAT_EQ(strong[0]->attackChance, 30) << "attack chance 5 * tier + 15";
}

TEST_F(SpawnCardTest, PairsEnterFromBothLowerCornersWithOneSpeed) {
    const auto pairs = sent(0, 80);
    ASSERT_EQ(pairs.size(), 4u);
    int leftward = 0, rightward = 0;
    for (const Enemy* e : pairs) {
        EXPECT_EQ(e->kind, 5);
        EXPECT_FLOAT_EQ(e->dy, pairs[0]->dy) << "one draw of P2 for both corners";
        EXPECT_FLOAT_EQ(std::fabs(e->dx), std::fabs(e->dy) / 5);
        leftward += e->dx < 0;
        rightward += e->dx > 0;
    }
    EXPECT_EQ(leftward, 2);
    EXPECT_EQ(rightward, 2);
}

TEST_F(SpawnCardTest, SingleRowsKeepTheirOddParameters) {
    selectedOpp = 6;
    const auto swingers = sent(0, 105);
    ASSERT_FALSE(swingers.empty());
    EXPECT_FLOAT_EQ(swingers[0]->period, 35) << "card 105 swings on 5 * tier + 15";
    EXPECT_EQ(swingers[0]->move, P_CIRCULAR);
    const auto ghosts = sent(0, 73);
    ASSERT_FALSE(ghosts.empty());
    EXPECT_FLOAT_EQ(ghosts[0]->attackChance, 50) << "kind 14 attacks at 5 * tier + 30";
    EXPECT_EQ(sent(0, 83).size() >= 8u, true) << "card 83 sends two groups";
}

TEST_F(SpawnCardTest, NoRivalFieldNoEnemies) {
    selectedOpp = EXMISSION;
    pl[0].hand[0] = 60;
    initCard(0, 0);
    EXPECT_TRUE(active(en).empty());
    EXPECT_EQ(pl[0].hand[0], 0);
    EXPECT_NE(pl[0].text[0], "Card not implemented.");
    en[0].spawn(2, 0, hgeRect(150, 100, 182, 132), P_LINEAR, 0, 10, 0, 0, 0, 6, 0, 0, false);
    cast(0, 31);
    EXPECT_EQ(en[0].side, 0) << "nor are the human's enemies sent away";
}

}  // namespace
