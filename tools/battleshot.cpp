// kvb_battleshot: plays a round with the stand-in player and saves pictures of it, drawn
// by the real SDL backend offscreen, for looking at the battle without the menus.
//
//   kvb_battleshot [--opp N] [--round R] [--veh V] [--quest 2] [--seed S]
//                  [--at T1,T2,...] [--seconds S] [--out FOLDER]
//
// Run it in the folder that holds kvb.paq and the data files (build/play/). --opp 7 is
// the EX mission. It writes FOLDER/oppN-rR-Ts.png at each time T (seconds after the round
// started) and FOLDER/oppN-rR-end.png one second after the round ends, stopping there or
// after --seconds of play (default 60).
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>

#include "battle/battle_frame.h"
#include "battle/setup.h"
#include "cards/datafiles.h"
#include "cards/decks.h"
#include "platform/core/game_paths.h"
#include "platform/sdl/sdl_engine.h"
#include "screens/battle_drawing.h"
#include "screens/screens.h"
#include "shell/frame.h"
#include "shell/hooks.h"
#include "shell/modes.h"
#include "shell/options.h"
#include "shell/startup.h"
#include "shell/world.h"
#include "tools/battle_bot.h"
#include "tools/play_folder.h"

namespace {

constexpr float FRAMETIME = 0.01f;

struct Settings {
    int opp = 0, round = 0, veh = 0, quest = 1, seed = 1;
    float seconds = 60;
    std::set<int> shotFrames;  // frames after the round start to save
    std::string out = ".";
};

bool readInt(const char* text, int& value) {
    char* end = nullptr;
    const long v = std::strtol(text, &end, 10);
    if (!*text || *end) return false;
    value = static_cast<int>(v);
    return true;
}

bool parse(int argc, char** argv, Settings& s) {
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string flag = argv[i];
        const char* value = argv[i + 1];
        bool ok = true;
        if (flag == "--opp") ok = readInt(value, s.opp) && s.opp >= 0 && s.opp <= 7;
        else if (flag == "--round") ok = readInt(value, s.round) && s.round >= 0 && s.round < MAXROUNDS;
        else if (flag == "--veh") ok = readInt(value, s.veh) && s.veh >= 0 && s.veh < MAXVEHICLES;
        else if (flag == "--quest") ok = readInt(value, s.quest) && (s.quest == 1 || s.quest == 2);
        else if (flag == "--seed") ok = readInt(value, s.seed);
        else if (flag == "--seconds") s.seconds = static_cast<float>(std::atof(value));
        else if (flag == "--out") s.out = value;
        else if (flag == "--at") {
            std::stringstream list(value);
            for (std::string t; std::getline(list, t, ',');) s.shotFrames.insert(static_cast<int>(std::atof(t.c_str()) * 100 + 0.5));
        } else {
            ok = false;
        }
        if (!ok) {
            std::fprintf(stderr, "kvb_battleshot: bad %s %s\n", flag.c_str(), value);
            return false;
        }
    }
    if (argc % 2 == 0) {
        std::fprintf(stderr, "kvb_battleshot: %s needs a value\n", argv[argc - 1]);
        return false;
    }
    return true;
}

void startRound(const Settings& s) {
    selectedOpp = s.opp;
    selectedVeh = s.veh;
    selectedDeck = 0;
    // The EX mission is only open in the second quest.
    if (s.quest == 2 || s.opp == 7) {
        newGame = false;
        pl[0].questNum = 2;
        pl[0].deckSize = pl[1].deckSize = STARTINGCARDSINDECK;
        initNewDeck(0);
    } else {
        newGame = true;
    }
    initGame();
    if (s.round > 0) {
        curRound = s.round;
        initRound(false);
    }
}

void endRound(int mode) {
    gameMode = mode;
    progress = 0;
}

std::string pictureName(const Settings& s, const std::string& when) {
    return (std::filesystem::path(s.out) / ("opp" + std::to_string(s.opp) + "-r" + std::to_string(s.round) + "-" + when +
                                            ".png"))
        .string();
}

// The frame being played, and the picture to save at its end ("" for none).
int frameNumber = 0;
std::string pending;

bool frame() {
    botFrame(*sdlEngine(), frameNumber);
    updateVars(hge->Timer_GetDelta());
    if (pending.empty()) return false;
    hge->Gfx_BeginScene();
    hge->Gfx_Clear(0);
    renderAll();
    hge->System_Snapshot(pending.c_str());
    hge->Gfx_EndScene();
    std::printf("%s\n", pending.c_str());
    pending.clear();
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    Settings s;
    if (!parse(argc, argv, s)) return 2;
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    std::filesystem::create_directories(s.out);
    // Whatever the game writes (its log among it) goes with the pictures, never into the
    // player's own folder.
    setUserDir(s.out);

    hge = hgeCreate(HGE_VERSION);
    hge->System_SetState(HGE_LOGFILE, userPath("battleshot.log").c_str());
    hge->System_SetState(HGE_WINDOWED, true);
    hge->System_SetState(HGE_SCREENWIDTH, SCREEN_WIDTH);
    hge->System_SetState(HGE_SCREENHEIGHT, SCREEN_HEIGHT);
    hge->System_SetState(HGE_TITLE, "kvb_battleshot");
    hge->System_SetState(HGE_FRAMEFUNC, frame);
    if (!hge->System_Initiate()) {
        std::fprintf(stderr, "kvb_battleshot: %s\n", hge->System_GetErrorMessage());
        return 1;
    }
    hge->Random_Seed(s.seed);
    loadWholeGame();
    // The round-end screens are not part of this tool: their pictures show the battle
    // with the loser spinning from the moment the round ends.
    gameHooks.initGameOver = [] { endRound(MODE_GAMEOVER); };
    gameHooks.initWinRound = [] { endRound(MODE_WINROUND); };
    gameHooks.initWinMatch = [] { endRound(MODE_WINMATCH); };
    for (int mode : {MODE_GAMEOVER, MODE_WINROUND, MODE_WINMATCH}) setModeHandlers(mode, {nullptr, drawGame});
    startRound(s);

    const int lastFrame = static_cast<int>(s.seconds * 100);
    int endFrame = -1;
    for (frameNumber = 0; frameNumber <= lastFrame; ++frameNumber) {
        if (s.shotFrames.count(frameNumber)) {
            char when[32];
            std::snprintf(when, sizeof when, "%.1fs", frameNumber / 100.0);
            pending = pictureName(s, when);
        }
        if (endFrame < 0 && gameMode != MODE_GAME) endFrame = frameNumber + 100;
        if (frameNumber == endFrame) pending = pictureName(s, "end");
        if (!sdlEngine()->runFrame(FRAMETIME)) break;
        if (frameNumber == endFrame) break;
    }
    botRelease(*sdlEngine());
    releaseSharedResources();
    hge->Resource_RemoveAllPacks();
    hge->System_Shutdown();
    hge->Release();
    return 0;
}
