// The pause (mode 11): resume, the options, quitting the match or the game (each asked
// again on the exit confirmation), and the instructions on F1.
#include "screens/pause_screen.h"

#include "platform/core/input_state.h"
#include "screens/confirm_exit.h"
#include "screens/drawing.h"
#include "screens/menu.h"
#include "screens/options_screen.h"
#include "shell/modes.h"
#include "shell/world.h"
#include "toolkit/hgefont.h"

namespace {

constexpr int BUTTONS = 100;  // pos[100..103]
constexpr int NUMBUTTONS = 4;
constexpr float BUTTONTOPS[NUMBUTTONS] = {276, 328, 376, 424};
constexpr int RESUME = 0, OPTIONS = 1, QUITMATCH = 2, QUITGAME = 3;
const char* const BUTTONLABELS[NUMBUTTONS] = {"Resume Game", "Options", "Quit Match", "Quit Game"};
constexpr DWORD WHITE = 0xFFFFFFFF;

void resume() {
    gameMode = MODE_GAME;
    hge->System_SetState(HGE_HIDEMOUSE, true);
    // The battle steers by the pointer's distance from the middle: where it was left on
    // the menu must not jolt the vehicle.
    hge->Input_SetMousePos(CENTERLINE, SCREEN_HEIGHT / 2);
}

void askToQuit(int kind) {
    pl[0].misc[M_CONFIRM] = static_cast<float>(kind);
    initConfirmExit();
}

void press(int button) {
    switch (button) {
    case RESUME: resume(); break;
    case OPTIONS:
        pl[0].misc[M_OPTIONS] = CF_INGAME;
        initOptionsScreen();
        break;
    case QUITMATCH: askToQuit(CF_QUITMATCH); break;
    case QUITGAME: askToQuit(CF_QUITGAME); break;
    default: break;
    }
}

}  // namespace

void initPauseScreen() {
    enterMenu();
    gameMode = MODE_PAUSE;
    selected = RESUME;
    for (int i = 0; i < NUMBUTTONS; ++i) pos[BUTTONS + i] = hgeRect(268, BUTTONTOPS[i], 524, BUTTONTOPS[i] + 40);
}

void updatePauseScreen(float) {
    hoverTest(BUTTONS, BUTTONS + NUMBUTTONS - 1);
    const int over = hovered(BUTTONS, BUTTONS + NUMBUTTONS - 1);
    const bool moved = pointerMoved();
    if (over >= 0 && moved) selected = over - BUTTONS;
    const int key = menuKey();
    if (isUpKey(key)) selected = selected == 0 ? NUMBUTTONS - 1 : selected - 1;
    else if (isDownKey(key)) selected = (selected + 1) % NUMBUTTONS;
    else if (key == vk::LBUTTON && over >= 0) press(over - BUTTONS);
    else if (isConfirmKey(key)) press(selected);
    else if (isBackKey(key)) resume();
    else if (key == vk::F1) {
        pl[0].misc[M_INST] = CF_PAUSE;
        gameMode = MODE_INST;
    }
}

void drawPauseScreen() {
    // Dark enough that white text stays above 4.5:1 over the brightest battle.
    drawRect(hgeRect(0, 0, SCREEN_WIDTH, SCREEN_HEIGHT), 0xF0282830);
    DrawTextA(font1, 400, 84, "Paused", 1, 2, WHITE);
    DrawTextA(font1, 400, 136, label("Zone %d - %d", selectedOpp + 1, curRound + 1), 1, 1, WHITE);
    DrawTextA(font1, 400, 174, label("Vs: %s", curOppName.c_str()), 1, 1, WHITE);
    const Player& me = pl[0];
    DrawTextA(font1, 400, 212, label("Shot size: level %d    Shots per volley: %d", me.shotLevel, me.shotQty), 1, 0.75f,
              WHITE);
    for (int i = 0; i < NUMBUTTONS; ++i) {
        const hgeRect& r = pos[BUTTONS + i];
        // The focus edge marks the choice: a light wash would take the label below 4.5:1.
        drawRectB(r, 0xFF000000, i == selected ? 0xFF33589E : 0xFF2B4C8C, 2);
        if (i == selected) drawFocus(r);
        DrawTextA(font1, (r.x1 + r.x2) / 2, (r.y1 + r.y2) / 2, BUTTONLABELS[i], 1, 1, WHITE);
    }
    DrawTextA(fontSmall2, 400, 490, "F1: instructions", 1, 1, 0xFFD0D0D0);
    setFontStyle(font1, 1, WHITE);
    setFontStyle(fontSmall2, 1, WHITE);
}
