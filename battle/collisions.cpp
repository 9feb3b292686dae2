// The per-frame collision passes between vehicles, enemies and shots, and the damage a
// vehicle takes from them.
#include "battle/collisions.h"

#include "battle/player.h"
#include "battle/shots.h"
#include "battle/walls.h"
#include "cards/conditions.h"
#include "shell/geometry.h"
#include "shell/sound.h"
#include "shell/world.h"
#include "toolkit/hgepmanager.h"

namespace {

constexpr int HITCHANNEL = 2;
constexpr int BULLETHITCHANNEL = 1;
constexpr int CRITCHANNEL = 1;
constexpr int CRITSOUND = 17, CRITLOOK = 11;
constexpr int REFLECTSOUND = 36;
constexpr int HITSOUND = 4, HITLOOK = 0;
constexpr int CREATUREHITSOUND = 94, CREATUREHITLOOK = 30;
constexpr float KNOCKBACK = 40;
constexpr float RAMDAMAGE = 100;         // hit points a second per ram level
constexpr int AREAVEHICLE = 3;           // the vehicle whose area shots hit harder
constexpr float AREABONUS = 0.2f;
constexpr int ROXYVEHICLE = 2;           // the vehicle that may toughen up when hit
constexpr int ROXYROLLABOVE = 75;
constexpr int INFECTINGKIND = 7;         // its touch turns the vehicle into a zombie
constexpr float PULLINX = 50, PULLINY = -50;

// Level of beneficial condition `cond` on `side`, 0 when it does not hold it.
int goodLevel(int side, int cond) { return pl[side].cond[0] == cond ? pl[side].condLevel[0] : 0; }
int badLevel(int side, int cond) { return pl[side].cond[1] == cond ? pl[side].condLevel[1] : 0; }

bool alive(const Enemy& e) { return e.active && e.hp > 0; }

// The human in vehicle 2 may toughen up whenever something touches it.
void maybeRoxy(int side) {
    if (vehicleOf(side) == ROXYVEHICLE && hge->Random_Int(0, 100) > ROXYROLLABOVE) receiveCond(side, C_ROXY, 1);
}

// The opponents whose vehicles are creatures show and sound their hits differently.
bool creatureHit(int side) { return side == 1 && !versus.on && (selectedOpp == 1 || selectedOpp == 3 || selectedOpp == 5); }

// `shot` is the slot's values as the pass found them: a spent bullet's slot may be taken
// by an explosion during the pass.
void shotHitsEnemy(const Shot& shot, int s, bool& spent, int e, float dt) {
    Enemy& target = en[e];
    const int side = shot.dir;  // Y2E and O2E are the owners 0 and 1
    Player& p = pl[side];
    if (shot.bullet) {
        if (!spent) removeShot(s);
        spent = true;
        if (passiveExists(side, P_KNOX)) target.rect = addToRect(target.rect, 0, -KNOCKBACK);
    }
    p.lastHitEnemy = e;
    p.lastHitInfo = target.kind;
    if (shot.bullet && target.hitSound != -1) playSFX(target.hitSound, BULLETHITCHANNEL);

    float damage = shot.bullet ? shot.damage : shot.damage * dt;
    const int zombie = badLevel(side, C_ZOM);
    if (zombie > 0) damage /= 1.5f * zombie;
    if (!shot.bullet && vehicleOf(side) == AREAVEHICLE) damage += AREABONUS * shot.damage * dt;
    if (shot.bullet) damage += 3.0f * goodLevel(side, C_BZRK);
    target.hp -= damage;
    target.flash = ENEMYFLASHTIME;

    if (shot.bullet) {
        const int r = hge->Random_Int(0, 100);
        const int twoXL = goodLevel(side, C_2XL);
        const float chance = twoXL > 0 ? (twoXL + 1) * p.excel : p.excel;
        if (r < chance) {
            // P_EXCEL_2 pays 1.5 and P_EXCEL_15 pays 2: the names are swapped on purpose.
            const float factor = passiveExists(side, P_EXCEL_2) ? 1.5f : passiveExists(side, P_EXCEL_15) ? 2.0f : 1.0f;
            target.hp -= factor * shot.damage;
            playSFX(CRITSOUND, CRITCHANNEL);
            if (psmgrX) psmgrX->SpawnPS(&psiGeneral[CRITLOOK], centerX(target.rect), target.rect.y2);
        }
    }
    checkEnemyDeath(side, e);
}

void shotHitsPlayer(int s, int side) {
    Shot& shot = sh[s];
    const int reflect = goodLevel(side, C_RFLX);
    if (reflect > 0) {
        shot.dir = side == 0 ? Y2E : O2E;
        shot.dx = -shot.dx;
        shot.dy = -shot.dy;
        shot.ax = -shot.ax;
        shot.ay = -shot.ay;
        shot.damage *= static_cast<float>(reflect);
        playSFX(REFLECTSOUND, HITCHANNEL);
        return;
    }
    maybeRoxy(side);
    if (shot.cond != 0) receiveCond(side, shot.cond, 1);
    if (shot.pattern == P_PULLIN) pl[side].rect = addToRect(pl[side].rect, PULLINX, PULLINY);
    damagePlayer(side, shot.damage);
}

}  // namespace

