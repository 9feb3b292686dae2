// The selection screens driven by keys and clicks: vehicle and deck choice, the opponent
// locks and the deck-size rule, the hint switch, and the deck viewer's moves and deletes.
#include "cards/opponents.h"
#include "screens/menu.h"
#include "screens/selection.h"
#include "screens/text_places.h"
#include "shell/modes.h"
#include "tests/screens/menu_fixture.h"

namespace {

class SelectionTest : public MenuTest {
protected:
    void SetUp() override {
        MenuTest::SetUp();
        engine->moveMouse(400, 300);
    }
    // The opponent screen of a running game whose deck holds `cards` cards.
    void openOpponents(int cards, bool fresh = false) {
        newGame = fresh;
        pl[0].questNum = 1;
        pl[0].deckSize = cards;
        for (int i = 0; i < cards; ++i) pl[0].deck[i] = 1 + i % 40;
        initSelectOppScreen();
        engine->moveMouse(400, 10);
        frame();
    }
};

TEST_F(SelectionTest, DeckRowsWrapSidewaysAndUpDownFollowTheTable) {
    EXPECT_EQ(deckNeighbour(0, -1, 0), 2);
    EXPECT_EQ(deckNeighbour(2, 1, 0), 0);
    EXPECT_EQ(deckNeighbour(3, -1, 0), 8);
    EXPECT_EQ(deckNeighbour(8, 1, 0), 3);
    EXPECT_EQ(deckNeighbour(9, -1, 0), 11);
    EXPECT_EQ(deckNeighbour(11, 1, 0), 9);
    const int up[12] = {9, 10, 11, 0, 0, 0, 1, 2, 2, 5, 6, 7};
    const int down[12] = {5, 6, 7, 9, 9, 9, 10, 11, 11, 0, 1, 2};
    for (int d = 0; d < 12; ++d) {
        EXPECT_EQ(deckNeighbour(d, 0, -1), up[d]) << d;
        EXPECT_EQ(deckNeighbour(d, 0, 1), down[d]) << d;
    }
}

TEST_F(SelectionTest, ANewGameGoesFromVehicleToDeckToOpponentAndBack) {
    newGame = true;
    selected = 4;
    initSelectVehScreen();
    EXPECT_EQ(pl[0].saveSlot, 4);
    press(vk::LEFT);
    EXPECT_EQ(selectedVeh, 7);
    press(pl[0].opt[OPT_KEYRIGHT]);
    EXPECT_EQ(selectedVeh, 0);
    clickOn(5);
    EXPECT_EQ(selectedVeh, 5);
    press(vk::ENTER);
    ASSERT_EQ(gameMode, MODE_SELECTDECK);
    EXPECT_EQ(selectedDeck, 9);
    press(vk::UP);
    EXPECT_EQ(selectedDeck, 5);
    press(vk::ESCAPE);
    EXPECT_EQ(gameMode, MODE_SELECTVEH);
    press(vk::SPACE);
    press(vk::DOWN);
    doubleClickOn(1);
    ASSERT_EQ(gameMode, MODE_SELECTOPP);
    EXPECT_EQ(selectedDeck, 1);
    press(vk::ESCAPE);
    EXPECT_EQ(gameMode, MODE_SELECTDECK) << "a new game goes back to the decks";
}

TEST_F(SelectionTest, TheDeckScreenWritesEveryWordOfEachDecksDescriptionInsideItsPanel) {
    initSelectDeckScreen();
    const hgeRect panel = textPanelInside(DECKDESCPANEL);
    for (int d = 0; d < MAXDECKS; ++d) {
        selectedDeck = d;
        look();
        std::string shown;
        for (const DrawnText& t : texts()) {
            if (t.font != fontArial || !panel.TestPoint(t.x, t.y)) continue;
            EXPECT_LE(t.y + fontArial->GetHeight() * t.scale, panel.y2 + 0.5f) << t.text;
            shown += (shown.empty() ? "" : " ") + t.text;
        }
        EXPECT_EQ(shown, deckDesc[d]) << "deck " << d;
    }
    EXPECT_EQ(fontArial->GetScale(), 1);
}

TEST_F(SelectionTest, LockedOpponentsCannotBeStartedUntilEnoughAreBeaten) {
    openOpponents(50, true);
    EXPECT_TRUE(canStartMatch(1));
    press(vk::RIGHT);
    press(vk::RIGHT);
    EXPECT_EQ(selectedOpp, 2);
    press(vk::ENTER);
    EXPECT_EQ(gameMode, MODE_SELECTOPP) << "tier 2 needs one opponent beaten";
    look();
    EXPECT_NE(findText("Defeat 1 opponent to unlock."), nullptr);
    EXPECT_NE(findText("(Need to beat 1 more)"), nullptr);
    EXPECT_EQ(quadAt(pos[12].x1, pos[12].y1), -1) << "no OK button on a locked opponent";

    openOpponents(50);
    beat[0] = 1;
    press(vk::LEFT);
    EXPECT_EQ(selectedOpp, 6) << "left from the first wraps to the last";
    press(vk::RIGHT);
    press(vk::RIGHT);
    press(vk::RIGHT);
    EXPECT_EQ(selectedOpp, 2);
    press(vk::DOWN);
    EXPECT_EQ(selectedOpp, 2) << "up and down move the focus, not the choice";
    press(vk::UP);
    press(vk::SPACE);
    EXPECT_EQ(gameMode, MODE_GAME);
}

TEST_F(SelectionTest, ADeckOfMoreThan200CardsStartsNoMatch) {
    openOpponents(201);
    press(vk::ENTER);
    EXPECT_EQ(gameMode, MODE_SELECTOPP);
    look();
    EXPECT_NE(findText("Too many cards in deck, please delete down to 200 cards."), nullptr);
    doubleClickOn(0);
    EXPECT_EQ(gameMode, MODE_SELECTOPP);
    openOpponents(200);
    doubleClickOn(1);
    EXPECT_EQ(gameMode, MODE_GAME);
    EXPECT_EQ(selectedOpp, 1);
}

TEST_F(SelectionTest, TheExMissionIsOfferedOnlyInTheSecondQuest) {
    openOpponents(50);
    clickOn(14);
    EXPECT_EQ(selectedOpp, 0);
    pl[0].questNum = 2;
    clickOn(14);
    EXPECT_EQ(selectedOpp, EXMISSION);
    look();
    EXPECT_NE(findText("EX Mission"), nullptr);
    EXPECT_NE(findText("Rounds: Endless"), nullptr);
    press(vk::ENTER);
    EXPECT_EQ(gameMode, MODE_GAME);
}

TEST_F(SelectionTest, TheHintBoxIsWrittenAtOnceAndTheViewerOnlyOpensInARunningGame) {
    openOpponents(50, true);
    const int before = pl[0].opt[OPT_TUTORIAL];
    clickOn(10);
    EXPECT_EQ(pl[0].opt[OPT_TUTORIAL], 1 - before);
    EXPECT_EQ(iniValue("Misc", "display tutorial info while playing"), 1 - before);
    press('V');
    EXPECT_EQ(gameMode, MODE_SELECTOPP);
    openOpponents(50);
    press('V');
    EXPECT_EQ(gameMode, MODE_VIEWDECK);
    press(vk::ESCAPE);
    EXPECT_EQ(gameMode, MODE_SELECTOPP);
    press(vk::ESCAPE);
    EXPECT_EQ(gameMode, MODE_TITLE) << "a running game goes back to the title";
}

class DeckViewerTest : public SelectionTest {
protected:
    void openViewer(int cards) {
        pl[0].deckSize = cards;
        for (int i = 0; i < cards; ++i) pl[0].deck[i] = 1 + i;
        initViewDeckScreen();
        engine->moveMouse(600, 500);
        frame();
    }
};

TEST_F(DeckViewerTest, MovesStopAtColumnEndsAndNeverPassTheLastCard) {
    openViewer(50);
    press(vk::UP);
    EXPECT_EQ(selected, 0) << "up from the top reaches the buttons";
    press(vk::UP);
    EXPECT_EQ(selected, 34) << "and up from them the bottom of the column";
    press(vk::DOWN);
    press(vk::DOWN);
    EXPECT_EQ(selected, 0) << "down past the buttons goes to the top";
    press(vk::LEFT);
    EXPECT_EQ(selected, 0);
    selected = 20;
    press(vk::RIGHT);
    EXPECT_EQ(selected, 49) << "right past the last card stops on it";
    press(vk::DOWN);
    press(vk::DOWN);
    EXPECT_EQ(selected, 35) << "down past the last card and the buttons goes to the top of the last column";
    press(vk::UP);
    press(vk::UP);
    EXPECT_EQ(selected, 49) << "up from the buttons into a short column stops on the last card";
    press(vk::LEFT);
    EXPECT_EQ(selected, 14);
}

TEST_F(DeckViewerTest, CardsCanBeDeletedOnlyAbove100AndTheSelectionFollows) {
    openViewer(101);
    selected = 100;
    clickOn(221);
    EXPECT_EQ(pl[0].deckSize, 100);
    EXPECT_EQ(selected, 99) << "the selection stays on a card";
    clickOn(221);
    EXPECT_EQ(pl[0].deckSize, 100) << "a deck of 100 keeps every card";
}

TEST_F(DeckViewerTest, BothSortsByButtonAndByKey) {
    openViewer(3);
    pl[0].deck[0] = 300;
    pl[0].deck[1] = 2;
    pl[0].deck[2] = 150;
    press(vk::F2);
    for (int i = 0; i + 1 < 3; ++i)
        EXPECT_LE(crd[pl[0].deck[i]].name, crd[pl[0].deck[i + 1]].name);
    clickOn(223);
    for (int i = 0; i + 1 < 3; ++i) {
        const Card& a = crd[pl[0].deck[i]];
        const Card& b = crd[pl[0].deck[i + 1]];
        EXPECT_TRUE(a.type < b.type || (a.type == b.type && pl[0].deck[i] < pl[0].deck[i + 1]));
    }
}

}  // namespace
