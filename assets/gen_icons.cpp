// The 19 condition icons "condIcon0".."condIcon18" (condition c shows icon c - 1). They
// are drawn at 32×32 and shown at 12, 28 and 90×120 pixels, so each is a coloured disc
// with one bold white pictogram of its own: no two share a shape, and none is a letter
// that blurs into a dot when small.
#include <cmath>
#include <functional>
#include <string>

#include "assets/painters.h"
#include "assets/ui_kit.h"

namespace {

using Symbol = std::function<void(cairo_t*)>;  // draws into a 32×32 box, centre (16, 16)

// White fill with a dark edge, so the symbol stands on any disc.
void whiteInk(cairo_t* cr, Rgb base) {
    setRgb(cr, pal::WHITE);
    cairo_fill_preserve(cr);
    setRgb(cr, shade(base, -0.65));
    cairo_set_line_width(cr, 1.4);
    cairo_stroke(cr);
}

// A white stroke with a dark edge under it, for symbols made of lines.
void whiteLine(cairo_t* cr, Rgb base, double width) {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    setRgb(cr, shade(base, -0.65));
    cairo_set_line_width(cr, width + 2.4);
    cairo_stroke_preserve(cr);
    setRgb(cr, pal::WHITE);
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
}

struct Icon {
    Rgb base;
    std::function<void(cairo_t*, Rgb)> symbol;
};

const Icon ICONS[19] = {
    {pal::GREEN,
     [](cairo_t* cr, Rgb b) {  // poison: a skull
         cairo_arc(cr, 16, 14, 8.5, 0, 2 * M_PI);
         cairo_rectangle(cr, 11, 17, 10, 7);
         whiteInk(cr, b);
         setRgb(cr, shade(b, -0.65));
         cairo_arc(cr, 12.5, 14, 2.4, 0, 2 * M_PI);
         cairo_arc(cr, 19.5, 14, 2.4, 0, 2 * M_PI);
         cairo_fill(cr);
         for (double x : {13.5, 16.0, 18.5}) cairo_rectangle(cr, x - 0.5, 20, 1, 4);
         cairo_fill(cr);
     }},
    {pal::PURPLE,
     [](cairo_t* cr, Rgb b) {  // dizzy: a spiral
         for (int i = 0; i <= 60; ++i) {
             const double a = i * 0.3, r = 1 + i * 0.17;
             const double x = 16 + std::cos(a) * r, y = 16 + std::sin(a) * r;
             i ? cairo_line_to(cr, x, y) : cairo_move_to(cr, x, y);
         }
         whiteLine(cr, b, 2.4);
     }},
    {pal::YELLOW,
     [](cairo_t* cr, Rgb b) {  // stupor: a heavy-lidded eye
         cairo_move_to(cr, 5, 17);
         cairo_curve_to(cr, 10, 9, 22, 9, 27, 17);
         cairo_curve_to(cr, 22, 24, 10, 24, 5, 17);
         whiteInk(cr, b);
         cairo_arc(cr, 16, 18, 3.2, 0, 2 * M_PI);
         setRgb(cr, pal::INK);
         cairo_fill(cr);
         cairo_move_to(cr, 5, 17);
         cairo_curve_to(cr, 10, 9, 22, 9, 27, 17);
         cairo_line_to(cr, 5, 17);
         setRgb(cr, shade(b, -0.35));
         cairo_fill(cr);
     }},
    {pal::GREY,
     [](cairo_t* cr, Rgb b) {  // muted: a speaker, crossed out
         cairo_move_to(cr, 6, 13);
         cairo_line_to(cr, 10, 13);
         cairo_line_to(cr, 16, 8);
         cairo_line_to(cr, 16, 24);
         cairo_line_to(cr, 10, 19);
         cairo_line_to(cr, 6, 19);
         cairo_close_path(cr);
         whiteInk(cr, b);
         cairo_move_to(cr, 19, 12);
         cairo_line_to(cr, 26, 20);
         cairo_move_to(cr, 26, 12);
         cairo_line_to(cr, 19, 20);
         whiteLine(cr, b, 2.2);
     }},
    {pal::SKY,
     [](cairo_t* cr, Rgb b) {  // frozen: a snowflake
         for (int i = 0; i < 3; ++i) {
             const double a = i * M_PI / 3 + M_PI / 2;
             cairo_move_to(cr, 16 + std::cos(a) * 10, 16 + std::sin(a) * 10);
             cairo_line_to(cr, 16 - std::cos(a) * 10, 16 - std::sin(a) * 10);
         }
         whiteLine(cr, b, 2.2);
     }},
    {pal::ORANGE,
     [](cairo_t* cr, Rgb b) {  // stunned: a burst of light
         starPath(cr, 16, 16, 11, 4, 4, M_PI / 4);
         whiteInk(cr, b);
     }},
    {{0.4, 0.6, 0.35},
     [](cairo_t* cr, Rgb b) {  // zombie: a hand reaching up
         roundRect(cr, 9, 15, 14, 10, 3);
         whiteInk(cr, b);
         for (int i = 0; i < 3; ++i) {
             roundRect(cr, 9.5 + i * 4.5, 6 + (i % 2) * 2, 3.6, 11, 1.8);
             whiteInk(cr, b);
         }
     }},
    {pal::BLUE,
     [](cairo_t* cr, Rgb b) {  // slippery: two waves
         for (double y : {12.0, 20.0}) {
             cairo_move_to(cr, 6, y);
             cairo_curve_to(cr, 10, y - 4, 12, y + 4, 16, y);
             cairo_curve_to(cr, 20, y - 4, 22, y + 4, 26, y);
         }
         whiteLine(cr, b, 2.4);
     }},
    {pal::BROWN,
     [](cairo_t* cr, Rgb b) {  // slowed: an hourglass
         cairo_move_to(cr, 9, 6);
         cairo_line_to(cr, 23, 6);
         cairo_line_to(cr, 17.5, 16);
         cairo_line_to(cr, 23, 26);
         cairo_line_to(cr, 9, 26);
         cairo_line_to(cr, 14.5, 16);
         cairo_close_path(cr);
         whiteInk(cr, b);
         cairo_move_to(cr, 12, 24);
         cairo_line_to(cr, 20, 24);
         cairo_line_to(cr, 16, 19);
         cairo_close_path(cr);
         setRgb(cr, pal::TAN);
         cairo_fill(cr);
     }},
    {pal::NAVY,
     [](cairo_t* cr, Rgb b) {  // asleep: two Zs
         cairo_move_to(cr, 6, 10);
         cairo_line_to(cr, 14, 10);
         cairo_line_to(cr, 6, 19);
         cairo_line_to(cr, 14, 19);
         cairo_move_to(cr, 17, 15);
         cairo_line_to(cr, 25, 15);
         cairo_line_to(cr, 17, 24);
         cairo_line_to(cr, 25, 24);
         whiteLine(cr, b, 2.2);
     }},
    {pal::TAN,
     [](cairo_t* cr, Rgb b) {  // leaking: a falling drop
         cairo_move_to(cr, 16, 5);
         cairo_curve_to(cr, 20, 12, 23, 15, 23, 19);
         cairo_arc(cr, 16, 19, 7, 0, M_PI);
         cairo_curve_to(cr, 9, 15, 12, 12, 16, 5);
         whiteInk(cr, b);
         cairo_arc(cr, 16, 29, 1.6, 0, 2 * M_PI);
         setRgb(cr, pal::WHITE);
         cairo_fill(cr);
     }},
    {pal::MAGENTA,
     [](cairo_t* cr, Rgb b) {  // mystery: a question mark
         cairo_move_to(cr, 11, 12);
         cairo_curve_to(cr, 11, 5, 22, 5, 22, 11);
         cairo_curve_to(cr, 22, 15, 16, 15, 16, 20);
         whiteLine(cr, b, 3.0);
         cairo_arc(cr, 16, 25, 2, 0, 2 * M_PI);
         whiteInk(cr, b);
     }},
    {{0.85, 0.7, 0.2},
     [](cairo_t* cr, Rgb b) {  // shielded: a shield
         cairo_move_to(cr, 16, 5);
         cairo_line_to(cr, 25, 9);
         cairo_curve_to(cr, 25, 18, 21, 24, 16, 27);
         cairo_curve_to(cr, 11, 24, 7, 18, 7, 9);
         cairo_close_path(cr);
         whiteInk(cr, b);
         cairo_move_to(cr, 16, 8);
         cairo_line_to(cr, 16, 24);
         setRgb(cr, b);
         cairo_set_line_width(cr, 2);
         cairo_stroke(cr);
     }},
    {pal::TEAL,
     [](cairo_t* cr, Rgb b) {  // fast: double chevrons
         for (double x : {7.0, 15.0}) {
             cairo_move_to(cr, x, 9);
             cairo_line_to(cr, x + 7, 16);
             cairo_line_to(cr, x, 23);
         }
         whiteLine(cr, b, 2.8);
     }},
    {pal::RED,
     [](cairo_t* cr, Rgb b) {  // berserk: an exclamation mark
         cairo_move_to(cr, 13.5, 6);
         cairo_line_to(cr, 18.5, 6);
         cairo_line_to(cr, 17.2, 19);
         cairo_line_to(cr, 14.8, 19);
         cairo_close_path(cr);
         whiteInk(cr, b);
         cairo_arc(cr, 16, 24, 2.4, 0, 2 * M_PI);
         whiteInk(cr, b);
     }},
    {{1.0, 0.5, 0.7},
     [](cairo_t* cr, Rgb b) {  // euphoria: a heart
         heartPath(cr, 16, 16, 20);
         whiteInk(cr, b);
     }},
    {pal::PURPLE,
     [](cairo_t* cr, Rgb b) {  // double: a plus
         cairo_move_to(cr, 16, 7);
         cairo_line_to(cr, 16, 25);
         cairo_move_to(cr, 7, 16);
         cairo_line_to(cr, 25, 16);
         whiteLine(cr, b, 4.0);
     }},
    {pal::ORANGE,
     [](cairo_t* cr, Rgb b) {  // ram: a horned prow
         cairo_move_to(cr, 16, 5);
         cairo_line_to(cr, 25, 25);
         cairo_line_to(cr, 16, 20);
         cairo_line_to(cr, 7, 25);
         cairo_close_path(cr);
         whiteInk(cr, b);
     }},
    {{0.3, 0.8, 0.8},
     [](cairo_t* cr, Rgb b) {  // reflect: an arrow bouncing off a wall
         cairo_move_to(cr, 24, 6);
         cairo_line_to(cr, 24, 26);
         whiteLine(cr, b, 2.6);
         cairo_move_to(cr, 7, 9);
         cairo_line_to(cr, 19, 16);
         cairo_line_to(cr, 7, 23);
         whiteLine(cr, b, 2.2);
         cairo_move_to(cr, 6, 19);
         cairo_line_to(cr, 7, 23);
         cairo_line_to(cr, 11, 23.5);
         whiteLine(cr, b, 2.2);
     }},
};

}  // namespace

void addConditionIconPainters(PainterRegistry& r) {
    for (int i = 0; i < 19; ++i)
        r.add("condIcon" + std::to_string(i), [i](cairo_t* cr, const Frame& f) {
            const Icon& icon = ICONS[i];
            const double rad = std::min(f.w, f.h) / 2 - 0.75;
            cairo_arc(cr, f.w / 2, f.h / 2, rad, 0, 2 * M_PI);
            inkShape(cr, icon.base, 0, f.h, std::max(1.0, rad / 9));
            cairo_save(cr);
            cairo_scale(cr, f.w / 32, f.h / 32);
            icon.symbol(cr, icon.base);
            cairo_restore(cr);
        });
}
