#include "tests/support/engine_test.h"

#include <stdexcept>

#include "shell/frame.h"
#include "platform/core/input_state.h"
#include "shell/hooks.h"
#include "shell/modes.h"
#include "shell/world.h"

namespace {
int ticks = 0;
void countTick() { ++ticks; }
}  // namespace

class FrameTest : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        ticks = 0;
        gameHooks.timer0p1 = countTick;
    }
    void TearDown() override {
        gameHooks = GameHooks{};
        for (int m = 0; m < NUMMODES; ++m) setModeHandlers(m, {});
        EngineTest::TearDown();
    }
};

TEST_F(FrameTest, ALongFrameTakesOneTickNowAndTheRestInLaterFrames) {
    updateVars(0.35f);
    EXPECT_EQ(ticks, 1);
    updateVars(0.0f);
    EXPECT_EQ(ticks, 2);
    updateVars(0.0f);
    EXPECT_EQ(ticks, 3);
    updateVars(0.0f);
    EXPECT_EQ(ticks, 3) << "0.05 s is left, less than a tick";
    EXPECT_NEAR(accumulatedTime[ONE_TENTH_SEC], 0.05f, 1e-5f);
}

TEST_F(FrameTest, ProgressStandsStillOnlyInTheFrozenModes) {
    for (int mode : {MODE_PAUSE, MODE_CONFIRMEXIT, MODE_OPTIONS, MODE_INST, MODE_CONFIRMKEY}) {
        gameMode = mode;
        progress = 4;
        updateVars(0.5f);
        EXPECT_EQ(progress, 4) << "mode " << mode;
    }
    for (int mode : {MODE_GAMEOVER, MODE_WINROUND, MODE_WINMATCH, MODE_TITLE, MODE_GAME}) {
        gameMode = mode;
        progress = 4;
        updateVars(0.5f);
        EXPECT_FLOAT_EQ(progress, 9) << "mode " << mode;
    }
}

TEST_F(FrameTest, EachModeRunsItsOwnUpdateAndDrawsInOrder) {
    static std::string trace;
    trace.clear();
    setModeHandlers(MODE_GAME, {[](float) { trace += "u5 "; }, [] { trace += "d5 "; }, nullptr});
    setModeHandlers(MODE_PAUSE, {[](float) { trace += "u11 "; }, [] { trace += "game "; }, [] { trace += "pause "; }});
    gameMode = MODE_PAUSE;
    setFrameFunctions();
    engine->runFrame();
    gameMode = MODE_GAME;
    engine->runFrame();
    gameMode = 42;
    engine->runFrame();
    EXPECT_EQ(trace, "u11 game pause u5 d5 ");
    EXPECT_EQ(engine->totals().clears, 3) << "every frame clears the screen, even in an unknown mode";
}

TEST_F(FrameTest, TheKeyboardHandlerRunsOnlyOnSelectionLoadAndReplayListScreens) {
    engine->pressKey('A');
    for (int mode = 0; mode < NUMMODES; ++mode) {
        myKH = keyHandler();
        gameMode = mode;
        updateVars(0.01f);
        EXPECT_EQ(myKH.keyIsDown('A'), mode == 1 || mode == 2 || mode == 3 || mode == 15 || mode == MODE_REPLAYLIST)
            << "mode " << mode;
    }
}

TEST_F(FrameTest, TheLoopEndsOnceDoneIsSet) {
    setFrameFunctions();
    setModeHandlers(MODE_TITLE, {[](float) { done = hge->Timer_GetTime() > 0.045f; }, nullptr, nullptr});
    engine->setFrameLimit(100);
    hge->System_Start();
    EXPECT_EQ(engine->framesRun(), 5);
}

TEST_F(FrameTest, LosingFocusPausesOnlyARunningBattleAndOnlyWhenAsked) {
    static int pauses = 0;
    pauses = 0;
    gameHooks.initPauseScreen = [] {
        ++pauses;
        gameMode = MODE_PAUSE;
    };
    setFrameFunctions();
    pl[0].opt[OPT_FOCUSPAUSE] = 1;
    gameMode = MODE_GAME;
    engine->pressKey(vk::UP);
    engine->loseFocus();
    EXPECT_EQ(pauses, 1);
    EXPECT_FALSE(hge->Input_GetKeyState(vk::UP)) << "keys let go elsewhere never arrive";
    for (int mode : {MODE_PAUSE, MODE_TITLE, MODE_OPTIONS, MODE_WINROUND, MODE_GAMEOVER}) {
        gameMode = mode;
        engine->loseFocus();
        EXPECT_EQ(pauses, 1) << "mode " << mode;
    }
}

TEST_F(FrameTest, TheMousePositionIsReadBeforeTheScreenUpdates) {
    static MousePos seen;
    setModeHandlers(MODE_TITLE, {[](float) { seen = mousePos; }, nullptr, nullptr});
    engine->moveMouse(123, 456);
    updateVars(0.01f);
    EXPECT_EQ(seen.x, 123);
    EXPECT_EQ(seen.y, 456);
}

TEST_F(FrameTest, AnExceptionInAScreenEndsTheGameWithAMessageInsteadOfAnAbort) {
    gameMode = MODE_TITLE;
    setModeHandlers(MODE_TITLE, {[](float) { throw std::runtime_error("the title broke"); }, nullptr, nullptr});
    EXPECT_TRUE(FrameFunc());
    EXPECT_TRUE(logContains("unexpected error: the title broke"));
    ASSERT_EQ(engine->messageBoxes().size(), 1u);
    EXPECT_EQ(engine->messageBoxes()[0].caption, "Error");
}
