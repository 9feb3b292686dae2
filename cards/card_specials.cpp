// The one-of-a-kind card effects: conditions traded or cured, coins taken, enemies moved,
// halved, killed or revived, vehicles shoved, hopped or hidden, and cards that play others.
#include <algorithm>
#include <cmath>
#include <string>

#include "battle/collisions.h"
#include "battle/combos.h"
#include "battle/enemies.h"
#include "cards/card_effects.h"
#include "cards/card_families.h"
#include "cards/conditions.h"
#include "cards/opponents.h"
#include "shell/geometry.h"
#include "shell/sound.h"
#include "shell/world.h"
#include "toolkit/hgepmanager.h"

namespace {

// Particle descriptions of the bursts these effects show.
constexpr int TELEPORTLOOK = 3;
constexpr int REVIVELOOK = 4;
constexpr int PUSHLOOK = 5;
// pr[BOOSTFLAME + side] is the boost flame that trails each vehicle.
constexpr int BOOSTFLAME = 2;

constexpr float PUSHUP = 80;
constexpr float SENDSHIFT = 300;  // from one field to the same place in the other
constexpr float TELEPORTSAFETY = 3;
constexpr float SEALTIME = 20;
constexpr float FAUXPAXTIME = 20;
constexpr int DEATHSOUND = 22;

// Built once so that playing a card allocates no text.
const std::string PASSIVEREMOVED = "1 passive removed!";
const std::string CURED = " cured!";
const std::string SEALED = "Card use sealed!";
const std::string NOTARGETS = "No valid targets!";
const std::string FAUXPAS = "Faux Pas!";
const std::string FAUXPAX = "Faux pax";

// The hopping spells: how many hops the rival makes and what it is told.
struct HopRow {
    int card, hops;
    std::string text;
};
const HopRow HOPROWS[] = {{26, 2, "Pas de deux!"}, {27, 4, "Pas de quatre!"}, {337, 6, "Pas de six!"}};

// Invisibility: seconds for the human, and for the opponent, which uses it more readily.
struct HideRow {
    int card;
    float human, opponent;
};
constexpr HideRow HIDEROWS[] = {{167, 6, 3}, {311, 12, 6}, {321, 18, 9}};

// Cards that play random cards of a family from the same slot, the outer card spent last.
constexpr int FIRSTWALLCARD = 137, LASTWALLCARD = 158;
constexpr int FIRSTENEMYCARD = 47, LASTENEMYCARD = 136;

bool livingIn(const Enemy& e, int side) { return e.active && e.side == side && e.hp > 0; }

void playRandomCard(const CardPlay& play, int first, int last) {
    Player& u = pl[play.user];
    const int card = hge->Random_Int(first, last);
    if (play.slot <= 2) u.hand[play.slot] = card;
    else u.aiCard = card;
    initCard(play.user, play.slot);
}

void killAll(int side) {
    for (int i = 0; i < MAXENEMIES; ++i) {
        if (!livingIn(en[i], side)) continue;
        en[i].hp = 0;
        checkEnemyDeath(side, i);
    }
    pl[side].misc[M_DEATH] = 1;
}

// A revived enemy is alive again from the start, so its next death pays out in full.
void reviveDying(int side) {
    for (Enemy& e : en) {
        if (!e.active || e.side != side || e.hp > 0) continue;
        e.hp = e.maxHp;
        e.deathTimer = 0;
        if (psmgrX) psmgrX->SpawnPS(&psiGeneral[REVIVELOOK], centerX(e.rect), centerY(e.rect));
    }
}

void cure(int side) {
    Player& p = pl[side];
    if (p.cond[1] == 0) return;
    static std::string cured;
    cured.assign(condString[std::clamp(p.cond[1], 0, MAXCONDS)]).append(CURED);
    initytxt(side, cured, 2);
    receiveCond(side, 0, 1);
}

// Takes the rival's blessing, then hands over one's own ailment.
void swapConditions(int user, int opponent) {
    Player& u = pl[user];
    Player& o = pl[opponent];
    if (o.cond[0] != 0) {
        const int cond = o.cond[0], level = o.condLevel[0];
        receiveCond(user, cond, level);
        receiveCond(opponent, 0, 0);
    }
    if (u.cond[1] != 0) {
        const int cond = u.cond[1], level = u.condLevel[1];
        receiveCond(opponent, cond, level);
        receiveCond(user, 0, 1);
    }
}

// Three quarters of each colour, at least 4 coins; `gain` receives what was taken.
void takeCoins(int victim, int gain) {
    for (int k = 0; k < 3; ++k) {
        int& coins = pl[victim].coin[k];
        const int take = std::min(std::max(static_cast<int>(std::floor(0.75 * coins)), 4), std::max(coins, 0));
        coins -= take;
        if (gain >= 0) pl[gain].coin[k] += take;
    }
}

// The user's living enemies change sides, keeping their place within the field.
void sendEnemies(int user, int opponent) {
    const float shift = user == 0 ? SENDSHIFT : -SENDSHIFT;
    for (Enemy& e : en) {
        if (!livingIn(e, user)) continue;
        e.side = opponent;
        e.rect = addToRect(e.rect, shift, 0);
    }
}

// One enemy of the user's field is placed right in front of the vehicle.
void lure(int user) {
    const int i = pickAnEnemy(user);
    if (i == -1) {
        initytxt(user, NOTARGETS, 1);
        return;
    }
    Enemy& e = en[i];
    const hgeRect& v = pl[user].rect;
    const float w = r_width(e.rect), h = r_height(e.rect);
    const float x = e.dx > 0 ? v.x1 : v.x2;
    const float bottom = v.y1 - (e.dy <= 0 ? 20.0f : 40.0f);
    e.rect = hgeRect(x, bottom - h, x + w, bottom);
}

void pushUp(int user) {
    for (Enemy& e : en) {
        if (!livingIn(e, user)) continue;
        e.rect = addToRect(e.rect, 0, -PUSHUP);
        if (psmgrX) psmgrX->SpawnPS(&psiGeneral[PUSHLOOK], centerX(e.rect), centerY(e.rect));
    }
}

void teleport(int user) {
    Player& p = pl[user];
    const float w = r_width(p.rect), h = r_height(p.rect);
    const float x = hge->Random_Float(p.fieldLeft, p.fieldRight - w);
    const float y = hge->Random_Float(0, SCREEN_HEIGHT - h);
    p.rect = hgeRect(x, y, x + w, y + h);
    hgeParticleSystem*& flame = pr[BOOSTFLAME + user];
    if (flame && psmgrX && psmgrX->IsPSAlive(flame)) psmgrX->KillPS(flame);
    flame = nullptr;
    p.misc[M_TELEPO] = TELEPORTSAFETY;
    burstAtVehicle(user, TELEPORTLOOK);
}

void shove(int opponent) {
    Player& o = pl[opponent];
    o.velX = hge->Random_Float(30, 70);
    o.velY = o.rect.y1 < 300 ? hge->Random_Float(30, 70) : hge->Random_Float(-70, -30);
    initytxt(opponent, FAUXPAS, 1);
}

void removeFirstPassive(int opponent) {
    Player& o = pl[opponent];
    o.passive[0] = o.passive[1];
    o.passive[1] = o.passive[2];
    o.passive[2] = 0;
    initytxt(opponent, PASSIVEREMOVED, 1);
}

void randomConditions(int card, const CardPlay& play) {
    if (card == 182) receiveCond(play.user, selectedOpp == EXMISSION ? hge->Random_Int(13, 19) : hge->Random_Int(1, 19), 1);
    if (card == 266 || card == 334) receiveCond(play.user, hge->Random_Int(13, 19), 1);
    if (card == 269 || card == 334) receiveCond(play.opponent, hge->Random_Int(1, 11), 1);
}

bool groupedSpecial(const CardPlay& play) {
    for (const HopRow& row : HOPROWS) {
        if (row.card != play.card) continue;
        pl[play.opponent].misc[M_PAS] = static_cast<float>(row.hops);
        initytxt(play.opponent, row.text, 1);
        return true;
    }
    for (const HideRow& row : HIDEROWS) {
        if (row.card != play.card) continue;
        pl[play.user].misc[M_INVIZ] = play.user == 0 ? row.human : row.opponent;
        return true;
    }
    return false;
}

}  // namespace

