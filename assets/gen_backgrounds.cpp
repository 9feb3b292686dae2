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

// The forest seen from above at night-blue shade: tree crowns in dark teal and slate,
// close in lightness, so green coins, green enemies and the green ship stay readable.
void forest(cairo_t* cr, const Frame& f) {
    const Rgb floor{0.09, 0.14, 0.17};
    fillAll(cr, f, floor);
    Rng rng("forest");
    // A narrow, dim path; one sine period per screen height so it meets itself at the seam.
    for (int i = -2; i <= 62; ++i) cairo_line_to(cr, 400 + 90 * std::sin(i * 2 * M_PI / 60), i * f.h / 60);
    setRgb(cr, {0.2, 0.19, 0.2});
    cairo_set_line_width(cr, 26);
    cairo_stroke(cr);
    for (int i = 0; i < 110; ++i) {
        const double x = rng.uniform(0, f.w), y = rng.uniform(0, f.h), r = rng.uniform(18, 40);
        const Rgb c = mix({0.1, 0.2, 0.24}, {0.16, 0.22, 0.3}, rng.uniform(0, 1));
        wrapped(f.h, y, [&](double yy) {
            cairo_arc(cr, x + 4, yy + 5, r, 0, 2 * M_PI);
            setRgb(cr, {0, 0, 0}, 0.18);
            cairo_fill(cr);
            cairo_arc(cr, x, yy, r, 0, 2 * M_PI);
            setRgb(cr, c);
            cairo_fill(cr);
            softDot(cr, x - r * 0.25, yy - r * 0.3, r * 0.6, shade(c, 0.12), 0.5);
        });
    }
}

// Esoteric space: no stars to speak of, but slow ribbons of light and faint drifting
// shapes, dim enough that everything in the fight sits in front of them.
void esoteric(cairo_t* cr, const Frame& f, Rgb deep, Rgb ribbon, const std::string& seed) {
    fillAll(cr, f, deep);
    Rng rng(seed);
    for (int band = 0; band < 4; ++band) {
        const double x0 = rng.uniform(150, 650), amp = rng.uniform(60, 160), w = rng.uniform(30, 70);
        const double phase = rng.uniform(0, 2 * M_PI);
        const int waves = rng.range(1, 2);
        for (int i = 0; i <= 60; ++i) {
            const double y = i * f.h / 60;
            const double x = x0 + amp * std::sin(phase + waves * 2 * M_PI * i / 60);
            i ? cairo_line_to(cr, x, y) : cairo_move_to(cr, x, y);
        }
        setRgb(cr, ribbon, 0.07);
        cairo_set_line_width(cr, w);
        cairo_stroke_preserve(cr);
        setRgb(cr, ribbon, 0.1);
        cairo_set_line_width(cr, w * 0.3);
        cairo_stroke(cr);
    }
    for (int i = 0; i < 14; ++i) {
        const double x = rng.uniform(0, f.w), y = rng.uniform(0, f.h), r = rng.uniform(14, 34);
        const int sides = rng.range(3, 6);
        const double turn = rng.uniform(0, M_PI);
        wrapped(f.h, y, [&](double yy) {
            for (int k = 0; k <= sides; ++k) {
                const double a = turn + 2 * M_PI * k / sides;
                k ? cairo_line_to(cr, x + std::cos(a) * r, yy + std::sin(a) * r)
                  : cairo_move_to(cr, x + std::cos(a) * r, yy + std::sin(a) * r);
            }
            setRgb(cr, mix(ribbon, pal::WHITE, 0.3), 0.16);
            cairo_set_line_width(cr, 1.5);
            cairo_stroke(cr);
        });
    }
    for (int i = 0; i < 60; ++i) {
        const double x = rng.uniform(0, f.w), y = rng.uniform(0, f.h);
        cairo_arc(cr, x, y, rng.uniform(0.4, 1.0), 0, 2 * M_PI);
        setRgb(cr, pal::WHITE, rng.uniform(0.2, 0.5));
        cairo_fill(cr);
    }
}

