// The ending (mode 18), reached after the last win of a quest.
#pragma once

void initEnding();
void updateEnding(float dt);
void drawEnding();
