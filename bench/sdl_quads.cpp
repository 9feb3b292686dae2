// Quads drawn by the SDL backend; with SDL_VIDEODRIVER=dummy (the default here) that is
// the software renderer.
#include <cstdlib>

#include "platform/sdl/sdl_engine.h"
#include "quad_bench.h"

int main() {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    hge = hgeCreate(HGE_VERSION);
    hge->System_SetState(HGE_WINDOWED, true);
    if (!hge->System_Initiate()) {
        std::fprintf(stderr, "%s\n", hge->System_GetErrorMessage());
        return 1;
    }
    SdlEngine* engine = sdlEngine();
    SDL_RendererInfo info{};
    SDL_GetRendererInfo(SDL_GetRenderer(engine->window()), &info);
    const std::string title = std::string("SDL backend: video driver ") + SDL_GetCurrentVideoDriver() + ", renderer " + info.name;
    quadbench::runAll(title.c_str(), hge, [engine] { return long{engine->geometryCalls()}; });
    hge->System_Shutdown();
    hge->Release();
    return 0;
}
