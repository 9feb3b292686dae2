#include "assets/coin_marks.h"

#include <algorithm>

Rgb coinColour(int colour) {
    const Rgb colours[3] = {pal::RED, pal::GREEN, pal::SKY};
    return colours[std::clamp(colour, 0, 2)];
}

void coinShapePath(cairo_t* cr, int colour, double cx, double cy, double r, double squeeze) {
    const double rx = r * squeeze;
    switch (static_cast<CoinShape>(std::clamp(colour, 0, 2))) {
    case CoinShape::ROUND: ellipsePath(cr, cx, cy, rx, r); break;
    case CoinShape::DIAMOND:
        cairo_move_to(cr, cx, cy - r);
        cairo_line_to(cr, cx + rx, cy);
        cairo_line_to(cr, cx, cy + r);
        cairo_line_to(cr, cx - rx, cy);
        cairo_close_path(cr);
        break;
    case CoinShape::SQUARE:
        // Corners kept nearly sharp: a rounder square would pass for the round coin.
        roundRect(cr, cx - rx, cy - r, 2 * rx, 2 * r, std::min(1.5, rx / 2));
        break;
    }
}
