// The sprite toolkit on the real backend with the software renderer: a sprite, an
// animation frame, a line of bitmap text and a particle burst drawn in one frame land on
// the canvas where and in the colours they should.
#include <stb/stb_image_write.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>

#include "sdl_test_support.h"
#include "toolkit/hgeanim.h"
#include "toolkit/hgefont.h"
#include "toolkit/hgeparticle.h"
#include "toolkit/hgepinfo.h"
#include "toolkit/hgesprite.h"

namespace {

constexpr DWORD BACKGROUND = 0xFF202020;
constexpr DWORD RED = 0xFFFF0000, GREEN = 0xFF00FF00, BLUE = 0xFF0000FF, YELLOW = 0xFFFFFF00;
constexpr DWORD ORANGE = 0xFFFF8000, CYAN = 0xFF00FFFF, PURPLE = 0xFF8000FF;
constexpr DWORD WHITE = 0xFFFFFFFF, MAGENTA = 0xFFFF00FF;

// RGBA rows of one image; fill paints rectangles.
struct Image {
    int width, height;
    std::vector<std::uint8_t> rgba;

    Image(int w, int h) : width(w), height(h), rgba(std::size_t(w) * std::size_t(h) * 4, 0) {}
    void fill(int x, int y, int w, int h, DWORD argb) {
        for (int row = y; row < y + h; ++row)
            for (int col = x; col < x + w; ++col) {
                std::uint8_t* p = &rgba[(std::size_t(row) * std::size_t(width) + std::size_t(col)) * 4];
                p[0] = std::uint8_t(argb >> 16);
                p[1] = std::uint8_t(argb >> 8);
                p[2] = std::uint8_t(argb);
                p[3] = std::uint8_t(argb >> 24);
            }
    }
    bool save(const std::string& path) const {
        return stbi_write_png(path.c_str(), width, height, 4, rgba.data(), width * 4) != 0;
    }
};

// 64x24. Top 16 rows: a 16x16 sprite in four coloured quarters, then three 16x16
// animation frames (orange, cyan, purple). Below: an 8x8 white particle.
void writeSheet(const std::string& path) {
    Image sheet(64, 24);
    sheet.fill(0, 0, 8, 8, RED);
    sheet.fill(8, 0, 8, 8, GREEN);
    sheet.fill(0, 8, 8, 8, BLUE);
    sheet.fill(8, 8, 8, 8, YELLOW);
    sheet.fill(16, 0, 16, 16, ORANGE);
    sheet.fill(32, 0, 16, 16, CYAN);
    sheet.fill(48, 0, 16, 16, PURPLE);
    sheet.fill(0, 16, 8, 8, WHITE);
    ASSERT_TRUE(sheet.save(path));
}

// Glyphs 8 high: a transparent space 4 wide, "A" a solid 5x8 block with a clear column to
// its right, "B" a 6x8 ring (solid border, empty 4x6 inside).
void writeFont(const TempDir& dir) {
    Image glyphs(16, 8);
    glyphs.fill(4, 0, 5, 8, WHITE);
    glyphs.fill(10, 0, 6, 8, WHITE);
    glyphs.fill(11, 1, 4, 6, 0);
    ASSERT_TRUE(glyphs.save(dir.file("glyphs.png")));
    // Codes 0-31 skipped, space, 33-64 skipped, then "A" and "B".
    std::ofstream(dir.file("tiny.fnt")) << "glyphs.png 8\n-32 4 -32 6 6\n";
}

// A burst that stays put: a thousand particles a second for a second, each living the
// whole second, magenta throughout, moving at most one pixel a step in any direction.
void writeBurst(const std::string& path) {
    hgeParticleSystemInfo info;
    info.emission = 1000;
    info.lifetime = 1;
    info.particleLifeMin = info.particleLifeMax = 1;
    info.spread = 6.2831853f;
    info.speedMin = 0;
    info.speedMax = 1;
    info.sizeStart = info.sizeEnd = 1;
    info.colorStart = info.colorEnd = {1, 0, 1, 1};
    std::uint8_t bytes[PARTICLE_FILE_SIZE];
    writeParticleInfo(info, bytes);
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes), PARTICLE_FILE_SIZE);
}

// The dummy video driver, which only offers the software renderer, for this suite alone.
class SdlToolkitPixels : public SdlEngineTest {
protected:
    void SetUp() override {
        if (const char* driver = std::getenv("SDL_VIDEODRIVER")) savedDriver_ = driver;
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        SdlEngineTest::SetUp();
    }
    void TearDown() override {
        SdlEngineTest::TearDown();
        if (savedDriver_) setenv("SDL_VIDEODRIVER", savedDriver_->c_str(), 1);
        else unsetenv("SDL_VIDEODRIVER");
    }

private:
    std::optional<std::string> savedDriver_;
};

struct Probe {
    const char* what;
    int x, y;
    DWORD expected;
};

