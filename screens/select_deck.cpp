// The deck selection (mode 2): twelve starting decks in three rows by how many main
// colours they have, the chosen deck's description and its coin capacities. Up and Down
// walk the rows, then the row of Back and OK below them, round again.
#include <algorithm>

#include "cards/hand.h"
#include "platform/core/input_state.h"
#include "screens/drawing.h"
#include "screens/menu.h"
#include "screens/selection.h"
#include "screens/text_places.h"
#include "screens/text_plate.h"
#include "shell/modes.h"
#include "shell/world.h"
#include "toolkit/hgefont.h"
#include "toolkit/hgesprite.h"

namespace {

constexpr int ROWBOX = 20;  // three row boxes
constexpr int DESCBOX = 23, OKBUTTON = 24, BACKBUTTON = 25;
constexpr int DECKFOCUS = 26;  // the decks, as the focus sees them
constexpr int NUMROWS = 3;
constexpr int FIRSTDECK = 9;
constexpr DWORD WHITE = 0xFFFFFFFF;

struct DeckRow {
    int first, count;
    const char* name;
    const hgeRect* sample;  // the first deck's picture
};
const DeckRow ROWS[NUMROWS] = {
    {0, 3, "one color", &SD_1ARYCARDPOS}, {3, 6, "two colors", &SD_2ARYCARDPOS}, {9, 3, "three colors", &SD_3ARYCARDPOS}};

// Where up and down lead from each deck.
constexpr int UPFROM[MAXDECKS] = {9, 10, 11, 0, 0, 0, 1, 2, 2, 5, 6, 7};
constexpr int DOWNFROM[MAXDECKS] = {5, 6, 7, 9, 9, 9, 10, 11, 11, 0, 1, 2};
// The card frame (colour class) that pictures each deck.
constexpr int DECKCOLOR[MAXDECKS] = {C_R, C_G, C_B, C_RG, C_RG, C_GB, C_GB, C_RB, C_RB, C_RGB, C_RGB, C_RGB};

const char* const COINNAMES[3] = {"red", "green", "blue"};
const DWORD COINCOLORS[3] = {0xFFFF7070, 0xFF70FF70, 0xFFA0A0FF};

hgeSprite* background = nullptr;
hgeSprite* pictures[MAXDECKS] = {};
hgeSprite* frame = nullptr;
hgeSprite* okButton = nullptr;
hgeSprite* backButton = nullptr;

MenuFocus focus({DECKFOCUS, BACKBUTTON, OKBUTTON});

const DeckRow& rowOf(int deck) {
    for (const DeckRow& r : ROWS)
        if (deck < r.first + r.count) return r;
    return ROWS[NUMROWS - 1];
}

int rowNumber(int deck) { return static_cast<int>(&rowOf(deck) - ROWS); }

// From the buttons, Down enters the top row and Up the bottom one, in the column of the
// deck chosen.
void enterRows(int dy) {
    const int row = dy > 0 ? 0 : NUMROWS - 1;
    if (rowNumber(selectedDeck) != row) {
        const int across = deckNeighbour(selectedDeck, 0, dy);
        selectedDeck = rowNumber(across) == row ? across : deckNeighbour(selectedDeck, 0, -dy);
    }
    focus.moveTo(DECKFOCUS);
}

void moveVertically(int dy) {
    const int row = rowNumber(selectedDeck);
    if (!focus.on(DECKFOCUS)) enterRows(dy);
    else if ((dy > 0 && row == NUMROWS - 1) || (dy < 0 && row == 0)) focus.moveTo(OKBUTTON);
    else selectedDeck = deckNeighbour(selectedDeck, 0, dy);
}

void moveAcross(int dx) {
    if (focus.on(DECKFOCUS)) selectedDeck = deckNeighbour(selectedDeck, dx, 0);
    else focus.moveTo(focus.on(BACKBUTTON) ? OKBUTTON : BACKBUTTON);
}

// What a deck's coin capacity of one colour means for that deck.
const char* capacityNote(int deck, int color) {
    if (deck >= FIRSTDECK) return "all colors";
    const bool main = deckCoinCap(deck, color) > deckCoinCap(deck, (color + 1) % 3) ||
                      deckCoinCap(deck, color) > deckCoinCap(deck, (color + 2) % 3);
    if (deck < 3) return main ? "main color" : "other colors";
    return main ? "main colors" : "other color";
}

void drawCapacities() {
    const float x = 600, y = 380;
    DrawTextA(fontArial, x, y, "coin capacity:", 0, 1, WHITE);
    for (int k = 0; k < 3; ++k) {
        const hgeRect box(x, y + 24 + 28 * k, x + 34, y + 48 + 28 * k);
        drawRectB(box, 0xC8AFAFAF, 0xC8000000, 1);
        DrawTextA(fontCoin, box.x1 + 5, box.y1 + 5, label("%2d", deckCoinCap(selectedDeck, k)), 0, 1, WHITE);
        // Coloured words need a dark plate over the patterned background.
        drawPlatedText(fontSmall2, box.x2 + 8, box.y1 + 5, label("%s: %s", COINNAMES[k], capacityNote(selectedDeck, k)), 0,
                       1, COINCOLORS[k], 2);
    }
}

void confirm() {
    playConfirm();
    initSelectOppScreen();
}

void goBack() {
    playBack();
    initSelectVehScreen();
}

}  // namespace