void base(cairo_t* cr, const Frame& f, Rgb floor, Rgb stripe) {
    fillAll(cr, f, floor);
    for (int row = 0; row < 10; ++row)
        for (int col = 0; col < 14; ++col) {
            const double x = col * 60, y = row * 60;
            cairo_rectangle(cr, x + 2, y + 2, 56, 56);
            fillShaded(cr, shade(floor, ((row + col) % 2) ? 0.03 : -0.03), y, y + 60);
            setRgb(cr, shade(floor, -0.35));
            cairo_set_line_width(cr, 1.5);
            cairo_stroke(cr);
            for (double dx : {7.0, 53.0})
                for (double dy : {7.0, 53.0}) {
                    cairo_arc(cr, x + dx, y + dy, 1.5, 0, 2 * M_PI);
                    setRgb(cr, shade(floor, 0.2));
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
    for (int i = 0; i < 5; ++i) softDot(cr, 400, 60 + i * 120, 24, stripe, 0.18);
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
                // Dim, so a crystal never passes for a shot.
                cairo_move_to(cr, x, yy - s * 1.6);
                cairo_line_to(cr, x + s * 0.7, yy);
                cairo_line_to(cr, x, yy + s * 0.9);
                cairo_line_to(cr, x - s * 0.7, yy);
                cairo_close_path(cr);
                inkShape(cr, mix(ground, glow, 0.35), yy - s * 1.6, yy + s, 1.2);
            } else {
                ellipsePath(cr, x, yy, s * 1.1, s * 0.8);
                inkShape(cr, shade(ground, 0.25), yy - s, yy + s, 1.2);
            }
        });
    }
    for (int i = 0; i < 7; ++i) {
        const double x = rng.uniform(160, 640), y = rng.uniform(0, f.h), r = rng.uniform(30, 60);
        wrapped(f.h, y, [&](double yy) {
            softDot(cr, x, yy, r * 1.3, glow, 0.12);
            cairo_arc(cr, x, yy, r, 0, 2 * M_PI);
            cairo_arc(cr, x, yy, r * 0.7, 0, 2 * M_PI);
            setRgb(cr, glow, 0.3);
            cairo_set_line_width(cr, 1.5);
            cairo_stroke(cr);
            starPath(cr, x, yy, r * 0.68, r * 0.25, 5, 0);
            setRgb(cr, glow, 0.22);
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
                setRgb(cr, pal::ORANGE, 0.45);
                cairo_set_line_width(cr, 2);
                cairo_stroke(cr);
            });
        }
    }
}

// Farmland outside the capital: a patchwork of fields in close, muted tones with thin
// hedges between them. The road and the houses keep to the HUD columns, so nothing in
// the play area looks like a coin or splits the field at the centre line.
void outskirts(cairo_t* cr, const Frame& f, double dusk) {
    const Rgb soil = mix({0.19, 0.22, 0.22}, {0.16, 0.13, 0.22}, dusk);
    fillAll(cr, f, soil);
    Rng rng("outskirts");
    const double rowH = f.h / 5;
    for (int row = 0; row < 5; ++row) {
        double x = 0;
        while (x < f.w) {
            const double w = rng.uniform(110, 210);
            const Rgb c = mix(soil, rng.range(0, 1) ? Rgb{0.22, 0.28, 0.24} : Rgb{0.28, 0.26, 0.22}, 0.7 - dusk * 0.3);
            cairo_rectangle(cr, x + 3, row * rowH + 3, w - 6, rowH - 6);
            setRgb(cr, c);
            cairo_fill(cr);
            // Furrows: faint lines along the field.
            for (double fy = row * rowH + 10; fy < (row + 1) * rowH - 6; fy += 9) {
                cairo_move_to(cr, x + 6, fy);
                cairo_line_to(cr, x + w - 6, fy);
            }
            setRgb(cr, shade(c, -0.12), 0.6);
            cairo_set_line_width(cr, 1);
            cairo_stroke(cr);
            x += w;
        }
    }
    // The road and the cottages in the left column.
    cairo_rectangle(cr, 30, 0, 40, f.h);
    setRgb(cr, mix({0.3, 0.29, 0.3}, {0.15, 0.13, 0.2}, dusk));
    cairo_fill(cr);
    for (int i = 0; i < 10; ++i) cairo_rectangle(cr, 48, i * 60 + 10, 4, 30);
    setRgb(cr, pal::WHITE, 0.5);
    cairo_fill(cr);
    for (int i = 0; i < 4; ++i) {
        const double x = i % 2 ? 715 : 722, y = i * 150.0 + 40;
        const Rgb roof = mix({0.55, 0.3, 0.25}, {0.25, 0.15, 0.3}, dusk * 0.6);
        cairo_rectangle(cr, x, y, 56, 44);
        inkShape(cr, roof, y, y + 44, 2);
        cairo_move_to(cr, x, y + 22);
        cairo_line_to(cr, x + 56, y + 22);
        setRgb(cr, shade(roof, -0.4));
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        if (dusk > 0) softDot(cr, x - 6, y + 22, 12, pal::YELLOW, 0.5);
    }
}

