// The 24 enemy kinds: a live loop (bobbing, blinking), a death that flashes and blows up
// in the kind's colours well within the 2 seconds the game shows it, and for the attackers an attack
// loop. Each frame fills the enemy's box, which is also its hit box.
#include <cmath>

#include "assets/art.h"
#include "assets/blast_art.h"
#include "assets/painters.h"
#include "assets/ui_kit.h"

namespace {

enum Shape { ZOMBIE, BLOB, SQUID, ROBOT, BUG, BAT, GHOST, EYE, CRAB, PLANT, GOLEM, SPIKY, BOMB, BOSS };

// What a robot carries, so the robot kinds differ at a glance.
enum Gear { NONE, GUN, SPEAKER, CLOCK };

struct EnemyLook {
    Shape shape;
    Rgb body;
    Rgb accent;
    Gear gear = NONE;
};

const EnemyLook LOOKS[25] = {
    {BLOB, pal::GREY, pal::WHITE},                  // kind 0 is never spawned
    {ZOMBIE, {0.45, 0.7, 0.35}, pal::RED},          // 1 zombie
    {BLOB, pal::ORANGE, pal::YELLOW},               // 2
    {SQUID, {0.55, 0.4, 0.7}, pal::LIME},           // 3 toxic cloud
    {ROBOT, pal::GREY, pal::RED, GUN},              // 4 shooter
    {BUG, pal::YELLOW, pal::BROWN},                 // 5
    {BAT, pal::MAGENTA, pal::YELLOW},               // 6
    {GHOST, {0.7, 0.9, 0.7}, pal::GREEN},           // 7 zombie-maker
    {BLOB, pal::PURPLE, pal::LIME},                 // 8 zombie cloud
    {EYE, pal::RED, pal::WHITE},                    // 9 screamer
    {CRAB, pal::ORANGE, pal::RED},                  // 10 spread shot
    {ROBOT, {0.85, 0.7, 0.25}, pal::SKY, SPEAKER},  // 11 sonic ring
    {GOLEM, pal::BROWN, pal::TAN},                  // 12 club thrower
    {PLANT, pal::GREEN, pal::MAGENTA},              // 13 vine
    {GHOST, {0.52, 0.46, 0.66}, pal::RED},          // 14 summoner
    {ROBOT, pal::BLUE, pal::YELLOW, CLOCK},         // 15 clock thrower
    {SPIKY, pal::RED, pal::ORANGE},                 // 16 fire breath
    {SQUID, pal::TEAL, pal::WHITE},                 // 17 sound
    {BLOB, pal::SKY, pal::WHITE},                   // 18 slippery blob
    {EYE, pal::PURPLE, pal::YELLOW},                // 19 three attacks
    {SPIKY, pal::LIGHT, pal::BLUE},                 // 20 blades
    {BOMB, pal::DARK, pal::RED},                    // 21 explodes
    {GOLEM, {0.6, 0.85, 1.0}, pal::WHITE},          // 22 ice cubes
    {BLOB, pal::LIME, pal::GREEN},                  // 23 toxic explosion
    {BOSS, pal::MAGENTA, pal::YELLOW},              // 24 the strongest
};

void eyes(cairo_t* cr, double cx, double cy, double r, double gap, bool shut, Rgb pupil = pal::INK) {
    for (int s = -1; s <= 1; s += 2) {
        if (shut) {
            cairo_move_to(cr, cx + s * gap - r, cy);
            cairo_line_to(cr, cx + s * gap + r, cy);
            setRgb(cr, pal::INK);
            cairo_set_line_width(cr, std::max(1.0, r * 0.5));
            cairo_stroke(cr);
            continue;
        }
        cairo_arc(cr, cx + s * gap, cy, r, 0, 2 * M_PI);
        inkFlat(cr, pal::WHITE, std::max(0.8, r * 0.3));
        cairo_arc(cr, cx + s * gap, cy + r * 0.15, r * 0.5, 0, 2 * M_PI);
        setRgb(cr, pupil);
        cairo_fill(cr);
    }
}

// One pose of the creature in a w×h box; `phase` 0..1 drives bobbing, `angry` the attack.
void creature(cairo_t* cr, double w, double h, const EnemyLook& e, double phase, bool angry) {
    const double lw = inkWidth(w, h);
    const double bob = std::sin(phase * 2 * M_PI);
    // Eyes stay open: with four frames a blink would shut them a quarter of the time.
    const bool blink = false;
    const Rgb body = angry ? mix(e.body, pal::RED, 0.35) : e.body;
    const double cx = w / 2;
    switch (e.shape) {
        case ZOMBIE: {
            for (int s = -1; s <= 1; s += 2) {  // arms reaching forward
                cairo_rectangle(cr, cx + s * w * 0.3 - w * 0.08, h * (0.1 + 0.04 * bob * s), w * 0.16, h * 0.4);
                inkShape(cr, body, 0, h, lw);
            }
            roundRect(cr, w * 0.22, h * 0.3, w * 0.56, h * 0.62, w * 0.12);
            inkShape(cr, pal::BROWN, h * 0.3, h, lw);
            ellipsePath(cr, cx, h * 0.32, w * 0.26, h * 0.22);
            inkShape(cr, body, h * 0.1, h * 0.55, lw);
            eyes(cr, cx, h * 0.3, w * 0.07, w * 0.1, blink, pal::RED);
            break;
        }
        case BLOB: {
            const double sq = 0.06 * bob;
            cairo_move_to(cr, w * 0.06, h * 0.95);
            cairo_curve_to(cr, w * 0.0, h * (0.3 - sq), w * 0.3, h * (0.06 - sq), cx, h * (0.06 - sq));
            cairo_curve_to(cr, w * 0.7, h * (0.06 - sq), w * 1.0, h * (0.3 - sq), w * 0.94, h * 0.95);
            cairo_close_path(cr);
            inkShape(cr, body, 0, h, lw);
            eyes(cr, cx, h * 0.45, w * 0.1, w * 0.15, blink);
            cairo_arc(cr, cx, h * 0.66, w * (angry ? 0.14 : 0.1), 0.1 * M_PI, 0.9 * M_PI);
            setRgb(cr, pal::INK);
            cairo_set_line_width(cr, lw);
            cairo_stroke(cr);
            glint(cr, w * 0.38, h * 0.4, w * 0.3);
            break;
        }
        case SQUID: {
            for (int i = 0; i < 4; ++i) {
                const double x = w * (0.2 + 0.2 * i);
                cairo_move_to(cr, x - w * 0.06, h * 0.5);
                cairo_curve_to(cr, x - w * 0.1 + bob * 3, h * 0.75, x + w * 0.05 - bob * 3, h * 0.8, x, h * 0.97);
                cairo_line_to(cr, x + w * 0.06, h * 0.5);
                inkShape(cr, shade(body, -0.15), 0, h, lw * 0.8);
            }
            ellipsePath(cr, cx, h * 0.35, w * 0.42, h * 0.3);
            inkShape(cr, body, 0, h * 0.65, lw);
            eyes(cr, cx, h * 0.38, w * 0.09, w * 0.14, blink);
            if (angry) softDot(cr, cx, h * 0.75, w * 0.35, e.accent, 0.8);
            break;
        }
        case ROBOT: {
            roundRect(cr, w * 0.12, h * 0.18, w * 0.76, h * 0.62, w * 0.08);
            inkShape(cr, body, h * 0.18, h * 0.8, lw);
            cairo_rectangle(cr, w * 0.2, h * 0.8, w * 0.18, h * 0.17);
            cairo_rectangle(cr, w * 0.62, h * 0.8, w * 0.18, h * 0.17);
            inkShape(cr, shade(body, -0.3), h * 0.8, h, lw);
            cairo_move_to(cr, cx, h * 0.18);
            cairo_line_to(cr, cx, h * 0.05);
            setRgb(cr, pal::INK);
            cairo_set_line_width(cr, lw);
            cairo_stroke(cr);
            cairo_arc(cr, cx, h * 0.05, w * 0.05, 0, 2 * M_PI);
            inkFlat(cr, (phase < 0.5 || angry) ? e.accent : pal::DARK, lw * 0.6);
            roundRect(cr, w * 0.22, h * 0.3, w * 0.56, h * 0.18, h * 0.06);
            inkFlat(cr, pal::INK, lw * 0.5);
            softDot(cr, w * (0.35 + 0.3 * (0.5 + 0.5 * bob)), h * 0.39, w * 0.12, angry ? pal::RED : e.accent, 1);
            if (e.gear == GUN) {
                cairo_rectangle(cr, cx - w * 0.06, h * 0.62, w * 0.12, h * 0.34);
                inkShape(cr, pal::DARK, h * 0.62, h, lw);
            } else if (e.gear == SPEAKER) {
                cairo_arc(cr, cx, h * 0.65, w * 0.12, 0, 2 * M_PI);
                inkFlat(cr, pal::DARK, lw * 0.7);
                cairo_arc(cr, cx, h * 0.65, w * (0.17 + 0.04 * bob), 0.15 * M_PI, 0.85 * M_PI);
                setRgb(cr, e.accent);
                cairo_set_line_width(cr, lw);
                cairo_stroke(cr);
            } else if (e.gear == CLOCK) {
                cairo_arc(cr, cx, h * 0.64, w * 0.13, 0, 2 * M_PI);
                inkFlat(cr, pal::WHITE, lw * 0.7);
                cairo_move_to(cr, cx, h * 0.64);
                cairo_line_to(cr, cx + std::cos(phase * 2 * M_PI) * w * 0.09,
                              h * 0.64 + std::sin(phase * 2 * M_PI) * w * 0.09);
                setRgb(cr, pal::INK);
                cairo_set_line_width(cr, lw * 0.7);
                cairo_stroke(cr);
            }
            break;
        }
        case BOSS: {
            // A horned war machine: wide armoured body, three eyes, jaw cannons.
            for (int s = -1; s <= 1; s += 2) {
                cairo_move_to(cr, cx + s * w * 0.2, h * 0.25);
                cairo_line_to(cr, cx + s * w * 0.48, h * 0.02);
                cairo_line_to(cr, cx + s * w * 0.34, h * 0.32);
                cairo_close_path(cr);
                inkShape(cr, e.accent, 0, h * 0.35, lw);
                roundRect(cr, cx + s * w * 0.36 - w * 0.1, h * (0.55 + 0.02 * bob), w * 0.2, h * 0.4, w * 0.05);
                inkShape(cr, shade(body, -0.3), h * 0.5, h, lw);
            }
            cairo_move_to(cr, cx, h * 0.12);
            cairo_line_to(cr, w * 0.82, h * 0.3);
            cairo_line_to(cr, w * 0.76, h * 0.78);
            cairo_line_to(cr, cx, h * 0.92);
            cairo_line_to(cr, w * 0.24, h * 0.78);
            cairo_line_to(cr, w * 0.18, h * 0.3);
            cairo_close_path(cr);
            inkShape(cr, body, h * 0.12, h * 0.92, lw);
            for (int i = -1; i <= 1; ++i) {
                const double ex = cx + i * w * 0.16, ey = h * (i == 0 ? 0.36 : 0.44);
                cairo_arc(cr, ex, ey, w * 0.07, 0, 2 * M_PI);
                inkFlat(cr, pal::INK, lw * 0.6);
                if (!blink) softDot(cr, ex, ey, w * 0.07, angry ? pal::RED : e.accent, 1);
            }
            cairo_rectangle(cr, cx - w * 0.16, h * 0.62, w * 0.32, h * 0.1);
            inkFlat(cr, pal::INK, lw * 0.6);
            for (int i = 0; i < 4; ++i) {
                cairo_move_to(cr, cx - w * 0.12 + i * w * 0.08, h * 0.62);
                cairo_line_to(cr, cx - w * 0.1 + i * w * 0.08, h * 0.72);
            }
            setRgb(cr, pal::WHITE);
            cairo_set_line_width(cr, lw * 0.6);
            cairo_stroke(cr);
            if (angry) softDot(cr, cx, h * 0.8, w * 0.2, pal::LIME, 0.9);
            break;
        }
        case BUG: {
            for (int s = -1; s <= 1; s += 2)
                for (int i = 0; i < 3; ++i) {
                    cairo_move_to(cr, cx, h * (0.4 + 0.15 * i));
                    cairo_line_to(cr, cx + s * w * 0.48, h * (0.3 + 0.2 * i) + bob * s * 2);
                }
            setRgb(cr, pal::INK);
            cairo_set_line_width(cr, lw);
            cairo_stroke(cr);
            ellipsePath(cr, cx, h * 0.58, w * 0.3, h * 0.36);
            inkShape(cr, body, h * 0.2, h, lw);
            cairo_move_to(cr, cx, h * 0.25);
            cairo_line_to(cr, cx, h * 0.94);
            setRgb(cr, pal::INK);
            cairo_stroke(cr);
            ellipsePath(cr, cx, h * 0.2, w * 0.18, h * 0.14);
            inkShape(cr, e.accent, h * 0.06, h * 0.34, lw);
            break;
        }
        case BAT: {
            const double flap = 0.18 * bob;
            for (int s = -1; s <= 1; s += 2) {
                cairo_move_to(cr, cx, h * 0.4);
                cairo_line_to(cr, cx + s * w * 0.48, h * (0.2 - flap));
                cairo_line_to(cr, cx + s * w * 0.42, h * (0.55 - flap));
                cairo_line_to(cr, cx + s * w * 0.3, h * (0.48 - flap));
                cairo_line_to(cr, cx + s * w * 0.2, h * 0.62);
                cairo_close_path(cr);
                inkShape(cr, shade(body, -0.2), 0, h, lw);
            }
            ellipsePath(cr, cx, h * 0.5, w * 0.18, h * 0.26);
            inkShape(cr, body, h * 0.25, h * 0.75, lw);
            eyes(cr, cx, h * 0.45, w * 0.05, w * 0.07, blink, pal::RED);
            break;
        }
        case GHOST: {
            cairo_move_to(cr, w * 0.1, h * 0.95);
            cairo_curve_to(cr, w * 0.05, h * 0.1, w * 0.95, h * 0.1, w * 0.9, h * 0.95);
            for (int i = 3; i >= 0; --i)
                cairo_line_to(cr, w * (0.1 + 0.2 * i + 0.1), h * (0.85 + 0.06 * ((i % 2) ? bob : -bob)));
            cairo_close_path(cr);
            cairo_save(cr);
            inkShape(cr, body, 0, h, lw);
            cairo_restore(cr);
            ellipsePath(cr, cx - w * 0.14, h * 0.42, w * 0.1, h * 0.12);
            ellipsePath(cr, cx + w * 0.14, h * 0.42, w * 0.1, h * 0.12);
            setRgb(cr, pal::INK);
            cairo_fill(cr);
            softDot(cr, cx - w * 0.14, h * 0.42, w * 0.06, e.accent, 1);
            softDot(cr, cx + w * 0.14, h * 0.42, w * 0.06, e.accent, 1);
            ellipsePath(cr, cx, h * 0.64, w * 0.08, h * (angry ? 0.1 : 0.05));
            setRgb(cr, pal::INK);
            cairo_fill(cr);
            break;
        }
        case EYE: {
            for (int i = 0; i < 6; ++i) {
                const double a = i * M_PI / 3 + phase * 2 * M_PI / 6;
                cairo_move_to(cr, cx, h / 2);
                cairo_line_to(cr, cx + std::cos(a) * w * 0.48, h / 2 + std::sin(a) * h * 0.48);
            }
            setRgb(cr, shade(body, -0.3));
            cairo_set_line_width(cr, lw * 1.5);
            cairo_stroke(cr);
            cairo_arc(cr, cx, h / 2, w * 0.36, 0, 2 * M_PI);
            inkShape(cr, body, h * 0.14, h * 0.86, lw);
            cairo_arc(cr, cx, h / 2, w * 0.24, 0, 2 * M_PI);
            inkFlat(cr, pal::WHITE, lw * 0.7);
            if (!blink) {
                cairo_arc(cr, cx + bob * w * 0.06, h / 2 + w * 0.03, w * (angry ? 0.06 : 0.11), 0, 2 * M_PI);
                setRgb(cr, pal::INK);
                cairo_fill(cr);
            }
            break;
        }
        case CRAB: {
            for (int s = -1; s <= 1; s += 2) {
                cairo_arc(cr, cx + s * w * 0.36, h * (0.3 + 0.04 * bob * s), w * 0.13, 0, 2 * M_PI);
                inkShape(cr, e.accent, 0, h * 0.5, lw);
            }
            ellipsePath(cr, cx, h * 0.6, w * 0.38, h * 0.3);
            inkShape(cr, body, h * 0.3, h * 0.9, lw);
            eyes(cr, cx, h * 0.45, w * 0.07, w * 0.1, blink);
            break;
        }
        case PLANT: {
            cairo_move_to(cr, cx, h);
            cairo_curve_to(cr, cx - w * 0.1 + bob * 2, h * 0.75, cx + w * 0.1, h * 0.6, cx, h * 0.45);
            setRgb(cr, pal::INK);
            cairo_set_line_width(cr, lw * 3);
            cairo_stroke_preserve(cr);
            setRgb(cr, pal::GREEN);
            cairo_set_line_width(cr, lw * 1.5);
            cairo_stroke(cr);
            for (int s = -1; s <= 1; s += 2) {
                ellipsePath(cr, cx + s * w * 0.22, h * 0.72, w * 0.2, h * 0.08);
                inkShape(cr, pal::LIME, h * 0.64, h * 0.8, lw * 0.8);
            }
            const double open = angry ? 0.35 : 0.15 + 0.05 * bob;
            cairo_move_to(cr, cx, h * 0.3);
            cairo_arc(cr, cx, h * 0.3, w * 0.4, M_PI * open, M_PI * (2 - open));
            cairo_close_path(cr);
            inkShape(cr, e.accent, 0, h * 0.6, lw);
            break;
        }
        case GOLEM: {
            roundRect(cr, w * 0.15, h * 0.25, w * 0.7, h * 0.6, w * 0.1);
            inkShape(cr, body, h * 0.25, h * 0.85, lw);
            for (int s = -1; s <= 1; s += 2) {
                roundRect(cr, cx + s * w * 0.38 - w * 0.1, h * (0.35 + (angry && s > 0 ? -0.25 : 0.02 * bob)), w * 0.2,
                          h * 0.4, w * 0.06);
                inkShape(cr, shade(body, -0.15), 0, h, lw);
            }
            roundRect(cr, w * 0.3, h * 0.05, w * 0.4, h * 0.26, w * 0.06);
            inkShape(cr, body, h * 0.05, h * 0.31, lw);
            eyes(cr, cx, h * 0.18, w * 0.05, w * 0.08, blink);
            cairo_move_to(cr, w * 0.3, h * 0.5);
            cairo_line_to(cr, w * 0.45, h * 0.6);
            cairo_line_to(cr, w * 0.4, h * 0.75);
            setRgb(cr, shade(body, -0.5));
            cairo_set_line_width(cr, lw * 0.7);
            cairo_stroke(cr);
            break;
        }
        case SPIKY: {
            starPath(cr, cx, h / 2, w * 0.48, w * 0.3, 8, phase * M_PI / 4);
            inkShape(cr, body, 0, h, lw);
            cairo_arc(cr, cx, h / 2, w * 0.22, 0, 2 * M_PI);
            inkShape(cr, e.accent, h * 0.3, h * 0.7, lw);
            eyes(cr, cx, h * 0.48, w * 0.06, w * 0.08, blink);
            if (angry) softDot(cr, cx, h * 0.7, w * 0.3, pal::ORANGE, 0.9);
            break;
        }
        case BOMB: {
            cairo_arc(cr, cx, h * 0.58, w * 0.38, 0, 2 * M_PI);
            inkShape(cr, body, h * 0.2, h, lw);
            cairo_move_to(cr, cx, h * 0.2);
            cairo_curve_to(cr, cx + w * 0.1, h * 0.1, cx + w * 0.2, h * 0.12, cx + w * 0.25, h * 0.04);
            setRgb(cr, pal::TAN);
            cairo_set_line_width(cr, lw);
            cairo_stroke(cr);
            softDot(cr, cx + w * 0.25, h * 0.05, w * (0.12 + 0.05 * bob), pal::YELLOW, 1);
            eyes(cr, cx, h * 0.55, w * 0.08, w * 0.12, blink, pal::RED);
            glint(cr, cx - w * 0.1, h * 0.5, w * 0.3);
            break;
        }
    }
}

void death(cairo_t* cr, const Frame& f, const EnemyLook& e) {
    const double t = f.t();
    if (t < 0.2) {
        // Flash white and squash as the hit lands.
        cairo_save(cr);
        const double sx = 1.0 + t, sy = 1.0 - t * 1.5;
        cairo_translate(cr, f.w * (1 - sx) / 2, f.h * (1 - sy));
        cairo_scale(cr, sx, sy);
        creature(cr, f.w, f.h, {e.shape, mix(e.body, pal::WHITE, 0.5 + t * 2.5), e.accent}, 0, false);
        cairo_restore(cr);
    }
    if (t < 0.1) return;
    // Then a cartoon blast in the creature's own colours.
    BlastLook look;
    look.debris = e.body;
    look.debris2 = e.accent;
    look.core = mix(pal::YELLOW, e.accent, 0.25);
    look.seed = 0x6b1 + std::uint64_t(e.shape) * 131 + std::uint64_t(e.body.r * 97 + e.body.g * 89 + e.body.b * 83);
    look.chunks = 7;
    drawBlast(cr, f.w / 2, f.h / 2, std::min(f.w, f.h) / 2, (t - 0.1) / 0.9, look);
}

}  // namespace

void drawEnemyArt(cairo_t* cr, int kind, double w, double h, double phase) {
    creature(cr, w, h, LOOKS[kind >= 1 && kind <= 24 ? kind : 1], phase, false);
}

void addEnemyPainters(PainterRegistry& r) {
    for (int k = 1; k <= 24; ++k) {
        const EnemyLook e = LOOKS[k];
        r.add("enemy" + std::to_string(k),
              [e](cairo_t* cr, const Frame& f) { creature(cr, f.w, f.h, e, f.loop(), false); });
        r.add("enemyD" + std::to_string(k), [e](cairo_t* cr, const Frame& f) { death(cr, f, e); });
        r.add("enemyA" + std::to_string(k), [e](cairo_t* cr, const Frame& f) {
            creature(cr, f.w, f.h, e, f.loop(), true);
            softDot(cr, f.w / 2, f.h / 2, std::min(f.w, f.h) * 0.5, pal::WHITE, 0.15 + 0.15 * (f.index % 2));
        });
    }
}
