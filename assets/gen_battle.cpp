// The battle's animation table: coins and items, shots and their looks, hazards, blasts,
// gambling props, instruments and banners. Shots are stretched over their boxes, so each
// picture fills its frame; looks the game tints (explosion, ring, wreck, iceOrbix) are light.
#include <cmath>
#include <functional>
#include <vector>

#include "assets/blast_art.h"
#include "assets/coin_marks.h"
#include "assets/painters.h"
#include "assets/ui_kit.h"

namespace {

using Paint = std::function<void(cairo_t*, const Frame&)>;

// Rotates the drawing about the frame centre by one turn over the loop (or `turns`).
Paint spinning(Paint p, double turns = 1.0) {
    return [p, turns](cairo_t* cr, const Frame& f) {
        cairo_translate(cr, f.w / 2, f.h / 2);
        cairo_rotate(cr, f.loop() * 2 * M_PI * turns);
        cairo_translate(cr, -f.w / 2, -f.h / 2);
        p(cr, f);
    };
}

// Gently scales the drawing up and down over the loop (item pulse).
Paint pulsing(Paint p) {
    return [p](cairo_t* cr, const Frame& f) {
        const double s = 0.92 + 0.08 * std::sin(f.loop() * 2 * M_PI);
        cairo_translate(cr, f.w / 2, f.h / 2);
        cairo_scale(cr, s, s);
        cairo_translate(cr, -f.w / 2, -f.h / 2);
        p(cr, f);
    };
}

double lwOf(const Frame& f) {
    return inkWidth(f.w, f.h);
}

// A coin of colour 0..2 turning about its upright axis. It fills its box (24 px in the
// field, where the game draws it a third larger than the box it is picked up by; 16 px in
// the multi-coin), keeps a turned-away frame wide enough to see, and has a dark edge and a
// pale rim, so it reads on dark and bright star fields alike; its shape tells the colours
// apart without the hue.
void coin(cairo_t* cr, const Frame& f, int colour) {
    const Rgb c = coinColour(colour);
    const double k = f.h / 16;  // line widths grow with the picture
    const double squeeze = std::max(0.55, std::fabs(std::cos(f.loop() * M_PI)));
    const double cx = f.w / 2, cy = f.h / 2, r = f.h / 2;
    // The bands keep their width all round, however turned the coin or pointed its shape:
    // a dark one outside (the coin's edge over a pale field), a pale one inside it (its
    // edge over a dark one), round the coloured face.
    const double band = r - 2.2 * k;
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    coinShapePath(cr, colour, cx, cy, band, squeeze);
    setRgb(cr, pal::INK, 0.92);
    cairo_set_line_width(cr, 4.4 * k);
    cairo_stroke_preserve(cr);
    fillShaded(cr, c, 0, f.h);
    setRgb(cr, pal::WHITE);
    cairo_set_line_width(cr, 2.4 * k);
    cairo_stroke(cr);
    coinShapePath(cr, colour, cx, cy, band - 1.2 * k, squeeze);
    setRgb(cr, shade(c, -0.5));
    cairo_set_line_width(cr, 0.6 * k);
    cairo_stroke(cr);
    if (squeeze > 0.6) {
        coinShapePath(cr, colour, cx, cy, band - 3.6 * k, squeeze);
        setRgb(cr, shade(c, 0.6));
        cairo_set_line_width(cr, k);
        cairo_stroke(cr);
    }
}

void missile(cairo_t* cr, const Frame& f, Rgb body) {
    const double w = f.w, h = f.h, lw = lwOf(f);
    const double flame = 0.8 + 0.2 * (f.index % 2);
    softDot(cr, w / 2, h * 0.86, w * 0.4 * flame, pal::ORANGE, 0.9);
    softDot(cr, w / 2, h * 0.82, w * 0.2, pal::YELLOW, 1);
    for (int s = -1; s <= 1; s += 2) {
        cairo_move_to(cr, w / 2 + s * w * 0.2, h * 0.55);
        cairo_line_to(cr, w / 2 + s * w * 0.48, h * 0.8);
        cairo_line_to(cr, w / 2 + s * w * 0.2, h * 0.75);
        cairo_close_path(cr);
        inkFlat(cr, pal::RED, lw * 0.8);
    }
    cairo_move_to(cr, w / 2, 1);
    cairo_curve_to(cr, w * 0.8, h * 0.15, w * 0.72, h * 0.4, w * 0.7, h * 0.78);
    cairo_line_to(cr, w * 0.3, h * 0.78);
    cairo_curve_to(cr, w * 0.28, h * 0.4, w * 0.2, h * 0.15, w / 2, 1);
    inkShape(cr, body, 0, h, lw);
}

void ball(cairo_t* cr, const Frame& f, Rgb c, int seams) {
    const double rx = f.w / 2 - 1, ry = f.h / 2 - 1;
    ellipsePath(cr, f.w / 2, f.h / 2, rx, ry);
    inkShape(cr, c, 0, f.h, 1);
    if (seams > 0) {
        // Two curved seams that turn with the ball.
        cairo_save(cr);
        ellipsePath(cr, f.w / 2, f.h / 2, rx - 0.5, ry - 0.5);
        cairo_clip(cr);
        cairo_translate(cr, f.w / 2, f.h / 2);
        cairo_rotate(cr, f.loop() * 2 * M_PI);
        for (int s = -1; s <= 1; s += 2) {
            cairo_new_sub_path(cr);
            cairo_arc(cr, s * rx * 1.35, 0, rx, 0, 2 * M_PI);
        }
        cairo_restore(cr);
        setRgb(cr, (c.r + c.g + c.b) > 2.0 ? pal::GREY : pal::INK, 0.9);
        cairo_set_line_width(cr, std::max(1.0, rx / 6));
        cairo_stroke(cr);
    } else {
        // Dimples.
        for (int i = 0; i < 5; ++i) {
            const double a = i * 1.3 + f.loop() * 2 * M_PI;
            cairo_arc(cr, f.w / 2 + std::cos(a) * rx * 0.5, f.h / 2 + std::sin(a) * ry * 0.5, 0.9, 0, 2 * M_PI);
            setRgb(cr, pal::GREY);
            cairo_fill(cr);
        }
    }
    glint(cr, f.w / 2, f.h / 2, std::min(rx, ry));
}

// Light fire and pale debris, so the tints the game gives it still read; drawn large
// (the game stretches it over 100 to 300 pixels) with a bright core.
void explosion(cairo_t* cr, const Frame& f) {
    BlastLook look;
    look.debris = {0.85, 0.82, 0.78};
    look.debris2 = {0.98, 0.9, 0.7};
    look.core = {1.0, 0.92, 0.55};
    look.seed = 0xb1a57;
    look.chunks = 10;
    const double r = std::min(f.w, f.h) / 2;
    // A glow behind everything while the core burns.
    softDot(cr, f.w / 2, f.h / 2, r, {1.0, 0.95, 0.75}, std::max(0.0, 0.8 - f.t()));
    drawBlast(cr, f.w / 2, f.h / 2, r * 0.96, f.t(), look);
}

void beam(cairo_t* cr, const Frame& f, Rgb c) {
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, f.w, 0);
    cairo_pattern_add_color_stop_rgba(g, 0, c.r, c.g, c.b, 0);
    cairo_pattern_add_color_stop_rgba(g, 0.3, c.r, c.g, c.b, 0.9);
    cairo_pattern_add_color_stop_rgba(g, 0.5, 1, 1, 1, 1);
    cairo_pattern_add_color_stop_rgba(g, 0.7, c.r, c.g, c.b, 0.9);
    cairo_pattern_add_color_stop_rgba(g, 1, c.r, c.g, c.b, 0);
    cairo_rectangle(cr, 0, 0, f.w, f.h);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    for (int i = 0; i < 6; ++i) {
        const double y = std::fmod(i * f.h / 6 + f.loop() * f.h / 6 * 4, f.h);
        softDot(cr, f.w / 2, y, f.w * 0.45, pal::WHITE, 0.6);
    }
}

void text(cairo_t* cr, const Frame& f, const std::string& s, double px, Rgb c) {
    drawText(cr, s, f.w / 2, f.h / 2, px, Face::SANS_BOLD, c, std::max(1.0, px / 9), pal::INK);
}

