// The exit confirmation (mode 12), opened from the pause screen or the title with
// misc[M_CONFIRM] set.
#pragma once

void initConfirmExit();
void updateConfirmExit(float dt);
// What the question stands over: the title or the battle.
void drawConfirmBackdrop();
void drawConfirmExit();
