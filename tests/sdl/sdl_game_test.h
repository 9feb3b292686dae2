// An SDL engine test with the whole game loaded from a play folder of its own: the pack,
// the data files and every shared resource, released again afterwards.
#pragma once

#include <filesystem>

#include "sdl_test_support.h"
#include "shell/startup.h"
#include "tests/cards/source_data.h"
#include "tools/play_folder.h"

class SdlGameTest : public SdlEngineTest {
protected:
    void SetUp() override {
        SdlEngineTest::SetUp();
        oldDir_ = std::filesystem::current_path();
        enterPlayFolder(dir_.file("play"), sourceDataDir(), KVB_PACK_PATH);
        loadWholeGame();
    }
    void TearDown() override {
        releaseSharedResources();
        hge->Resource_RemoveAllPacks();
        std::filesystem::current_path(oldDir_);
        SdlEngineTest::TearDown();
    }

private:
    TempDir dir_;
    std::filesystem::path oldDir_;
};
