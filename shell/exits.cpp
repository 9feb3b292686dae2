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

void back2SelectScreen(bool toEnding) {
    purge(selectedOpp + 10);
    if (psmgr) psmgr->KillAll();
    if (psmgrX) psmgrX->KillAll();
    callHook(toEnding ? gameHooks.initEnding : gameHooks.initSelectOppScreen);
}

void exitTitleScreen() {
    switch (selected) {
    case 0:
        playSFX(1, 1);
        newGame = true;
        purge(1);
        callHook(gameHooks.initLoadScreen);
        break;
    case 1:
        purge(1);
        callHook(gameHooks.initLoadScreen);
        break;
    case 2:
        pl[0].misc[M_INST] = 3;
        gameMode = MODE_INST;
        break;
    case 3:
        pl[0].misc[M_OPTIONS] = 3;
        callHook(gameHooks.initOptionsScreen);
        break;
    case 4:
        callHook(gameHooks.initCredits);
        break;
    case 5:
        done = true;
        break;
    default:
        break;
    }
}
