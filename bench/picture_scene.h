// The battle's heaviest scene drawn as a player sees it, shared by the headless and the
// SDL picture benchmarks: the real pack and data in a scratch play folder, a match against
// the last opponent with every table full, and timing of whole frames (update and drawing).
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <vector>

#include "battle/battle_frame.h"
#include "battle/setup.h"
#include "cards/datafiles.h"
#include "screens/screens.h"
#include "shell/frame.h"
#include "shell/modes.h"
#include "shell/options.h"
#include "shell/startup.h"
#include "shell/world.h"
#include "toolkit/hgepmanager.h"
#include "platform/headless/headless_engine.h"
#include "tools/battle_bot.h"
#include "tools/heavy_scene.h"
#include "tools/play_folder.h"

namespace picturebench {

// KVB_BENCH_PACK names another pack, so that two builds can be measured side by side
// each with its own pack.
inline void enterFolder(const char* name) {
    const char* pack = std::getenv("KVB_BENCH_PACK");
    enterPlayFolder(std::filesystem::temp_directory_path() / name, KVB_DATA_DIR, pack && *pack ? pack : KVB_PACK_PATH);
}

// A match against the last opponent, both sides busy, every table full, the particle
// systems warmed up and the round intro over.
inline void startHeavyScene(const std::function<void()>& frame) {
    selectedOpp = 6;
    selectedVeh = 6;
    selectedDeck = 0;
    newGame = true;
    initGame();
    pl[0].opt[OPT_SCORE] = 1;
    fillHeavyScene();
    for (int f = 0; f < 300; ++f) frame();
    fillHeavyScene();
}

struct Timing {
    double median = 0, worst = 0, mean = 0;
};

// Runs `frame` `count` times and returns its times in milliseconds.
inline Timing timeFrames(int count, const std::function<void()>& frame) {
    using Clock = std::chrono::steady_clock;
    std::vector<double> ms;
    ms.reserve(count);
    for (int f = 0; f < count; ++f) {
        const auto start = Clock::now();
        frame();
        ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    Timing t;
    for (double m : ms) t.mean += m / count;
    std::sort(ms.begin(), ms.end());
    t.median = ms[ms.size() / 2];
    t.worst = ms.back();
    return t;
}

inline void printLoad() {
    std::printf("  on screen: %d shots, %d enemies, %d items, %d walls, %d + %d emitters\n", activeCount(sh),
                activeCount(en), activeCount(itm), activeCount(wall), psmgr->GetCount(), psmgrX->GetCount());
}

// An ordinary busy moment: a new game's match against `opp` played 35 s into its round by
// the stand-in player; the engine records the draw calls of the last frame.
inline void playToBusyMoment(HeadlessEngine& engine, int opp) {
    constexpr int FRAMES = 3500;
    selectedOpp = opp;
    newGame = true;
    initGame();
    for (int f = 0; f < FRAMES && gameMode == MODE_GAME; ++f) {
        botFrame(engine, f);
        engine.setRecording(f == FRAMES - 1);
        engine.runFrame(0.01f);
    }
    botRelease(engine);
}

}  // namespace picturebench
