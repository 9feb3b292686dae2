#include "shell/exits.h"

#include "shell/hooks.h"
#include "shell/modes.h"
#include "shell/sound.h"
#include "shell/world.h"
#include "toolkit/hgepmanager.h"
#include "toolkit/hgeresource.h"

namespace {
void purge(int group) {
    if (myRes) myRes->Purge(group);
}
}  // namespace

void back2title() {
    newGame = false;
    versus.on = false;
    gameMode = MODE_TITLE;
    purge(2);
    playSFX(2, 1);
    callHook(gameHooks.initTitleScreen);
}

void back2titleFromGame() {
    playBGM("titleMusicSTR");
    callHook(gameHooks.loadData);
    back2title();
}

void back2titleFromVersus() {
    if (psmgr) psmgr->KillAll();
    if (psmgrX) psmgrX->KillAll();
    back2titleFromGame();
}

void back2SelectScreen(bool toEnding) {
    purge(selectedOpp + 10);
    if (psmgr) psmgr->KillAll();
    if (psmgrX) psmgrX->KillAll();
    callHook(toEnding ? gameHooks.initEnding : gameHooks.initSelectOppScreen);
}

namespace {

void openNewGame() {
    playSFX(1, 1);
    newGame = true;
    purge(1);
    callHook(gameHooks.initLoadScreen);
}

void openContinue() {
    purge(1);
    callHook(gameHooks.initLoadScreen);
}

void openVersus() {
    playSFX(1, 1);
    callHook(gameHooks.initVersusSetup);
}

void openReplays() {
    playSFX(1, 1);
    callHook(gameHooks.initReplayList);
}

void openInstructions() {
    pl[0].misc[M_INST] = 3;
    gameMode = MODE_INST;
}

void openOptions() {
    pl[0].misc[M_OPTIONS] = 3;
    callHook(gameHooks.initOptionsScreen);
}

void openCredits() { callHook(gameHooks.initCredits); }

void openExit() { done = true; }

// One row per title item, in TitleItem's order: one more item is one more row.
constexpr void (*TITLEACTIONS[NUMTITLEITEMS])() = {openNewGame, openContinue, openVersus,  openReplays,
                                                   openInstructions, openOptions, openCredits, openExit};
static_assert(NUMTITLEITEMS == MAXTITLEOPTIONS);

}  // namespace

void exitTitleScreen() {
    if (selected >= 0 && selected < NUMTITLEITEMS) TITLEACTIONS[selected]();
}
