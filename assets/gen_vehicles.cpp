// The player's eight vehicles, seen from above with the front at the top, straight and
// leaning both ways; their size comes from the vehicle data. Then the opponents' craft,
// one looping animation per round.
#include <cmath>
#include <vector>

#include "assets/art.h"
#include "assets/craft.h"
#include "assets/painters.h"
#include "assets/ui_kit.h"

namespace {

void wheel(cairo_t* cr, double x, double y, double w, double h) {
    roundRect(cr, x, y, w, h, std::min(w, h) * 0.35);
    inkShape(cr, pal::DARK, y, y + h, 1.2);
    cairo_move_to(cr, x + w * 0.2, y + h * 0.3);
    cairo_line_to(cr, x + w * 0.8, y + h * 0.3);
    cairo_move_to(cr, x + w * 0.2, y + h * 0.7);
    cairo_line_to(cr, x + w * 0.8, y + h * 0.7);
    setRgb(cr, pal::GREY);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

void windscreen(cairo_t* cr, double x, double y, double w, double h) {
    roundRect(cr, x, y, w, h, std::min(w, h) * 0.3);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, y, 0, y + h);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.85, 0.97, 1.0);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.2, 0.4, 0.75);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    setRgb(cr, pal::INK);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
}

// Each painter draws into a w×h box (front at the top).
void skylark(cairo_t* cr, double w, double h) {
    const double lw = inkWidth(w, h);
    cairo_move_to(cr, w * 0.5, h * 0.3);
    cairo_line_to(cr, w * 0.98, h * 0.45);
    cairo_line_to(cr, w * 0.98, h * 0.55);
    cairo_line_to(cr, w * 0.5, h * 0.55);
    cairo_line_to(cr, w * 0.02, h * 0.55);
    cairo_line_to(cr, w * 0.02, h * 0.45);
    cairo_close_path(cr);
    inkShape(cr, pal::SKY, h * 0.3, h * 0.55, lw);
    cairo_move_to(cr, w * 0.5, h * 0.8);
    cairo_line_to(cr, w * 0.78, h * 0.9);
    cairo_line_to(cr, w * 0.78, h * 0.97);
    cairo_line_to(cr, w * 0.22, h * 0.97);
    cairo_line_to(cr, w * 0.22, h * 0.9);
    cairo_close_path(cr);
    inkShape(cr, pal::SKY, h * 0.8, h, lw);
    ellipsePath(cr, w * 0.5, h * 0.52, w * 0.11, h * 0.46);
    inkShape(cr, pal::WHITE, h * 0.06, h, lw);
    windscreen(cr, w * 0.43, h * 0.3, w * 0.14, h * 0.16);
    for (int s = -1; s <= 1; s += 2) {
        cairo_rectangle(cr, w * 0.5 + s * w * 0.3 - w * 0.04, h * 0.5, w * 0.08, h * 0.04);
        setRgb(cr, pal::RED);
        cairo_fill(cr);
    }
    ellipsePath(cr, w * 0.5, h * 0.06, w * 0.22, h * 0.03);
    setRgb(cr, pal::WHITE, 0.6);
    cairo_fill(cr);
}

void rumblebuggy(cairo_t* cr, double w, double h) {
    const double lw = inkWidth(w, h);
    for (int i = 0; i < 3; ++i)
        for (int s = 0; s < 2; ++s) wheel(cr, s ? w * 0.8 : w * 0.02, h * (0.1 + 0.3 * i), w * 0.18, h * 0.22);
    roundRect(cr, w * 0.16, h * 0.04, w * 0.68, h * 0.92, w * 0.12);
    inkShape(cr, {0.55, 0.55, 0.3}, 0, h, lw);
    cairo_rectangle(cr, w * 0.24, h * 0.45, w * 0.52, h * 0.42);
    inkFlat(cr, shade({0.55, 0.55, 0.3}, -0.25), lw * 0.7);
    cairo_move_to(cr, w * 0.24, h * 0.45);
    cairo_line_to(cr, w * 0.76, h * 0.87);
    cairo_move_to(cr, w * 0.76, h * 0.45);
    cairo_line_to(cr, w * 0.24, h * 0.87);
    setRgb(cr, pal::INK, 0.8);
    cairo_set_line_width(cr, lw * 0.7);
    cairo_stroke(cr);
    windscreen(cr, w * 0.28, h * 0.22, w * 0.44, h * 0.14);
    cairo_arc(cr, w * 0.5, h * 0.1, w * 0.1, 0, 2 * M_PI);
    inkShape(cr, pal::ORANGE, 0, h * 0.2, lw);
}

