#include "replay/round_runner.h"

#include "battle/setup.h"
#include "replay/round_state.h"
#include "shell/frame.h"
#include "shell/hooks.h"
#include "shell/modes.h"
#include "shell/world.h"

namespace {

constexpr float STEPSECONDS = 1.0f / 100;
const char* const OUTCOMEWORDS[] = {"went on", "was won", "was lost", "was drawn", "was given up"};

BattleInput playing;

// The screens a round's end or a pause would open; while a runner steps, a round's end
// only changes the mode, and nothing pauses.
struct EndScreens {
    void (*gameOver)(), (*winRound)(), (*winMatch)(), (*versusRound)(), (*versusResult)(), (*pause)();
};
EndScreens saved;

void shutEndScreens() {
    GameHooks& h = gameHooks;
    saved = {h.initGameOver, h.initWinRound, h.initWinMatch, h.initVersusRound, h.initVersusResult, h.initPauseScreen};
    h.initGameOver = h.initWinRound = h.initWinMatch = h.initVersusRound = h.initVersusResult = h.initPauseScreen =
        nullptr;
}

void openEndScreens() {
    GameHooks& h = gameHooks;
    h.initGameOver = saved.gameOver, h.initWinRound = saved.winRound, h.initWinMatch = saved.winMatch;
    h.initVersusRound = saved.versusRound, h.initVersusResult = saved.versusResult, h.initPauseScreen = saved.pause;
}

std::string secondOf(std::uint32_t step) { return "second " + std::to_string(step / REPLAY_STEPSPERCHECK); }

}  // namespace

BattleInput recordedInput() { return playing; }

bool RoundRunner::begin(const Replay& replay, int index, bool freshMatch, std::string& error) {
    if (index < 0 || index >= static_cast<int>(replay.rounds.size())) {
        error = "has no round " + std::to_string(index + 1);
        return false;
    }
    const ReplayRound& r = replay.rounds[index];
    if (!hooksSaved_) shutEndScreens();
    hooksSaved_ = true;
    bool read = restoreRoundSetup(r.setup);
    if (read && freshMatch) {
        initGame();
        read = restoreRoundSetup(r.setup);
    }
    if (!read) {
        error = "is damaged: the set-up of round " + std::to_string(index + 1) + " does not read back";
        return false;
    }
    gameMode = MODE_GAME;
    initRound(r.retry);
    gameMode = MODE_GAME;
    if (!restoreStepClocks(r.clocks)) {
        error = "is damaged: the clocks of round " + std::to_string(index + 1) + " do not read back";
        return false;
    }
    clocks_ = currentStepClocks();
    round_ = &r;
    index_ = index;
    step_ = 0;
    nextInput_ = nextGap_ = 0;
    playing = BattleInput();
    fault_.clear();
    return true;
}

RoundRunner::Status RoundRunner::part(const std::string& what) {
    fault_ = "round " + std::to_string(index_ + 1) + ", " + what;
    return PARTED;
}

RoundRunner::Status RoundRunner::checkEnd() {
    const std::uint8_t outcome = roundOutcomeOf(gameMode);
    if (step_ == round_->steps && outcome == round_->outcome) return ROUND_OVER;
    return part(secondOf(step_) + ": the round " + OUTCOMEWORDS[outcome] + "; the record says it " +
                OUTCOMEWORDS[round_->outcome] + " at " + secondOf(round_->steps));
}

RoundRunner::Status RoundRunner::step() {
    if (!round_) return PARTED;
    if (step_ >= round_->steps) {
        if (round_->outcome == RO_QUIT) return ROUND_OVER;
        return part(secondOf(step_) + ": the round goes on; the record says it " + OUTCOMEWORDS[round_->outcome]);
    }
    const ReplayRound& r = *round_;
    setStepClocks(clocks_);
    for (; nextGap_ < r.gaps.size() && r.gaps[nextGap_].step == step_; ++nextGap_)
        if (!restoreStepClocks(r.gaps[nextGap_].clocks)) return part(secondOf(step_) + ": a pause does not read back");
    gameMode = MODE_GAME;
    if (step_ % REPLAY_STEPSPERCHECK == 0) {
        const std::size_t k = step_ / REPLAY_STEPSPERCHECK;
        if (k < r.checks.size() && r.checks[k] != battleCheckValue())
            return part(secondOf(step_) + ": the battle's state differs from the record");
    }
    for (; nextInput_ < r.inputs.size() && r.inputs[nextInput_].step <= step_; ++nextInput_)
        playing = r.inputs[nextInput_].input;
    setBattleInputSource(recordedInput);
    updateVars(STEPSECONDS);
    setBattleInputSource(nullptr);
    clocks_ = currentStepClocks();
    ++step_;
    if (gameMode != MODE_GAME) return checkEnd();
    return STEPPED;
}

void RoundRunner::end() {
    if (hooksSaved_) openEndScreens();
    hooksSaved_ = false;
    round_ = nullptr;
}
