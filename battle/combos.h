// Combos and the floating texts that rise from a vehicle.
#pragma once

#include <string>

// Starts floating text `text` in text slot `slot` (0..3) of `side`, just below the vehicle.
// A new text in a busy slot replaces the old one.
void initytxt(int side, const std::string& text, int slot);
