// A cartoon explosion at time t (0 first frame .. 1 last): a white flash, a spiky hot
// core with an ink outline, chunks of debris in the exploding thing's colours flying
// out, and smoke puffs that rise and fade. Kills and bombs share it.
#pragma once

#include <cairo.h>

#include <cstdint>

#include "assets/style.h"

struct BlastLook {
    Rgb debris = {0.5, 0.5, 0.5};
    Rgb debris2 = {0.8, 0.8, 0.8};
    Rgb core = {1.0, 0.85, 0.3};  // the fire's colour
    std::uint64_t seed = 1;
    int chunks = 8;
};

void drawBlast(cairo_t* cr, double cx, double cy, double radius, double t, const BlastLook& look);
