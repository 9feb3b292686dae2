// The real SDL backend for a benchmark, offscreen (no display needed), in a folder of its
// own with the game's data beside it.
#pragma once

#include <cstdio>
#include <cstdlib>

#include "picture_scene.h"
#include "platform/sdl/sdl_engine.h"

namespace sdlbench {

// The engine with an 800x600 window running `frame`, or null after saying why it failed.
inline SdlEngine* startOffscreen(const char* folder, bool (*frame)()) {
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    picturebench::enterFolder(folder);
    hge = hgeCreate(HGE_VERSION);
    hge->System_SetState(HGE_WINDOWED, true);
    hge->System_SetState(HGE_SCREENWIDTH, SCREEN_WIDTH);
    hge->System_SetState(HGE_SCREENHEIGHT, SCREEN_HEIGHT);
    hge->System_SetState(HGE_FRAMEFUNC, frame);
    if (!hge->System_Initiate()) {
        std::fprintf(stderr, "%s\n", hge->System_GetErrorMessage());
        return nullptr;
    }
    return sdlEngine();
}

// The name of the renderer SDL chose for the window.
inline const char* rendererName(SdlEngine* engine) {
    static SDL_RendererInfo info{};
    SDL_GetRendererInfo(SDL_GetRenderer(engine->window()), &info);
    return info.name;
}

}  // namespace sdlbench
