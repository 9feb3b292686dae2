// The exit confirmation (mode 12), opened from the pause screen with misc[M_CONFIRM] set.
#pragma once

void initConfirmExit();
void updateConfirmExit(float dt);
void drawConfirmExit();
