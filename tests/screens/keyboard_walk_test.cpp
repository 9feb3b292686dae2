// Every menu reached from the title and worked with keys alone, the pointer never touched.
// On each screen the focus is walked over every control: its edge must be drawn once, on
// the screen and across no letter, move with every key and come round again; and every
// control is acted on where that is safe.
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "cards/hand.h"
#include "cards/opponents.h"
#include "cards/savegame.h"
#include "replay/recorder.h"
#include "screens/menu.h"
#include "screens/stat_rows.h"
#include "screens/text_places.h"
#include "screens/title.h"
#include "shell/exits.h"
#include "shell/modes.h"
#include "tests/screens/menu_fixture.h"

namespace {

bool sameBox(const hgeRect& a, const hgeRect& b) {
    return a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2;
}
bool overlap(const hgeRect& a, const hgeRect& b) { return a.x1 < b.x2 && b.x1 < a.x2 && a.y1 < b.y2 && b.y1 < a.y2; }
bool encloses(const hgeRect& outer, const hgeRect& inner) {
    return outer.x1 <= inner.x1 && outer.y1 <= inner.y1 && outer.x2 >= inner.x2 && outer.y2 >= inner.y2;
}
hgeRect boxOf(const hgeQuad& q) {
    hgeRect r(q.v[0].x, q.v[0].y, q.v[0].x, q.v[0].y);
    for (const hgeVertex& v : q.v) r.Encapsulate(v.x, v.y);
    return r;
}

class KeyboardWalkTest : public MenuTest {
protected:
    void SetUp() override {
        MenuTest::SetUp();
        initTitleScreen();
        frame();
    }

    // The strips of the focus edge in a picture of this frame.
    std::vector<hgeRect> focusStrips() {
        look();
        std::vector<hgeRect> strips;
        for (const hgeQuad& q : quads())
            if (q.v[0].col == FOCUSCOLOR && q.v[2].col == FOCUSCOLOR) strips.push_back(boxOf(q));
        return strips;
    }

    // The lines of text in the last picture, each as the box its letters fill.
    static std::vector<std::pair<hgeRect, std::string>> lines() {
        std::vector<std::pair<hgeRect, std::string>> found;
        for (const DrawnText& t : texts()) {
            const float height = t.font->GetHeight() * t.scale;
            float y = t.y;
            std::size_t start = 0;
            while (start <= t.text.size()) {
                const std::size_t end = std::min(t.text.find('\n', start), t.text.size());
                const std::string line = t.text.substr(start, end - start);
                const float width = t.font->GetStringWidth(line.c_str()) / t.font->GetScale() * t.scale;
                const float x = t.align == HGETEXT_RIGHT    ? t.x - width
                                : t.align == HGETEXT_CENTER ? t.x - width / 2
                                                            : t.x;
                if (line.find_first_not_of(' ') != std::string::npos)
                    found.emplace_back(hgeRect(x, y, x + width, y + height), line);
                y += height;
                start = end + 1;
            }
        }
        return found;
    }

    // The box the focus edge encloses, once it is checked: drawn once, on the screen,
    // across no letter.
    hgeRect focusBox(const std::string& where) {
        const std::vector<hgeRect> strips = focusStrips();
        EXPECT_EQ(strips.size(), 4u) << where << ": one focus edge";
        if (strips.empty()) return {};
        hgeRect box = strips[0];
        for (const hgeRect& s : strips) {
            box.Encapsulate(s.x1, s.y1);
            box.Encapsulate(s.x2, s.y2);
        }
        EXPECT_TRUE(box.x1 >= 0 && box.y1 >= 0 && box.x2 <= SCREEN_WIDTH && box.y2 <= SCREEN_HEIGHT)
            << where << ": the focus leaves the screen at " << box.x1 << "," << box.y1 << " - " << box.x2 << ","
            << box.y2;
        for (const auto& [letter, text] : lines())
            for (const hgeRect& s : strips)
                if (overlap(s, letter)) {
                    ADD_FAILURE() << where << ": the focus edge crosses \"" << text << "\" at " << letter.x1 << ","
                                  << letter.y1 << " - " << letter.x2 << "," << letter.y2;
                    return box;
                }
        return box;
    }

