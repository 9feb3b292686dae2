// The per-frame rule of every shot pattern: wave velocities, growing shapes, shapes that
// ride on their owner's vehicle, and the few patterns with rules of their own.
#include <cmath>

#include "battle/shots.h"
#include "shell/geometry.h"
#include "shell/sound.h"
#include "shell/world.h"

namespace {

enum Wave { W_NONE, W_COS, W_SIN, W_TRGL, W_HXGN, W_TRPZ, W_SCLN };

float wave(Wave w, float t) {
    switch (w) {
    case W_COS: return std::cos(t);
    case W_SIN: return std::sin(t);
    case W_TRGL: return TrglDif(t);
    case W_HXGN: return HxgnDif(t);
    case W_TRPZ: return TrpzDif(t);
    case W_SCLN: return SclnDif(t);
    case W_NONE: break;
    }
    return 1;
}

// Patterns 3..14: each component is the base velocity times a waveform of the phase plus
// an offset. (P_WAVE, 2, swings only its smaller component and is handled apart.)
struct WaveRow {
    Wave x;
    float xOffset;
    Wave y;
    float yOffset;
};
constexpr WaveRow WAVEROWS[] = {
    {W_COS, 0, W_SIN, 0},      // P_CIRCULAR
    {W_TRPZ, 0, W_SCLN, 0},    // P_TRIANGLE
    {W_HXGN, 0, W_HXGN, 1},    // P_SQUARE
    {W_TRGL, 0, W_HXGN, 0},    // P_HOURGLASS
    {W_HXGN, 0, W_TRPZ, 0},    // P_PAUSEHORZ
    {W_TRPZ, 0, W_HXGN, 1},    // P_PAUSEVERT
    {W_TRGL, 0.5f, W_HXGN, 1}, // P_CFORM
    {W_HXGN, 0, W_TRGL, 0.5f}, // P_UFORM
    {W_TRGL, 0, W_TRPZ, 1},    // P_HOURGLASSHALF
    {W_COS, 0, W_SCLN, 0},     // P_BOUNCY
    {W_TRGL, 0, W_SCLN, 1},    // P_STAR
    {W_TRGL, 0.5f, W_SCLN, 1}, // P_WEIRD
};

// Patterns whose rectangle grows on every side, in px/s.
struct GrowthRow {
    int pattern;
    float x, y;
};
constexpr GrowthRow GROWTHROWS[] = {
    {P_SONICZOMBIE, 170, 170}, {P_DRUM, 15, 15},  {P_ZOMTREE, 0, 100},
    {P_ZZAP, 3, 0},            {P_5THESSENCELAZER, 10, 0}, {P_1000, 20, 45},
};

// Patterns that ride on their owner's vehicle v; the shot keeps its size w × h.
enum Anchor { A_CENTRE, A_LEFT, A_RIGHT, A_LEFT90, A_RIGHT20 };
enum AnchorY { AY_ABOVE, AY_MIDDLE, AY_TOP90, AY_BELOW20 };
struct RideRow {
    int pattern;
    Anchor x;
    AnchorY y;
};
constexpr RideRow RIDEROWS[] = {
    {P_DICE, A_CENTRE, AY_ABOVE},        {P_DICE1, A_CENTRE, AY_ABOVE},
    {P_ROULETTE, A_CENTRE, AY_ABOVE},    {P_DICE2, A_LEFT, AY_MIDDLE},
    {P_DICE3, A_RIGHT, AY_MIDDLE},       {P_FIREZONE_N, A_CENTRE, AY_TOP90},
    {P_FIREZONE_S, A_CENTRE, AY_BELOW20}, {P_FIREZONE_E, A_RIGHT20, AY_TOP90},
    {P_FIREZONE_W, A_LEFT90, AY_TOP90},
};

constexpr float MUSTARDWIDTH = 32, MUSTARDHEIGHT = 200;
constexpr float SQUARE1MINGROWTH = 1, SQUARE1MAXGROWTH = 10;

bool ride(Shot& shot) {
    for (const RideRow& row : RIDEROWS) {
        if (row.pattern != shot.pattern) continue;
        const hgeRect v = pl[shot.dir & 1].rect;
        const float w = r_width(shot.rect), h = r_height(shot.rect);
        float x = 0, y = 0;
        switch (row.x) {
        case A_CENTRE: x = centerX(v) - w / 2; break;
        case A_LEFT: x = v.x1 - w; break;
        case A_RIGHT: x = v.x2; break;
        case A_LEFT90: x = v.x1 - 90; break;
        case A_RIGHT20: x = v.x2 + 20; break;
        }
        switch (row.y) {
        case AY_ABOVE: y = v.y1 - h; break;
        case AY_MIDDLE: y = centerY(v); break;
        case AY_TOP90: y = v.y1 - 90; break;
        case AY_BELOW20: y = v.y2 + 20; break;
        }
        shot.rect = hgeRect(x, y, x + w, y + h);
        return true;
    }
    return false;
}

bool grow(Shot& shot, float dt) {
    if (shot.pattern == P_SQUARE1) {
        const float r = hge->Random_Float(SQUARE1MINGROWTH, SQUARE1MAXGROWTH);
        shot.rect = inflate(shot.rect, r * dt, r * dt);
        return true;
    }
    for (const GrowthRow& row : GROWTHROWS) {
        if (row.pattern != shot.pattern) continue;
        shot.rect = inflate(shot.rect, row.x * dt, row.y * dt);
        return true;
    }
    return false;
}

// The ice bursts into three freezing shards at 1.2, 2.4 and 3.6 seconds, each burst only
// while the card that made it still has that stage armed on its target.
void iceBursts(int s) {
    const Shot ice = sh[s];
    Player& target = pl[shotTarget(ice.dir)];
    for (int k = 1; k <= 3; ++k) {
        float& armed = target.misc[M_ICE1 + k - 1];
        if (ice.age <= 12.0f * k || armed != 1) continue;
        armed = 0;
        playSFX(53, 5);
        const float cx = centerX(ice.rect), cy = centerY(ice.rect);
        for (int j = 0; j < 3; ++j) {
            const int n = roomForMoreShots();
            if (n == -1) continue;
            const float side = static_cast<float>(j - 1);
            const float x1 = cx - 16 + 64 * side, y1 = cy - 16;
            const float driftX = hge->Random_Float(-100, 100);
            const float driftY = hge->Random_Float(20, 100);
            sh[n].create(hgeRect(x1, y1, x1 + 32, y1 + 32), false, ice.dir, 30, 200 * side, 400, 10 * side, 40, 1,
                         C_FREZ, 51, true, P_BOUNCY, 12, driftX, driftY);
        }
    }
}

}  // namespace

