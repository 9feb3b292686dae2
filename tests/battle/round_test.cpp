// Whole matches on the headless backend, both sides driven: the human by a script that
// fires, weaves, boosts and plays its cards, the opponent by its own control. Every frame
// is checked for corrupted tables.
#include "frame_fixture.h"

namespace {

constexpr int KEY_SPACE = 32, KEY_A = 65, KEY_D = 68, KEY_SHIFT = 16;
constexpr int CARDKEYS[3] = {49, 50, 51};
constexpr int FRAMECAP = 60000;  // ten minutes; every round ends long before

class RoundTest : public MatchTest {
protected:
    void drive(int f) {
        if (f == 0) engine->pressKey(KEY_SPACE);
        if (f % 200 == 0) {
            engine->releaseKey(KEY_A);
            engine->releaseKey(KEY_D);
            engine->pressKey((f / 200) % 2 == 0 ? KEY_A : KEY_D);
        }
        if (f % 150 == 0) engine->tapKey(CARDKEYS[(f / 150) % 3]);
        if (f % 500 == 0) engine->pressKey(KEY_SHIFT);
        if (f % 500 == 60) engine->releaseKey(KEY_SHIFT);
    }

    // Plays round `round` (set up here unless it is the first) to its end; returns the
    // mode it ended in, 5 if it never ended.
    int playRound(int round) {
        if (round > 0) {
            curRound = round;
            gameMode = MODE_GAME;
            initRound(false);
        }
        for (int f = 0; f < FRAMECAP && gameMode == MODE_GAME; ++f) {
            drive(f);
            frame();
            const std::string broken = brokenInvariant();
            if (!broken.empty()) {
                ADD_FAILURE() << broken << " at frame " << f << " of round " << round;
                break;
            }
        }
        EXPECT_GT(pl[0].roundTime, 0);
        return gameMode;
    }
};

class EveryOpponent : public RoundTest, public ::testing::WithParamInterface<int> {};

TEST_P(EveryOpponent, EveryRoundEndsInAWinOrALoss) {
    const int opp = GetParam();
    startMatch(opp, opp);
    const int last = oppRounds[opp] - 1;
    ASSERT_GE(last, 0);
    for (int round = 0; round <= last; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        const int mode = playRound(round);
        if (mode == MODE_GAMEOVER) {
            EXPECT_LE(pl[0].heart, 0);
        } else {
            EXPECT_EQ(mode, round == last ? MODE_WINMATCH : MODE_WINROUND);
            EXPECT_LE(pl[1].heart, 0);
            EXPECT_GT(pl[0].heart, 0);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Opponents, EveryOpponent, ::testing::Range(0, 7));

TEST_F(RoundTest, ThirtyExMissionRoundsEndWithTheHumanDownOrAGhostKilled) {
    startSecondQuest(EXMISSION, 7);
    for (int round = 0; round < 30; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        const int mode = playRound(round);
        EXPECT_TRUE(mode == MODE_GAMEOVER || mode == MODE_WINROUND) << "mode " << mode;
        EXPECT_EQ(pl[1].rect.x1, 850);
        EXPECT_EQ(pl[0].highestRound, round + 1);
    }
}

}  // namespace
