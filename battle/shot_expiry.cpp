// What a timed shot leaves behind when its lifetime runs out: explosions, balloon bursts,
// dice and roulette results, slot-machine payouts, crash debris and falling cars.
#include "battle/combos.h"
#include "battle/shots.h"
#include "cards/card_effects.h"
#include "shell/geometry.h"
#include "shell/sound.h"
#include "shell/world.h"
#include "toolkit/hgeanim.h"

namespace {

constexpr int EXPIRYCHANNEL = 5;
constexpr float RESULTPERIOD = 6;

// A shot centred on (cx, cy), w × h, made with the expiring shot's direction. Returns false
// when the table is full.
bool makeCentred(const Shot& from, float w, float h, float damage, float dx, float dy, float ax, float ay,
                 float lifetime, int cond, int look, bool particles, int pattern) {
    const int n = roomForMoreShots();
    if (n == -1) return false;
    const float cx = centerX(from.rect), cy = centerY(from.rect);
    const hgeRect r(cx - w / 2, cy - h / 2, cx + w / 2, cy + h / 2);
    sh[n].create(r, false, from.dir, damage, dx, dy, ax, ay, lifetime, cond, look, particles, pattern,
                 RESULTPERIOD, 0, 0);
    return true;
}

void restart(int animation) {
    if (anim[animation]) anim[animation]->Play();
}

void explode(const Shot& from, int pattern, float side, float damage, int cond, int look, int effect,
             int effectField, int sound) {
    if (!makeCentred(from, side, side, damage, 0, 0, 0, 0, 2, cond, look, false, pattern)) return;
    const float cx = centerX(from.rect), cy = centerY(from.rect);
    spawnEffectInField(effect, hgeRect(cx - side / 2, cy - side / 2, cx + side / 2, cy + side / 2), effectField);
    playSFX(sound, EXPIRYCHANNEL);
}

void bomb(const Shot& from) {
    const int p = from.pattern;
    restart(14);
    explode(from, P_LINEAR, 50.0f * p - 700, 10.0f * p - 130, 0, 14, p + 16, shotField(from.dir),
            33 + (p - P_BOMB1) / 2);
}

void diceResult(const Shot& from, float& roll, float lifetime, int pattern) {
    const int r = hge->Random_Int(1, 6);
    roll = static_cast<float>(r);
    makeCentred(from, 15.0f * r, 15.0f * r, 10.0f * r, 0, -80.0f * r, 0, -20, lifetime, 0, 26, false, pattern);
}

// The three dice of one throw share their lifetime; the first to expire rolls all three,
// and its siblings leave with it so the throw pays once.
void tripleDice(const Shot& from) {
    for (int s = 0; s < MAXSHOTS; ++s)
        if (sh[s].active && sh[s].dir == from.dir && sh[s].pattern >= P_DICE1 && sh[s].pattern <= P_DICE3)
            removeShot(s);
    Player& owner = pl[from.dir & 1];
    for (int k = 0; k < 3; ++k) diceResult(from, owner.misc[M_DICEROLL1 + k], 2.5f, P_DICERESULT1 + k);
}

void roulette(const Shot& from) {
    const float v = pl[from.dir & 1].misc[M_ROULETTEVALUE];
    const float w = v == 0 ? 300 : 7 * v, h = v == 0 ? 250 : 5 * v;
    if (makeCentred(from, w, h, 40, 0, -300, 0, -30, 1.7f, 0, 28, false, P_ROULETTERESULT))
        playSFX(49, EXPIRYCHANNEL);
}

struct Payout {
    const char* text;
    int sound;
    int card;       // P_SLOT
    int superCard;  // P_SUPERSLOT
};
constexpr Payout JACKPOT{"7 7 7  -  Jackpot!!", 51, 243, 270};
constexpr Payout BARS{"3 Bars  -  Great!", 50, 244, 256};
constexpr Payout CHERRIES3{"3 Cherries  -  Nice!", 52, 230, 264};
constexpr Payout CHERRIES2{"2 Cherries  -  Good", 9, 235, 258};
constexpr Payout CHERRY{"1 Cherry  -  OK", 1, 227, 249};
constexpr Payout NOLUCK{"Better luck next time.", 29, 0, 0};

const Payout& payoutFor(int r1, int r2, int r3) {
    if (r1 == 32 && r2 == 32 && r3 == 32) return JACKPOT;
    if (r1 == 31 && r2 == 31 && r3 == 31) return BARS;
    const int cherries = (r1 == 30) + (r2 == 30) + (r3 == 30);
    if (cherries == 3) return CHERRIES3;
    if (cherries == 2) return CHERRIES2;
    if (cherries == 1) return CHERRY;
    return NOLUCK;
}

void slotMachine(const Shot& from) {
    const int owner = from.dir & 1;
    Player& p = pl[owner];
    const Payout& pay = payoutFor(static_cast<int>(p.misc[M_SLOTVALUE1]), static_cast<int>(p.misc[M_SLOTVALUE2]),
                                  static_cast<int>(p.misc[M_SLOTVALUE3]));
    initytxt(owner, pay.text, 0);
    playSFX(pay.sound, EXPIRYCHANNEL);
    const int card = from.pattern == P_SUPERSLOT ? pay.superCard : pay.card;
    if (card == 0) return;
    p.aiCard = card;
    initCard(owner, 3);
}

void crash(const Shot& from) {
    restart(38);
    bool made = false;
    for (int k = 0; k < 5; ++k)
        made |= makeCentred(from, 32, 32, 35, 50.0f * k - 100, 200, 10.0f * k - 20, 50, -1, 0, 38, false, P_LINEAR);
    if (made) playSFX(53, EXPIRYCHANNEL);
}

void balloonBurst(const Shot& from) {
    bool made = makeCentred(from, 36, 36, 40, -70, 140, -10, 20, -1, 0, 39, true, P_LINEAR);
    made |= makeCentred(from, 36, 36, 40, 70, 140, 10, 20, -1, 0, 39, true, P_LINEAR);
    if (made) playSFX(38, EXPIRYCHANNEL);
}

// A car falls into the target's field again, one time in two.
void suv(const Shot& from) {
    if (hge->Random_Int(0, 1) != 0) return;
    const int n = roomForMoreShots();
    if (n == -1) return;
    const Player& target = pl[shotTarget(from.dir)];
    const float x1 = hge->Random_Float(target.fieldLeft, target.fieldRight - 24);
    const float dx = hge->Random_Float(-15, 15);
    const float dy = hge->Random_Float(450, 600);
    const float ay = hge->Random_Float(50, 100);
    sh[n].create(hgeRect(x1, 4, x1 + 24, 36), false, from.dir, 40, dx, dy, 0, ay, -1, 0, 76, false, P_SUV,
                 RESULTPERIOD, 0, 0);
}

}  // namespace

