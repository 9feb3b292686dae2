// The versus set-up (mode 19). Each player walks his own focus with his own keys (or his
// controller) over his vehicle, his deck, his Ready and the two rows both share: the
// rounds to win and the place. Left and Right change the row in focus, fire (a pad's A)
// from any row marks Ready; once both are ready the match starts. Escape or a pad's B,
// from either player, goes back to the title. Player 1 may click his own rows, Ready and Back.
#include <algorithm>

#include "battle/versus_rules.h"
#include "cards/opponents.h"
#include "platform/core/input_state.h"
#include "screens/card_drawing.h"
#include "screens/drawing.h"
#include "screens/menu.h"
#include "screens/selection.h"
#include "screens/versus.h"
#include "shell/exits.h"
#include "shell/modes.h"
#include "shell/world.h"
#include "toolkit/hgefont.h"
#include "toolkit/hgesprite.h"

namespace {

// Each side's rows in the order its focus walks them; pos[SIDEPLACES + 10 * side + row]
// for its own, pos[SHAREDPLACES + row] for the shared ones.
enum Row { ROW_VEHICLE, ROW_DECK, ROW_READY, ROW_ROUNDS, ROW_PLACE, NUMROWS };
constexpr int SIDEPLACES = 100, SHAREDPLACES = 120, BACKBUTTON = 130, PANELS = 131;
constexpr int NUMPLACECHOICES = MAXOPPONENTS + 1;  // random, then the seven places
constexpr DWORD WHITE = 0xFFFFFFFF, CAPTION = 0xFFF4E0BA, READYCOLOR = 0xFF2E8B3A, BUTTONCOLOR = 0xFF2B4C8C;
// Player 1's focus is the menus' focus edge; his name and tags a yellow of their own.
constexpr DWORD FOCUSCOLORS[2] = {FOCUSCOLOR, 0xFF40E0FF};
constexpr DWORD SIDECOLORS[2] = {0xFFFFE34D, 0xFF40E0FF};
const char* const SIDENAMES[2] = {"Player 1", "Player 2"};
constexpr float HELDBEFORE = 1e9f;  // a key held from before never repeats

struct SetupSide {
    int row = ROW_VEHICLE;
    bool ready = false;
    bool was[NUMVERSUSACTIONS] = {};
    float heldFor[NUMVERSUSACTIONS] = {};
};
SetupSide sides[2];

hgeSprite* background = nullptr;
hgeSprite* vehicles[MAXVEHICLES] = {};

int place(int side, int row) { return row >= ROW_ROUNDS ? SHAREDPLACES + row : SIDEPLACES + 10 * side + row; }

int wrap(int value, int count) { return (value % count + count) % count; }

// Moves the row's choice one way; the shared rows are left alone by a player who is ready.
void change(int side, int row, int way) {
    if (sides[side].ready) return;
    switch (row) {
    case ROW_VEHICLE: versus.vehicle[side] = wrap(versus.vehicle[side] + way, MAXVEHICLES); break;
    case ROW_DECK: versus.deck[side] = wrap(versus.deck[side] + way, MAXDECKS); break;
    case ROW_ROUNDS:
        versus.roundsToWin = std::clamp(versus.roundsToWin + way, VERSUSMINWINS, VERSUSMAXWINS);
        break;
    case ROW_PLACE: versus.place = wrap(versus.place + 1 + way, NUMPLACECHOICES) - 1; break;
    default: break;
    }
}

void toggleReady(int side) {
    sides[side].ready = !sides[side].ready;
    if (sides[side].ready) playConfirm();
    else playBack();
}

// A key acts as it goes down (STRUCK_FIRST), then again every MENU_REPEATSTEP once it has
// been held for MENU_REPEATDELAY (STRUCK_REPEAT), as in every menu.
enum Struck { STRUCK_NONE, STRUCK_FIRST, STRUCK_REPEAT };
Struck struck(SetupSide& s, int action, bool now, float dt) {
    if (!now) {
        s.was[action] = false;
        return STRUCK_NONE;
    }
    if (!s.was[action]) {
        s.was[action] = true;
        s.heldFor[action] = MENU_REPEATSTEP - MENU_REPEATDELAY;
        return STRUCK_FIRST;
    }
    s.heldFor[action] += dt;
    if (s.heldFor[action] < MENU_REPEATSTEP) return STRUCK_NONE;
    s.heldFor[action] -= MENU_REPEATSTEP;
    return STRUCK_REPEAT;
}

void updateSide(int side, float dt) {
    SetupSide& s = sides[side];
    Struck hit[NUMVERSUSACTIONS];
    for (int a = 0; a < NUMVERSUSACTIONS; ++a) hit[a] = struck(s, a, versusActionHeld(side, a), dt);
    // Fire from any row means "Ready", as the hint under the panels says; the focus goes
    // to the Ready button, where fire again takes it back.
    if (hit[VA_FIRE] == STRUCK_FIRST) {
        s.row = ROW_READY;
        toggleReady(side);
    }
    if (s.ready) return;
    if (hit[VA_UP]) s.row = wrap(s.row - 1, NUMROWS);
    if (hit[VA_DOWN]) s.row = wrap(s.row + 1, NUMROWS);
    if (hit[VA_LEFT]) change(side, s.row, -1);
    if (hit[VA_RIGHT]) change(side, s.row, 1);
}

// Player 1's pointer: the left or right half of his row or a shared row changes it, Ready
// and Back act.
void click() {
    if (mOver[BACKBUTTON]) {
        back2title();
        return;
    }
    for (int row = 0; row < NUMROWS; ++row) {
        const int at = place(0, row);
        if (!mOver[at]) continue;
        sides[0].row = row;
        if (row == ROW_READY) toggleReady(0);
        else change(0, row, mousePos.x < (pos[at].x1 + pos[at].x2) / 2 ? -1 : 1);
        return;
    }
}

void layOut() {
    for (int side = 0; side < 2; ++side) {
        const float x = side == 0 ? 40 : 432;
        pos[PANELS + side] = hgeRect(x - 16, 72, x + 344, 376);
        pos[place(side, ROW_VEHICLE)] = hgeRect(x, 232, x + 328, 264);
        pos[place(side, ROW_DECK)] = hgeRect(x, 280, x + 328, 312);
        pos[place(side, ROW_READY)] = hgeRect(x + 104, 328, x + 224, 360);
    }
    pos[place(0, ROW_ROUNDS)] = hgeRect(232, 400, 568, 432);
    pos[place(0, ROW_PLACE)] = hgeRect(232, 448, 568, 480);
    pos[BACKBUTTON] = hgeRect(24, 552, 144, 584);
}

// A choice between two arrows, the arrows standing at the row's ends.
void drawChoice(int at, const char* caption, const char* value, bool locked) {
    const hgeRect& r = pos[at];
    drawRectB(r, 0xFF000000, 0xC8283048, 1);
    if (mOver[at] && !locked) drawPulse(r);
    const DWORD arrows = locked ? 0xFF707070 : WHITE;
    DrawTextA(fontArial, r.x1 + 8, r.y1 + 8, "<", 0, 1, arrows);
    DrawTextA(fontArial, r.x2 - 16, r.y1 + 8, ">", 0, 1, arrows);
    const char* text = label("%s%s", caption, value);
    DrawTextA(fontArial, (r.x1 + r.x2) / 2, (r.y1 + r.y2) / 2, text, 1,
              std::min(1.0f, shrinkToFit(fontArial, text, r.x2 - r.x1 - 48)), WHITE);
    setFontStyle(fontArial, 1, WHITE);
}

// Each player's focus in his colour; on a shared row both can stand, one inside the other.
void drawSideFocus(int side) {
    const hgeRect& r = pos[place(side, sides[side].row)];
    const float m = side == 0 ? 3 : 7;
    const DWORD c = FOCUSCOLORS[side];
    drawRect(hgeRect(r.x1 - m, r.y1 - m, r.x2 + m, r.y1 - m + 2), c);
    drawRect(hgeRect(r.x1 - m, r.y2 + m - 2, r.x2 + m, r.y2 + m), c);
    drawRect(hgeRect(r.x1 - m, r.y1 - m, r.x1 - m + 2, r.y2 + m), c);
    drawRect(hgeRect(r.x2 + m - 2, r.y1 - m, r.x2 + m, r.y2 + m), c);
    if (sides[side].row >= ROW_ROUNDS)
        DrawTextA(fontSmall2, side == 0 ? r.x1 - 40 : r.x2 + 14, r.y1 + 9, side == 0 ? "P1" : "P2", 0, 1,
                  SIDECOLORS[side]);
}

void drawVehiclePicture(int side) {
    hgeSprite* s = vehicles[versus.vehicle[side]];
    if (!s) return;
    const hgeRect& panel = pos[PANELS + side];
    const float w = s->GetWidth(), h = s->GetHeight();
    const float scale = std::min(1.0f, 120 / std::max(h, 1.0f));
    const float cx = (panel.x1 + panel.x2) / 2, cy = 166;
    stretchSprite(s, hgeRect(cx - w * scale / 2, cy - h * scale / 2, cx + w * scale / 2, cy + h * scale / 2));
}

void drawSide(int side) {
    const hgeRect& panel = pos[PANELS + side];
    textPanel(panel);
    DrawTextA(font1, (panel.x1 + panel.x2) / 2, panel.y1 + 18, SIDENAMES[side], 1, 1, SIDECOLORS[side]);
    drawVehiclePicture(side);
    const bool locked = sides[side].ready;
    drawChoice(place(side, ROW_VEHICLE), "", vehName[versus.vehicle[side]].c_str(), locked);
    drawChoice(place(side, ROW_DECK), "deck: ", deckName[versus.deck[side]].c_str(), locked);
    drawTextButton(place(side, ROW_READY), locked ? "Ready!" : "Ready", fontArial,
                   locked ? READYCOLOR : BUTTONCOLOR);
}

// The keys each player walks his focus with, from his own key set.
const char* keysLine(int side) {
    const int* o = pl[side].opt;
    const char* fire = hge->Input_GetKeyName(o[OPT_KEYFIRE]);
    if (o[OPT_KEYUP] == vk::UP && o[OPT_KEYDOWN] == vk::DOWN && o[OPT_KEYLEFT] == vk::LEFT && o[OPT_KEYRIGHT] == vk::RIGHT)
        return label("%s: the arrows to choose, %s for Ready", SIDENAMES[side], fire);
    return label("%s: %s %s %s %s to choose, %s for Ready", SIDENAMES[side], hge->Input_GetKeyName(o[OPT_KEYUP]),
                 hge->Input_GetKeyName(o[OPT_KEYLEFT]), hge->Input_GetKeyName(o[OPT_KEYDOWN]),
                 hge->Input_GetKeyName(o[OPT_KEYRIGHT]), fire);
}

}  // namespace

