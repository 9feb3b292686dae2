#include "platform/sdl/sdl_icon.h"

#include <cmath>
#include <cstdint>

namespace {
constexpr int SIZE = 32;

struct Rgba {
    std::uint8_t r, g, b, a;
};

// A gold-rimmed night-blue disc with a pale arrowhead ship and its engine flame.
Rgba emblemPixel(float x, float y) {
    const float cx = SIZE / 2.0f, cy = SIZE / 2.0f;
    const float d = std::hypot(x - cx, y - cy);
    if (d > 15.5f) return {0, 0, 0, 0};
    if (d > 13.5f) return {255, 190, 40, 255};
    const float side = std::fabs(x - cx);
    const bool hull = y >= 6 && y <= 24 && side <= (y - 6) * 0.45f;
    const bool notch = y > 19 && side < (y - 19) * 0.9f;
    if (hull && !notch) return {205, 240, 255, 255};
    if (std::hypot(x - cx, y - 25.5f) < 2.2f) return {255, 120, 30, 255};
    const auto shade = static_cast<std::uint8_t>(70 + 4 * (13.5f - d));
    return {20, 30, shade, 255};
}
}  // namespace

SDL_Surface* createWindowIcon() {
    SDL_Surface* icon = SDL_CreateRGBSurfaceWithFormat(0, SIZE, SIZE, 32, SDL_PIXELFORMAT_RGBA32);
    if (!icon) return nullptr;
    for (int y = 0; y < SIZE; ++y) {
        auto* row = static_cast<std::uint8_t*>(icon->pixels) + y * icon->pitch;
        for (int x = 0; x < SIZE; ++x) {
            const Rgba p = emblemPixel(x + 0.5f, y + 0.5f);
            row[x * 4 + 0] = p.r;
            row[x * 4 + 1] = p.g;
            row[x * 4 + 2] = p.b;
            row[x * 4 + 3] = p.a;
        }
    }
    return icon;
}
