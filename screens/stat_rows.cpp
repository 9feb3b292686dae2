#include "screens/stat_rows.h"

#include <algorithm>
#include <cstdio>

#include "cards/rewards.h"
#include "screens/menu.h"
#include "shell/world.h"

namespace {

constexpr DWORD TRACKCOLOR = 0x50303040;

}  // namespace

const char* const STATNAMES[NUMSTATS] = {"power", "speed", "armor", "rate of fire", "shot speed", "excel", "heart"};

float statValue(int stat, int veh) {
    if (stat < 0 || stat >= NUMSTATS || veh < 0 || veh >= MAXVEHICLES) return 0;
    const float* const values[NUMSTATS] = {VEH_power, VEH_speed, VEH_armor, VEH_rof, VEH_shotSpeed, VEH_excel, VEH_heart};
    return values[stat][veh];
}

float statBest(int stat) {
    if (stat < 0 || stat >= NUMSTATS) return 0;
    if (stat == S_ROF) return LOWESTROF;
    const float maxima[NUMSTATS] = {MX_power, MX_speed, MX_armor, MX_rof, MX_shotSpeed, MX_excel, MX_heart};
    return maxima[stat] + upgradeStep(stat) * static_cast<float>(mostUpgradePoints());
}

float statBarFraction(int stat, float value) {
    const float best = statBest(stat);
    if (best <= 0 || value <= 0) return 0;
    // A shorter time between shots is better: the bar shows shots per second.
    const float f = stat == S_ROF ? best / value : value / best;
    return std::clamp(f, 0.0f, 1.0f);
}

float fuelBarFraction(float fuel) {
    const float best = MX_fuel + FUELUPGRADE * static_cast<float>(mostUpgradePoints());
    return best > 0 ? std::clamp(fuel / best, 0.0f, 1.0f) : 0;
}

const char* statNumber(int stat, int veh) {
    static char text[24];
    const float v = statValue(stat, veh);
    switch (stat) {
    case S_POWER:
    case S_SPEED: std::snprintf(text, sizeof text, "%.1f", v); break;
    case S_ARMOR: std::snprintf(text, sizeof text, "%.2f", v); break;
    case S_ROF: std::snprintf(text, sizeof text, "%.2f s", v); break;
    default: std::snprintf(text, sizeof text, "%.0f", v); break;
    }
    return text;
}

void drawStatBar(hgeSprite* bar, const hgeRect& r, float fraction, DWORD color) {
    // A dim track the whole length shows how far the value can still grow.
    stretchSprite(bar, r, TRACKCOLOR);
    stretchSprite(bar, hgeRect(r.x1, r.y1, r.x1 + (r.x2 - r.x1) * std::clamp(fraction, 0.0f, 1.0f), r.y2), color);
}
