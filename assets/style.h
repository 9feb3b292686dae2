// One look for every picture: the palette, the ink outline, shaded fills, simple shapes
// and text set in DejaVu through FreeType. Everything a painter draws goes through here.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <string>

struct Rgb {
    double r, g, b;
};

namespace pal {
constexpr Rgb INK{0.09, 0.08, 0.16};
constexpr Rgb WHITE{0.96, 0.96, 0.95};
constexpr Rgb LIGHT{0.84, 0.86, 0.90};
constexpr Rgb GREY{0.55, 0.56, 0.62};
constexpr Rgb DARK{0.24, 0.25, 0.32};
constexpr Rgb RED{0.88, 0.22, 0.24};
constexpr Rgb ORANGE{0.96, 0.55, 0.18};
constexpr Rgb YELLOW{0.98, 0.84, 0.26};
constexpr Rgb LIME{0.58, 0.84, 0.28};
constexpr Rgb GREEN{0.22, 0.66, 0.32};
constexpr Rgb TEAL{0.16, 0.70, 0.66};
constexpr Rgb SKY{0.35, 0.66, 0.94};
constexpr Rgb BLUE{0.20, 0.36, 0.80};
constexpr Rgb NAVY{0.13, 0.17, 0.38};
constexpr Rgb PURPLE{0.55, 0.32, 0.82};
constexpr Rgb MAGENTA{0.84, 0.30, 0.64};
constexpr Rgb BROWN{0.55, 0.35, 0.22};
constexpr Rgb TAN{0.86, 0.70, 0.52};
constexpr Rgb SKIN{0.96, 0.78, 0.62};
}  // namespace pal

Rgb mix(Rgb a, Rgb b, double t);
// k > 0 towards white, k < 0 towards black.
Rgb shade(Rgb c, double k);

void setRgb(cairo_t* cr, Rgb c, double alpha = 1.0);
// Ink outline width that suits a picture of this size.
double inkWidth(double w, double h);

// Fills the current path with a top-lit gradient of `base` (keeping the path).
void fillShaded(cairo_t* cr, Rgb base, double y0, double y1);
// Shaded fill, then the ink outline; the path is consumed.
void inkShape(cairo_t* cr, Rgb base, double y0, double y1, double lineWidth);
// Flat fill, then the ink outline; the path is consumed.
void inkFlat(cairo_t* cr, Rgb base, double lineWidth, double alpha = 1.0);

void roundRect(cairo_t* cr, double x, double y, double w, double h, double r);
void ellipsePath(cairo_t* cr, double cx, double cy, double rx, double ry);
void starPath(cairo_t* cr, double cx, double cy, double outer, double inner, int points, double turn);
void softDot(cairo_t* cr, double cx, double cy, double r, Rgb c, double alpha);
// A white highlight stroke along the upper-left of a round shape.
void glint(cairo_t* cr, double cx, double cy, double r);

enum class Face { SANS, SANS_BOLD, CONDENSED, CONDENSED_BOLD, MONO, MONO_BOLD, SERIF_BOLD, SANS_OBLIQUE_BOLD };

// Selects a DejaVu face at a pixel size with crisp hinting.
void useFace(cairo_t* cr, Face face, double px);
double textWidth(cairo_t* cr, const std::string& text);
// Text centred on (cx, cy), optionally with an ink outline behind it.
void drawText(cairo_t* cr, const std::string& text, double cx, double cy, double px, Face face, Rgb fill,
              double outline = 0.0, Rgb outlineColour = pal::INK);

// Small deterministic generator, seeded from a name so each picture has its own stream.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed ? seed : 0x9e3779b97f4a7c15ull) {}
    explicit Rng(const std::string& name);
    std::uint64_t next();
    double uniform(double lo = 0.0, double hi = 1.0);
    int range(int lo, int hi);  // inclusive

private:
    std::uint64_t state_;
};
