#include "assets/craft.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Points in a unit box (x 0..1 across, y 0..1 down), mirrored about x = 0.5.
void mirrored(cairo_t* cr, double w, double h, std::initializer_list<std::pair<double, double>> half) {
    std::vector<std::pair<double, double>> pts(half);
    cairo_new_sub_path(cr);
    for (const auto& p : pts) cairo_line_to(cr, p.first * w, p.second * h);
    for (auto it = pts.rbegin(); it != pts.rend(); ++it) cairo_line_to(cr, (1 - it->first) * w, it->second * h);
    cairo_close_path(cr);
}

void flameAt(cairo_t* cr, double x, double y, double size, double flame) {
    const double len = size * (1.0 + 0.5 * flame);
    cairo_move_to(cr, x - size * 0.45, y);
    cairo_curve_to(cr, x - size * 0.3, y + len * 0.6, x, y + len, x, y + len);
    cairo_curve_to(cr, x, y + len, x + size * 0.3, y + len * 0.6, x + size * 0.45, y);
    cairo_close_path(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, y, 0, y + len);
    cairo_pattern_add_color_stop_rgba(g, 0, 1, 1, 0.8, 1);
    cairo_pattern_add_color_stop_rgba(g, 0.5, 1, 0.6, 0.2, 0.9);
    cairo_pattern_add_color_stop_rgba(g, 1, 1, 0.2, 0.1, 0);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

// Extras that sit behind the hull: pods, spikes, cannons.
void gearBehind(cairo_t* cr, double ww, double hh, const CraftLook& look, double lw) {
    if (look.gear & GEAR_SPIKES) {
        for (int i = 0; i < 3; ++i)
            for (int s = 0; s < 2; ++s) {
                const auto x = [&](double u) { return ww * (s ? 1 - u : u); };
                cairo_move_to(cr, x(0.22), hh * (0.35 + 0.18 * i));
                cairo_line_to(cr, x(-0.02), hh * (0.42 + 0.18 * i));
                cairo_line_to(cr, x(0.24), hh * (0.48 + 0.18 * i));
                cairo_close_path(cr);
            }
        inkShape(cr, shade(look.body, -0.35), 0, hh, lw * 0.7);
    }
    if (look.gear & GEAR_PODS) {
        ellipsePath(cr, ww * 0.1, hh * 0.66, ww * 0.1, hh * 0.2);
        ellipsePath(cr, ww * 0.9, hh * 0.66, ww * 0.1, hh * 0.2);
        inkShape(cr, look.accent, hh * 0.46, hh * 0.86, lw * 0.8);
    }
    if (look.gear & GEAR_GUNS) {
        for (double x : {0.2, 0.8}) {
            cairo_rectangle(cr, ww * x - ww * 0.04, hh * 0.12, ww * 0.08, hh * 0.42);
            inkShape(cr, pal::DARK, hh * 0.12, hh * 0.54, lw * 0.7);
        }
    }
}

// Extras on top of the hull: dish, feelers, eyes, hat.
void gearOnTop(cairo_t* cr, double ww, double hh, const CraftLook& look, double lw) {
    if (look.gear & GEAR_DISH) {
        cairo_arc(cr, ww / 2, hh * 0.8, std::min(ww, hh) * 0.13, 0, 2 * M_PI);
        inkShape(cr, pal::LIGHT, hh * 0.7, hh * 0.9, lw * 0.7);
        cairo_arc(cr, ww / 2, hh * 0.8, std::min(ww, hh) * 0.04, 0, 2 * M_PI);
        setRgb(cr, look.accent);
        cairo_fill(cr);
    }
    if (look.gear & GEAR_ANTENNAE) {
        for (int s = -1; s <= 1; s += 2) {
            cairo_move_to(cr, ww * (0.5 + 0.05 * s), hh * 0.08);
            cairo_curve_to(cr, ww * (0.5 + 0.1 * s), -hh * 0.02, ww * (0.5 + 0.3 * s), hh * 0.0, ww * (0.5 + 0.36 * s),
                           hh * 0.06);
            setRgb(cr, pal::INK);
            cairo_set_line_width(cr, lw * 0.8);
            cairo_stroke(cr);
            cairo_arc(cr, ww * (0.5 + 0.36 * s), hh * 0.06, std::max(1.5, ww * 0.05), 0, 2 * M_PI);
            inkFlat(cr, look.accent, lw * 0.5);
        }
    }
    if (look.gear & GEAR_EYES) {
        for (int s = -1; s <= 1; s += 2) {
            const double x = ww * (0.5 + 0.17 * s), y = hh * 0.55, r = std::max(2.0, ww * 0.08);
            ellipsePath(cr, x, y, r, r * 0.8);
            inkFlat(cr, pal::WHITE, lw * 0.5);
            cairo_arc(cr, x - s * r * 0.2, y + r * 0.1, r * 0.45, 0, 2 * M_PI);
            setRgb(cr, pal::INK);
            cairo_fill(cr);
            cairo_move_to(cr, x - r * 1.1, y - r * (s > 0 ? 0.4 : 1.3));
            cairo_line_to(cr, x + r * 1.1, y - r * (s > 0 ? 1.3 : 0.4));
            cairo_set_line_width(cr, lw * 0.8);
            cairo_stroke(cr);
        }
    }
    if (look.gear & GEAR_HAT) {
        const double bw = ww * 0.32, base = hh * 0.3;
        cairo_move_to(cr, ww / 2 - bw / 2, base);
        cairo_curve_to(cr, ww / 2 - bw * 0.2, base - hh * 0.1, ww / 2 + bw * 0.1, base - hh * 0.25, ww / 2 + bw * 0.35,
                       base - hh * 0.3);
        cairo_line_to(cr, ww / 2 + bw / 2, base);
        cairo_close_path(cr);
        inkShape(cr, pal::RED, base - hh * 0.3, base, lw * 0.7);
        ellipsePath(cr, ww / 2, base, bw * 0.55, hh * 0.03);
        inkFlat(cr, pal::WHITE, lw * 0.5);
    }
}

}  // namespace

