// Combos and the floating texts that rise from a vehicle.
#pragma once

#include <string>

// Starts floating text `text` in text slot `slot` (0..3) of `side`, just below the vehicle.
// A new text in a busy slot replaces the old one.
void initytxt(int side, const std::string& text, int slot);
// Per battle frame: the floating texts rise and run out.
void updateytxt(float dt);
// Draws every running floating text in its slot's colour.
void drawytxt();

// Shows combo number n of `side` over the enemy at (x, y), or in the side's fixed place
// when the player has turned numbers over enemies off.
void setComboText(int side, float x, float y, int n);
// Pays out a finished chain of `side` whose comboCount was n: a group of enemies sent to
// the other field, bigger and nastier with n; coins instead in the EX mission.
void comboEnemySpawn(int side, int n);