void tolliver(cairo_t* cr, double w, double h) {
    const double lw = inkWidth(w, h);
    for (double y : {0.14, 0.72})
        for (int s = 0; s < 2; ++s) wheel(cr, s ? w * 0.82 : w * 0.02, h * y, w * 0.16, h * 0.14);
    roundRect(cr, w * 0.1, h * 0.02, w * 0.8, h * 0.96, w * 0.3);
    inkShape(cr, pal::RED, 0, h, lw);
    cairo_rectangle(cr, w * 0.44, h * 0.03, w * 0.12, h * 0.94);
    setRgb(cr, pal::WHITE, 0.85);
    cairo_fill(cr);
    windscreen(cr, w * 0.18, h * 0.24, w * 0.64, h * 0.12);
    roundRect(cr, w * 0.2, h * 0.38, w * 0.6, h * 0.34, w * 0.1);
    inkFlat(cr, shade(pal::RED, -0.2), lw * 0.7);
    windscreen(cr, w * 0.22, h * 0.74, w * 0.56, h * 0.08);
    for (int s = -1; s <= 1; s += 2) {
        ellipsePath(cr, w * 0.5 + s * w * 0.26, h * 0.05, w * 0.08, h * 0.015);
        setRgb(cr, pal::YELLOW);
        cairo_fill(cr);
    }
}

void tinkerTot(cairo_t* cr, double w, double h) {
    const double lw = inkWidth(w, h);
    for (double y : {0.12, 0.6})
        for (int s = 0; s < 2; ++s) {
            cairo_arc(cr, s ? w * 0.86 : w * 0.14, h * y + h * 0.1, w * 0.13, 0, 2 * M_PI);
            inkShape(cr, pal::RED, 0, h, lw * 0.8);
        }
    roundRect(cr, w * 0.16, h * 0.04, w * 0.68, h * 0.78, w * 0.3);
    inkShape(cr, pal::YELLOW, 0, h * 0.8, lw);
    cairo_arc(cr, w * 0.5, h * 0.38, w * 0.16, 0, 2 * M_PI);
    inkFlat(cr, pal::WHITE, lw * 0.7);
    drawText(cr, "7", w * 0.5, h * 0.38, w * 0.26, Face::SANS_BOLD, pal::RED);
    // The wind-up key at the back.
    cairo_move_to(cr, w * 0.5, h * 0.8);
    cairo_line_to(cr, w * 0.5, h * 0.88);
    setRgb(cr, pal::INK);
    cairo_set_line_width(cr, lw * 1.4);
    cairo_stroke(cr);
    for (int s = -1; s <= 1; s += 2) {
        ellipsePath(cr, w * 0.5 + s * w * 0.16, h * 0.92, w * 0.16, h * 0.06);
        inkShape(cr, pal::LIGHT, h * 0.86, h, lw * 0.7);
    }
}

