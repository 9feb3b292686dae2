// The load screen (mode 15): ten save slots in two columns of five, opened by "New Game"
// (pick an empty slot) or "Continue" (pick a saved game). Up and Down walk a column, then
// the row of Back and OK below it, round again; a damaged slot's "Restore backup" is a stop
// of its own just below the slot.
#include "screens/load_screen.h"

#include "cards/savegame.h"
#include "platform/core/input_state.h"
#include "screens/drawing.h"
#include "screens/menu.h"
#include "screens/selection.h"
#include "screens/text_plate.h"
#include "shell/exits.h"
#include "shell/modes.h"
#include "shell/sound.h"
#include "shell/world.h"
#include "toolkit/hgesprite.h"

namespace {

constexpr int BACKBUTTON = 20, OKBUTTON = 21, RESTOREBUTTON = 22;
constexpr int SLOTFOCUS = 23;  // the selected slot, as the focus sees it
constexpr int ROWS = 5;
constexpr int ERASESOUND = 38, ERASECHANNEL = 5;
constexpr DWORD NAMECOLOR = 0xFFC7E5F3, DECKCOLOR = 0xFFF4E0BA, WHITE = 0xFFFFFFFF;
// The summary stands on a dark plate inside the slot's picture, whose bright colour band
// would swallow light text; the slot keeps its coloured edge.
constexpr float PLATEINSET = 4;
constexpr DWORD SCORECOLOR = 0xFFD8F060, EMPTYCOLOR = 0xFFD0D0D0, DAMAGEDCOLOR = 0xFFFFA0A0;
// The slot number: dark on the yellow badge of a saved game, light on an empty slot's plate.
constexpr DWORD BADGEINDEXCOLOR = 0xFF1A1A1A, INDEXCOLOR = 0xFF80FFFF;

hgeSprite* usedSlot = nullptr;
hgeSprite* emptySlot = nullptr;
hgeSprite* okButton = nullptr;
hgeSprite* backButton = nullptr;
hgeSprite* background = nullptr;
hgeSprite* frame = nullptr;

void slotSummary(int i) {
    const SaveSummary& s = sv[i];
    const float x = pos[i].x1, y = pos[i].y1;
    const int veh = s.v[SV_VEH], deck = s.v[SV_DECK], beaten = s.v[SV_BEAT];
    const bool firstQuest = s.v[SV_QUESTNUM] == 1;
    const bool secondQuestRunning = !firstQuest && beaten != 0;
    // The vehicle name ends before the quest line that stands to its right.
    drawTextCut(fontArial, x + 32, y + 8, vehName[veh].c_str(), 0, 1, NAMECOLOR, secondQuestRunning ? 144 : 200);
    drawTextCut(fontSmall2, x + 32, y + 32, deckName[deck].c_str(), 0, 1, DECKCOLOR, 200);
    DrawTextA(fontArial, x + 200, y + 56, label("time spent: %s", clockText(s.v[SV_TIME])), 0, 1, NAMECOLOR);
    DrawTextA(fontArial, x + 32, y + 56, label("cards: %d", s.v[SV_CARDS]), 0, 1, DECKCOLOR);
    if (firstQuest) {
        DrawTextA(fontSmall2, x + 240, y + 8, label(beaten == 1 ? "defeated %d opponent" : "defeated %d opponents", beaten),
                  0, 1, WHITE);
    } else if (beaten == 0) {
        DrawTextA(fontArial, x + 264, y + 6, newGame ? "Cleared" : "New Game+", 0, 1, cycleColor(3));
    } else {
        DrawTextA(fontArial, x + 184, y + 6, "2econd Quest!", 0, 1, 0xFFFFFF4B);
        DrawTextA(fontSmall2, x + 312, y + 8, label("defeated %d", beaten), 0, 1, WHITE);
    }
    DrawTextA(fontSmall2, x + 240, y + 24, label("total score: %.8d", s.v[SV_SCORE]), 0, 1, SCORECOLOR);
    DrawTextA(fontSmall2, x + 240, y + 40, label("highest combo: %d", s.v[SV_COMBO]), 0, 1, WHITE);
}

bool canRestore(int slot) { return slot >= 0 && slot < MAXSAVESLOTS && sv[slot].damaged && sv[slot].backup; }

bool offered(int place) {
    if (place == RESTOREBUTTON) return canRestore(selected);
    if (place == OKBUTTON) return loadActionPossible(selected);
    return true;
}

MenuFocus focus({SLOTFOCUS, RESTOREBUTTON, BACKBUTTON, OKBUTTON}, offered);

// The focus's stand-in for the selected slot, and the Restore button inside that slot,
// under its "damaged" line.
void placeSelected() {
    const hgeRect& slot = pos[selected];
    pos[SLOTFOCUS] = slot;
    pos[RESTOREBUTTON] = hgeRect(slot.x1 + 216, slot.y1 + 52, slot.x1 + 376, slot.y1 + 80);
}

void restoreSlot(int slot) {
    if (!restoreBackup(slot)) return;
    playConfirm();
    loadScreenData();
    focus.moveTo(SLOTFOCUS);
}

bool onButtons() { return focus.on(BACKBUTTON) || focus.on(OKBUTTON); }
int column() { return selected / ROWS * ROWS; }

// A slot reached from above: its Restore button, when it has one, comes after it.
void enterSlot(int slot, bool fromBelow) {
    selected = slot;
    focus.moveTo(fromBelow && canRestore(slot) ? RESTOREBUTTON : SLOTFOCUS);
}

void toButtons() { focus.moveTo(loadActionPossible(selected) ? OKBUTTON : BACKBUTTON); }

void moveDown() {
    if (focus.on(SLOTFOCUS) && canRestore(selected)) focus.moveTo(RESTOREBUTTON);
    else if (onButtons()) enterSlot(column(), false);
    else if (selected % ROWS == ROWS - 1) toButtons();
    else enterSlot(selected + 1, false);
}

void moveUp() {
    if (focus.on(RESTOREBUTTON)) focus.moveTo(SLOTFOCUS);
    else if (onButtons()) enterSlot(column() + ROWS - 1, true);
    else if (selected % ROWS == 0) toButtons();
    else enterSlot(selected - 1, true);
}

// Sideways: between the columns, or from one of Back and OK to the other.
void moveAcross(bool right) {
    if (onButtons()) {
        focus.moveTo(focus.on(BACKBUTTON) && loadActionPossible(selected) ? OKBUTTON : BACKBUTTON);
        return;
    }
    if (right && selected < ROWS) selected += ROWS;
    else if (!right && selected >= ROWS) selected -= ROWS;
    focus.moveTo(SLOTFOCUS);
}

void act() {
    switch (focus.place()) {
    case RESTOREBUTTON: restoreSlot(selected); break;
    case BACKBUTTON: back2title(); break;
    case OKBUTTON: loadAction(selected); break;
    default:
        if (canRestore(selected)) restoreSlot(selected);
        else loadAction(selected);
    }
}

void eraseSlot(int i) {
    playSFX(ERASESOUND, ERASECHANNEL);
    sv[i].exists = false;
    sv[i].damaged = false;
}

}  // namespace

