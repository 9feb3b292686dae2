// The tutorial's hints by opponent, round and clock, with the player's own keys, and the
// instructions screen that F1 opens in battle.
#include "draw_fixture.h"
#include "screens/confirm_exit.h"
#include "screens/pause_screen.h"
#include "screens/round_end.h"
#include "screens/tutorial.h"
#include "shell/modes.h"
#include "toolkit/hgesprite.h"

namespace {

class TutorialTest : public DrawTest {
protected:
    void SetUp() override {
        DrawTest::SetUp();
        startMatch(0);
        quietField();
        pl[0].opt[OPT_TUTORIAL] = 1;
    }
    static std::string hintAt(int opp, int round, float clock) {
        std::string text;
        return tutorialHint(opp, round, clock, text) ? text : "";
    }
    // The first line of the hint written this scene: black text in the hint box, or null.
    static const DrawnText* shownHint() {
        for (const DrawnText& t : texts())
            if (t.color == 0xFF000000 && t.font == fontSmall2 && pos[51].TestPoint(t.x, t.y)) return &t;
        return nullptr;
    }
};

TEST_F(TutorialTest, AHintShowsAfterItsStartUpToItsEndAndNothingOutsideItsWindow) {
    EXPECT_EQ(hintAt(0, 0, 35), "");
    EXPECT_EQ(hintAt(0, 0, 35.1f).rfind("Welcome to Korvania 2: Battle.", 0), 0u);
    EXPECT_EQ(hintAt(0, 0, 105).rfind("Welcome", 0), 0u);
    EXPECT_EQ(hintAt(0, 0, 110), "") << "between two hints";
    EXPECT_EQ(hintAt(0, 0, 600), "If you need to review the controls, the F1 key will display the help screen.");
    EXPECT_EQ(hintAt(0, 0, 601), "");
    EXPECT_EQ(hintAt(6, 0, 50), "What the heck?  A SHOPPING CART?!?!?");
    EXPECT_EQ(hintAt(7, 6, 100), "Performing combos will automatically give you coins when the combo ends.");
    for (float clock = 0; clock < 700; clock += 5) {
        EXPECT_EQ(hintAt(1, 3, clock), "") << "opponent 1 has no fourth-round hints";
        EXPECT_EQ(hintAt(7, 7, clock), "") << "the EX mission's hints end with its seventh round";
        EXPECT_EQ(hintAt(4, 1, clock), "");
    }
}

TEST_F(TutorialTest, TheHintsNameTheKeysThePlayerHasSet) {
    EXPECT_EQ(hintAt(0, 0, 50),
              "Welcome to Korvania 2: Battle.  Move around using the arrow keys or WASD.  Press/hold down Space to "
              "fire.");
    pl[0].opt[OPT_KEYUP] = 'I';
    pl[0].opt[OPT_KEYLEFT] = 'J';
    pl[0].opt[OPT_KEYDOWN] = 'K';
    pl[0].opt[OPT_KEYRIGHT] = 'L';
    pl[0].opt[OPT_KEYFIRE] = vk::ENTER;
    EXPECT_NE(hintAt(0, 0, 50).find("arrow keys or IJKL.  Press/hold down " +
                                    std::string(hge->Input_GetKeyName(vk::ENTER)) + " to fire."),
              std::string::npos);
    pl[0].opt[OPT_KEYUSE1] = 'Z';
    pl[0].opt[OPT_KEYUSE2] = 'X';
    pl[0].opt[OPT_KEYUSE3] = 'C';
    EXPECT_EQ(hintAt(0, 0, 250), "To use cards, press the Z, X, and C keys, respectively.");
    pl[0].opt[OPT_KEYCHANGE] = 'Q';
    pl[0].opt[OPT_KEYDISCARD] = 'E';
    EXPECT_EQ(hintAt(1, 1, 150),
              "Select a card using the mouse wheel or the Q key, then press the E key to discard the selected card.");
}

TEST_F(TutorialTest, TheHintBoxIsDrawnInBattleWithItsTextWrappedInside) {
    progress = 50;
    drawScene();
    const DrawnText* hint = shownHint();
    ASSERT_NE(hint, nullptr);
    const hgeRect& box = pos[51];
    EXPECT_EQ(hint->x, box.x1 + 10);
    EXPECT_EQ(hint->y, box.y1 + 10);
    int lines = 0;
    for (const DrawnText& t : texts())
        if (t.color == 0xFF000000 && t.font == fontSmall2 && box.TestPoint(t.x, t.y)) {
            EXPECT_EQ(t.y, hint->y + float(lines++) * fontSmall2->GetHeight()) << t.text;
            EXPECT_LE(fontSmall2->GetStringWidth(t.text.c_str()), box.x2 - box.x1 - 20) << t.text;
        }
    EXPECT_GT(lines, 1) << "the welcome does not fit on one line";
    const int frame = quadAt(box.x1, box.y1);
    ASSERT_GE(frame, 0);
    EXPECT_EQ(quads()[frame].v[0].col, 0xC8FFFFFFu);
    EXPECT_EQ(quads()[frame].v[2].x, box.x2);
    EXPECT_EQ(fontSmall2->GetColor(), 0xFFFFFFFFu) << "the small font is white again";

    // Nothing with the option off, nor under a screen drawn over the battle, whose own
    // texts stand where the hint box is.
    pl[0].opt[OPT_TUTORIAL] = 0;
    drawScene();
    EXPECT_EQ(shownHint(), nullptr);
    EXPECT_EQ(quadAt(box.x1, box.y1), -1);
    pl[0].opt[OPT_TUTORIAL] = 1;
    for (void (*screen)() : {initGameOver, initWinRound, initWinMatch, initPauseScreen, initConfirmExit}) {
        screen();
        progress = 100;
        drawScene();
        EXPECT_EQ(shownHint(), nullptr) << gameMode;
    }
}

TEST_F(TutorialTest, F1OpensTheInstructionsAndTheRoundClockWaitsUntilTheyClose) {
    progress = 50;
    engine->tapKey(vk::F1);
    engine->runFrame(0.01f);
    ASSERT_EQ(gameMode, MODE_INST);
    const float clock = progress;
    for (int f = 0; f < 50; ++f) engine->runFrame(0.01f);
    EXPECT_EQ(progress, clock);
    drawScene();
    const DrawnText* title = findText("Instructions");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->x, float(int(400 - font1->GetStringWidth("Instructions") / 2)));
    EXPECT_NE(findText("press Enter/click to continue"), nullptr);
    EXPECT_GE(quadAt(272, 44), 0) << "the help picture";

    engine->tapKey('A');
    engine->runFrame(0.01f);
    EXPECT_EQ(gameMode, MODE_INST) << "other keys are ignored";
    engine->tapKey(vk::ENTER);
    engine->runFrame(0.01f);
    EXPECT_EQ(gameMode, MODE_GAME);
    engine->runFrame(0.01f);
    EXPECT_GT(progress, clock) << "the round goes on";
}

TEST_F(TutorialTest, InstructionsOpenedFromTheTitleAndTheCreditsLeaveToTheTitle) {
    for (int mode : {MODE_INST, MODE_CREDITS}) {
        gameMode = mode;
        pl[0].misc[M_INST] = CF_TITLE;
        engine->tapKey(vk::ESCAPE);
        engine->runFrame(0.01f);
        EXPECT_EQ(gameMode, MODE_TITLE) << mode;
    }
    gameMode = MODE_CREDITS;
    pl[0].misc[M_INST] = CF_INGAME;
    engine->tapKey(vk::SPACE);
    engine->runFrame(0.01f);
    EXPECT_EQ(gameMode, MODE_TITLE) << "the credits always lead to the title";
}

}  // namespace
