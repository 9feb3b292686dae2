#include "replay/recorder.h"

#include <ctime>

#include "battle/setup.h"
#include "cards/opponents.h"
#include "replay/replay_library.h"
#include "replay/round_state.h"
#include "shell/hooks.h"
#include "shell/modes.h"
#include "shell/world.h"

namespace {

enum class Phase { IDLE, SETUP, RUNNING };

struct Recorder {
    bool on = true;
    Phase phase = Phase::IDLE;
    bool matchOpen = false;
    Replay replay;
    std::string path;
    std::uint32_t step = 0;
    std::uint32_t gapFrames = 0;
    bool kept = false;
};
Recorder rec;

ReplayRound& round() { return rec.replay.rounds.back(); }

std::uint8_t modeOfMatch() {
    if (versus.on) return RM_VERSUS;
    if (selectedOpp == EXMISSION) return RM_EXMISSION;
    return pl[0].questNum == 2 ? RM_SECONDQUEST : RM_CAMPAIGN;
}

void describeMatch(ReplayInfo& info) {
    info.started = static_cast<std::int64_t>(std::time(nullptr));
    info.gameVersion = KVB_GAME_VERSION;
    info.mode = modeOfMatch();
    info.vehicle[0] = static_cast<std::int8_t>(versus.on ? versus.vehicle[0] : selectedVeh);
    info.vehicle[1] = static_cast<std::int8_t>(versus.on ? versus.vehicle[1] : -1);
    info.deck[0] = static_cast<std::int8_t>(versus.on ? versus.deck[0] : selectedDeck);
    info.deck[1] = static_cast<std::int8_t>(versus.on ? versus.deck[1] : -1);
    info.opponent = static_cast<std::int8_t>(selectedOpp);
}

void writeMatch() {
    ReplayInfo& info = rec.replay.info;
    info.steps = 0;
    info.wins[0] = info.wins[1] = 0;
    for (const ReplayRound& r : rec.replay.rounds) {
        info.steps += r.steps;
        if (r.outcome == RO_WON) ++info.wins[0];
        if (r.outcome == RO_LOST) ++info.wins[1];
    }
    info.result = rec.replay.rounds.empty() ? std::uint8_t{RO_UNFINISHED} : rec.replay.rounds.back().outcome;
    if (rec.path.empty()) rec.path = newRecentReplayPath(info.started);
    std::string error;
    if (!writeReplayFile(rec.path, encodeReplay(rec.replay), error)) {
        hge->System_Log("The replay %s could not be written: %s", rec.path.c_str(), error.c_str());
        return;
    }
    pruneRecentReplays(rec.path);
}

void finishRound(std::uint8_t outcome) {
    round().steps = rec.step + 1;
    round().outcome = outcome;
    rec.phase = Phase::IDLE;
    rec.kept = false;
    writeMatch();
}

void matchBegins() {
    if (!rec.on) return;
    if (rec.phase == Phase::RUNNING) finishRound(RO_QUIT);
    rec.replay = Replay();
    rec.path.clear();
    rec.matchOpen = true;
    rec.phase = Phase::IDLE;
}

void roundBegins(bool retry) {
    if (!rec.on || !rec.matchOpen) return;
    if (rec.phase == Phase::RUNNING) finishRound(RO_QUIT);
    if (rec.replay.rounds.empty()) describeMatch(rec.replay.info);
    ReplayRound r;
    r.round = static_cast<std::uint16_t>(curRound);
    r.retry = retry;
    r.setup = captureRoundSetup();
    rec.replay.rounds.push_back(std::move(r));
    rec.phase = Phase::SETUP;
}

void stepBegins() {
    if (!rec.on || rec.phase == Phase::IDLE) return;
    if (gameMode != MODE_GAME) {
        if (progressFrozen(gameMode)) {
            if (rec.phase == Phase::RUNNING) ++rec.gapFrames;
        } else if (rec.phase == Phase::RUNNING) {
            finishRound(roundOutcomeOf(gameMode));
        }
        return;
    }
    if (rec.phase == Phase::SETUP) {
        round().clocks = captureStepClocks();
        rec.phase = Phase::RUNNING;
        rec.step = 0;
        rec.gapFrames = 0;
    } else {
        ++rec.step;
    }
    if (rec.gapFrames > 0) {
        round().gaps.push_back({rec.step, rec.gapFrames, captureStepClocks()});
        rec.gapFrames = 0;
    }
    if (rec.step % REPLAY_STEPSPERCHECK == 0) round().checks.push_back(battleCheckValue());
}

void inputTaken(const BattleInput& in) {
    if (!rec.on || rec.phase != Phase::RUNNING) return;
    std::vector<InputChange>& inputs = round().inputs;
    const BattleInput last = inputs.empty() ? BattleInput() : inputs.back().input;
    if (in != last) inputs.push_back({rec.step, in});
}

// A round whose end screen opened in this very step is finished before it is kept.
void finishEndedRound() {
    if (rec.phase == Phase::RUNNING && gameMode != MODE_GAME && !progressFrozen(gameMode))
        finishRound(roundOutcomeOf(gameMode));
}

}  // namespace

void registerRecorder() {
    setupWatchers.matchBegins = matchBegins;
    setupWatchers.roundBegins = roundBegins;
    gameHooks.stepBegins = stepBegins;
    setBattleInputWatcher(inputTaken);
}

void setRecording(bool on) {
    if (!on && rec.phase == Phase::RUNNING) finishRound(RO_QUIT);
    if (!on) rec.matchOpen = false;
    rec.on = on;
}

const Replay& currentReplay() { return rec.replay; }
const std::string& currentReplayPath() { return rec.path; }
bool currentReplayKept() { return rec.kept; }

bool keepCurrentReplay(std::string& keptName, std::string& error) {
    finishEndedRound();
    if (rec.path.empty() || rec.replay.rounds.empty()) {
        error = "No replay of this match was written.";
        return false;
    }
    if (!keepReplayFile(rec.path, rec.replay.info, keptName, error)) return false;
    rec.kept = true;
    return true;
}