constexpr float SPRITE_X = 100, SPRITE_Y = 100;
constexpr float ANIM_X = 200, ANIM_Y = 100;
constexpr float TEXT_X = 300, TEXT_Y = 100;
constexpr int BURST_X = 500, BURST_Y = 300;
constexpr int BURST_STEPS = 5;

}  // namespace

TEST_F(SdlToolkitPixels, SpriteAnimationTextAndParticlesLandOnTheCanvas) {
    ASSERT_TRUE(logContains("renderer software"));
    TempDir dir;
    writeSheet(dir.file("sheet.png"));
    writeFont(dir);
    writeBurst(dir.file("burst.psi"));

    const HTEXTURE sheet = hge->Texture_Load(dir.file("sheet.png").c_str());
    ASSERT_NE(sheet, 0u);
    hgeSprite sprite(sheet, 0, 0, 16, 16);
    hgeAnimation animation(sheet, 3, 10, 16, 0, 16, 16);
    animation.SetFrame(1);
    hgeFont font(dir.file("tiny.fnt").c_str());
    ASSERT_NE(font.GetSprite('A'), nullptr);
    // The blank sprite every filled rectangle of the screens is drawn with.
    hgeSprite blank(0, 0, 0, 32, 32);
    blank.SetColor(ORANGE);
    hgeSprite particle(sheet, 0, 16, 8, 8);
    particle.SetHotSpot(4, 4);
    hgeParticleSystem burst(dir.file("burst.psi").c_str(), &particle);
    burst.FireAt(BURST_X, BURST_Y);
    for (int i = 0; i < BURST_STEPS; ++i) burst.Update(0.01f);
    ASSERT_GT(burst.GetParticlesAlive(), 0);

    std::vector<std::uint32_t> pixels;
    int width = 0, height = 0;
    runFrames(1, [&](int) {
        hge->Gfx_BeginScene();
        hge->Gfx_Clear(BACKGROUND);
        sprite.Render(SPRITE_X, SPRITE_Y);
        animation.Render(ANIM_X, ANIM_Y);
        font.Render(TEXT_X, TEXT_Y, "AB A");
        burst.Render();
        blank.RenderStretch(600, 100, 680, 140);
        EXPECT_TRUE(engine->readPixels(pixels, width, height));
        hge->Gfx_EndScene();
        return true;
    });
    ASSERT_EQ(width, 800);
    ASSERT_EQ(height, 600);

    // Text pen: "A" 0-5 (ink 0-4), "B" 6-11 (ring), space 12-15, "A" 16-21.
    const Probe probes[] = {
        {"sprite top-left quarter", 104, 104, RED},
        {"sprite top-right quarter", 112, 104, GREEN},
        {"sprite bottom-left quarter", 104, 112, BLUE},
        {"sprite bottom-right quarter", 112, 112, YELLOW},
        {"right of the sprite", 118, 108, BACKGROUND},
        {"animation frame 1", 208, 108, CYAN},
        {"animation edge", 201, 101, CYAN},
        {"below the animation", 208, 118, BACKGROUND},
        {"first A", 302, 104, WHITE},
        {"gap after the first A", 305, 104, BACKGROUND},
        {"B left stroke", 306, 104, WHITE},
        {"B top stroke", 309, 100, WHITE},
        {"inside the B", 309, 104, BACKGROUND},
        {"the space", 313, 104, BACKGROUND},
        {"second A", 318, 104, WHITE},
        {"after the text", 324, 104, BACKGROUND},
        {"below the text", 302, 110, BACKGROUND},
        {"burst centre", BURST_X, BURST_Y, MAGENTA},
        {"far from the burst", BURST_X + 40, BURST_Y, BACKGROUND},
        {"blank sprite stretched", 670, 130, ORANGE},
        {"right of the blank sprite", 684, 130, BACKGROUND},
        {"empty canvas", 700, 500, BACKGROUND},
    };
    for (const Probe& p : probes) {
        const std::uint32_t actual = pixelAt(pixels, width, p.x, p.y);
        EXPECT_TRUE(sameRgb(actual, p.expected)) << p.what << " at (" << p.x << ", " << p.y << "): 0x" << std::hex
                                                 << actual << ", expected 0x" << p.expected;
    }

    // The burst: plenty of magenta near the emitter, none outside the furthest reach
    // (2 pixels of spawn jitter, 1 per step, half the particle's diagonal).
    int near = 0, strays = 0;
    for (int y = BURST_Y - 30; y <= BURST_Y + 30; ++y)
        for (int x = BURST_X - 30; x <= BURST_X + 30; ++x) {
            if (!sameRgb(pixelAt(pixels, width, x, y), MAGENTA, 8)) continue;
            const int dx = x - BURST_X, dy = y - BURST_Y;
            if (dx * dx + dy * dy <= 12 * 12) ++near;
            else ++strays;
        }
    EXPECT_GE(near, 64);
    EXPECT_EQ(strays, 0);
}