void shotExpiry(int s) {
    // A copy: the effects may reuse this very slot for what they create.
    const Shot from = sh[s];
    const int field = shotField(from.dir);
    switch (from.pattern) {
    case P_BOMB1:
    case P_BOMB2:
    case P_BOMB3:
    case P_BOMB4:
    case P_BOMB5: bomb(from); break;
    case P_BALLOON1:
        if (makeCentred(from, 64, 64, 30, 0, 0, 0, 0, 0.6f, 0, 38, true, P_LINEAR)) playSFX(40, EXPIRYCHANNEL);
        break;
    case P_BALLOON2: balloonBurst(from); break;
    case P_DICE: diceResult(from, pl[from.dir & 1].misc[M_DICEROLL], 2, P_DICERESULT); break;
    case P_DICE1:
    case P_DICE2:
    case P_DICE3: tripleDice(from); break;
    case P_ROULETTE: roulette(from); break;
    case P_SLOT:
    case P_SUPERSLOT: slotMachine(from); break;
    case P_CRASH: crash(from); break;
    case P_BFG: explode(from, P_LINEAR, 300, 100, 0, 50, 46, field, 35); break;
    case P_TNT: explode(from, P_LINEAR, 250, 75, 0, 14, 47, field, 34); break;
    case P_TOXIBOMB:
        explode(from, P_TOXIEXPLOSION, 250, 15, C_TOXI, 14, 53, shotTarget(from.dir), 54);
        break;
    case P_SUV: suv(from); break;
    default: break;
    }
}
