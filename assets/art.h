// Pieces of game art that other pictures reuse (the title shows vehicles and enemies).
#pragma once

#include <cairo.h>

// Player vehicle n (0..7) in a w×h box, front at the top.
void drawVehicleArt(cairo_t* cr, int n, double w, double h);
// Enemy kind k (1..24) in a w×h box at loop phase 0..1.
void drawEnemyArt(cairo_t* cr, int kind, double w, double h, double phase);
