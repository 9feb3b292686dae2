// 100 emitters of 500 particles each, updated and turned into quads every frame on the
// headless backend: the particle load of the busiest battle.
#include <chrono>
#include <cstdio>

#include "platform/headless/headless_engine.h"
#include "toolkit/hgepmanager.h"
#include "toolkit/hgesprite.h"

int main() {
    hge = hgeCreate(HGE_VERSION);
    hge->Random_Seed(7);
    hgeSprite sprite(0, 0, 0, 8, 8);
    sprite.SetHotSpot(4, 4);

    hgeParticleSystemInfo info{};
    info.sprite = &sprite;
    info.emission = 1000;  // far above 500 a second: every emitter stays full
    info.lifetime = -1;
    info.particleLifeMin = 1.5f;
    info.particleLifeMax = 2.0f;
    info.spread = 6.28f;
    info.speedMin = 0.5f;
    info.speedMax = 2.0f;
    info.gravityMin = info.gravityMax = 0.5f;
    info.radialAccelMin = -1;
    info.radialAccelMax = 1;
    info.sizeStart = 1;
    info.sizeEnd = 0.5f;
    info.spinStart = 1;
    info.spinEnd = 4;
    info.colorStart = {1, 1, 1, 1};
    info.colorEnd = {1, 0.5f, 0, 0};

    hgeParticleManager manager;
    hgeParticleSystem* systems[MAX_PSYSTEMS];
    for (int i = 0; i < MAX_PSYSTEMS; ++i) systems[i] = manager.SpawnPS(&info, 8.0f * i, 300);
    for (int f = 0; f < 200; ++f) manager.Update(0.01f);

    int particles = 0;
    for (hgeParticleSystem* ps : systems) particles += ps->GetParticlesAlive();

    using Clock = std::chrono::steady_clock;
    constexpr int FRAMES = 300;
    double updateMs = 0, drawMs = 0;
    for (int f = 0; f < FRAMES; ++f) {
        const auto t0 = Clock::now();
        manager.Update(0.01f);
        const auto t1 = Clock::now();
        hge->Gfx_BeginScene();
        manager.Render();
        hge->Gfx_EndScene();
        const auto t2 = Clock::now();
        updateMs += std::chrono::duration<double, std::milli>(t1 - t0).count();
        drawMs += std::chrono::duration<double, std::milli>(t2 - t1).count();
    }
    std::printf("%d emitters, %d particles alive\n", manager.GetCount(), particles);
    std::printf("update %.3f ms + quads %.3f ms = %.3f ms per frame (%d quads, %d draw calls)\n", updateMs / FRAMES,
                drawMs / FRAMES, (updateMs + drawMs) / FRAMES, headless()->lastScene().quads,
                headless()->lastScene().batches);
    hge->Release();
    return 0;
}
