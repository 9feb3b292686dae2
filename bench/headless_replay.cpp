// What replays cost: the processor time of a battle step with the recorder on and off
// (the same rounds, played by the stand-in against opponent 2 with the real pack), the
// size of the file of a five-round match, and how much faster than real time the
// recorded match verifies. The first argument gives the rounds' seconds (60 by default).
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "battle/setup.h"
#include "platform/headless/headless_engine.h"
#include "replay/recorder.h"
#include "replay/verify.h"
#include "shell/frame.h"
#include "shell/modes.h"
#include "shell/world.h"
#include "tools/battle_bot.h"
#include "tools/play_folder.h"

namespace {

constexpr int ROUNDS = 5;

double cpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

// Five rounds of `frames` each from the same seed; the processor seconds per step.
double playMatch(HeadlessEngine& engine, int frames) {
    hge->Random_Seed(7);
    selectedOpp = 2;
    selectedVeh = 3;
    selectedDeck = 0;
    newGame = true;
    initGame();
    double spent = 0;
    long steps = 0;
    for (int round = 0; round < ROUNDS; ++round) {
        if (round > 0) {
            curRound = round % 3;
            initRound(false);
            gameMode = MODE_GAME;
        }
        for (int f = 0; f < frames && gameMode == MODE_GAME; ++f, ++steps) {
            botFrame(engine, f);
            const double start = cpuSeconds();
            updateVars(0.01f);
            spent += cpuSeconds() - start;
        }
        botRelease(engine);
        gameMode = MODE_TITLE;
        updateVars(0.01f);
    }
    return spent / static_cast<double>(std::max(1L, steps));
}

}  // namespace

int main(int argc, char** argv) {
    const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 60;
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "kvb_bench_replay";
    std::filesystem::remove_all(folder);
    enterPlayFolder(folder, KVB_DATA_DIR, KVB_PACK_PATH);
    hge = hgeCreate(HGE_VERSION);
    HeadlessEngine& engine = *headless();
    hge->System_Initiate();
    loadWholeGame();
    hge->System_SetState(HGE_FRAMEFUNC, FrameFunc);
    registerRecorder();

    setRecording(false);
    const double off = playMatch(engine, seconds * 100);
    setRecording(true);
    const double on = playMatch(engine, seconds * 100);
    setRecording(false);

    const Replay& replay = currentReplay();
    const auto bytes = std::filesystem::file_size(currentReplayPath());
    std::printf("a step: %.4f ms without the recorder, %.4f ms with it (%+.3f %% of a 10 ms frame)\n", off * 1e3,
                on * 1e3, (on - off) / 0.01 * 100);
    std::printf("a %zu-round match of %u s: %llu bytes\n", replay.rounds.size(), replay.info.steps / 100,
                static_cast<unsigned long long>(bytes));
    const double start = cpuSeconds();
    std::string fault;
    const bool alike = verifyReplay(replay, fault);
    const double took = cpuSeconds() - start;
    std::printf("verified %s in %.2f s of processor time: %.0fx real time\n", alike ? "alike" : fault.c_str(), took,
                replay.info.steps / 100.0 / took);
    hge->System_Shutdown();
    return alike ? 0 : 1;
}
