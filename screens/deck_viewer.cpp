// The deck viewer (mode 10): every card of the human's deck by name in columns of 35, the
// selected card shown large, two sorts and, above 100 cards, deleting. Up and Down walk a
// column, then the row of buttons below it, round again.
#include <algorithm>

#include "cards/decks.h"
#include "cards/hand.h"
#include "platform/core/input_state.h"
#include "screens/card_drawing.h"
#include "screens/drawing.h"
#include "screens/menu.h"
#include "screens/selection.h"
#include "screens/text_plate.h"
#include "shell/geometry.h"
#include "shell/modes.h"
#include "shell/sound.h"
#include "shell/world.h"
#include "toolkit/hgefont.h"
#include "toolkit/hgesprite.h"

namespace {

constexpr int NUMROWS = 35;
constexpr int NUMCOLS = 6;
constexpr int CARDVIEW = 220, DELETEBUTTON = 221, OKBUTTON = 222, SORTTYPE = 223, SORTNAME = 224;
constexpr int MINDECK = 100;  // no card can be deleted from a deck this small
constexpr float NAMEWIDTH = 94;
constexpr int DELETESOUND = 38, DELETECHANNEL = 5;
constexpr DWORD WHITE = 0xFFFFFFFF, BUTTONCOLOR = 0xFF2B559B;

hgeSprite* background = nullptr;
hgeSprite* okButton = nullptr;
hgeSprite* frame = nullptr;

// The buttons, left to right as the keys walk them; a greyed Delete keeps its place and
// says why it does not answer.
MenuFocus buttons({SORTTYPE, SORTNAME, DELETEBUTTON, OKBUTTON});
bool onList = true;  // the focus is on the card names, else on the buttons

int deckSize() { return std::clamp(pl[0].deckSize, 0, NUMROWS * NUMCOLS); }
int lastCard() { return std::max(deckSize() - 1, 0); }
bool canDelete() { return pl[0].deckSize > MINDECK; }
int columnTop() { return selected / NUMROWS * NUMROWS; }
int columnBottom() { return std::min(columnTop() + NUMROWS - 1, lastCard()); }

void sortByType() {
    sortByNumber(pl[0].deck, 0, deckSize());
    sortArray(pl[0].deck, deckSize());
}

void sortByName() { sortArrayByName(pl[0].deck, deckSize()); }

void deleteSelected() {
    if (!canDelete()) return;
    playSFX(DELETESOUND, DELETECHANNEL);
    removeFromDeck(selected);
    // Deleting the last card leaves the selection on the new last one.
    selected = std::min(selected, lastCard());
}

void leave() {
    playConfirm();
    initSelectOppScreen();
}

void moveOnList(int key) {
    if (isLeftKey(key)) {
        if (selected >= NUMROWS) selected -= NUMROWS;
    } else if (isRightKey(key)) {
        selected = std::min(selected + NUMROWS, lastCard());
    } else if (isUpKey(key)) {
        if (selected == columnTop()) onList = false;
        else --selected;
    } else if (isDownKey(key)) {
        if (selected == columnBottom()) onList = false;
        else ++selected;
    }
}

void moveOnButtons(int key) {
    if (isLeftKey(key) || isRightKey(key)) {
        buttons.step(isLeftKey(key) ? -1 : 1);
    } else if (isUpKey(key) || isDownKey(key)) {
        // Back into the column: Down at its top, Up at its foot.
        if (deckSize() == 0) return;
        selected = isDownKey(key) ? columnTop() : columnBottom();
        onList = true;
    }
}

void press(int button) {
    switch (button) {
    case DELETEBUTTON: deleteSelected(); break;
    case SORTTYPE: sortByType(); break;
    case SORTNAME: sortByName(); break;
    default: leave();
    }
}

}  // namespace