// The enemy's headquarters: a dark floor of large panels with hairline seams; the
// conduits and their lights run down the HUD columns only. Later stages change the
// lights' colour and let warning glows creep in at the field edges.
void headquarters(cairo_t* cr, const Frame& f, Rgb metal, Rgb light, int variant) {
    fillAll(cr, f, metal);
    for (int row = 0; row < 5; ++row)
        for (int col = 0; col < 4; ++col) {
            const double x = 100 + col * 150, y = row * 120;
            roundRect(cr, x + 4, y + 4, 142, 112, 8);
            setRgb(cr, shade(metal, (row + col) % 2 ? 0.04 : -0.02));
            cairo_fill_preserve(cr);
            setRgb(cr, shade(metal, -0.4));
            cairo_set_line_width(cr, 1);
            cairo_stroke(cr);
        }
    for (double x : {40.0, 60.0, 740.0, 760.0}) {
        cairo_rectangle(cr, x - 3, 0, 6, f.h);
        setRgb(cr, light, 0.7);
        cairo_fill(cr);
        for (int k = 0; k < 6; ++k) softDot(cr, x, k * 100 + 50, 12, light, 0.45);
    }
    for (int i = 0; i < variant * 3; ++i) {
        const double y = i * f.h / (variant * 3);
        for (double x : {104.0, 696.0}) softDot(cr, x, y, 30, light, 0.18);
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
    add(r, "bg1", forest);
    add(r, "bg2", [](cairo_t* cr, const Frame& f) { base(cr, f, {0.22, 0.24, 0.18}, pal::YELLOW); });
    add(r, "bg3", [](cairo_t* cr, const Frame& f) { mystic(cr, f, {0.17, 0.12, 0.26}, {0.6, 0.9, 1.0}, false); });
    add(r, "bg3a", [](cairo_t* cr, const Frame& f) { mystic(cr, f, {0.18, 0.1, 0.2}, {1.0, 0.5, 0.8}, true); });
    add(r, "bg4", [](cairo_t* cr, const Frame& f) { esoteric(cr, f, {0.08, 0.03, 0.12}, {0.9, 0.3, 0.8}, "bg4"); });
    add(r, "bg4a", [](cairo_t* cr, const Frame& f) { esoteric(cr, f, {0.02, 0.08, 0.1}, {0.2, 0.9, 0.8}, "bg4a"); });
    add(r, "bg5", [](cairo_t* cr, const Frame& f) { outskirts(cr, f, 0.0); });
    add(r, "bg5a", [](cairo_t* cr, const Frame& f) { outskirts(cr, f, 0.7); });
    add(r, "bg6", [](cairo_t* cr, const Frame& f) { headquarters(cr, f, {0.14, 0.16, 0.22}, pal::SKY, 0); });
    add(r, "bg6a", [](cairo_t* cr, const Frame& f) { headquarters(cr, f, {0.16, 0.13, 0.18}, pal::ORANGE, 1); });
    add(r, "bg6b", [](cairo_t* cr, const Frame& f) { headquarters(cr, f, {0.15, 0.09, 0.11}, pal::RED, 2); });
}
