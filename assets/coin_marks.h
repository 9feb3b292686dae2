// The shape of each coin colour, so that a coin or a cost reads by its outline as well as
// its hue: red is round, green a diamond, blue a square. The battle's coins, the cost marks
// on cards and the colour marks on card frames all use it.
#pragma once

#include <cairo.h>

#include "assets/style.h"

enum class CoinShape { ROUND = 0, DIAMOND = 1, SQUARE = 2 };  // red, green, blue

// The coin's colour: 0 red, 1 green, 2 blue.
Rgb coinColour(int colour);
// Adds the shape of coin colour `colour` (0..2) centred on (cx, cy), `r` from the centre
// to its edge; `squeeze` 0..1 narrows it sideways (a coin turning).
void coinShapePath(cairo_t* cr, int colour, double cx, double cy, double r, double squeeze = 1);