void relishRover(cairo_t* cr, double w, double h) {
    const double lw = inkWidth(w, h);
    for (double y : {0.1, 0.74})
        for (int s = 0; s < 2; ++s) wheel(cr, s ? w * 0.84 : w * 0.02, h * y, w * 0.14, h * 0.14);
    roundRect(cr, w * 0.1, h * 0.02, w * 0.8, h * 0.96, w * 0.12);
    inkShape(cr, pal::WHITE, 0, h, lw);
    windscreen(cr, w * 0.18, h * 0.06, w * 0.64, h * 0.1);
    // Striped awning over the serving side.
    cairo_save(cr);
    cairo_rectangle(cr, w * 0.12, h * 0.22, w * 0.76, h * 0.62);
    cairo_clip(cr);
    for (int i = 0; i < 8; ++i) {
        cairo_rectangle(cr, w * 0.12 + i * w * 0.095, h * 0.22, w * 0.095, h * 0.62);
        setRgb(cr, i % 2 ? pal::RED : pal::YELLOW);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    cairo_rectangle(cr, w * 0.12, h * 0.22, w * 0.76, h * 0.62);
    setRgb(cr, pal::INK);
    cairo_set_line_width(cr, lw * 0.8);
    cairo_stroke(cr);
    // A sausage in a bun on the roof.
    roundRect(cr, w * 0.3, h * 0.42, w * 0.4, h * 0.16, w * 0.08);
    inkShape(cr, pal::TAN, h * 0.42, h * 0.58, lw * 0.8);
    roundRect(cr, w * 0.34, h * 0.46, w * 0.32, h * 0.08, w * 0.04);
    inkFlat(cr, pal::BROWN, lw * 0.6);
    cairo_move_to(cr, w * 0.36, h * 0.5);
    cairo_curve_to(cr, w * 0.42, h * 0.47, w * 0.48, h * 0.53, w * 0.64, h * 0.49);
    setRgb(cr, pal::YELLOW);
    cairo_set_line_width(cr, lw * 0.8);
    cairo_stroke(cr);
}

void tidewalker(cairo_t* cr, double w, double h) {
    const double lw = inkWidth(w, h);
    for (int i = 0; i < 5; ++i) softDot(cr, w * (0.2 + 0.15 * i), h * 0.95, w * 0.18, pal::WHITE, 0.6);
    cairo_move_to(cr, w * 0.5, h * 0.01);
    cairo_curve_to(cr, w * 0.98, h * 0.3, w * 0.9, h * 0.8, w * 0.6, h * 0.94);
    cairo_line_to(cr, w * 0.4, h * 0.94);
    cairo_curve_to(cr, w * 0.1, h * 0.8, w * 0.02, h * 0.3, w * 0.5, h * 0.01);
    inkShape(cr, pal::TEAL, 0, h, lw);
    cairo_move_to(cr, w * 0.5, h * 0.06);
    cairo_line_to(cr, w * 0.5, h * 0.9);
    setRgb(cr, pal::WHITE, 0.8);
    cairo_set_line_width(cr, lw);
    cairo_stroke(cr);
    // The rider: shoulders and a round helmet.
    ellipsePath(cr, w * 0.5, h * 0.5, w * 0.3, h * 0.07);
    inkShape(cr, pal::ORANGE, h * 0.43, h * 0.57, lw * 0.8);
    cairo_arc(cr, w * 0.5, h * 0.47, w * 0.14, 0, 2 * M_PI);
    inkShape(cr, pal::YELLOW, h * 0.4, h * 0.54, lw * 0.8);
}

void triple7(cairo_t* cr, double w, double h) {
    const double lw = inkWidth(w, h);
    for (double y : {0.1, 0.68})
        for (int s = 0; s < 2; ++s) wheel(cr, s ? w * 0.82 : w * 0.02, h * y, w * 0.16, h * 0.2);
    roundRect(cr, w * 0.1, h * 0.03, w * 0.8, h * 0.94, w * 0.2);
    inkShape(cr, pal::PURPLE, 0, h, lw);
    for (int i = 0; i < 10; ++i) {
        const double a = i * 2 * M_PI / 10;
        softDot(cr, w * 0.5 + std::cos(a) * w * 0.33, h * 0.5 + std::sin(a) * h * 0.4, w * 0.06, pal::YELLOW, 1);
    }
    roundRect(cr, w * 0.2, h * 0.32, w * 0.6, h * 0.3, w * 0.06);
    inkShape(cr, pal::INK, h * 0.32, h * 0.62, lw * 0.7);
    drawText(cr, "777", w * 0.5, h * 0.47, w * 0.22, Face::SANS_BOLD, pal::YELLOW, 0.8, pal::RED);
    windscreen(cr, w * 0.24, h * 0.1, w * 0.52, h * 0.14);
}

void bandwagon(cairo_t* cr, double w, double h) {
    const double lw = inkWidth(w, h);
    for (double y : {0.08, 0.7})
        for (int s = 0; s < 2; ++s) wheel(cr, s ? w * 0.84 : w * 0.02, h * y, w * 0.14, h * 0.2);
    roundRect(cr, w * 0.1, h * 0.04, w * 0.8, h * 0.92, w * 0.08);
    inkShape(cr, pal::BLUE, 0, h, lw);
    // Bunting along the edges.
    for (int i = 0; i < 8; ++i) {
        const double x = w * (0.12 + 0.095 * i);
        cairo_move_to(cr, x, h * 0.06);
        cairo_line_to(cr, x + w * 0.095, h * 0.06);
        cairo_line_to(cr, x + w * 0.0475, h * 0.13);
        cairo_close_path(cr);
        setRgb(cr, i % 3 == 0 ? pal::RED : i % 3 == 1 ? pal::YELLOW : pal::WHITE);
        cairo_fill(cr);
    }
    cairo_arc(cr, w * 0.5, h * 0.52, std::min(w, h) * 0.26, 0, 2 * M_PI);
    inkShape(cr, pal::RED, h * 0.3, h * 0.75, lw);
    cairo_arc(cr, w * 0.5, h * 0.52, std::min(w, h) * 0.2, 0, 2 * M_PI);
    inkFlat(cr, pal::WHITE, lw * 0.7);
    for (int s = -1; s <= 1; s += 2) {
        cairo_move_to(cr, w * 0.5 + s * w * 0.12, h * 0.5);
        cairo_line_to(cr, w * 0.5 + s * w * 0.3, h * 0.3);
        setRgb(cr, pal::BROWN);
        cairo_set_line_width(cr, lw);
        cairo_stroke(cr);
        cairo_arc(cr, w * 0.5 + s * w * 0.3, h * 0.3, lw * 1.4, 0, 2 * M_PI);
        inkFlat(cr, pal::WHITE, lw * 0.5);
    }
    cairo_move_to(cr, w * 0.2, h * 0.88);
    cairo_line_to(cr, w * 0.36, h * 0.8);
    cairo_line_to(cr, w * 0.36, h * 0.94);
    cairo_close_path(cr);
    inkFlat(cr, pal::YELLOW, lw * 0.6);
}

using Drawer = void (*)(cairo_t*, double, double);
const Drawer VEHICLES[8] = {skylark, rumblebuggy, tolliver, tinkerTot, relishRover, tidewalker, triple7, bandwagon};

// Leaning while steering: tilt about the centre and narrow a little.
void vehicle(cairo_t* cr, const Frame& f, int n, double lean) {
    const double margin = inkWidth(f.w, f.h) * 0.5 + std::fabs(lean) * 1.0;
    cairo_translate(cr, f.w / 2, f.h / 2);
    cairo_rotate(cr, lean * 0.12);
    cairo_scale(cr, 1.0 - 0.1 * std::fabs(lean), 1.0 - 0.04 * std::fabs(lean));
    cairo_translate(cr, -f.w / 2 + margin, -f.h / 2 + margin);
    VEHICLES[n](cr, f.w - 2 * margin, f.h - 2 * margin);
}

}  // namespace

