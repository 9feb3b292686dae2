#include "battle/walls.h"

#include <algorithm>

#include "shell/geometry.h"
#include "shell/world.h"

namespace {

// Seconds for a destroyed wall to fade out is 255 / this.
constexpr float WALLFADEPERSEC = 100;
// The vehicle whose human-built walls are sturdier, and by how much.
constexpr int STURDYWALLVEHICLE = 5;
constexpr float STURDYWALLFACTOR = 1.2f;

// Types that the drawing code renders in their own way rather than as one stretched sprite.
bool drawnStretched(int type) {
    return type != W_ZOMZAP && type != W_ESCALATOR && type != W_LAWN && type != W_PROXYMINE;
}

}  // namespace

void initWall(int side, int type, hgeRect rect, float hp) {
    if (side != 0 && side != 1) return;
    const int w = roomForMoreWalls();
    if (w == -1) return;
    Wall& wl = wall[w];
    wl.active = true;
    wl.type = type;
    wl.hp = hp;
    if (vehicleOf(side) == STURDYWALLVEHICLE && type != W_PROXYMINE) wl.hp *= STURDYWALLFACTOR;
    wl.flash = 0;
    wl.alpha = 255;
    wl.stretch = drawnStretched(type);

    // A wall never reaches into the other field, where it would hold the other side's
    // enemies: one larger than its field (or the screen) is cut to fit, then moved in.
    const Player& owner = pl[side];
    const float width = std::min(r_width(rect), owner.fieldRight - owner.fieldLeft);
    const float height = std::min(r_height(rect), static_cast<float>(SCREEN_HEIGHT));
    rect.x2 = rect.x1 + width;
    rect.y2 = rect.y1 + height;
    if (rect.x1 < owner.fieldLeft) rect = addToRect(rect, owner.fieldLeft - rect.x1, 0);
    if (rect.x1 > owner.fieldRight - width) rect = addToRect(rect, owner.fieldRight - rect.x2, 0);
    if (rect.y1 < 0) rect = addToRect(rect, 0, -rect.y1);
    if (rect.y1 > SCREEN_HEIGHT - height) rect = addToRect(rect, 0, SCREEN_HEIGHT - rect.y2);
    wl.rect = rect;
}

void checkWallDeath(int w) {
    if (w < 0 || w >= MAXWALLS) return;
    if (wall[w].hp <= 0) wall[w].hp = 0;
}

void updateWalls(float dt) {
    for (Wall& wl : wall) {
        if (!wl.active) continue;
        if (wl.flash > 0) {
            wl.flash -= dt;
            if (wl.flash < 0) wl.flash = 0;
        }
        if (wl.hp <= 0) {
            wl.alpha -= WALLFADEPERSEC * dt;
            if (wl.alpha <= 0) wl.active = false;
        }
    }
}

bool testProxy(hgeRect a, hgeRect b) { return a.Intersect(b); }

bool checkHitBox(int side, hgeRect r) {
    if (side != 0 && side != 1) return false;
    Player& p = pl[side];
    const hgeRect v = p.rect;
    hgeRect box = v;
    if (vehicleOf(side) >= 0) {
        switch (vehicleOf(side)) {
        case 0:
            // A cross of two boxes: the cockpit column and the wing bar.
            p.hitBox[0] = hgeRect(v.x1 + 22, v.y1, v.x1 + 42, v.y2);
            p.hitBox[1] = hgeRect(v.x1, v.y1 + 44, v.x2, v.y1 + 58);
            return p.hitBox[0].Intersect(r) || p.hitBox[1].Intersect(r);
        case 1: box = inflate(v, -8, -5); break;
        case 2: box = hgeRect(v.x1 + 3, v.y1 + 20, v.x1 + 59, v.y1 + 116); break;
        case 3: box = hgeRect(v.x1 + 7, v.y1 + 3, v.x1 + 26, v.y1 + 48); break;
        case 4: box = hgeRect(v.x1 + 8, v.y1 + 2, v.x1 + 46, v.y1 + 82); break;
        case 5: box = hgeRect(v.x1 + 8, v.y1 + 4, v.x1 + 30, v.y1 + 82); break;
        case 7: box = inflate(v, -10, -6); break;
        default: break;
        }
    } else if (selectedOpp == 1) {
        box = hgeRect(v.x1 + 10, v.y1 + 13, v.x1 + 27, v.y1 + 60);
    } else if (selectedOpp == 3) {
        box = hgeRect(v.x1, v.y1 + 12, v.x2, v.y2);
    } else if (selectedOpp == 5) {
        box = hgeRect(v.x1, v.y1 + 8, v.x2, v.y2);
    } else if (selectedOpp == 6) {
        // The last opponent changes vehicle over its rounds.
        switch (curRound) {
        case 2:
        case 3: box = hgeRect(v.x1 + 24, v.y1 + 22, v.x1 + 71, v.y2); break;
        case 4: box = hgeRect(v.x1 + 7, v.y1 + 22, v.x1 + 56, v.y1 + 74); break;
        case 5:
        case 6: box = hgeRect(v.x1 + 7, v.y1 + 12, v.x1 + 56, v.y2); break;
        case 7: box = inflate(v, -8, -8); break;
        default: break;
        }
    }
    p.hitBox[0] = box;
    return box.Intersect(r);
}
