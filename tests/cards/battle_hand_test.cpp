// Hand, coins and card use: capacities, payment, refusals, timers, discards and drawing.
#include <vector>

#include "cards/conditions.h"
#include "cards/hand.h"
#include "tests/cards/battle_cards_support.h"

namespace {

class HandTest : public BattleCardsTest {};

constexpr int PLAIN = 250;  // a card whose effect is not written: it only shows a text

TEST_F(HandTest, CoinCapacitiesAndCardClasses) {
    const int deckRed[10] = {99, 6, 6, 16, 16, 6, 6, 16, 16, 12}, oppCap[8] = {5, 9, 19, 29, 39, 49, 99, 69};
    for (int i = 0; i < 10; ++i) {
        selectedDeck = i;
        selectedOpp = i % 8;
        getCoinCapacity();
        EXPECT_EQ(pl[0].coinCap[C_R], deckRed[i]) << i;
        EXPECT_EQ(pl[1].coinCap[C_B], oppCap[i % 8]) << i;
    }
    makeCard(5, 1, 0, 3);
    EXPECT_EQ(getCardTextColor(5), 0xFFD5A8E6u);
    EXPECT_EQ(getCardColor(0), C_OTHER1) << "a free card is always affordable";
    EXPECT_STREQ(getTypeName(7), "");
}

TEST_F(HandTest, SyzygyPaysOneCoinLessPerCostedColour) {
    makeCard(PLAIN, 3, 0, 1);
    pl[0].hand[0] = pl[0].hand[1] = PLAIN;
    setCoins(0, 2, 0, 1);
    EXPECT_FALSE(canUseCard(0, 0));
    receivePassive(0, P_SYZYGY);
    EXPECT_FALSE(canUseCard(0, 0)) << "canUseCard ignores passives";
    activateCard(0, 0);
    EXPECT_FLOAT_EQ(pl[0].cardUseTimer[0], 1);
    EXPECT_EQ(std::vector<int>(pl[0].coin, pl[0].coin + 3), (std::vector<int>{0, 0, 1}));
    setCoins(0, 5, 5, 5);  // the discount applies even when the full cost could be paid
    activateCard(0, 1);
    EXPECT_EQ(std::vector<int>(pl[0].coin, pl[0].coin + 3), (std::vector<int>{3, 5, 5}));
    clearPassives(0);
    makeCard(PLAIN, -2, 0, 0);  // bad data: a negative cost is free, it pays out nothing
    pl[0].hand[2] = PLAIN;
    activateCard(0, 2);
    EXPECT_EQ(pl[0].coin[0], 3);
}

TEST_F(HandTest, RefusalsChangeNothingAndSaySo) {
    loadSounds();
    makeCard(PLAIN, 2, 0, 0);
    setCoins(0, 1, 0, 0);
    pl[0].hand[0] = PLAIN;
    activateCard(0, 0);
    EXPECT_EQ(pl[0].coin[0], 1);
    EXPECT_EQ(pl[0].cardUseTimer[0], 0);
    EXPECT_EQ(pl[0].text[2], "Not enough coins to use that card.");
    EXPECT_EQ(soundOn(3), "sfx29");
    activateCard(0, 1);
    EXPECT_EQ(pl[0].text[2], "There's no card in that slot yet.");
    setCoins(0, 4, 0, 0);
    activateCard(0, 0);
    activateCard(0, 0);
    EXPECT_EQ(pl[0].coin[0], 2) << "an activated card is not paid twice";

    pl[0].cardUseTimer[0] = pl[0].textTimer[2] = 0;
    pl[0].misc[M_SEAL] = 5;
    activateCard(0, 0);
    EXPECT_EQ(pl[0].cardUseTimer[0], 0);
    EXPECT_EQ(soundOn(3), "sfx1");
    EXPECT_EQ(pl[0].textTimer[2], 0) << "a sealed side sees no text";
}

TEST_F(HandTest, ExMissionHazardsTakeEffectThreeTimesSooner) {
    makeCard(PLAIN, 0, 0, 0, CT_HAZARD, 3);
    makeCard(PLAIN + 1, 0, 0, 0, CT_WEAPON, 3);
    selectedOpp = 7;
    pl[0].hand[0] = PLAIN;
    pl[0].hand[1] = PLAIN + 1;
    activateCard(0, 0);
    activateCard(0, 1);
    EXPECT_FLOAT_EQ(pl[0].cardUseTotal[0], 1);
    EXPECT_FLOAT_EQ(pl[0].cardUseTimer[1], 3);
    // With P_QUICKCARDS: 0.5 s, so the effect fires in frame 50 (give or take float sums).
    pl[0].hand[2] = PLAIN;
    receivePassive(0, P_QUICKCARDS);
    activateCard(0, 2);
    int frames = 0;
    for (; pl[0].hand[2] != 0 && frames < 1000; ++frames) updateCardSlots(0, 0.01f);
    EXPECT_NEAR(frames, 50, 1);
    EXPECT_FLOAT_EQ(pl[0].cardDrawTimer[2], 2) << "the spent slot refills after the refill time";
}

TEST_F(HandTest, DiscardWaitsThreeRefillTimes) {
    makeCard(PLAIN, 1, 0, 0, 0, 1, 2);
    setCoins(0, 3, 0, 0);
    pl[0].hand[0] = pl[0].hand[1] = pl[0].hand[2] = PLAIN;
    discardCard(0, 0);
    EXPECT_EQ(pl[0].hand[0], 0);
    EXPECT_FLOAT_EQ(pl[0].cardDrawTimer[0], 6);
    EXPECT_EQ(pl[0].coin[0], 3);
    receivePassive(0, P_CARDREFRESH);
    discardCard(0, 1);
    EXPECT_FLOAT_EQ(pl[0].cardDrawTimer[1], 3);
    activateCard(0, 2);
    discardCard(0, 2);
    EXPECT_EQ(pl[0].hand[2], PLAIN) << "an activated card cannot be discarded";
}

TEST_F(HandTest, SlotTimersAndCoinCapsPerFrame) {
    pl[0].deckSize = 3;
    pl[0].deck[0] = 11;
    pl[0].coinCap[1] = 6;
    setCoins(0, 0, 9, 0);
    pl[0].coinFlash[1] = 2.5f;
    pl[0].cardDrawTimer[0] = 0.004f;
    updateCardSlots(0, 0.01f);
    updateCardSlots(0, 0.01f);
    EXPECT_EQ(pl[0].coin[1], 6);
    EXPECT_FLOAT_EQ(pl[0].coinFlash[1], 0.5f);
    EXPECT_EQ(pl[0].hand[0], 11);
    EXPECT_EQ(pl[0].deckPos, 1) << "one draw per timer run; a timer at 0 draws nothing";
    // A card whose refill time is 0 leaves its slot empty until the next round.
    makeCard(PLAIN, 0, 0, 0, 0, 0.01f, 0);
    pl[0].hand[0] = PLAIN;
    activateCard(0, 0);
    for (int i = 0; i < 300; ++i) updateCardSlots(0, 0.01f);
    EXPECT_EQ(pl[0].hand[0], 0);
}

TEST_F(HandTest, DeckCyclesAndReshufflesAfterItsLastCard) {
    Player& p = pl[1];
    p.deckSize = 4;
    for (int i = 0; i < 4; ++i) p.deck[i] = 100 + i;
    for (int slot = 0; slot < 3; ++slot) getNextCard(1, slot);
    EXPECT_EQ(p.hand[2], 102);
    std::vector<int> expected = {100, 101, 102, 103};
    engine->Random_Seed(99);
    for (int i = 3; i >= 0; --i) std::swap(expected[i], expected[hge->Random_Int(0, i)]);
    engine->Random_Seed(99);
    getNextCard(1, 0);
    EXPECT_EQ(p.hand[0], 103);
    EXPECT_EQ(std::vector<int>(p.deck, p.deck + 4), expected);
    getNextCard(1, 1);
    EXPECT_EQ(p.hand[1], expected[0]) << "the next draw starts at the first place";
    // An empty deck draws nothing; a draw position outside the deck starts over.
    p.deckSize = 0;
    getNextCard(1, 2);
    EXPECT_EQ(p.hand[2], 102);
    p.deckSize = 2;
    p.deckPos = 9;
    getNextCard(1, 2);
    EXPECT_EQ(p.hand[2], expected[0]);
}

TEST_F(HandTest, ExMissionReplacesCardsItCannotUse) {
    selectedOpp = 7;
    pl[0].deckSize = 1;
    const auto draw = [](int id) {
        pl[0].deck[0] = id;
        getNextCard(0, 0);
        return pl[0].hand[0];
    };
    const auto in = [](int v, int lo, int hi) { return v >= lo && v <= hi; };
    for (int i = 0; i < 40; ++i) {
        const int wall = draw(i % 2 ? 136 : 284), boost = draw(i % 2 ? 306 : 26), level3 = draw(323);
        EXPECT_TRUE(in(wall, 137, 158) || in(wall, 285, 288)) << wall;
        EXPECT_TRUE(in(boost, 1, 10) || in(boost, 163, 164)) << boost;
        EXPECT_TRUE(in(level3, 289, 291) || level3 == 186 || level3 == 166) << level3;
        EXPECT_EQ(draw(20), 20);
    }
    engine->Random_Seed(5);
    const int expected = hge->Random_Int(0, 1) == 0 ? hge->Random_Int(137, 158) : hge->Random_Int(285, 288);
    engine->Random_Seed(5);
    EXPECT_EQ(draw(60), expected) << "the coin flip is drawn first, then the id";
}

TEST_F(HandTest, RoundStartCoinsAndHand) {
    const int rows[][4] = {{1, 1, 2, 0}, {3, 2, 1, 1}, {4, 2, 0, 0}};  // opponent, quest, coins each side
    for (const auto& r : rows) {
        selectedOpp = r[0];
        pl[0].questNum = r[1];
        pl[0].hand[1] = 9;
        receiveCond(0, C_TOXI, 1);
        resetHand(0);
        resetHand(1);
        EXPECT_EQ(pl[0].coin[2], r[2]) << r[0];
        EXPECT_EQ(pl[1].coin[0], r[3]) << r[0];
        EXPECT_EQ(pl[0].hand[1] + pl[0].cond[1], 0);
        EXPECT_FLOAT_EQ(pl[0].cardDrawTimer[1], 1.5f);
    }
}

TEST_F(HandTest, OpponentPlaysCardsAndDiscardsAnUnneededCure) {
    Player& p = pl[1];
    p.ai = AI_ECHELON1;
    makeCard(20, 0, 0, 0);
    const auto plays = [](int slot) {
        return [slot] { return hge->Random_Int(0, 10 - AI_ECHELON1) == 0 && hge->Random_Int(0, 2) == slot; };
    };
    p.hand[1] = p.hand[2] = 20;
    seedWhere(plays(1));
    playOpponentCards();
    EXPECT_EQ(p.hand[1], 0) << "a cure is thrown away while the opponent is healthy";
    receiveCond(1, C_DZ, 1);
    seedWhere(plays(2));
    playOpponentCards();
    EXPECT_GT(p.cardUseTimer[2], 0) << "an ailing opponent plays its cure";
    // Under C_ZOM the policy is suspended and draws no random number.
    p.cardUseTimer[2] = 0;
    receiveCond(1, C_ZOM, 1);
    seedWhere(plays(2));
    playOpponentCards();
    EXPECT_EQ(p.cardUseTimer[2], 0);
    EXPECT_EQ(hge->Random_Int(0, 10 - AI_ECHELON1), 0);
}

}  // namespace
