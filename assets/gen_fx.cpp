// Particle sprites: small soft shapes on a 32×32 cell with a centred hot spot, and the head
// the battle draws over every bullet. Light
// colours, because every particle is tinted by its system's colour.
#include <algorithm>
#include <cmath>

#include "assets/painters.h"
#include "assets/ui_kit.h"
#include "assets/vehicle_data.h"

namespace {

void spikes(cairo_t* cr, double c, int n, double outer, double inner, double turn) {
    starPath(cr, c, c, outer, inner, n, turn);
    setRgb(cr, pal::WHITE);
    cairo_fill(cr);
}

}  // namespace

void addParticleSpritePainters(PainterRegistry& r) {
    r.add("pxDot", [](cairo_t* cr, const Frame& f) {
        cairo_arc(cr, f.w / 2, f.h / 2, f.w * 0.3, 0, 2 * M_PI);
        setRgb(cr, pal::WHITE);
        cairo_fill(cr);
    });
    r.add("pxGlow", [](cairo_t* cr, const Frame& f) { softDot(cr, f.w / 2, f.h / 2, f.w / 2, pal::WHITE, 1); });
    r.add("pxSpark", [](cairo_t* cr, const Frame& f) {
        softDot(cr, f.w / 2, f.h / 2, f.w * 0.35, pal::WHITE, 0.8);
        spikes(cr, f.w / 2, 4, f.w * 0.48, f.w * 0.08, 0);
    });
    r.add("pxStar", [](cairo_t* cr, const Frame& f) {
        softDot(cr, f.w / 2, f.h / 2, f.w * 0.45, pal::WHITE, 0.5);
        spikes(cr, f.w / 2, 5, f.w * 0.42, f.w * 0.18, 0);
    });
    r.add("pxSmoke", [](cairo_t* cr, const Frame& f) {
        softDot(cr, f.w * 0.42, f.h * 0.45, f.w * 0.38, pal::WHITE, 0.9);
        softDot(cr, f.w * 0.62, f.h * 0.58, f.w * 0.32, pal::WHITE, 0.8);
    });
    r.add("pxFlame", [](cairo_t* cr, const Frame& f) {
        softDot(cr, f.w / 2, f.h / 2, f.w / 2, pal::WHITE, 0.9);
        softDot(cr, f.w / 2, f.h / 2, f.w * 0.25, pal::WHITE, 1);
    });
    r.add("pxRing", [](cairo_t* cr, const Frame& f) {
        cairo_arc(cr, f.w / 2, f.h / 2, f.w * 0.38, 0, 2 * M_PI);
        setRgb(cr, pal::WHITE);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
    });
    r.add("pxBubble", [](cairo_t* cr, const Frame& f) {
        cairo_arc(cr, f.w / 2, f.h / 2, f.w * 0.38, 0, 2 * M_PI);
        setRgb(cr, pal::WHITE, 0.35);
        cairo_fill_preserve(cr);
        setRgb(cr, pal::WHITE);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        glint(cr, f.w / 2, f.h / 2, f.w * 0.38);
    });
    r.add("pxDrop", [](cairo_t* cr, const Frame& f) {
        cairo_move_to(cr, f.w / 2, 4);
        cairo_curve_to(cr, f.w / 2 + 3, 12, f.w * 0.8, 16, f.w * 0.8, 21);
        cairo_arc(cr, f.w / 2, 21, f.w * 0.3, 0, M_PI);
        cairo_curve_to(cr, f.w * 0.2, 16, f.w / 2 - 3, 12, f.w / 2, 4);
        setRgb(cr, pal::WHITE);
        cairo_fill(cr);
    });
    r.add("pxLeaf", [](cairo_t* cr, const Frame&) {
        cairo_move_to(cr, 6, 26);
        cairo_curve_to(cr, 6, 10, 16, 4, 27, 5);
        cairo_curve_to(cr, 27, 18, 18, 27, 6, 26);
        setRgb(cr, pal::WHITE);
        cairo_fill(cr);
    });
    r.add("pxNote", [](cairo_t* cr, const Frame& f) {
        drawText(cr, "\u266a", f.w / 2, f.h / 2, 26, Face::SANS_BOLD, pal::WHITE);
    });
    r.add("pxHeart", [](cairo_t* cr, const Frame& f) {
        heartPath(cr, f.w / 2, f.h / 2 + 2, f.w * 0.8);
        setRgb(cr, pal::WHITE);
        cairo_fill(cr);
    });
    r.add("pxZed",
          [](cairo_t* cr, const Frame& f) { drawText(cr, "Z", f.w / 2, f.h / 2, 24, Face::SANS_BOLD, pal::WHITE); });
    r.add("pxBolt", [](cairo_t* cr, const Frame&) {
        cairo_move_to(cr, 19, 2);
        cairo_line_to(cr, 8, 18);
        cairo_line_to(cr, 15, 18);
        cairo_line_to(cr, 11, 30);
        cairo_line_to(cr, 24, 12);
        cairo_line_to(cr, 17, 12);
        cairo_close_path(cr);
        setRgb(cr, pal::WHITE);
        cairo_fill(cr);
    });
    r.add("pxShard", [](cairo_t* cr, const Frame& f) {
        cairo_move_to(cr, f.w / 2, 3);
        cairo_line_to(cr, f.w * 0.7, f.h / 2);
        cairo_line_to(cr, f.w / 2, f.h - 3);
        cairo_line_to(cr, f.w * 0.3, f.h / 2);
        cairo_close_path(cr);
        setRgb(cr, pal::WHITE, 0.9);
        cairo_fill(cr);
    });
    r.add("pxSquare", [](cairo_t* cr, const Frame& f) {
        cairo_rectangle(cr, 7, 7, f.w - 14, f.h - 14);
        setRgb(cr, pal::WHITE);
        cairo_fill(cr);
    });
    // Vehicle bullets: a glow twice the vehicle's shot width, so the game's 0.5 scale at
    // shot level 0 matches the bullet's box.
    for (int v = 0; v < 8; ++v) {
        r.add("pxShot" + std::to_string(v), [v](cairo_t* cr, const Frame& f) {
            const double radius = std::clamp(vehicleLook(v).shotWidth, 3.0, f.w / 2);
            softDot(cr, f.w / 2, f.h / 2, radius, pal::WHITE, 1);
            cairo_arc(cr, f.w / 2, f.h / 2, radius * 0.4, 0, 2 * M_PI);
            setRgb(cr, pal::WHITE);
            cairo_fill(cr);
        });
    }
    // A bullet's head, drawn by the game over the bullet's box a little enlarged and tinted
    // with a pale shade of its gun's colour: a dark rim for pale fields round a light body
    // for dark ones. Alpha-blended, unlike the glowing trail, so the rim really darkens.
    r.add("shotHead", [](cairo_t* cr, const Frame& f) {
        const double c = f.w / 2, k = f.w / 16;
        cairo_arc(cr, c, c, 7.6 * k, 0, 2 * M_PI);
        setRgb(cr, pal::INK, 0.92);
        cairo_fill(cr);
        cairo_arc(cr, c, c, 5.4 * k, 0, 2 * M_PI);
        setRgb(cr, {1, 1, 1});
        cairo_fill(cr);
    });
}
