#include "replay/verify.h"

#include "replay/recorder.h"
#include "replay/round_runner.h"

bool verifyReplay(const Replay& replay, std::string& fault) {
    setRecording(false);
    RoundRunner runner;
    bool alike = true;
    for (int i = 0; alike && i < static_cast<int>(replay.rounds.size()); ++i) {
        if (!runner.begin(replay, i, i == 0, fault)) {
            alike = false;
            break;
        }
        RoundRunner::Status s = RoundRunner::STEPPED;
        while (s == RoundRunner::STEPPED) s = runner.step();
        if (s == RoundRunner::PARTED) {
            fault = runner.fault();
            alike = false;
        }
    }
    runner.end();
    setRecording(true);
    return alike;
}
