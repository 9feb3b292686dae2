// The battle's cost on the headless backend: the heaviest frame (every table full, both
// sides simulated, both particle managers busy), a campaign round against a two-player
// round, and whole matches played as fast as the machine allows. Run from any folder; the game data is read from the source tree.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "battle/battle_frame.h"
#include "battle/enemies.h"
#include "battle/setup.h"
#include "battle/shots.h"
#include "battle/versus_rules.h"
#include "cards/datafiles.h"
#include "platform/headless/headless_engine.h"
#include "stand_in_world.h"
#include "shell/frame.h"
#include "shell/modes.h"
#include "shell/options.h"
#include "shell/world.h"
#include "toolkit/hgeanim.h"
#include "toolkit/hgepmanager.h"
#include "tools/battle_bot.h"
#include "tools/heavy_scene.h"
#include "tools/play_folder.h"

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

HeadlessEngine* engine = nullptr;

void prepare() { engine = startStandInWorld("kvb_bench_battle"); }

void startMatch(int opp) {
    selectedOpp = opp;
    selectedVeh = opp;
    selectedDeck = 0;
    newGame = true;
    initGame();
}

void heaviestFrame() {
    startMatch(6);
    fillHeavyScene();
    engine->pressKey(vk::SPACE);
    constexpr int FRAMES = 2000;
    for (int f = 0; f < 200; ++f) engine->runFrame(0.01f);  // let the particle systems fill up
    fillHeavyScene();
    const auto start = Clock::now();
    for (int f = 0; f < FRAMES; ++f) engine->runFrame(0.01f);
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count() / FRAMES;
    std::printf("Heaviest frame (updateGame + ticks, both sides): %.3f ms/frame\n", ms);
    std::printf("  still active at the end: %d shots, %d enemies, %d items, %d walls, %d + %d emitters\n",
                activeCount(sh), activeCount(en), activeCount(itm), activeCount(wall), psmgr->GetCount(),
                psmgrX->GetCount());
    engine->releaseKey(vk::SPACE);
}

// Plays whole matches with the stand-in player, until each ends.
void wholeMatches() {
    double simulated = 0, wall_ = 0;
    for (int opp = 0; opp < MAXOPPONENTS; ++opp) {
        startMatch(opp);
        const auto start = Clock::now();
        int frames = 0;
        for (int round = 0; round < oppRounds[opp]; ++round) {
            if (round > 0) {
                curRound = round;
                gameMode = MODE_GAME;
                initRound(false);
            }
            for (int f = 0; f < 60000 && gameMode == MODE_GAME; ++f, ++frames) {
                botFrame(*engine, f);
                engine->runFrame(0.01f);
            }
            botRelease(*engine);
            if (gameMode == MODE_GAMEOVER) break;
        }
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        std::printf("Opponent %d: %6.1f s of play in %6.3f s (%5.0fx real time)\n", opp, frames * 0.01,
                    seconds, frames * 0.01 / seconds);
        simulated += frames * 0.01;
        wall_ += seconds;
    }
    std::printf("All matches: %.1f s of play in %.3f s: %.0fx real time\n", simulated, wall_, simulated / wall_);
}

// One long round at place 3 with the stand-in as player 1, against the opponent program
// and then against a second person who holds fire and sweeps left and right; hearts are
// kept full so both rounds run the same length. Milliseconds per frame of each.
double roundCost(bool twoPlayers) {
    if (twoPlayers) {
        startVersusMatch(3, 5, 0, 4, 3);
    } else {
        versus.on = false;
        startMatch(3);
    }
    constexpr int FRAMES = 6000;
    if (twoPlayers) engine->pressKey(pl[1].opt[OPT_KEYFIRE]);
    const auto start = Clock::now();
    for (int f = 0; f < FRAMES; ++f) {
        botFrame(*engine, f);
        if (twoPlayers && f % 50 == 0) {
            engine->releaseKey(f % 100 == 0 ? vk::RIGHT : vk::LEFT);
            engine->pressKey(f % 100 == 0 ? vk::LEFT : vk::RIGHT);
        }
        engine->runFrame(0.01f);
        for (Player& p : pl) p.heart = p.maxHeart;
        gameMode = MODE_GAME;
    }
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count() / FRAMES;
    botRelease(*engine);
    for (int key : {vk::LEFT, vk::RIGHT, pl[1].opt[OPT_KEYFIRE]}) engine->releaseKey(key);
    versus.on = false;
    return ms;
}

void versusAgainstCampaign() {
    const double campaign = roundCost(false);
    const double twoPlayers = roundCost(true);
    std::printf("A round at place 3: campaign %.4f ms/frame, two players %.4f ms/frame\n", campaign, twoPlayers);
}

}  // namespace

int main() {
    prepare();
    heaviestFrame();
    versusAgainstCampaign();
    wholeMatches();
    clearEnemies();
    return 0;
}