int deckNeighbour(int deck, int dx, int dy) {
    if (deck < 0 || deck >= MAXDECKS) return FIRSTDECK;
    if (dy < 0) return UPFROM[deck];
    if (dy > 0) return DOWNFROM[deck];
    const DeckRow& r = rowOf(deck);
    return r.first + (deck - r.first + dx + r.count) % r.count;
}

void initSelectDeckScreen() {
    enterMenu();
    gameMode = MODE_SELECTDECK;
    selectedDeck = FIRSTDECK;
    pos[ROWBOX] = hgeRect(216, 48, 576, 184);
    pos[ROWBOX + 1] = hgeRect(56, 208, 720, 344);
    pos[ROWBOX + 2] = hgeRect(216, 372, 576, 508);
    pos[DESCBOX] = DECKDESCPANEL;
    for (const DeckRow& r : ROWS)
        for (int k = 0; k < r.count; ++k)
            pos[r.first + k] = hgeRect(r.sample->x1 + 112 * k, r.sample->y1, r.sample->x2 + 112 * k, r.sample->y2);
    pos[OKBUTTON] = hgeRect(648, 520, 712, 584);
    pos[BACKBUTTON] = hgeRect(8, 520, 72, 584);
    background = menuSprite("selectBG");
    for (int d = 0; d < MAXDECKS; ++d) pictures[d] = menuSprite(label("card%d", DECKCOLOR[d]));
    frame = menuSprite("lifeBarFrame");
    okButton = menuSprite("okButton");
    backButton = menuSprite("backButton");
    focus.reset();
}

void updateSelectDeckScreen(float) {
    hoverTest(0, MAXDECKS - 1);
    hoverTest(OKBUTTON, BACKBUTTON);
    const int over = hovered(0, MAXDECKS - 1);
    mOver[DECKFOCUS] = over >= 0;
    focus.followPointer(pointerMoved());
    const int key = menuKey();
    if (isLeftKey(key) || isRightKey(key)) moveAcross(isLeftKey(key) ? -1 : 1);
    else if (isUpKey(key) || isDownKey(key)) moveVertically(isUpKey(key) ? -1 : 1);
    else if (key == vk::LBUTTON) {
        if (over >= 0) {
            selectedDeck = over;
            focus.moveTo(DECKFOCUS);
        }
        if (mOver[OKBUTTON]) confirm();
        else if (mOver[BACKBUTTON]) goBack();
    } else if (isConfirmKey(key)) {
        if (focus.on(BACKBUTTON)) goBack();
        else confirm();
    } else if (isBackKey(key)) goBack();
    if (gameMode == MODE_SELECTDECK && over >= 0 && doubleClicked()) {
        selectedDeck = over;
        confirm();
    }
}

void drawSelectDeckScreen() {
    putSprite(background, 0, 0);
    DrawTextA(font1, 400, 24, "Select a deck:", 1, 1, WHITE);
    for (int r = 0; r < NUMROWS; ++r) {
        const hgeRect& box = pos[ROWBOX + r];
        UIbox(box, 0xC8FFFFFF);
        DrawTextA(fontArial, box.x1 + 12, box.y1 - 19, ROWS[r].name, 0, 1, WHITE);
    }
    setFontStyle(fontSmall2, 1, WHITE);
    for (int d = 0; d < MAXDECKS; ++d) {
        putSprite(pictures[d], pos[d].x1, pos[d].y1);
        drawTextInRect(placeIn(DECKNAMEPOS, pos[d]), deckName[d].c_str(), fontSmall2);
    }
    drawFrame(frame, pos[selectedDeck]);
    setFontStyle(fontArial, 1, WHITE);
    drawTextInRect(textPanel(pos[DESCBOX]), deckDesc[selectedDeck].c_str(), fontArial);
    drawCapacities();
    drawButton(backButton, BACKBUTTON);
    drawButton(okButton, OKBUTTON);
    // On the decks the focus lies over the selection frame's edge.
    if (focus.on(DECKFOCUS)) drawFocus(pos[selectedDeck], 2);
    else focus.draw();
    setFontStyle(fontSmall2, 1, WHITE);
}
