#include "assets/blast_art.h"

#include <algorithm>
#include <cmath>

namespace {

// A puffy closed outline around (cx, cy): `lobes` bumps on a circle of radius r.
void puffPath(cairo_t* cr, double cx, double cy, double r, int lobes, double wobble, double turn) {
    for (int i = 0; i <= lobes * 6; ++i) {
        const double a = turn + 2 * M_PI * i / (lobes * 6);
        const double k = r * (1 + wobble * std::fabs(std::sin(a * lobes / 2)));
        const double x = cx + std::cos(a) * k, y = cy + std::sin(a) * k;
        if (i == 0)
            cairo_move_to(cr, x, y);
        else
            cairo_line_to(cr, x, y);
    }
    cairo_close_path(cr);
}

}  // namespace

void drawBlast(cairo_t* cr, double cx, double cy, double radius, double t, const BlastLook& look) {
    Rng rng(look.seed);
    const double line = std::max(1.0, radius / 14);
    // Smoke: grey puffs that drift up and out, drawn first so the fire sits on top.
    if (t > 0.2) {
        const double s = (t - 0.2) / 0.8;
        const double alpha = std::max(0.0, 1.0 - s * 1.15);
        for (int i = 0; i < 7; ++i) {
            const double a = -M_PI / 2 + i * 2 * M_PI / 7;
            const double d = radius * (0.3 + 0.3 * s);
            const double px = cx + std::cos(a) * d, py = cy + std::sin(a) * d - radius * 0.2 * s;
            const double pr = radius * (0.26 + 0.14 * s);
            puffPath(cr, px, py, pr, 5, 0.12, i);
            setRgb(cr, mix({0.52, 0.5, 0.5}, {0.78, 0.76, 0.74}, s), alpha * 0.85);
            cairo_fill_preserve(cr);
            setRgb(cr, pal::INK, alpha * 0.5);
            cairo_set_line_width(cr, line * 0.7);
            cairo_stroke(cr);
        }
    }
    // The fire: a spiky ball that swells and then collapses, white-hot at first.
    if (t < 0.75) {
        const double grow = t < 0.3 ? 0.55 + 1.5 * t : 1.0 - (t - 0.3) / 0.45 * 0.8;
        const double r = radius * 0.8 * grow;
        starPath(cr, cx, cy, r, r * 0.72, 9, t * 2);
        const Rgb outer = mix(look.core, {0.9, 0.3, 0.1}, std::min(1.0, t * 1.6));
        setRgb(cr, outer);
        cairo_fill_preserve(cr);
        setRgb(cr, pal::INK);
        cairo_set_line_width(cr, line);
        cairo_stroke(cr);
        puffPath(cr, cx, cy, r * 0.55, 6, 0.15, t * 3);
        setRgb(cr, mix({1.0, 1.0, 0.85}, look.core, std::min(1.0, t * 2)));
        cairo_fill(cr);
    }
    // The flash: a white star of light in the first frames.
    if (t < 0.22) {
        const double k = 1 - t / 0.22;
        starPath(cr, cx, cy, radius * (0.7 + 0.3 * (1 - k)), radius * 0.18, 8, 0.2);
        setRgb(cr, pal::WHITE, k);
        cairo_fill(cr);
    }
    // Debris: outlined chunks tumbling out and falling a little.
    const double alpha = t < 0.7 ? 1.0 : std::max(0.0, 1.0 - (t - 0.7) / 0.3);
    for (int i = 0; i < look.chunks; ++i) {
        const double a = (i + rng.uniform(-0.3, 0.3)) * 2 * M_PI / look.chunks, speed = rng.uniform(0.6, 1.0);
        const double spin = rng.uniform(-4, 4), size = rng.uniform(0.07, 0.13) * radius;
        if (t < 0.08) continue;
        const double d = radius * 0.9 * speed * std::sqrt(t);
        const double x = cx + std::cos(a) * d, y = cy + std::sin(a) * d + radius * 0.3 * t * t;
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_rotate(cr, spin * t);
        cairo_move_to(cr, -size, -size * 0.6);
        cairo_line_to(cr, size * 0.8, -size);
        cairo_line_to(cr, size, size * 0.7);
        cairo_line_to(cr, -size * 0.5, size);
        cairo_close_path(cr);
        setRgb(cr, i % 2 ? look.debris : look.debris2, alpha);
        cairo_fill_preserve(cr);
        setRgb(cr, pal::INK, alpha);
        cairo_set_line_width(cr, std::max(0.8, line * 0.6));
        cairo_stroke(cr);
        cairo_restore(cr);
    }
}
