// kvb_menushot: opens one screen without playing up to it and saves a picture of it,
// drawn by the real SDL backend offscreen.
//
//   kvb_menushot SCREEN SECONDS OUT.png
//
// SCREEN is "confirm" (quitting a match, over a battle), "keychange" (over the options),
// "ending" or "roll" (the ending's scrolling roll, entered at once), "pause",
// "pauseconds" (the pause with conditions and passives on both sides), "gameover",
// "winround", "winmatch" (each over a battle), "upgrade" or "reward" (after a first win
// over opponent 3). The screen runs for SECONDS before the picture is taken. Run it in the
// folder that holds kvb.paq and the data files (build/play/).
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "battle/battle_frame.h"
#include "battle/setup.h"
#include "cards/conditions.h"
#include "cards/datafiles.h"
#include "platform/core/game_paths.h"
#include "platform/core/input_state.h"
#include "platform/sdl/sdl_engine.h"
#include "screens/confirm_exit.h"
#include "screens/ending.h"
#include "screens/match_rewards.h"
#include "screens/options_screen.h"
#include "screens/pause_screen.h"
#include "screens/round_end.h"
#include "screens/screens.h"
#include "shell/frame.h"
#include "shell/modes.h"
#include "shell/options.h"
#include "shell/startup.h"
#include "shell/world.h"
#include "tools/play_folder.h"

namespace {

// A new game's match against opponent 3, its round intro over.
void startBattle() {
    selectedOpp = 3;
    newGame = true;
    initGame();
    progress = 100;
}

// The screens shown over a running battle.
void (*overBattle(const std::string& screen))() {
    if (screen == "pause") return initPauseScreen;
    if (screen == "gameover") return initGameOver;
    if (screen == "winround") return initWinRound;
    if (screen == "winmatch") return initWinMatch;
    return nullptr;
}

bool openScreen(const std::string& screen) {
    if (screen == "confirm") {
        startBattle();
        pl[0].misc[M_CONFIRM] = CF_QUITMATCH;
        initConfirmExit();
    } else if (screen == "pauseconds") {
        // Both sides under a bad and a good condition, holding passives.
        startBattle();
        for (int side = 0; side < 2; ++side) {
            receiveCond(side, side == 0 ? C_TOXI : C_STUP, 2);
            receiveCond(side, side == 0 ? C_ROXY : C_R2X, 3);
            receivePassive(side, side == 0 ? P_SPEED_12 : P_XRAY);
            receivePassive(side, side == 0 ? P_FREQ : P_COG);
            receivePassive(side, P_3XEN);
        }
        initPauseScreen();
    } else if (const auto init = overBattle(screen)) {
        startBattle();
        pl[0].score = 45000;
        init();
    } else if (screen == "upgrade" || screen == "reward") {
        startBattle();
        pl[0].score = 45000;
        initWinMatch();
        if (screen == "upgrade") initSelectUpgrade();
        else initSelectReward();
    } else if (screen == "keychange") {
        initOptionsScreen();
        initKeyChange(OPT_KEYFIRE);
    } else if (screen == "ending" || screen == "roll") {
        pl[0].questNum = 1;
        totalScore = 1234567;
        playTime = 12345;
        for (int kind = 1; kind <= 24; kind += 2) pl[0].killsByKind[kind] = kind * 7;
        initEnding();
        if (screen == "roll") {
            progress = 80;
            sdlEngine()->runFrame(0.01f);
            SDL_Event e{};
            e.type = SDL_KEYDOWN;
            e.key.keysym.scancode = SDL_SCANCODE_RETURN;
            SDL_PushEvent(&e);
        }
    } else {
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr,
                     "usage: kvb_menushot confirm|keychange|ending|roll|pause|pauseconds|gameover|winround|winmatch|upgrade|"
                     "reward SECONDS OUT.png\n");
        return 2;
    }
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    hge = hgeCreate(HGE_VERSION);
    hge->System_SetState(HGE_LOGFILE, "menushot.log");
    hge->System_SetState(HGE_WINDOWED, true);
    hge->System_SetState(HGE_TITLE, "kvb_menushot");
    hge->System_SetState(HGE_FRAMEFUNC, FrameFunc);
    if (!hge->System_Initiate()) {
        std::fprintf(stderr, "kvb_menushot: %s\n", hge->System_GetErrorMessage());
        return 1;
    }
    loadWholeGame();
    // Everything is loaded: the screens run in a scratch folder, so that the ending's save
    // never replaces a save of the play folder.
    const std::string out = std::filesystem::absolute(argv[3]).string();
    char scratch[] = "/tmp/kvb_menushot_XXXXXX";
    if (!mkdtemp(scratch) || chdir(scratch) != 0) {
        std::fprintf(stderr, "kvb_menushot: no scratch folder\n");
        return 1;
    }
    setUserDir(scratch);
    int status = 0;
    if (openScreen(argv[1])) {
        const int frames = static_cast<int>(std::atof(argv[2]) * 100);
        for (int i = 0; i < frames; ++i) sdlEngine()->runFrame(0.01f);
        hge->Gfx_BeginScene();
        hge->Gfx_Clear(0);
        renderAll();
        hge->System_Snapshot(out.c_str());
        hge->Gfx_EndScene();
    } else {
        std::fprintf(stderr, "kvb_menushot: no screen %s\n", argv[1]);
        status = 2;
    }
    std::error_code ignored;
    std::filesystem::remove_all(scratch, ignored);
    releaseSharedResources();
    hge->Resource_RemoveAllPacks();
    hge->System_Shutdown();
    hge->Release();
    return status;
}
