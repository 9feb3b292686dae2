#include "sdl_test_support.h"

#include <cmath>
#include <cstdio>
#include <random>

#include "platform/core/game_paths.h"

namespace {
std::function<bool(int)> currentFrame;
int frameNumber = 0;
int frameLimit = 0;

bool frameTrampoline() {
    ++frameNumber;
    const bool quit = currentFrame(frameNumber);
    return quit || frameNumber >= frameLimit;
}

void put16(std::FILE* f, int v) {
    std::fputc(v & 0xFF, f);
    std::fputc((v >> 8) & 0xFF, f);
}
void put32(std::FILE* f, std::uint32_t v) {
    put16(f, static_cast<int>(v & 0xFFFF));
    put16(f, static_cast<int>(v >> 16));
}
}  // namespace

TempDir::TempDir() {
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() / ("kvb_sdl_test_" + std::to_string(random()));
    std::filesystem::create_directories(path_);
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void SdlEngineTest::SetUp() {
    hge = hgeCreate(HGE_VERSION);
    engine = sdlEngine();
    ASSERT_NE(engine, nullptr);
    hge->System_SetState(HGE_WINDOWED, true);
    hge->System_SetState(HGE_TITLE, "Korvania 2:  Battle");
    ASSERT_TRUE(hge->System_Initiate()) << hge->System_GetErrorMessage();
}

void SdlEngineTest::TearDown() {
    // A play folder made by the test is gone after it.
    setUserDir("");
    setDataDir("");
    if (!hge) return;
    hge->System_Shutdown();
    hge->Release();
    hge = nullptr;
    engine = nullptr;
}

int SdlEngineTest::runFrames(int maxFrames, std::function<bool(int)> frame) {
    currentFrame = std::move(frame);
    frameNumber = 0;
    frameLimit = maxFrames;
    hge->System_SetState(HGE_FRAMEFUNC, frameTrampoline);
    EXPECT_TRUE(hge->System_Start()) << hge->System_GetErrorMessage();
    currentFrame = nullptr;
    return frameNumber;
}

bool SdlEngineTest::logContains(const std::string& text) const {
    for (const std::string& line : engine->logLines())
        if (line.find(text) != std::string::npos) return true;
    return false;
}

hgeQuad makeQuad(float x, float y, float w, float h, DWORD color, HTEXTURE tex, int blend) {
    hgeQuad q{};
    q.v[0] = {x, y, 0.5f, color, 0, 0};
    q.v[1] = {x + w, y, 0.5f, color, 1, 0};
    q.v[2] = {x + w, y + h, 0.5f, color, 1, 1};
    q.v[3] = {x, y + h, 0.5f, color, 0, 1};
    q.tex = tex;
    q.blend = blend;
    return q;
}

std::uint32_t pixelAt(const std::vector<std::uint32_t>& argb, int width, int x, int y) {
    return argb[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)];
}

bool sameRgb(std::uint32_t actual, std::uint32_t expected, int tolerance) {
    for (int shift : {16, 8, 0}) {
        const int a = static_cast<int>((actual >> shift) & 0xFF), e = static_cast<int>((expected >> shift) & 0xFF);
        if (std::abs(a - e) > tolerance) return false;
    }
    return true;
}

void writeToneWav(const std::string& path, double seconds) {
    constexpr int RATE = 22050;
    const int samples = static_cast<int>(RATE * seconds);
    std::FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fputs("RIFF", f);
    put32(f, 36 + static_cast<std::uint32_t>(samples) * 2);
    std::fputs("WAVEfmt ", f);
    put32(f, 16);
    put16(f, 1);  // PCM
    put16(f, 1);  // mono
    put32(f, RATE);
    put32(f, RATE * 2);
    put16(f, 2);
    put16(f, 16);
    std::fputs("data", f);
    put32(f, static_cast<std::uint32_t>(samples) * 2);
    for (int i = 0; i < samples; ++i) put16(f, static_cast<int>(8000 * std::sin(i * 440.0 * 6.2831853 / RATE)));
    std::fclose(f);
}

void pushEvent(SDL_Event event) { ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError(); }
