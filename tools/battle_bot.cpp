#include "tools/battle_bot.h"

#include "platform/core/engine_core.h"
#include "shell/world.h"

namespace {
constexpr int WEAVEFRAMES = 200;
constexpr int CARDFRAMES = 150;
}  // namespace

void botFrame(EngineCore& engine, int frame) { botFrame(engine, frame, pl[0].opt); }
void botRelease(EngineCore& engine) { botRelease(engine, pl[0].opt); }

void botFrame(EngineCore& engine, int frame, const int* keys) {
    if (frame == 0) engine.pressKey(keys[OPT_KEYFIRE]);
    if (frame % WEAVEFRAMES == 0) {
        engine.releaseKey(keys[OPT_KEYLEFT]);
        engine.releaseKey(keys[OPT_KEYRIGHT]);
        engine.pressKey((frame / WEAVEFRAMES) % 2 == 0 ? keys[OPT_KEYLEFT] : keys[OPT_KEYRIGHT]);
    }
    if (frame % CARDFRAMES == 0) engine.tapKey(keys[OPT_KEYUSE1 + (frame / CARDFRAMES) % 3]);
}

void botRelease(EngineCore& engine, const int* keys) {
    for (int option : {OPT_KEYFIRE, OPT_KEYLEFT, OPT_KEYRIGHT}) engine.releaseKey(keys[option]);
}
