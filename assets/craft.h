// Flying craft seen from above, nose up: the player's vehicles and the opponents share
// one drawing so they read as one world. Designs differ in silhouette; colours in paint.
#pragma once

#include "assets/style.h"

// Extras bolted on as an opponent escalates round by round (bit flags).
enum CraftGear {
    GEAR_PODS = 1,       // side pods
    GEAR_GUNS = 2,       // wing cannons
    GEAR_SPIKES = 4,     // spikes along the flanks
    GEAR_DISH = 8,       // a radar dish at the tail
    GEAR_EYES = 16,      // angry eyes painted on the nose
    GEAR_ANTENNAE = 32,  // feelers from the nose
    GEAR_HAT = 64,       // a pointed gnome's hat on the cockpit
};

struct CraftLook {
    int design;  // 0..9, see craft.cpp
    Rgb body;
    Rgb accent;
    bool crown = false;  // a gold crown on the cockpit (the Owner's later forms)
    int gear = 0;        // CraftGear flags
};

// Draws into a w×h box; lean -1 (left) .. 1 (right); flame 0..1 flickers the engines.
void drawCraft(cairo_t* cr, double w, double h, const CraftLook& look, double lean, double flame);
