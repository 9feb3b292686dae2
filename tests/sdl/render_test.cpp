// Drawing through the real renderer: what lands on the canvas, and how many draw calls
// a frame of quads takes.
#include <cstdio>

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#include <stb_image.h>
#pragma GCC diagnostic pop

#include "platform/sdl/sdl_png.h"
#include "sdl_test_support.h"

namespace {
constexpr DWORD BLACK = 0xFF000000;

// 16x16: the left half opaque green, the right half fully transparent.
std::string writeHalfGreenPng(const TempDir& dir, const char* name = "half_green.png") {
    std::vector<std::uint8_t> rgba(16 * 16 * 4, 0);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 8; ++x) {
            std::uint8_t* p = &rgba[static_cast<std::size_t>((y * 16 + x) * 4)];
            p[1] = 255;
            p[3] = 255;
        }
    const std::string path = dir.file(name);
    EXPECT_TRUE(writePng(path, 16, 16, rgba.data()));
    return path;
}

struct Probe {
    const char* what;
    int x, y;
    std::uint32_t expected;
};
}  // namespace

using SdlRenderTest = SdlEngineTest;

TEST_F(SdlRenderTest, CanvasShowsEveryKindOfQuad) {
    TempDir dir;
    const HTEXTURE tex = hge->Texture_Load(writeHalfGreenPng(dir).c_str());
    ASSERT_NE(tex, 0u);
    EXPECT_EQ(hge->Texture_GetWidth(tex), 16);
    const HTARGET target = hge->Target_Create(32, 32, false);
    ASSERT_NE(target, 0u);

    std::vector<std::uint32_t> pixels;
    int width = 0, height = 0;
    const int frames = runFrames(3, [&](int frame) {
        EXPECT_TRUE(hge->Gfx_BeginScene(target));
        hge->Gfx_Clear(0xFFFFFF00);
        hge->Gfx_EndScene();

        hge->Gfx_BeginScene();
        hge->Gfx_Clear(BLACK);
        auto draw = [](hgeQuad q) { hge->Gfx_RenderQuad(&q); };
        draw(makeQuad(10, 10, 40, 40, 0xFFFF0000));
        draw(makeQuad(30, 10, 40, 40, 0xFF0000FF, 0, BLEND_COLORMUL | BLEND_ALPHAADD));
        draw(makeQuad(100, 100, 16, 16, 0xFFFFFFFF, tex));
        draw(makeQuad(140, 100, 16, 16, 0xFF808080, tex));
        draw(makeQuad(180, 100, 16, 16, 0xFFFF0000, tex, BLEND_COLORADD | BLEND_ALPHABLEND));
        draw(makeQuad(220, 100, 20, 20, 0x80FFFFFF));
        draw(makeQuad(260, 100, 32, 32, 0xFFFFFFFF, hge->Target_GetTexture(target)));
        hge->Gfx_SetClipping(300, 100, 10, 10);
        draw(makeQuad(300, 100, 40, 40, 0xFFFFFFFF));
        hge->Gfx_SetClipping();
        hge->Gfx_RenderLine(400, 50.5f, 500, 50.5f, 0xFF00FFFF);
        if (frame == 3) {
            EXPECT_TRUE(engine->readPixels(pixels, width, height));
        }
        hge->Gfx_EndScene();
        return false;
    });
    ASSERT_EQ(frames, 3);
    ASSERT_EQ(width, 800);
    ASSERT_EQ(height, 600);

    const Probe probes[] = {
        {"untextured red", 15, 20, 0xFF0000},
        {"blue added over red", 40, 20, 0xFF00FF},
        {"blue added over black", 65, 20, 0x0000FF},
        {"opaque texels", 103, 108, 0x00FF00},
        {"transparent texels", 112, 108, 0x000000},
        {"grey vertex colour halves the texels", 143, 108, 0x008000},
        {"red added to green texels", 183, 108, 0xFFFF00},
        {"colour add leaves transparent texels alone", 192, 108, 0x000000},
        {"half-transparent white over black", 230, 110, 0x808080},
        {"render target drawn as a texture", 275, 115, 0xFFFF00},
        {"inside the clip rectangle", 305, 105, 0xFFFFFF},
        {"outside the clip rectangle", 320, 120, 0x000000},
        {"line", 450, 50, 0x00FFFF},
        {"untouched canvas", 700, 500, 0x000000},
    };
    for (const Probe& p : probes) {
        const std::uint32_t actual = pixelAt(pixels, width, p.x, p.y);
        EXPECT_TRUE(sameRgb(actual, p.expected)) << p.what << ": got " << std::hex << actual;
    }
    hge->Target_Free(target);
    hge->Texture_Free(tex);
}

