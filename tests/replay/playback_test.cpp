// Watching a replay: it plays every round as recorded at any speed, moves on to the next
// round when asked, writes nothing (no save, no Options.ini, no new replay) and leaves the
// world as the data files have it.
#include <algorithm>
#include <filesystem>
#include <fstream>

#include "cards/datafiles.h"
#include "replay/playback.h"
#include "replay/replay_library.h"
#include "shell/exits.h"
#include "tests/replay/replay_fixture.h"

namespace {

namespace fs = std::filesystem;

class PlaybackTest : public ReplayTest {
protected:
    void SetUp() override {
        ReplayTest::SetUp();
        gameHooks.loadData = loadData;
        setModeHandlers(MODE_REPLAY, {updatePlayback, nullptr, nullptr});
    }
    void TearDown() override {
        gameHooks.loadData = nullptr;
        ReplayTest::TearDown();
    }
    // Two rounds against opponent 0, the first lost at once, the second a short fight.
    std::string recordTwoRounds() {
        VEH_heart[1] = 2;
        startMatch(0, 1);
        fight(5000);
        EXPECT_EQ(gameMode, MODE_GAMEOVER);
        waitSeconds(3);
        press(vk::SPACE);
        EXPECT_EQ(gameMode, MODE_GAME);
        fight(700);
        back2titleFromGame();
        frame();
        loadData();
        return currentReplayPath();
    }
    // Files in the test's folder, replays aside.
    static std::vector<std::string> filesWritten() {
        std::vector<std::string> names;
        for (const fs::directory_entry& e : fs::directory_iterator(fs::current_path()))
            if (e.is_regular_file()) names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_F(PlaybackTest, PlaysEveryRoundAtAnySpeedAndWritesNothing) {
    const std::string path = recordTwoRounds();
    const float heart = VEH_heart[1];
    const std::vector<std::string> before = filesWritten();
    const auto replays = listReplays().size();

    std::string error;
    ASSERT_TRUE(startPlayback(path, error)) << error;
    EXPECT_EQ(gameMode, MODE_REPLAY);
    EXPECT_FALSE(hge->System_GetState(HGE_HIDEMOUSE)) << "the pointer works the overlay";
    setPlaybackSpeed(3);
    EXPECT_EQ(playbackStatus().speed, 2) << "an unknown speed is the nearest below it";
    setPlaybackSpeed(8);
    int lastRound = 0;
    for (int f = 0; f < 20000 && !playbackStatus().finished; ++f) {
        frame();
        EXPECT_EQ(gameMode, MODE_REPLAY);
        lastRound = std::max(lastRound, playbackStatus().round);
    }
    const PlaybackStatus done = playbackStatus();
    EXPECT_TRUE(done.finished);
    EXPECT_EQ(done.fault, "");
    EXPECT_EQ(lastRound, 2);

    stopPlayback();
    EXPECT_EQ(gameMode, MODE_REPLAYLIST);
    EXPECT_EQ(VEH_heart[1], heart) << "the data files' statistics are back";
    EXPECT_EQ(filesWritten(), before);
    EXPECT_EQ(listReplays().size(), replays);
}

TEST_F(PlaybackTest, NextRoundSkipsAheadAndABadFileIsRefused) {
    const std::string path = recordTwoRounds();
    std::string error;
    ASSERT_TRUE(startPlayback(path, error)) << error;
    setPlaybackPaused(true);
    frame();
    EXPECT_EQ(playbackStatus().second, 0) << "paused, nothing moves";
    skipToNextRound();
    EXPECT_EQ(playbackStatus().round, 2);
    skipToNextRound();
    EXPECT_TRUE(playbackStatus().finished);
    stopPlayback();

    std::ifstream in(path, std::ios::binary);
    std::string head(30, '\0');
    in.read(head.data(), 30);
    writeFile("bad.kvr", head);
    const int listMode = gameMode;
    EXPECT_FALSE(startPlayback("bad.kvr", error));
    EXPECT_EQ(error, "is damaged: it is cut short or has bytes after its end");
    EXPECT_EQ(gameMode, listMode);
}

}  // namespace
