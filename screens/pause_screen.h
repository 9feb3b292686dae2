// The pause (mode 11), opened with Escape during a battle and drawn over it.
#pragma once

void initPauseScreen();
void updatePauseScreen(float dt);
void drawPauseScreen();