bool isVulnerable(int side) {
    if (side < 0 || side > 1) return false;
    const Player& p = pl[side];
    return p.invincTimer <= 0 && !(p.misc[M_INVIZ] > 0) && !(p.misc[M_TELEPO] > 0) &&
           !(p.misc[M_DONTDISPLAYVEH] > 0);
}

void damagePlayer(int side, float attack) {
    if (side < 0 || side > 1) return;
    Player& p = pl[side];
    const int roxy = goodLevel(side, C_ROXY);
    float d = roxy > 0 ? attack - (0.25f * roxy + 1) * p.armor : attack - p.armor;
    // The round clock of the human paces both sides.
    const int t = pl[0].roundTime;
    if (t <= 30) d /= 3;
    else if (t <= 60) d /= 2;
    if (d < pl[0].misc[M_MINLOSSAMT]) d = pl[0].misc[M_MINLOSSAMT];
    const int euphoria = goodLevel(side, C_U4IA);
    p.invincTimer = euphoria > 0 ? INVINCDELAY * (euphoria + 1) : INVINCDELAY;
    p.pendingDamage += d;

    const bool creature = creatureHit(side);
    playSFX(creature ? CREATUREHITSOUND : HITSOUND, HITCHANNEL);
    if (!psmgrX) return;
    // A hit effect still running would be left behind by the vehicle for good.
    if (pr[side] && psmgrX->IsPSAlive(pr[side])) psmgrX->KillPS(pr[side]);
    const int look = creature ? CREATUREHITLOOK : HITLOOK;
    pr[side] = psmgrX->SpawnPS(&psiGeneral[look], centerX(p.rect), centerY(p.rect));
}

void collPlayer2Enemy(float dt) {
    for (int side = 0; side < simulatedSides(); ++side) {
        Player& p = pl[side];
        const int ram = goodLevel(side, C_R2X);
        const hgeRect ramBox(p.misc[M_RAMX], p.misc[M_RAMY], p.misc[M_RAMX] + p.misc[M_RAMW],
                             p.misc[M_RAMY] + p.misc[M_RAMH]);
        for (int i = 0; i < MAXENEMIES; ++i) {
            Enemy& e = en[i];
            if (alive(e) && isVulnerable(side) && checkHitBox(side, e.rect)) {
                maybeRoxy(side);
                if (e.kind == INFECTINGKIND) receiveCond(side, C_ZOM, 1);
                damagePlayer(side, e.attack);
            }
            if (ram > 0 && alive(e) && ramBox.Intersect(e.rect)) {
                e.hp -= RAMDAMAGE * ram * dt;
                e.flash = ENEMYFLASHTIME;
                checkEnemyDeath(side, i);
            }
        }
    }
}

void collShot2Enemy(float dt) {
    for (int s = 0; s < MAXSHOTS; ++s) {
        if (!sh[s].active || (sh[s].dir != Y2E && sh[s].dir != O2E)) continue;
        // A bullet is used up by its first hit but still hurts every enemy it overlaps in
        // this frame.
        const Shot shot = sh[s];
        bool spent = false;
        for (int e = 0; e < MAXENEMIES; ++e)
            if (alive(en[e]) && shot.IntersectsWith(en[e].rect)) shotHitsEnemy(shot, s, spent, e, dt);
    }
}

void collShot2Player() {
    for (int s = 0; s < MAXSHOTS; ++s) {
        for (int side = 0; side < simulatedSides(); ++side) {
            const Shot& shot = sh[s];
            if (!shot.active) break;
            const int aimed = side == 0 ? O2Y : Y2O;
            if (shot.dir != aimed || !isVulnerable(side) || !(pl[side].heart > 0)) continue;
            if (checkHitBox(side, shot.rect)) shotHitsPlayer(s, side);
        }
    }
}
