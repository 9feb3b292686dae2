// The vehicle selection (mode 1): eight vehicles in a row, the chosen one's description,
// its stat bars, coin mix and special weapon, and a description of the stat, coin or
// weapon in focus. Left and Right always choose the vehicle; Up and Down walk the focus
// from the vehicles over the stats, coins and weapon to OK and Back.
#include <algorithm>

#include "cards/card_effects.h"
#include "platform/core/input_state.h"
#include "screens/card_drawing.h"
#include "screens/drawing.h"
#include "screens/menu.h"
#include "screens/selection.h"
#include "screens/stat_rows.h"
#include "screens/text_places.h"
#include "shell/exits.h"
#include "shell/modes.h"
#include "shell/sound.h"
#include "shell/world.h"
#include "toolkit/hgefont.h"
#include "toolkit/hgesprite.h"

namespace {

constexpr int DESCBOX = 10, STATDESCBOX = 11;
constexpr int STATLABEL = 20, STATBAR = 30;  // seven rows each
constexpr int COINS = 40;  // red, green, blue
constexpr int WEAPONBOX = 43, BACKBUTTON = 44, OKBUTTON = 45;
constexpr int CHOSEN = 46;    // the row of vehicles, as the focus sees it
constexpr int STATROW = 60;   // seven rows: name, bar and number
constexpr float HEARTFUEL = 10;  // the heart row holds the fuel bar under it
constexpr int COINDESC = 7;  // statDesc of the red coins; green and blue follow
constexpr DWORD WHITE = 0xFFFFFFFF;
// Each stat's number stands right of its bar, before the description panel.
constexpr float NUMBERGAP = 6, NUMBERWIDTH = 56;
constexpr float NAMEGAP = 4;  // between the pictures and the vehicle's name

const char* const COINFORMATS[3] = {"red:  %d", "green:  %d", "blue:  %d"};
const DWORD COINCOLORS[3] = {0xFFFF8080, 0xFF80FF80, 0xFF8080FF};

hgeSprite* background = nullptr;
float picturesBottom = 0;  // the lowest edge of the vehicle pictures
hgeSprite* vehicles[MAXVEHICLES] = {};
hgeSprite* frame = nullptr;
hgeSprite* lifeBar = nullptr;
hgeSprite* fuelBar = nullptr;
hgeSprite* tab = nullptr;
hgeSprite* okButton = nullptr;
hgeSprite* backButton = nullptr;

int coinValue(int k, int v) {
    const int* const values[3] = {VEH_redP, VEH_greenP, VEH_blueP};
    return values[k][v];
}

MenuFocus focus({CHOSEN, STATROW + 0, STATROW + 1, STATROW + 2, STATROW + 3, STATROW + 4, STATROW + 5, STATROW + 6,
                 COINS + 0, COINS + 1, COINS + 2, WEAPONBOX, OKBUTTON, BACKBUTTON});

// The description of the stat, coin or weapon in focus; null for the other controls.
const char* focusedDescription() {
    const int place = focus.place();
    if (place >= STATROW && place < STATROW + NUMSTATS) return statDesc[place - STATROW].c_str();
    if (place >= COINS && place < COINS + 3) return statDesc[COINDESC + place - COINS].c_str();
    if (place == WEAPONBOX) return wpnDesc[selectedVeh].c_str();
    return nullptr;
}

void confirm() {
    playConfirm();
    initSelectDeckScreen();
}

}  // namespace

void playConfirm() { playSFX(1, 1); }
void playBack() { playSFX(2, 1); }

void initSelectVehScreen() {
    enterMenu();
    gameMode = MODE_SELECTVEH;
    pl[0].saveSlot = selected;
    background = menuSprite("selectBG");
    float x = 32;
    for (int v = 0; v < MAXVEHICLES; ++v) {
        vehicles[v] = menuSprite(label("veh%d", v));
        const float w = vehicles[v] ? vehicles[v]->GetWidth() : 48;
        const float h = vehicles[v] ? vehicles[v]->GetHeight() : 56;
        // Every picture is centred on one line, whatever its height.
        pos[v] = hgeRect(x, 92 - h / 2, x + w, 92 + h / 2);
        x += w + 32;
    }
    picturesBottom = 0;
    for (int v = 0; v < MAXVEHICLES; ++v) picturesBottom = std::max(picturesBottom, pos[v].y2);
    pos[DESCBOX] = VEHDESCPANEL;
    pos[STATDESCBOX] = VEHSTATDESCPANEL;
    // The rows' pitch leaves the heart row's focus edge clear of the Back button below it.
    for (int k = 0; k < NUMSTATS; ++k) {
        const float top = 308 + 30 * k;
        pos[STATLABEL + k] = hgeRect(16, top, 112, top + 24);
        pos[STATBAR + k] = hgeRect(112, top, 200, top + 24);
        pos[STATROW + k] = hgeRect(16, top, pos[STATBAR + k].x2 + NUMBERGAP + NUMBERWIDTH, top + 24);
    }
    pos[STATROW + S_HEART].y2 += HEARTFUEL;
    for (int k = 0; k < 3; ++k) pos[COINS + k] = hgeRect(272 + 120 * k, 432, 376 + 120 * k, 456);
    pos[WEAPONBOX] = hgeRect(272, 486, 516, 526);
    pos[BACKBUTTON] = hgeRect(8, 536, 72, 600);  // below the heart row
    pos[OKBUTTON] = hgeRect(720, 520, 784, 584);
    frame = menuSprite("lifeBarFrame");
    lifeBar = menuSprite("lifeBar");
    fuelBar = menuSprite("fuelBar");
    tab = menuSprite("tab");
    okButton = menuSprite("okButton");
    backButton = menuSprite("backButton");
    selectedVeh = 0;
    focus.reset();
    pl[0].deckSize = 0;
    pl[0].questNum = 1;
    progress = 0;
}

