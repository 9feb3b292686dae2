// The replay screens driven as a player drives them: the list from the title, its order,
// rows and damaged files, playback's keys, and "Save replay" on the ends of a round.
#include <filesystem>
#include <string>

#include "replay/playback.h"
#include "replay/recorder.h"
#include "replay/replay_library.h"
#include "screens/replay_rows.h"
#include "screens/replays.h"
#include "screens/save_replay.h"
#include "screens/tutorial.h"
#include "shell/exits.h"
#include "shell/modes.h"
#include "tests/replay/replay_fixture.h"

namespace fs = std::filesystem;

namespace {

constexpr std::int64_t DAY = 24 * 3600, JAN2026 = 1767225600;

class ReplayScreensTest : public ReplayTest {
protected:

    // A round against opponent 3 played for `seconds` and ended: won, or lost when `lost`.
    void playRound(float seconds, bool lost = false) {
        startMatch(3);
        quietField();
        for (float t = 0; t < seconds; t += 0.01f) frame();
        (lost ? pl[0] : pl[1]).heart = 0;
        frame();
        frame();
    }
    // A replay in the recent folder: a short round just played, repeated, under the given
    // description.
    void writeListed(const std::string& stem, std::int64_t started, std::uint8_t mode, int rounds,
                     std::uint8_t result, int wins0, int wins1, std::uint32_t steps) {
        if (played.rounds.empty()) {
            playRound(0.2f);
            played = currentReplay();
            fs::remove_all(replayFolder());
        }
        Replay r = played;
        r.info.started = started;
        r.info.mode = mode;
        r.info.vehicle[0] = 2;
        r.info.vehicle[1] = mode == RM_VERSUS ? 5 : -1;
        r.info.opponent = 1;
        r.info.result = result;
        r.info.wins[0] = static_cast<std::uint8_t>(wins0);
        r.info.wins[1] = static_cast<std::uint8_t>(wins1);
        r.info.steps = steps;
        r.rounds.assign(static_cast<std::size_t>(rounds), played.rounds.front());
        std::string error;
        ASSERT_TRUE(writeReplayFile((fs::path(recentReplayFolder()) / (stem + ".kvr")).string(), encodeReplay(r), error)) << error;
    }
    static int keptFiles() {
        int n = 0;
        std::error_code ec;
        for (const auto& e : fs::directory_iterator(replayFolder(), ec))
            if (e.is_regular_file() && e.path().extension() == ".kvr") ++n;
        return n;
    }
    Replay played;
    float textY(const std::string& text) {
        const DrawnText* t = findText(text);
        return t ? t->y : -1;
    }
};

TEST_F(ReplayScreensTest, RowsSayTheModeSidesResultAndLength) {
    ReplayListing l;
    l.rounds = 4;
    l.info.mode = RM_SECONDQUEST;
    l.info.vehicle[0] = 2;
    l.info.opponent = 1;
    l.info.result = RO_WON;
    l.info.wins[0] = 3;
    l.info.wins[1] = 1;
    l.info.steps = 24712;  // 247.12 s
    ReplayRowText t = replayRowText(l);
    EXPECT_EQ(t.mode, "Second quest");
    EXPECT_EQ(t.sides, vehName[2] + " vs " + oppName[1]);
    EXPECT_EQ(t.result, "4 rounds, won 3-1");
    EXPECT_EQ(t.length, "4:07");

    l.rounds = 1;
    l.info.mode = RM_VERSUS;
    l.info.vehicle[1] = 5;
    l.info.result = RO_LOST;
    l.info.wins[0] = 0;
    l.info.wins[1] = 1;
    t = replayRowText(l);
    EXPECT_EQ(t.sides, std::string("P1 ") + vehName[2] + " vs P2 " + vehName[5]);
    EXPECT_EQ(t.result, "1 round, P2 won 0-1");

    l.info.mode = RM_EXMISSION;
    l.info.vehicle[1] = 9;
    t = replayRowText(l);
    EXPECT_EQ(t.sides, vehName[2] + " in the EX mission");
    EXPECT_EQ(t.result, "1 round, lost") << "no score of rounds in the one-round mission";
    EXPECT_EQ(playLength(0), "0:00");
    EXPECT_EQ(playLength(100 * 3600 + 99), "60:00");
}

TEST_F(ReplayScreensTest, TheListIsNewestFirstAndADamagedFileSaysWhyAndNeverPlays) {
    writeListed("a", JAN2026, RM_CAMPAIGN, 2, RO_WON, 2, 0, 6500);
    writeListed("b", JAN2026 + 2 * DAY, RM_VERSUS, 3, RO_WON, 2, 1, 9000);
    writeListed("c", JAN2026 + DAY, RM_EXMISSION, 1, RO_LOST, 0, 1, 30000);
    writeFile("replays/recent/broken.kvr", "not a replay at all");
    initReplayList();
    frame();
    look();
    const float versusY = textY("3 rounds, P1 won 2-1"), missionY = textY("1 round, lost"),
                campaignY = textY("2 rounds, won 2-0");
    ASSERT_GT(versusY, 0);
    EXPECT_LT(versusY, missionY);
    EXPECT_LT(missionY, campaignY);
    EXPECT_NE(findText("length 1:05"), nullptr);
    bool faultShown = false;
    for (const DrawnText& t : texts())
        faultShown = faultShown || (t.text.rfind("cannot be played: the file ", 0) == 0 && t.y > campaignY);
    EXPECT_TRUE(faultShown) << "the damaged file comes last and says why";

    press(vk::END);
    press(vk::ENTER);
    EXPECT_EQ(gameMode, MODE_REPLAYLIST) << "a damaged replay is never started";
    press(vk::DOWN);
    press(vk::ENTER);
    EXPECT_EQ(gameMode, MODE_TITLE) << "past the last row the focus is on Back: Play is not offered";
}

TEST_F(ReplayScreensTest, AnEmptyListSaysHowReplaysAreMade) {
    initReplayList();
    frame();
    look();
    EXPECT_NE(findText("No replays yet."), nullptr);
    press(vk::ENTER);
    EXPECT_EQ(gameMode, MODE_TITLE) << "Back is the only control";
}

TEST_F(ReplayScreensTest, ALongListScrollsByPageWheelAndEnd) {
    for (int i = 0; i < 14; ++i) writeListed(std::string("r") + std::to_string(i), JAN2026 + i * DAY, RM_CAMPAIGN, i + 1, RO_WON,
                                             1, 0, 100);
    initReplayList();
    frame();
    look();
    EXPECT_NE(findText("14 rounds, won 1-0"), nullptr);
    EXPECT_EQ(findText("5 rounds, won 1-0"), nullptr) << "the tenth row waits below";
    press(vk::PGDN);
    look();
    EXPECT_NE(findText("5 rounds, won 1-0"), nullptr) << "a page down shows the selected tenth";
    press(vk::END);
    look();
    EXPECT_NE(findText("1 round, won 1-0"), nullptr);
    EXPECT_EQ(findText("14 rounds, won 1-0"), nullptr);
    engine->turnWheel(5);
    frame();
    look();
    EXPECT_NE(findText("14 rounds, won 1-0"), nullptr) << "the wheel scrolls back to the top";
}

TEST_F(ReplayScreensTest, FromTheTitleEnterPlaysAndTheKeysSteerThePlayback) {
    playRound(2.5f);
    playRound(1.5f, true);
    back2titleFromGame();
    frame();
    for (int i = 0; i < TITLE_REPLAYS; ++i) press(vk::DOWN);
    press(vk::ENTER);
    ASSERT_EQ(gameMode, MODE_REPLAYLIST);
    press(vk::DOWN);
    press(vk::ENTER);
    ASSERT_EQ(gameMode, MODE_REPLAY);
    EXPECT_EQ(playbackStatus().info->result, RO_WON) << "the second row is the older, won match";
    press(vk::RIGHT);
    EXPECT_EQ(playbackStatus().speed, 2);
    press('4');
    EXPECT_EQ(playbackStatus().speed, 8);
    press(vk::LEFT);
    EXPECT_EQ(playbackStatus().speed, 4);
    press(vk::SPACE);
    ASSERT_TRUE(playbackStatus().paused);
    const int second = playbackStatus().second;
    waitSeconds(1.5f);
    EXPECT_EQ(playbackStatus().second, second) << "nothing moves while paused";
    look();
    EXPECT_NE(findText("Round 1 of 1"), nullptr);
    EXPECT_NE(findText("Paused"), nullptr);
    {
        // The moment of the first round's welcome hint, looked at while paused.
        const int opp = selectedOpp, round = curRound;
        const float clock = progress;
        selectedOpp = curRound = 0;
        progress = 50;
        std::string hint;
        ASSERT_TRUE(tutorialHint(0, 0, progress, hint));
        look();
        EXPECT_EQ(quadAt(pos[51].x1, pos[51].y1), -1) << "no tutorial hints over a replay";
        selectedOpp = opp;
        curRound = round;
        progress = clock;
    }
    press('P');
    EXPECT_FALSE(playbackStatus().paused);
    press('N');
    ASSERT_TRUE(playbackStatus().finished);
    look();
    EXPECT_NE(findText("Replay over"), nullptr);
    press(vk::ENTER);
    ASSERT_EQ(gameMode, MODE_REPLAYLIST);
    press(vk::ENTER);
    ASSERT_EQ(gameMode, MODE_REPLAY) << "back on the list the replay just watched is still selected";
    EXPECT_EQ(playbackStatus().info->result, RO_WON);
    press(vk::ESCAPE);
    EXPECT_EQ(gameMode, MODE_REPLAYLIST);
}

TEST_F(ReplayScreensTest, SaveReplayKeepsOneFileAndIsNotOfferedAgain) {
    playRound(1.5f, true);
    ASSERT_EQ(gameMode, MODE_GAMEOVER);
    waitSeconds(2.6f);
    press(vk::DOWN);
    press(vk::DOWN);
    press(vk::ENTER);
    EXPECT_EQ(gameMode, MODE_GAMEOVER) << "Enter on Save replay stays";
    EXPECT_EQ(keptFiles(), 1);
    look();
    EXPECT_NE(findText("Replay saved"), nullptr);
    EXPECT_EQ(findText("Save replay (R)"), nullptr);
    press(SAVEREPLAYKEY);
    EXPECT_EQ(keptFiles(), 1) << "R after saving keeps nothing more";

    // On the won round's banner a click on the button saves, and the round goes on after.
    press(vk::ENTER);
    ASSERT_EQ(gameMode, MODE_GAME) << "the focus went back to Retry";
    pl[1].heart = 0;
    frame();
    ASSERT_EQ(gameMode, MODE_WINROUND);
    frame();
    clickAt(400, 402);
    EXPECT_EQ(keptFiles(), 2);
    waitSeconds(3.2f);
    EXPECT_EQ(gameMode, MODE_GAME);
}

}  // namespace
