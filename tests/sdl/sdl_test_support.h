// Shared pieces of the SDL backend tests: an engine started in a window on the offscreen
// (or dummy) video driver with the dummy audio driver, a frame loop driven by a lambda,
// quads and small files made on the spot.
#pragma once

#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/hge.h"
#include "platform/sdl/sdl_engine.h"

// A fresh directory, removed with everything in it.
class TempDir {
public:
    TempDir();
    ~TempDir();
    std::string file(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

class SdlEngineTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs System_Start with `frame` (given the frame number from 1) as the frame
    // function, stopping when it returns true or after maxFrames frames. Returns the
    // number of frames run.
    int runFrames(int maxFrames, std::function<bool(int)> frame);
    bool logContains(const std::string& text) const;

    SdlEngine* engine = nullptr;
};

hgeQuad makeQuad(float x, float y, float w, float h, DWORD color, HTEXTURE tex = 0, int blend = BLEND_DEFAULT);
// Colour of one canvas pixel as 0xAARRGGBB.
std::uint32_t pixelAt(const std::vector<std::uint32_t>& argb, int width, int x, int y);
// True when each of R, G and B is within `tolerance` of the expected colour's.
bool sameRgb(std::uint32_t actual, std::uint32_t expected, int tolerance = 3);
// A mono 16-bit WAV file of a tone lasting `seconds`.
void writeToneWav(const std::string& path, double seconds);
void pushEvent(SDL_Event event);