bool loadActionPossible(int slot) {
    if (slot < 0 || slot >= MAXSAVESLOTS) return false;
    // A damaged file is never loaded, nor overwritten until the player erases its slot.
    return newGame ? !sv[slot].exists && !sv[slot].damaged : sv[slot].exists;
}

void loadAction(int slot) {
    if (!loadActionPossible(slot)) return;
    if (newGame) {
        selected = slot;
        initSelectVehScreen();
    } else {
        loadGame(slot);
    }
}

void initLoadScreen() {
    enterMenu();
    gameMode = MODE_LOAD;
    selected = 0;
    for (int i = 0; i < MAXSAVESLOTS; ++i) {
        const int c = i / ROWS, r = i % ROWS;
        pos[i] = hgeRect(8 + 392 * c, 48 + 96 * r, 392 + 392 * c, 136 + 96 * r);
    }
    pos[BACKBUTTON] = hgeRect(16, 528, 80, 592);
    pos[OKBUTTON] = hgeRect(712, 528, 776, 592);
    focus.reset();
    placeSelected();
    loadScreenData();
    usedSlot = menuSprite("card1");
    emptySlot = menuSprite("disabled");
    okButton = menuSprite("okButton");
    backButton = menuSprite("backButton");
    background = menuSprite("selectBG");
    frame = menuSprite("lifeBarFrame");
}