void initViewDeckScreen() {
    enterMenu();
    gameMode = MODE_VIEWDECK;
    selected = 0;
    for (int i = 0; i < NUMROWS * NUMCOLS; ++i) {
        const float x = 16 + 104 * (i / NUMROWS), y = 44 + 15 * (i % NUMROWS);
        pos[i] = hgeRect(x, y, x + 100, y + 15);
    }
    pos[CARDVIEW] = hgeRect(656, 80, 746, 200);
    pos[DELETEBUTTON] = hgeRect(656, 232, 746, 256);
    pos[OKBUTTON] = hgeRect(720, 512, 784, 576);
    pos[SORTTYPE] = hgeRect(24, 574, 168, 594);
    pos[SORTNAME] = hgeRect(196, 574, 340, 594);
    buttons.reset();
    onList = deckSize() > 0;
    background = menuSprite("selectBG");
    okButton = menuSprite("okButton");
    frame = menuSprite("lifeBarFrame");
    playBGM("titleMusicSTR");
}

void updateViewDeckScreen(float) {
    hoverTest(0, deckSize() - 1);
    hoverTest(CARDVIEW, SORTNAME);
    const bool moved = pointerMoved();
    if (buttons.followPointer(moved)) onList = false;
    else if (moved && hovered(0, deckSize() - 1) >= 0) onList = true;
    const int key = menuKey();
    if (key == vk::LBUTTON) {
        const int over = hovered(0, deckSize() - 1);
        if (over >= 0) {
            selected = over;
            onList = true;
        } else if (mOver[DELETEBUTTON]) deleteSelected();
        else if (mOver[OKBUTTON]) leave();
        else if (mOver[SORTTYPE]) sortByType();
        else if (mOver[SORTNAME]) sortByName();
    } else if (key == vk::F1) {
        sortByType();
    } else if (key == vk::F2) {
        sortByName();
    } else if (isConfirmKey(key)) {
        if (onList) leave();
        else press(buttons.place());
    } else if (isBackKey(key)) {
        leave();
    } else if (onList) {
        moveOnList(key);
    } else {
        moveOnButtons(key);
    }
}

void drawViewDeckScreen() {
    putSprite(background, 0, 0);
    DrawTextA(font1, 16, 10, "Deck Viewer", 0, 1, WHITE);
    DrawTextA(fontSmall2, 200, 16, label("total cards in deck: %d", pl[0].deckSize), 0, 1, WHITE);
    const int n = deckSize();
    for (int i = 0; i < n; ++i) {
        const int id = pl[0].deck[i];
        const char* name = cardData(id).name.c_str();
        DrawTextA(fontSmall2, pos[i].x1 + 2, pos[i].y1 + 1, name, 0, shrinkToFit(fontSmall2, name, NAMEWIDTH),
                  getCardTextColor(id));
    }
    setFontStyle(fontSmall2, 1, WHITE);
    if (n > 0) {
        // On the names the focus edge is the selection's frame, in the gaps between the
        // lines; with the focus on the buttons the quieter frame still shows the card
        // that Delete takes.
        if (onList) drawFocus(inflate(pos[selected], 0, -1), 0);
        else drawFrame(frame, pos[selected], 1);
        const int id = pl[0].deck[selected];
        drawCard(pos[CARDVIEW], id, 255);
        DrawTextA(fontSmall2, pos[CARDVIEW].x1, pos[CARDVIEW].y2 + 8, label("You have: %d", getCardQty(0, id)), 0, 1,
                  WHITE);
    }
    drawTextButton(DELETEBUTTON, "Delete card", fontSmall2, BUTTONCOLOR, canDelete());
    if (!canDelete()) {
        // A greyed button says why it does not answer.
        const float middle = (pos[DELETEBUTTON].x1 + pos[DELETEBUTTON].x2) / 2, top = pos[DELETEBUTTON].y2 + 12;
        drawPlatedText(fontSmall2, middle, top, label("a deck keeps at least %d", MINDECK), 1, 1, 0xFFD0D0D0);
        drawPlatedText(fontSmall2, middle, top + 14, "cards: none can go", 1, 1, 0xFFD0D0D0);
    }
    drawTextButton(SORTTYPE, "Sort by type (F1)", fontSmall2, BUTTONCOLOR);
    drawTextButton(SORTNAME, "Sort by name (F2)", fontSmall2, BUTTONCOLOR);
    drawButton(okButton, OKBUTTON);
    if (!onList) buttons.draw();
    setFontStyle(fontSmall2, 1, WHITE);
}
