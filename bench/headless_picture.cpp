// The heaviest battle scene on the headless backend: time per frame for the update alone
// and for the update plus the whole battle picture, and what a frame draws (quads and
// draw calls, which the headless backend counts as the SDL backend would batch them).
#include "picture_scene.h"
#include "platform/headless/headless_engine.h"
#include "shell/modes.h"
#include "tools/battle_bot.h"

int main() {
    picturebench::enterFolder("kvb_bench_picture");
    hge = hgeCreate(HGE_VERSION);
    HeadlessEngine* engine = headless();
    engine->Random_Seed(2026);
    loadWholeGame();
    hge->System_SetState(HGE_FRAMEFUNC, FrameFunc);
    engine->pressKey(pl[0].opt[OPT_KEYFIRE]);
    picturebench::startHeavyScene([engine] { engine->runFrame(0.01f); });

    constexpr int FRAMES = 2000;
    const picturebench::Timing whole = picturebench::timeFrames(FRAMES, [engine] { engine->runFrame(0.01f); });
    const DrawCounters drawn = engine->lastScene();
    std::printf("Heaviest battle frame, update + drawGame (headless): median %.3f ms, mean %.3f ms, worst %.3f ms\n",
                whole.median, whole.mean, whole.worst);
    std::printf("  per frame: %d quads in %d draw calls\n", drawn.quads, drawn.batches);
    picturebench::printLoad();

    // The same frames without drawing: what the picture adds.
    const picturebench::Timing update = picturebench::timeFrames(FRAMES, [] { updateVars(0.01f); });
    std::printf("  update alone: median %.3f ms, worst %.3f ms\n", update.median, update.worst);
    engine->releaseKey(pl[0].opt[OPT_KEYFIRE]);

    // An ordinary busy moment: 35 s into a round with the stand-in player.
    for (int opp = 0; opp < MAXOPPONENTS; ++opp) {
        picturebench::playToBusyMoment(*engine, opp);
        std::printf("Opponent %d, 35 s into a round: %d quads in %d draw calls\n", opp, engine->lastScene().quads,
                    engine->lastScene().batches);
    }
    releaseSharedResources();
    hge->Resource_RemoveAllPacks();
    hge->Release();
    return 0;
}
