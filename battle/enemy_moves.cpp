// Per-frame enemy update: the death animation and the coin it may leave, and the motion
// of living enemies within their field.
#include "battle/collisions.h"
#include "battle/enemies.h"
#include "battle/shots.h"
#include "cards/conditions.h"
#include "shell/geometry.h"
#include "shell/world.h"
#include "toolkit/hgeanim.h"

namespace {

constexpr float COINSIZE = 16;
constexpr float FREQFACTOR = 1.5f;  // coin chance on a side holding P_FREQ

// The coin's colour and chance come from the side whose field the enemy died in, whatever
// side it belonged to.
void dropCoin(const Enemy& e) {
    const int side = fieldOf(e.rect);
    const Player& p = pl[side];
    float chance = static_cast<float>(e.itemPercent);
    if (passiveExists(side, P_FREQ)) chance *= FREQFACTOR;
    if (!(hge->Random_Float(0, 100) < chance)) return;
    const int slot = roomForMoreItems();
    if (slot == -1) return;
    const int r = hge->Random_Int(0, 99);
    const int colour = r < p.redP ? C_R : r < p.redP + p.greenP ? C_G : C_B;
    Item& coin = itm[slot];
    coin.active = true;
    coin.kind = colour;
    const float cx = centerX(e.rect), cy = centerY(e.rect);
    coin.rect = hgeRect(cx - COINSIZE / 2, cy - COINSIZE / 2, cx + COINSIZE / 2, cy + COINSIZE / 2);
    coin.dx = 0;
    coin.dy = static_cast<float>(hge->Random_Int(30, 60));
}

void dying(int i, float dt) {
    Enemy& e = en[i];
    e.deathTimer -= dt;
    if (e.deathAnim) e.deathAnim->Update(dt);
    if (e.deathTimer > 0) return;
    freeEnemy(i);
    dropCoin(e);
}

// Walls touched at the last contact test hold, slow or speed up the enemy.
void wallEffect(int wallType, float& vx, float& vy, float& driftX, float& driftY) {
    float factor = 1;
    if (wallType >= W_PAPER && wallType <= W_SPIKED) factor = 0;
    else if (wallType == W_FENCE) factor = 0.5f;
    else if (wallType == W_ESCALATOR) factor = 2;
    vx *= factor;
    vy *= factor;
    driftX *= factor;
    driftY *= factor;
}

void alive(int i, float dt) {
    Enemy& e = en[i];
    e.age += 10 * dt;
    e.flash -= dt;
    if (e.flash < 0) e.flash = 0;
    if (e.anim) e.anim->Update(dt);

    float vx = e.dx, vy = e.dy;
    if (e.move == P_STATIONARY) {
        vx = vy = 0;
    } else {
        const float phase = e.period != 0 ? e.age / e.period : 0;
        patternVelocity(e.move, phase, e.dx, e.dy, vx, vy);
    }
    float driftX = e.driftX, driftY = e.driftY;
    wallEffect(e.wallType, vx, vy, driftX, driftY);

    if (e.attackTimer > 0) {
        if (e.hasAttackAnim && e.attackAnim) e.attackAnim->Update(dt);
        e.attackTimer -= dt;
        if (e.attackTimer < 0) e.attackTimer = 0;
    }
    e.rect = addToRect(e.rect, (driftX + vx) * dt, (driftY + vy) * dt);
    if (e.dx == vx) e.dx += e.ax * dt;
    if (e.dy == vy) e.dy += e.ay * dt;

    const Player& field = pl[e.side];
    hgeRect& r = e.rect;
    if (r.x1 < field.fieldLeft) {
        r = addToRect(r, field.fieldLeft - r.x1, 0);
        e.stuckTime += dt;
    } else if (r.x1 > field.fieldRight - r_width(r)) {
        r = addToRect(r, field.fieldRight - r.x2, 0);
        e.stuckTime += dt;
    } else if (r.y1 < 0) {
        r = addToRect(r, 0, -r.y1);
        e.stuckTime += dt;
    }
    if (r.x1 < field.fieldLeft || r.x2 > field.fieldRight || r.y2 < 0 || r.y1 > SCREEN_HEIGHT ||
        e.stuckTime > ENEMYSTUCKTIME)
        freeEnemy(i);
}

}  // namespace

void enemyMovement(float dt) {
    for (int i = 0; i < MAXENEMIES; ++i) {
        Enemy& e = en[i];
        if (!e.active) continue;
        if (e.hp > 0) alive(i, dt);
        else if (e.deathTimer > 0) dying(i, dt);
    }
}
