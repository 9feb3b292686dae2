// kvb_record_replays: records the replays kept in tests/replays/ with the stand-in player
// on the headless backend and the real pack, one match a file:
//   campaign-won      every round against opponent 0, won
//   lost-and-retried  a round against opponent 1 lost, then retried and won
//   second-quest      a second-quest match against opponent 2
//   ex-mission        three minutes of the EX mission
//   versus            a two-player match of two won rounds, both sides played by stand-ins
// The stand-in is given strong statistics before each match so its rounds end within
// minutes; everything it then does is its input alone. Run in build/play/ with the folder
// to write into:  kvb_record_replays ../../tests/replays
#include <cstdio>
#include <filesystem>
#include <string>

#include "battle/setup.h"
#include "battle/versus_rules.h"
#include "cards/datafiles.h"
#include "cards/decks.h"
#include "cards/opponents.h"
#include "platform/core/input_state.h"
#include "platform/headless/headless_engine.h"
#include "replay/recorder.h"
#include "replay/verify.h"
#include "shell/exits.h"
#include "shell/frame.h"
#include "shell/modes.h"
#include "shell/world.h"
#include "tools/battle_bot.h"
#include "tools/play_folder.h"

namespace fs = std::filesystem;

namespace {

constexpr int MAXFRAMES = 60000;  // ten minutes of game time at most for any one match

HeadlessEngine* engine = nullptr;

void strengthen(int veh) {
    VEH_power[veh] *= 20;
    VEH_heart[veh] *= 4;
    VEH_armor[veh] *= 4;
}

bool betweenRounds() {
    return gameMode == MODE_WINROUND || gameMode == MODE_VERSUSROUND;
}

// Plays until `until` says stop or `frames` pass: the stand-ins fight each round from its
// start, and the screens between rounds run their course.
template <typename Stop>
void play(int frames, bool versusMatch, Stop until) {
    int roundFrame = 0;
    for (int f = 0; f < frames && !until(); ++f) {
        if (gameMode == MODE_GAME) {
            botFrame(*engine, roundFrame);
            if (versusMatch) botFrame(*engine, roundFrame, pl[1].opt);
            ++roundFrame;
        } else if (betweenRounds() && roundFrame > 0) {
            botRelease(*engine);
            if (versusMatch) botRelease(*engine, pl[1].opt);
            roundFrame = 0;
        }
        engine->runFrame(0.01f);
    }
    botRelease(*engine);
    if (versusMatch) botRelease(*engine, pl[1].opt);
    // One more step, in which the recorder sees the round's end.
    engine->runFrame(0.01f);
}

bool inMode(int mode) { return gameMode == mode; }

void newCampaignMatch(int opp, int veh) {
    selectedOpp = opp;
    selectedVeh = veh;
    selectedDeck = 0;
    newGame = true;
    initGame();
}

// A campaign in its second quest, with a fresh starting deck.
void secondQuestMatch(int opp, int veh, int deck) {
    selectedOpp = opp;
    selectedVeh = veh;
    selectedDeck = deck;
    newGame = false;
    pl[0].questNum = 2;
    pl[0].deckSize = 50;
    initNewDeck(0);
    totalScore = 60000;
    initGame();
}

void quitMatch() {
    back2titleFromGame();
    engine->runFrame(0.01f);
}

bool keep(const fs::path& folder, const char* name) {
    const fs::path to = folder / (std::string(name) + ".kvr");
    std::error_code ec;
    fs::copy_file(currentReplayPath(), to, fs::copy_options::overwrite_existing, ec);
    if (ec) {
        std::printf("%s could not be written: %s\n", to.c_str(), ec.message().c_str());
        return false;
    }
    const Replay& r = currentReplay();
    std::printf("%s: %zu rounds, %u s of battle\n", to.c_str(), r.rounds.size(), r.info.steps / 100);
    return true;
}

bool record(const fs::path& out) {
    loadData();
    strengthen(6);
    newCampaignMatch(0, 6);
    play(MAXFRAMES, false, [] { return inMode(MODE_WINMATCH); });
    if (!keep(out, "campaign-won")) return false;

    loadData();
    VEH_heart[2] = 3;
    newCampaignMatch(1, 2);
    play(MAXFRAMES, false, [] { return inMode(MODE_GAMEOVER); });
    loadData();
    strengthen(2);
    play(400, false, [] { return !inMode(MODE_GAMEOVER); });
    engine->tapKey(vk::SPACE);
    play(MAXFRAMES, false, [] { return betweenRounds() || inMode(MODE_WINMATCH); });
    quitMatch();
    if (!keep(out, "lost-and-retried")) return false;

    loadData();
    strengthen(4);
    secondQuestMatch(2, 4, 3);
    play(MAXFRAMES, false, [] { return inMode(MODE_WINMATCH); });
    quitMatch();
    if (!keep(out, "second-quest")) return false;

    loadData();
    strengthen(1);
    secondQuestMatch(EXMISSION, 1, 5);
    play(18000, false, [] { return inMode(MODE_GAMEOVER); });
    quitMatch();
    if (!keep(out, "ex-mission")) return false;

    loadData();
    strengthen(5);
    versus.roundsToWin = 2;
    startVersusMatch(2, 5, 0, 1, 3);
    play(MAXFRAMES, true, [] { return inMode(MODE_VERSUSRESULT); });
    back2titleFromVersus();
    engine->runFrame(0.01f);
    return keep(out, "versus");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER  (run in build/play/)\n", argv[0]);
        return 2;
    }
    const fs::path out = fs::absolute(argv[1]);
    const fs::path play = fs::current_path();
    fs::create_directories(out);
    enterPlayFolder(fs::temp_directory_path() / "kvb_record_replays", play, play / "kvb.paq");
    hge = hgeCreate(HGE_VERSION);
    engine = headless();
    hge->System_Initiate();
    loadWholeGame();
    registerRecorder();
    hge->System_SetState(HGE_FRAMEFUNC, FrameFunc);
    const bool ok = record(out);
    hge->System_Shutdown();
    return ok ? 0 : 1;
}
