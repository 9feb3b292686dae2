#include <algorithm>
#include <vector>

#include "cards/decks.h"
#include "shell/world.h"
#include "tests/support/engine_test.h"

class DecksTest : public EngineTest {
protected:
    std::vector<int> deckOf(int side) { return {pl[side].deck, pl[side].deck + pl[side].deckSize}; }
};

TEST_F(DecksTest, StartingDecksSubstituteTheVehicleWeaponOnlyForTheHuman) {
    selectedDeck = 3;
    selectedVeh = 2;
    selectedOpp = 4;
    for (int i = 0; i < STARTINGCARDSINDECK; ++i) {
        deckDB[3][i] = i + 1;
        deckDB[MAXDECKS + 4][i] = 100 + i;
    }
    deckDB[3][0] = deckDB[3][17] = deckDB[3][49] = -1;
    deckDB[MAXDECKS + 4][5] = -1;
    pl[0].deckSize = pl[1].deckSize = 7;

    initNewDeck(0);
    initNewDeck(1);
    EXPECT_EQ(pl[0].deckSize, 7);  // the caller sets the size
    pl[0].deckSize = pl[1].deckSize = STARTINGCARDSINDECK;

    EXPECT_EQ(getCardQty(0, 197), 3);
    EXPECT_EQ(pl[0].deck[1], 2);
    EXPECT_EQ(pl[0].deck[49], 197);
    EXPECT_EQ(pl[1].deck[5], -1);  // the opponent's rows are copied as they are
    EXPECT_EQ(pl[1].deck[49], 149);
}

TEST_F(DecksTest, ShuffleIsAFisherYatesFromTheBackOverTheCardsInUse) {
    Player& p = pl[1];
    p.deckSize = 60;
    for (int i = 0; i < MAXDECKSIZE; ++i) p.deck[i] = i;
    p.deckPos = 9;

    std::vector<int> expected(p.deck, p.deck + 60);
    engine->Random_Seed(77);
    for (int i = 59; i >= 0; --i) std::swap(expected[i], expected[hge->Random_Int(0, i)]);
    const int nextDraw = hge->Random_Int(0, 1000000);

    engine->Random_Seed(77);
    shuffleDeck(1);
    EXPECT_EQ(deckOf(1), expected);
    EXPECT_EQ(hge->Random_Int(0, 1000000), nextDraw);  // no extra draws
    EXPECT_EQ(p.deckPos, 9);
    for (int i = 60; i < MAXDECKSIZE; ++i) ASSERT_EQ(p.deck[i], i) << "place beyond deckSize touched";
}

TEST_F(DecksTest, ShufflingNoneOrOneCardChangesNothing) {
    pl[0].deck[0] = 42;
    pl[0].deck[1] = 43;
    pl[0].deckSize = 0;
    shuffleDeck(0);
    pl[0].deckSize = 1;
    shuffleDeck(0);
    EXPECT_EQ(pl[0].deck[0], 42);
    EXPECT_EQ(pl[0].deck[1], 43);
}

TEST_F(DecksTest, AddRemoveAndCount) {
    Player& p = pl[0];
    for (int c : {5, 6, 5, 7}) addToDeck(0, c);
    ASSERT_EQ(deckOf(0), (std::vector<int>{5, 6, 5, 7}));
    p.deck[4] = 5;  // a stale place beyond deckSize is not counted
    EXPECT_EQ(getCardQty(0, 5), 2);

    removeFromDeck(1);
    EXPECT_EQ(deckOf(0), (std::vector<int>{5, 5, 7}));
    removeFromDeck(2);  // the last place: only the size drops
    EXPECT_EQ(deckOf(0), (std::vector<int>{5, 5}));
    EXPECT_EQ(p.deck[2], 7);
    removeFromDeck(2);
    removeFromDeck(-1);
    EXPECT_EQ(p.deckSize, 2);
}

TEST_F(DecksTest, AFullDeckTakesNoMoreCards) {
    Player& p = pl[1];
    for (int i = 0; i < MAXDECKSIZE + 5; ++i) addToDeck(1, 9);
    EXPECT_EQ(p.deckSize, MAXDECKSIZE);
    EXPECT_EQ(getCardQty(1, 9), MAXDECKSIZE);
    EXPECT_EQ(p.deckPos, 0);  // the next field after the deck is untouched
}

TEST_F(DecksTest, SortsAreStableAndCompareNamesByteByByte) {
    crd[10].type = 3;
    crd[11].type = 1;
    crd[12].type = 3;
    crd[13].type = 0;
    int ids[] = {10, 11, 12, 13, 11};
    sortArray(ids, 5);
    EXPECT_EQ(std::vector<int>(ids, ids + 5), (std::vector<int>{13, 11, 11, 10, 12}));

    crd[10].name = "axe";
    crd[11].name = "Zap";
    crd[12].name = "\xC3\xA9lan";  // a byte above 0x7F sorts after every ASCII letter
    crd[13].name = "axe";
    int named[] = {12, 13, 10, 11};
    sortArrayByName(named, 4);
    EXPECT_EQ(std::vector<int>(named, named + 4), (std::vector<int>{11, 13, 10, 12}));

    int values[] = {9, 8, 5, 3, 4, 1};
    sortByNumber(values, 2, 3);
    EXPECT_EQ(std::vector<int>(values, values + 6), (std::vector<int>{9, 8, 3, 4, 5, 1}));
}

TEST_F(DecksTest, SortingAnIdOutsideTheCatalogueDoesNotReadPastIt) {
    crd[1].type = 2;
    int ids[] = {1, -1, MAXCARDS + 3};
    sortArray(ids, 3);
    EXPECT_EQ(ids[2], 1);
}
