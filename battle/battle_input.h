// What the humans ask of the battle in one step, as the battle's rules see it: the ways
// they steer, whether they fire or boost, and the card actions of this step. The live
// reader turns keys, mouse and controllers into it; a replay feeds recorded steps instead.
// The bits are stored in replay files: never renumber them.
#pragma once

#include <cstdint>

enum SideHeld : std::uint16_t {
    SH_UP = 1 << 0, SH_LEFT = 1 << 1, SH_DOWN = 1 << 2, SH_RIGHT = 1 << 3,  // keys or pad
    SH_MOUSELEFT = 1 << 4, SH_MOUSERIGHT = 1 << 5, SH_MOUSEUP = 1 << 6, SH_MOUSEDOWN = 1 << 7,
    SH_FIRE = 1 << 8, SH_BOOST = 1 << 9,
};
enum SideAction : std::uint16_t {
    SA_USE1 = 1 << 0, SA_USE2 = 1 << 1, SA_USE3 = 1 << 2,  // use the card in slot 1..3
    SA_CHANGE = 1 << 3, SA_DISCARD = 1 << 4,
    SA_USESELECTED = 1 << 5, SA_DISCARDSELECTED = 1 << 6,  // the mouse's right and middle buttons
    SA_WHEELNEXT = 1 << 7, SA_WHEELPREVIOUS = 1 << 8,
};

struct SideInput {
    std::uint16_t held = 0;
    std::uint16_t actions = 0;
    bool operator==(const SideInput&) const = default;
};

struct BattleInput {
    SideInput side[2];
    bool operator==(const BattleInput&) const = default;
};

// Reads this step's input from the devices: the campaign's keys, mouse and pad for the
// left side, or both players' own keys in a two-player match. The keys that do not play
// (pause, help, frame rate, window mode) act here and are not part of the input.
BattleInput readLiveInput();

// The parts of the live readers: a two-player match's reader (versus_controls.cpp); the
// key of this step, acting on the keys that do not play and giving the mouse buttons'
// card actions; the pointer's ways after steerByMouse; the wheel's turn.
BattleInput readVersusInput();
std::uint16_t readSharedKey(int key);
std::uint16_t mouseHeld();
std::uint16_t wheelActions();

// Where the battle takes each step's input: the devices unless a replay plays. A watcher
// (the recorder) sees every step's input as the battle takes it.
using BattleInputSource = BattleInput (*)();
using BattleInputWatcher = void (*)(const BattleInput&);
void setBattleInputSource(BattleInputSource source);  // null: the devices
void setBattleInputWatcher(BattleInputWatcher watcher);
BattleInput takeBattleInput();
