// kvb_menushot: opens one screen without playing up to it and saves a picture of it,
// drawn by the real SDL backend offscreen.
//
//   kvb_menushot SCREEN SECONDS OUT.png [KEYS]
//
// SCREEN is "confirm" (quitting a match, over a battle), "keychange" (over the options),
// "ending" or "roll" (the ending's scrolling roll, entered at once), "pause",
// "pauseconds" (the pause with conditions and passives on both sides), "gameover",
// "winround", "winmatch" (each over a battle), "upgrade" or "reward" (after a first win
// over opponent 3), "title", "load" (continue: a saved game, and a damaged one with a
// backup in slot 2), "vehicle", "deck", "opponent" or "viewdeck" (of a second quest with
// two opponents beaten and 120 cards), "inst" or "credits", "options", and the two-player
// match's "versus" (set-up), "versusbattle", "versusround" and "versusresult" (vehicles
// 2 and 5 in the Divodi Forest, the result at 2 - 1), and "replays" (the list of two
// matches just recorded, one of them kept, and a damaged file) or "replay" (the first of
// them on show). The screen runs for SECONDS,
// then KEYS are pressed one after another (u d l r: the arrows, e: Enter, s: Space,
// b: Escape), and the picture is taken. Run it in the folder that holds kvb.paq and the
// data files (build/play/).
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "battle/battle_frame.h"
#include "battle/setup.h"
#include "battle/versus_rules.h"
#include "cards/conditions.h"
#include "cards/datafiles.h"
#include "cards/savegame.h"
#include "platform/core/game_paths.h"
#include "platform/core/input_state.h"
#include "platform/sdl/sdl_engine.h"
#include "replay/playback.h"
#include "replay/recorder.h"
#include "replay/replay_library.h"
#include "screens/confirm_exit.h"
#include "screens/ending.h"
#include "screens/load_screen.h"
#include "screens/match_rewards.h"
#include "screens/options_screen.h"
#include "screens/pause_screen.h"
#include "screens/replays.h"
#include "screens/round_end.h"
#include "screens/screens.h"
#include "screens/selection.h"
#include "screens/title.h"
#include "screens/versus.h"
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

// A campaign in its second quest, two opponents beaten, with a deck large enough to
// delete from.
void runningCampaign() {
    startBattle();
    newGame = false;
    pl[0].saveSlot = 0;
    pl[0].questNum = 2;
    beat[0] = beat[1] = 1;
    pl[0].deckSize = 120;
    for (int i = 0; i < pl[0].deckSize; ++i) pl[0].deck[i] = 1 + i * 7 % 300;
}

// Slot 0 holds a game; slot 2 a damaged file whose backup loads.
void saveSlots() {
    runningCampaign();
    saveGame(0);
    saveGame(2);
    saveGame(2);
    std::FILE* f = std::fopen(saveFileName(2).c_str(), "w");
    if (f) {
        std::fputs("damaged\n", f);
        std::fclose(f);
    }
    newGame = false;
}

// A two-player match under way: vehicles 2 and 5, decks 0 and 4, in the Divodi Forest.
void versusMatch() {
    startVersusMatch(2, 5, 0, 4, 1);
    progress = 100;
}

// A round of opponent 3 played for three seconds and won, recorded as the game records it.
void recordRound() {
    startBattle();
    for (int i = 0; i < 300; ++i) sdlEngine()->runFrame(0.01f);
    pl[1].heart = 0;
    for (int i = 0; i < 5; ++i) sdlEngine()->runFrame(0.01f);
}

// Two recorded matches, the first kept for good, and a damaged file among the recent ones.
void recordReplays() {
    recordRound();
    std::string kept, error;
    if (!keepCurrentReplay(kept, error)) std::fprintf(stderr, "kvb_menushot: %s\n", error.c_str());
    recordRound();
    std::FILE* f = std::fopen((recentReplayFolder() + "/20260101-000000.kvr").c_str(), "w");
    if (f) {
        std::fputs("damaged\n", f);
        std::fclose(f);
    }
}