void drawCraft(cairo_t* cr, double w, double h, const CraftLook& look, double lean, double flame) {
    const double lw = inkWidth(w, h) * 0.9;
    // Room below for the engine flame.
    const double bh = h * 0.86;
    cairo_save(cr);
    // Leaning: narrow the far side and shift the body a little.
    cairo_translate(cr, w / 2, bh / 2);
    cairo_rotate(cr, lean * 0.16);
    cairo_scale(cr, 1.0 - 0.14 * std::fabs(lean), 1.0 - 0.06 * std::fabs(lean));
    cairo_translate(cr, -w / 2, -bh / 2);
    const double x0 = lw, y0 = lw, ww = w - 2 * lw, hh = bh - 2 * lw;
    cairo_translate(cr, x0, y0);

    const Rgb body = look.body, accent = look.accent;
    gearBehind(cr, ww, hh, look, lw);
    std::vector<double> engines;
    switch (look.design % 10) {
        case 0:  // arrow fighter
            mirrored(cr, ww, hh, {{0.5, 0}, {0.38, 0.35}, {0.0, 0.78}, {0.05, 0.92}, {0.36, 0.82}, {0.4, 1.0}});
            engines = {0.5};
            break;
        case 1:  // saucer with fins
            ellipsePath(cr, ww / 2, hh * 0.55, ww * 0.5, hh * 0.38);
            mirrored(cr, ww, hh, {{0.5, 0.0}, {0.4, 0.3}, {0.42, 0.6}});
            engines = {0.3, 0.7};
            break;
        case 2:  // twin pods
            ellipsePath(cr, ww * 0.2, hh * 0.6, ww * 0.19, hh * 0.38);
            ellipsePath(cr, ww * 0.8, hh * 0.6, ww * 0.19, hh * 0.38);
            mirrored(cr, ww, hh, {{0.5, 0.05}, {0.36, 0.3}, {0.34, 0.9}, {0.45, 0.96}});
            engines = {0.2, 0.8};
            break;
        case 3:  // crescent wings
            cairo_new_sub_path(cr);
            cairo_move_to(cr, ww * 0.5, 0);
            cairo_curve_to(cr, ww * 0.65, hh * 0.2, ww * 1.05, hh * 0.3, ww, hh * 0.9);
            cairo_curve_to(cr, ww * 0.8, hh * 0.6, ww * 0.62, hh * 0.7, ww * 0.56, hh);
            cairo_line_to(cr, ww * 0.44, hh);
            cairo_curve_to(cr, ww * 0.38, hh * 0.7, ww * 0.2, hh * 0.6, 0, hh * 0.9);
            cairo_curve_to(cr, -ww * 0.05, hh * 0.3, ww * 0.35, hh * 0.2, ww * 0.5, 0);
            cairo_close_path(cr);
            engines = {0.5};
            break;
        case 4:  // delta
            mirrored(cr, ww, hh, {{0.5, 0}, {0.0, 0.95}, {0.3, 0.88}, {0.42, 1.0}});
            engines = {0.38, 0.62};
            break;
        case 5:  // heavy round hull
            roundRect(cr, ww * 0.08, hh * 0.12, ww * 0.84, hh * 0.86, ww * 0.3);
            mirrored(cr, ww, hh, {{0.5, 0}, {0.3, 0.2}, {0.0, 0.55}, {0.1, 0.75}});
            engines = {0.3, 0.5, 0.7};
            break;
        case 6:  // star wings
            starPath(cr, ww / 2, hh * 0.55, std::min(ww, hh) * 0.5, std::min(ww, hh) * 0.22, 5, 0);
            mirrored(cr, ww, hh, {{0.5, 0.0}, {0.4, 0.4}, {0.42, 0.98}});
            engines = {0.5};
            break;
        case 7:  // bug with legs
            ellipsePath(cr, ww / 2, hh * 0.6, ww * 0.34, hh * 0.4);
            ellipsePath(cr, ww / 2, hh * 0.18, ww * 0.2, hh * 0.18);
            for (int i = 0; i < 3; ++i) {
                mirrored(cr, ww, hh, {{0.02, 0.35 + 0.2 * i}, {0.2, 0.4 + 0.2 * i}, {0.2, 0.45 + 0.2 * i}});
            }
            engines = {0.5};
            break;
        case 8:  // shopping cart (seen from above, handle at the bottom)
            cairo_rectangle(cr, ww * 0.1, hh * 0.05, ww * 0.8, hh * 0.7);
            cairo_rectangle(cr, ww * 0.05, hh * 0.82, ww * 0.9, hh * 0.1);
            engines = {};
            break;
        default:  // fortress: wide hull with turrets
            mirrored(cr, ww, hh,
                     {{0.5, 0}, {0.32, 0.12}, {0.3, 0.3}, {0.0, 0.45}, {0.0, 0.8}, {0.2, 1.0}, {0.35, 0.9}});
            engines = {0.3, 0.5, 0.7};
            break;
    }
    fillShaded(cr, body, 0, hh);
    setRgb(cr, pal::INK);
    cairo_set_line_width(cr, lw);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);

    if (look.design % 10 == 8) {
        // Cart mesh and wheels.
        for (int i = 1; i < 5; ++i) {
            cairo_move_to(cr, ww * (0.1 + 0.16 * i), hh * 0.05);
            cairo_line_to(cr, ww * (0.1 + 0.16 * i), hh * 0.75);
            cairo_move_to(cr, ww * 0.1, hh * (0.05 + 0.14 * i));
            cairo_line_to(cr, ww * 0.9, hh * (0.05 + 0.14 * i));
        }
        setRgb(cr, pal::INK, 0.7);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
        for (double x : {0.12, 0.88})
            for (double y : {0.1, 0.72}) {
                cairo_arc(cr, ww * x, hh * y, std::max(2.0, ww * 0.07), 0, 2 * M_PI);
                inkFlat(cr, pal::DARK, 1);
            }
    } else {
        // Stripe, cockpit and engine flames.
        mirrored(cr, ww, hh, {{0.5, hh > 0 ? 0.12 : 0}, {0.46, 0.3}, {0.46, 0.75}});
        setRgb(cr, accent, 0.85);
        cairo_fill(cr);
        ellipsePath(cr, ww / 2, hh * 0.34, std::max(2.0, ww * 0.1), std::max(3.0, hh * 0.13));
        cairo_pattern_t* g = cairo_pattern_create_linear(0, hh * 0.2, 0, hh * 0.48);
        cairo_pattern_add_color_stop_rgb(g, 0, 0.85, 0.97, 1.0);
        cairo_pattern_add_color_stop_rgb(g, 1, 0.15, 0.35, 0.7);
        cairo_set_source(cr, g);
        cairo_fill_preserve(cr);
        cairo_pattern_destroy(g);
        setRgb(cr, pal::INK);
        cairo_set_line_width(cr, lw * 0.8);
        cairo_stroke(cr);
        if (look.crown) {
            const double cw = ww * 0.3, base = hh * 0.26;
            cairo_move_to(cr, ww / 2 - cw / 2, base);
            cairo_line_to(cr, ww / 2 - cw / 2, base - cw * 0.6);
            cairo_line_to(cr, ww / 2 - cw / 4, base - cw * 0.3);
            cairo_line_to(cr, ww / 2, base - cw * 0.75);
            cairo_line_to(cr, ww / 2 + cw / 4, base - cw * 0.3);
            cairo_line_to(cr, ww / 2 + cw / 2, base - cw * 0.6);
            cairo_line_to(cr, ww / 2 + cw / 2, base);
            cairo_close_path(cr);
            inkShape(cr, pal::YELLOW, base - cw * 0.75, base, lw * 0.8);
        }
    }
    gearOnTop(cr, ww, hh, look, lw);
    cairo_restore(cr);
    for (double ex : engines) flameAt(cr, w * ex, bh - 1, std::max(3.0, w * 0.12), flame);
}
