#include "screens/screens.h"

#include <initializer_list>

#include "screens/battle_drawing.h"
#include "screens/instructions.h"
#include "shell/modes.h"

namespace {

void setDraw(int mode, void (*draw)()) {
    ModeHandlers h = modeHandlers(mode);
    h.draw = draw;
    setModeHandlers(mode, h);
}

void setUpdate(int mode, void (*update)(float)) {
    ModeHandlers h = modeHandlers(mode);
    h.update = update;
    setModeHandlers(mode, h);
}

}  // namespace

void registerScreens() {
    // The battle picture, and under the overlays of the screens shown over a battle.
    for (int mode : {MODE_GAME, MODE_GAMEOVER, MODE_WINROUND, MODE_WINMATCH, MODE_PAUSE}) setDraw(mode, drawGame);
    setUpdate(MODE_INST, updateInst);
    setDraw(MODE_INST, drawInst);
    setUpdate(MODE_CREDITS, updateInst);
}