TEST_F(SdlRenderTest, OneDrawCallPerRunOfTextureAndBlend) {
    TempDir dir;
    const HTEXTURE a = hge->Texture_Load(writeHalfGreenPng(dir).c_str());
    const HTEXTURE b = hge->Texture_Load(writeHalfGreenPng(dir, "half_green_too.png").c_str());
    ASSERT_TRUE(a && b);
    int calls = -1;
    runFrames(1, [&](int) {
        hge->Gfx_BeginScene();
        const int before = engine->geometryCalls();
        for (int i = 0; i < 100; ++i) {
            const hgeQuad q = makeQuad(static_cast<float>(i), 0, 8, 8, 0xFFFFFFFF, a);
            hge->Gfx_RenderQuad(&q);
        }
        for (int i = 0; i < 10; ++i) {
            const hgeQuad q = makeQuad(static_cast<float>(i), 20, 8, 8, 0xFFFFFFFF, i % 2 ? a : b);
            hge->Gfx_RenderQuad(&q);
        }
        // z-write does not split a run; colour add takes two passes.
        for (int i = 0; i < 5; ++i) {
            const hgeQuad q =
                makeQuad(static_cast<float>(i), 40, 8, 8, 0xFFFF0000, a, BLEND_COLORADD | BLEND_ALPHABLEND | (i % 2 ? BLEND_ZWRITE : 0));
            hge->Gfx_RenderQuad(&q);
        }
        for (int i = 0; i < 3; ++i) hge->Gfx_RenderLine(0, 60.0f + i, 100, 60.0f + i);
        hge->Gfx_EndScene();
        calls = engine->geometryCalls() - before;
        return true;
    });
    EXPECT_EQ(calls, 1 + 10 + 2 + 1);
}

// Quads that cannot land on the target (off the canvas, outside the clip, past a render
// target's edge) never reach the renderer and so never split a run; one that reaches in
// by a few pixels still draws.
TEST_F(SdlRenderTest, QuadsThatCannotLandAreDroppedWithoutSplittingARun) {
    TempDir dir;
    const HTEXTURE a = hge->Texture_Load(writeHalfGreenPng(dir).c_str());
    const HTEXTURE b = hge->Texture_Load(writeHalfGreenPng(dir, "half_green_too.png").c_str());
    const HTARGET target = hge->Target_Create(32, 32, false);
    ASSERT_TRUE(a && b && target);
    auto callsFor = [&](auto&& draw) {
        int calls = -1;
        runFrames(1, [&](int) {
            const int before = engine->geometryCalls();
            draw();
            calls = engine->geometryCalls() - before;
            return true;
        });
        return calls;
    };
    auto quad = [](float x, float y, HTEXTURE tex) {
        const hgeQuad q = makeQuad(x, y, 8, 8, 0xFFFFFFFF, tex);
        hge->Gfx_RenderQuad(&q);
    };
    std::vector<std::uint32_t> argb;
    int width = 0, height = 0;
    EXPECT_EQ(callsFor([&] {
                  hge->Gfx_BeginScene();
                  for (const auto& [x, y] : {std::pair{10.0f, 10.0f}, {810.0f, 10.0f}, {20.0f, 10.0f}, {-8.0f, 30.0f},
                                             {30.0f, 10.0f}, {300.0f, 600.0f}, {-2.0f, 40.0f}})
                      quad(x, y, x == 10 || x == 20 || x == 30 || x == -2 ? a : b);
                  hge->Gfx_EndScene();
                  engine->readPixels(argb, width, height);
              }),
              1);
    ASSERT_EQ(width, 800);
    EXPECT_EQ(pixelAt(argb, width, 1, 42), 0xFF00FF00u) << "the quad reaching in from the left edge";

    EXPECT_EQ(callsFor([&] {
                  hge->Gfx_BeginScene();
                  hge->Gfx_SetClipping(0, 0, 100, 100);
                  quad(10, 10, a);
                  quad(200, 10, b);
                  quad(20, 10, a);
                  quad(96, 96, b);
                  hge->Gfx_SetClipping();
                  quad(200, 10, a);
                  hge->Gfx_EndScene();
              }),
              3);

    EXPECT_EQ(callsFor([&] {
                  hge->Gfx_BeginScene(target);
                  quad(10, 10, a);
                  quad(40, 10, b);
                  quad(20, 10, a);
                  hge->Gfx_EndScene();
                  hge->Gfx_BeginScene();
                  quad(10, 10, a);
                  quad(40, 10, b);
                  hge->Gfx_EndScene();
              }),
              3);
    hge->Target_Free(target);
}

