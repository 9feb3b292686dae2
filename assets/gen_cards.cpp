// Card frames for the nine colour classes (red, green, blue, the three pairs, all
// colours, no cost, and the card back), each class also marked by its coins' shapes, and
// the cost boxes in the shape of their coin. The game writes the name in white on the top
// strip, cost boxes at y 20, rules text in the middle and the type on the bottom strip,
// so those areas stay dark and plain.
#include <algorithm>
#include <cmath>
#include <vector>

#include "assets/coin_marks.h"
#include "assets/painters.h"
#include "assets/ui_kit.h"

namespace {

void border(cairo_t* cr, const Frame& f, const std::vector<Rgb>& colours) {
    // Side-by-side bands, so every colour of a mixed class reads on its own.
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, f.w, 0);
    const double n = double(colours.size());
    for (std::size_t i = 0; i < colours.size(); ++i) {
        const Rgb hi = shade(colours[i], 0.1);
        cairo_pattern_add_color_stop_rgb(g, std::max(0.0, (i + 0.1) / n), hi.r, hi.g, hi.b);
        cairo_pattern_add_color_stop_rgb(g, std::min(1.0, (i + 0.9) / n), colours[i].r, colours[i].g, colours[i].b);
    }
    roundRect(cr, 0.5, 0.5, f.w - 1, f.h - 1, 6);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    setRgb(cr, pal::INK);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    roundRect(cr, 2.5, 2.5, f.w - 5, f.h - 5, 5);
    setRgb(cr, pal::WHITE, 0.35);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

// The coin shape of each colour the class holds, small and right-aligned on the type
// strip, so a class reads without telling red from green.
void classMarks(cairo_t* cr, const std::vector<int>& coins) {
    constexpr double R = 5, STEP = 12, RIGHT = 85, MIDDLE = 111;
    double cx = RIGHT - R - STEP * double(coins.size() - 1);
    for (int c : coins) {
        coinShapePath(cr, c, cx, MIDDLE, R);
        inkShape(cr, coinColour(c), MIDDLE - R, MIDDLE + R, 1);
        cx += STEP;
    }
}

void cardFace(cairo_t* cr, const Frame& f, const std::vector<Rgb>& colours, const std::vector<int>& coins) {
    border(cr, f, colours);
    // Mixed classes get neutral strips; single colours a dark shade of their own.
    const Rgb tone = colours.size() == 1 ? colours.front() : mix(pal::NAVY, pal::GREY, 0.3);
    // Name strip.
    roundRect(cr, 3, 2, 84, 16, 3);
    setRgb(cr, shade(tone, -0.6));
    cairo_fill(cr);
    // Fine diagonal hatching on the frame for texture.
    cairo_save(cr);
    cairo_rectangle(cr, 3, 19, 84, 25);
    cairo_clip(cr);
    for (int i = -6; i < 20; ++i) {
        cairo_move_to(cr, i * 6, 19);
        cairo_line_to(cr, i * 6 + 25, 44);
    }
    setRgb(cr, pal::WHITE, 0.12);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_restore(cr);
    // Rules text panel.
    roundRect(cr, 2, 44, 86, 59, 3);
    setRgb(cr, {0.08, 0.09, 0.15}, 0.92);
    cairo_fill_preserve(cr);
    setRgb(cr, shade(tone, 0.3), 0.9);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    // Type strip.
    roundRect(cr, 3, 104, 84, 14, 3);
    setRgb(cr, shade(tone, -0.7));
    cairo_fill(cr);
    classMarks(cr, coins);
}

// A cost box of a card: the coin shape of its colour, dark enough for the white number.
void costMark(cairo_t* cr, const Frame& f, int colour) {
    coinShapePath(cr, colour, f.w / 2, f.h / 2, f.h / 2 - 1);
    setRgb(cr, shade(coinColour(colour), -0.35));
    cairo_fill_preserve(cr);
    setRgb(cr, pal::WHITE, 0.8);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
}

void cardBack(cairo_t* cr, const Frame& f) {
    border(cr, f, {pal::PURPLE});
    roundRect(cr, 6, 6, f.w - 12, f.h - 12, 4);
    setRgb(cr, shade(pal::NAVY, -0.3));
    cairo_fill(cr);
    cairo_save(cr);
    roundRect(cr, 6, 6, f.w - 12, f.h - 12, 4);
    cairo_clip(cr);
    for (int i = -12; i < 24; ++i) {
        cairo_move_to(cr, i * 8, 0);
        cairo_line_to(cr, i * 8 + f.h, f.h);
        cairo_move_to(cr, i * 8, f.h);
        cairo_line_to(cr, i * 8 + f.h, 0);
    }
    setRgb(cr, pal::PURPLE, 0.35);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    cairo_restore(cr);
    starPath(cr, f.w / 2, f.h / 2, 26, 11, 8, 0);
    inkShape(cr, pal::YELLOW, f.h / 2 - 26, f.h / 2 + 26, 1.5);
    drawText(cr, "K2", f.w / 2, f.h / 2 + 1, 15, Face::SANS_BOLD, pal::WHITE, 1.5, pal::INK);
}

}  // namespace

void addCardPainters(PainterRegistry& r) {
    const Rgb red = pal::RED, green = pal::GREEN, blue = pal::BLUE;
    const std::vector<std::vector<Rgb>> classes = {
        {red}, {green}, {blue}, {red, green}, {green, blue}, {red, blue}, {red, green, blue}, {pal::GREY}};
    // The coins of each class (0 red, 1 green, 2 blue); the last class costs none.
    const std::vector<std::vector<int>> coins = {{0}, {1}, {2}, {0, 1}, {1, 2}, {0, 2}, {0, 1, 2}, {}};
    for (std::size_t i = 0; i < classes.size(); ++i) {
        const std::vector<Rgb> c = classes[i];
        const std::vector<int> k = coins[i];
        r.add("card" + std::to_string(i), [c, k](cairo_t* cr, const Frame& f) { cardFace(cr, f, c, k); });
    }
    const char* const costNames[3] = {"costRed", "costGreen", "costBlue"};
    for (int c = 0; c < 3; ++c)
        r.add(costNames[c], [c](cairo_t* cr, const Frame& f) { costMark(cr, f, c); });
    r.add("card8", cardBack);
    // An empty or locked place: stretched both to 90×120 pictures and to 384×88 save
    // slots, so it is drawn between the two with a hairline rim and no symbol that a
    // stretch would squash (the screens write "?" or the slot's text over it).
    r.add("disabled", [](cairo_t* cr, const Frame& f) {
        roundRect(cr, 1, 1, f.w - 2, f.h - 2, 8);
        setRgb(cr, {0.3, 0.3, 0.34});
        cairo_fill_preserve(cr);
        setRgb(cr, pal::INK);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
        cairo_save(cr);
        roundRect(cr, 3, 3, f.w - 6, f.h - 6, 6);
        cairo_clip(cr);
        for (int i = -20; i < 40; ++i) {
            cairo_move_to(cr, i * 12, 0);
            cairo_line_to(cr, i * 12 + f.h, f.h);
        }
        setRgb(cr, {0.36, 0.36, 0.41});
        cairo_set_line_width(cr, 4);
        cairo_stroke(cr);
        cairo_restore(cr);
        roundRect(cr, 3, 3, f.w - 6, f.h - 6, 6);
        setRgb(cr, {0.46, 0.46, 0.52});
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
    });
}