void diceFace(cairo_t* cr, const Frame& f) {
    const double lw = lwOf(f);
    roundRect(cr, 2, 2, f.w - 4, f.h - 4, f.w * 0.18);
    inkShape(cr, pal::WHITE, 0, f.h, lw);
    static const int PIPS[7][6][2] = {{},
                                      {{1, 1}},
                                      {{0, 0}, {2, 2}},
                                      {{0, 0}, {1, 1}, {2, 2}},
                                      {{0, 0}, {2, 0}, {0, 2}, {2, 2}},
                                      {{0, 0}, {2, 0}, {1, 1}, {0, 2}, {2, 2}},
                                      {{0, 0}, {2, 0}, {0, 1}, {2, 1}, {0, 2}, {2, 2}}};
    const int face = f.index;
    if (face == 0) {  // rolling: a blur of pips
        for (int i = 0; i < 5; ++i) {
            cairo_move_to(cr, f.w * 0.25 + i * 5, f.h * 0.3);
            cairo_line_to(cr, f.w * 0.45 + i * 5, f.h * 0.7);
        }
        setRgb(cr, pal::GREY);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
        return;
    }
    for (int i = 0; i < face; ++i) {
        cairo_arc(cr, f.w * (0.27 + 0.23 * PIPS[face][i][0]), f.h * (0.27 + 0.23 * PIPS[face][i][1]), f.w * 0.08, 0,
                  2 * M_PI);
        setRgb(cr, face == 1 ? pal::RED : pal::INK);
        cairo_fill(cr);
    }
}

void roulette(cairo_t* cr, const Frame& f) {
    const double r = std::min(f.w, f.h) / 2 - 1;
    cairo_arc(cr, f.w / 2, f.h / 2, r, 0, 2 * M_PI);
    inkFlat(cr, pal::BROWN, 2);
    for (int i = 0; i < 16; ++i) {
        const double a0 = (i + f.loop()) * 2 * M_PI / 16, a1 = a0 + 2 * M_PI / 16;
        cairo_move_to(cr, f.w / 2, f.h / 2);
        cairo_arc(cr, f.w / 2, f.h / 2, r * 0.85, a0, a1);
        cairo_close_path(cr);
        setRgb(cr, i == 0 ? pal::GREEN : i % 2 ? pal::RED : pal::INK);
        cairo_fill(cr);
    }
    cairo_arc(cr, f.w / 2, f.h / 2, r * 0.3, 0, 2 * M_PI);
    inkShape(cr, pal::YELLOW, f.h / 2 - r * 0.3, f.h / 2 + r * 0.3, 1.5);
}

// The cover over the 100×600 side panel while the roulette spins: drawn at half that
// size so the stretch is an even doubling. A marquee of chasing bulbs round a striped
// board; the bulbs swap on the second frame.
void rouletteBlock(cairo_t* cr, const Frame& f) {
    roundRect(cr, 1, 1, f.w - 2, f.h - 2, 5);
    setRgb(cr, shade(pal::RED, -0.35));
    cairo_fill_preserve(cr);
    cairo_save(cr);
    cairo_clip(cr);
    for (int i = -4; i < 40; ++i) {
        cairo_move_to(cr, 0, i * 16.0);
        cairo_line_to(cr, f.w, i * 16.0 + f.w * 0.6);
    }
    setRgb(cr, pal::RED);
    cairo_set_line_width(cr, 6);
    cairo_stroke(cr);
    cairo_restore(cr);
    roundRect(cr, 1, 1, f.w - 2, f.h - 2, 5);
    setRgb(cr, pal::INK);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    int n = 0;
    const auto bulb = [&](double x, double y) {
        const bool lit = (n++ + f.index) % 2 == 0;
        cairo_arc(cr, x, y, 2.6, 0, 2 * M_PI);
        setRgb(cr, lit ? pal::YELLOW : shade(pal::YELLOW, -0.55));
        cairo_fill(cr);
        if (lit) softDot(cr, x, y, 5, pal::YELLOW, 0.5);
    };
    for (double y = 6; y < f.h - 3; y += 9) bulb(5, y);
    for (double y = 6; y < f.h - 3; y += 9) bulb(f.w - 5, y);
    drawText(cr, "?", f.w / 2, f.h / 2, 26, Face::SANS_BOLD, pal::YELLOW, 2, pal::INK);
}

void slots(cairo_t* cr, const Frame& f) {
    const double lw = lwOf(f);
    roundRect(cr, 4, 8, f.w - 16, f.h - 10, 6);
    inkShape(cr, pal::RED, 8, f.h, lw);
    cairo_rectangle(cr, 9, 20, f.w - 26, 20);
    inkFlat(cr, pal::WHITE, lw * 0.7);
    const char* sym[3] = {"7", "\u2666", "\u2663"};
    for (int i = 0; i < 3; ++i)
        drawText(cr, sym[(i + f.index) % 3], 15 + i * 12.5, 30, 12, Face::SANS_BOLD, i % 2 ? pal::BLUE : pal::RED);
    const double lever = f.index % 4 < 2 ? 14 : 26;
    cairo_move_to(cr, f.w - 10, 30);
    cairo_line_to(cr, f.w - 5, lever);
    setRgb(cr, pal::INK);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    cairo_arc(cr, f.w - 5, lever, 4, 0, 2 * M_PI);
    inkFlat(cr, pal::YELLOW, 1);
    drawText(cr, "SLOTS", f.w / 2 - 6, 50, 10, Face::SANS_BOLD, pal::YELLOW, 1, pal::INK);
}

void notes(cairo_t* cr, const Frame& f) {
    const double y = f.h * (0.3 - 0.1 * f.loop());
    drawText(cr, "\u266a", f.w * 0.85, y, std::min(f.w, f.h) * 0.35, Face::SANS_BOLD, pal::WHITE, 1, pal::INK);
}

void instrument(cairo_t* cr, const Frame& f, int kind) {
    const double lw = lwOf(f);
    const double shake = (f.index % 2 ? 1 : -1) * 0.8;
    cairo_translate(cr, shake, 0);
    switch (kind) {
        case 0: {  // saxophone
            cairo_move_to(cr, f.w * 0.55, 4);
            cairo_line_to(cr, f.w * 0.5, f.h * 0.65);
            cairo_curve_to(cr, f.w * 0.48, f.h * 0.95, f.w * 0.15, f.h * 0.95, f.w * 0.2, f.h * 0.7);
            setRgb(cr, pal::INK);
            cairo_set_line_width(cr, 11);
            cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
            cairo_stroke_preserve(cr);
            setRgb(cr, pal::YELLOW);
            cairo_set_line_width(cr, 8);
            cairo_stroke(cr);
            ellipsePath(cr, f.w * 0.2, f.h * 0.62, 9, 6);
            inkShape(cr, pal::YELLOW, f.h * 0.55, f.h * 0.7, lw);
            break;
        }
        case 1:  // piano from above
            cairo_rectangle(cr, 2, 4, f.w - 4, f.h - 8);
            inkShape(cr, pal::INK, 0, f.h, lw);
            cairo_rectangle(cr, 5, f.h * 0.55, f.w - 10, f.h * 0.35);
            inkFlat(cr, pal::WHITE, 1);
            for (int i = 1; i < 10; ++i) {
                cairo_move_to(cr, 5 + i * (f.w - 10) / 10, f.h * 0.55);
                cairo_line_to(cr, 5 + i * (f.w - 10) / 10, f.h * 0.9);
            }
            setRgb(cr, pal::INK);
            cairo_set_line_width(cr, 1);
            cairo_stroke(cr);
            break;
        case 2:  // drum
            cairo_rectangle(cr, f.w * 0.15, f.h * 0.35, f.w * 0.7, f.h * 0.45);
            inkShape(cr, pal::RED, f.h * 0.35, f.h * 0.8, lw);
            ellipsePath(cr, f.w / 2, f.h * 0.35, f.w * 0.35, f.h * 0.12);
            inkFlat(cr, pal::LIGHT, lw);
            ellipsePath(cr, f.w / 2, f.h * 0.8, f.w * 0.35, f.h * 0.12);
            setRgb(cr, pal::INK);
            cairo_set_line_width(cr, lw);
            cairo_stroke(cr);
            break;
        case 3: {  // trumpet
            cairo_rectangle(cr, 4, f.h * 0.42, f.w * 0.65, f.h * 0.16);
            inkShape(cr, pal::YELLOW, f.h * 0.4, f.h * 0.6, lw);
            cairo_move_to(cr, f.w * 0.68, f.h * 0.42);
            cairo_line_to(cr, f.w - 3, 4);
            cairo_line_to(cr, f.w - 3, f.h - 4);
            cairo_line_to(cr, f.w * 0.68, f.h * 0.58);
            cairo_close_path(cr);
            inkShape(cr, pal::YELLOW, 0, f.h, lw);
            for (int i = 0; i < 3; ++i) {
                cairo_rectangle(cr, f.w * (0.3 + 0.08 * i), f.h * 0.2, 5, f.h * 0.22);
                inkFlat(cr, pal::TAN, 1);
            }
            break;
        }
        default: {  // guitar
            ellipsePath(cr, f.w * 0.22, f.h / 2, f.w * 0.2, f.h * 0.45);
            inkShape(cr, pal::ORANGE, 0, f.h, lw);
            cairo_arc(cr, f.w * 0.24, f.h / 2, f.h * 0.14, 0, 2 * M_PI);
            inkFlat(cr, pal::INK, 1);
            cairo_rectangle(cr, f.w * 0.4, f.h * 0.42, f.w * 0.5, f.h * 0.16);
            inkShape(cr, pal::BROWN, f.h * 0.42, f.h * 0.58, lw);
            cairo_rectangle(cr, f.w * 0.88, f.h * 0.3, f.w * 0.1, f.h * 0.4);
            inkFlat(cr, pal::BROWN, lw);
            break;
        }
    }
    cairo_translate(cr, -shake, 0);
    notes(cr, f);
}

