// Full-screen pictures and title pieces: the title picture, the menu background, the
// title menu plates, the engine badge, the help picture and the opponent portraits.
#include <cmath>
#include <string>

#include "assets/art.h"
#include "assets/painters.h"
#include "assets/ui_kit.h"
#include "cards/glossary.h"

namespace {

void starField(cairo_t* cr, double w, double h, int count, const std::string& seed) {
    Rng rng(seed);
    for (int i = 0; i < count; ++i) {
        const double x = rng.uniform(0, w), y = rng.uniform(0, h), s = rng.uniform(0.4, 1.6);
        setRgb(cr, mix(pal::WHITE, pal::SKY, rng.uniform(0, 0.6)), rng.uniform(0.4, 1.0));
        cairo_arc(cr, x, y, s, 0, 2 * M_PI);
        cairo_fill(cr);
    }
}

void gradient(cairo_t* cr, double w, double h, Rgb top, Rgb bottom) {
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, h);
    cairo_pattern_add_color_stop_rgb(g, 0, top.r, top.g, top.b);
    cairo_pattern_add_color_stop_rgb(g, 1, bottom.r, bottom.g, bottom.b);
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

void planet(cairo_t* cr, double cx, double cy, double r, Rgb c) {
    cairo_pattern_t* g = cairo_pattern_create_radial(cx - r * 0.4, cy - r * 0.4, r * 0.1, cx, cy, r);
    const Rgb hi = shade(c, 0.3), lo = shade(c, -0.7);
    cairo_pattern_add_color_stop_rgb(g, 0, hi.r, hi.g, hi.b);
    cairo_pattern_add_color_stop_rgb(g, 1, lo.r, lo.g, lo.b);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

void titlePicture(cairo_t* cr, const Frame& f) {
    gradient(cr, f.w, f.h, {0.03, 0.03, 0.10}, {0.22, 0.10, 0.30});
    starField(cr, f.w, f.h, 350, "title");
    planet(cr, 92, 250, 34, {0.35, 0.55, 0.9});
    // The horizon of Korvania filling the lower right, with a road running up it.
    cairo_save(cr);
    cairo_arc(cr, 640, 900, 470, 0, 2 * M_PI);
    cairo_clip(cr);
    planet(cr, 640, 900, 470, {0.75, 0.45, 0.28});
    cairo_move_to(cr, 520, 600);
    cairo_curve_to(cr, 560, 520, 600, 470, 620, 430);
    cairo_line_to(cr, 660, 430);
    cairo_curve_to(cr, 670, 470, 700, 520, 760, 600);
    cairo_close_path(cr);
    setRgb(cr, pal::DARK, 0.85);
    cairo_fill(cr);
    cairo_restore(cr);
    softDot(cr, 640, 430, 260, {1.0, 0.6, 0.4}, 0.18);
    // Vehicles racing up and firing at a few enemies ahead.
    const struct {
        int vehicle;
        double x, y, w, h;
    } racers[4] = {{0, 560, 250, 58, 58}, {2, 655, 405, 34, 66}, {6, 720, 330, 40, 50}, {1, 480, 400, 44, 50}};
    for (const auto& r : racers) {
        cairo_save(cr);
        cairo_translate(cr, r.x, r.y);
        softDot(cr, r.w / 2, r.h, r.w * 0.45, pal::ORANGE, 0.6);
        drawVehicleArt(cr, r.vehicle, r.w, r.h);
        cairo_restore(cr);
        for (int i = 0; i < 3; ++i) {
            cairo_move_to(cr, r.x + r.w / 2, r.y - 14 - i * 26);
            cairo_line_to(cr, r.x + r.w / 2, r.y - 26 - i * 26);
        }
        setRgb(cr, pal::YELLOW);
        cairo_set_line_width(cr, 3);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
    }
    const struct {
        int kind;
        double x, y, size;
    } foes[4] = {{1, 505, 225, 40}, {9, 592, 185, 44}, {24, 705, 215, 62}, {6, 770, 280, 36}};
    for (const auto& e : foes) {
        cairo_save(cr);
        cairo_translate(cr, e.x - e.size / 2, e.y - e.size / 2);
        drawEnemyArt(cr, e.kind, e.size, e.size, 0.2);
        cairo_restore(cr);
    }
    // Title lettering.
    drawText(cr, "KORVANIA", 360, 84, 86, Face::SANS_BOLD, pal::YELLOW, 5, pal::INK);
    cairo_save(cr);
    cairo_translate(cr, 700, 78);
    cairo_rotate(cr, 0.18);
    starPath(cr, 0, 0, 58, 40, 12, 0);
    inkShape(cr, pal::RED, -58, 58, 3);
    drawText(cr, "2", 0, 2, 64, Face::SANS_BOLD, pal::WHITE, 4, pal::INK);
    cairo_restore(cr);
    drawText(cr, "B A T T L E", 360, 162, 38, Face::SANS_BOLD, pal::WHITE, 3.5, pal::INK);
    // A calm plate behind the menu (x 196..396, y 244..528).
    roundRect(cr, 184, 232, 224, 308, 14);
    setRgb(cr, pal::INK, 0.6);
    cairo_fill(cr);
}

void menuBackground(cairo_t* cr, const Frame& f) {
    gradient(cr, f.w, f.h, {0.30, 0.36, 0.62}, {0.42, 0.28, 0.55});
    // Soft diagonal bands and a hexagon grid: busy enough to look made, calm enough for text.
    cairo_save(cr);
    for (int i = -10; i < 20; i += 2) {
        cairo_move_to(cr, i * 60, 0);
        cairo_line_to(cr, i * 60 + 60, 0);
        cairo_line_to(cr, i * 60 + 60 + f.h, f.h);
        cairo_line_to(cr, i * 60 + f.h, f.h);
        cairo_close_path(cr);
    }
    setRgb(cr, pal::WHITE, 0.05);
    cairo_fill(cr);
    const double r = 24;
    for (int row = 0; row < 16; ++row)
        for (int col = 0; col < 20; ++col) {
            const double cx = col * r * 1.75 + (row % 2) * r * 0.87, cy = row * r * 1.5;
            cairo_new_sub_path(cr);
            for (int k = 0; k < 6; ++k)
                cairo_line_to(cr, cx + r * 0.9 * std::cos(k * M_PI / 3 + M_PI / 6),
                              cy + r * 0.9 * std::sin(k * M_PI / 3 + M_PI / 6));
            cairo_close_path(cr);
        }
    setRgb(cr, pal::WHITE, 0.07);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    cairo_restore(cr);
    cairo_pattern_t* v = cairo_pattern_create_radial(f.w / 2, f.h / 2, 200, f.w / 2, f.h / 2, 560);
    cairo_pattern_add_color_stop_rgba(v, 0, 0, 0, 0, 0);
    cairo_pattern_add_color_stop_rgba(v, 1, 0, 0, 0, 0.3);
    cairo_rectangle(cr, 0, 0, f.w, f.h);
    cairo_set_source(cr, v);
    cairo_fill(cr);
    cairo_pattern_destroy(v);
}

void menuItem(cairo_t* cr, const Frame& f, const std::string& label) {
    plate(cr, 1, 1, f.w - 2, f.h - 2, pal::NAVY, 8);
    drawText(cr, label, f.w / 2, f.h / 2, 18, Face::SANS_BOLD, pal::WHITE, 1.8, pal::INK);
}

// A line of the help picture; with a `room` it is made smaller, never cut, until it fits.
void helpText(cairo_t* cr, double x, double y, const std::string& text, double px = 12, Rgb c = pal::WHITE,
              double room = 0) {
    cairo_save(cr);
    useFace(cr, Face::CONDENSED, px);
    if (room > 0 && textWidth(cr, text) > room) useFace(cr, Face::CONDENSED, px * room / textWidth(cr, text));
    setRgb(cr, c);
    cairo_move_to(cr, x, y);
    cairo_show_text(cr, text.c_str());
    cairo_restore(cr);
}

// The help picture: the battle screen explained, and what the short names of conditions
// and the captions of passives mean. The keys are written beside it by the game, which
// knows the player's own.
void instructions(cairo_t* cr, const Frame& f) {
    roundRect(cr, 2, 2, f.w - 4, f.h - 4, 12);
    setRgb(cr, {0.08, 0.09, 0.18}, 0.92);
    cairo_fill_preserve(cr);
    setRgb(cr, pal::LIGHT);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    drawText(cr, "The battle screen", f.w / 2, 20, 16, Face::SANS_BOLD, pal::YELLOW, 1.5);
    double y = 36;
    // A small HUD column sketch with labels.
    roundRect(cr, 16, y, 80, 132, 6);
    setRgb(cr, pal::DARK);
    cairo_fill(cr);
    const Rgb blocks[] = {pal::RED, pal::GREEN, pal::BLUE};
    for (int i = 0; i < 3; ++i) {
        roundRect(cr, 22 + i * 24, y + 8, 20, 26, 3);
        inkFlat(cr, blocks[i], 1);
    }
    roundRect(cr, 22, y + 44, 68, 14, 3);
    inkFlat(cr, pal::RED, 1);
    roundRect(cr, 22, y + 60, 68, 6, 2);
    inkFlat(cr, pal::BLUE, 1);
    for (int i = 0; i < 3; ++i) {
        roundRect(cr, 22 + i * 23, y + 76, 20, 28, 2);
        inkFlat(cr, pal::LIGHT, 1);
    }
    helpText(cr, 22, y + 122, "POWER 10", 10);
    const char* notes[] = {"Coins (red, green, blue) pay for cards.", "Heart: lose it all and the round is lost.",
                           "Fuel (the blue bar): boosting burns it.", "Your hand: three cards, refilled over time.",
                           "Power: the strength of your shots.",      "Icons show passives and conditions."};
    for (int i = 0; i < 6; ++i) helpText(cr, 112, y + 14 + i * 21, notes[i], 13);
    y += 150;
    drawText(cr, "Conditions (shown by your heart)", f.w / 2, y, 16, Face::SANS_BOLD, pal::YELLOW, 1.5);
    // The names and meanings come from the glossary the HUD and the pause screen use.
    helpText(cr, 16, y + 24, "Bad ones", 13, pal::RED);
    helpText(cr, 262, y + 24, "Good ones", 13, pal::LIME);
    for (int c = 1; c <= GLOSSARYCONDITIONS; ++c) {
        const bool good = c >= FIRSTGOODCONDITION;
        const double row = y + 42 + 17 * (good ? c - FIRSTGOODCONDITION : c - 1);
        const ConditionName& n = CONDITIONNAMES[c];
        const double x = good ? 300 : 58, room = (good ? f.w - 10 : 256) - x;
        helpText(cr, good ? 262 : 16, row, n.shortName, 12, pal::YELLOW);
        helpText(cr, x, row, std::string(n.fullName) + ": " + n.meaning, 12, pal::WHITE, room);
    }
    helpText(cr, 262, y + 42 + 17 * 7.5, "Icons beside a name: its level (1 to 3).", 12, pal::LIGHT);
    helpText(cr, 262, y + 42 + 17 * 8.5, "The pause (Escape) spells out all in force.", 12, pal::LIGHT, f.w - 272);
    y += 254;
    drawText(cr, "Passives (icons under your hand, for the match)", f.w / 2, y, 14, Face::SANS_BOLD, pal::YELLOW, 1.5);
    const char* passives[] = {"x1.2, x1.5 faster   2 power at least 2   x1.5, x2 on an excellent hit   + fuel refills",
                              "x2 good conditions last longer   1/2 bad ones end sooner, or boosting burns less",
                              "-1 cards cost a coin less   Q cards act sooner   ref. cards refill sooner   freq more drops",
                              "+ve good conditions a level higher   enemy 1/2, x3: fewer on you, more on the opponent"};
    for (int i = 0; i < 4; ++i) helpText(cr, 16, y + 20 + 15 * i, passives[i], 11.5);
}

struct PortraitLook {
    Rgb sky, body, accent;
    int shape;
};

// Face parts for the portraits, placed on the head (centre x, head centre 56).
void eye(cairo_t* cr, double x, double y, double r, double lookX, Rgb iris = pal::INK) {
    ellipsePath(cr, x, y, r, r * 1.15);
    inkFlat(cr, pal::WHITE, 1.2);
    cairo_arc(cr, x + lookX * r * 0.35, y + r * 0.1, r * 0.5, 0, 2 * M_PI);
    setRgb(cr, iris);
    cairo_fill(cr);
    cairo_arc(cr, x + lookX * r * 0.35 - r * 0.18, y - r * 0.1, r * 0.16, 0, 2 * M_PI);
    setRgb(cr, pal::WHITE);
    cairo_fill(cr);
}

void brow(cairo_t* cr, double x, double y, double w, double tilt) {
    cairo_move_to(cr, x - w / 2, y - tilt);
    cairo_line_to(cr, x + w / 2, y + tilt);
    setRgb(cr, pal::INK);
    cairo_set_line_width(cr, 2.2);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
}

// A mouth from x0 to x1 at y: `curve` > 0 smiles, < 0 frowns; `open` shows teeth.
void mouth(cairo_t* cr, double x0, double x1, double y, double curve, bool open) {
    cairo_move_to(cr, x0, y);
    cairo_curve_to(cr, x0 + (x1 - x0) * 0.3, y + curve, x0 + (x1 - x0) * 0.7, y + curve, x1, y);
    if (open) {
        cairo_curve_to(cr, x0 + (x1 - x0) * 0.7, y + curve * 0.3, x0 + (x1 - x0) * 0.3, y + curve * 0.3, x0, y);
        cairo_close_path(cr);
        inkFlat(cr, pal::WHITE, 1.4);
        return;
    }
    setRgb(cr, pal::INK);
    cairo_set_line_width(cr, 1.8);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
}

void nose(cairo_t* cr, double x, double y, Rgb skin) {
    cairo_move_to(cr, x, y - 5);
    cairo_curve_to(cr, x - 4, y, x - 3, y + 2, x + 1, y + 2);
    setRgb(cr, shade(skin, -0.45));
    cairo_set_line_width(cr, 1.4);
    cairo_stroke(cr);
}

void portrait(cairo_t* cr, const Frame& f, const PortraitLook& p, int n) {
    roundRect(cr, 1, 1, f.w - 2, f.h - 2, 6);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, f.h);
    cairo_pattern_add_color_stop_rgb(g, 0, p.sky.r, p.sky.g, p.sky.b);
    const Rgb lo = shade(p.sky, -0.6);
    cairo_pattern_add_color_stop_rgb(g, 1, lo.r, lo.g, lo.b);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    setRgb(cr, pal::INK);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    const double cx = f.w / 2;
    // Shoulders, head, and a feature that tells the pilots apart.
    cairo_move_to(cr, 10, f.h - 3);
    cairo_curve_to(cr, 12, 88, 30, 82, cx, 82);
    cairo_curve_to(cr, 60, 82, 78, 88, 80, f.h - 3);
    cairo_close_path(cr);
    inkShape(cr, p.body, 82, f.h, 2);
    ellipsePath(cr, cx, 56, 22, 26);
    inkShape(cr, n == 6 ? pal::GREY : p.accent, 30, 82, 2);
    switch (p.shape) {
        case 0:  // visor helmet, a cocky grin under it
            roundRect(cr, cx - 18, 46, 36, 12, 6);
            inkFlat(cr, pal::SKY, 1.5);
            cairo_move_to(cr, cx - 12, 49);
            cairo_line_to(cr, cx - 4, 49);
            setRgb(cr, pal::WHITE, 0.7);
            cairo_set_line_width(cr, 2);
            cairo_stroke(cr);
            nose(cr, cx + 1, 63, p.accent);
            mouth(cr, cx - 9, cx + 11, 70, 5, true);
            break;
        case 1:  // hood with glowing eyes
            cairo_move_to(cr, cx - 26, 70);
            cairo_curve_to(cr, cx - 30, 20, cx + 30, 20, cx + 26, 70);
            cairo_line_to(cr, cx + 16, 68);
            cairo_curve_to(cr, cx + 16, 36, cx - 16, 36, cx - 16, 68);
            cairo_close_path(cr);
            inkShape(cr, p.body, 26, 70, 1.5);
            ellipsePath(cr, cx, 56, 15, 15);
            setRgb(cr, pal::INK, 0.45);
            cairo_fill(cr);
            softDot(cr, cx - 8, 54, 5, pal::LIME, 1);
            softDot(cr, cx + 8, 54, 5, pal::LIME, 1);
            brow(cr, cx - 8, 48, 8, 1.5);
            brow(cr, cx + 8, 48, 8, -1.5);
            mouth(cr, cx - 7, cx + 7, 65, -2, false);
            break;
        case 2:  // three antennae
            for (int i = -1; i <= 1; ++i) {
                cairo_move_to(cr, cx + i * 10, 34);
                cairo_line_to(cr, cx + i * 14, 16);
                setRgb(cr, pal::INK);
                cairo_set_line_width(cr, 2);
                cairo_stroke(cr);
                cairo_arc(cr, cx + i * 14, 16, 3.5, 0, 2 * M_PI);
                inkFlat(cr, pal::YELLOW, 1);
            }
            eye(cr, cx, 52, 9, 0.6, pal::PURPLE);
            brow(cr, cx, 40, 14, 0);
            mouth(cr, cx - 8, cx + 8, 70, 4, false);
            break;
        case 3:  // pointed mystic hat
            cairo_move_to(cr, cx - 30, 40);
            cairo_line_to(cr, cx + 4, 4);
            cairo_line_to(cr, cx + 30, 40);
            cairo_close_path(cr);
            inkShape(cr, pal::PURPLE, 4, 40, 2);
            starPath(cr, cx + 2, 26, 5, 2, 5, 0);
            setRgb(cr, pal::YELLOW);
            cairo_fill(cr);
            eye(cr, cx - 8, 52, 5, 1);
            eye(cr, cx + 8, 52, 5, -1);
            brow(cr, cx - 8, 45, 9, 2.5);
            brow(cr, cx + 8, 45, 9, -2.5);
            nose(cr, cx + 1, 61, p.accent);
            mouth(cr, cx - 11, cx + 11, 68, 7, true);
            break;
        case 4:  // goggles
            ellipsePath(cr, cx - 9, 52, 8, 7);
            ellipsePath(cr, cx + 9, 52, 8, 7);
            inkFlat(cr, pal::MAGENTA, 1.5);
            eye(cr, cx - 9, 52, 4, 0.8);
            eye(cr, cx + 9, 52, 4, 0.8);
            mouth(cr, cx - 9, cx + 9, 67, 6, true);
            cairo_rectangle(cr, cx - 3, 67, 6, 4);
            inkFlat(cr, pal::WHITE, 1);
            break;
        case 5:  // mohawk and shades
            cairo_move_to(cr, cx - 4, 32);
            cairo_line_to(cr, cx, 12);
            cairo_line_to(cr, cx + 4, 32);
            inkFlat(cr, pal::ORANGE, 1.5);
            cairo_rectangle(cr, cx - 18, 48, 36, 8);
            inkFlat(cr, pal::INK, 1);
            cairo_move_to(cr, cx - 14, 50);
            cairo_line_to(cr, cx - 8, 50);
            setRgb(cr, pal::WHITE, 0.6);
            cairo_set_line_width(cr, 1.5);
            cairo_stroke(cr);
            nose(cr, cx + 1, 63, p.accent);
            mouth(cr, cx - 6, cx + 10, 70, 2, false);
            for (int i = 0; i < 7; ++i) {
                cairo_arc(cr, cx - 10 + i * 3.3, 75 + (i % 2), 0.7, 0, 2 * M_PI);
                setRgb(cr, shade(p.accent, -0.5));
                cairo_fill(cr);
            }
            break;
        default:  // crown
            cairo_move_to(cr, cx - 20, 36);
            cairo_line_to(cr, cx - 20, 18);
            cairo_line_to(cr, cx - 10, 28);
            cairo_line_to(cr, cx, 14);
            cairo_line_to(cr, cx + 10, 28);
            cairo_line_to(cr, cx + 20, 18);
            cairo_line_to(cr, cx + 20, 36);
            cairo_close_path(cr);
            inkShape(cr, pal::YELLOW, 14, 36, 1.5);
            ellipsePath(cr, cx - 8, 54, 4, 3);
            ellipsePath(cr, cx + 8, 54, 4, 3);
            setRgb(cr, pal::RED);
            cairo_fill(cr);
            brow(cr, cx - 8, 48, 10, 3);
            brow(cr, cx + 8, 48, 10, -3);
            cairo_move_to(cr, cx, 62);
            cairo_curve_to(cr, cx - 6, 60, cx - 12, 64, cx - 14, 68);
            cairo_curve_to(cr, cx - 8, 66, cx - 4, 66, cx, 64);
            cairo_curve_to(cr, cx + 4, 66, cx + 8, 66, cx + 14, 68);
            cairo_curve_to(cr, cx + 12, 64, cx + 6, 60, cx, 62);
            inkFlat(cr, pal::DARK, 1);
            mouth(cr, cx - 7, cx + 7, 73, -3, false);
            break;
    }
}

// The ending: the home world at dusk with a festival glow, and the seven beaten opponents
// framed down both sides. The game puts the player's own vehicle on the podium, since the
// picture cannot know which one won; the middle is kept calm for the texts.
void endingPicture(cairo_t* cr, const Frame& f, const PortraitLook (&looks)[7]) {
    gradient(cr, f.w, f.h, {0.02, 0.02, 0.09}, {0.30, 0.12, 0.26});
    starField(cr, f.w, f.h, 260, "ending");
    planet(cr, 690, 90, 26, {0.35, 0.55, 0.9});
    cairo_save(cr);
    cairo_arc(cr, f.w / 2, 1320, 820, 0, 2 * M_PI);
    cairo_clip(cr);
    planet(cr, f.w / 2, 1320, 820, {0.75, 0.45, 0.28});
    cairo_restore(cr);
    softDot(cr, f.w / 2, 520, 300, {1.0, 0.75, 0.4}, 0.22);
    // The podium the winner stands on.
    roundRect(cr, f.w / 2 - 70, 540, 140, 40, 6);
    inkShape(cr, pal::YELLOW, 540, 580, 2);
    // Fireworks over the horizon.
    const struct {
        double x, y, r;
        Rgb c;
    } bursts[] = {{170, 470, 44, pal::LIME}, {630, 460, 50, pal::MAGENTA}, {260, 400, 30, pal::SKY}, {560, 390, 34, pal::ORANGE}};
    for (const auto& b : bursts) {
        softDot(cr, b.x, b.y, b.r * 1.3, b.c, 0.25);
        for (int k = 0; k < 12; ++k) {
            const double a = k * M_PI / 6;
            cairo_move_to(cr, b.x + 0.3 * b.r * std::cos(a), b.y + 0.3 * b.r * std::sin(a));
            cairo_line_to(cr, b.x + b.r * std::cos(a), b.y + b.r * std::sin(a));
        }
        setRgb(cr, b.c, 0.8);
        cairo_set_line_width(cr, 2);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
    }
    // The beaten opponents, four on the left and three on the right, at 0.6 of their size.
    for (int i = 0; i < 7; ++i) {
        const double x = i < 4 ? 10 : f.w - 10 - 54, y = 150 + 82 * (i < 4 ? i : i - 4);
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_scale(cr, 0.6, 0.6);
        portrait(cr, Frame{90, 120}, looks[i], i);
        cairo_restore(cr);
        cairo_rectangle(cr, x - 1, y - 1, 56, 74);
        setRgb(cr, pal::YELLOW);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    }
}

}  // namespace

