// Ways out of a screen that several screens share.
#pragma once

void back2title();
void back2titleFromGame();
// Leaves a two-player match for the title; nothing of a campaign was touched.
void back2titleFromVersus();
// Leaves a match: to the ending when `toEnding`, else back to the opponent selection.
void back2SelectScreen(bool toEnding);
// The title's items in the order they stand; each has its picture "menuItem" + (item + 1).
enum TitleItem {
    TITLE_NEWGAME, TITLE_CONTINUE, TITLE_VERSUS, TITLE_REPLAYS, TITLE_INSTRUCTIONS, TITLE_OPTIONS, TITLE_CREDITS, TITLE_EXIT,
    NUMTITLEITEMS
};
// Acts on the title menu entry in `selected`.
void exitTitleScreen();