void initVersusSetup() {
    enterMenu();
    gameMode = MODE_VERSUSSETUP;
    versus.on = false;
    versus.vehicle[0] = wrap(versus.vehicle[0], MAXVEHICLES);
    versus.vehicle[1] = wrap(versus.vehicle[1], MAXVEHICLES);
    versus.deck[0] = wrap(versus.deck[0], MAXDECKS);
    versus.deck[1] = wrap(versus.deck[1], MAXDECKS);
    versus.roundsToWin = std::clamp(versus.roundsToWin, VERSUSMINWINS, VERSUSMAXWINS);
    if (versus.place < VERSUSRANDOMPLACE || versus.place >= MAXOPPONENTS) versus.place = VERSUSRANDOMPLACE;
    layOut();
    background = menuSprite("selectBG");
    for (int v = 0; v < MAXVEHICLES; ++v) vehicles[v] = menuSprite(label("veh%d", v));
    // Keys held as the screen opens (the Enter that chose it) act only once pressed again.
    for (int side = 0; side < 2; ++side) {
        SetupSide& s = sides[side];
        s = SetupSide{};
        for (int a = 0; a < NUMVERSUSACTIONS; ++a) s.was[a] = versusActionHeld(side, a);
        std::fill(std::begin(s.heldFor), std::end(s.heldFor), -HELDBEFORE);
    }
}

