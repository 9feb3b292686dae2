// The replay file: what is written reads back the same, and a file that is damaged, cut
// short, too large or of another format or simulation version is refused with a message
// saying which, leaving what was read before untouched. The folder keeps the newest
// twenty recent replays and every kept one.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/core/game_paths.h"
#include "replay/replay_library.h"

namespace {

namespace fs = std::filesystem;

Replay sample() {
    Replay r;
    r.info.started = 1796000000;
    r.info.gameVersion = "1.0.0";
    r.info.mode = RM_VERSUS;
    r.info.vehicle[1] = 5;
    r.info.result = RO_WON;
    r.info.wins[0] = 2;
    for (int k = 0; k < 2; ++k) {
        ReplayRound round;
        round.round = static_cast<std::uint16_t>(k);
        round.retry = k == 1;
        round.outcome = k == 0 ? RO_LOST : RO_WON;
        round.steps = 250;
        round.setup = std::string(300, 'x');
        round.clocks = "clocks";
        BattleInput a, b;
        a.side[0].held = SH_FIRE | SH_LEFT;
        b.side[1].held = 0xFFFF;
        b.side[0].actions = SA_USE3;
        round.inputs = {{0, a}, {17, b}, {249, {}}};
        round.gaps = {{40, 120, "later"}};
        round.checks = {1, 2, 0xDEADBEEF};
        r.rounds.push_back(round);
    }
    return r;
}

void expectSame(const Replay& a, const Replay& b) {
    EXPECT_EQ(a.info.started, b.info.started);
    EXPECT_EQ(a.info.mode, b.info.mode);
    EXPECT_EQ(a.info.vehicle[1], b.info.vehicle[1]);
    ASSERT_EQ(a.rounds.size(), b.rounds.size());
    for (std::size_t k = 0; k < a.rounds.size(); ++k) {
        const ReplayRound &x = a.rounds[k], &y = b.rounds[k];
        EXPECT_EQ(x.retry, y.retry);
        EXPECT_EQ(x.outcome, y.outcome);
        EXPECT_EQ(x.setup, y.setup);
        ASSERT_EQ(x.inputs.size(), y.inputs.size());
        for (std::size_t i = 0; i < x.inputs.size(); ++i) {
            EXPECT_EQ(x.inputs[i].step, y.inputs[i].step);
            EXPECT_TRUE(x.inputs[i].input == y.inputs[i].input);
        }
        EXPECT_EQ(x.gaps[0].clocks, y.gaps[0].clocks);
        EXPECT_EQ(x.checks, y.checks);
    }
}

std::string refusal(const std::string& bytes) {
    Replay out = sample();
    std::string error;
    EXPECT_FALSE(decodeReplay(bytes, out, error));
    EXPECT_EQ(out.rounds.size(), 2u) << "a refused file changes nothing";
    return error;
}

TEST(ReplayFile, ReadsBackWhatWasWrittenAndRefusesEveryKindOfBadFile) {
    const std::string bytes = encodeReplay(sample());
    Replay back;
    std::string error;
    ASSERT_TRUE(decodeReplay(bytes, back, error)) << error;
    expectSame(sample(), back);
    // Rounds as short as they come, last in the file, read back too.
    Replay bare = sample();
    bare.rounds.assign(3, ReplayRound{});
    ASSERT_TRUE(decodeReplay(encodeReplay(bare), back, error)) << error;
    EXPECT_EQ(back.rounds.size(), 3u);

    EXPECT_EQ(refusal("PK\x03\x04 a zip, not a replay"), "is not a replay");
    EXPECT_EQ(refusal(std::string(REPLAY_MAXFILEBYTES + 1, 'K')), "is too large to be a replay");
    std::string huge = bytes;
    huge[8] = huge[9] = huge[10] = huge[11] = '\x7F';
    EXPECT_EQ(refusal(huge), "is too large to be a replay") << "a content size past the cap is never unpacked";
    EXPECT_NE(refusal(bytes.substr(0, bytes.size() - 3)).find("cut short"), std::string::npos);
    std::string badSum = bytes, badStream = bytes;
    badSum[12] ^= 0x40;
    EXPECT_EQ(refusal(badSum), "is damaged: its check sum does not match");
    badStream[bytes.size() - 1] ^= 0x40;
    EXPECT_EQ(refusal(badStream), "is damaged: its contents cannot be unpacked");
    std::string otherFormat = bytes;
    otherFormat[4] = 9;
    EXPECT_NE(refusal(otherFormat).find("replay format 9"), std::string::npos);
    std::string otherRules = bytes;
    otherRules[6] = static_cast<char>(REPLAY_SIMULATION_VERSION + 1);
    EXPECT_NE(refusal(otherRules).find("battle rules version"), std::string::npos);
}

TEST(ReplayFile, RefusesEventsOutsideTheirRound) {
    Replay r = sample();
    r.rounds[0].inputs.push_back({251, {}});
    Replay out;
    std::string error;
    EXPECT_FALSE(decodeReplay(encodeReplay(r), out, error));
    r = sample();
    r.rounds[1].checks.resize(50);
    EXPECT_FALSE(decodeReplay(encodeReplay(r), out, error));
}

class ReplayFolder : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("kvb_replays_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        setUserDir(dir_.string());
    }
    void TearDown() override {
        setUserDir("");
        fs::remove_all(dir_);
    }
    std::string write(std::int64_t started) {
        Replay r = sample();
        r.info.started = started;
        const std::string path = newRecentReplayPath(started);
        std::string error;
        EXPECT_TRUE(writeReplayFile(path, encodeReplay(r), error)) << error;
        return path;
    }
    fs::path dir_;
};

TEST_F(ReplayFolder, KeepsTheNewestRecentOnesAndEveryKeptOneNewestFirst) {
    std::string kept;
    for (int k = 0; k < REPLAY_RECENTKEPT + 3; ++k) {
        const std::string path = write(1796000000 + 60 * k);
        pruneRecentReplays(path);
        if (k == 1) {
            std::string error;
            ASSERT_TRUE(keepReplayFile(path, sample().info, kept, error)) << error;
        }
    }
    std::ofstream(fs::path(replayFolder()) / "broken.kvr") << "not a replay at all";

    const std::vector<ReplayListing> all = listReplays();
    ASSERT_EQ(all.size(), static_cast<std::size_t>(REPLAY_RECENTKEPT + 2));
    EXPECT_EQ(all.front().info.started, 1796000000 + 60 * (REPLAY_RECENTKEPT + 2));
    for (std::size_t k = 1; k + 2 < all.size(); ++k) EXPECT_GT(all[k - 1].info.started, all[k].info.started);
    int keptCount = 0, broken = 0;
    for (const ReplayListing& l : all) {
        keptCount += l.kept;
        if (l.fault.empty()) continue;
        ++broken;
        EXPECT_EQ(l.fault, "is not a replay");
    }
    EXPECT_EQ(keptCount, 2);
    EXPECT_EQ(broken, 1);

    // The kept name reads as date, vehicles, the other side and the result, and a second
    // keep of the same match does not overwrite the first.
    EXPECT_NE(kept.find(" vs P2 "), std::string::npos) << kept;
    EXPECT_NE(kept.find(", won 2-0"), std::string::npos) << kept;
    std::string again, error;
    ASSERT_TRUE(keepReplayFile(all.front().path, sample().info, again, error));
    EXPECT_NE(again, kept);
}

}  // namespace
