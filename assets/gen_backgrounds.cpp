// Battle backgrounds, one per location and later-stage variant. The game scrolls two
// stacked copies, so every feature that crosses the top or bottom edge is drawn again
// one screen height away, which makes the picture tile seamlessly. The HUD columns at
// the sides are dimmed so the HUD stays readable.
#include <cmath>
#include <functional>

#include "assets/painters.h"
#include "assets/style.h"

namespace {

// Runs `draw(y)` at y and at y ± height so shapes wrap over the top and bottom edges.
void wrapped(double height, double y, const std::function<void(double)>& draw) {
    draw(y);
    draw(y - height);
    draw(y + height);
}

void fillAll(cairo_t* cr, const Frame& f, Rgb c) {
    cairo_rectangle(cr, 0, 0, f.w, f.h);
    setRgb(cr, c);
    cairo_fill(cr);
}

void sideColumns(cairo_t* cr, const Frame& f) {
    for (double x : {0.0, f.w - 100}) {
        cairo_rectangle(cr, x, 0, 100, f.h);
        setRgb(cr, pal::INK, 0.45);
        cairo_fill(cr);
    }
    cairo_rectangle(cr, 99, 0, 2, f.h);
    cairo_rectangle(cr, f.w - 101, 0, 2, f.h);
    setRgb(cr, pal::WHITE, 0.15);
    cairo_fill(cr);
}

void space(cairo_t* cr, const Frame& f, Rgb deep, Rgb nebula, const std::string& seed) {
    fillAll(cr, f, deep);
    Rng rng(seed);
    for (int i = 0; i < 14; ++i) {
        const double x = rng.uniform(0, f.w), y = rng.uniform(0, f.h), r = rng.uniform(80, 200);
        const Rgb c = mix(nebula, deep, rng.uniform(0, 0.5));
        wrapped(f.h, y, [&](double yy) { softDot(cr, x, yy, r, c, 0.22); });
    }
    for (int i = 0; i < 420; ++i) {
        const double x = rng.uniform(0, f.w), y = rng.uniform(0, f.h), s = rng.uniform(0.4, 1.5);
        const double a = rng.uniform(0.3, 1.0);
        wrapped(f.h, y, [&](double yy) {
            cairo_arc(cr, x, yy, s, 0, 2 * M_PI);
            setRgb(cr, pal::WHITE, a);
            cairo_fill(cr);
        });
    }
    for (int i = 0; i < 3; ++i) {
        const double x = rng.uniform(150, 650), y = rng.uniform(0, f.h), r = rng.uniform(14, 40);
        const Rgb c = mix(nebula, pal::WHITE, 0.3);
        wrapped(f.h, y, [&](double yy) {
            cairo_pattern_t* g = cairo_pattern_create_radial(x - r * 0.4, yy - r * 0.4, r * 0.1, x, yy, r);
            cairo_pattern_add_color_stop_rgb(g, 0, c.r, c.g, c.b);
            cairo_pattern_add_color_stop_rgb(g, 1, deep.r * 1.2, deep.g * 1.2, deep.b * 1.2);
            cairo_arc(cr, x, yy, r, 0, 2 * M_PI);
            cairo_set_source(cr, g);
            cairo_fill(cr);
            cairo_pattern_destroy(g);
        });
    }
}

void forest(cairo_t* cr, const Frame& f, double dusk) {
    fillAll(cr, f, mix({0.16, 0.32, 0.14}, {0.1, 0.12, 0.2}, dusk));
    Rng rng("forest");
    // A winding dirt path.
    // One full sine period per screen height, so the path meets itself across the seam.
    for (int i = -2; i <= 62; ++i) cairo_line_to(cr, 400 + 70 * std::sin(i * 2 * M_PI / 60), i * f.h / 60);
    setRgb(cr, mix({0.45, 0.35, 0.2}, {0.2, 0.2, 0.3}, dusk));
    cairo_set_line_width(cr, 46);
    cairo_stroke(cr);
    for (int i = 0; i < 90; ++i) {
        const double x = rng.uniform(0, f.w), y = rng.uniform(0, f.h), r = rng.uniform(18, 42);
        const Rgb c = mix(mix(pal::GREEN, {0.1, 0.35, 0.15}, rng.uniform(0, 1)), {0.1, 0.1, 0.25}, dusk);
        wrapped(f.h, y, [&](double yy) {
            cairo_arc(cr, x + 5, yy + 6, r, 0, 2 * M_PI);
            setRgb(cr, {0, 0, 0}, 0.25);
            cairo_fill(cr);
            cairo_arc(cr, x, yy, r, 0, 2 * M_PI);
            fillShaded(cr, c, yy - r, yy + r);
            cairo_new_path(cr);
            for (int k = 0; k < 3; ++k) softDot(cr, x - r * 0.3 + k * 6, yy - r * 0.3, r * 0.35, shade(c, 0.3), 0.5);
        });
    }
}

void base(cairo_t* cr, const Frame& f, Rgb floor, Rgb stripe) {
    fillAll(cr, f, floor);
    for (int row = 0; row < 10; ++row)
        for (int col = 0; col < 14; ++col) {
            const double x = col * 60, y = row * 60;
            cairo_rectangle(cr, x + 2, y + 2, 56, 56);
            fillShaded(cr, shade(floor, ((row + col) % 2) ? 0.05 : -0.05), y, y + 60);
            setRgb(cr, shade(floor, -0.5));
            cairo_set_line_width(cr, 1.5);
            cairo_stroke(cr);
            for (double dx : {7.0, 53.0})
                for (double dy : {7.0, 53.0}) {
                    cairo_arc(cr, x + dx, y + dy, 1.8, 0, 2 * M_PI);
                    setRgb(cr, shade(floor, 0.4));
                    cairo_fill(cr);
                }
        }
    // Warning stripes along the field edges and glowing lights.
    for (double x : {112.0, 676.0}) {
        cairo_save(cr);
        cairo_rectangle(cr, x, 0, 12, f.h);
        cairo_clip(cr);
        setRgb(cr, pal::INK);
        cairo_paint(cr);
        for (int i = -1; i < 40; ++i) {
            cairo_move_to(cr, x, i * 20);
            cairo_line_to(cr, x + 12, i * 20 + 12);
            cairo_line_to(cr, x + 12, i * 20 + 22);
            cairo_line_to(cr, x, i * 20 + 10);
            cairo_close_path(cr);
        }
        setRgb(cr, stripe);
        cairo_fill(cr);
        cairo_restore(cr);
    }
    for (int i = 0; i < 5; ++i) softDot(cr, 400, 60 + i * 120, 30, stripe, 0.35);
}

void mystic(cairo_t* cr, const Frame& f, Rgb ground, Rgb glow, bool cracks) {
    fillAll(cr, f, ground);
    Rng rng(cracks ? "mysticA" : "mystic");
    for (int i = 0; i < 40; ++i) {
        const double x = rng.uniform(0, f.w), y = rng.uniform(0, f.h), r = rng.uniform(30, 90);
        wrapped(f.h, y, [&](double yy) { softDot(cr, x, yy, r, shade(ground, -0.4), 0.4); });
    }
    // Crystals and standing stones scattered over the ground.
    for (int i = 0; i < 26; ++i) {
        const double x = rng.uniform(110, 690), y = rng.uniform(0, f.h), s = rng.uniform(5, 11);
        const bool crystal = i % 2 == 0;
        wrapped(f.h, y, [&](double yy) {
            if (crystal) {
                softDot(cr, x, yy, s * 2.2, glow, 0.25);
                cairo_move_to(cr, x, yy - s * 1.6);
                cairo_line_to(cr, x + s * 0.7, yy);
                cairo_line_to(cr, x, yy + s * 0.9);
                cairo_line_to(cr, x - s * 0.7, yy);
                cairo_close_path(cr);
                inkShape(cr, mix(glow, pal::WHITE, 0.3), yy - s * 1.6, yy + s, 1.2);
            } else {
                ellipsePath(cr, x, yy, s * 1.1, s * 0.8);
                inkShape(cr, shade(ground, 0.25), yy - s, yy + s, 1.2);
            }
        });
    }
    for (int i = 0; i < 7; ++i) {
        const double x = rng.uniform(160, 640), y = rng.uniform(0, f.h), r = rng.uniform(30, 60);
        wrapped(f.h, y, [&](double yy) {
            softDot(cr, x, yy, r * 1.3, glow, 0.25);
            cairo_arc(cr, x, yy, r, 0, 2 * M_PI);
            cairo_arc(cr, x, yy, r * 0.7, 0, 2 * M_PI);
            setRgb(cr, glow, 0.6);
            cairo_set_line_width(cr, 2);
            cairo_stroke(cr);
            starPath(cr, x, yy, r * 0.68, r * 0.25, 5, 0);
            setRgb(cr, glow, 0.45);
            cairo_stroke(cr);
        });
    }
    if (cracks) {
        for (int i = 0; i < 12; ++i) {
            double x = rng.uniform(0, f.w), y = rng.uniform(0, f.h);
            const double y0 = y;
            wrapped(f.h, y0, [&](double yy) {
                Rng local(std::to_string(i));
                double cx = x, cy = yy;
                cairo_move_to(cr, cx, cy);
                for (int k = 0; k < 6; ++k) {
                    cx += local.uniform(-25, 25);
                    cy += local.uniform(8, 30);
                    cairo_line_to(cr, cx, cy);
                }
                setRgb(cr, pal::ORANGE, 0.8);
                cairo_set_line_width(cr, 3);
                cairo_stroke(cr);
            });
        }
    }
}

void outskirts(cairo_t* cr, const Frame& f, double dusk) {
    fillAll(cr, f, mix({0.72, 0.6, 0.42}, {0.35, 0.25, 0.35}, dusk));
    Rng rng("outskirts");
    // A road down the middle with dashes.
    cairo_rectangle(cr, 330, 0, 140, f.h);
    setRgb(cr, mix(pal::DARK, {0.15, 0.12, 0.2}, dusk));
    cairo_fill(cr);
    for (int i = 0; i < 10; ++i) cairo_rectangle(cr, 396, i * 60 + 10, 8, 34);
    setRgb(cr, pal::YELLOW, 0.85);
    cairo_fill(cr);
    for (int i = 0; i < 60; ++i) {
        const double x = rng.uniform(0, f.w), y = rng.uniform(0, f.h), r = rng.uniform(3, 10);
        if (x > 320 && x < 480) continue;
        wrapped(f.h, y, [&](double yy) {
            ellipsePath(cr, x, yy, r, r * 0.7);
            inkFlat(cr, mix(pal::TAN, pal::BROWN, 0.5), 1, 0.9);
        });
    }
    // Rooftops of houses beside the road.
    for (int i = 0; i < 8; ++i) {
        const double x = i % 2 ? rng.uniform(490, 620) : rng.uniform(120, 250), y = i * 75.0 + rng.uniform(0, 20);
        const Rgb roof = mix(i % 3 ? pal::RED : pal::BLUE, {0.2, 0.1, 0.3}, dusk * 0.6);
        wrapped(f.h, y, [&](double yy) {
            cairo_rectangle(cr, x, yy, 70, 50);
            inkShape(cr, roof, yy, yy + 50, 2);
            cairo_move_to(cr, x, yy + 25);
            cairo_line_to(cr, x + 70, yy + 25);
            setRgb(cr, shade(roof, -0.4));
            cairo_set_line_width(cr, 2);
            cairo_stroke(cr);
            if (dusk > 0) softDot(cr, x + 80, yy + 25, 14, pal::YELLOW, 0.6);
        });
    }
}

void headquarters(cairo_t* cr, const Frame& f, Rgb metal, Rgb light, int variant) {
    fillAll(cr, f, metal);
    for (int row = 0; row < 5; ++row)
        for (int col = 0; col < 4; ++col) {
            const double x = 100 + col * 150, y = row * 120;
            roundRect(cr, x + 8, y + 8, 134, 104, 10);
            fillShaded(cr, shade(metal, 0.12), y, y + 120);
            setRgb(cr, pal::INK);
            cairo_set_line_width(cr, 2);
            cairo_stroke(cr);
            cairo_rectangle(cr, x + 30, y + 52, 90, 16);
            setRgb(cr, shade(metal, -0.5));
            cairo_fill(cr);
        }
    // Conduits with lights running the full height.
    for (int i = 0; i < 3 + variant; ++i) {
        const double x = 175 + i * (450.0 / (2 + variant));
        cairo_rectangle(cr, x - 3, 0, 6, f.h);
        setRgb(cr, light, 0.75);
        cairo_fill(cr);
        for (int k = 0; k < 6; ++k) softDot(cr, x, k * 100 + 50, 14, light, 0.5);
    }
    if (variant == 2) {
        Rng rng("hq");
        for (int i = 0; i < 25; ++i) {
            const double x = rng.uniform(120, 680), y = rng.uniform(0, f.h);
            wrapped(f.h, y, [&](double yy) { softDot(cr, x, yy, rng.uniform(20, 40), pal::RED, 0.25); });
        }
    }
}

void add(PainterRegistry& r, const std::string& name, std::function<void(cairo_t*, const Frame&)> paint) {
    r.add(name, [paint](cairo_t* cr, const Frame& f) {
        paint(cr, f);
        sideColumns(cr, f);
    });
}

}  // namespace

