// The load screen and the save summaries it reads: the new-game and continue rules,
// erasing, and files that are missing, damaged or out of range.
#include <filesystem>

#include "cards/savegame.h"
#include "screens/load_screen.h"
#include "shell/modes.h"
#include "tests/screens/menu_fixture.h"

namespace {

class LoadScreenTest : public MenuTest {
protected:
    void open(bool forNewGame) {
        newGame = forNewGame;
        initLoadScreen();
        engine->moveMouse(400, 20);  // over no slot
        frame();
    }
};

TEST_F(LoadScreenTest, SummariesOfPresentMissingAndDamagedSlots) {
    writeSave(0, 3, 7, 120, "1010001", 1, 987654, 3723, 42);
    writeSave(2, 5, 10, 80, "0000000", 2);
    writeFile("save4.kvb", "2\n1\n50\n1\n");                                  // cut short
    writeFile("save5.kvb", "2\n1\nfifty\n0\n0\n0\n0\n0\n0\n0\n1\n1\n1\n1\n3\n");  // not a number
    writeSave(6, 8, 1, 50, "0000000");                                        // no vehicle 8
    writeSave(7, 1, 1, 50, "0000000", 3);                                     // no third quest
    writeFile("save8.kvb", std::string("\x89PNG\r\n\x1a\n\0\0", 10));
    loadScreenData();

    EXPECT_TRUE(sv[0].exists);
    EXPECT_EQ(sv[0].v[SV_VEH], 3);
    EXPECT_EQ(sv[0].v[SV_DECK], 7);
    EXPECT_EQ(sv[0].v[SV_CARDS], 120);
    EXPECT_EQ(sv[0].v[SV_BEAT], 3);
    EXPECT_EQ(sv[0].v[SV_SCORE], 987654);
    EXPECT_EQ(sv[0].v[SV_TIME], 3723);
    EXPECT_EQ(sv[0].v[SV_COMBO], 42);
    EXPECT_EQ(sv[0].v[SV_QUESTNUM], 1);
    EXPECT_FALSE(sv[1].exists);
    EXPECT_FALSE(sv[1].damaged);
    EXPECT_TRUE(sv[2].exists);
    EXPECT_EQ(sv[2].v[SV_QUESTNUM], 2);
    for (int slot : {4, 5, 6, 7, 8}) {
        EXPECT_FALSE(sv[slot].exists) << slot;
        EXPECT_TRUE(sv[slot].damaged) << slot;
    }
    EXPECT_TRUE(logContains("save4.kvb cannot be read"));
    EXPECT_EQ(beat[0], 0) << "reading summaries leaves the campaign's beaten flags alone";
}

TEST_F(LoadScreenTest, ANewGameStartsOnlyInAnEmptySlot) {
    writeSave(0, 2, 4, 50, "0000000");
    open(true);
    press(vk::ENTER);
    EXPECT_EQ(gameMode, MODE_LOAD) << "slot 0 holds a game";
    press(vk::DOWN);
    press(vk::ENTER);
    EXPECT_EQ(gameMode, MODE_SELECTVEH);
    EXPECT_EQ(pl[0].saveSlot, 1);
}

TEST_F(LoadScreenTest, ContinueLoadsOnlyASavedGame) {
    writeSave(3, 6, 10, 50, "1100000", 1, 5000, 61, 9);
    open(false);
    press(vk::ENTER);
    EXPECT_EQ(gameMode, MODE_LOAD) << "slot 0 is empty";
    doubleClickOn(3);
    EXPECT_EQ(gameMode, MODE_SELECTOPP);
    EXPECT_EQ(pl[0].saveSlot, 3);
    EXPECT_EQ(selectedVeh, 6);
    EXPECT_EQ(selectedDeck, 10);
    EXPECT_EQ(beat[0], 1);
    EXPECT_EQ(beat[1], 1);
    EXPECT_EQ(totalScore, 5000);
    EXPECT_EQ(playTime, 61);
    EXPECT_EQ(pl[0].highestCombo, 9);
    EXPECT_EQ(pl[0].deckSize, STARTINGCARDSINDECK);
    EXPECT_FALSE(newGame);
}

TEST_F(LoadScreenTest, AFileThatChangedUnderTheScreenIsReportedAndNothingChanges) {
    writeSave(0, 6, 10, 50, "1100000");
    open(false);
    writeFile("save0.kvb", "garbage\n");
    selectedVeh = 2;
    press(vk::ENTER);
    EXPECT_EQ(gameMode, MODE_LOAD);
    EXPECT_EQ(selectedVeh, 2);
    ASSERT_FALSE(engine->messageBoxes().empty());
    EXPECT_EQ(engine->messageBoxes().back().text, "Could not load save file.");
    EXPECT_TRUE(logContains("Could not load save file 0."));
}

TEST_F(LoadScreenTest, ShiftClickErasesOnlyTheSummaryAndOnlyOnTheNewGameScreen) {
    writeSave(2, 1, 1, 50, "0000000");
    writeFile("save3.kvb", "damaged\n");
    open(false);
    engine->pressKey(vk::SHIFT);
    clickOn(2);
    EXPECT_EQ(selected, 2);
    EXPECT_TRUE(sv[2].exists) << "continue screen: shift-click only selects";

    open(true);
    engine->pressKey(vk::SHIFT);
    clickOn(2);
    EXPECT_FALSE(sv[2].exists);
    EXPECT_TRUE(std::filesystem::exists(workDir + "/save2.kvb")) << "no file is deleted";
    EXPECT_EQ(engine->channel(chan[5])->source.empty(), false);
    EXPECT_TRUE(sv[3].damaged);
    selected = 3;
    press(vk::ENTER);
    EXPECT_EQ(gameMode, MODE_LOAD) << "a damaged slot is not taken for a new game";
    clickOn(3);
    EXPECT_FALSE(sv[3].damaged);
    engine->releaseKey(vk::SHIFT);
    frame();
    press(vk::ENTER);
    EXPECT_EQ(gameMode, MODE_SELECTVEH) << "erased, the slot is free";
    EXPECT_EQ(pl[0].saveSlot, 3);
}

TEST_F(LoadScreenTest, BackButtonAndEscapeReturnToTheTitle) {
    open(true);
    clickOn(20);
    EXPECT_EQ(gameMode, MODE_TITLE);
    EXPECT_FALSE(newGame);
    open(false);
    press(vk::ESCAPE);
    EXPECT_EQ(gameMode, MODE_TITLE);
}

TEST_F(LoadScreenTest, SlotTextsStayInsideTheirSlots) {
    writeSave(0, 1, 5, 210, "1111111", 1, 99999999, 359999, 999);
    writeSave(5, 1, 5, 210, "1100000", 2, 99999999, 359999, 999);
    writeSave(6, 1, 5, 210, "0000000", 2);
    open(true);
    look();
    EXPECT_NE(findText("Cleared"), nullptr);
    EXPECT_NE(findText("2econd Quest!"), nullptr);
    EXPECT_NE(findText("time spent: 99:59:59"), nullptr);
    for (const DrawnText& t : texts()) {
        EXPECT_LE(t.x + t.font->GetStringWidth(t.text.c_str()), SCREEN_WIDTH) << t.text;
        EXPECT_GE(t.x, 0) << t.text;
    }
    open(false);
    look();
    EXPECT_NE(findText("New Game+"), nullptr);
}

TEST_F(LoadScreenTest, ADamagedSlotWithAGoodBackupOffersToRestoreIt) {
    writeSave(2, 6, 10, 50, "1100000");
    writeFile("save2.kvb.bak", readFile("save2.kvb"));
    writeFile("save2.kvb", "damaged\n");
    writeFile("save3.kvb", "damaged too, and no backup\n");
    open(false);
    EXPECT_TRUE(sv[2].damaged);
    press(vk::DOWN);
    press(vk::DOWN);
    look();
    EXPECT_NE(findText("Restore backup"), nullptr);
    press(vk::DOWN);
    EXPECT_EQ(selected, 2) << "the slot's button comes after the slot";
    press(vk::DOWN);
    EXPECT_EQ(selected, 3);
    look();
    EXPECT_EQ(findText("Restore backup"), nullptr) << "slot 3 has no backup to offer";
    press(vk::UP);
    EXPECT_EQ(selected, 2);
    press(vk::ENTER);
    EXPECT_EQ(gameMode, MODE_LOAD) << "restoring is not loading";
    EXPECT_TRUE(sv[2].exists);
    EXPECT_EQ(readFile("save2.kvb"), readFile("save2.kvb.bak"));
    press(vk::ENTER);
    EXPECT_EQ(gameMode, MODE_SELECTOPP);

    // By mouse: click the slot, then its button.
    writeFile("save2.kvb", "damaged again\n");
    open(false);
    clickOn(2);
    EXPECT_EQ(selected, 2);
    clickAt((pos[22].x1 + pos[22].x2) / 2, (pos[22].y1 + pos[22].y2) / 2);
    EXPECT_TRUE(sv[2].exists);
    EXPECT_EQ(gameMode, MODE_LOAD);
}

}  // namespace
