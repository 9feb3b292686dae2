// The ten save slots. Each is a text file "save<slot>.kvb" in the user folder, one value
// a line, in this order (numbers are never renumbered: old saves must stay readable):
//   1 vehicle, 2 starting deck, 3 deck size, 4-10 beaten flags of opponents 0..6,
//   11 total score, 12 play time, 13 best combo, 14 quest number, 15 highest round,
//   16-23 the vehicle's speed, shot speed, power, armor, rate of fire, excel, heart, fuel,
//   24-52 kills of enemy kinds 1..29, then the deck's card ids, deck size of them.
// Integers in decimal, statistics as decimal floats (the shortest text that reads back as
// the same value; six significant digits read as well). A save is checked with the loader's
// own rules before it is written, then written to a temporary file renamed over the old one;
// the old one is kept as "save<slot>.kvb.bak" when it loads, so the backup is always the last
// good save. A save is read and checked whole before anything is applied, so a damaged file
// changes nothing; a file that is there but cannot be read is a damaged slot, never an empty one.
#pragma once

#include <string>

constexpr int MAXSAVESLOTS = 10;

std::string saveFileName(int slot);
std::string backupFileName(int slot);
// Writes the campaign into the slot; -1 (no slot) writes nothing. A file that cannot be
// written, or a campaign that would not load back, is reported in the log and an error box,
// writes nothing, and the game goes on.
bool saveGame(int slot);
// Puts the slot's backup in place of its file when the backup loads; false (reported) otherwise.
bool restoreBackup(int slot);
// Reads the slot into the campaign. A missing or damaged file is reported in the log and an
// error box and changes nothing.
bool loadGameData(int slot);
// Loads the slot and opens the opponent selection; on failure stays where it is.
bool loadGame(int slot);
// The load screen's summary of every slot (sv).
void loadScreenData();
