#include "screens/instructions.h"

#include "screens/drawing.h"
#include "shell/exits.h"
#include "shell/modes.h"
#include "shell/world.h"
#include "toolkit/hgesprite.h"

void drawInst() {
    drawRect(hgeRect(0, 0, SCREEN_WIDTH, SCREEN_HEIGHT), 0xFF191919);
    if (instSprite) {
        instSprite->SetColor(0xFFFFFFFF);
        instSprite->Render(144, 44);
    }
    DrawTextA(font1, 400, 24, "Instructions", 1, 1, 0xFFFFFFFF);
    DrawTextA(fontSmall2, 400, 566, "press Enter/click to continue", 1, 1, 0xFFFFD219);
    setFontStyle(fontSmall2, 1, 0xFFFFFFFF);
}

void updateInst(float) {
    const int key = hge->Input_GetKey();
    if (key != 1 && key != 13 && key != 27 && key != 32) return;
    // Opened from the battle or the pause it goes back there; from anywhere else the title
    // is the only sound way back.
    const int from = static_cast<int>(pl[0].misc[M_INST]);
    if (gameMode == MODE_INST && from == CF_INGAME) gameMode = MODE_GAME;
    else if (gameMode == MODE_INST && from == CF_PAUSE) gameMode = MODE_PAUSE;
    else back2title();
}