void flames(cairo_t* cr, const Frame& f, double scale) {
    Rng rng("flame" + std::to_string(f.index));
    for (int i = 0; i < 3; ++i) {
        const double x = f.w * (0.3 + 0.2 * i) + rng.uniform(-2, 2), top = f.h * rng.uniform(0.05, 0.35);
        const double half = f.w * 0.22 * scale;
        cairo_move_to(cr, x - half, f.h - 2);
        cairo_curve_to(cr, x - half, f.h * 0.6, x - 2, f.h * 0.5, x, top);
        cairo_curve_to(cr, x + 2, f.h * 0.5, x + half, f.h * 0.6, x + half, f.h - 2);
        cairo_close_path(cr);
        cairo_pattern_t* g = cairo_pattern_create_linear(0, top, 0, f.h);
        cairo_pattern_add_color_stop_rgba(g, 0, 1, 0.9, 0.4, 0.9);
        cairo_pattern_add_color_stop_rgba(g, 0.6, 1, 0.45, 0.1, 1);
        cairo_pattern_add_color_stop_rgba(g, 1, 0.8, 0.15, 0.05, 1);
        cairo_set_source(cr, g);
        cairo_fill(cr);
        cairo_pattern_destroy(g);
    }
}

void fireball(cairo_t* cr, const Frame& f) {
    const double wob = std::sin(f.loop() * 2 * M_PI) * f.w * 0.08;
    cairo_move_to(cr, f.w / 2 + wob, 2);
    cairo_curve_to(cr, f.w * 0.9, f.h * 0.45, f.w, f.h * 0.75, f.w / 2, f.h - 2);
    cairo_curve_to(cr, 0, f.h * 0.75, f.w * 0.1, f.h * 0.45, f.w / 2 + wob, 2);
    cairo_pattern_t* g = cairo_pattern_create_radial(f.w / 2, f.h * 0.7, 2, f.w / 2, f.h * 0.6, f.h * 0.6);
    cairo_pattern_add_color_stop_rgb(g, 0, 1, 1, 0.8);
    cairo_pattern_add_color_stop_rgb(g, 0.4, 1, 0.7, 0.2);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.9, 0.2, 0.1);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

void blade(cairo_t* cr, const Frame& f, int teeth, Rgb c) {
    starPath(cr, f.w / 2, f.h / 2, std::min(f.w, f.h) / 2 - 1, std::min(f.w, f.h) * 0.34, teeth, 0);
    inkShape(cr, c, 0, f.h, 1.2);
    cairo_arc(cr, f.w / 2, f.h / 2, std::min(f.w, f.h) * 0.12, 0, 2 * M_PI);
    inkFlat(cr, pal::DARK, 1);
}

void shuriken(cairo_t* cr, const Frame& f, int points) {
    starPath(cr, f.w / 2, f.h / 2, std::min(f.w, f.h) / 2 - 1, std::min(f.w, f.h) * 0.14, points, 0);
    inkShape(cr, pal::LIGHT, 0, f.h, 1.2);
    cairo_arc(cr, f.w / 2, f.h / 2, 3, 0, 2 * M_PI);
    inkFlat(cr, pal::DARK, 1);
}

void lightning(cairo_t* cr, const Frame& f, Rgb c, const std::string& seed) {
    Rng rng(seed + std::to_string(f.index));
    for (int pass = 0; pass < 2; ++pass) {
        cairo_move_to(cr, f.w / 2, 0);
        for (int i = 1; i <= 8; ++i) cairo_line_to(cr, f.w / 2 + rng.uniform(-f.w * 0.4, f.w * 0.4), f.h * i / 8);
        setRgb(cr, pass ? pal::WHITE : c, pass ? 1.0 : 0.7);
        cairo_set_line_width(cr, pass ? 1.5 : 5);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke(cr);
    }
}

void electro(cairo_t* cr, const Frame& f) {
    softDot(cr, f.w / 2, f.h / 2, f.w / 2, pal::SKY, 0.6);
    Rng rng("electro" + std::to_string(f.index));
    for (int b = 0; b < 5; ++b) {
        double x = f.w / 2, y = f.h / 2;
        const double a = rng.uniform(0, 2 * M_PI);
        cairo_move_to(cr, x, y);
        for (int i = 0; i < 4; ++i) {
            x += std::cos(a) * f.w * 0.12 + rng.uniform(-4, 4);
            y += std::sin(a) * f.h * 0.12 + rng.uniform(-4, 4);
            cairo_line_to(cr, x, y);
        }
        setRgb(cr, pal::WHITE);
        cairo_set_line_width(cr, 1.8);
        cairo_stroke(cr);
    }
    cairo_arc(cr, f.w / 2, f.h / 2, f.w * 0.14, 0, 2 * M_PI);
    setRgb(cr, pal::WHITE);
    cairo_fill(cr);
}

void energyBall(cairo_t* cr, const Frame& f, Rgb c) {
    const double pulse = 0.85 + 0.15 * std::sin(f.loop() * 2 * M_PI);
    softDot(cr, f.w / 2, f.h / 2, f.w / 2 * pulse, c, 1);
    softDot(cr, f.w / 2, f.h / 2, f.w * 0.25 * pulse, pal::WHITE, 1);
    for (int i = 0; i < 3; ++i) {
        cairo_arc(cr, f.w / 2, f.h / 2, f.w * 0.35, f.loop() * 2 * M_PI + i * 2.1, f.loop() * 2 * M_PI + i * 2.1 + 0.8);
        setRgb(cr, pal::WHITE, 0.8);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    }
}

void itemBox(cairo_t* cr, const Frame& f, const std::function<void(cairo_t*)>& content) {
    cairo_save(cr);
    cairo_scale(cr, f.w / 32, f.h / 32);
    content(cr);
    cairo_restore(cr);
}

