#include "battle/versus_rules.h"

#include "battle/setup.h"
#include "shell/hooks.h"
#include "shell/modes.h"
#include "shell/world.h"

namespace {
// A screen not handed over yet still leaves the battle, so the round ends only once.
void open(void (*screen)(), int mode) {
    if (screen) screen();
    else gameMode = mode;
}
}  // namespace

void startVersusMatch() {
    versus.on = true;
    if (versus.place < 0 || versus.place >= MAXOPPONENTS) versus.place = VERSUSRANDOMPLACE;
    selectedOpp = versus.place == VERSUSRANDOMPLACE ? hge->Random_Int(0, MAXOPPONENTS - 1) : versus.place;
    selectedVeh = versus.vehicle[0];
    selectedDeck = versus.deck[0];
    newGame = false;
    versus.wins[0] = versus.wins[1] = 0;
    versus.roundWinner = -1;
    versus.padCount = hge->Input_GetPadCount();
    versus.padNotice = false;
    initGame();
}

void startVersusMatch(int vehicle0, int vehicle1, int deck0, int deck1, int place) {
    versus.vehicle[0] = vehicle0;
    versus.vehicle[1] = vehicle1;
    versus.deck[0] = deck0;
    versus.deck[1] = deck1;
    versus.place = place;
    startVersusMatch();
}

void nextVersusRound() {
    ++curRound;
    gameMode = MODE_GAME;
    initRound(false);
}

int versusMatchWinner() {
    for (int side = 0; side < 2; ++side)
        if (versus.wins[side] >= versus.roundsToWin) return side;
    return -1;
}

void endVersusRound() {
    const bool out0 = pl[0].heart <= 0, out1 = pl[1].heart <= 0;
    versus.roundWinner = out0 && out1 ? -1 : (out0 ? 1 : 0);
    if (versus.roundWinner >= 0) ++versus.wins[versus.roundWinner];
    if (versusMatchWinner() >= 0) open(gameHooks.initVersusResult, MODE_VERSUSRESULT);
    else open(gameHooks.initVersusRound, MODE_VERSUSROUND);
}
