// The pause (mode 11): resume, the options, quitting the match or the game (each asked
// again on the exit confirmation), and the instructions on F1. Beside the buttons it spells
// out both sides' conditions and passives, which the HUD shows by short names.
#include "screens/pause_screen.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "battle/player.h"
#include "cards/card_effects.h"
#include "cards/conditions.h"
#include "cards/glossary.h"
#include "cards/hand.h"
#include "platform/core/input_state.h"
#include "screens/battle_drawing.h"
#include "screens/card_drawing.h"
#include "screens/confirm_exit.h"
#include "screens/drawing.h"
#include "screens/menu.h"
#include "screens/options_screen.h"
#include "screens/text_plate.h"
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

// Beside the buttons, each side's conditions and passives in force, spelled out: the HUD
// has room only for their short names and captions.
constexpr float LISTX[2] = {16, 548};
constexpr float LISTWIDTH = 236, LISTTOP = 250, LISTBOTTOM = 494, LISTPAD = 6;
constexpr float HEADSTEP = 13, LINESTEP = 12, ENTRYGAP = 5;
constexpr DWORD LISTPLATE = 0xE0101418, TITLECOLOR = 0xFFFFE27A, NAMECOLOR = 0xFFFFE27A;
constexpr DWORD MEANINGCOLOR = 0xFFE6E6E6, NONECOLOR = 0xFFB4B4B4;
const char* const LISTTITLES[2] = {"Your conditions and passives", "Rival's conditions and passives"};
constexpr const char* PASSIVEPREFIX = "Passive: ";

struct ListEntry {
    char head[96];
    char meaning[192];
};

// The side's conditions (bad slot, then good), then its passives in their slots' order.
int listEntries(int side, ListEntry out[5]) {
    const Player& p = pl[side];
    int n = 0;
    const bool xray = passiveExists(side, P_XRAY);
    for (int slot = 1; slot >= 0; --slot) {
        const int c = p.cond[slot];
        if (c <= 0 || c > MAXCONDS) continue;
        const ConditionName& name = CONDITIONNAMES[c];
        ListEntry& e = out[n++];
        if (xray)
            std::snprintf(e.head, sizeof e.head, "%s %d  -  %s, %.1f s left", name.shortName, p.condLevel[slot],
                          name.fullName, p.condTime[slot]);
        else
            std::snprintf(e.head, sizeof e.head, "%s %d  -  %s", name.shortName, p.condLevel[slot], name.fullName);
        std::snprintf(e.meaning, sizeof e.meaning, "%s", name.meaning);
    }
    for (int slot = 0; slot < 3; ++slot) {
        const int passive = p.passive[slot];
        if (passive <= 0) continue;
        const Card& card = cardData(passiveCard(passive));
        const char* caption = passiveCaption(passive);
        ListEntry& e = out[n++];
        if (caption) std::snprintf(e.head, sizeof e.head, "%s  -  %s (passive)", caption, card.name.c_str());
        else std::snprintf(e.head, sizeof e.head, "%s (passive)", card.name.c_str());
        const char* text = card.text.c_str();
        if (card.text.rfind(PASSIVEPREFIX, 0) == 0) text += std::strlen(PASSIVEPREFIX);
        std::snprintf(e.meaning, sizeof e.meaning, "%s", text);
    }
    return n;
}

hgeRect meaningBox(float x, float y, float lines) {
    return hgeRect(x + LISTPAD + 8, y, x + LISTWIDTH - LISTPAD, y + LINESTEP * lines + 1);
}

// Lines the meaning takes word-wrapped at the font's own size (three at most).
float meaningLines(const char* meaning) {
    for (float lines = 1; lines < 3; ++lines) {
        const TextFit fit = fitTextInRect(meaningBox(0, 0, lines), meaning, fontSmall2);
        if (fit.fits && fit.scale == 1) return lines;
    }
    return 3;
}

void drawList(int side) {
    if (!fontSmall2 || !fontArial) return;
    ListEntry entries[5];
    const int n = listEntries(side, entries);
    float height = LISTPAD + 20;
    for (int i = 0; i < n; ++i) height += HEADSTEP + LINESTEP * meaningLines(entries[i].meaning) + ENTRYGAP;
    if (n == 0) height += LINESTEP + ENTRYGAP;
    const float x = LISTX[side];
    drawRect(hgeRect(x, LISTTOP, x + LISTWIDTH, std::min(LISTBOTTOM, LISTTOP + height)), LISTPLATE);
    setFontStyle(fontArial, 1, TITLECOLOR);
    DrawTextA(fontArial, x + LISTPAD, LISTTOP + LISTPAD - 2, LISTTITLES[side], 0,
              shrinkToFit(fontArial, LISTTITLES[side], LISTWIDTH - 2 * LISTPAD), TITLECOLOR);
    float y = LISTTOP + LISTPAD + 20;
    if (n == 0) DrawTextA(fontSmall2, x + LISTPAD, y, "none", 0, 1, NONECOLOR);
    for (int i = 0; i < n; ++i) {
        drawTextCut(fontSmall2, x + LISTPAD, y, entries[i].head, 0, 1, NAMECOLOR, LISTWIDTH - 2 * LISTPAD);
        y += HEADSTEP;
        const float lines = meaningLines(entries[i].meaning);
        setFontStyle(fontSmall2, 1, MEANINGCOLOR);
        drawTextInRect(meaningBox(x, y, lines), entries[i].meaning, fontSmall2);
        y += LINESTEP * lines + ENTRYGAP;
    }
    setFontStyle(fontArial, 1, WHITE);
    setFontStyle(fontSmall2, 1, WHITE);
}

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

namespace {
// Who plays with what now that a controller came or went.
const char* controllerNotice() {
    switch (hge->Input_GetPadCount()) {
    case 0: return "Controller unplugged: both players on the keyboard";
    case 1: return "One controller: it plays Player 2, Player 1 the keyboard";
    default: return "Controller 1 plays Player 1, controller 2 Player 2";
    }
}
}  // namespace

void drawPauseScreen() {
    // Dark enough that white text stays above 4.5:1 over the brightest battle.
    drawRect(hgeRect(0, 0, SCREEN_WIDTH, SCREEN_HEIGHT), 0xF0282830);
    DrawTextA(fontBig, 400, 80, "Paused", 1, 1, WHITE);
    DrawTextA(font1, 400, 136, label("Zone %d - %d", selectedOpp + 1, curRound + 1), 1, 1, WHITE);
    const char* against = versus.on ? label("Player 1 %d - %d Player 2", versus.wins[0], versus.wins[1])
                                      : label("Vs: %s", curOppName.c_str());
    DrawTextA(font1, 400, 174, against, 1, shrinkToFit(font1, against, SCREEN_WIDTH - 48), WHITE);
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
    for (int side = 0; side < simulatedSides(); ++side) drawList(side);
    DrawTextA(fontSmall2, 400, 490, "F1: instructions", 1, 1, 0xFFD0D0D0);
    if (versus.padNotice) drawPlatedText(font1, 400, 40, controllerNotice(), 1, 0.75f, 0xFFFFD219);
    setFontStyle(font1, 1, WHITE);
    setFontStyle(fontSmall2, 1, WHITE);
    setFontStyle(fontBig, 1, WHITE);
}