bool openReplays(const std::string& screen) {
    if (screen != "replays" && screen != "replay") return false;
    recordReplays();
    initReplayList();
    if (screen == "replay") {
        std::string error;
        for (const ReplayListing& l : listReplays())
            if (l.fault.empty() && startPlayback(l.path, error)) break;
    }
    return true;
}

// The two-player match's screens.
bool openVersus(const std::string& screen) {
    if (screen == "versus") {
        initVersusSetup();
    } else if (screen == "versusbattle") {
        versusMatch();
    } else if (screen == "versusround" || screen == "versusresult") {
        versusMatch();
        versus.wins[0] = screen == "versusround" ? 1 : 2;
        versus.wins[1] = 1;
        versus.roundWinner = 0;
        curRound = versus.wins[0] + versus.wins[1] - 1;  // the round just won
        if (screen == "versusround") initVersusRound();
        else initVersusResult();
    } else {
        return openReplays(screen);
    }
    return true;
}

// The menus reached from the title or the opponent selection.
bool openMenu(const std::string& screen) {
    if (screen == "title") {
        initTitleScreen();
    } else if (screen == "load") {
        saveSlots();
        initLoadScreen();
    } else if (screen == "vehicle") {
        newGame = true;
        initSelectVehScreen();
    } else if (screen == "deck") {
        newGame = true;
        initSelectDeckScreen();
    } else if (screen == "opponent" || screen == "viewdeck") {
        runningCampaign();
        initSelectOppScreen();
        if (screen == "viewdeck") initViewDeckScreen();
    } else if (screen == "inst") {
        pl[0].misc[M_INST] = CF_TITLE;
        gameMode = MODE_INST;
    } else if (screen == "credits") {
        initCredits();
    } else if (screen == "options") {
        pl[0].misc[M_OPTIONS] = CF_TITLE;
        initOptionsScreen();
    } else {
        return openVersus(screen);
    }
    return true;
}

SDL_Scancode scancodeOf(char key) {
    switch (key) {
    case 'u': return SDL_SCANCODE_UP;
    case 'd': return SDL_SCANCODE_DOWN;
    case 'l': return SDL_SCANCODE_LEFT;
    case 'r': return SDL_SCANCODE_RIGHT;
    case 'e': return SDL_SCANCODE_RETURN;
    case 's': return SDL_SCANCODE_SPACE;
    case 'b': return SDL_SCANCODE_ESCAPE;
    default: return SDL_SCANCODE_UNKNOWN;
    }
}

// Each key pressed for a frame and let go for two.
void pressKeys(const char* keys) {
    for (const char* k = keys; *k; ++k) {
        SDL_Event e{};
        e.type = SDL_KEYDOWN;
        e.key.state = SDL_PRESSED;
        e.key.keysym.scancode = scancodeOf(*k);
        SDL_PushEvent(&e);
        sdlEngine()->runFrame(0.01f);
        e.type = SDL_KEYUP;
        e.key.state = SDL_RELEASED;
        SDL_PushEvent(&e);
        sdlEngine()->runFrame(0.01f);
        sdlEngine()->runFrame(0.01f);
    }
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
        return openMenu(screen);
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4 && argc != 5) {
        std::fprintf(stderr,
                     "usage: kvb_menushot confirm|keychange|ending|roll|pause|pauseconds|gameover|winround|winmatch|"
                     "upgrade|reward|title|load|vehicle|deck|opponent|viewdeck|inst|credits|options|versus|versusbattle|"
                     "versusround|versusresult|replays|replay SECONDS OUT.png [KEYS]\n");
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
    // Matches are recorded as in the game, so that the round ends offer "Save replay".
    registerRecorder();
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
        if (argc == 5) pressKeys(argv[4]);
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
