// "Save replay" on the screens that end a round or a match: a button, and the R key, that
// keeps the match just played for good; afterwards a note in its place says how it went.
// Only one of these screens shows at a time, so they share one button.
#pragma once

#include "toolkit/hgerect.h"

constexpr int SAVEREPLAYKEY = 'R';

// Puts the button at pos[place] and offers it afresh.
void initSaveReplay(int place, const hgeRect& r);
// The button stands: a match was recorded and it was not kept from this screen yet.
bool saveReplayOffered();
// Keeps the replay and notes "Replay saved" or the reason it could not be kept.
void saveReplay();
// Acts on this frame's key: R anywhere, or a click on the button. True when it was used.
bool saveReplayKey(int key);
// The button while offered, else the note (nothing before the button is used).
void drawSaveReplay();
