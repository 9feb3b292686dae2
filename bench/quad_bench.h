// The quad benchmark shared by both backends: frames of N 8x8 sprite quads built and
// submitted through the engine layer (Gfx_BeginScene, Gfx_RenderQuad x N, Gfx_EndScene),
// on one texture or switching between two every quad or every 100 quads.
#pragma once

#include <chrono>
#include <cstdio>
#include <functional>

#include "platform/hge.h"

namespace quadbench {

struct Result {
    double msPerFrame = 0;
    int drawCallsPerFrame = 0;
    int frames = 0;
};

inline void drawFrame(hgeEngine* engine, HTEXTURE a, HTEXTURE b, int quads, int switchEvery, int frame) {
    engine->Gfx_BeginScene();
    engine->Gfx_Clear(0);
    hgeQuad q{};
    q.blend = BLEND_DEFAULT;
    for (int i = 0; i < quads; ++i) {
        const float x = static_cast<float>((i * 37 + frame * 3) % 792);
        const float y = static_cast<float>((i * 53 + (i >> 4)) % 592);
        const DWORD col = 0xFF000000u | static_cast<DWORD>(i * 2654435761u >> 8);
        q.v[0] = {x, y, 0.5f, col, 0, 0};
        q.v[1] = {x + 8, y, 0.5f, col, 1, 0};
        q.v[2] = {x + 8, y + 8, 0.5f, col, 1, 1};
        q.v[3] = {x, y + 8, 0.5f, col, 0, 1};
        q.tex = (switchEvery > 0 && (i / switchEvery) % 2) ? b : a;
        engine->Gfx_RenderQuad(&q);
    }
    engine->Gfx_EndScene();
}

// Runs frames for about a second (at least 5); drawCalls reads the backend's counter of
// draw calls so far.
inline Result measure(hgeEngine* engine, HTEXTURE a, HTEXTURE b, int quads, int switchEvery,
                      const std::function<long()>& drawCalls) {
    using Clock = std::chrono::steady_clock;
    drawFrame(engine, a, b, quads, switchEvery, 0);
    Result r;
    const long callsBefore = drawCalls();
    const auto start = Clock::now();
    double elapsed = 0;
    while (r.frames < 5 || (elapsed < 1.0 && r.frames < 1000)) {
        drawFrame(engine, a, b, quads, switchEvery, ++r.frames);
        elapsed = std::chrono::duration<double>(Clock::now() - start).count();
    }
    r.msPerFrame = elapsed * 1000 / r.frames;
    r.drawCallsPerFrame = static_cast<int>((drawCalls() - callsBefore) / r.frames);
    return r;
}

inline void runAll(const char* title, hgeEngine* engine, const std::function<long()>& drawCalls) {
    const HTARGET ta = engine->Target_Create(32, 32, false);
    const HTARGET tb = engine->Target_Create(32, 32, false);
    const HTEXTURE a = engine->Target_GetTexture(ta), b = engine->Target_GetTexture(tb);
    std::printf("%s\n%8s  %-22s %10s %18s %8s\n", title, "quads", "textures", "ms/frame", "draw calls/frame", "frames");
    const struct {
        const char* name;
        int switchEvery;
    } variants[] = {{"one texture", 0}, {"alternating per quad", 1}, {"alternating every 100", 100}};
    for (int quads : {10000, 100000}) {
        for (const auto& v : variants) {
            const Result r = measure(engine, a, b, quads, v.switchEvery, drawCalls);
            std::printf("%8d  %-22s %10.2f %18d %8d\n", quads, v.name, r.msPerFrame, r.drawCallsPerFrame, r.frames);
        }
    }
    engine->Target_Free(ta);
    engine->Target_Free(tb);
}

}  // namespace quadbench
