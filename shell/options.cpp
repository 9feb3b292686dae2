#include "shell/options.h"

#include <algorithm>

#include "shell/world.h"

const OptionEntry optionEntries[NUMOPTIONENTRIES] = {
    {OPT_KEYUP, "Key Config", "move up", 87, true, false},
    {OPT_KEYLEFT, "Key Config", "move left", 65, true, false},
    {OPT_KEYDOWN, "Key Config", "move down", 83, true, false},
    {OPT_KEYRIGHT, "Key Config", "move right", 68, true, false},
    {OPT_KEYFIRE, "Key Config", "fire", 32, true, false},
    {OPT_KEYBOOST, "Key Config", "boost", 16, true, false},
    {OPT_KEYDISCARD, "Key Config", "discard", 8, true, false},
    {OPT_KEYUSE1, "Key Config", "use card 1", 49, true, false},
    {OPT_KEYUSE2, "Key Config", "use card 2", 50, true, false},
    {OPT_KEYUSE3, "Key Config", "use card 3", 51, true, false},
    {OPT_KEYCHANGE, "Key Config", "change selected card", 220, true, false},
    {OPT_VOLBGM, "Volume", "music", 100, false, true},
    {OPT_VOLSFX, "Volume", "sound fx", 100, false, true},
    {OPT_COMBO, "Combo Display", "display number over enemies", 1, false, false},
    {OPT_FULLSCREEN, "Misc", "Fullscreen", 1, false, false},
    {OPT_SCORE, "Misc", "display score value of enemies", 0, false, false},
    {OPT_TUTORIAL, "Misc", "display tutorial info while playing", 1, false, false},
    // Hit flashes and screen flashes softened, for players who need it.
    {OPT_REDUCEFLASH, "Misc", "reduce flashing", 0, false, false},
    // Presenting at the display's rate; the battle runs 100 steps a second either way.
    {OPT_SYNCDISPLAY, "Misc", "sync to display", 1, false, false},
    // The battle pauses when the window loses the keyboard's focus.
    {OPT_FOCUSPAUSE, "Misc", "pause when not focused", 1, false, false},
    // Whole-number scaling with crisp pixels instead of smooth scaling to fit.
    {OPT_PIXELEXACT, "Misc", "pixel-exact scaling", 0, false, false},
};

int optionDefault(const OptionEntry& entry) {
    if (entry.index == OPT_SYNCDISPLAY) return hge->System_CanSyncToDisplay() ? 1 : 0;
    return entry.defaultValue;
}

// Arrows to move and keys right of the letters, none of them one of player 1's defaults.
const OptionEntry playerTwoKeyEntries[NUMKEYOPTIONS] = {
    {OPT_KEYUP, "Key Config 2", "move up", 38, true, false},
    {OPT_KEYLEFT, "Key Config 2", "move left", 37, true, false},
    {OPT_KEYDOWN, "Key Config 2", "move down", 40, true, false},
    {OPT_KEYRIGHT, "Key Config 2", "move right", 39, true, false},
    {OPT_KEYFIRE, "Key Config 2", "fire", 13, true, false},
    {OPT_KEYBOOST, "Key Config 2", "boost", 222, true, false},
    {OPT_KEYDISCARD, "Key Config 2", "discard", 221, true, false},
    {OPT_KEYUSE1, "Key Config 2", "use card 1", 188, true, false},
    {OPT_KEYUSE2, "Key Config 2", "use card 2", 190, true, false},
    {OPT_KEYUSE3, "Key Config 2", "use card 3", 191, true, false},
    {OPT_KEYCHANGE, "Key Config 2", "change selected card", 186, true, false},
};

const OptionEntry* findOptionEntry(int player, int option) {
    if (player == 0)
        for (const OptionEntry& e : optionEntries)
            if (e.index == option) return &e;
    if (player == 1)
        for (const OptionEntry& e : playerTwoKeyEntries)
            if (e.index == option) return &e;
    return nullptr;
}

namespace {
int readEntry(const OptionEntry& e) {
    int value = hge->Ini_GetInt(e.section, e.key, optionDefault(e));
    if (e.isKey && (value < 0 || value > 255)) {
        hge->System_Log("Options: [%s] %s = %d is not a key code; using %d.", e.section, e.key, value,
                        e.defaultValue);
        value = e.defaultValue;
    }
    if (e.isVolume && (value < 0 || value > 100)) {
        const int clamped = std::clamp(value, 0, 100);
        hge->System_Log("Options: [%s] %s = %d is not a volume; using %d.", e.section, e.key, value, clamped);
        value = clamped;
    }
    return value;
}
}  // namespace

void readOptions() {
    for (const OptionEntry& e : optionEntries) pl[0].opt[e.index] = readEntry(e);
    for (const OptionEntry& e : playerTwoKeyEntries) pl[1].opt[e.index] = readEntry(e);
}

void applyDisplayOptions() {
    hge->System_SetState(HGE_VSYNC, pl[0].opt[OPT_SYNCDISPLAY] != 0);
    hge->System_SetState(HGE_PIXELEXACT, pl[0].opt[OPT_PIXELEXACT] != 0);
}

void followWindowMode() {
    const int fullscreen = hge->System_GetState(HGE_WINDOWED) ? 0 : 1;
    if (pl[0].opt[OPT_FULLSCREEN] == fullscreen) return;
    pl[0].opt[OPT_FULLSCREEN] = fullscreen;
    hge->Ini_SetInt("Misc", "Fullscreen", fullscreen);
}
