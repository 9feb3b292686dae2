// The game data read at start-up and on every return to the title: vehicles, stat
// descriptions, deck names, opponents and enemies ("data.paq"), the card catalogue
// ("card.paq"), the starting decks ("deck.paq") and the credits ("credits.txt").
#pragma once

#include <istream>

// Sets the fixed tables (condition names, weapon-family texts, colour cycles), then reads
// the four files from the working folder. A data file that is missing, cannot be read or
// leaves a table the game needs incomplete is reported in the log and, once per fault, in
// an "Error" box naming the file; no battle starts until it is mended (dataFault).
// A missing credits file is reported in the log and in an "Error" box.
void loadData();

// Reads the 12 player and 7 opponent starting decks into deckDB; false when a place is not
// a card id (left empty, logged) or the file ends early.
bool loadDeckInfo(std::istream& in);