std::vector<std::pair<std::string, Paint>> paints() {
    std::vector<std::pair<std::string, Paint>> p;
    p.push_back({"coinRed", [](cairo_t* cr, const Frame& f) { coin(cr, f, 0); }});
    p.push_back({"coinGreen", [](cairo_t* cr, const Frame& f) { coin(cr, f, 1); }});
    p.push_back({"coinBlue", [](cairo_t* cr, const Frame& f) { coin(cr, f, 2); }});
    p.push_back({"wall8", [](cairo_t* cr, const Frame& f) {
                     cairo_rectangle(cr, f.w * 0.3, 4, f.w * 0.4, f.h - 6);
                     inkShape(cr, pal::GREY, 0, f.h, 1.5);
                     cairo_arc(cr, f.w / 2, 6, f.w * 0.3, 0, 2 * M_PI);
                     inkShape(cr, pal::YELLOW, 0, 12, 1.5);
                     lightning(cr, f, pal::YELLOW, "zap");
                 }});
    p.push_back({"wall12", [](cairo_t* cr, const Frame& f) {
                     cairo_rectangle(cr, 1, 1, f.w - 2, f.h - 2);
                     inkFlat(cr, pal::DARK, 1.5);
                     const double step = f.h / 6, off = f.loop() * step;
                     for (int i = -1; i < 7; ++i) {
                         cairo_rectangle(cr, 4, i * step + off + 1, f.w - 8, step - 2);
                         setRgb(cr, pal::GREY);
                         cairo_fill(cr);
                     }
                     cairo_rectangle(cr, 0, 0, 3, f.h);
                     cairo_rectangle(cr, f.w - 3, 0, 3, f.h);
                     setRgb(cr, pal::INK);
                     cairo_fill(cr);
                 }});
    p.push_back({"wall13", [](cairo_t* cr, const Frame& f) {
                     cairo_rectangle(cr, 0, 0, f.w, f.h);
                     setRgb(cr, {0.3, 0.65, 0.25});
                     cairo_fill(cr);
                     for (int i = 0; i < 8; ++i) {
                         cairo_rectangle(cr, 0, i * f.h / 8, f.w, f.h / 16);
                         setRgb(cr, {0.36, 0.72, 0.3});
                         cairo_fill(cr);
                     }
                     cairo_save(cr);
                     cairo_translate(cr, f.w / 2, f.h / 2);
                     cairo_rotate(cr, f.loop() * M_PI);
                     cairo_rectangle(cr, -f.w * 0.42, -3, f.w * 0.84, 6);
                     inkFlat(cr, pal::LIGHT, 1.5);
                     cairo_restore(cr);
                     cairo_arc(cr, f.w / 2, f.h / 2, 5, 0, 2 * M_PI);
                     inkFlat(cr, pal::RED, 1.5);
                 }});
    p.push_back({"wall14", [](cairo_t* cr, const Frame& f) {
                     cairo_arc(cr, f.w / 2, f.h / 2, f.w / 2 - 3, 0, 2 * M_PI);
                     inkShape(cr, pal::DARK, 0, f.h, 1.5);
                     for (int i = 0; i < 4; ++i) {
                         cairo_rectangle(cr, f.w / 2 - 2 + std::cos(i * M_PI / 2) * (f.w / 2 - 3),
                                         f.h / 2 - 2 + std::sin(i * M_PI / 2) * (f.h / 2 - 3), 4, 4);
                         inkFlat(cr, pal::GREY, 1);
                     }
                     if (f.index == 0) softDot(cr, f.w / 2, f.h / 2, 8, pal::RED, 1);
                     cairo_arc(cr, f.w / 2, f.h / 2, 3, 0, 2 * M_PI);
                     setRgb(cr, f.index == 0 ? pal::RED : shade(pal::RED, -0.6));
                     cairo_fill(cr);
                 }});
    const Rgb missileColours[5] = {pal::LIGHT, pal::SKY, pal::LIME, pal::ORANGE, pal::MAGENTA};
    p.push_back({"missile1", [c = missileColours[0]](cairo_t* cr, const Frame& f) { missile(cr, f, c); }});
    p.push_back({"ring", [](cairo_t* cr, const Frame& f) {
                     const double r = std::min(f.w, f.h) / 2 - 4;
                     cairo_arc(cr, f.w / 2, f.h / 2, r, 0, 2 * M_PI);
                     setRgb(cr, pal::WHITE, 0.5);
                     cairo_set_line_width(cr, 7);
                     cairo_stroke_preserve(cr);
                     setRgb(cr, pal::WHITE);
                     cairo_set_line_width(cr, 2 + (f.index % 2) * 1.5);
                     cairo_stroke(cr);
                 }});
    for (int i = 1; i < 5; ++i)
        p.push_back({"missile" + std::to_string(i + 1),
                     [c = missileColours[i]](cairo_t* cr, const Frame& f) { missile(cr, f, c); }});
    p.push_back({"bomb", [](cairo_t* cr, const Frame& f) {
                     cairo_arc(cr, f.w / 2, f.h * 0.58, f.w * 0.38, 0, 2 * M_PI);
                     inkShape(cr, pal::DARK, 0, f.h, 1.5);
                     glint(cr, f.w / 2, f.h * 0.58, f.w * 0.38);
                     cairo_move_to(cr, f.w / 2, f.h * 0.2);
                     cairo_line_to(cr, f.w * 0.7, f.h * 0.08);
                     setRgb(cr, pal::TAN);
                     cairo_set_line_width(cr, 2);
                     cairo_stroke(cr);
                     softDot(cr, f.w * 0.72, f.h * 0.08, 4 + (f.index % 2) * 2, pal::YELLOW, 1);
                 }});
    p.push_back({"explosion", explosion});
    p.push_back({"tennis", [](cairo_t* cr, const Frame& f) { ball(cr, f, pal::LIME, 2); }});
    p.push_back({"golf", [](cairo_t* cr, const Frame& f) { ball(cr, f, pal::WHITE, 0); }});
    p.push_back({"football", [](cairo_t* cr, const Frame& f) {
                     ellipsePath(cr, f.w / 2, f.h / 2, f.w / 2 - 1, f.h / 2 - 1);
                     inkShape(cr, pal::BROWN, 0, f.h, 1);
                     cairo_move_to(cr, f.w * 0.3, f.h / 2);
                     cairo_line_to(cr, f.w * 0.7, f.h / 2);
                     for (int i = 0; i < 4; ++i) {
                         cairo_move_to(cr, f.w * (0.36 + 0.08 * i), f.h * 0.38);
                         cairo_line_to(cr, f.w * (0.36 + 0.08 * i), f.h * 0.62);
                     }
                     setRgb(cr, pal::WHITE);
                     cairo_set_line_width(cr, 1);
                     cairo_stroke(cr);
                 }});
    p.push_back({"basketball", [](cairo_t* cr, const Frame& f) { ball(cr, f, pal::ORANGE, 2); }});
    p.push_back({"wreck", [](cairo_t* cr, const Frame& f) {
                     Rng rng("wreck");
                     for (int i = 0; i < 6; ++i) {
                         const double x = rng.uniform(4, f.w - 4), y = rng.uniform(4, f.h - 4);
                         cairo_save(cr);
                         cairo_translate(cr, x, y);
                         cairo_rotate(cr, rng.uniform(0, 6) + f.loop() * (i % 2 ? 1 : -1));
                         cairo_rectangle(cr, -5, -3, 10, 6);
                         inkFlat(cr, pal::LIGHT, 1);
                         cairo_restore(cr);
                     }
                     softDot(cr, f.w / 2, f.h / 2, f.w * 0.4, pal::WHITE, 0.4);
                 }});
    auto balloon = [](Rgb c, bool water) {
        return [c, water](cairo_t* cr, const Frame& f) {
            const double bob = std::sin(f.loop() * 2 * M_PI) * 1.5;
            cairo_move_to(cr, f.w / 2, f.h * 0.72 + bob);
            cairo_curve_to(cr, f.w * 0.45, f.h * 0.85, f.w * 0.55, f.h * 0.9, f.w / 2, f.h);
            setRgb(cr, pal::INK);
            cairo_set_line_width(cr, 1);
            cairo_stroke(cr);
            if (water) {
                cairo_arc(cr, f.w / 2, f.h * 0.45 + bob, f.w * 0.42, 0, 2 * M_PI);
            } else {
                ellipsePath(cr, f.w / 2, f.h * 0.38 + bob, f.w * 0.42, f.h * 0.34);
            }
            inkShape(cr, c, 0, f.h * 0.75, 1.2);
            glint(cr, f.w * 0.42, f.h * 0.33 + bob, f.w * 0.4);
        };
    };
    p.push_back({"balloon", balloon(pal::RED, false)});
    p.push_back({"balloon2", balloon(pal::SKY, true)});
    p.push_back(
        {"elim", spinning(
                     [](cairo_t* cr, const Frame& f) {
                         cairo_arc(cr, f.w / 2, f.h / 2, f.w * 0.38, 0, 2 * M_PI);
                         setRgb(cr, pal::RED);
                         cairo_set_line_width(cr, 2.5);
                         cairo_stroke(cr);
                         for (int i = 0; i < 4; ++i) {
                             const double a = i * M_PI / 2;
                             cairo_move_to(cr, f.w / 2 + std::cos(a) * f.w * 0.15, f.h / 2 + std::sin(a) * f.h * 0.15);
                             cairo_line_to(cr, f.w / 2 + std::cos(a) * f.w * 0.48, f.h / 2 + std::sin(a) * f.h * 0.48);
                         }
                         setRgb(cr, pal::WHITE);
                         cairo_set_line_width(cr, 2);
                         cairo_stroke(cr);
                     },
                     0.25)});
    p.push_back({"packet", pulsing([](cairo_t* cr, const Frame& f) {
                     cairo_rectangle(cr, 2, f.h * 0.2, f.w - 4, f.h * 0.6);
                     inkShape(cr, pal::WHITE, 0, f.h, 1.2);
                     cairo_move_to(cr, 2, f.h * 0.2);
                     cairo_line_to(cr, f.w / 2, f.h * 0.55);
                     cairo_line_to(cr, f.w - 2, f.h * 0.2);
                     setRgb(cr, pal::INK);
                     cairo_set_line_width(cr, 1.2);
                     cairo_stroke(cr);
                 })});
    p.push_back({"boomer", spinning([](cairo_t* cr, const Frame& f) {
                     cairo_move_to(cr, f.w * 0.15, f.h * 0.3);
                     cairo_curve_to(cr, f.w * 0.4, f.h * 0.55, f.w * 0.6, f.h * 0.55, f.w * 0.85, f.h * 0.3);
                     cairo_line_to(cr, f.w * 0.88, f.h * 0.45);
                     cairo_curve_to(cr, f.w * 0.6, f.h * 0.75, f.w * 0.4, f.h * 0.75, f.w * 0.12, f.h * 0.45);
                     cairo_close_path(cr);
                     inkShape(cr, pal::TAN, 0, f.h, 1.2);
                 })});
    p.push_back({"wave", [](cairo_t* cr, const Frame& f) {
                     const double off = f.loop() * f.w / 3;
                     cairo_move_to(cr, 0, f.h);
                     for (int i = 0; i <= 60; ++i) {
                         const double x = i * f.w / 60;
                         cairo_line_to(cr, x, f.h * 0.35 + std::sin((x + off) / f.w * 6 * M_PI) * f.h * 0.22);
                     }
                     cairo_line_to(cr, f.w, f.h);
                     cairo_close_path(cr);
                     inkShape(cr, pal::SKY, 0, f.h, 1.5);
                     for (int i = 0; i < 6; ++i)
                         softDot(cr, std::fmod(i * f.w / 6 + off, f.w), f.h * 0.25, 6, pal::WHITE, 0.9);
                 }});
    p.push_back({"dice", diceFace});
    p.push_back({"roulette", roulette});
    p.push_back({"rouletteBlock", rouletteBlock});
    p.push_back({"slots", slots});
    p.push_back({"cherry", [](cairo_t* cr, const Frame& f) {
                     cairo_move_to(cr, f.w * 0.3, f.h * 0.65);
                     cairo_curve_to(cr, f.w * 0.4, f.h * 0.3, f.w * 0.55, f.h * 0.15, f.w * 0.7, f.h * 0.1);
                     cairo_move_to(cr, f.w * 0.7, f.h * 0.65);
                     cairo_line_to(cr, f.w * 0.7, f.h * 0.1);
                     setRgb(cr, pal::GREEN);
                     cairo_set_line_width(cr, 2);
                     cairo_stroke(cr);
                     for (double x : {0.3, 0.7}) {
                         cairo_arc(cr, f.w * x, f.h * 0.72, f.w * 0.2, 0, 2 * M_PI);
                         inkShape(cr, pal::RED, f.h * 0.5, f.h, 1.2);
                         glint(cr, f.w * x, f.h * 0.72, f.w * 0.2);
                     }
                 }});
    p.push_back({"bar", [](cairo_t* cr, const Frame& f) {
                     roundRect(cr, 2, f.h * 0.28, f.w - 4, f.h * 0.44, 4);
                     inkShape(cr, pal::INK, 0, f.h, 1.2);
                     drawText(cr, "BAR", f.w / 2, f.h / 2, 11, Face::SANS_BOLD, pal::YELLOW);
                 }});
    p.push_back({"seven", [](cairo_t* cr, const Frame& f) { text(cr, f, "7", 30, pal::RED); }});
    p.push_back({"sax", [](cairo_t* cr, const Frame& f) { instrument(cr, f, 0); }});
    p.push_back({"piano", [](cairo_t* cr, const Frame& f) { instrument(cr, f, 1); }});
    p.push_back({"drum", [](cairo_t* cr, const Frame& f) { instrument(cr, f, 2); }});
    p.push_back({"trumpet", [](cairo_t* cr, const Frame& f) { instrument(cr, f, 3); }});
    p.push_back({"guitar", [](cairo_t* cr, const Frame& f) { instrument(cr, f, 4); }});
    p.push_back({"fire", [](cairo_t* cr, const Frame& f) { flames(cr, f, 1.0); }});
    p.push_back({"dezo", pulsing([](cairo_t* cr, const Frame& f) {  // spray can
                     roundRect(cr, f.w * 0.3, f.h * 0.25, f.w * 0.4, f.h * 0.7, 4);
                     inkShape(cr, pal::SKY, 0, f.h, 1.2);
                     cairo_rectangle(cr, f.w * 0.4, f.h * 0.1, f.w * 0.2, f.h * 0.15);
                     inkFlat(cr, pal::WHITE, 1);
                     softDot(cr, f.w * 0.75, f.h * 0.12, 6, pal::WHITE, 0.8);
                 })});
    p.push_back({"lacto", pulsing([](cairo_t* cr, const Frame& f) {  // milk carton
                     cairo_move_to(cr, f.w * 0.25, f.h * 0.35);
                     cairo_line_to(cr, f.w * 0.5, f.h * 0.08);
                     cairo_line_to(cr, f.w * 0.75, f.h * 0.35);
                     cairo_line_to(cr, f.w * 0.75, f.h * 0.95);
                     cairo_line_to(cr, f.w * 0.25, f.h * 0.95);
                     cairo_close_path(cr);
                     inkShape(cr, pal::WHITE, 0, f.h, 1.2);
                     cairo_rectangle(cr, f.w * 0.3, f.h * 0.5, f.w * 0.4, f.h * 0.2);
                     setRgb(cr, pal::BLUE);
                     cairo_fill(cr);
                 })});
    p.push_back({"vowel", [](cairo_t* cr, const Frame& f) {
                     const char* v[4] = {"A", "E", "I", "O"};
                     text(cr, f, v[f.index % 4], 24, pal::YELLOW);
                 }});
    p.push_back({"y2k", [](cairo_t* cr, const Frame& f) {
                     roundRect(cr, 2, 6, f.w - 4, f.h - 12, 4);
                     setRgb(cr, {0.9, 1, 0.9}, 0.8);
                     cairo_fill(cr);
                     drawText(cr, f.index % 2 ? "2000" : "1999", f.w / 2, f.h / 2, 10, Face::MONO_BOLD, pal::GREEN);
                 }});
    p.push_back({"island", [](cairo_t* cr, const Frame& f) {
                     ellipsePath(cr, f.w / 2, f.h * 0.7, f.w * 0.45, f.h * 0.22);
                     inkShape(cr, pal::TAN, f.h * 0.5, f.h, 1.2);
                     cairo_move_to(cr, f.w / 2, f.h * 0.65);
                     cairo_line_to(cr, f.w * 0.55, f.h * 0.25);
                     setRgb(cr, pal::BROWN);
                     cairo_set_line_width(cr, 2.5);
                     cairo_stroke(cr);
                     for (int i = 0; i < 4; ++i) {
                         const double a = -M_PI / 2 + (i - 1.5) * 0.7 + std::sin(f.loop() * 2 * M_PI) * 0.1;
                         ellipsePath(cr, f.w * 0.55 + std::cos(a) * 7, f.h * 0.25 + std::sin(a) * 5 + 4, 7, 3);
                         inkFlat(cr, pal::GREEN, 1);
                     }
                 }});
    p.push_back({"choc", pulsing([](cairo_t* cr, const Frame& f) {
                     cairo_rectangle(cr, f.w * 0.2, f.h * 0.1, f.w * 0.6, f.h * 0.8);
                     inkShape(cr, pal::BROWN, 0, f.h, 1.2);
                     for (int i = 1; i < 4; ++i) {
                         cairo_move_to(cr, f.w * 0.2, f.h * (0.1 + 0.2 * i));
                         cairo_line_to(cr, f.w * 0.8, f.h * (0.1 + 0.2 * i));
                     }
                     cairo_move_to(cr, f.w / 2, f.h * 0.1);
                     cairo_line_to(cr, f.w / 2, f.h * 0.9);
                     setRgb(cr, shade(pal::BROWN, -0.5));
                     cairo_set_line_width(cr, 1);
                     cairo_stroke(cr);
                 })});
    p.push_back({"door", [](cairo_t* cr, const Frame& f) {
                     cairo_rectangle(cr, f.w * 0.15, f.h * 0.05, f.w * 0.7, f.h * 0.9);
                     inkFlat(cr, pal::INK, 1.2);
                     const double open = 1.0 - 0.7 * f.loop();
                     cairo_rectangle(cr, f.w * 0.15, f.h * 0.05, f.w * 0.7 * open, f.h * 0.9);
                     inkShape(cr, pal::BROWN, 0, f.h, 1.2);
                     cairo_arc(cr, f.w * (0.15 + 0.6 * open), f.h / 2, 1.8, 0, 2 * M_PI);
                     setRgb(cr, pal::YELLOW);
                     cairo_fill(cr);
                 }});
    p.push_back({"can", [](cairo_t* cr, const Frame& f) {
                     const double squeeze = 0.6 + 0.4 * std::fabs(std::cos(f.loop() * M_PI));
                     roundRect(cr, f.w * (0.5 - 0.4 * squeeze), 2, f.w * 0.8 * squeeze, f.h - 4, 4);
                     inkShape(cr, pal::RED, 0, f.h, 1.2);
                     cairo_rectangle(cr, f.w * (0.5 - 0.4 * squeeze), f.h * 0.4, f.w * 0.8 * squeeze, f.h * 0.2);
                     setRgb(cr, pal::WHITE);
                     cairo_fill(cr);
                 }});
    p.push_back({"saute", spinning([](cairo_t* cr, const Frame& f) {
                     cairo_arc(cr, f.w * 0.4, f.h * 0.6, f.w * 0.3, 0, 2 * M_PI);
                     inkShape(cr, pal::DARK, 0, f.h, 1.2);
                     cairo_move_to(cr, f.w * 0.6, f.h * 0.4);
                     cairo_line_to(cr, f.w * 0.95, f.h * 0.08);
                     setRgb(cr, pal::BROWN);
                     cairo_set_line_width(cr, 3);
                     cairo_stroke(cr);
                     ellipsePath(cr, f.w * 0.4, f.h * 0.6, 6, 5);
                     inkFlat(cr, pal::YELLOW, 1);
                 })});
    p.push_back({"sq1", [](cairo_t* cr, const Frame& f) {
                     const double s = 0.6 + 0.4 * f.loop();
                     cairo_rectangle(cr, f.w * (1 - s) / 2, f.h * (1 - s) / 2, f.w * s, f.h * s);
                     setRgb(cr, pal::MAGENTA, 0.7);
                     cairo_fill_preserve(cr);
                     setRgb(cr, pal::WHITE);
                     cairo_set_line_width(cr, 2);
                     cairo_stroke(cr);
                 }});
    p.push_back({"bfg1", [](cairo_t* cr, const Frame& f) { energyBall(cr, f, pal::LIME); }});
    p.push_back({"bfg2", [](cairo_t* cr, const Frame& f) {
                     const double t = f.t();
                     softDot(cr, f.w / 2, f.h / 2, f.w / 2 * (0.5 + 0.5 * t), pal::LIME, 1 - t * 0.6);
                     softDot(cr, f.w / 2, f.h / 2, f.w * 0.3 * (1 - t * 0.5), pal::WHITE, 1 - t * 0.5);
                     cairo_arc(cr, f.w / 2, f.h / 2, f.w * (0.2 + 0.28 * t), 0, 2 * M_PI);
                     setRgb(cr, pal::WHITE, 0.8 * (1 - t));
                     cairo_set_line_width(cr, 4);
                     cairo_stroke(cr);
                 }});
    p.push_back({"tnt", [](cairo_t* cr, const Frame& f) {
                     for (int i = 0; i < 3; ++i) {
                         cairo_rectangle(cr, 2 + i * (f.w - 4) / 3, f.h * 0.25, (f.w - 4) / 3, f.h * 0.72);
                         inkShape(cr, pal::RED, f.h * 0.25, f.h, 1);
                     }
                     cairo_rectangle(cr, 1, f.h * 0.5, f.w - 2, f.h * 0.14);
                     inkFlat(cr, pal::TAN, 1);
                     cairo_move_to(cr, f.w / 2, f.h * 0.25);
                     cairo_line_to(cr, f.w * 0.65, f.h * 0.08);
                     setRgb(cr, pal::INK);
                     cairo_set_line_width(cr, 1.5);
                     cairo_stroke(cr);
                     softDot(cr, f.w * 0.66, f.h * 0.08, 4 + (f.index % 2) * 2, pal::YELLOW, 1);
                 }});
    p.push_back({"beamGreen", [](cairo_t* cr, const Frame& f) { beam(cr, f, pal::LIME); }});
    p.push_back({"beamRed", [](cairo_t* cr, const Frame& f) { beam(cr, f, pal::RED); }});
    p.push_back({"partizan", [](cairo_t* cr, const Frame& f) {
                     cairo_move_to(cr, f.w / 2, f.h * 0.3);
                     cairo_line_to(cr, f.w / 2, f.h);
                     setRgb(cr, pal::BROWN);
                     cairo_set_line_width(cr, 3);
                     cairo_stroke(cr);
                     cairo_move_to(cr, f.w / 2, 1);
                     cairo_line_to(cr, f.w * 0.65, f.h * 0.3);
                     cairo_line_to(cr, f.w * 0.35, f.h * 0.3);
                     cairo_close_path(cr);
                     inkShape(cr, pal::LIGHT, 0, f.h * 0.3, 1);
                     softDot(cr, f.w / 2, f.h * 0.15, 4 + 2 * (f.index % 2), pal::WHITE, 0.8);
                 }});
    p.push_back({"stupBeam", [](cairo_t* cr, const Frame& f) {
                     beam(cr, f, pal::YELLOW);
                     for (int i = 0; i < 4; ++i)
                         drawText(cr, "?", f.w / 2, std::fmod(i * f.h / 4 + f.loop() * f.h / 4, f.h), 14,
                                  Face::SANS_BOLD, pal::PURPLE);
                 }});
    p.push_back({"rockSmash", spinning(
                                  [](cairo_t* cr, const Frame& f) {
                                      cairo_move_to(cr, f.w * 0.2, f.h * 0.3);
                                      cairo_line_to(cr, f.w * 0.5, f.h * 0.08);
                                      cairo_line_to(cr, f.w * 0.85, f.h * 0.3);
                                      cairo_line_to(cr, f.w * 0.9, f.h * 0.7);
                                      cairo_line_to(cr, f.w * 0.55, f.h * 0.92);
                                      cairo_line_to(cr, f.w * 0.12, f.h * 0.75);
                                      cairo_close_path(cr);
                                      inkShape(cr, pal::GREY, 0, f.h, 1.2);
                                  },
                                  0.5)});
    p.push_back({"extendoVine", [](cairo_t* cr, const Frame& f) {
                     cairo_move_to(cr, f.w * 0.2, f.h);
                     cairo_curve_to(cr, f.w * 0.2, f.h * 0.4, f.w * 0.9, f.h * 0.6, f.w * 0.7, f.h * 0.1);
                     setRgb(cr, pal::GREEN);
                     cairo_set_line_width(cr, 3);
                     cairo_stroke(cr);
                     for (int i = 0; i < 3; ++i) {
                         ellipsePath(cr, f.w * (0.3 + 0.2 * i), f.h * (0.7 - 0.2 * i), 4 + (f.index % 2), 3);
                         inkFlat(cr, pal::LIME, 1);
                     }
                 }});
    p.push_back({"toxiBomb", [](cairo_t* cr, const Frame& f) {
                     cairo_arc(cr, f.w / 2, f.h * 0.55, f.w * 0.42, 0, 2 * M_PI);
                     inkShape(cr, pal::LIME, 0, f.h, 1.2);
                     drawText(cr, "\u2620", f.w / 2, f.h * 0.55, f.w * 0.5, Face::SANS_BOLD, pal::INK);
                     softDot(cr, f.w / 2, f.h * 0.08, 3 + (f.index % 2) * 2, pal::YELLOW, 1);
                 }});
    p.push_back({"qube", [](cairo_t* cr, const Frame& f) {
                     roundRect(cr, 2, 2, f.w - 4, f.h - 4, 5);
                     setRgb(cr, {0.7, 0.92, 1.0}, 0.85);
                     cairo_fill_preserve(cr);
                     setRgb(cr, pal::INK);
                     cairo_set_line_width(cr, 1.5);
                     cairo_stroke(cr);
                     const double y = 6 + f.loop() * (f.h - 16);
                     cairo_move_to(cr, 6, y + 8);
                     cairo_line_to(cr, f.w - 6, y);
                     setRgb(cr, pal::WHITE, 0.9);
                     cairo_set_line_width(cr, 3);
                     cairo_stroke(cr);
                 }});
    p.push_back({"ivy", [](cairo_t* cr, const Frame& f) {
                     for (int i = 0; i < 5; ++i) {
                         const double a = i * 2 * M_PI / 5 + f.loop() * 0.5;
                         cairo_save(cr);
                         cairo_translate(cr, f.w / 2 + std::cos(a) * 8, f.h / 2 + std::sin(a) * 8);
                         cairo_rotate(cr, a);
                         starPath(cr, 0, 0, 7, 3, 3, 0);
                         inkFlat(cr, pal::GREEN, 1);
                         cairo_restore(cr);
                     }
                 }});
    p.push_back({"egg", [](cairo_t* cr, const Frame& f) {
                     cairo_save(cr);
                     cairo_translate(cr, f.w / 2, f.h * 0.9);
                     cairo_rotate(cr, std::sin(f.loop() * 2 * M_PI) * 0.2);
                     ellipsePath(cr, 0, -f.h * 0.4, f.w * 0.32, f.h * 0.42);
                     inkShape(cr, {1.0, 0.97, 0.88}, -f.h * 0.8, 0, 1.2);
                     cairo_restore(cr);
                 }});
    p.push_back({"harv", spinning([](cairo_t* cr, const Frame& f) {
                     cairo_move_to(cr, f.w * 0.2, f.h * 0.9);
                     cairo_line_to(cr, f.w * 0.6, f.h * 0.2);
                     setRgb(cr, pal::BROWN);
                     cairo_set_line_width(cr, 2.5);
                     cairo_stroke(cr);
                     cairo_move_to(cr, f.w * 0.6, f.h * 0.2);
                     cairo_curve_to(cr, f.w * 0.9, f.h * 0.1, f.w, f.h * 0.4, f.w * 0.85, f.h * 0.55);
                     cairo_curve_to(cr, f.w * 0.85, f.h * 0.35, f.w * 0.75, f.h * 0.25, f.w * 0.6, f.h * 0.25);
                     inkFlat(cr, pal::LIGHT, 1);
                 })});
    p.push_back({"chair", spinning(
                              [](cairo_t* cr, const Frame& f) {
                                  cairo_rectangle(cr, f.w * 0.25, f.h * 0.5, f.w * 0.5, f.h * 0.1);
                                  inkFlat(cr, pal::BROWN, 1);
                                  cairo_rectangle(cr, f.w * 0.25, f.h * 0.15, f.w * 0.08, f.h * 0.75);
                                  cairo_rectangle(cr, f.w * 0.67, f.h * 0.5, f.w * 0.08, f.h * 0.4);
                                  inkFlat(cr, pal::BROWN, 1);
                              },
                              0.5)});
    p.push_back({"electro", electro});
    p.push_back({"cd", spinning([](cairo_t* cr, const Frame& f) {
                     cairo_arc(cr, f.w / 2, f.h / 2, f.w / 2 - 1, 0, 2 * M_PI);
                     cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, f.w, f.h);
                     cairo_pattern_add_color_stop_rgb(g, 0, 0.8, 0.8, 1);
                     cairo_pattern_add_color_stop_rgb(g, 0.5, 1, 0.8, 0.9);
                     cairo_pattern_add_color_stop_rgb(g, 1, 0.7, 1, 0.8);
                     cairo_set_source(cr, g);
                     cairo_fill_preserve(cr);
                     cairo_pattern_destroy(g);
                     setRgb(cr, pal::INK);
                     cairo_set_line_width(cr, 1);
                     cairo_stroke(cr);
                     cairo_arc(cr, f.w / 2, f.h / 2, 3, 0, 2 * M_PI);
                     setRgb(cr, pal::INK);
                     cairo_fill(cr);
                 })});
    p.push_back({"axe", spinning([](cairo_t* cr, const Frame& f) {
                     cairo_move_to(cr, f.w / 2, f.h * 0.1);
                     cairo_line_to(cr, f.w / 2, f.h * 0.95);
                     setRgb(cr, pal::BROWN);
                     cairo_set_line_width(cr, 3);
                     cairo_stroke(cr);
                     cairo_move_to(cr, f.w / 2, f.h * 0.12);
                     cairo_curve_to(cr, f.w * 0.95, f.h * 0.05, f.w * 0.95, f.h * 0.45, f.w / 2, f.h * 0.4);
                     cairo_close_path(cr);
                     inkShape(cr, pal::LIGHT, 0, f.h / 2, 1);
                 })});
    p.push_back({"plate", spinning(
                              [](cairo_t* cr, const Frame& f) {
                                  cairo_arc(cr, f.w / 2, f.h / 2, f.w / 2 - 1, 0, 2 * M_PI);
                                  inkFlat(cr, pal::WHITE, 1);
                                  cairo_arc(cr, f.w / 2, f.h / 2, f.w * 0.3, 0, 2 * M_PI);
                                  setRgb(cr, pal::SKY);
                                  cairo_set_line_width(cr, 1.5);
                                  cairo_stroke(cr);
                              },
                              0.25)});
    p.push_back({"fan", spinning(
                            [](cairo_t* cr, const Frame& f) {
                                for (int i = 0; i < 3; ++i) {
                                    cairo_save(cr);
                                    cairo_translate(cr, f.w / 2, f.h / 2);
                                    cairo_rotate(cr, i * 2 * M_PI / 3);
                                    ellipsePath(cr, 0, -f.h * 0.25, f.w * 0.12, f.h * 0.22);
                                    inkFlat(cr, pal::SKY, 1);
                                    cairo_restore(cr);
                                }
                                cairo_arc(cr, f.w / 2, f.h / 2, 3, 0, 2 * M_PI);
                                inkFlat(cr, pal::DARK, 1);
                            },
                            1.0 / 3)});
    p.push_back({"blade", spinning([](cairo_t* cr, const Frame& f) { blade(cr, f, 8, pal::LIGHT); }, 0.125)});
    p.push_back({"iceOrbix", [](cairo_t* cr, const Frame& f) {
                     cairo_arc(cr, f.w / 2, f.h / 2, f.w / 2 - 2, 0, 2 * M_PI);
                     setRgb(cr, pal::WHITE, 0.75);
                     cairo_fill_preserve(cr);
                     setRgb(cr, pal::WHITE);
                     cairo_set_line_width(cr, 2);
                     cairo_stroke(cr);
                     starPath(cr, f.w / 2, f.h / 2, f.w * 0.3, f.w * 0.08, 6, f.loop() * M_PI / 3);
                     setRgb(cr, {0.75, 0.9, 1.0});
                     cairo_fill(cr);
                 }});
    p.push_back({"korvanZap", [](cairo_t* cr, const Frame& f) { lightning(cr, f, pal::SKY, "korvan"); }});
    p.push_back({"shuriken3", spinning([](cairo_t* cr, const Frame& f) { shuriken(cr, f, 3); }, 1.0 / 3)});
    p.push_back({"shuriken4", spinning([](cairo_t* cr, const Frame& f) { shuriken(cr, f, 4); }, 0.25)});
    p.push_back({"deathMove", [](cairo_t* cr, const Frame& f) {
                     softDot(cr, f.w / 2, f.h / 2, f.w / 2, pal::PURPLE, 0.5 + 0.3 * (f.index % 2));
                     drawText(cr, "\u2620", f.w / 2, f.h / 2, f.w * 0.7, Face::SANS_BOLD, pal::WHITE, 1.5, pal::INK);
                 }});
    p.push_back({"suv", [](cairo_t* cr, const Frame& f) {
                     roundRect(cr, 3, 2, f.w - 6, f.h - 4, 4);
                     inkShape(cr, f.index % 2 ? pal::BLUE : shade(pal::BLUE, 0.1), 0, f.h, 1.2);
                     cairo_rectangle(cr, 5, f.h * 0.2, f.w - 10, f.h * 0.15);
                     cairo_rectangle(cr, 5, f.h * 0.7, f.w - 10, f.h * 0.12);
                     setRgb(cr, pal::SKY);
                     cairo_fill(cr);
                     for (double x : {1.0, f.w - 4})
                         for (double y : {f.h * 0.15, f.h * 0.72}) {
                             cairo_rectangle(cr, x, y, 3, 6);
                             setRgb(cr, pal::INK);
                             cairo_fill(cr);
                         }
                 }});
    p.push_back({"gnome", [](cairo_t* cr, const Frame& f) {
                     const double bob = (f.index % 2) * 1.0;
                     cairo_move_to(cr, f.w / 2, 1 + bob);
                     cairo_line_to(cr, f.w * 0.85, f.h * 0.4);
                     cairo_line_to(cr, f.w * 0.15, f.h * 0.4);
                     cairo_close_path(cr);
                     inkShape(cr, pal::RED, 0, f.h * 0.4, 1);
                     ellipsePath(cr, f.w / 2, f.h * 0.48, f.w * 0.22, f.h * 0.1);
                     inkFlat(cr, pal::SKIN, 1);
                     cairo_move_to(cr, f.w * 0.28, f.h * 0.55);
                     cairo_line_to(cr, f.w * 0.5, f.h * 0.75);
                     cairo_line_to(cr, f.w * 0.72, f.h * 0.55);
                     inkFlat(cr, pal::WHITE, 1);
                     cairo_rectangle(cr, f.w * 0.25, f.h * 0.72, f.w * 0.5, f.h * 0.26);
                     inkShape(cr, pal::BLUE, f.h * 0.7, f.h, 1);
                 }});
    p.push_back({"victual", pulsing([](cairo_t* cr, const Frame& f) {
                     itemBox(cr, f, [](cairo_t* c) {
                         cairo_arc(c, 16, 18, 10, 0, 2 * M_PI);
                         inkShape(c, pal::RED, 8, 28, 1.2);
                         cairo_move_to(c, 16, 8);
                         cairo_line_to(c, 18, 3);
                         setRgb(c, pal::BROWN);
                         cairo_set_line_width(c, 2);
                         cairo_stroke(c);
                         ellipsePath(c, 21, 6, 4, 2);
                         inkFlat(c, pal::GREEN, 1);
                         glint(c, 16, 18, 10);
                     });
                 })});
    p.push_back({"fuel", pulsing([](cairo_t* cr, const Frame& f) {
                     itemBox(cr, f, [](cairo_t* c) {
                         cairo_move_to(c, 7, 8);
                         cairo_line_to(c, 18, 4);
                         cairo_line_to(c, 25, 4);
                         cairo_line_to(c, 25, 29);
                         cairo_line_to(c, 7, 29);
                         cairo_close_path(c);
                         inkShape(c, pal::BLUE, 4, 29, 1.2);
                         drawText(c, "F", 16, 18, 12, Face::SANS_BOLD, pal::WHITE, 1, pal::INK);
                     });
                 })});
    p.push_back({"selfix", pulsing([](cairo_t* cr, const Frame& f) {
                     itemBox(cr, f, [](cairo_t* c) {
                         roundRect(c, 4, 4, 24, 24, 5);
                         inkShape(c, pal::WHITE, 4, 28, 1.2);
                         cairo_rectangle(c, 13, 8, 6, 16);
                         cairo_rectangle(c, 8, 13, 16, 6);
                         setRgb(c, pal::GREEN);
                         cairo_fill(c);
                     });
                 })});
    p.push_back({"gas2life", pulsing([](cairo_t* cr, const Frame& f) {
                     itemBox(cr, f, [](cairo_t* c) {
                         cairo_move_to(c, 9, 3);
                         cairo_curve_to(c, 12, 9, 15, 12, 15, 15);
                         cairo_arc(c, 9, 15, 6, 0, M_PI);
                         cairo_curve_to(c, 3, 12, 6, 9, 9, 3);
                         inkShape(c, pal::SKY, 3, 21, 1);
                         cairo_move_to(c, 15, 18);
                         cairo_line_to(c, 19, 18);
                         setRgb(c, pal::INK);
                         cairo_set_line_width(c, 1.5);
                         cairo_stroke(c);
                         heartPath(c, 23, 21, 14);
                         inkShape(c, pal::RED, 14, 28, 1);
                     });
                 })});
    p.push_back({"coinMulti", [](cairo_t* cr, const Frame& f) {
                     for (int i = 0; i < 3; ++i) {
                         cairo_save(cr);
                         cairo_translate(cr, 2 + i * 7, 12 - i * 5);
                         Frame small{16, 16, (f.index + i * 2) % 8, 8};
                         coin(cr, small, i);
                         cairo_restore(cr);
                     }
                 }});
    p.push_back({"club", spinning([](cairo_t* cr, const Frame& f) {
                     cairo_move_to(cr, f.w * 0.1, f.h * 0.55);
                     cairo_line_to(cr, f.w * 0.45, f.h * 0.5);
                     cairo_curve_to(cr, f.w * 0.6, f.h * 0.1, f.w * 0.95, f.h * 0.2, f.w * 0.92, f.h * 0.5);
                     cairo_curve_to(cr, f.w * 0.95, f.h * 0.8, f.w * 0.6, f.h * 0.9, f.w * 0.45, f.h * 0.6);
                     cairo_line_to(cr, f.w * 0.1, f.h * 0.65);
                     cairo_close_path(cr);
                     inkShape(cr, pal::BROWN, 0, f.h, 1.2);
                 })});
    p.push_back({"clock", [](cairo_t* cr, const Frame& f) {
                     cairo_save(cr);
                     cairo_translate(cr, f.w / 2, f.h / 2);
                     cairo_rotate(cr, (f.index % 2 ? 1 : -1) * 0.12);
                     cairo_translate(cr, -f.w / 2, -f.h / 2);
                     for (int s = -1; s <= 1; s += 2) {
                         cairo_arc(cr, f.w / 2 + s * 9, 7, 5, 0, 2 * M_PI);
                         inkFlat(cr, pal::YELLOW, 1);
                     }
                     cairo_arc(cr, f.w / 2, f.h * 0.56, f.w * 0.38, 0, 2 * M_PI);
                     inkShape(cr, pal::RED, 4, f.h, 1.2);
                     cairo_arc(cr, f.w / 2, f.h * 0.56, f.w * 0.28, 0, 2 * M_PI);
                     inkFlat(cr, pal::WHITE, 1);
                     cairo_move_to(cr, f.w / 2, f.h * 0.56);
                     cairo_line_to(cr, f.w / 2, f.h * 0.36);
                     cairo_move_to(cr, f.w / 2, f.h * 0.56);
                     cairo_line_to(cr, f.w * 0.64, f.h * 0.6);
                     setRgb(cr, pal::INK);
                     cairo_set_line_width(cr, 1.5);
                     cairo_stroke(cr);
                     cairo_restore(cr);
                 }});
    p.push_back({"fire2", fireball});
    p.push_back({"extendoVine2", [](cairo_t* cr, const Frame& f) {
                     cairo_rectangle(cr, f.w * 0.35, 0, f.w * 0.3, f.h);
                     setRgb(cr, pal::GREEN);
                     cairo_fill(cr);
                     for (int i = 0; i < 4; ++i) {
                         const double y = i * f.h / 4 + 8;
                         ellipsePath(cr, i % 2 ? f.w * 0.75 : f.w * 0.25, y, f.w * 0.24, 4 + (f.index % 2));
                         inkFlat(cr, pal::LIME, 1);
                     }
                 }});
    // Painted at 400 x 130, the size the round's end shows it at once it has grown: the
    // words are drawn at the size they are seen, never a small picture blown up.
    p.push_back({"youWin", [](cairo_t* cr, const Frame& f) {
                     plate(cr, 2, 2, f.w - 4, f.h - 4, pal::NAVY, 22);
                     const Rgb c = mix(pal::YELLOW, pal::WHITE, f.loop() * 0.6);
                     drawText(cr, "YOU WIN!", f.w / 2, f.h / 2, 62, Face::SANS_BOLD, c, 4.2, pal::INK);
                     for (int i = 0; i < 4; ++i) {
                         const double x = 30 + ((i + f.index) % 4) * (f.w - 60) / 3;
                         starPath(cr, x, i % 2 ? 20 : f.h - 20, 8.5, 3.6, 5, 0);
                         setRgb(cr, pal::WHITE);
                         cairo_fill(cr);
                     }
                 }});
    p.push_back({"opp1A", [](cairo_t* cr, const Frame& f) { energyBall(cr, f, pal::LIME); }});
    p.push_back({"opp2A", [](cairo_t* cr, const Frame& f) { energyBall(cr, f, pal::MAGENTA); }});
    for (const char* pts : {"200", "500", "1000"}) {
        const std::string label = pts;
        p.push_back({"points" + label, pulsing([label](cairo_t* cr, const Frame& f) {
                         text(cr, f, label, label.size() > 3 ? 11.5 : 14, pal::YELLOW);
                     })});
    }
    return p;
}

}  // namespace

void addBattlePainters(PainterRegistry& r) {
    for (auto& [name, paint] : paints()) r.add(name, paint);
}
