#include "assets/ui_kit.h"

#include <algorithm>
#include <cmath>

void plate(cairo_t* cr, double x, double y, double w, double h, Rgb base, double radius) {
    const double lw = inkWidth(w, h);
    roundRect(cr, x + lw / 2, y + lw / 2, w - lw, h - lw, radius);
    fillShaded(cr, base, y, y + h);
    setRgb(cr, pal::INK);
    cairo_set_line_width(cr, lw);
    cairo_stroke(cr);
    // Inner bevel: a light line just inside the top edge.
    cairo_save(cr);
    roundRect(cr, x + lw * 1.8, y + lw * 1.8, w - lw * 3.6, h - lw * 3.6, std::max(0.0, radius - lw));
    setRgb(cr, shade(base, 0.6), 0.55);
    cairo_set_line_width(cr, std::max(1.0, lw * 0.6));
    cairo_stroke(cr);
    cairo_restore(cr);
}

void labelledButton(cairo_t* cr, double w, double h, Rgb base, const std::string& label, double px, Face face) {
    plate(cr, 0, 0, w, h, base, std::min(w, h) * 0.3);
    drawText(cr, label, w / 2, h / 2, px, face, pal::WHITE, std::max(1.0, px / 10), shade(base, -0.6));
}

void heartPath(cairo_t* cr, double cx, double cy, double s) {
    cairo_new_sub_path(cr);
    cairo_move_to(cr, cx, cy + s * 0.45);
    cairo_curve_to(cr, cx - s * 0.9, cy - s * 0.1, cx - s * 0.45, cy - s * 0.75, cx, cy - s * 0.3);
    cairo_curve_to(cr, cx + s * 0.45, cy - s * 0.75, cx + s * 0.9, cy - s * 0.1, cx, cy + s * 0.45);
    cairo_close_path(cr);
}

void iconDisc(cairo_t* cr, double w, double h, Rgb base, const std::string& symbol, double symbolScale) {
    const double r = std::min(w, h) / 2 - 0.5;
    cairo_arc(cr, w / 2, h / 2, r, 0, 2 * M_PI);
    inkShape(cr, base, 0, h, std::max(1.0, r / 7));
    drawText(cr, symbol, w / 2, h / 2 + 0.3, std::min(w, h) * symbolScale, Face::SANS_BOLD, pal::WHITE,
             std::min(w, h) / 14, shade(base, -0.6));
}
