// The yes/no question (mode 12) before leaving a match or the game, over the battle or
// the title it was asked on.
#include "screens/confirm_exit.h"

#include "platform/core/input_state.h"
#include "screens/battle_drawing.h"
#include "screens/drawing.h"
#include "screens/menu.h"
#include "shell/exits.h"
#include "shell/modes.h"
#include "screens/title.h"
#include "shell/world.h"
#include "toolkit/hgefont.h"

namespace {

constexpr int DIALOG = 110, YES = 111, NO = 112;
constexpr int SEL_YES = 1, SEL_NO = 2;
// The answer in focus. Not the shared `selected`: the pause or the title the question
// returns to keeps its own choice.
int answerInFocus = SEL_NO;
constexpr DWORD WHITE = 0xFFFFFFFF;

void confirm() {
    const int kind = static_cast<int>(pl[0].misc[M_CONFIRM]);
    if (kind == CF_QUITGAME || kind == CF_TITLE) done = true;
    else if (kind == CF_QUITMATCH && versus.on) back2titleFromVersus();
    else if (kind == CF_QUITMATCH) back2SelectScreen(false);
}

bool askedOnTitle() { return static_cast<int>(pl[0].misc[M_CONFIRM]) == CF_TITLE; }

void answer(int choice) {
    if (choice == SEL_YES) confirm();
    else if (choice == SEL_NO) gameMode = askedOnTitle() ? MODE_TITLE : MODE_PAUSE;
}

}  // namespace

void initConfirmExit() {
    gameMode = MODE_CONFIRMEXIT;
    answerInFocus = SEL_NO;
    pos[DIALOG] = hgeRect(200, 56, 592, 272);
    pos[YES] = hgeRect(264, 192, 348, 232);
    pos[NO] = hgeRect(448, 192, 532, 232);
}

void updateConfirmExit(float) {
    hoverTest(YES, NO);
    // Only the two buttons take the selection: resting on the dialog itself must leave
    // Enter with an answer to give.
    if (pointerMoved()) {
        if (mOver[YES]) answerInFocus = SEL_YES;
        else if (mOver[NO]) answerInFocus = SEL_NO;
    }
    const int key = menuKey();
    if (isDirectionKey(key)) answerInFocus = answerInFocus == SEL_YES ? SEL_NO : SEL_YES;
    else if (key == vk::LBUTTON) {
        if (mOver[NO]) answer(SEL_NO);
        else if (mOver[YES]) answer(SEL_YES);
    } else if (isConfirmKey(key)) answer(answerInFocus);
    else if (isBackKey(key)) answer(SEL_NO);
}

void drawConfirmBackdrop() {
    if (askedOnTitle()) drawTitleScreen();
    else drawGame();
}

void drawConfirmExit() {
    drawRect(hgeRect(0, 0, SCREEN_WIDTH, SCREEN_HEIGHT), 0xAF4B4B4B);
    const hgeRect& d = pos[DIALOG];
    // White words need a dark panel; the red edge marks the question as serious.
    drawRectB(d, 0xFFC2303A, 0xFF262A36, 4);
    const bool match = static_cast<int>(pl[0].misc[M_CONFIRM]) == CF_QUITMATCH;
    DrawTextA(font1, d.x1 + 24, d.y1 + 32,
              match ? "Are you sure\nyou want to quit\nthe current match?" : "Are you sure\nyou want to exit\nthe game?", 0,
              1, WHITE);
    for (int b : {YES, NO}) {
        // A plain plate: the menu item pictures carry their own words.
        // The chosen answer is marked by the focus edge: a light wash over the plate would
        // take the white label below 4.5:1.
        drawRectB(pos[b], 0xFF000000, answerInFocus == b - DIALOG ? 0xFF33589E : 0xFF2B4C8C, 2);
        if (answerInFocus == b - DIALOG) drawFocus(pos[b]);
        DrawTextA(fontArial, (pos[b].x1 + pos[b].x2) / 2, (pos[b].y1 + pos[b].y2) / 2, b == YES ? "Yes" : "No", 1, 1,
                  WHITE);
    }
}
