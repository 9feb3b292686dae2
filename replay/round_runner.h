// Plays a recorded round again step by step, feeding the battle the recorded input and
// comparing its check values. Playback on screen and the headless verification both
// drive it; the end-of-round screens stay shut while it runs.
#pragma once

#include <string>

#include "replay/replay_format.h"
#include "replay/round_state.h"

class RoundRunner {
public:
    enum Status { STEPPED, ROUND_OVER, PARTED };

    // Sets the world up as round `index` of `replay` began; `freshMatch` also runs the
    // match's set-up first (graphics, music), as for the first round played. False with
    // a message when the round's set-up does not read back.
    bool begin(const Replay& replay, int index, bool freshMatch, std::string& error);
    // One battle step, with the frames outside the battle that came before it.
    // ROUND_OVER once the round has ended as recorded; PARTED when the battle left the
    // record (a check value differs, or the round ends at another step or otherwise),
    // with `fault()` saying where.
    Status step();
    // Puts the end-of-round screens back; the world stays as the round left it.
    void end();

    const std::string& fault() const { return fault_; }
    std::uint32_t stepsDone() const { return step_; }
    const ReplayRound* round() const { return round_; }

private:
    Status part(const std::string& what);
    Status checkEnd();

    const ReplayRound* round_ = nullptr;
    int index_ = 0;
    std::uint32_t step_ = 0;
    std::size_t nextInput_ = 0, nextGap_ = 0;
    // The battle's clocks between its steps: whatever runs between them (the frame loop
    // of the screen showing the replay) leaves them as they were.
    StepClocks clocks_;
    std::string fault_;
    bool hooksSaved_ = false;
};

// The input the battle takes while a runner steps: the recorded one.
BattleInput recordedInput();
