// Save slots 0..9, one text file each ("save" + slot + ".kvb" in the working folder), and
// the summaries the load screen shows of them.
#pragma once

#include <istream>
#include <string>

constexpr int MAXSAVESLOTS = 10;

// The head of a save file: the fields before the vehicle's statistics.
struct SaveHeader {
    int vehicle = 0, deck = 0, deckSize = 0;
    int beat[7] = {};
    int totalScore = 0, playTime = 0, highestCombo = 0, questNum = 1, highestRound = 0;
};

// The file name of a slot.
std::string saveFileName(int slot);
// Reads the head of a save. False when a field is missing, is not a whole number or is out
// of range; `header` is then unusable.
bool readSaveHeader(std::istream& in, SaveHeader& header);

// Fills sv[0..9]: a missing file is an empty slot, an unreadable one a damaged slot.
void loadScreenData();
// Continues the game of a slot: vehicle, deck choice, beaten opponents, score, play time,
// bests and quest from its file, the deck as the chosen starting deck; then the opponent
// selection. A slot that cannot be read is reported and changes nothing.
bool loadGame(int slot);