void patternVelocity(int pattern, float phase, float dx, float dy, float& vx, float& vy) {
    if (pattern == P_WAVE) {
        if (std::fabs(dy) >= std::fabs(dx)) vx = dy * std::sin(phase);
        else vy = dx * std::sin(phase);
        return;
    }
    if (pattern < P_CIRCULAR || pattern > P_WEIRD) return;
    const WaveRow& row = WAVEROWS[pattern - P_CIRCULAR];
    vx = dx * wave(row.x, phase + row.xOffset);
    vy = dy * wave(row.y, phase + row.yOffset);
}

int getSlotReel(int super) {
    const int r = hge->Random_Int(0, 6);
    if (super) return r <= 1 ? 30 : r <= 3 ? 31 : 32;
    return r <= 2 ? 30 : r <= 5 ? 31 : 32;
}

void applyShotPattern(int s, float dt, float& vx, float& vy) {
    Shot& shot = sh[s];
    // A zero period would make the phase infinite; such a shot simply keeps its base velocity.
    const float phase = shot.period != 0 ? shot.age / shot.period : 0;
    patternVelocity(shot.pattern, phase, shot.dx, shot.dy, vx, vy);
    if (grow(shot, dt) || ride(shot)) {
        if (shot.pattern == P_ROULETTE) pl[shot.dir & 1].misc[M_ROULETTEVALUE] = hge->Random_Int(0, 36);
        return;
    }
    switch (shot.pattern) {
    case P_MUSTARD: {
        const hgeRect v = pl[shot.dir & 1].rect;
        const float x = centerX(v) - MUSTARDWIDTH / 2, y = v.y1 - MUSTARDHEIGHT;
        shot.rect = hgeRect(x, y, x + MUSTARDWIDTH, y + MUSTARDHEIGHT);
        break;
    }
    case P_SLOT:
    case P_SUPERSLOT:
        // The reels spin until the last second, then stand still for the payout.
        if (shot.lifetime > 1) {
            const int super = shot.pattern == P_SUPERSLOT ? 1 : 0;
            for (int r = 0; r < 3; ++r) pl[shot.dir & 1].misc[M_SLOTVALUE1 + r] = static_cast<float>(getSlotReel(super));
        }
        break;
    case P_CAN:
        if (cycleNum == 0) {
            shot.dx = hge->Random_Float(-200, 200);
            shot.dy = hge->Random_Float(-400, 400);
        }
        break;
    case P_BLADE:
        if (cycleNum == 0) {
            const Player& target = pl[shotTarget(shot.dir)];
            shot.dx = centerX(target.rect) < centerX(shot.rect) ? hge->Random_Float(-200, -100)
                                                               : hge->Random_Float(100, 200);
        }
        break;
    case P_ICE: iceBursts(s); break;
    default: break;
    }
}
