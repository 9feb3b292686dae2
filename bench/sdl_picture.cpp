// The heaviest battle scene through the real SDL backend, offscreen (no display needed):
// frames per second of update plus drawing plus presenting, and the renderer used.
#include <cstdlib>
#include <string>

#include "picture_scene.h"
#include "platform/sdl/sdl_engine.h"

int main() {
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    picturebench::enterFolder("kvb_bench_sdl_picture");
    hge = hgeCreate(HGE_VERSION);
    hge->System_SetState(HGE_WINDOWED, true);
    hge->System_SetState(HGE_SCREENWIDTH, SCREEN_WIDTH);
    hge->System_SetState(HGE_SCREENHEIGHT, SCREEN_HEIGHT);
    hge->System_SetState(HGE_FRAMEFUNC, FrameFunc);
    if (!hge->System_Initiate()) {
        std::fprintf(stderr, "%s\n", hge->System_GetErrorMessage());
        return 1;
    }
    SdlEngine* engine = sdlEngine();
    SDL_RendererInfo info{};
    SDL_GetRendererInfo(SDL_GetRenderer(engine->window()), &info);
    loadWholeGame();
    picturebench::startHeavyScene([engine] { engine->runFrame(0.01f); });

    constexpr int FRAMES = 500;
    const int callsBefore = engine->geometryCalls();
    const picturebench::Timing t = picturebench::timeFrames(FRAMES, [engine] { engine->runFrame(0.01f); });
    std::printf("Heaviest battle frame through SDL (video driver %s, renderer %s): %.0f frames/s "
                "(median %.2f ms, worst %.2f ms), %d draw calls per frame\n",
                SDL_GetCurrentVideoDriver(), info.name, 1000.0 / t.mean, t.median, t.worst,
                (engine->geometryCalls() - callsBefore) / FRAMES);
    picturebench::printLoad();
    releaseSharedResources();
    hge->Resource_RemoveAllPacks();
    hge->System_Shutdown();
    hge->Release();
    return 0;
}
