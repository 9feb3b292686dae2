#include "screens/stat_rows.h"

#include <algorithm>

#include "screens/menu.h"
#include "shell/world.h"

const char* const STATNAMES[NUMSTATS] = {"power", "speed", "armor", "rate of fire", "shot speed", "excel", "heart"};

float statValue(int stat, int veh) {
    if (stat < 0 || stat >= NUMSTATS || veh < 0 || veh >= MAXVEHICLES) return 0;
    const float* const values[NUMSTATS] = {VEH_power, VEH_speed, VEH_armor, VEH_rof, VEH_shotSpeed, VEH_excel, VEH_heart};
    return values[stat][veh];
}

float statMaximum(int stat) {
    if (stat < 0 || stat >= NUMSTATS) return 0;
    const float maxima[NUMSTATS] = {MX_power, MX_speed, MX_armor, MX_rof, MX_shotSpeed, MX_excel, MX_heart};
    return maxima[stat];
}

void drawStatBar(hgeSprite* bar, const hgeRect& r, float value, float maximum, DWORD color) {
    const float f = maximum > 0 ? std::clamp(value / maximum, 0.0f, 1.0f) : 0.0f;
    stretchSprite(bar, hgeRect(r.x1, r.y1, r.x1 + (r.x2 - r.x1) * f, r.y2), color);
}