void updateLoadGame(float) {
    hoverTest(0, MAXSAVESLOTS - 1);
    hoverTest(BACKBUTTON, OKBUTTON);
    placeSelected();
    hoverTest(RESTOREBUTTON, RESTOREBUTTON);
    // Onto any slot, the pointer gives the focus back to the selected one; only a click selects.
    mOver[SLOTFOCUS] = hovered(0, MAXSAVESLOTS - 1) >= 0 && !(canRestore(selected) && mOver[RESTOREBUTTON]);
    focus.followPointer(pointerMoved());
    const int key = menuKey();
    if (isLeftKey(key) || isRightKey(key)) {
        moveAcross(isRightKey(key));
    } else if (isUpKey(key)) {
        moveUp();
    } else if (isDownKey(key)) {
        moveDown();
    } else if (key == vk::LBUTTON) {
        const int slot = hovered(0, MAXSAVESLOTS - 1);
        if (canRestore(selected) && mOver[RESTOREBUTTON] && !hge->Input_GetKeyState(vk::SHIFT)) {
            restoreSlot(selected);
            return;
        }
        if (slot >= 0) {
            selected = slot;
            focus.moveTo(SLOTFOCUS);
            if (hge->Input_GetKeyState(vk::SHIFT) && newGame && (sv[slot].exists || sv[slot].damaged))
                eraseSlot(slot);
        }
        if (mOver[BACKBUTTON]) back2title();
        else if (mOver[OKBUTTON]) loadAction(selected);
    } else if (isConfirmKey(key)) {
        act();
    } else if (isBackKey(key)) {
        back2title();
    }
    if (gameMode != MODE_LOAD) return;
    placeSelected();
    if (!doubleClicked()) return;
    const int slot = hovered(0, MAXSAVESLOTS - 1);
    if (slot >= 0) {
        selected = slot;
        loadAction(slot);
    }
}

void drawLoadScreen() {
    putSprite(background, 0, 0);
    for (int i = 0; i < MAXSAVESLOTS; ++i) {
        const hgeRect& r = pos[i];
        stretchSprite(sv[i].exists ? usedSlot : emptySlot, r);
        drawRect(hgeRect(r.x1 + PLATEINSET, r.y1 + PLATEINSET, r.x2 - PLATEINSET, r.y2 - PLATEINSET), TEXTPLATE);
        if (sv[i].exists) slotSummary(i);
        else if (sv[i].damaged)
            DrawTextA(fontArial, r.x1 + 48, r.y1 + 24,
                      sv[i].backup ? "damaged save file (a backup is kept)" : "damaged save file", 0, 1, DAMAGEDCOLOR);
        else DrawTextA(fontArial, r.x1 + 48, r.y1 + 32, "Empty", 0, 1, EMPTYCOLOR);
    }
    if (canRestore(selected)) drawTextButton(RESTOREBUTTON, "Restore backup", fontSmall2, 0xFF2E7D4F);
    drawFrame(frame, pos[selected], 0);
    for (int i = 0; i < MAXSAVESLOTS; ++i) {
        const float x = pos[i].x1, y = pos[i].y1;
        if (sv[i].exists) drawRectB(hgeRect(x + 2, y + 16, x + 28, y + 72), 0xC828A052, 0xFFF6D928, 2);
        DrawTextA(font1, x + 4, y + 24, label("%d", i), 0, 1.25f, sv[i].exists ? BADGEINDEXCOLOR : INDEXCOLOR);
    }
    setFontStyle(font1, 1, WHITE);
    drawPlatedText(font1, 400, 18, newGame ? "Select an empty slot to start a new game." : "Select a game to load.", 1,
                   1, WHITE);
    if (newGame) drawPlatedText(fontSmall2, 400, 582, "shift-click a file to erase it", 1, 1, 0xFFC8C8C8);
    drawButton(backButton, BACKBUTTON);
    if (loadActionPossible(selected)) drawButton(okButton, OKBUTTON);
    focus.draw();
    setFontStyle(fontSmall2, 1, WHITE);
    setFontStyle(fontArial, 1, WHITE);
}
