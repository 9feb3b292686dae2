// The options kept in "Options.ini": section, key and default of each OPT_* entry.
#pragma once

struct OptionEntry {
    int index;  // OPT_*
    const char* section;
    const char* key;
    int defaultValue;
    bool isKey;     // a virtual-key code 0..255
    bool isVolume;  // 0..100
};

constexpr int NUMOPTIONENTRIES = 21;
extern const OptionEntry optionEntries[NUMOPTIONENTRIES];

// The value an option starts from: its table default, except that the sync to the display
// is on exactly where the engine offers it.
int optionDefault(const OptionEntry& entry);

// Player 2's keys for a two-player match, in their own section "Key Config 2", kept in
// pl[1].opt under the same OPT_KEY* indices as player 1's.
constexpr int NUMKEYOPTIONS = 11;
extern const OptionEntry playerTwoKeyEntries[NUMKEYOPTIONS];
// The entry of option `option` in player `player`'s table (player 2 has only keys); null
// when there is none.
const OptionEntry* findOptionEntry(int player, int option);

// Reads every option into pl[0].opt and player 2's keys into pl[1].opt. A key code outside
// 0..255 would index past the engine's key tables, so it falls back to the option's
// default; a volume is clamped into 0..100. Both are logged.
void readOptions();

// Hands the display options to the engine: the sync to the display and pixel-exact scaling.
void applyDisplayOptions();

// Alt+Enter switches the window mode in the engine itself: once a frame the full-screen
// option follows the engine's state and a change is written to "Options.ini", so that
// every screen shows it and the next start keeps it.
void followWindowMode();
