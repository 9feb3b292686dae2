// The battle's cost on the headless backend: the heaviest frame (every table full, both
// sides simulated, both particle managers busy) and whole matches played as fast as the
// machine allows. Run from any folder; the game data is read from the source tree.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "battle/battle_frame.h"
#include "battle/enemies.h"
#include "battle/setup.h"
#include "battle/shots.h"
#include "cards/datafiles.h"
#include "platform/headless/headless_engine.h"
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

HeadlessEngine* engine = nullptr;

void prepare() {
    const fs::path work = fs::temp_directory_path() / "kvb_bench_battle";
    fs::create_directories(work);
    for (const auto& entry : fs::directory_iterator(KVB_DATA_DIR))
        fs::copy_file(entry.path(), work / entry.path().filename(), fs::copy_options::overwrite_existing);
    fs::current_path(work);
    hge = hgeCreate(HGE_VERSION);
    engine = headless();
    engine->Random_Seed(2026);
    loadData();
    readOptions();
    psmgr = new hgeParticleManager();
    psmgrX = new hgeParticleManager();
    for (int k = 0; k < ENEMYSOFAR; ++k) {
        enemyAnimDB[k] = new hgeAnimation(0, 4, 10, 0, 0, 32, 32);
        enemyAnimDeathDB[k] = new hgeAnimation(0, 4, 10, 0, 0, 32, 32);
    }
    for (int i = 0; i < MAXPARTICLES; ++i) {
        psiGeneral[i].emission = 40;
        psiGeneral[i].lifetime = -1;
        psiGeneral[i].particleLifeMin = psiGeneral[i].particleLifeMax = 1.0f;
    }
    hge->System_SetState(HGE_FRAMEFUNC, FrameFunc);
    registerBattle();
}

void startMatch(int opp) {
    selectedOpp = opp;
    selectedVeh = opp;
    selectedDeck = 0;
    newGame = true;
    initGame();
}

// Fills every table with objects that stay put, so the frame keeps its full load.
void fillTables() {
    for (int w = 0; w < MAXWALLS; ++w) {
        const int side = w % 2;
        const float x = (side == 0 ? LEFTBOUND : CENTERLINE) + (w / 2 % 10) * 28.0f;
        wall[w] = Wall{};
        wall[w].active = true;
        wall[w].type = W_BRICK;
        wall[w].hp = 1e9f;
        wall[w].alpha = 255;
        wall[w].rect = hgeRect(x, 40 + (w / 20) * 50.0f, x + 24, 52 + (w / 20) * 50.0f);
    }
    for (int e = 0; e < MAXENEMIES; ++e) {
        const int side = e % 2;
        const float x = (side == 0 ? LEFTBOUND : CENTERLINE) + (e / 2 % 10) * 28.0f;
        const float y = 60 + (e / 20) * 100.0f;
        en[e].spawn(1 + e % 24, side, hgeRect(x, y, x + 24, y + 24), P_STATIONARY, 0, 0, 0, 0, 0, 6, 0, 0, false);
        en[e].hp = en[e].maxHp = 1e9f;
    }
    for (int i = 0; i < MAXITEMS; ++i) {
        const float x = (i % 2 == 0 ? LEFTBOUND : CENTERLINE) + (i / 2 % 10) * 28.0f;
        itm[i] = Item{};
        itm[i].active = true;
        itm[i].kind = I_POINTS200;
        itm[i].rect = hgeRect(x, 500, x + 16, 516);
    }
    // The shots' particle manager holds 100 emitters: half the shots trail particles, the
    // other half are drawn as animations.
    for (int s = 0; s < MAXSHOTS; ++s) {
        if (sh[s].active) removeShot(s);
    }
    for (int s = 0; s < MAXSHOTS; ++s) {
        const int dir = s % 2 == 0 ? Y2E : O2E;
        const float x = (dir == Y2E ? LEFTBOUND : CENTERLINE) + (s / 2 % 10) * 28.0f;
        const float y = 60 + (s / 20) * 50.0f;
        sh[s].create(hgeRect(x, y, x + 12, y + 12), false, dir, 1, 0, 0, 0, 0, 1e6f, 0, s % 60, s < MAX_PSYSTEMS, P_STATIONARY, 6,
                     0, 0);
    }
    while (psmgrX->GetCount() < MAX_PSYSTEMS) psmgrX->SpawnPS(&psiGeneral[0], 400, 300);
    for (Player& p : pl) {
        p.spawnTimer = 1e9f;
        p.heart = p.maxHeart = 1e9f;
        p.rect = hgeRect(p.fieldLeft + 130, 560, p.fieldLeft + 170, 599);
    }
}

int activeCount(auto& table) {
    int n = 0;
    for (const auto& slot : table) n += slot.active;
    return n;
}

void heaviestFrame() {
    startMatch(6);
    fillTables();
    engine->pressKey(vk::SPACE);
    constexpr int FRAMES = 2000;
    for (int f = 0; f < 200; ++f) engine->runFrame(0.01f);  // let the particle systems fill up
    fillTables();
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

}  // namespace

int main() {
    prepare();
    heaviestFrame();
    wholeMatches();
    clearEnemies();
    return 0;
}