void updateVersusSetup(float dt) {
    hoverTest(SIDEPLACES, BACKBUTTON);
    const int key = hge->Input_GetKey();
    if (isBackKey(key)) {
        back2title();
        return;
    }
    if (key == vk::LBUTTON) click();
    if (gameMode != MODE_VERSUSSETUP) return;
    for (int side = 0; side < 2; ++side) updateSide(side, dt);
    if (sides[0].ready && sides[1].ready) startVersusMatch();
}

void drawVersusSetup() {
    putSprite(background, 0, 0);
    DrawTextA(font1, 400, 30, "Versus", 1, 1.25f, WHITE);
    setFontStyle(font1, 1, WHITE);
    for (int side = 0; side < 2; ++side) drawSide(side);
    const bool locked = sides[0].ready && sides[1].ready;
    const char rounds[2] = {static_cast<char>('0' + versus.roundsToWin), '\0'};
    drawChoice(place(0, ROW_ROUNDS), "rounds to win: ", rounds, locked);
    const char* where = versus.place == VERSUSRANDOMPLACE ? "Random" : locationNameOf(versus.place);
    drawChoice(place(0, ROW_PLACE), "place: ", where, locked);
    DrawTextA(fontArial, 400, 502, keysLine(0), 1, 1, CAPTION);
    DrawTextA(fontArial, 400, 524, keysLine(1), 1, 1, CAPTION);
    DrawTextA(fontSmall2, 400, 548, "The match starts when both are ready. Esc goes back.", 1, 1, WHITE);
    drawTextButton(BACKBUTTON, "Back", fontArial, BUTTONCOLOR);
    for (int side = 0; side < 2; ++side) drawSideFocus(side);
    setFontStyle(fontSmall2, 1, WHITE);
    setFontStyle(fontArial, 1, WHITE);
}
