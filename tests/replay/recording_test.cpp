// A round recorded as it is played plays again to the same check values; a change to the
// record is found at the second it makes a difference.
#include <algorithm>

#include "replay/replay_library.h"
#include "replay/round_state.h"
#include "shell/exits.h"
#include "tests/replay/replay_fixture.h"

namespace {

TEST_F(ReplayTest, ARoundWithPausesAndDrawnFramesPlaysAgainAlike) {
    startMatch(2, 5);
    fight(1500);
    press(vk::ESCAPE);
    ASSERT_EQ(gameMode, MODE_PAUSE);
    waitSeconds(0.37f);
    press(vk::ESCAPE);
    ASSERT_EQ(gameMode, MODE_GAME);
    for (int f = 0; f < 1200 && gameMode == MODE_GAME; ++f) {
        botFrame(*engine, 1500 + f);
        frame();
        if (f % 7 == 0) look();
    }
    back2titleFromGame();
    frame();

    const Replay& replay = currentReplay();
    ASSERT_EQ(replay.rounds.size(), 1u);
    const ReplayRound& round = replay.rounds[0];
    EXPECT_EQ(round.outcome, RO_QUIT);
    EXPECT_GT(round.steps, 2600u);
    EXPECT_EQ(round.gaps.size(), 1u);
    EXPECT_EQ(round.checks.size(), round.steps / 100 + (round.steps % 100 ? 1 : 0));
    EXPECT_FALSE(round.inputs.empty());

    std::string fault;
    EXPECT_TRUE(verifyReplay(replay, fault)) << fault;

    // The file on disk reads back to the same record.
    Replay fromFile;
    ASSERT_TRUE(readReplayFile(currentReplayPath(), fromFile, fault)) << fault;
    EXPECT_TRUE(verifyReplay(fromFile, fault)) << fault;

    // Half a second of boosting up and to the left from step 2010 is found at second 21.
    Replay changed = replay;
    std::vector<InputChange>& inputs = changed.rounds[0].inputs;
    BattleInput swerve;
    swerve.side[0].held = SH_LEFT | SH_UP | SH_BOOST;
    inputs.push_back({2010, swerve});
    inputs.push_back({2060, {}});
    std::stable_sort(inputs.begin(), inputs.end(), [](const InputChange& a, const InputChange& b) { return a.step < b.step; });
    EXPECT_FALSE(verifyReplay(changed, fault));
    EXPECT_NE(fault.find("round 1, second 21:"), std::string::npos) << fault;
}

}  // namespace
