// The battle without the resource pack, for the benchmarks that time the simulation alone:
// the game data in a scratch folder, stand-in enemy animations, and every particle emitter
// made to run until stopped (the heaviest particle load the battle can make).
#pragma once

#include <filesystem>

#include "battle/battle_frame.h"
#include "cards/datafiles.h"
#include "platform/headless/headless_engine.h"
#include "shell/frame.h"
#include "shell/options.h"
#include "shell/world.h"
#include "toolkit/hgeanim.h"
#include "toolkit/hgepmanager.h"
#include "tools/play_folder.h"

inline HeadlessEngine* startStandInWorld(const char* folder) {
    enterPlayFolder(std::filesystem::temp_directory_path() / folder, KVB_DATA_DIR);
    hge = hgeCreate(HGE_VERSION);
    HeadlessEngine* engine = headless();
    engine->Random_Seed(2026);
    loadData();
    readOptions();
    psmgr = new hgeParticleManager();
    psmgrX = new hgeParticleManager();
    for (int k = 0; k < ENEMYSOFAR; ++k) {
        enemyAnimDB[k] = new hgeAnimation(0, 4, 10, 0, 0, 32, 32);
        enemyAnimDeathDB[k] = new hgeAnimation(0, 4, 10, 0, 0, 32, 32);
    }
    for (hgeParticleSystemInfo& info : psiGeneral) {
        info.emission = 40;
        info.lifetime = -1;
        info.particleLifeMin = info.particleLifeMax = 1.0f;
    }
    hge->System_SetState(HGE_FRAMEFUNC, FrameFunc);
    registerBattle();
    return engine;
}
