// The death of an enemy (score, combo, death animation, special explosions) and the walls
// acting on the enemies that touch them.
#include "battle/battle_frame.h"
#include "battle/collisions.h"
#include "battle/combos.h"
#include "battle/shots.h"
#include "battle/walls.h"
#include "cards/opponents.h"
#include "shell/counters.h"
#include "shell/geometry.h"
#include "shell/sound.h"
#include "shell/world.h"
#include "toolkit/hgeanim.h"
#include "toolkit/hgepmanager.h"

namespace {

constexpr float DEATHTIME = 2;
constexpr int DEATHCHANNEL = 2;
constexpr int EFFECTCHANNEL = 5;
constexpr int EXPLOSIONANIM = 14;
constexpr float BLASTTIME = 2, BLASTPERIOD = 6;
constexpr int KILLKINDS = 30;

// The one-off effects shown where an enemy of a kind dies (-1: none).
struct DeathLook {
    int kind;
    int look1, look2;
};
constexpr DeathLook DEATHLOOKS[] = {
    {8, 60, -1}, {9, 62, -1}, {14, 62, -1}, {10, 63, -1}, {12, 64, -1}, {17, 64, -1}, {18, 65, -1}, {24, 64, 60},
};

// The kinds that blow up when they die, hurting the vehicle of the field they die in.
struct Blast {
    int kind;
    float size, damage;
    int cond, pattern, look, sound;
    bool restartAnim;
};
constexpr Blast BLASTS[] = {
    {21, 200, 50, 0, P_LINEAR, 34, 34, true},
    {23, 250, 18, C_TOXI, P_TOXIEXPLOSION, 53, 54, false},
};

hgeRect squareAround(float cx, float cy, float size) {
    return hgeRect(cx - size / 2, cy - size / 2, cx + size / 2, cy + size / 2);
}

void restartAnim(int a) {
    if (anim[a]) anim[a]->Play();
}

void deathEffects(const Enemy& e) {
    const float cx = centerX(e.rect), cy = centerY(e.rect);
    for (const DeathLook& d : DEATHLOOKS) {
        if (d.kind != e.kind || !psmgrX) continue;
        psmgrX->SpawnPS(&psiGeneral[d.look1], cx, cy);
        if (d.look2 >= 0) psmgrX->SpawnPS(&psiGeneral[d.look2], cx, cy);
    }
    for (const Blast& b : BLASTS) {
        if (b.kind != e.kind) continue;
        const int n = roomForMoreShots();
        if (n == -1) return;
        const int f = fieldOf(e.rect);
        const hgeRect square = squareAround(cx, cy, b.size);
        sh[n].create(square, false, f == 0 ? O2Y : Y2O, b.damage, 0, 0, 0, 0, BLASTTIME, b.cond, EXPLOSIONANIM,
                     false, b.pattern, BLASTPERIOD, 0, 0);
        spawnEffectInField(b.look, square, f);
        if (b.restartAnim) restartAnim(EXPLOSIONANIM);
        playSFX(b.sound, EFFECTCHANNEL);
    }
}

// Wall effects on a touching enemy.
constexpr float SPIKEDAMAGE[2] = {10, 2.5f};  // by the enemy's side
constexpr float LAWNMIN[2] = {3, 1}, LAWNMAX[2] = {10, 3};
constexpr float WALLFLASH = 0.1f;
constexpr int ZOMBIEKIND = 1;
constexpr float MINERANGE = 20, MINEBLAST = 150, MINEDAMAGE = 40;
constexpr int MINELOOK = 33, MINESOUND = 33, STAIRSOUND = 48;

bool touches(const Wall& w, const Enemy& e) {
    if (w.type == W_PROXYMINE) return testProxy(inflate(w.rect, MINERANGE, MINERANGE), e.rect);
    return testProxy(w.rect, e.rect);
}

void mineExplodes(const Wall& mine) {
    const int n = roomForMoreShots();
    if (n == -1) return;
    const int f = fieldOf(mine.rect);
    const hgeRect square = squareAround(centerX(mine.rect), centerY(mine.rect), MINEBLAST);
    sh[n].create(square, false, f == 0 ? Y2E : O2E, MINEDAMAGE, 0, 0, 0, 0, BLASTTIME, 0, EXPLOSIONANIM, false,
                 P_LINEAR, BLASTPERIOD, 0, 0);
    restartAnim(EXPLOSIONANIM);
    spawnEffectInField(MINELOOK, square, f);
    playSFX(MINESOUND, EFFECTCHANNEL);
}

// One contact of enemy i with wall w. Returns false when the wall lets the enemy pass
// untouched (and is neither worn by it nor flashes).
bool wallActs(int w, int i) {
    Wall& wl = wall[w];
    Enemy& e = en[i];
    const int side = e.side & 1;
    switch (wl.type) {
    case W_TREE: return false;
    case W_ZOMZAP:
        if (e.kind != ZOMBIEKIND) return false;
        e.hp = 0;
        checkEnemyDeath(fieldOf(e.rect), i);
        break;
    case W_SPIKED:
        e.hp -= SPIKEDAMAGE[side];
        e.flash = WALLFLASH;
        checkEnemyDeath(fieldOf(e.rect), i);
        break;
    case W_LAWN:
        e.hp -= hge->Random_Float(LAWNMIN[side], LAWNMAX[side]);
        checkEnemyDeath(fieldOf(e.rect), i);
        break;
    case W_STAIRS: {
        const float h = r_height(e.rect);
        e.rect.y1 = wl.rect.y2 + 1;
        e.rect.y2 = e.rect.y1 + h;
        playSFX(STAIRSOUND, EFFECTCHANNEL);
        break;
    }
    case W_PROXYMINE: mineExplodes(wl); break;
    default: break;
    }
    e.wallType = wl.type;
    return true;
}

}  // namespace

