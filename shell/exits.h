// Ways out of a screen that several screens share.
#pragma once

void back2title();
void back2titleFromGame();
// Leaves a match: to the ending when `toEnding`, else back to the opponent selection.
void back2SelectScreen(bool toEnding);
// Acts on the title menu entry in `selected`.
void exitTitleScreen();