// The colour-add silhouette is made only when a texture is first drawn that way, and an
// opaque picture drawn without blending still covers exactly what it covers blended.
TEST_F(SdlRenderTest, SilhouetteOnFirstColourAddAndOpaqueTexturesDrawAlike) {
    TempDir dir;
    std::vector<std::uint8_t> solid(8 * 8 * 4, 255);
    for (std::size_t i = 0; i < solid.size(); i += 4) solid[i + 1] = 0;  // magenta
    const std::string solidPath = dir.file("solid.png");
    ASSERT_TRUE(writePng(solidPath, 8, 8, solid.data()));
    const HTEXTURE half = hge->Texture_Load(writeHalfGreenPng(dir).c_str());
    const HTEXTURE opaque = hge->Texture_Load(solidPath.c_str());
    ASSERT_TRUE(half && opaque);
    const int loaded = engine->deviceTextures();
    std::vector<std::uint32_t> pixels;
    int width = 0, height = 0;
    runFrames(2, [&](int frame) {
        hge->Gfx_BeginScene();
        hge->Gfx_Clear(0xFF0000FF);
        auto draw = [](hgeQuad q) { hge->Gfx_RenderQuad(&q); };
        draw(makeQuad(10, 10, 8, 8, 0xFFFFFFFF, opaque));
        draw(makeQuad(30, 10, 8, 8, 0x80FFFFFF, opaque));
        draw(makeQuad(50, 10, 16, 16, 0xFFFFFFFF, half));
        if (frame == 1) {
            EXPECT_TRUE(engine->readPixels(pixels, width, height));
            EXPECT_EQ(engine->deviceTextures(), loaded) << "no silhouette before a colour-add draw";
        }
        draw(makeQuad(80, 10, 16, 16, 0xFFFF0000, half, BLEND_COLORADD | BLEND_ALPHABLEND));
        hge->Gfx_EndScene();
        return false;
    });
    EXPECT_EQ(engine->deviceTextures(), loaded + 1);
    const Probe probes[] = {
        {"opaque texels at full alpha", 13, 13, 0xFF00FF},
        {"opaque texels at half alpha still blend", 33, 13, 0x8000FF},
        {"transparent texels of a blended texture", 60, 13, 0x0000FF},
    };
    for (const Probe& p : probes) {
        const std::uint32_t actual = pixelAt(pixels, width, p.x, p.y);
        EXPECT_TRUE(sameRgb(actual, p.expected)) << p.what << ": got " << std::hex << actual;
    }
    hge->Texture_Free(half);
    hge->Texture_Free(opaque);
    EXPECT_EQ(engine->deviceTextures(), loaded - 2);
}

