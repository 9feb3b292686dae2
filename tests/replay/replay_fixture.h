// Matches recorded as they are played, on the headless backend with the real pack: the
// recorder on, the stand-in player at the keys, whole frames of the game loop.
#pragma once

#include "battle/battle_input.h"
#include "battle/setup.h"
#include "replay/recorder.h"
#include "shell/hooks.h"
#include "shell/modes.h"
#include "replay/verify.h"
#include "tests/screens/menu_fixture.h"
#include "tools/battle_bot.h"

class ReplayTest : public MenuTest {
protected:
    void SetUp() override {
        MenuTest::SetUp();
        registerRecorder();
        setRecording(true);
    }
    void TearDown() override {
        setRecording(false);
        setBattleInputWatcher(nullptr);
        setupWatchers = {};
        gameHooks.stepBegins = nullptr;
        MenuTest::TearDown();
    }
    // Battle frames with the stand-in at the keys until the round ends or `frames` pass.
    void fight(int frames, int firstFrame = 0) {
        for (int f = 0; f < frames && gameMode == MODE_GAME; ++f) {
            botFrame(*engine, firstFrame + f);
            frame();
        }
    }
};
