#include "platform/sdl/sdl_engine.h"

namespace {
SdlEngine* instance = nullptr;
}

hgeEngine* hgeCreate(int version) {
    if (hgeCreateInstead) return hgeCreateInstead(version);
    if (instance) {
        instance->addRef();
        return instance;
    }
    instance = new SdlEngine;
    return instance;
}

SdlEngine* sdlEngine() { return instance; }

void forgetSdlEngine(SdlEngine* engine) {
    if (instance == engine) instance = nullptr;
}
