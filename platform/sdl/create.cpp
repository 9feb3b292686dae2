#include "platform/sdl/sdl_hge.h"

namespace {
SdlHGE* instance = nullptr;
}

HGE* hgeCreate(int /*version*/) {
    if (instance) {
        instance->addRef();
        return instance;
    }
    instance = new SdlHGE;
    return instance;
}

SdlHGE* sdlEngine() { return instance; }

void forgetSdlEngine(SdlHGE* engine) {
    if (instance == engine) instance = nullptr;
}
