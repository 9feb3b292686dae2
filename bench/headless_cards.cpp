// The battle's cost when both sides play cards all the time: for every opponent, whole
// matches in which each side, coins topped up, plays a random card as soon as one is ready.
// Prints the update time per frame (median and worst), the shots and enemies alive, and
// how many matches run per second of real time. Frames are timed in the thread's own CPU
// time, so that other programs sharing the cores do not count as update time; the wall
// clock's worst frame is printed beside it. Run from any folder.
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "battle/battle_frame.h"
#include "battle/enemies.h"
#include "battle/player.h"
#include "battle/setup.h"
#include "cards/datafiles.h"
#include "cards/hand.h"
#include "platform/headless/headless_engine.h"
#include "stand_in_world.h"
#include "shell/frame.h"
#include "shell/modes.h"
#include "shell/options.h"
#include "shell/world.h"
#include "toolkit/hgeanim.h"
#include "toolkit/hgepmanager.h"
#include "tools/battle_bot.h"

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int MATCHESPEROPPONENT = 2;
constexpr int FRAMECAP = 60000;  // ten minutes of play per round at most
constexpr float TARGETMS = 2;

HeadlessEngine* engine = nullptr;

void prepare() { engine = startStandInWorld("kvb_bench_cards"); }

double threadMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// Full purses, and a random ready card of the side activated.
void playACard(int side) {
    Player& p = pl[side];
    for (int k = 0; k < 3; ++k) p.coin[k] = p.coinCap[k];
    int ready[3], n = 0;
    for (int slot = 0; slot < 3; ++slot)
        if (canUseCard(side, slot)) ready[n++] = slot;
    if (n > 0) activateCard(side, ready[hge->Random_Int(0, n - 1)]);
}

int alive(const auto& table) {
    int n = 0;
    for (const auto& slot : table) n += slot.active;
    return n;
}

struct Figures {
    std::vector<double> frameMs;
    double worstWallMs = 0;
    long shotsSum = 0, enemiesSum = 0;
    int shotsMax = 0, enemiesMax = 0;
};

// One match against `opp`, round after round, until it is won or lost.
void playMatch(int opp, Figures& fig) {
    selectedOpp = opp;
    selectedVeh = opp;
    selectedDeck = 0;
    newGame = true;
    initGame();
    for (int round = 0; round < oppRounds[opp]; ++round) {
        if (round > 0) {
            curRound = round;
            gameMode = MODE_GAME;
            initRound(false);
        }
        for (int f = 0; f < FRAMECAP && gameMode == MODE_GAME; ++f) {
            botFrame(*engine, f);
            for (int side = 0; side < simulatedSides(); ++side) playACard(side);
            const auto wallStart = Clock::now();
            const double cpuStart = threadMs();
            engine->runFrame(0.01f);
            fig.frameMs.push_back(threadMs() - cpuStart);
            fig.worstWallMs =
                std::max(fig.worstWallMs, std::chrono::duration<double, std::milli>(Clock::now() - wallStart).count());
            const int shots = alive(sh), enemies = alive(en);
            fig.shotsSum += shots;
            fig.enemiesSum += enemies;
            fig.shotsMax = std::max(fig.shotsMax, shots);
            fig.enemiesMax = std::max(fig.enemiesMax, enemies);
        }
        botRelease(*engine);
        if (gameMode == MODE_GAMEOVER) break;
    }
}

}  // namespace

int main() {
    prepare();
    double worstOverall = 0;
    std::printf("Both sides play a random card whenever one is ready, coins topped up.\n");
    std::printf("opp  frames   median ms  worst ms  (wall)  shots avg/max  enemies avg/max  matches/s\n");
    for (int opp = 0; opp < MAXOPPONENTS; ++opp) {
        Figures fig;
        fig.frameMs.reserve(1 << 20);
        const auto start = Clock::now();
        for (int m = 0; m < MATCHESPEROPPONENT; ++m) playMatch(opp, fig);
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        std::vector<double> sorted = fig.frameMs;
        std::sort(sorted.begin(), sorted.end());
        const size_t n = sorted.size();
        const double worst = n ? sorted.back() : 0;
        worstOverall = std::max(worstOverall, worst);
        std::printf("%3d  %7zu  %9.4f  %8.3f %7.2f  %6.1f / %3d   %6.1f / %3d    %8.2f\n", opp, n,
                    n ? sorted[n / 2] : 0.0, worst, fig.worstWallMs, n ? double(fig.shotsSum) / n : 0.0, fig.shotsMax, n ? double(fig.enemiesSum) / n : 0.0,
                    fig.enemiesMax, MATCHESPEROPPONENT / seconds);
    }
    std::printf("Worst frame of all: %.3f ms (target under %.1f ms): %s\n", worstOverall, TARGETMS,
                worstOverall < TARGETMS ? "met" : "MISSED");
    clearEnemies();
    return 0;
}
