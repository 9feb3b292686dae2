// Resident memory of the game through the real SDL backend, offscreen, with the renderer
// SDL_RENDER_DRIVER picks (OpenGL through Mesa by default): at the title, in a battle, and
// back at the title after a whole campaign (every opponent's match in both quests and the
// EX mission, rounds cut short) played by the stand-in player, leaving each match the way
// the game does so each screen loads and frees its own pictures.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "cards/decks.h"
#include "cards/opponents.h"
#include "picture_scene.h"
#include "sdl_bench.h"
#include "shell/exits.h"
#include "shell/hooks.h"
#include "shell/modes.h"
#include "tools/battle_bot.h"

namespace {

constexpr float FRAMETIME = 0.01f;
constexpr int SCREENFRAMES = 100;  // frames drawn on each menu screen
constexpr int ROUNDFRAMES = 600;   // frames played of each round
constexpr int DRAWEVERY = 4;       // battle frames drawn: one in this many

SdlEngine* engine = nullptr;
bool drawing = true;

// Every step runs; only the frames asked for are drawn, which keeps a campaign short on a
// software renderer while every picture still reaches the device.
bool frame() {
    updateVars(hge->Timer_GetDelta());
    if (drawing) {
        callHook(gameHooks.drawBegins);
        hge->Gfx_BeginScene();
        hge->Gfx_Clear(0);
        renderAll();
        hge->Gfx_EndScene();
    }
    return false;
}

long residentKiB() {
    std::ifstream status("/proc/self/status");
    std::string key;
    long value = 0;
    while (status >> key) {
        if (key == "VmRSS:") {
            status >> value;
            return value;
        }
        status.ignore(1 << 12, '\n');
    }
    return 0;
}

void report(const char* when) { std::printf("%-32s %6.1f MiB resident\n", when, static_cast<double>(residentKiB()) / 1024.0); }

void showScreen() {
    drawing = true;
    for (int f = 0; f < SCREENFRAMES; ++f) engine->runFrame(FRAMETIME);
}

void playRounds(int rounds) {
    for (int round = 0; round < rounds; ++round) {
        if (round > 0) {
            curRound = round;
            gameMode = MODE_GAME;
            initRound(false);
        }
        for (int f = 0; f < ROUNDFRAMES && gameMode == MODE_GAME; ++f) {
            drawing = f % DRAWEVERY == 0;
            botFrame(*engine, f);
            engine->runFrame(FRAMETIME);
        }
        botRelease(*engine);
    }
}

void playMatch(int opp, int quest, int rounds) {
    selectedOpp = opp;
    selectedVeh = opp % MAXVEHICLES;
    selectedDeck = opp % MAXDECKS;
    newGame = quest == 1;
    if (quest == 2) {
        pl[0].questNum = 2;
        pl[0].deckSize = pl[1].deckSize = STARTINGCARDSINDECK;
        initNewDeck(0);
    }
    initGame();
    playRounds(rounds);
    if (quest == 1 && opp == 0) report("In the first battle");
    back2SelectScreen(opp == MAXOPPONENTS - 1 && quest == 1);
    showScreen();
}

}  // namespace

int main() {
    engine = sdlbench::startOffscreen("kvb_bench_sdl_memory", frame);
    if (!engine) return 1;
    std::printf("Video driver %s, renderer %s\n", SDL_GetCurrentVideoDriver(), sdlbench::rendererName(engine));
    loadWholeGame();
    back2titleFromGame();
    showScreen();
    report("At the title");

    for (int quest = 1; quest <= 2; ++quest)
        for (int opp = 0; opp < MAXOPPONENTS; ++opp) {
            playMatch(opp, quest, oppRounds[opp]);
            if (quest == 1 && opp == 0) report("After the first match");
        }
    selectedOpp = EXMISSION;
    initGame();
    playRounds(3);
    report("In the EX mission");
    back2titleFromGame();
    showScreen();
    report("At the title after a campaign");

    releaseSharedResources();
    hge->Resource_RemoveAllPacks();
    hge->System_Shutdown();
    hge->Release();
    return 0;
}
