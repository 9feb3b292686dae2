#include "battle/enemy_attacks.h"

#include "shell/geometry.h"
#include "shell/sound.h"
#include "shell/world.h"
#include "toolkit/hgeanim.h"

namespace {

constexpr int ATTACKCHANNEL = 2;
constexpr int VOLLEYCHANNEL = 5;
constexpr float ATTACKPERIOD = 6;
constexpr int ZOMBIE = 1;

// A fixed value, or a Random_Float draw between lo and hi when they differ.
struct Range {
    float lo = 0, hi = 0;
    float draw() const { return lo == hi ? lo : hge->Random_Float(lo, hi); }
};

// Where the shot's top-left corner goes, relative to the enemy's box v.
enum Place {
    BELOW,        // centred under the enemy: (cx - w/2, v.y2)
    LEFT_BELOW,   // (v.x1 + offset, v.y2)
    OVER,         // centred on cx, top at v.y1
    CENTRE_POINT  // (cx, cy)
};

struct AttackShot {
    int kind;
    int variant;  // which of a kind's random attacks, -1 when it has one
    float timer;
    float w, h;
    Place place;
    float offset;
    float damage;
    Range dx, dy, ax, ay;
    Range lifetime;
    int cond;
    int look;
    bool particles;
    bool restartLook;  // the shared animation plays again from its first frame
    int pattern;
    Range driftX, driftY;
    int sound;  // -1 none
    int channel;
    bool soundAlways;  // played even when no shot slot was free
};

constexpr Range NONE{0, 0};
constexpr Range UNTIL_OFF_FIELD{-1, -1};
constexpr Range fix(float v) { return {v, v}; }
constexpr Range rnd(float lo, float hi) { return {lo, hi}; }

constexpr AttackShot ATTACKSHOTS[] = {
    // kind, variant, timer, w, h, place, offset, damage, dx, dy, ax, ay, lifetime, condition, look, particles,
    // restart look, pattern, driftX, driftY, sound, channel, sound always
    {3, -1, 2.0f, 64, 64, LEFT_BELOW, 0, 10, NONE, fix(70), NONE, fix(10), fix(2), C_TOXI, 6, true, false, P_LINEAR, NONE, NONE, -1, 0, false},
    {4, -1, 3.0f, 16, 24, LEFT_BELOW, 5, 20, NONE, fix(150), NONE, fix(20), UNTIL_OFF_FIELD, 0, 19, true, false, P_LINEAR, NONE, NONE, -1, 0, false},
    {8, -1, 2.0f, 64, 64, LEFT_BELOW, 0, 25, rnd(-30, 30), fix(100), NONE, fix(12), fix(1.5f), C_ZOM, 20, true, false, P_LINEAR, NONE, NONE, 39, ATTACKCHANNEL, false},
    {11, -1, 1.5f, 1, 1, CENTRE_POINT, 0, 18, NONE, NONE, NONE, NONE, UNTIL_OFF_FIELD, C_DZ, 8, false, false, P_SONICZOMBIE, NONE, NONE, 60, ATTACKCHANNEL, true},
    {12, -1, 2.0f, 36, 27, BELOW, 0, 18, rnd(-50, 50), fix(180), rnd(-10, 10), fix(30), UNTIL_OFF_FIELD, C_STUP, 83, false, false, P_LINEAR, NONE, NONE, -1, 0, false},
    {13, -1, 5.0f, 16, 1, BELOW, 0, 22, NONE, fix(100), NONE, fix(30), UNTIL_OFF_FIELD, C_SLOW, 86, false, false, P_ZOMTREE, NONE, NONE, 73, ATTACKCHANNEL, true},
    {15, -1, 3.2f, 32, 32, BELOW, 0, 16, NONE, fix(120), NONE, fix(10), UNTIL_OFF_FIELD, C_ZZZZ, 84, false, false, P_LINEAR, NONE, NONE, -1, 0, false},
    {16, -1, 2.0f, 96, 128, OVER, 0, 30, NONE, fix(40), NONE, NONE, fix(0.6f), 0, 58, true, false, P_LINEAR, NONE, NONE, -1, 0, false},
    {18, -1, 3.0f, 96, 96, BELOW, 0, 20, rnd(-150, 150), rnd(-250, 250), NONE, NONE, UNTIL_OFF_FIELD, C_SLIP, 59, true, false, P_CIRCULAR, rnd(-75, 75), rnd(50, 250), -1, 0, false},
    {19, 0, 1.5f, 34, 60, BELOW, 0, 28, rnd(-350, 350), rnd(-350, 350), NONE, NONE, UNTIL_OFF_FIELD, 0, 85, false, true, P_WAVE, NONE, NONE, -1, 0, false},
    {19, 1, 2.2f, 44, 120, OVER, 0, 25, rnd(-10, 10), rnd(100, 300), NONE, NONE, UNTIL_OFF_FIELD, C_DZ, 54, true, false, P_LINEAR, NONE, NONE, -1, 0, false},
    {19, 2, 2.5f, 32, 32, BELOW, 0, 22, fix(200), fix(400), fix(10), fix(40), UNTIL_OFF_FIELD, C_FREZ, 51, true, false, P_WEIRD, rnd(-100, 100), rnd(20, 100), -1, 0, false},
    {20, -1, 2.5f, 32, 32, BELOW, 0, 26, NONE, fix(170), NONE, fix(20), fix(1.2f), 0, 85, false, true, P_BLADE, NONE, NONE, -1, 0, false},
    {22, -1, 3.0f, 34, 60, BELOW, 0, 22, rnd(-150, 150), fix(150), rnd(-100, 100), fix(50), fix(2.5f), C_FREZ, 59, false, false, P_CIRCULAR, rnd(-100, 100), rnd(-100, 100), -1, 0, false},
    {24, 1, 2.0f, 16, 150, BELOW, 0, 40, NONE, rnd(50, 100), NONE, NONE, rnd(1, 2), 0, 52, false, false, P_5THESSENCELAZER, NONE, NONE, 71, VOLLEYCHANNEL, false},
};

// Attacks without a shot: a pause, or a sound.
struct QuietAttack {
    int kind;
    float timer;
    int sound;
};
constexpr QuietAttack QUIETATTACKS[] = {{2, 1.0f, -1}, {9, 0.4f, 72}, {17, 10.0f, 85}};

// The five shots of kind 24's volley, each centred on the enemy.
struct VolleyShot {
    float w, h, damage;
    Range dx, dy, ax, ay;
    int cond;
    int look;
    bool particles;
    bool restartLook;
};
constexpr VolleyShot VOLLEY[] = {
    {32, 28, 35, rnd(-350, -250), rnd(-150, -100), rnd(-30, -15), rnd(-15, -10), C_LEAK, 56, false, true},
    {32, 64, 30, rnd(250, 400), rnd(-400, -250), rnd(20, 45), rnd(10, 25), C_ZOM, 70, false, false},
    {48, 48, 33, rnd(-250, -200), rnd(200, 350), rnd(-40, -25), rnd(20, 35), C_DZ, 65, false, false},
    {32, 32, 32, rnd(-20, 20), rnd(200, 300), NONE, rnd(25, 45), C_MUTE, 49, true, false},
    {32, 54, 32, rnd(250, 380), rnd(150, 280), rnd(35, 50), rnd(35, 45), C_STUP, 46, false, false},
};
constexpr float VOLLEYTIMER = 1.5f;
constexpr int VOLLEYSOUND = 20;
constexpr float SUMMONTIMER = 4.0f;
constexpr float SPREADTIMER = 4.5f;

int attackDir(const Enemy& e) { return e.side == 0 ? O2Y : Y2O; }

void restart(int look) {
    if (look >= 0 && look < MAXANIM && anim[look]) anim[look]->Play();
}

// Makes one shot for enemy e; random values are drawn in argument order. False when the
// shot table is full.
bool fire(const Enemy& e, hgeRect r, float damage, Range dx, Range dy, Range ax, Range ay, Range lifetime, int cond,
          int look, bool particles, bool restartLook, int pattern, Range driftX, Range driftY) {
    const int n = roomForMoreShots();
    if (n == -1) return false;
    const float vdx = dx.draw(), vdy = dy.draw(), vax = ax.draw(), vay = ay.draw(), life = lifetime.draw();
    const float ddx = driftX.draw(), ddy = driftY.draw();
    if (restartLook) restart(look);
    sh[n].create(r, false, attackDir(e), damage, vdx, vdy, vax, vay, life, cond, look, particles, pattern,
                 ATTACKPERIOD, ddx, ddy);
    return true;
}

hgeRect placed(const Enemy& e, const AttackShot& a) {
    const hgeRect v = e.rect;
    const float cx = centerX(v), cy = centerY(v);
    float x = 0, y = 0;
    switch (a.place) {
    case BELOW: x = cx - a.w / 2; y = v.y2; break;
    case LEFT_BELOW: x = v.x1 + a.offset; y = v.y2; break;
    case OVER: x = cx - a.w / 2; y = v.y1; break;
    case CENTRE_POINT: x = cx; y = cy; break;
    }
    return hgeRect(x, y, x + a.w, y + a.h);
}

bool singleShot(Enemy& e, int variant) {
    for (const AttackShot& a : ATTACKSHOTS) {
        if (a.kind != e.kind || a.variant != variant) continue;
        e.attackTimer = a.timer;
        const bool made = fire(e, placed(e, a), a.damage, a.dx, a.dy, a.ax, a.ay, a.lifetime, a.cond, a.look,
                               a.particles, a.restartLook, a.pattern, a.driftX, a.driftY);
        if (a.sound >= 0 && (made || a.soundAlways)) playSFX(a.sound, a.channel);
        return true;
    }
    return false;
}

bool quiet(Enemy& e) {
    for (const QuietAttack& q : QUIETATTACKS) {
        if (q.kind != e.kind) continue;
        e.attackTimer = q.timer;
        if (q.sound >= 0) playSFX(q.sound, ATTACKCHANNEL);
        return true;
    }
    return false;
}

// Kind 10: three small shots spreading left, straight and right.
void spread(Enemy& e) {
    e.attackTimer = SPREADTIMER;
    const float x = e.rect.x1 + 24, y = e.rect.y2;
    for (int k = 0; k < 3; ++k) {
        const float fk = static_cast<float>(k);
        fire(e, hgeRect(x, y, x + 12, y + 12), 20, fix(60 * fk - 60), fix(120), fix(20 * fk - 20), NONE,
             UNTIL_OFF_FIELD, 0, 21, true, false, P_LINEAR, NONE, NONE);
    }
}

// Kind 14: a zombie climbs out below the enemy.
void summon(Enemy& e) {
    e.attackTimer = SUMMONTIMER;
    const int slot = roomForMoreEnemies();
    if (slot == -1) return;
    const hgeAnimation* look = enemyAnimDB[ZOMBIE];
    const float w = look ? look->GetWidth() : 0, h = look ? look->GetHeight() : 0;
    const float x = centerX(e.rect) - w / 2, y = e.rect.y2;
    const float dy = hge->Random_Float(15, 30);
    const int side = e.side;
    en[slot].spawn(ZOMBIE, side, hgeRect(x, y, x + w, y + h), P_LINEAR, 0, dy, 0, 0, 0, 6, 0, 0, false);
}

// Kind 24's volley: all five or, when the first finds no slot, none.
void volley(Enemy& e) {
    e.attackTimer = VOLLEYTIMER;
    const float cx = centerX(e.rect), cy = centerY(e.rect);
    for (int i = 0; i < 5; ++i) {
        const VolleyShot& v = VOLLEY[i];
        const hgeRect r(cx - v.w / 2, cy - v.h / 2, cx + v.w / 2, cy + v.h / 2);
        const bool made = fire(e, r, v.damage, v.dx, v.dy, v.ax, v.ay, UNTIL_OFF_FIELD, v.cond, v.look, v.particles,
                               v.restartLook, P_LINEAR, NONE, NONE);
        if (i == 0 && !made) return;
    }
    playSFX(VOLLEYSOUND, VOLLEYCHANNEL);
}

}  // namespace

void enemyAttack(int e) {
    if (e < 0 || e >= MAXENEMIES || !en[e].active) return;
    Enemy& enemy = en[e];
    if (enemy.hasAttackAnim && enemy.attackAnim) enemy.attackAnim->Play();
    switch (enemy.kind) {
    case 10: spread(enemy); return;
    case 14: summon(enemy); return;
    case 19: singleShot(enemy, hge->Random_Int(0, 2)); return;
    case 24:
        if (hge->Random_Int(0, 1) == 0) volley(enemy);
        else singleShot(enemy, 1);
        return;
    default:
        if (!quiet(enemy)) singleShot(enemy, -1);
        return;
    }
}

void rollEnemyAttacks() {
    for (int i = 0; i < MAXENEMIES; ++i) {
        const Enemy& e = en[i];
        if (!e.active || e.hp <= 0 || e.attackTimer != 0) continue;
        if (e.attackChance > hge->Random_Float(1, 100)) enemyAttack(i);
    }
}
