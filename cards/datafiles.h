// The game data read at start-up and on every return to the title: vehicles, stat
// descriptions, deck names, opponents and enemies ("data.paq"), the card catalogue
// ("card.paq"), the starting decks ("deck.paq") and the credits ("credits.txt").
#pragma once

#include <istream>

// Sets the fixed tables (condition names, weapon-family texts, colour cycles), then reads
// the four files from the working folder. A missing data file leaves its tables as they
// were; a missing credits file is reported in the log and in an "Error" box.
void loadData();

// Reads the 12 player and 7 opponent starting decks into deckDB.
void loadDeckInfo(std::istream& in);
