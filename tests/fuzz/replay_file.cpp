// Fuzzes the replay reader. An input that begins as a replay file does ("KVBR") is read as
// a whole file (header, check sum, compressed contents); any other is taken as contents
// and wrapped in a good file, so that the contents' reader is reached too. A replay that reads must write back
// to a file that reads the same, and every round's set-up and clocks must either be put
// into the world or leave it exactly as it was. Any broken rule aborts.
// Longer run (from the clang build folder; see fuzz_engine.h):
//   ./tests/fuzz_replay_file -max_total_time=3600 -max_len=8192 -artifact_prefix=$PWD/
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "replay/replay_format.h"
#include "replay/round_state.h"
#include "tests/fuzz/fuzz_engine.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static bool started = startFuzzEngine();
    (void)started;
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::string file = input.starts_with("KVBR") ? input : replayFileOf(input);
    Replay replay;
    std::string error;
    if (!decodeReplay(file, replay, error)) {
        if (error.empty() || !replay.rounds.empty()) std::abort();
        return 0;
    }
    Replay again;
    if (!decodeReplay(encodeReplay(replay), again, error) || again.rounds.size() != replay.rounds.size() ||
        encodeReplay(again) != encodeReplay(replay))
        std::abort();
    for (const ReplayRound& round : replay.rounds) {
        const std::string before = captureRoundSetup(), clocks = captureStepClocks();
        if (!restoreRoundSetup(round.setup) && captureRoundSetup() != before) std::abort();
        if (!restoreStepClocks(round.clocks) && captureStepClocks() != clocks) std::abort();
    }
    return 0;
}
