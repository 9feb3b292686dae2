// The instructions (mode 14): the player's own keys, as set on the options screen, beside
// the help picture that explains the battle screen, conditions and passives.
#include "screens/instructions.h"

#include <cstdio>

#include "platform/core/input_state.h"
#include "screens/drawing.h"
#include "screens/menu.h"
#include "screens/text_plate.h"
#include "shell/exits.h"
#include "shell/modes.h"
#include "shell/world.h"
#include "toolkit/hgefont.h"
#include "toolkit/hgesprite.h"

namespace {

constexpr DWORD WHITE = 0xFFFFFFFF, KEYCOLOR = 0xFFFFE27A, PROMPTCOLOR = 0xFFFFD219;
constexpr float KEYSX = 16, KEYSY = 56, ROWSTEP = 30, KEYSWIDTH = 248;
constexpr float PICTUREX = 272, PICTUREY = 44;
constexpr int NOKEY = -1;

// One action and up to four configured keys that do it; fixed keys are written as text.
struct KeyRow {
    const char* action;
    int keys[4];
    const char* fixed;
};
constexpr KeyRow KEYROWS[] = {
    {"move", {OPT_KEYUP, OPT_KEYLEFT, OPT_KEYDOWN, OPT_KEYRIGHT}, "or arrows, mouse"},
    {"fire", {OPT_KEYFIRE, NOKEY, NOKEY, NOKEY}, "or left click"},
    {"boost (uses fuel)", {OPT_KEYBOOST, NOKEY, NOKEY, NOKEY}, nullptr},
    {"use card 1 / 2 / 3", {OPT_KEYUSE1, OPT_KEYUSE2, OPT_KEYUSE3, NOKEY}, nullptr},
    {"change chosen card", {OPT_KEYCHANGE, NOKEY, NOKEY, NOKEY}, "or wheel"},
    {"use chosen card", {NOKEY, NOKEY, NOKEY, NOKEY}, "right click"},
    {"discard chosen card", {OPT_KEYDISCARD, NOKEY, NOKEY, NOKEY}, "or middle click"},
    {"pause", {NOKEY, NOKEY, NOKEY, NOKEY}, "Escape"},
    {"help / frame rate", {NOKEY, NOKEY, NOKEY, NOKEY}, "F1 / F2"},
    {"full screen", {NOKEY, NOKEY, NOKEY, NOKEY}, "Alt+Enter"},
    {"screenshot", {NOKEY, NOKEY, NOKEY, NOKEY}, "F12"},
};

const char* keyName(int option) {
    const char* name = hge->Input_GetKeyName(pl[0].opt[option]);
    return name && *name ? name : "?";
}

// The row's keys, one after another, then its fixed words.
void keysOf(const KeyRow& row, char* out, std::size_t size) {
    std::size_t used = 0;
    out[0] = 0;
    auto add = [&](const char* text) {
        if (used < size) used += std::snprintf(out + used, size - used, "%s%s", used ? " " : "", text);
    };
    for (int option : row.keys)
        if (option != NOKEY) add(keyName(option));
    if (row.fixed) add(row.fixed);
}

void drawKeys() {
    drawRect(hgeRect(KEYSX - 8, PICTUREY, KEYSX + KEYSWIDTH, PICTUREY + 512), TEXTPLATE);
    DrawTextA(font1, KEYSX + KEYSWIDTH / 2 - 4, KEYSY - 2, "Your keys", 1, 0.75f, KEYCOLOR);
    float y = KEYSY + 16;
    for (const KeyRow& row : KEYROWS) {
        DrawTextA(fontSmall2, KEYSX, y, row.action, 0, 1, WHITE);
        // Key names and fixed words share the line below the action, cut to the column.
        char line[160];
        keysOf(row, line, sizeof line);
        drawTextCut(fontSmall2, KEYSX + 8, y + 13, line, 0, 1, KEYCOLOR, KEYSWIDTH - 16);
        y += ROWSTEP;
    }
    DrawTextA(fontSmall2, KEYSX, y + 6, "Keys are changed on the options screen.", 0, 1, 0xFFC8C8C8);
}

}  // namespace

void drawInst() {
    drawRect(hgeRect(0, 0, SCREEN_WIDTH, SCREEN_HEIGHT), 0xFF191919);
    if (instSprite) {
        instSprite->SetColor(WHITE);
        instSprite->Render(PICTUREX, PICTUREY);
    }
    DrawTextA(font1, 400, 24, "Instructions", 1, 1, WHITE);
    drawKeys();
    DrawTextA(fontSmall2, 400, 576, "press Enter/click to continue", 1, 1, PROMPTCOLOR);
    setFontStyle(fontSmall2, 1, WHITE);
    setFontStyle(font1, 1, WHITE);
}

void updateInst(float) {
    const int key = menuKey();
    if (key != vk::LBUTTON && !isConfirmKey(key) && !isBackKey(key)) return;
    // Opened from the battle or the pause it goes back there; from anywhere else the title
    // is the only sound way back.
    const int from = static_cast<int>(pl[0].misc[M_INST]);
    if (gameMode == MODE_INST && from == CF_INGAME) gameMode = MODE_GAME;
    else if (gameMode == MODE_INST && from == CF_PAUSE) gameMode = MODE_PAUSE;
    else back2title();
}
