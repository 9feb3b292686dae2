#include "battle/shots.h"

#include "battle/player.h"
#include "battle/walls.h"
#include "cards/opponents.h"
#include "shell/geometry.h"
#include "shell/world.h"
#include "toolkit/hgepmanager.h"

namespace {

constexpr float TREEFLASH = 0.1f;
// Hazards wear trees down three times faster than they hurt anything else.
constexpr float TREEWEAR = 3;

bool noTimeLimit(const Shot& s) { return s.lifetime == -1; }

// Trees stop hazard shots: a timed hazard stands still on the tree and wears it down, one
// without a time limit spends itself on the tree at once.
void checkTrees(int s, float dt, float& vx, float& vy) {
    Shot& shot = sh[s];
    if (shot.dir != Y2O && shot.dir != O2Y) return;
    for (int w = 0; w < MAXWALLS; ++w) {
        Wall& tree = wall[w];
        if (!tree.active || tree.hp <= 0 || tree.type != W_TREE || !testProxy(tree.rect, shot.rect)) continue;
        vx = vy = 0;
        tree.flash = TREEFLASH;
        const bool spent = noTimeLimit(shot);
        tree.hp -= spent ? shot.damage * TREEWEAR : dt * shot.damage * TREEWEAR;
        checkWallDeath(w);
        if (spent) {
            removeShot(s);
            return;
        }
    }
}

// Keeps a moved shot in play: untimed shots leave through the top, bottom and sides
// (missiles slide along the sides), timed ones are held inside their field.
void confineToField(int s) {
    Shot& shot = sh[s];
    const Player& field = pl[shotField(shot.dir)];
    hgeRect& r = shot.rect;
    if (noTimeLimit(shot)) {
        if (r.y1 < 0 || r.y2 > SCREEN_HEIGHT) {
            removeShot(s);
            return;
        }
        if (r.x1 < field.fieldLeft || r.x2 > field.fieldRight) {
            if (shot.pattern != P_MISSILE) {
                removeShot(s);
                return;
            }
            if (r.x1 < field.fieldLeft) r = addToRect(r, field.fieldLeft - r.x1, 0);
            else r = addToRect(r, field.fieldRight - r.x2, 0);
        }
        return;
    }
    if (r.x1 < field.fieldLeft) r = addToRect(r, field.fieldLeft - r.x1, 0);
    if (r.x2 > field.fieldRight) r = addToRect(r, field.fieldRight - r.x2, 0);
    if (r.y1 < 0) r = addToRect(r, 0, -r.y1);
    if (r.y2 > SCREEN_HEIGHT) r = addToRect(r, 0, SCREEN_HEIGHT - r.y2);
}

void followWithParticles(Shot& shot) {
    if (!shot.usesParticles || !shot.ps || !psmgr || !psmgr->IsPSAlive(shot.ps)) return;
    if (shot.pattern == P_MUSTARD || shot.pattern == P_SOAK) shot.ps->MoveTo(centerX(shot.rect), shot.rect.y1);
    else shot.ps->MoveTo(centerX(shot.rect), centerY(shot.rect));
}

void moveShot(int s, float dt) {
    Shot& shot = sh[s];
    shot.age += 10 * dt;
    float vx = shot.dx, vy = shot.dy;
    applyShotPattern(s, dt, vx, vy);
    checkTrees(s, dt, vx, vy);
    shot.rect = addToRect(shot.rect, shot.driftX * dt + vx * dt, shot.driftY * dt + vy * dt);
    // Acceleration acts only on a component the pattern left alone this frame.
    if (shot.dx == vx) shot.dx += shot.ax * dt;
    if (shot.dy == vy) shot.dy += shot.ay * dt;
    if (!shot.active) return;
    followWithParticles(shot);
    confineToField(s);
    if (!shot.active || noTimeLimit(shot)) return;
    shot.lifetime -= dt;
    if (shot.lifetime <= 0) {
        removeShot(s);
        shotExpiry(s);
    }
}

}  // namespace

void Shot::create(hgeRect rect_, bool bullet_, int dir_, float damage_, float dx_, float dy_, float ax_, float ay_,
                  float lifetime_, int cond_, int look, bool usesParticles_, int pattern_, float period_,
                  float driftX_, float driftY_) {
    rect = rect_;
    bullet = bullet_;
    dir = dir_;
    damage = damage_;
    if (pl[0].questNum == 2 && !bullet) damage *= 2;
    // The EX mission has no opponent: what would hit it acts in the human's field instead.
    if (selectedOpp == EXMISSION && dir == Y2O) dir = Y2E;
    dx = dx_;
    dy = dy_;
    ax = ax_;
    ay = ay_;
    lifetime = lifetime_;
    cond = cond_;
    pattern = pattern_;
    period = period_;
    driftX = driftX_;
    driftY = driftY_;
    usesParticles = usesParticles_;
    active = true;
    age = 0;
    ps = nullptr;
    if (!usesParticles) {
        animIndex = look;
        return;
    }
    if (psmgr) {
        if (bullet) {
            ps = psmgr->SpawnPS(&pl[dir & 1].shotPsi, rect.x1, rect.y1);
        } else {
            if (look < 0 || look >= SHOTLOOKS) look = FALLBACKLOOK;
            ps = psmgr->SpawnPS(&psiGeneral[look], centerX(rect), centerY(rect));
        }
    }
    if (!ps) {
        active = false;
        return;
    }
    // A system that ended by itself may have been freed and its memory reused for this
    // one: no other shot may go on steering it through a stale handle.
    for (Shot& other : sh)
        if (&other != this && other.ps == ps) other.ps = nullptr;
}

bool Shot::IntersectsWith(hgeRect r) const { return rect.Intersect(r); }

int shotField(int dir) { return (dir == O2E || dir == Y2O) ? 1 : 0; }

int shotTarget(int dir) { return dir == Y2O ? 1 : 0; }

void removeShot(int s) {
    if (s < 0 || s >= MAXSHOTS) return;
    Shot& shot = sh[s];
    if (shot.usesParticles && shot.ps && psmgr && psmgr->IsPSAlive(shot.ps)) {
        shot.ps->Stop();
        psmgr->KillPS(shot.ps);
    }
    shot.ps = nullptr;
    shot.active = false;
}

void centreInField(hgeRect square, int side, float& x, float& y) {
    const Player& field = pl[side & 1];
    x = centerX(square);
    y = centerY(square);
    if (square.x1 < field.fieldLeft) x += field.fieldLeft - square.x1;
    else if (square.x2 > field.fieldRight) x -= square.x2 - field.fieldRight;
    if (square.y1 < 0) y -= square.y1;
    else if (square.y2 > SCREEN_HEIGHT) y -= square.y2 - SCREEN_HEIGHT;
}

void spawnEffectInField(int look, hgeRect square, int side) {
    if (!psmgrX || look < 0 || look >= MAXPARTICLES || side < 0 || side > 1) return;
    float x = 0, y = 0;
    centreInField(square, side, x, y);
    psmgrX->SpawnPS(&psiGeneral[look], x, y);
}

void shotMovement(float dt) {
    for (int p = 0; p < simulatedSides(); ++p) {
        if (pl[p].shotCooldown > 0) {
            pl[p].shotCooldown -= dt;
            if (pl[p].shotCooldown < 0) pl[p].shotCooldown = 0;
        }
    }
    if (psmgr) psmgr->Update(dt);
    for (int s = 0; s < MAXSHOTS; ++s)
        if (sh[s].active) moveShot(s, dt);
}
