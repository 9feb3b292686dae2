// The heaviest battle scene through the real SDL backend, offscreen (no display needed):
// frames per second of update plus drawing plus presenting, and the renderer used; then
// where a frame's processor time goes: the game's update, building the quads (the game's
// drawing code and the batches handed to the renderer), and the present (the driver
// filling the pixels), and the processor time a frame takes on every thread.
#include <chrono>
#include <ctime>
#include <cstdlib>
#include <string>

#include "picture_scene.h"
#include "sdl_bench.h"

namespace {
double cpuMs(clockid_t clock) {
    timespec now{};
    clock_gettime(clock, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}
}  // namespace

int main() {
    SdlEngine* engine = sdlbench::startOffscreen("kvb_bench_sdl_picture", FrameFunc);
    if (!engine) return 1;
    loadWholeGame();
    picturebench::startHeavyScene([engine] { engine->runFrame(0.01f); });

    constexpr int FRAMES = 500;
    const int callsBefore = engine->geometryCalls();
    const double processBefore = cpuMs(CLOCK_PROCESS_CPUTIME_ID), mainBefore = cpuMs(CLOCK_THREAD_CPUTIME_ID);
    const picturebench::Timing t = picturebench::timeFrames(FRAMES, [engine] { engine->runFrame(0.01f); });
    const double process = (cpuMs(CLOCK_PROCESS_CPUTIME_ID) - processBefore) / FRAMES,
                 main = (cpuMs(CLOCK_THREAD_CPUTIME_ID) - mainBefore) / FRAMES;
    std::printf("Heaviest battle frame through SDL (video driver %s, renderer %s): %.0f frames/s "
                "(median %.2f ms, worst %.2f ms), %d draw calls per frame\n",
                SDL_GetCurrentVideoDriver(), sdlbench::rendererName(engine), 1000.0 / t.mean, t.median, t.worst,
                (engine->geometryCalls() - callsBefore) / FRAMES);
    // The driver draws on threads of its own: the wall clock hides how much work a frame is.
    std::printf("  processor time per frame: %.2f ms, of which the game's thread %.2f ms\n", process, main);
    picturebench::printLoad();

    using Clock = std::chrono::steady_clock;
    auto ms = [](Clock::time_point a, Clock::time_point b) { return std::chrono::duration<double, std::milli>(b - a).count(); };
    double update = 0, build = 0, present = 0;
    for (int f = 0; f < FRAMES; ++f) {
        const auto t0 = Clock::now();
        updateVars(0.01f);
        const auto t1 = Clock::now();
        hge->Gfx_BeginScene();
        hge->Gfx_Clear(0);
        renderAll();
        const auto t2 = Clock::now();
        hge->Gfx_EndScene();
        const auto t3 = Clock::now();
        update += ms(t0, t1) / FRAMES;
        build += ms(t1, t2) / FRAMES;
        present += ms(t2, t3) / FRAMES;
    }
    std::printf("  per frame: update %.2f ms, building quads %.2f ms, present %.2f ms\n", update, build, present);
    releaseSharedResources();
    hge->Resource_RemoveAllPacks();
    hge->System_Shutdown();
    hge->Release();
    return 0;
}
