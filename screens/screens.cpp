#include "screens/screens.h"

#include "screens/battle_drawing.h"
#include "screens/battle_pictures.h"
#include "screens/confirm_exit.h"
#include "screens/ending.h"
#include "screens/instructions.h"
#include "screens/load_screen.h"
#include "screens/match_rewards.h"
#include "screens/options_screen.h"
#include "screens/pause_screen.h"
#include "screens/replays.h"
#include "screens/round_end.h"
#include "screens/selection.h"
#include "screens/title.h"
#include "screens/versus.h"
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
    // The battle picture, and under it the overlays of the screens shown over a battle.
    setDraw(MODE_GAME, drawGame);
    setModeHandlers(MODE_PAUSE, {updatePauseScreen, drawGame, drawPauseScreen});
    setModeHandlers(MODE_GAMEOVER, {updateGameOver, drawGame, drawGameOver});
    setModeHandlers(MODE_WINROUND, {updateWinRound, drawGame, drawWinRound});
    setModeHandlers(MODE_WINMATCH, {updateWinMatch, drawGame, drawWinMatch});
    setModeHandlers(MODE_SELECTUPGRADE, {updateSelectUpgrade, drawSelectUpgrade});
    setModeHandlers(MODE_SELECTREWARD, {updateSelectReward, drawSelectReward});
    setModeHandlers(MODE_INST, {updateInst, drawInst});
    setModeHandlers(MODE_TITLE, {updateTitleScreen, drawTitleScreen});
    setModeHandlers(MODE_CREDITS, {updateInst, drawCredits});
    setModeHandlers(MODE_LOAD, {updateLoadGame, drawLoadScreen});
    setModeHandlers(MODE_SELECTVEH, {updateSelectVehScreen, drawSelectVehScreen});
    setModeHandlers(MODE_SELECTDECK, {updateSelectDeckScreen, drawSelectDeckScreen});
    setModeHandlers(MODE_SELECTOPP, {updateSelectOppScreen, drawSelectOppScreen});
    setModeHandlers(MODE_VIEWDECK, {updateViewDeckScreen, drawViewDeckScreen});
    // The question is asked over the battle or the title it would leave.
    setModeHandlers(MODE_CONFIRMEXIT, {updateConfirmExit, drawConfirmBackdrop, drawConfirmExit});
    setModeHandlers(MODE_OPTIONS, {updateOptionsScreen, drawOptionsScreen});
    setModeHandlers(MODE_CONFIRMKEY, {updateConfirmKey, drawOptionsScreen, drawConfirmKey});
    setModeHandlers(MODE_ENDING, {updateEnding, drawEnding});
    setModeHandlers(MODE_VERSUSSETUP, {updateVersusSetup, drawVersusSetup});
    setModeHandlers(MODE_VERSUSROUND, {updateVersusRound, drawGame, drawVersusRound});
    setModeHandlers(MODE_VERSUSRESULT, {updateVersusResult, drawGame, drawVersusResult});
    setModeHandlers(MODE_REPLAYLIST, {updateReplayList, drawReplayList});
    setModeHandlers(MODE_REPLAY, {updateReplayScreen, drawGame, drawReplayOverlay});

    gameHooks.initTitleScreen = initTitleScreen;
    gameHooks.initLoadScreen = initLoadScreen;
    gameHooks.initOptionsScreen = initOptionsScreen;
    gameHooks.drawBegins = followBattlePictures;
    gameHooks.initCredits = initCredits;
    gameHooks.initEnding = initEnding;
    gameHooks.initSelectOppScreen = initSelectOppScreen;
    gameHooks.initPauseScreen = initPauseScreen;
    gameHooks.initGameOver = initGameOver;
    gameHooks.initWinRound = initWinRound;
    gameHooks.initWinMatch = initWinMatch;
    gameHooks.initVersusSetup = initVersusSetup;
    gameHooks.initVersusRound = initVersusRound;
    gameHooks.initVersusResult = initVersusResult;
    gameHooks.initReplayList = initReplayList;
}
