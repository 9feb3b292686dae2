// The title: its fade-in, the menu's keys and clicks, the eight ways out, the question
// before leaving; and the credits.
#include "platform/core/engine_core.h"
#include "screens/options_screen.h"
#include "screens/title.h"
#include "shell/exits.h"
#include "shell/modes.h"
#include "tests/screens/menu_fixture.h"
#include "toolkit/hgeresource.h"

namespace {

class TitleTest : public MenuTest {
protected:
    void SetUp() override {
        MenuTest::SetUp();
        engine->moveMouse(700, 100);  // away from the menu
        initTitleScreen();
    }
    void finishFade() {
        for (int i = 0; i < 200 && xparency < 255; ++i) frame();
    }
    // The middle of a title item, on the pointer's line down the menu.
    static float itemY(int item) { return 260.0f + 36.0f * static_cast<float>(item); }
    void backToTitle() {
        back2title();
        engine->moveMouse(700, 100);
        finishFade();
    }
};

TEST_F(TitleTest, TheMenuShowsDuringTheFadeAndAKeyEndsTheFadeAndActs) {
    frame();
    EXPECT_GT(xparency, 0);
    EXPECT_LT(xparency, 255);
    look();
    EXPECT_GE(quadAt(196, 244), 0) << "the items stand from the first frame";
    EXPECT_GE(quadAt(196, 496), 0);
    press(vk::DOWN);
    EXPECT_EQ(xparency, 255);
    EXPECT_EQ(selected, 1) << "the key that ended the fade moved the choice as well";
    press(vk::DOWN);
    EXPECT_EQ(selected, 2);
    EXPECT_EQ(gameMode, MODE_TITLE);
}

TEST_F(TitleTest, AHeldDirectionRepeats) {
    finishFade();
    engine->pressKey(vk::DOWN);
    frame();
    EXPECT_EQ(selected, 1);
    for (int i = 0; i < 38; ++i) frame();
    EXPECT_EQ(selected, 1) << "nothing more before 0.4 s";
    for (int i = 0; i < 2 + 12; ++i) frame();
    EXPECT_EQ(selected, 4) << "at 0.4 s, then every 0.06 s";
    engine->releaseKey(vk::DOWN);
    for (int i = 0; i < 50; ++i) frame();
    EXPECT_EQ(selected, 4);
}

TEST_F(TitleTest, UpAndDownWrapAndTheConfiguredKeysWorkToo) {
    finishFade();
    press(vk::UP);
    EXPECT_EQ(selected, TITLE_EXIT);
    press(vk::DOWN);
    EXPECT_EQ(selected, 0);
    press(pl[0].opt[OPT_KEYUP]);
    EXPECT_EQ(selected, TITLE_EXIT);
    press(pl[0].opt[OPT_KEYDOWN]);
    EXPECT_EQ(selected, 0);
}

TEST_F(TitleTest, APointerRestingOnAnItemLeavesTheKeysFree) {
    finishFade();
    engine->moveMouse(296, itemY(TITLE_NEWGAME));
    frame();
    EXPECT_EQ(selected, 0);
    press(vk::DOWN);
    frame();
    EXPECT_EQ(selected, 1);
    engine->moveMouse(296, itemY(TITLE_CREDITS));
    frame();
    EXPECT_EQ(selected, TITLE_CREDITS) << "moving onto an item selects it";
}

TEST_F(TitleTest, AClickOpensTheItemUnderThePointerEvenAfterTheKeysMovedOn) {
    finishFade();
    engine->moveMouse(296, itemY(TITLE_OPTIONS));
    frame();
    press(vk::DOWN);
    EXPECT_EQ(selected, TITLE_CREDITS);
    press(vk::LBUTTON);
    EXPECT_EQ(gameMode, MODE_OPTIONS);
}

TEST_F(TitleTest, AClickOutsideTheItemsDoesNothingButEnterActsOnTheKeyboardChoice) {
    finishFade();
    for (int i = 0; i < TITLE_INSTRUCTIONS; ++i) press(vk::DOWN);
    clickAt(700, 100);
    EXPECT_EQ(gameMode, MODE_TITLE);
    EXPECT_EQ(selected, TITLE_INSTRUCTIONS);
    press(vk::ENTER);
    EXPECT_EQ(gameMode, MODE_INST);
    EXPECT_EQ(pl[0].misc[M_INST], CF_TITLE);
    press(vk::ESCAPE);
    EXPECT_EQ(gameMode, MODE_TITLE) << "instructions opened from the title return there";
}

TEST_F(TitleTest, EachItemLeadsWhereItSays) {
    finishFade();
    clickAt(296, itemY(TITLE_NEWGAME));
    EXPECT_EQ(gameMode, MODE_LOAD);
    EXPECT_TRUE(newGame);

    backToTitle();
    writeSave(4, 1, 1, 50, "0000000");
    clickAt(296, itemY(TITLE_CONTINUE));
    EXPECT_EQ(gameMode, MODE_LOAD);
    EXPECT_FALSE(newGame);

    backToTitle();
    clickAt(296, itemY(TITLE_VERSUS));
    EXPECT_EQ(gameMode, MODE_VERSUSSETUP);
    EXPECT_FALSE(newGame);

    backToTitle();
    selected = TITLE_OPTIONS;
    press(vk::SPACE);
    EXPECT_EQ(gameMode, MODE_OPTIONS);
    EXPECT_EQ(pl[0].misc[M_OPTIONS], CF_TITLE);

    backToTitle();
    selected = TITLE_CREDITS;
    press(vk::ENTER);
    EXPECT_EQ(gameMode, MODE_CREDITS);
    press(vk::SPACE);
    EXPECT_EQ(gameMode, MODE_TITLE);

    finishFade();
    selected = TITLE_EXIT;
    press(vk::ENTER);
    EXPECT_TRUE(done);
}

TEST_F(TitleTest, EscapeAsksBeforeTheGameEnds) {
    finishFade();
    press(vk::DOWN);
    press(vk::ESCAPE);
    EXPECT_FALSE(done);
    ASSERT_EQ(gameMode, MODE_CONFIRMEXIT);
    look();
    EXPECT_NE(findText("Are you sure\nyou want to exit\nthe game?"), nullptr);
    EXPECT_GE(quadAt(196, 244), 0) << "asked over the title";
    press(vk::ESCAPE);
    EXPECT_EQ(gameMode, MODE_TITLE) << "No is the first answer";
    EXPECT_EQ(selected, 1) << "the title as it was left";
    press(vk::PADBACK);
    ASSERT_EQ(gameMode, MODE_CONFIRMEXIT);
    press(vk::LEFT);
    press(vk::ENTER);
    EXPECT_TRUE(done);
}

TEST_F(TitleTest, TheCreditsShowEveryLineOfTheFile) {
    ASSERT_GT(creditLines, 3);
    initCredits();
    look();
    for (int i = 0; i < creditLines; ++i) {
        if (credits[i].empty()) continue;
        EXPECT_NE(findText(credits[i]), nullptr) << credits[i];
    }
    EXPECT_NE(findText("Credits"), nullptr);
    for (const DrawnText& t : texts()) EXPECT_LT(t.y, SCREEN_HEIGHT) << t.text;
}

}  // namespace

// The title and what opens from it never draw the battle's sheet, so it is let go there;
// it is back on any screen of a match, and options opened from the pause keep it.
TEST_F(TitleTest, TheBattleSheetIsLetGoWhileTheTitleAndItsScreensShow) {
    const auto* sheet = reinterpret_cast<const TextureInfo*>(myRes->GetTexture("txBattleSheet"));
    ASSERT_NE(sheet, nullptr);
    finishFade();
    EXPECT_FALSE(sheet->resident);
    for (int item : {TITLE_OPTIONS, TITLE_CREDITS, TITLE_NEWGAME}) {
        backToTitle();
        selected = item;
        press(vk::ENTER);
        frame();
        EXPECT_FALSE(sheet->resident) << "title item " << item;
    }
    backToTitle();
    clickAt(296, itemY(TITLE_VERSUS));
    frame();
    EXPECT_TRUE(sheet->resident);

    pl[0].misc[M_OPTIONS] = CF_INGAME;
    initOptionsScreen();
    frame();
    EXPECT_TRUE(sheet->resident) << "options opened from a match";
    EXPECT_FALSE(logContains("drawn while let go"));
}
