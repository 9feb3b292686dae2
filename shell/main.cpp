#include <cstdio>
#include <string>

#include "battle/battle_frame.h"
#include "cards/datafiles.h"
#include "platform/headless/headless_engine.h"
#include "replay/recorder.h"
#include "replay/verify.h"
#include "screens/screens.h"
#include "shell/hooks.h"
#include "shell/startup.h"

// The program's top: hands the higher layers' entry points to the shell, then runs it.
int main(int argc, char** argv) {
    StartOptions options;
    std::string error;
    if (!parseCommandLine(argc, argv, options, error)) {
        std::fprintf(stderr, "%s\nusage: %s [--user-dir FOLDER] [--verify-replay FILE...]\n", error.c_str(), argv[0]);
        return 2;
    }
    gameHooks.loadData = loadData;
    registerBattle();
    registerScreens();
    registerRecorder();
    if (!options.replaysToVerify.empty()) {
        hgeCreateInstead = createHeadlessEngine;
        return verifyReplayFiles(options.replaysToVerify);
    }
    return WinMain(options);
}
