// The title (mode 0): the picture fades in, then eight menu items; and the credits page
// (mode 16), which the instructions' key handling leaves.
#include "screens/title.h"

#include <algorithm>

#include "cards/savegame.h"
#include "platform/core/input_state.h"
#include "screens/confirm_exit.h"
#include "screens/drawing.h"
#include "screens/menu.h"
#include "screens/text_plate.h"
#include "screens/text_places.h"
#include "shell/exits.h"
#include "shell/modes.h"
#include "shell/world.h"
#include "toolkit/hgefont.h"
#include "toolkit/hgesprite.h"

namespace {

constexpr float FADESPEED = 200;  // alpha per second
constexpr float OPAQUE = 255;
constexpr const char* VERSION = "Version 1.10";
constexpr int CONTINUEITEM = TITLE_CONTINUE;
constexpr float NOSAVESTIME = 2.5f;  // seconds the "no saved games" note stands

hgeSprite* background = nullptr;
hgeSprite* items[MAXTITLEOPTIONS] = {};
hgeSprite* creditsBackground = nullptr;
float noSavesLeft = 0;

// A damaged file counts: the continue screen is where it can be restored.
bool anySavedGame() {
    loadScreenData();
    for (const SaveSummary& s : sv)
        if (s.exists || s.damaged) return true;
    return false;
}

// Continue with nothing to continue stays here and says so.
void openSelected() {
    if (selected == CONTINUEITEM && !anySavedGame()) noSavesLeft = NOSAVESTIME;
    else exitTitleScreen();
}

}  // namespace

void initTitleScreen() {
    enterMenu();
    cycleNum = 0;
    for (int i = 0; i < MAXTITLEOPTIONS; ++i) pos[i] = hgeRect(196, 244 + 36 * i, 396, 276 + 36 * i);
    background = menuSprite("titleBG");
    for (int i = 0; i < MAXTITLEOPTIONS; ++i) items[i] = menuSprite(label("menuItem%d", i + 1));
    selected = 0;
    progress = 0;
    xparency = 0;
    noSavesLeft = 0;
}

void updateTitleScreen(float dt) {
    if (xparency < OPAQUE) xparency = std::min(xparency + FADESPEED * dt, OPAQUE);
    noSavesLeft = std::max(noSavesLeft - dt, 0.0f);
    hoverTest(0, MAXTITLEOPTIONS - 1);
    const int over = hovered(0, MAXTITLEOPTIONS - 1);
    const bool moved = pointerMoved();
    if (over >= 0 && moved) selected = over;
    const int key = menuKey();
    if (key == 0) return;
    // The menu is there from the first frame: a key ends the fade and acts as well.
    xparency = OPAQUE;
    if (isUpKey(key)) selected = selected == 0 ? MAXTITLEOPTIONS - 1 : selected - 1;
    else if (isDownKey(key)) selected = (selected + 1) % MAXTITLEOPTIONS;
    else if (key == vk::LBUTTON) {
        // A click acts on the item under the pointer, whatever the keys selected since.
        if (over >= 0) {
            selected = over;
            openSelected();
        }
    } else if (isConfirmKey(key)) openSelected();
    else if (isBackKey(key)) {
        // One Escape too many after backing out of the menus must not end the game.
        pl[0].misc[M_CONFIRM] = CF_TITLE;
        initConfirmExit();
    }
}

void drawTitleScreen() {
    const DWORD fade = ARGB(static_cast<int>(xparency), 0xFF, 0xFF, 0xFF);
    putSprite(background, 0, 0, fade);
    const float versionX = fontSmall2 ? 788 - fontSmall2->GetStringWidth(VERSION) : 0;
    DrawTextA(fontSmall2, versionX, 8, VERSION, 0, 1, 0xFF48E848);
    for (int i = 0; i < MAXTITLEOPTIONS; ++i) putSprite(items[i], pos[i].x1, pos[i].y1, fade);
    drawPulse(pos[selected], PULSE_TITLE);
    if (noSavesLeft > 0) {
        const hgeRect& r = pos[CONTINUEITEM];
        drawPlatedText(fontArial, r.x2 + 16, r.y1 + 8, "No saved games yet.", 0, 1, 0xFFFFFFFF);
    }
}

void initCredits() {
    gameMode = MODE_CREDITS;
    creditsBackground = menuSprite("selectBG");
}

void drawCredits() {
    putSprite(creditsBackground, 0, 0);
    DrawTextA(font1, 400, 24, "Credits", 1, 1, 0xFFFFFFFF);
    const float middle = (CREDITSBOX.x1 + CREDITSBOX.x2) / 2, width = CREDITSBOX.x2 - CREDITSBOX.x1;
    for (int i = 0; i < creditLines; ++i)
        drawTextCut(fontSmall2, middle, CREDITSBOX.y1 + CREDITSLINESTEP * static_cast<float>(i), credits[i].c_str(), 1, 1,
                    0xFFFFFFFF, width);
    DrawTextA(fontSmall2, 400, 566, "press Enter/click to continue", 1, 1, 0xFFFFD219);
    setFontStyle(fontSmall2, 1, 0xFFFFFFFF);
}
