// Enemy groups entering a field in formation, and the EX mission's ghost.
#include "battle/enemies.h"
#include "cards/conditions.h"
#include "cards/opponents.h"
#include "shell/geometry.h"
#include "shell/world.h"
#include "toolkit/hgeanim.h"

hgeRect posTemp;

namespace {

constexpr int GHOSTFREEROUNDTIME = 30;  // no ghost in the first half minute of a round
constexpr int GHOSTROLLMAX = 200;

enum Sign { ANY, NONPOSITIVE, NONNEGATIVE };

float forced(float v, Sign sign) {
    if ((sign == NONPOSITIVE && v > 0) || (sign == NONNEGATIVE && v < 0)) return -v;
    return v;
}

// The diamond of a DIR_ASGROUP formation: top, lower left, lower right, bottom, centre,
// then further enemies to the right of the previous one.
void groupCorner(int k, float w, float h, float left, float right, float& x, float& y) {
    const hgeRect p = posTemp;
    switch (k) {
    case 0:
        x = hge->Random_Float(left, right - w);
        y = hge->Random_Float(0, 150);
        return;
    case 1: x = p.x1 - w; y = p.y2; return;
    case 2: x = p.x2 + w; y = p.y1; return;
    case 3: x = p.x1 - w; y = p.y2; return;
    case 4: x = p.x1; y = p.y1 - h; return;
    default: x = p.x2; y = p.y1; return;
    }
}

bool becomesGhost() {
    if (selectedOpp != EXMISSION || pl[0].roundTime <= GHOSTFREEROUNDTIME) return false;
    if (hge->Random_Int(0, GHOSTROLLMAX) <= pl[0].roundTime) return false;
    return !ghostlyExists();
}

}  // namespace

void spawnEnemies(int side, int kind, int count, int direction, int move, float dx, float dy, float ax, float ay,
                  float attackChance, float period, float driftX, float driftY) {
    if (side < 0 || side > 1 || kind < 0 || kind >= MAXENEMYKINDS) return;
    if (passiveExists(side, P_12EN)) {
        count /= 2;
        if (count < 1) count = 1;
    }
    if (passiveExists((side + 1) % 2, P_3XEN)) count *= 3;
    if (roomForMoreEnemies() == -1 || pl[side].misc[M_FAUXPAX] > 0) return;

    const hgeAnimation* look = enemyAnimDB[kind];
    const float w = look ? look->GetWidth() : 0, h = look ? look->GetHeight() : 0;
    const float left = pl[side].fieldLeft, right = pl[side].fieldRight;
    const float mid = (left + right) / 2;
    const float n = static_cast<float>(count);

    Sign sign = ANY;
    if (direction == DIR_RIGHT || direction == DIR_UPPERRIGHT || direction == DIR_LOWERRIGHT) sign = NONPOSITIVE;
    if (direction == DIR_LEFT || direction == DIR_UPPERLEFT || direction == DIR_LOWERLEFT) sign = NONNEGATIVE;
    dx = forced(dx, sign);
    ax = forced(ax, sign);

    for (int k = 0; k < count; ++k) {
        const int slot = roomForMoreEnemies();
        if (slot == -1) continue;
        const float fk = static_cast<float>(k);
        float x = 0, y = 0;
        switch (direction) {
        case DIR_ASGROUP: groupCorner(k, w, h, left, right, x, y); break;
        case DIR_RIGHT: x = right - w; y = 300 - n * h / 2 + fk * h; break;
        case DIR_LEFT: x = left; y = 300 - n * h / 2 + fk * h; break;
        case DIR_UP: x = mid - n * w / 2 + fk * w; y = 0; break;
        case DIR_DOWN: x = mid - n * w / 2 + fk * w; y = SCREEN_HEIGHT - h; break;
        case DIR_UPPERLEFT: x = left + fk * w; y = 0; break;
        case DIR_UPPERRIGHT: x = right - n * w + fk * w; y = 0; break;
        case DIR_LOWERLEFT: x = left + fk * w; y = SCREEN_HEIGHT - h; break;
        case DIR_LOWERRIGHT: x = right - n * w + fk * w; y = SCREEN_HEIGHT - h; break;
        default:
            // DIR_RANDOM, and DIR_X and unknown values, which scatter the same way.
            x = hge->Random_Float(left, right - w);
            y = hge->Random_Float(0, 200);
            break;
        }
        const hgeRect box(x, y, x + w, y + h);
        if (direction == DIR_ASGROUP) posTemp = box;
        const bool ghostly = becomesGhost();
        en[slot].spawn(kind, side, box, move, dx, pl[0].pacing * dy, ax, ay, attackChance, period, driftX, driftY,
                       ghostly);
    }
}