    // Presses `key` until the focus is back where it began, each stop checked as by
    // focusBox and unlike the one before; the stops in the order met.
    std::vector<hgeRect> walkRound(int key, const std::string& where, int most = 45) {
        std::vector<hgeRect> stops{focusBox(where)};
        for (int i = 1; i <= most; ++i) {
            press(key);
            const std::string at = where + ", press " + std::to_string(i);
            const hgeRect box = focusBox(at);
            if (sameBox(box, stops.front())) return stops;
            EXPECT_FALSE(sameBox(box, stops.back())) << at << ": the focus did not move";
            stops.push_back(box);
        }
        ADD_FAILURE() << where << ": the focus never came round";
        return stops;
    }

    // Down (or `key`) until the focus is on pos[place]; false when it never gets there.
    bool moveFocusTo(int place, int key = vk::DOWN) {
        for (int i = 0; i < 45; ++i) {
            if (encloses(focusBox("on the way"), pos[place])) return true;
            press(key);
        }
        return false;
    }

    static bool reaches(const std::vector<hgeRect>& stops, const hgeRect& control) {
        return std::any_of(stops.begin(), stops.end(), [&](const hgeRect& s) { return encloses(s, control); });
    }
    void expectReaches(const std::vector<hgeRect>& stops, std::initializer_list<int> places, const std::string& where) {
        for (int place : places)
            EXPECT_TRUE(reaches(stops, pos[place])) << where << ": pos[" << place << "] never in focus";
    }

    // The words written in font1 inside a panel, joined by spaces.
    std::string panelWords(const hgeRect& panel) {
        look();
        std::string shown;
        const hgeRect inside = textPanelInside(panel);
        for (const DrawnText& t : texts())
            if (t.font == font1 && inside.TestPoint(t.x, t.y)) shown += (shown.empty() ? "" : " ") + t.text;
        return shown;
    }

    void pressTimes(int key, int times) {
        for (int i = 0; i < times; ++i) press(key);
    }

    // Title, New Game, the first empty slot, the first vehicle, deck and opponent.
    void newGameByKeys() {
        ASSERT_EQ(gameMode, MODE_TITLE);
        const int modes[] = {MODE_LOAD, MODE_SELECTVEH, MODE_SELECTDECK, MODE_SELECTOPP, MODE_GAME};
        for (int mode : modes) {
            press(vk::ENTER);
            ASSERT_EQ(gameMode, mode);
        }
    }

