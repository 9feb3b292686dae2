// Flying craft seen from above, nose up: the player's vehicles and the opponents share
// one drawing so they read as one world. Designs differ in silhouette; colours in paint.
#pragma once

#include "assets/style.h"

struct CraftLook {
    int design;  // 0..9, see craft.cpp
    Rgb body;
    Rgb accent;
    bool crown = false;  // a gold crown on the cockpit (the Owner's later forms)
};

// Draws into a w×h box; lean -1 (left) .. 1 (right); flame 0..1 flickers the engines.
void drawCraft(cairo_t* cr, double w, double h, const CraftLook& look, double lean, double flame);
