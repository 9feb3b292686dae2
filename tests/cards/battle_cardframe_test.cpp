// Playing a card: the common frame of every card, and the stat, condition and passive cards.
#include "cards/card_effects.h"
#include "cards/conditions.h"
#include "cards/hand.h"
#include "tests/cards/battle_cards_support.h"

namespace {

class CardFrameTest : public BattleCardsTest {
protected:
    static void cast(int side, int card) {
        pl[side].aiCard = card;
        initCard(side, 3);
    }
};

TEST_F(CardFrameTest, PlayingFromASlotSpendsTheCard) {
    loadSounds();
    makeCard(16, 0, 0, 0, 0, 1, 2, 12, "Stunner");
    pl[0].hand[1] = pl[0].hand[2] = 16;
    initCard(0, 1);
    EXPECT_EQ(soundOn(4), "sfx101") << "the card's sound, then the condition's on the same channel";
    EXPECT_TRUE(logContains("1P uses Stunner"));
    EXPECT_EQ(pl[0].hand[1], 0);
    EXPECT_FLOAT_EQ(pl[0].cardDrawTimer[1], 2);
    EXPECT_EQ(pl[1].cond[1], C_STUN);
    receivePassive(0, P_CARDREFRESH);
    initCard(0, 2);
    EXPECT_FLOAT_EQ(pl[0].cardDrawTimer[2], 1);

    pl[1].hand[0] = 7;
    pl[1].cardDrawTimer[1] = 0.25f;
    cast(1, 46);
    EXPECT_TRUE(passiveExists(1, P_SYZYGY));
    EXPECT_EQ(pl[1].hand[0], 7) << "a scripted cast leaves the hand alone";
    EXPECT_FLOAT_EQ(pl[1].cardDrawTimer[1], 0.25f);
}

TEST_F(CardFrameTest, CardsWithoutAnEffectSaySoAndAreSpent) {
    makeCard(0, 0, 0, 0, 0, 1, 2);
    for (int card : {0, 345, 399}) {
        makeCard(card, 0, 0, 0, 0, 1, 2.5f);
        pl[0].hand[2] = card;
        initCard(0, 2);
        EXPECT_EQ(pl[0].text[0], "Card not implemented.") << card;
        EXPECT_EQ(pl[0].hand[2], 0) << card;
        EXPECT_FLOAT_EQ(pl[0].cardDrawTimer[2], 2.5f) << card << " is spent like any other";
        pl[0].text[0].clear();
    }
    for (int card : {1, 100, 250, 344}) {
        cast(0, card);
        EXPECT_NE(pl[0].text[0], "Card not implemented.") << card;
    }
    cast(0, -5);  // ids and slots out of range never index past a table
    cast(0, 100000);
    EXPECT_EQ(pl[0].text[0], "Card not implemented.");
    initCard(0, 4);
    initCard(2, 0);
}

TEST_F(CardFrameTest, ConditionAndPassiveCardsHitTheRightSide) {
    const int rows[][4] = {{294, 1, C_TOXI, 3}, {23, 1, C_DZ, 2},  {300, 1, C_STUN, 2}, {329, 1, C_ZOM, 3},
                           {317, 1, C_MYST, 1}, {289, 0, C_ROXY, 3}, {186, 0, C_2XL, 3}, {166, 0, C_RFLX, 3}};
    for (const auto& r : rows) {
        const int slot = r[2] < C_ROXY ? 1 : 0;
        receiveCond(r[1], 0, slot);
        cast(0, r[0]);
        EXPECT_EQ(pl[r[1]].cond[slot], r[2]) << r[0];
        EXPECT_EQ(pl[r[1]].condLevel[slot], r[3]) << r[0];
    }
    cast(1, 16);
    EXPECT_EQ(pl[0].cond[1], C_STUN) << "the opponent's harmful card lands on the human";
    cast(1, 343);
    cast(1, 308);
    EXPECT_EQ(pl[1].passive[0], P_INCPOS);
    EXPECT_EQ(pl[1].passive[1], P_3XEN);
}

TEST_F(CardFrameTest, StatCards) {
    Player& u = pl[0];
    Player& o = pl[1];
    u.rof = 0.15f;
    cast(0, 5);
    EXPECT_FLOAT_EQ(u.rof, 0.1f) << "rate of fire stops at 0.1";
    o.powerEx = 3;
    cast(0, 335);
    EXPECT_EQ(o.powerEx, 0);
    cast(0, 18);
    EXPECT_EQ(o.powerEx, 0);
    EXPECT_EQ(o.text[1], "power -1");
    u.rof = 0.5f;
    cast(0, 333);
    EXPECT_EQ(u.powerEx, 1);
    EXPECT_FLOAT_EQ(u.rof, 0.42f);
    EXPECT_FLOAT_EQ(u.shotSpeed, 60);
    EXPECT_EQ(u.score, 1337);
    EXPECT_EQ(u.text[1], "1337");
}

TEST_F(CardFrameTest, ConditionAndPassiveSpecials) {
    cast(0, 19);
    EXPECT_EQ(pl[1].text[1], "1 passive removed!") << "shown even against no passive";
    receivePassive(1, P_KNOX);
    receivePassive(1, P_RES);
    cast(0, 19);
    EXPECT_EQ(pl[1].passive[0], P_KNOX);

    cast(0, 20);
    EXPECT_EQ(pl[0].textTimer[2], 0) << "no cure without an ailment";
    receiveCond(0, C_TOXI, 2);
    cast(0, 20);
    EXPECT_EQ(pl[0].cond[1], 0);
    EXPECT_EQ(pl[0].text[2], "TOXI cured!");

    receiveCond(1, C_RFLX, 2);
    receiveCond(0, C_SLOW, 3);
    cast(0, 33);
    EXPECT_EQ(pl[0].cond[0], C_RFLX);
    EXPECT_EQ(pl[0].cond[1], 0);
    EXPECT_EQ(pl[1].cond[0], 0);
    EXPECT_EQ(pl[1].condLevel[1], 3);

    selectedOpp = 7;
    for (int i = 0; i < 40; ++i) cast(0, 182);
    EXPECT_EQ(pl[0].cond[1], 0) << "in the EX mission 182 gives beneficial conditions only";
    cast(0, 338);
    EXPECT_FLOAT_EQ(pl[1].misc[M_SEAL], 20);
}

}  // namespace