void addScreenPainters(PainterRegistry& r) {
    r.add("titleBG", titlePicture);
    r.add("selectBG", menuBackground);
    const char* items[8] = {"New Game", "Continue", "Versus", "Replays", "Instructions", "Options", "Credits", "Exit"};
    for (int i = 0; i < 8; ++i) {
        const std::string label = items[i];
        r.add("menuItem" + std::to_string(i + 1), [label](cairo_t* cr, const Frame& f) { menuItem(cr, f, label); });
    }
    r.add("inst", instructions);
    const PortraitLook looks[7] = {
        {{0.10, 0.12, 0.30}, pal::SKY, pal::SKIN, 0},           {{0.10, 0.30, 0.15}, {0.2, 0.35, 0.2}, pal::SKIN, 1},
        {{0.25, 0.28, 0.32}, pal::GREEN, pal::LIME, 2},         {{0.25, 0.10, 0.35}, pal::PURPLE, pal::SKIN, 3},
        {{0.05, 0.05, 0.20}, pal::MAGENTA, {0.7, 0.8, 1.0}, 4}, {{0.45, 0.30, 0.20}, pal::BROWN, pal::SKIN, 5},
        {{0.35, 0.05, 0.08}, pal::DARK, pal::GREY, 6}};
    for (int i = 0; i < 7; ++i) {
        const PortraitLook p = looks[i];
        r.add("opp" + std::to_string(i), [p, i](cairo_t* cr, const Frame& f) { portrait(cr, f, p, i); });
    }
    r.add("endingBG", [looks](cairo_t* cr, const Frame& f) { endingPicture(cr, f, looks); });
}