void drawVehicleArt(cairo_t* cr, int n, double w, double h) {
    VEHICLES[((n % 8) + 8) % 8](cr, w, h);
}

void addVehiclePainters(PainterRegistry& r) {
    for (int v = 0; v < 8; ++v) {
        r.add("veh" + std::to_string(v), [v](cairo_t* cr, const Frame& f) { vehicle(cr, f, v, 0); });
        r.add("vehL" + std::to_string(v), [v](cairo_t* cr, const Frame& f) { vehicle(cr, f, v, -1); });
        r.add("vehR" + std::to_string(v), [v](cairo_t* cr, const Frame& f) { vehicle(cr, f, v, 1); });
    }
}

// Each opponent's ship round by round: its design and the gear it adds as the round
// titles escalate. The shape-shifter (4) takes a new form every round and the Owner
// (6) grows richer, from a shopping cart to a crowned fortress.
struct Stage {
    int design;
    int gear;
};

const std::vector<Stage> STAGES[7] = {
    {{0, 0}, {4, GEAR_PODS | GEAR_GUNS | GEAR_SPIKES}},
    {{7, 0}, {7, GEAR_ANTENNAE | GEAR_SPIKES}, {2, GEAR_ANTENNAE | GEAR_GUNS | GEAR_EYES}},
    {{5, 0}, {5, GEAR_DISH}, {2, GEAR_DISH | GEAR_PODS}, {5, GEAR_PODS | GEAR_GUNS | GEAR_DISH},
     {9, GEAR_PODS | GEAR_GUNS | GEAR_DISH | GEAR_SPIKES}},
    {{3, 0}, {3, GEAR_SPIKES}, {6, GEAR_EYES}, {3, GEAR_EYES | GEAR_SPIKES | GEAR_ANTENNAE}, {1, GEAR_HAT},
     {5, GEAR_EYES | GEAR_SPIKES | GEAR_PODS}},
    {{6, 0}, {1, 0}, {4, 0}, {7, 0}, {2, 0}, {5, 0}, {0, 0}},
    {{4, 0}, {4, GEAR_GUNS}, {1, GEAR_SPIKES}, {4, GEAR_PODS | GEAR_SPIKES}, {9, GEAR_GUNS | GEAR_SPIKES | GEAR_EYES}},
    {{8, 0}, {9, 0}, {9, GEAR_DISH}, {9, GEAR_GUNS}, {9, GEAR_GUNS | GEAR_PODS}, {9, GEAR_GUNS | GEAR_PODS},
     {9, GEAR_GUNS | GEAR_PODS | GEAR_SPIKES}, {9, GEAR_GUNS | GEAR_PODS | GEAR_SPIKES | GEAR_DISH}},
};

