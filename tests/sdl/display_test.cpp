// How the real loop and window meet the display: every step of the game sees the fixed
// frame time whether presenting waits for the display or not, and pixel-exact scaling
// shows the canvas at a whole-number scale with crisp texels where the window holds it.
#include <vector>

#include "platform/sdl/sdl_png.h"
#include "sdl_test_support.h"

namespace {
std::vector<float> stepDeltas;
int shownFrames = 0;

bool recordStep() {
    stepDeltas.push_back(hge->Timer_GetDelta());
    return false;
}
bool showFrame() {
    hge->Gfx_BeginScene();
    hge->Gfx_Clear(0);
    hge->Gfx_EndScene();
    return ++shownFrames >= 30;
}

// Row 10 of the canvas at `x` after drawing a black and a white texel side by side,
// stretched over canvas x 10..14: smooth scaling blends them at 11 and 12.
std::uint32_t pixelBesideTheTexelEdge(HTEXTURE tex, int x) {
    std::vector<std::uint32_t> pixels;
    int width = 0, height = 0;
    hge->Gfx_BeginScene();
    hge->Gfx_Clear(0xFF0000FF);
    const hgeQuad quad = makeQuad(10, 10, 4, 1, 0xFFFFFFFF, tex);
    hge->Gfx_RenderQuad(&quad);
    EXPECT_TRUE(sdlEngine()->readPixels(pixels, width, height));
    hge->Gfx_EndScene();
    return pixels.empty() ? 0 : pixelAt(pixels, width, x, 10);
}

float renderScale() {
    float x = 0, y = 0;
    SDL_RenderGetScale(SDL_GetRenderer(sdlEngine()->window()), &x, &y);
    return x;
}
}  // namespace

using SdlDisplayTest = SdlEngineTest;

TEST_F(SdlDisplayTest, EveryStepSeesTheFixedFrameTimeSyncedOrNot) {
    for (const bool sync : {false, true}) {
        stepDeltas.clear();
        shownFrames = 0;
        hge->System_SetState(HGE_VSYNC, sync);
        hge->System_SetState(HGE_FRAMEFUNC, recordStep);
        hge->System_SetState(HGE_RENDERFUNC, showFrame);
        ASSERT_TRUE(hge->System_Start());
        EXPECT_EQ(engine->syncedToDisplay(), sync && hge->System_CanSyncToDisplay());
        EXPECT_EQ(shownFrames, 30);
        ASSERT_FALSE(stepDeltas.empty());
        for (float dt : stepDeltas) ASSERT_EQ(dt, 0.01f) << (sync ? "synced" : "fixed rate");
    }
}

TEST_F(SdlDisplayTest, PixelExactScalingIsWholeAndCrispWhereTheWindowHoldsTheCanvas) {
    TempDir dir;
    const std::uint8_t blackWhite[] = {0, 0, 0, 255, 255, 255, 255, 255};
    ASSERT_TRUE(writePng(dir.file("edge.png"), 2, 1, blackWhite));
    const HTEXTURE tex = hge->Texture_Load(dir.file("edge.png").c_str());
    ASSERT_NE(tex, 0u);
    EXPECT_FALSE(sameRgb(pixelBesideTheTexelEdge(tex, 11), 0xFF000000, 8)) << "smooth: texels blend at the edge";
    hge->System_SetState(HGE_PIXELEXACT, true);
    EXPECT_TRUE(sameRgb(pixelBesideTheTexelEdge(tex, 11), 0xFF000000, 0)) << "the black texel, whole";
    EXPECT_TRUE(sameRgb(pixelBesideTheTexelEdge(tex, 12), 0xFFFFFFFF, 0)) << "the white texel, whole";

    SDL_SetWindowSize(engine->window(), 1700, 1300);
    engine->runFrame(0.01f);
    EXPECT_FLOAT_EQ(renderScale(), 2.0f);
    hge->System_SetState(HGE_PIXELEXACT, false);
    EXPECT_FLOAT_EQ(renderScale(), 2.125f) << "smooth scaling fills the window";
    hge->System_SetState(HGE_PIXELEXACT, true);
    SDL_SetWindowSize(engine->window(), 700, 500);
    engine->runFrame(0.01f);
    EXPECT_LT(renderScale(), 1.0f) << "a window smaller than the canvas still shows all of it";
    hge->Texture_Free(tex);
}
