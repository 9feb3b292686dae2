// The shell runs the frame loop and the screen exits, but the screens, the battle and the
// data loader live in the layers above it. Those layers hand their entry points to the
// shell here at start-up (and each screen its mode row, see modes.h); an entry that is
// not handed over yet does nothing.
#pragma once

struct GameHooks {
    void (*loadData)() = nullptr;            // reads the data files
    void (*timer0p1)() = nullptr;            // the 0.1-second tick
    void (*stepBegins)() = nullptr;          // at the start of every step, in every mode
    void (*drawBegins)() = nullptr;          // before every frame is drawn
    void (*initTitleScreen)() = nullptr;
    void (*initLoadScreen)() = nullptr;
    void (*initOptionsScreen)() = nullptr;
    void (*initCredits)() = nullptr;
    void (*initEnding)() = nullptr;
    void (*initSelectOppScreen)() = nullptr;
    // The screens the battle opens: pause (Escape) and the three ends of a round.
    void (*initPauseScreen)() = nullptr;
    void (*initGameOver)() = nullptr;
    void (*initWinRound)() = nullptr;
    void (*initWinMatch)() = nullptr;
    // The two-player match: its set-up screen, a round's end, the match's end.
    void (*initVersusSetup)() = nullptr;
    void (*initVersusRound)() = nullptr;
    void (*initVersusResult)() = nullptr;
    // The list of kept replays (playback returns to it).
    void (*initReplayList)() = nullptr;
};

extern GameHooks gameHooks;

// Calls a hook when it is set.
inline void callHook(void (*hook)()) {
    if (hook) hook();
}
