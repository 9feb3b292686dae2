// The contrast ratio of WCAG 2 between two colours, for the tests that check what a player
// can read or make out: texts over what is drawn behind them, and the battle's small
// sprites over every field. 4.5:1 is the bar for text, 3:1 for shapes and symbols.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "platform/hge.h"

namespace contrast_ratio {

struct Rgb {
    double r, g, b;
};

inline double channelLuminance(double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); }
inline double luminance(Rgb c) {
    return 0.2126 * channelLuminance(c.r) + 0.7152 * channelLuminance(c.g) + 0.0722 * channelLuminance(c.b);
}
inline double contrast(Rgb a, Rgb b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}
// The colour of an 0xAARRGGBB value (a vertex colour or a pixel read back), alpha left out.
inline Rgb rgbOf(std::uint32_t c) { return {GETR(c) / 255.0, GETG(c) / 255.0, GETB(c) / 255.0}; }

}  // namespace contrast_ratio