void addOpponentPainters(PainterRegistry& r) {
    const struct {
        Rgb body;
        Rgb accent;
    } paints[7] = {{{0.55, 0.6, 0.7}, pal::SKY},  {{0.25, 0.45, 0.25}, pal::LIME}, {pal::GREEN, pal::YELLOW},
                   {pal::PURPLE, pal::MAGENTA}, {{0.35, 0.3, 0.8}, pal::TEAL},   {pal::BROWN, pal::ORANGE},
                   {{0.35, 0.35, 0.4}, pal::RED}};
    for (int o = 0; o < 7; ++o) {
        const int rounds = int(STAGES[o].size());
        for (int round = 0; round < rounds; ++round) {
            const Stage st = STAGES[o][round];
            CraftLook look{st.design, shade(paints[o].body, -0.06 * round), mix(paints[o].accent, pal::RED, 0.08 * round),
                           false, st.gear};
            if (o == 6) {
                look.accent = mix(pal::RED, pal::YELLOW, round / 7.0);
                look.crown = round >= 4;
                if (round == 0) look.body = pal::LIGHT;
                if (round == rounds - 1) look.body = {0.2, 0.1, 0.25};
            }
            r.add("opp" + std::to_string(o) + std::to_string(round), [look](cairo_t* cr, const Frame& f) {
                const double bob = std::sin(f.loop() * 2 * M_PI);
                cairo_translate(cr, 0, bob * 0.8);
                drawCraft(cr, f.w, f.h, look, 0, 0.5 + 0.5 * bob);
            });
        }
    }
}