// Texels shown one for one are drawn crisp on whole pixels, while the same texture drawn
// scaled before and after in the same frame stays smooth.
TEST_F(SdlRenderTest, UnscaledQuadsLandOnWholePixelsAndScaledOnesStaySmooth) {
    TempDir dir;
    std::vector<std::uint8_t> stripes(16 * 16 * 4, 255);
    for (int y = 0; y < 16; ++y)
        for (int x = 1; x < 16; x += 2)
            for (int c = 0; c < 3; ++c) stripes[static_cast<std::size_t>((y * 16 + x) * 4 + c)] = 0;
    const std::string path = dir.file("stripes.png");
    ASSERT_TRUE(writePng(path, 16, 16, stripes.data()));
    const HTEXTURE tex = hge->Texture_Load(path.c_str());
    ASSERT_NE(tex, 0u);
    std::vector<std::uint32_t> pixels;
    int width = 0, height = 0;
    runFrames(2, [&](int frame) {
        hge->Gfx_BeginScene();
        hge->Gfx_Clear(BLACK);
        auto draw = [](hgeQuad q) { hge->Gfx_RenderQuad(&q); };
        // Each copy its own batch: the untextured dots between them end the runs.
        draw(makeQuad(10, 10, 32, 32, 0xFFFFFFFF, tex));
        draw(makeQuad(0, 0, 1, 1, BLACK));
        draw(makeQuad(100.4f, 10.6f, 16, 16, 0xFFFFFFFF, tex));
        draw(makeQuad(0, 0, 1, 1, BLACK));
        draw(makeQuad(200, 10, 32, 32, 0xFFFFFFFF, tex));
        // One batch: a scaled copy, then enough unscaled ones to be drawn apart from it.
        draw(makeQuad(0, 0, 1, 1, BLACK));
        draw(makeQuad(300, 10, 32, 32, 0xFFFFFFFF, tex));
        for (int k = 0; k < 64; ++k)
            draw(makeQuad(400.4f + 16 * (k % 8), 100.6f + 16 * (k / 8), 16, 16, 0xFFFFFFFF, tex));
        if (frame == 2) {
            EXPECT_TRUE(engine->readPixels(pixels, width, height));
        }
        hge->Gfx_EndScene();
        return false;
    });
    ASSERT_EQ(width, 800);
    auto level = [&](int x, int y) { return static_cast<int>(pixelAt(pixels, width, x, y) & 0xFF); };
    for (int x = 0; x < 16; ++x) EXPECT_EQ(level(100 + x, 20), x % 2 ? 0 : 255) << "column " << x << " of the unscaled copy";
    EXPECT_EQ(level(100, 10), 0) << "the unscaled copy starts on the nearest whole row";
    EXPECT_EQ(level(100, 11), 255);
    for (int x = 0; x < 16; ++x) EXPECT_EQ(level(400 + x, 120), x % 2 ? 0 : 255) << "column " << x << " of a long unscaled run";
    for (int left : {10, 200, 300}) {
        int between = 0;
        for (int x = 0; x < 32; ++x) between += level(left + x, 20) > 20 && level(left + x, 20) < 235;
        EXPECT_GT(between, 16) << "the copy scaled at " << left << " is filtered smoothly";
    }
    hge->Texture_Free(tex);
}

TEST_F(SdlRenderTest, F12SavesNumberedScreenshots) {
    TempDir dir;
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.file(""));
    { std::FILE* taken = std::fopen("shot000.png", "wb"); std::fclose(taken); }
    const Uint32 window = SDL_GetWindowID(engine->window());
    runFrames(4, [&](int frame) {
        if (frame == 1 || frame == 2) {
            SDL_Event press{};
            press.type = SDL_KEYDOWN;
            press.key.windowID = window;
            press.key.keysym.scancode = SDL_SCANCODE_F12;
            pushEvent(press);
            press.type = SDL_KEYUP;
            pushEvent(press);
        }
        hge->Gfx_BeginScene();
        hge->Gfx_Clear(0xFF204060);
        hge->Gfx_EndScene();
        return false;
    });
    int w = 0, h = 0, channels = 0;
    stbi_uc* shot = stbi_load("shot001.png", &w, &h, &channels, 4);
    const bool third = std::filesystem::exists("shot002.png");
    std::filesystem::current_path(previous);
    ASSERT_NE(shot, nullptr) << "the first free number is used";
    EXPECT_EQ(w, 800);
    EXPECT_EQ(h, 600);
    const stbi_uc* centre = shot + (300 * 800 + 400) * 4;
    EXPECT_TRUE(sameRgb(0xFF000000u | (centre[0] << 16) | (centre[1] << 8) | centre[2], 0x204060));
    EXPECT_EQ(centre[3], 255);
    stbi_image_free(shot);
    EXPECT_TRUE(third);
}
