// The game modes (screens) and what the frame loop calls for each. Mode numbers are
// part of the game's logic and never change.
#pragma once

constexpr int MODE_TITLE = 0;
constexpr int MODE_SELECTVEH = 1;
constexpr int MODE_SELECTDECK = 2;
constexpr int MODE_SELECTOPP = 3;
constexpr int MODE_SELECTREWARD = 4;
constexpr int MODE_GAME = 5;
constexpr int MODE_GAMEOVER = 6;
constexpr int MODE_WINROUND = 7;
constexpr int MODE_WINMATCH = 8;
constexpr int MODE_SELECTUPGRADE = 9;
constexpr int MODE_VIEWDECK = 10;
constexpr int MODE_PAUSE = 11;
constexpr int MODE_CONFIRMEXIT = 12;
constexpr int MODE_OPTIONS = 13;
constexpr int MODE_INST = 14;
constexpr int MODE_LOAD = 15;
constexpr int MODE_CREDITS = 16;
constexpr int MODE_CONFIRMKEY = 17;
constexpr int MODE_ENDING = 18;
// The two-player match: its set-up, the banner of a round won, the match's score.
constexpr int MODE_VERSUSSETUP = 19;
constexpr int MODE_VERSUSROUND = 20;
constexpr int MODE_VERSUSRESULT = 21;
// A replay on show, and the list of kept replays.
constexpr int MODE_REPLAY = 22;
constexpr int MODE_REPLAYLIST = 23;
constexpr int NUMMODES = 24;

// One row of the dispatch table: the update, then up to two draws in order (a screen
// shown over the battle draws the battle first).
struct ModeHandlers {
    void (*update)(float dt) = nullptr;
    void (*draw)() = nullptr;
    void (*drawOver)() = nullptr;
};

// Each screen hands its functions over at start-up; an unset row updates and draws nothing.
void setModeHandlers(int mode, const ModeHandlers& handlers);
const ModeHandlers& modeHandlers(int mode);

// Modes in which `progress` stands still: pause, confirm exit, options, instructions and
// key confirmation.
bool progressFrozen(int mode);
// Modes whose screens read the keyboard handler: vehicle, deck and opponent selection, load.
bool usesKeyHandler(int mode);