void addBackgroundPainters(PainterRegistry& r) {
    add(r, "bg0", [](cairo_t* cr, const Frame& f) { space(cr, f, {0.03, 0.04, 0.12}, {0.2, 0.3, 0.7}, "bg0"); });
    add(r, "bg1", [](cairo_t* cr, const Frame& f) { forest(cr, f, 0.0); });
    add(r, "bg2", [](cairo_t* cr, const Frame& f) { base(cr, f, {0.38, 0.42, 0.45}, pal::YELLOW); });
    add(r, "bg3", [](cairo_t* cr, const Frame& f) { mystic(cr, f, {0.28, 0.18, 0.38}, {0.6, 0.9, 1.0}, false); });
    add(r, "bg3a", [](cairo_t* cr, const Frame& f) { mystic(cr, f, {0.18, 0.1, 0.2}, {1.0, 0.5, 0.8}, true); });
    add(r, "bg4", [](cairo_t* cr, const Frame& f) { space(cr, f, {0.1, 0.02, 0.12}, {0.8, 0.2, 0.6}, "bg4"); });
    add(r, "bg4a", [](cairo_t* cr, const Frame& f) { space(cr, f, {0.02, 0.1, 0.12}, {0.1, 0.8, 0.7}, "bg4a"); });
    add(r, "bg5", [](cairo_t* cr, const Frame& f) { outskirts(cr, f, 0.0); });
    add(r, "bg5a", [](cairo_t* cr, const Frame& f) { outskirts(cr, f, 0.7); });
    add(r, "bg6", [](cairo_t* cr, const Frame& f) { headquarters(cr, f, {0.3, 0.26, 0.3}, pal::SKY, 0); });
    add(r, "bg6a", [](cairo_t* cr, const Frame& f) { headquarters(cr, f, {0.32, 0.2, 0.22}, pal::ORANGE, 1); });
    add(r, "bg6b", [](cairo_t* cr, const Frame& f) { headquarters(cr, f, {0.22, 0.1, 0.12}, pal::RED, 2); });
}
