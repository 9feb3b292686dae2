#include "screens/screens.h"

#include <initializer_list>

#include "screens/battle_drawing.h"
#include "screens/confirm_exit.h"
#include "screens/ending.h"
#include "screens/instructions.h"
#include "screens/load_screen.h"
#include "screens/options_screen.h"
#include "screens/selection.h"
#include "screens/title.h"
#include "shell/hooks.h"
#include "shell/modes.h"

namespace {

void setDraw(int mode, void (*draw)()) {
    ModeHandlers h = modeHandlers(mode);
    h.draw = draw;
    setModeHandlers(mode, h);
}

}  // namespace

void registerScreens() {
    // The battle picture, and under the overlays of the screens shown over a battle.
    for (int mode : {MODE_GAME, MODE_GAMEOVER, MODE_WINROUND, MODE_WINMATCH, MODE_PAUSE}) setDraw(mode, drawGame);
    setModeHandlers(MODE_INST, {updateInst, drawInst});
    setModeHandlers(MODE_TITLE, {updateTitleScreen, drawTitleScreen});
    setModeHandlers(MODE_CREDITS, {updateInst, drawCredits});
    setModeHandlers(MODE_LOAD, {updateLoadGame, drawLoadScreen});
    setModeHandlers(MODE_SELECTVEH, {updateSelectVehScreen, drawSelectVehScreen});
    setModeHandlers(MODE_SELECTDECK, {updateSelectDeckScreen, drawSelectDeckScreen});
    setModeHandlers(MODE_SELECTOPP, {updateSelectOppScreen, drawSelectOppScreen});
    setModeHandlers(MODE_VIEWDECK, {updateViewDeckScreen, drawViewDeckScreen});
    // The question is asked over the battle it would leave.
    setModeHandlers(MODE_CONFIRMEXIT, {updateConfirmExit, drawGame, drawConfirmExit});
    setModeHandlers(MODE_OPTIONS, {updateOptionsScreen, drawOptionsScreen});
    setModeHandlers(MODE_CONFIRMKEY, {updateConfirmKey, drawOptionsScreen, drawConfirmKey});
    setModeHandlers(MODE_ENDING, {updateEnding, drawEnding});

    gameHooks.initTitleScreen = initTitleScreen;
    gameHooks.initLoadScreen = initLoadScreen;
    gameHooks.initOptionsScreen = initOptionsScreen;
    gameHooks.initCredits = initCredits;
    gameHooks.initEnding = initEnding;
    gameHooks.initSelectOppScreen = initSelectOppScreen;
}
