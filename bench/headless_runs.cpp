// What breaks a battle frame into draw calls: every run of quads that shares texture and
// blend mode, in drawing order, for the heaviest scene and a busy moment against each
// opponent (headless backend, the real pack); and how many heap allocations drawing a
// frame makes (operator new is counted for the whole program).
#include <atomic>
#include <cstdlib>
#include <new>

#include "picture_scene.h"
#include "platform/headless/headless_engine.h"
#include "shell/modes.h"
#include "tools/battle_bot.h"

namespace {
std::atomic<long> allocations{0};
}  // namespace

void* operator new(std::size_t size) {
    ++allocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

// Heap allocations per drawn frame, drawing only (no update), over `frames` frames.
double allocationsPerDrawnFrame(int frames) {
    const long before = allocations;
    for (int f = 0; f < frames; ++f) {
        hge->Gfx_BeginScene();
        renderAll();
        hge->Gfx_EndScene();
    }
    return double(allocations - before) / frames;
}

void printRuns(const HeadlessEngine& engine, const char* title) {
    std::printf("%s: %d draw calls\n", title, engine.lastScene().batches);
    HTEXTURE tex = 0;
    int blend = -1, count = 0;
    auto print = [&] {
        if (count == 0) return;
        const auto* info = reinterpret_cast<const TextureInfo*>(tex);
        std::printf("  %-28s blend %d  %d quads\n", info ? info->source.c_str() : "(untextured)", blend, count);
    };
    for (const hgeQuad& q : engine.recordedQuads()) {
        const int b = q.blend & (BLEND_COLORADD | BLEND_ALPHABLEND);
        if (count > 0 && q.tex == tex && b == blend) {
            ++count;
            continue;
        }
        print();
        tex = q.tex;
        blend = b;
        count = 1;
    }
    print();
}

}  // namespace

int main() {
    picturebench::enterFolder("kvb_bench_runs");
    hge = hgeCreate(HGE_VERSION);
    HeadlessEngine* engine = headless();
    engine->Random_Seed(2026);
    loadWholeGame();
    std::printf("allocations while loading the game: %ld\n", allocations.load());
    hge->System_SetState(HGE_FRAMEFUNC, FrameFunc);
    engine->pressKey(pl[0].opt[OPT_KEYFIRE]);
    picturebench::startHeavyScene([engine] { engine->runFrame(0.01f); });
    engine->setRecording(true);
    engine->runFrame(0.01f);
    printRuns(*engine, "Heaviest battle frame");
    engine->setRecording(false);
    std::printf("  heap allocations per drawn frame: %.1f\n", allocationsPerDrawnFrame(100));
    engine->releaseKey(pl[0].opt[OPT_KEYFIRE]);

    for (int opp = 0; opp < MAXOPPONENTS; ++opp) {
        picturebench::playToBusyMoment(*engine, opp);
        char title[64];
        std::snprintf(title, sizeof title, "Opponent %d, 35 s into a round", opp);
        printRuns(*engine, title);
        engine->setRecording(false);
        std::printf("  heap allocations per drawn frame: %.1f\n", allocationsPerDrawnFrame(100));
    }
    releaseSharedResources();
    hge->Resource_RemoveAllPacks();
    hge->Release();
    return 0;
}