    // The match's rounds won one after another, by the rival's heart taken away.
    void winMatch() {
        for (int round = 0; gameMode == MODE_GAME && round < 10; ++round) {
            pl[1].heart = 0;
            frame();
            if (gameMode == MODE_WINROUND) {
                EXPECT_EQ(focusStrips().size(), 0u) << "the won round has nothing to focus";
                waitSeconds(3.1f);
            }
        }
        ASSERT_EQ(gameMode, MODE_WINMATCH);
        waitSeconds(3.1f);
    }
};

TEST_F(KeyboardWalkTest, TheInstructionsTheCreditsAndTheExitQuestionFromTheTitle) {
    for (int leave : {vk::ESCAPE, vk::PADBACK, vk::SPACE, vk::ENTER}) {
        pressTimes(vk::DOWN, TITLE_INSTRUCTIONS);
        press(vk::ENTER);
        ASSERT_EQ(gameMode, MODE_INST);
        press('A');
        EXPECT_EQ(gameMode, MODE_INST);
        press(leave);
        EXPECT_EQ(gameMode, MODE_TITLE) << "the instructions leave on " << leave;
    }
    for (int leave : {vk::ESCAPE, vk::PADBACK, vk::ENTER}) {
        pressTimes(vk::DOWN, TITLE_CREDITS);
        press(vk::ENTER);
        ASSERT_EQ(gameMode, MODE_CREDITS);
        press(leave);
        EXPECT_EQ(gameMode, MODE_TITLE) << "the credits leave on " << leave;
    }

    press(vk::DOWN);
    press(vk::ESCAPE);
    ASSERT_EQ(gameMode, MODE_CONFIRMEXIT);
    for (int key : {vk::LEFT, vk::DOWN}) expectReaches(walkRound(key, "exit question"), {111, 112}, "exit question");
    press(vk::PADBACK);
    EXPECT_EQ(gameMode, MODE_TITLE) << "B answers No";
    EXPECT_EQ(selected, 1) << "the title keeps its choice";
    press(vk::ESCAPE);
    press(vk::ENTER);
    EXPECT_EQ(gameMode, MODE_TITLE) << "Enter answers the No in focus";
    EXPECT_FALSE(done);
    press(vk::ESCAPE);
    press(vk::RIGHT);
    press(vk::SPACE);
    EXPECT_TRUE(done);
}

TEST_F(KeyboardWalkTest, TheLoadScreensSlotsRestoreButtonAndBack) {
    writeSave(2, 6, 10, 50, "1100000");
    writeFile("save2.kvb.bak", readFile("save2.kvb"));
    writeFile("save2.kvb", "damaged\n");
    press(vk::ENTER);
    ASSERT_EQ(gameMode, MODE_LOAD);

    const std::vector<hgeRect> left = walkRound(vk::DOWN, "left column");
    expectReaches(left, {0, 1, 2, 3, 4, 21}, "left column");
    EXPECT_TRUE(std::any_of(left.begin(), left.end(), [](const hgeRect& s) { return encloses(pos[2], s); }))
        << "slot 2's Restore button, inside it, has a stop";
    EXPECT_EQ(walkRound(vk::UP, "left column upwards").size(), left.size());
    press(vk::RIGHT);
    EXPECT_EQ(selected, 5);
    expectReaches(walkRound(vk::DOWN, "right column"), {5, 6, 7, 8, 9, 21}, "right column");
    press(vk::UP);
    expectReaches(walkRound(vk::LEFT, "buttons"), {20, 21}, "buttons");

    press(vk::LEFT);
    press(vk::ENTER);
    ASSERT_EQ(gameMode, MODE_TITLE) << "Enter on Back";
    press(vk::ENTER);
    ASSERT_EQ(gameMode, MODE_LOAD);
    pressTimes(vk::DOWN, 3);
    press(vk::ENTER);
    EXPECT_TRUE(sv[2].exists) << "Enter on Restore backup";
    EXPECT_EQ(readFile("save2.kvb"), readFile("save2.kvb.bak"));
    EXPECT_EQ(gameMode, MODE_LOAD);
    press(vk::ENTER);
    EXPECT_EQ(gameMode, MODE_LOAD) << "the restored slot holds a game: no new game there";
    press(vk::DOWN);
    press(vk::ENTER);
    ASSERT_EQ(gameMode, MODE_SELECTVEH);
    EXPECT_EQ(pl[0].saveSlot, 3);
}

TEST_F(KeyboardWalkTest, TheVehicleStatisticsAreDescribedAsTheFocusWalksThem) {
    pressTimes(vk::ENTER, 2);
    ASSERT_EQ(gameMode, MODE_SELECTVEH);
    const hgeRect panel = VEHSTATDESCPANEL;
    EXPECT_EQ(panelWords(panel), STATDESCHINT);
    const std::vector<hgeRect> stops = walkRound(vk::DOWN, "vehicle screen");
    expectReaches(stops, {60, 61, 62, 63, 64, 65, 66, 40, 41, 42, 43, 44, 45}, "vehicle screen");
    EXPECT_EQ(walkRound(vk::UP, "vehicle screen upwards").size(), stops.size());

    std::vector<std::string> shown;
    for (int i = 0; i < 11; ++i) {
        press(vk::DOWN);
        shown.push_back(panelWords(panel));
    }
    for (int k = 0; k < NUMSTATS + 3; ++k) EXPECT_EQ(shown[k], statDesc[k]) << "row " << k;
    EXPECT_EQ(shown[10], wpnDesc[0]);
    press(vk::RIGHT);
    EXPECT_EQ(selectedVeh, 1) << "Left and Right choose the vehicle wherever the focus is";
    EXPECT_EQ(panelWords(panel), wpnDesc[1]) << "the weapon in focus is the new vehicle's";
    pressTimes(vk::DOWN, 3);
    EXPECT_EQ(panelWords(panel), STATDESCHINT) << "back on the vehicles";
    expectReaches(walkRound(vk::RIGHT, "vehicles"), {0, 1, 2, 3, 4, 5, 6, 7}, "vehicles");

    press(vk::UP);
    press(vk::ENTER);
    ASSERT_EQ(gameMode, MODE_TITLE) << "Enter on Back";
    pressTimes(vk::ENTER, 2);
    pressTimes(vk::UP, 2);
    press(vk::SPACE);
    EXPECT_EQ(gameMode, MODE_SELECTDECK) << "Space on OK";
}

TEST_F(KeyboardWalkTest, TheDeckAndOpponentSelectionsOfANewGame) {
    pressTimes(vk::ENTER, 3);
    ASSERT_EQ(gameMode, MODE_SELECTDECK);
    expectReaches(walkRound(vk::DOWN, "decks, down"), {24}, "decks, down");
    std::vector<hgeRect> decks;
    for (int row = 0; row < 3; ++row) {
        const std::vector<hgeRect> stops = walkRound(vk::RIGHT, "deck row " + std::to_string(row));
        decks.insert(decks.end(), stops.begin(), stops.end());
        press(vk::UP);
    }
    expectReaches(decks, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, "deck rows");
    expectReaches(walkRound(vk::LEFT, "deck buttons"), {24, 25}, "deck buttons");
    press(vk::LEFT);
    press(vk::ENTER);
    ASSERT_EQ(gameMode, MODE_SELECTVEH) << "Enter on Back";
    press(vk::ENTER);
    press(vk::DOWN);
    press(vk::ENTER);
    ASSERT_EQ(gameMode, MODE_SELECTOPP) << "Enter on OK";

    expectReaches(walkRound(vk::DOWN, "opponents of a new game"), {10, 11, 12}, "opponents of a new game");
    expectReaches(walkRound(vk::RIGHT, "opponents"), {0, 1, 2, 3, 4, 5, 6}, "opponents");
    const int hints = pl[0].opt[OPT_TUTORIAL];
    press(vk::DOWN);
    press(vk::ENTER);
    EXPECT_EQ(pl[0].opt[OPT_TUTORIAL], 1 - hints) << "Enter on the hint switch";
    press(vk::SPACE);
    EXPECT_EQ(pl[0].opt[OPT_TUTORIAL], hints);
    press(vk::DOWN);
    press(vk::ENTER);
    ASSERT_EQ(gameMode, MODE_SELECTDECK) << "Enter on Back";
    press(vk::ENTER);
    press(vk::UP);
    press(vk::ENTER);
    EXPECT_EQ(gameMode, MODE_GAME) << "Enter on OK";
}

TEST_F(KeyboardWalkTest, ThePauseItsQuestionsGameOverAndTheRunningGamesDeckViewer) {
    ASSERT_NO_FATAL_FAILURE(newGameByKeys());
    press(vk::ESCAPE);
    ASSERT_EQ(gameMode, MODE_PAUSE);
    expectReaches(walkRound(vk::DOWN, "pause"), {100, 101, 102, 103}, "pause");
    press(vk::ENTER);
    EXPECT_EQ(gameMode, MODE_GAME) << "Enter on Resume";
    press(vk::ESCAPE);
    press(vk::PADBACK);
    EXPECT_EQ(gameMode, MODE_GAME) << "B resumes";
    press(vk::ESCAPE);
    press(vk::DOWN);
    press(vk::ENTER);
    ASSERT_EQ(gameMode, MODE_OPTIONS);
    press(vk::ESCAPE);
    ASSERT_EQ(gameMode, MODE_PAUSE);
    EXPECT_EQ(selected, 1) << "the pause keeps Options in focus";
    press(vk::DOWN);
    press(vk::ENTER);
    ASSERT_EQ(gameMode, MODE_CONFIRMEXIT);
    expectReaches(walkRound(vk::RIGHT, "quit match?"), {111, 112}, "quit match?");
    press(vk::ENTER);
    ASSERT_EQ(gameMode, MODE_PAUSE) << "No";
    press(vk::DOWN);
    press(vk::ENTER);
    ASSERT_EQ(gameMode, MODE_CONFIRMEXIT);
    press(vk::ESCAPE);
    EXPECT_EQ(gameMode, MODE_PAUSE) << "Escape on the question to quit the game answers No";
    EXPECT_EQ(selected, 3) << "and the pause keeps Quit Game in focus";
    press(vk::UP);
    press(vk::ENTER);
    press(vk::LEFT);
    press(vk::ENTER);
    ASSERT_EQ(gameMode, MODE_SELECTOPP) << "Yes: the match is given up";

    expectReaches(walkRound(vk::DOWN, "opponents of a running game"), {10, 11, 12, 13}, "opponents of a running game");
    press(vk::ENTER);
    ASSERT_EQ(gameMode, MODE_GAME);
    pl[0].heart = 0;
    frame();
    ASSERT_EQ(gameMode, MODE_GAMEOVER);
    waitSeconds(2.6f);
    expectReaches(walkRound(vk::RIGHT, "game over"), {185, 186}, "game over");
    press(vk::SPACE);
    ASSERT_EQ(gameMode, MODE_GAME) << "Space on Retry";
    for (int quit : {vk::RIGHT, vk::ESCAPE}) {
        pl[0].heart = 0;
        frame();
        waitSeconds(2.6f);
        press(quit);
        if (quit == vk::RIGHT) press(vk::ENTER);
        ASSERT_EQ(gameMode, MODE_SELECTOPP) << "Quit match by " << quit;
        if (quit == vk::RIGHT) press(vk::ENTER);
    }
}

TEST_F(KeyboardWalkTest, TheDeckViewersListScrollsAndEveryButtonWorks) {
    ASSERT_NO_FATAL_FAILURE(newGameByKeys());
    press(vk::ESCAPE);
    pressTimes(vk::DOWN, 2);
    press(vk::ENTER);
    press(vk::LEFT);
    press(vk::ENTER);
    ASSERT_EQ(gameMode, MODE_SELECTOPP);
    pl[0].deckSize = 120;
    for (int i = 0; i < pl[0].deckSize; ++i) pl[0].deck[i] = 300 - i;
    pressTimes(vk::DOWN, 2);
    press(vk::ENTER);
    ASSERT_EQ(gameMode, MODE_VIEWDECK) << "Enter on View deck";

    const std::vector<hgeRect> column = walkRound(vk::DOWN, "first column");
    EXPECT_EQ(column.size(), 36u) << "35 names and the buttons";
    for (int i = 0; i < 35; ++i) EXPECT_TRUE(reaches(column, pos[i])) << i;
    pressTimes(vk::RIGHT, 3);
    EXPECT_EQ(selected, 105);
    EXPECT_EQ(walkRound(vk::UP, "short last column").size(), 16u) << "15 names and the buttons";

    // A held key scrolls on after a pause.
    engine->pressKey(vk::DOWN);
    waitSeconds(0.7f);
    engine->releaseKey(vk::DOWN);
    frame();
    EXPECT_GE(selected, 110);
    EXPECT_LT(selected, 120);
    while (selected > 105) press(vk::UP);
    press(vk::UP);
    expectReaches(walkRound(vk::RIGHT, "viewer buttons"), {221, 222, 223, 224}, "viewer buttons");

    const int first = pl[0].deck[105];
    pressTimes(vk::RIGHT, 2);
    press(vk::ENTER);
    EXPECT_EQ(pl[0].deckSize, 119) << "Enter on Delete card";
    EXPECT_NE(pl[0].deck[105], first);
    press(vk::LEFT);
    press(vk::ENTER);
    for (int i = 0; i + 1 < pl[0].deckSize; ++i)
        ASSERT_LE(cardData(pl[0].deck[i]).name, cardData(pl[0].deck[i + 1]).name) << "Enter on Sort by name";
    press(vk::LEFT);
    press(vk::SPACE);
    for (int i = 0; i + 1 < pl[0].deckSize; ++i)
        ASSERT_LE(cardData(pl[0].deck[i]).type, cardData(pl[0].deck[i + 1]).type) << "Space on Sort by type";
    press(vk::LEFT);
    press(vk::ENTER);
    EXPECT_EQ(gameMode, MODE_SELECTOPP) << "Enter on OK";
}

TEST_F(KeyboardWalkTest, AWonMatchItsUpgradesAndRewardsUpToTheEnding) {
    ASSERT_NO_FATAL_FAILURE(newGameByKeys());
    press(vk::ESCAPE);
    pressTimes(vk::DOWN, 2);
    press(vk::ENTER);
    press(vk::LEFT);
    press(vk::ENTER);
    ASSERT_EQ(gameMode, MODE_SELECTOPP);
    std::fill(beat, beat + MAXOPPONENTS - 1, 1);
    press(vk::LEFT);
    ASSERT_EQ(selectedOpp, MAXOPPONENTS - 1);
    press(vk::ENTER);
    ASSERT_NO_FATAL_FAILURE(winMatch());
    expectReaches({focusBox("match won")}, {182}, "match won");
    press(vk::SPACE);
    ASSERT_EQ(gameMode, MODE_SELECTUPGRADE) << "Space on OK";

    ASSERT_GT(pl[0].upgradePoints, 0);
    const std::vector<hgeRect> rows = walkRound(vk::DOWN, "upgrades");
    EXPECT_EQ(rows.size(), static_cast<std::size_t>(NUMSTATS)) << "no OK while points are left";
    for (int stat = 0; stat < NUMSTATS; ++stat) expectReaches(rows, {3 + stat, 24 + stat}, "upgrades");
    while (selected != S_SPEED) press(vk::DOWN);
    for (int i = 0; i < 20 && pl[0].upgradePoints > 0; ++i) press(vk::ENTER);
    ASSERT_EQ(pl[0].upgradePoints, 0) << "Enter on a row buys its upgrade";
    expectReaches(walkRound(vk::DOWN, "upgrades spent"), {33}, "upgrades spent");
    ASSERT_TRUE(moveFocusTo(33));
    press(vk::ENTER);
    ASSERT_EQ(gameMode, MODE_SELECTREWARD) << "Enter on OK";

    ASSERT_LE(pl[0].deckSize, 100);
    EXPECT_EQ(walkRound(vk::DOWN, "rewards").size(), 3u) << "three rows, no OK while picks are left";
    expectReaches(walkRound(vk::RIGHT, "reward row"), {0, 1, 2, 3, 4, 5, 6}, "reward row");
    const int deck = pl[0].deckSize, picks = pl[0].rewardPicks;
    for (int i = 0; i < 21 && pl[0].rewardPicks > 0; ++i) {
        press(vk::ENTER);
        press(i % 7 == 6 ? vk::DOWN : vk::RIGHT);
    }
    EXPECT_EQ(pl[0].deckSize, deck + picks) << "Enter on a card takes it";
    expectReaches(walkRound(vk::DOWN, "rewards taken"), {25}, "rewards taken");
    ASSERT_TRUE(moveFocusTo(25));
    press(vk::ENTER);
    ASSERT_EQ(gameMode, MODE_ENDING) << "Enter on OK after the last opponent";

    waitSeconds(7.6f);
    press(vk::SPACE);
    for (int i = 0; i < 2000 && gameMode == MODE_ENDING; ++i) {
        engine->tapKey(vk::ENTER);
        frame(0.1f);
    }
    EXPECT_EQ(gameMode, MODE_TITLE);
    EXPECT_TRUE(std::filesystem::exists(saveFileName(0)));
}

// The versus set-up by player 1's keys (each let go for a frame, as his own keys act on
// the way down), then the match's end by the menu keys.
TEST_F(KeyboardWalkTest, TheVersusSetUpAndTheMatchsEnd) {
    pressTimes(vk::DOWN, TITLE_VERSUS);
    press(vk::ENTER);
    ASSERT_EQ(gameMode, MODE_VERSUSSETUP);
    const int down = pl[0].opt[OPT_KEYDOWN];
    std::vector<hgeRect> stops{focusBox("versus set-up")};
    for (int i = 1; i < 10; ++i) {
        press(down);
        frame();
        const hgeRect box = focusBox("versus set-up, press " + std::to_string(i));
        if (sameBox(box, stops.front())) break;
        stops.push_back(box);
    }
    EXPECT_EQ(stops.size(), 5u) << "vehicle, deck, Ready, rounds and place, then round again";
    for (int i = 0; i < 2; ++i) {
        press(down);
        frame();
    }
    press(vk::SPACE);  // player 1 ready on his third row
    frame();
    for (int i = 0; i < 2; ++i) {
        press(vk::DOWN);
        frame();
    }
    press(vk::ENTER);
    ASSERT_EQ(gameMode, MODE_GAME);
    for (int round = 0; round < versus.roundsToWin; ++round) {
        pl[1].heart = 0;
        frame();
        waitSeconds(3.2f);
    }
    ASSERT_EQ(gameMode, MODE_VERSUSRESULT);
    expectReaches(walkRound(vk::RIGHT, "match's end"), {190, 191, 192}, "match's end");
    press(vk::LEFT);
    press(vk::ENTER);
    EXPECT_EQ(gameMode, MODE_TITLE) << "Enter on Title";
}

}  // namespace

// The replay list from the title: two matches just played, walked by Down past both rows to
// Play and Back, the list's controls in turn; Enter on a row plays it.
TEST_F(KeyboardWalkTest, TheReplayListFromTheTitle) {
    registerRecorder();
    for (int match = 0; match < 2; ++match) {
        startMatch(3);
        quietField();
        waitSeconds(0.5f);
        pl[1].heart = 0;
        frame();
        frame();
    }
    back2titleFromGame();
    frame();
    pressTimes(vk::DOWN, TITLE_REPLAYS);
    press(vk::ENTER);
    ASSERT_EQ(gameMode, MODE_REPLAYLIST);
    const std::vector<hgeRect> stops = walkRound(vk::DOWN, "replay list");
    EXPECT_EQ(stops.size(), 3u) << "two rows and Play";
    expectReaches(stops, {0, 1, 21}, "replay list");
    press(vk::UP);
    expectReaches(walkRound(vk::RIGHT, "replay list buttons"), {20, 21}, "replay list buttons");
    press(vk::UP);
    press(vk::ENTER);
    EXPECT_EQ(gameMode, MODE_REPLAY);
}
