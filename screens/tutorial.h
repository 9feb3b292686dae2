// The tutorial: hints shown in a box over the first seconds of certain rounds, naming
// the player's own keys.
#pragma once

#include <string>

#include "toolkit/hgerect.h"

// The hint of opponent `opp`'s round `round` at round clock `clock` (tenths of a second),
// with the configured keys spelled out, into `text`. False when none is shown then.
bool tutorialHint(int opp, int round, float clock, std::string& text);
// Where a hint's text goes: its box in battle, inside the box's margin.
hgeRect tutorialTextBox();
// The current hint in its box; nothing outside a hint's window.
void drawTutorial();
