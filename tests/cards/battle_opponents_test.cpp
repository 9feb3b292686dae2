// Opponents: round titles, deck additions, unlocking, and the special casts paid with fuel.
#include <algorithm>

#include "cards/conditions.h"
#include "cards/decks.h"
#include "cards/hand.h"
#include "cards/opponents.h"
#include "tests/cards/battle_cards_support.h"

namespace {

class OpponentsTest : public BattleCardsTest {
protected:
    // Deck size of `opp` after the additions of rounds 0..lastRound on its 50 starting cards.
    static int deckAfterRound(int opp, int lastRound) {
        selectedOpp = opp;
        pl[1].deckSize = STARTINGCARDSINDECK;
        for (curRound = 0; curRound <= lastRound; ++curRound) addOppCards();
        return pl[1].deckSize;
    }
    static void crowdField() {
        for (int i = 0; i < 11; ++i) {
            en[i].active = true;
            en[i].side = 1;
            en[i].hp = 10;
        }
    }
};

TEST_F(OpponentsTest, RoundTitlesAndLocations) {
    const auto title = [](int opp, int round) {
        selectedOpp = opp;
        curRound = round;
        return getCurOppName();
    };
    EXPECT_EQ(title(0, 1), "Denizen Xtreme");
    EXPECT_EQ(title(0, 2), "");
    EXPECT_EQ(title(3, 1), "2nd Deadly Child in the Pain");
    EXPECT_EQ(title(6, 7), "4D Owner");
    EXPECT_EQ(title(6, 8), "");
    EXPECT_EQ(title(7, 41), "EX mission, round 42");
    EXPECT_STREQ(locationName(), "Everywhere");
    EXPECT_EQ(questionMark("AB 3-c"), "?? 3-?");
}

TEST_F(OpponentsTest, DeckGrowsRoundByRound) {
    EXPECT_EQ(deckAfterRound(2, 3), 77);
    EXPECT_EQ(deckAfterRound(6, 7), 133) << "the largest deck";
    EXPECT_EQ(deckAfterRound(0, 5), 63);
    EXPECT_EQ(deckAfterRound(1, 2), 50 + 21 + 11);
    EXPECT_EQ(deckAfterRound(3, 5), 50 + 11 + 9 + 10 + 10 + 7);
    EXPECT_EQ(deckAfterRound(4, 6), 50 + 12 + 8 + 10 + 11 + 9 + 7);
    EXPECT_EQ(deckAfterRound(5, 4), 50 + 15 + 15 + 13 + 8);
    EXPECT_EQ(deckAfterRound(7, 3), 50);
    EXPECT_EQ(getCardQty(1, 275), 0);
    deckAfterRound(6, 3);
    EXPECT_EQ(getCardQty(1, 275), 3);
    EXPECT_EQ(getCardQty(1, 276), 4);
}

TEST_F(OpponentsTest, UnlockingAndTheDeckLimit) {
    beat[0] = beat[1] = 1;
    pl[0].deckSize = 200;
    for (int opp = 0; opp <= 7; ++opp) EXPECT_EQ(canStartMatch(opp), opp <= 3) << opp;
    pl[0].questNum = 2;
    EXPECT_TRUE(canStartMatch(7)) << "the EX mission opens in the second quest";
    pl[0].deckSize = 201;
    for (int opp = 0; opp <= 7; ++opp) EXPECT_FALSE(canStartMatch(opp)) << opp;
    setUnlockThresholds();
    const float thresholds[8] = {0, 0, 1, 1, 3, 3, 6, 0};
    EXPECT_TRUE(std::equal(thresholds, thresholds + 8, pl[0].misc + M_UNLOCK));
}

TEST_F(OpponentsTest, CrowdedFieldCastsArePaidWithFuel) {
    makeCard(319, 5, 5, 5, CT_WEAPON, 1, 4, -1, "Sweeper");
    selectedOpp = 4;
    Player& p = pl[1];
    p.ai = AI_ECHELON2;
    p.fuel = 150;
    p.cardDrawTimer[0] = 0.7f;
    const auto lucky = [] { return hge->Random_Int(0, 20) == 0; };
    seedWhere(lucky);
    opponentSpecialCasts();
    EXPECT_EQ(p.aiCard, 0) << "no crowd, no cast";
    crowdField();
    seedWhere(lucky);
    opponentSpecialCasts();
    EXPECT_EQ(p.aiCard, 319);
    EXPECT_FLOAT_EQ(p.fuel, 50);
    EXPECT_TRUE(logContains("2P uses Sweeper"));
    EXPECT_FLOAT_EQ(p.cardDrawTimer[0], 0.7f) << "a cast touches no hand slot";
    p.aiCard = 0;
    p.fuel = 110;
    seedWhere(lucky);
    opponentSpecialCasts();
    EXPECT_EQ(p.aiCard, 0) << "110 fuel is not above 110";
}

TEST_F(OpponentsTest, SecondQuestCastsByRoll) {
    selectedOpp = 5;
    pl[0].questNum = 2;
    Player& p = pl[1];
    p.ai = AI_ECHELON1;  // no crowded-field cast: the first draw is the second-quest roll
    const auto roll = [](int r) { return [r] { return hge->Random_Int(0, 30) == 0 && hge->Random_Int(0, 7) == r; }; };
    p.fuel = 76;
    seedWhere(roll(0));
    opponentSpecialCasts();
    EXPECT_TRUE(passiveExists(1, P_QUICKCARDS));
    EXPECT_FLOAT_EQ(p.fuel, 26);
    p.fuel = 200;
    seedWhere(roll(6));
    opponentSpecialCasts();
    EXPECT_EQ(p.aiCard, 279) << "roll 6 needs a crowded field";
    crowdField();
    seedWhere(roll(6));
    opponentSpecialCasts();
    EXPECT_EQ(p.aiCard, 21);
    EXPECT_FLOAT_EQ(p.fuel, 150);
    EXPECT_EQ(en[0].hp, 5) << "card 21 halves the caster's own enemies";
}

}  // namespace