void updateSelectVehScreen(float) {
    hoverTest(0, OKBUTTON);
    hoverTest(STATROW, STATROW + NUMSTATS - 1);
    const int over = hovered(0, MAXVEHICLES - 1);
    mOver[CHOSEN] = over >= 0;
    focus.followPointer(pointerMoved());
    const int key = menuKey();
    if (isLeftKey(key)) selectedVeh = selectedVeh == 0 ? MAXVEHICLES - 1 : selectedVeh - 1;
    else if (isRightKey(key)) selectedVeh = (selectedVeh + 1) % MAXVEHICLES;
    else if (isUpKey(key) || isDownKey(key)) focus.step(isUpKey(key) ? -1 : 1);
    else if (key == vk::LBUTTON) {
        if (over >= 0) selectedVeh = over;
        if (mOver[OKBUTTON]) confirm();
        else if (mOver[BACKBUTTON]) back2title();
    } else if (isConfirmKey(key)) {
        if (focus.on(BACKBUTTON)) back2title();
        else confirm();
    } else if (isBackKey(key)) back2title();
    if (gameMode == MODE_SELECTVEH && over >= 0 && doubleClicked()) {
        selectedVeh = over;
        confirm();
    }
}

void drawSelectVehScreen() {
    putSprite(background, 0, 0);
    DrawTextA(font1, 400, 24, "Select vehicle:", 1, 1, WHITE);
    for (int v = 0; v < MAXVEHICLES; ++v) putSprite(vehicles[v], pos[v].x1, pos[v].y1);
    const hgeRect& chosen = pos[selectedVeh];
    drawFrame(frame, chosen);
    // The name stands under its vehicle, below the lowest of all the pictures (a neighbour
    // may be taller than the chosen one), and never leaves the screen.
    const char* name = vehName[selectedVeh].c_str();
    const float half = font1 ? std::min(font1->GetStringWidth(name), SCREEN_WIDTH - 16.0f) / 2 : 0;
    const float nameX = std::clamp((chosen.x1 + chosen.x2) / 2, 8 + half, SCREEN_WIDTH - 8 - half);
    const float nameHeight = font1 ? font1->GetHeight() : 0;
    drawTextCut(font1, nameX, picturesBottom + NAMEGAP + nameHeight / 2, name, 1, 1, WHITE, SCREEN_WIDTH - 16);

    setFontStyle(fontArial, 1, WHITE);
    drawTextInRect(textPanel(pos[DESCBOX]), vehDesc[selectedVeh].c_str(), fontArial);

    const DWORD c = static_cast<DWORD>(static_cast<int>(progress) * 5 % 50);
    const DWORD barColor = ARGB(0xFF, 175 + c, 0x40, 0x40);
    for (int k = 0; k < NUMSTATS; ++k) {
        const hgeRect& l = pos[STATLABEL + k];
        DrawTextA(fontArial, l.x1 + 4, l.y1 + 4, STATNAMES[k], 0, 1, WHITE);
        const hgeRect& bar = pos[STATBAR + k];
        drawStatBar(lifeBar, bar, statBarFraction(k, statValue(k, selectedVeh)), barColor);
        const char* number = statNumber(k, selectedVeh);
        DrawTextA(fontArial, bar.x2 + NUMBERGAP, l.y1 + 4, number, 0, shrinkToFit(fontArial, number, NUMBERWIDTH), WHITE);
    }
    const hgeRect& heart = pos[STATBAR + S_HEART];
    drawStatBar(fuelBar, hgeRect(heart.x1, heart.y2, heart.x2, heart.y2 + 8), fuelBarFraction(VEH_fuel[selectedVeh]),
                WHITE);
    DrawTextA(fontSmall2, heart.x2 + NUMBERGAP, heart.y2 - 2, label("%.0f fuel", VEH_fuel[selectedVeh]), 0, 1, WHITE);

    for (int k = 0; k < 3; ++k)
        DrawTextA(fontArial, pos[COINS + k].x1 + 4, pos[COINS + k].y1 + 4, label(COINFORMATS[k], coinValue(k, selectedVeh)),
                  0, 1, COINCOLORS[k]);
    const hgeRect& w = pos[WEAPONBOX];
    // The caption stands clear of the focus edge around the box.
    DrawTextA(fontSmall2, w.x1, w.y1 - 18, "special weapon type", 0, 1, WHITE);
    stretchSprite(tab, w);
    DrawTextA(font1, (w.x1 + w.x2) / 2, (w.y1 + w.y2) / 2, specialWpnName(), 1, 1, WHITE);

    const hgeRect text = textPanel(pos[STATDESCBOX]);
    const char* desc = focusedDescription();
    setFontStyle(font1, STATDESCSCALE, 0xFFFF8080);
    drawTextInRect(text, desc ? desc : STATDESCHINT, font1);
    setFontStyle(font1, 1, WHITE);
    // On the vehicles the focus lies over the selection frame's edge, clear of the name.
    // Drawn before the buttons: the heart row's edge passes behind the round Back button.
    if (focus.on(CHOSEN)) drawFocus(chosen, 2);
    else focus.draw();
    drawButton(backButton, BACKBUTTON);
    drawButton(okButton, OKBUTTON);
    setFontStyle(fontArial, 1, WHITE);
    setFontStyle(fontSmall2, 1, WHITE);
}
