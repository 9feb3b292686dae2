// The instructions screen (mode 14) and the key handling it shares with the credits.
#pragma once

void drawInst();
// Modes 14 and 16: a click, Enter, Escape or Space leaves, back to the battle or the pause
// when the instructions were opened there, else to the title.
void updateInst(float dt);
