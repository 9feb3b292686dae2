// Wall sprites: stretched over the wall's rectangle, faded and flashed red by the game,
// so each is a full-box texture with a clear material.
#include <cmath>

#include "assets/painters.h"
#include "assets/style.h"

namespace {

void block(cairo_t* cr, const Frame& f, Rgb c) {
    cairo_rectangle(cr, 1, 1, f.w - 2, f.h - 2);
    inkShape(cr, c, 0, f.h, 2);
}

void lines(cairo_t* cr, Rgb c, double width) {
    setRgb(cr, c);
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
}

}  // namespace

void addWallPainters(PainterRegistry& r) {
    r.add("wall0", [](cairo_t* cr, const Frame& f) {  // paper
        block(cr, f, {0.95, 0.95, 0.92});
        for (int i = 0; i < 7; ++i) {
            cairo_move_to(cr, 8, 10 + i * 7.5);
            cairo_line_to(cr, f.w - 8, 10 + i * 7.5);
        }
        lines(cr, {0.6, 0.7, 0.9}, 1);
        cairo_move_to(cr, 14, 2);
        cairo_line_to(cr, 14, f.h - 2);
        lines(cr, {0.9, 0.5, 0.5}, 1);
    });
    r.add("wall1", [](cairo_t* cr, const Frame& f) {  // stack of magazines
        const Rgb covers[5] = {pal::RED, pal::SKY, pal::YELLOW, pal::MAGENTA, pal::GREEN};
        for (int i = 0; i < 5; ++i) {
            cairo_rectangle(cr, 2 + (i % 2) * 3, 2 + i * 12, f.w - 7, 11);
            inkShape(cr, covers[i], 2 + i * 12, 13 + i * 12, 1.2);
        }
    });
    r.add("wall2", [](cairo_t* cr, const Frame& f) {  // wooden planks
        block(cr, f, {0.66, 0.45, 0.26});
        for (int i = 1; i < 4; ++i) {
            cairo_move_to(cr, i * f.w / 4, 2);
            cairo_line_to(cr, i * f.w / 4, f.h - 2);
        }
        lines(cr, {0.4, 0.25, 0.12}, 1.5);
        for (int i = 0; i < 4; ++i)
            for (double y : {8.0, f.h - 8}) {
                cairo_arc(cr, i * f.w / 4 + f.w / 8, y, 1.5, 0, 2 * M_PI);
                setRgb(cr, pal::INK);
                cairo_fill(cr);
            }
    });
    r.add("wall3", [](cairo_t* cr, const Frame& f) {  // brick
        block(cr, f, {0.55, 0.5, 0.48});
        for (int row = 0; row < 6; ++row)
            for (int col = -1; col < 3; ++col) {
                const double x = col * 32 + (row % 2) * 16 + 1, y = row * 10.5 + 1;
                cairo_rectangle(cr, x + 1, y + 1, 30, 9);
                fillShaded(cr, {0.72, 0.3, 0.22}, y, y + 10);
                cairo_new_path(cr);
            }
    });
    r.add("wall4", [](cairo_t* cr, const Frame& f) {  // marble
        block(cr, f, {0.92, 0.9, 0.88});
        Rng rng("marble");
        for (int i = 0; i < 5; ++i) {
            cairo_move_to(cr, rng.uniform(0, f.w), 0);
            cairo_curve_to(cr, rng.uniform(0, f.w), f.h * 0.3, rng.uniform(0, f.w), f.h * 0.7, rng.uniform(0, f.w),
                           f.h);
        }
        lines(cr, {0.6, 0.6, 0.68}, 1);
    });
    r.add("wall5", [](cairo_t* cr, const Frame& f) {  // stone
        block(cr, f, {0.45, 0.45, 0.5});
        Rng rng("stone");
        for (int i = 0; i < 9; ++i) {
            const double x = 8 + (i % 3) * 22 + rng.uniform(-2, 2), y = 10 + (i / 3) * 21 + rng.uniform(-2, 2);
            ellipsePath(cr, x, y, 10, 9);
            inkShape(cr, mix(pal::GREY, pal::LIGHT, rng.uniform(0, 0.4)), y - 9, y + 9, 1.2);
        }
    });
    r.add("wall6", [](cairo_t* cr, const Frame& f) {  // steel
        block(cr, f, {0.62, 0.66, 0.72});
        cairo_move_to(cr, 4, 4);
        cairo_line_to(cr, f.w - 4, f.h - 4);
        cairo_move_to(cr, f.w - 4, 4);
        cairo_line_to(cr, 4, f.h - 4);
        lines(cr, {0.45, 0.48, 0.55}, 4);
        for (double x : {6.0, f.w - 6})
            for (double y : {6.0, f.h - 6}) {
                cairo_arc(cr, x, y, 2.5, 0, 2 * M_PI);
                inkFlat(cr, pal::LIGHT, 1);
            }
    });
    r.add("wall7", [](cairo_t* cr, const Frame& f) {  // spiked block
        for (int i = 0; i < 4; ++i)
            for (int side = 0; side < 4; ++side) {
                const double a = 8 + i * 16;
                double x[3], y[3];
                if (side == 0) {
                    x[0] = a - 6;
                    y[0] = 10;
                    x[1] = a;
                    y[1] = 0;
                    x[2] = a + 6;
                    y[2] = 10;
                }
                if (side == 1) {
                    x[0] = a - 6;
                    y[0] = f.h - 10;
                    x[1] = a;
                    y[1] = f.h;
                    x[2] = a + 6;
                    y[2] = f.h - 10;
                }
                if (side == 2) {
                    x[0] = 10;
                    y[0] = a - 6;
                    x[1] = 0;
                    y[1] = a;
                    x[2] = 10;
                    y[2] = a + 6;
                }
                if (side == 3) {
                    x[0] = f.w - 10;
                    y[0] = a - 6;
                    x[1] = f.w;
                    y[1] = a;
                    x[2] = f.w - 10;
                    y[2] = a + 6;
                }
                cairo_move_to(cr, x[0], y[0]);
                cairo_line_to(cr, x[1], y[1]);
                cairo_line_to(cr, x[2], y[2]);
                cairo_close_path(cr);
                inkFlat(cr, pal::LIGHT, 1);
            }
        cairo_rectangle(cr, 9, 9, f.w - 18, f.h - 18);
        inkShape(cr, pal::DARK, 9, f.h - 9, 2);
    });
    r.add("wall9", [](cairo_t* cr, const Frame& f) {  // tree from above
        cairo_arc(cr, f.w / 2 + 3, f.h / 2 + 4, f.w * 0.44, 0, 2 * M_PI);
        setRgb(cr, {0, 0, 0}, 0.3);
        cairo_fill(cr);
        for (int i = 0; i < 6; ++i) {
            const double a = i * M_PI / 3;
            cairo_arc(cr, f.w / 2 + std::cos(a) * 12, f.h / 2 + std::sin(a) * 12, 16, 0, 2 * M_PI);
            inkShape(cr, pal::GREEN, 0, f.h, 1.5);
        }
        cairo_arc(cr, f.w / 2, f.h / 2, 16, 0, 2 * M_PI);
        inkShape(cr, shade(pal::GREEN, 0.15), 16, f.h - 16, 1.5);
    });
    r.add("wall10", [](cairo_t* cr, const Frame& f) {  // fence
        for (int i = 0; i < 5; ++i) {
            const double x = 2 + i * 12.5;
            cairo_move_to(cr, x, 8);
            cairo_line_to(cr, x + 5, 2);
            cairo_line_to(cr, x + 10, 8);
            cairo_line_to(cr, x + 10, f.h - 2);
            cairo_line_to(cr, x, f.h - 2);
            cairo_close_path(cr);
            inkShape(cr, {0.9, 0.85, 0.75}, 0, f.h, 1.2);
        }
        for (double y : {18.0, f.h - 18}) {
            cairo_rectangle(cr, 1, y, f.w - 2, 6);
            inkShape(cr, {0.75, 0.68, 0.55}, y, y + 6, 1.2);
        }
    });
    r.add("wall11", [](cairo_t* cr, const Frame& f) {  // stairs
        for (int i = 0; i < 6; ++i) {
            const double y = i * f.h / 6;
            cairo_rectangle(cr, 1, y + 1, f.w - 2, f.h / 6 - 1);
            inkShape(cr, shade(pal::TAN, -0.08 * i), y, y + f.h / 6, 1.2);
        }
    });
}