// The human's field ends where the opponent's begins, so a rectangle starting at that line
// (an enemy held against the opponent's left edge) is the opponent's.
int fieldOf(hgeRect r) { return r.x1 >= pl[0].fieldRight ? 1 : 0; }

void checkEnemyDeath(int side, int i) {
    if (side < 0 || side > 1 || i < 0 || i >= MAXENEMIES) return;
    Enemy& e = en[i];
    // A dying enemy has been paid for already.
    if (!e.active || e.hp > 0 || e.deathTimer > 0) return;
    Player& p = pl[side];
    const long long bonus = p.comboCount > 1 ? static_cast<long long>(p.comboCount - 1) * e.score / 10 : 0;
    const int points = saturatedInt(e.score + bonus);
    p.lastHitEnemy = -1;
    e.hp = 0;
    addSaturating(p.score, points);
    if (side == 0) addSaturating(totalScore, points);
    e.killScore = points;

    if (p.comboCount > 1) setComboText(side, centerX(e.rect), e.rect.y1, p.comboCount);
    p.comboCount += 1;
    p.comboTimer = COMBODELAY;

    e.deathTimer = DEATHTIME;
    if (e.deathAnim) e.deathAnim->Play();
    if (e.deathSound != -1) playSFX(e.deathSound, DEATHCHANNEL);
    if (side == 0 && e.kind >= 0 && e.kind < KILLKINDS) addSaturating(pl[0].killsByKind[e.kind], 1);

    deathEffects(e);
    if (e.ghostly && selectedOpp == EXMISSION) showWinRound();
}

void collEnemy2Wall() {
    for (Enemy& e : en) e.wallType = -1;
    for (int w = 0; w < MAXWALLS; ++w) {
        if (!wall[w].active) continue;
        for (int i = 0; i < MAXENEMIES; ++i) {
            // Both must still stand: an earlier contact this tick may have worn the wall out.
            if (!en[i].active || !(en[i].hp > 0) || !(wall[w].hp > 0) || !touches(wall[w], en[i])) continue;
            if (!wallActs(w, i)) continue;
            wall[w].hp -= 1;
            wall[w].flash = WALLFLASH;
            checkWallDeath(w);
        }
    }
}
