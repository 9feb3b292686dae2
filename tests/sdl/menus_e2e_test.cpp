// A new player's first minute on the real backend, keys only: Enter during the title's
// fade takes its first choice and the first of every screen, and the first battle frame runs.
#include <cstdlib>
#include <filesystem>

#include "battle/battle_frame.h"
#include "replay/recorder.h"
#include "cards/datafiles.h"
#include "screens/screens.h"
#include "screens/title.h"
#include "sdl_test_support.h"
#include "shell/frame.h"
#include "shell/modes.h"
#include "shell/options.h"
#include "shell/exits.h"
#include "shell/startup.h"
#include "shell/world.h"
#include "tests/cards/source_data.h"
#include "tools/play_folder.h"

namespace {

namespace fs = std::filesystem;

class MenusEndToEnd : public SdlEngineTest {
protected:
    void SetUp() override {
        oldDir_ = fs::current_path();
        const fs::path data = sourceDataDir();
        ASSERT_FALSE(data.empty()) << "game data folder not found";
        enterPlayFolder(dir_.file(""), data, KVB_PACK_PATH);
        SdlEngineTest::SetUp();
        resetWorld();
        hge->System_SetState(HGE_INIFILE, "Options.ini");
        setFrameFunctions();
        loadWholeGame();
        initTitleScreen();
    }
    void TearDown() override {
        releaseSharedResources();
        if (hge) hge->Resource_RemoveAllPacks();
        SdlEngineTest::TearDown();
        resetWorld();
        fs::current_path(oldDir_);
    }
    void frames(int n) {
        for (int i = 0; i < n; ++i) engine->runFrame(0.01f);
    }
    static void key(SDL_Scancode code, bool down) {
        SDL_Event e{};
        e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
        e.key.state = down ? SDL_PRESSED : SDL_RELEASED;
        e.key.keysym.scancode = code;
        pushEvent(e);
    }
    // A key pressed for one frame and let go.
    void tap(SDL_Scancode code) {
        key(code, true);
        frames(1);
        key(code, false);
        frames(5);
    }
    void enter() { tap(SDL_SCANCODE_RETURN); }

private:
    TempDir dir_;
    fs::path oldDir_;
};

TEST_F(MenusEndToEnd, EnterAloneLeadsFromTheTitleToTheBattle) {
    frames(10);
    ASSERT_EQ(gameMode, MODE_TITLE);
    ASSERT_LT(xparency, 255);
    const int expected[] = {MODE_LOAD, MODE_SELECTVEH, MODE_SELECTDECK, MODE_SELECTOPP, MODE_GAME};
    for (int mode : expected) {
        enter();
        ASSERT_EQ(gameMode, mode);
        EXPECT_EQ(xparency, 255) << "a key during the fade ends it and acts";
    }
    EXPECT_TRUE(hge->System_GetState(HGE_HIDEMOUSE)) << "no pointer over the battle";
    frames(2);
    EXPECT_EQ(gameMode, MODE_GAME);
    EXPECT_GT(pl[0].heart, 0);
    EXPECT_GT(pl[0].deckSize, 0);
}

}  // namespace

TEST_F(MenusEndToEnd, LosingTheWindowsFocusPausesTheBattleUnlessTurnedOff) {
    frames(10);
    for (int i = 0; i < 5; ++i) enter();
    ASSERT_EQ(gameMode, MODE_GAME);
    SDL_Event lost{};
    lost.type = SDL_WINDOWEVENT;
    lost.window.event = SDL_WINDOWEVENT_FOCUS_LOST;
    lost.window.windowID = SDL_GetWindowID(engine->window());
    pushEvent(lost);
    frames(1);
    EXPECT_EQ(gameMode, MODE_PAUSE);
    enter();  // Resume
    ASSERT_EQ(gameMode, MODE_GAME);
    pl[0].opt[OPT_FOCUSPAUSE] = 0;
    pushEvent(lost);
    frames(1);
    EXPECT_EQ(gameMode, MODE_GAME);
}

// A round played and drawn on the real backend, with a pause, is recorded as it went and
// plays again alike on the headless engine of the game's own check.
TEST_F(MenusEndToEnd, ARoundRecordedOnTheRealBackendVerifiesHeadless) {
    registerRecorder();
    setRecording(true);
    frames(10);
    for (int i = 0; i < 5; ++i) enter();
    ASSERT_EQ(gameMode, MODE_GAME);
    key(SDL_SCANCODE_SPACE, true);
    for (int second = 0; second < 6; ++second) {
        key(second % 2 ? SDL_SCANCODE_A : SDL_SCANCODE_D, true);
        frames(100);
        key(second % 2 ? SDL_SCANCODE_A : SDL_SCANCODE_D, false);
        if (second % 2 == 0) tap(static_cast<SDL_Scancode>(SDL_SCANCODE_1 + second / 2));
        if (second == 3) {
            tap(SDL_SCANCODE_ESCAPE);
            ASSERT_EQ(gameMode, MODE_PAUSE);
            enter();  // Resume
        }
        ASSERT_EQ(gameMode, MODE_GAME);
    }
    key(SDL_SCANCODE_SPACE, false);
    back2titleFromGame();
    frames(1);
    setRecording(false);
    ASSERT_FALSE(currentReplayPath().empty());
    EXPECT_EQ(currentReplay().rounds.size(), 1u);
    EXPECT_FALSE(currentReplay().rounds[0].gaps.empty());

    const std::string command = std::string("cd '") + KVB_PLAY_DIR + "' && KVB_USER_DIR='" +
                                fs::absolute("check-user").string() + "' '" + KVB_GAME_PATH + "' --verify-replay '" +
                                fs::absolute(currentReplayPath()).string() + "'";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
}