bool playSpecialCard(const CardPlay& play) {
    if (groupedSpecial(play)) return true;
    const int user = play.user, opponent = play.opponent;
    Player& u = pl[user];
    switch (play.card) {
    case 19: removeFirstPassive(opponent); return true;
    case 20: cure(user); return true;
    case 21:
        for (Enemy& e : en)
            if (livingIn(e, user)) e.hp /= 2;
        u.misc[M_HALFDEATH] = 1;
        return true;
    case 22: killAll(user); return true;
    case 25:
        if (u.cond[0] != 0 && u.condLevel[0] <= 2) receiveCond(user, u.cond[0], u.condLevel[0]);
        return true;
    case 28: shove(opponent); return true;
    case 29: takeCoins(opponent, -1); return true;
    case 30: takeCoins(opponent, user); return true;
    case 31:
        // The EX mission has no rival field to send them to.
        if (selectedOpp != EXMISSION) sendEnemies(user, opponent);
        return true;
    case 32: reviveDying(opponent); return true;
    case 33: swapConditions(user, opponent); return true;
    case 176: lure(user); return true;
    case 178: pushUp(user); return true;
    case 182:
    case 266:
    case 269:
    case 334: randomConditions(play.card, play); return true;
    case 183: playRandomCard(play, FIRSTWALLCARD, LASTWALLCARD); return true;
    case 184: teleport(user); return true;
    case 255: playRandomCard(play, FIRSTENEMYCARD, LASTENEMYCARD); return true;
    case 336:
        for (int i = 0; i < 3; ++i) playRandomCard(play, FIRSTENEMYCARD, LASTENEMYCARD);
        return true;
    case 338:
        pl[opponent].misc[M_SEAL] = SEALTIME;
        initytxt(opponent, SEALED, 1);
        return true;
    case 339:
        u.misc[M_FAUXPAX] = FAUXPAXTIME;
        initytxt(user, FAUXPAX, 2);
        return true;
    case 340:
        killAll(user);
        playSFX(DEATHSOUND, 4);
        reviveDying(opponent);
        return true;
    default: return false;
    }
}
