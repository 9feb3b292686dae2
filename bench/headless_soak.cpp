// A soak of the whole campaign on the headless backend with the real data and pack: every
// opponent's match in the first and the second quest, then 30 rounds of the EX mission,
// again and again until the game time asked for has been played (an hour by default;
// the first argument gives minutes). The stand-in player fires, weaves and plays cards; the
// opponent plays its own. Rounds are cut at a length that lets two passes of the campaign
// fit into the time. Reports the processor time of the update per frame (median, worst)
// and of the whole frame with its drawing, the live objects and the resident memory.
#include <malloc.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <vector>

#include "battle/enemies.h"
#include "bench/picture_scene.h"
#include "cards/decks.h"
#include "cards/opponents.h"
#include "platform/headless/headless_engine.h"
#include "shell/frame.h"
#include "shell/modes.h"
#include "tools/battle_bot.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr float FRAMETIME = 0.01f;
constexpr int EXROUNDS = 30;
constexpr int SHORTESTROUND = 500, LONGESTROUND = 12000;  // frames

HeadlessEngine* engine = nullptr;
std::vector<float> updateMs, frameMs;
long long framesPlayed = 0, framesWanted = 0;
// Where the slowest update happened, to find what made it slow.
struct WorstFrame {
    float ms = 0;
    int opp = 0, quest = 0, round = 0, second = 0;
} worstFrame;

// One match of the campaign: an opponent (EXMISSION for the EX mission) in a quest.
struct Match {
    int opp, quest, rounds;
};

double residentMiB() {
    long pages = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// Bytes the program holds from the allocator, mapped blocks included: unlike the resident
// size, freed memory the allocator keeps for later does not count.
double heapMiB() {
    const struct mallinfo2 m = mallinfo2();
    return static_cast<double>(m.uordblks + m.hblkhd) / (1024.0 * 1024.0);
}

void report(const char* when) {
    std::printf("%s: %.1f s played, %.1f MiB resident, %.2f MiB on the heap; live: %d shots, %d enemies, "
                "%d items, %d walls, %d + %d emitters\n",
                when, static_cast<double>(framesPlayed) * FRAMETIME, residentMiB(), heapMiB(), activeCount(sh),
                activeCount(en), activeCount(itm), activeCount(wall), psmgr->GetCount(), psmgrX->GetCount());
}

// Processor time of this thread in milliseconds: on a shared machine the wall clock would
// count the time other programs hold the processor as frame time.
double cpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// The engine's frame function, with the update and the whole frame timed apart.
bool timedFrame() {
    const double start = cpuMs();
    updateVars(hge->Timer_GetDelta());
    const double updated = cpuMs();
    hge->Gfx_BeginScene();
    hge->Gfx_Clear(0);
    renderAll();
    hge->Gfx_EndScene();
    updateMs.push_back(static_cast<float>(updated - start));
    if (updateMs.back() > worstFrame.ms)
        worstFrame = {updateMs.back(), selectedOpp, pl[0].questNum, curRound, pl[0].roundTime};
    frameMs.push_back(static_cast<float>(cpuMs() - start));
    return false;
}

void startMatch(const Match& m) {
    selectedOpp = m.opp;
    selectedVeh = m.opp % MAXVEHICLES;
    selectedDeck = m.opp % MAXDECKS;
    newGame = m.quest == 1;
    if (m.quest == 2) {
        // As the campaign does after the ending: the second quest keeps the game going.
        pl[0].questNum = 2;
        pl[0].deckSize = pl[1].deckSize = STARTINGCARDSINDECK;
        initNewDeck(0);
    }
    initGame();
}

// Plays one round until it ends or reaches its cut; false once the time is up.
bool playRound(int cut) {
    for (int f = 0; f < cut && gameMode == MODE_GAME; ++f) {
        if (framesPlayed == framesWanted) return false;
        botFrame(*engine, f);
        engine->runFrame(FRAMETIME);
        ++framesPlayed;
    }
    botRelease(*engine);
    return framesPlayed < framesWanted;
}

bool playMatch(const Match& m, int cut) {
    startMatch(m);
    for (int round = 0; round < m.rounds; ++round) {
        if (round > 0) {
            // Won or lost, the soak goes on to the next round.
            curRound = round;
            gameMode = MODE_GAME;
            initRound(false);
        }
        if (!playRound(cut)) return false;
    }
    return true;
}

double percentile(std::vector<float> v, double p) {
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, static_cast<std::size_t>(p * static_cast<double>(v.size())))];
}

}  // namespace

int main(int argc, char** argv) {
    const double minutes = argc > 1 ? std::atof(argv[1]) : 60.0;
    framesWanted = static_cast<long long>(minutes * 60.0 / FRAMETIME);
    if (framesWanted <= 0) {
        std::fprintf(stderr, "usage: %s [minutes of game time, default 60]\n", argv[0]);
        return 2;
    }
    picturebench::enterFolder("kvb_bench_soak");
    hge = hgeCreate(HGE_VERSION);
    engine = headless();
    engine->Random_Seed(2026);
    loadWholeGame();
    hge->System_SetState(HGE_FRAMEFUNC, timedFrame);
    updateMs.reserve(static_cast<std::size_t>(framesWanted));
    frameMs.reserve(static_cast<std::size_t>(framesWanted));

    std::vector<Match> campaign;
    int rounds = 0;
    for (int quest = 1; quest <= 2; ++quest)
        for (int opp = 0; opp < MAXOPPONENTS; ++opp) campaign.push_back({opp, quest, oppRounds[opp]});
    campaign.push_back({EXMISSION, 2, EXROUNDS});
    for (const Match& m : campaign) rounds += m.rounds;
    // Two passes fit, so the second shows whether memory grows once everything was loaded.
    const int cut = std::clamp(static_cast<int>(framesWanted / (2 * std::max(rounds, 1))), SHORTESTROUND, LONGESTROUND);
    std::printf("Soak: %.0f min of game time, %d rounds per campaign, rounds cut at %.0f s\n", minutes, rounds,
                cut * FRAMETIME);

    report("Start");
    const auto start = Clock::now();
    int passes = 0;
    bool going = true;
    while (going) {
        for (const Match& m : campaign) {
            going = playMatch(m, cut);
            if (passes == 0 && &m == &campaign.front()) report("After the first match");
            if (!going) break;
        }
        if (going) report(++passes == 1 ? "After the first campaign" : "After another campaign");
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    report("End");
    std::printf("%d whole campaigns and part of another in %.1f s (%.0fx real time)\n", passes, seconds,
                static_cast<double>(framesPlayed) * FRAMETIME / seconds);
    std::printf("Update per frame (processor time): median %.3f ms, 99.9th percentile %.3f ms, worst %.3f ms "
                "(opponent %d, quest %d, round %d, %d s into it)\n",
                percentile(updateMs, 0.5), percentile(updateMs, 0.999), percentile(updateMs, 1.0), worstFrame.opp,
                worstFrame.quest, worstFrame.round + 1, worstFrame.second);
    std::printf("Whole frame with drawing: median %.3f ms, worst %.3f ms\n", percentile(frameMs, 0.5),
                percentile(frameMs, 1.0));

    clearEnemies();
    releaseSharedResources();
    hge->Resource_RemoveAllPacks();
    hge->Release();
    return 0;
}
