#include "replay/verify.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

#include "replay/recorder.h"
#include "replay/replay_library.h"
#include "replay/round_runner.h"
#include "shell/hooks.h"
#include "shell/startup.h"
#include "shell/world.h"

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

namespace {

double secondsNow() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

int verifyEach(const std::vector<std::string>& files) {
    for (const std::string& file : files) {
        Replay replay;
        std::string fault;
        if (!readReplayFile(file, replay, fault)) {
            std::printf("%s %s\n", file.c_str(), fault.c_str());
            return 1;
        }
        const double started = secondsNow();
        if (!verifyReplay(replay, fault)) {
            std::printf("%s parts from its record at %s\n", file.c_str(), fault.c_str());
            return 1;
        }
        const double took = std::max(secondsNow() - started, 1e-6);
        const double played = replay.info.steps / 100.0;
        std::printf("%s plays as recorded: %zu rounds, %.0f s of battle in %.2f s (%.0fx real time)\n", file.c_str(),
                    replay.rounds.size(), played, took, played / took);
    }
    return 0;
}

}  // namespace

int verifyReplayFiles(const std::vector<std::string>& files) {
    hge = hgeCreate(HGE_VERSION);
    chooseFolders({});
    hge->System_SetState(HGE_FPS, 100);
    int status = 2;
    if (!hge->System_Initiate()) {
        std::printf("The engine cannot start: %s\n", hge->System_GetErrorMessage());
    } else if (loadSharedResources()) {
        callHook(gameHooks.loadData);
        if (!dataFault.empty()) std::printf("The game data cannot be read: %s\n", dataFault.c_str());
        else status = verifyEach(files);
    }
    shutDownEngine();
    return status;
}
