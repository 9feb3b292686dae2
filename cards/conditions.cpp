#include "cards/conditions.h"

#include <algorithm>

#include "battle/combos.h"
#include "cards/hand.h"
#include "shell/geometry.h"
#include "shell/sound.h"
#include "shell/world.h"
#include "toolkit/hgepmanager.h"

namespace {

constexpr int POSITIVESLOT = 0;
constexpr int NEGATIVESLOT = 1;
constexpr int FIRSTPOSITIVE = C_ROXY;
constexpr int MAXLEVEL = 3;
constexpr int CONDCHANNEL = 4;
constexpr int HURTSOUND = 28;
constexpr int HURTCHANNEL = 2;

// Duration of a condition of level L: (per · L + base) · scale, with its own numbers for
// the human and for the opponent. Sound on receipt, and the aura's particle description
// (-1: none).
struct CondRow {
    float humanPer, humanBase, humanScale;
    float oppPer, oppBase, oppScale;
    int sound;
    int aura;
};

constexpr CondRow CONDROWS[MAXCONDS + 1] = {
    {0, 0, 1, 0, 0, 1, -1, -1},        // 0: none
    {3, 5, 1, 10, 5, 1, 12, 7},        // C_TOXI
    {10, 10, 1, 10, 10, 1, 13, -1},    // C_DZ
    {5, 5, 1, 10, 5, 1, 14, 8},        // C_STUP
    {1, 2, 0.5f, 1, 2, 2, 15, -1},     // C_MUTE
    {1, 1, 0.5f, 1, 1, 2, 16, -1},     // C_FREZ
    {2, 0, 0.5f, 2, 0, 2, 101, -1},    // C_STUN
    {5, 10, 1, 5, 10, 1, 102, -1},     // C_ZOM
    {5, 5, 1, 5, 5, 1, 103, 9},        // C_SLIP
    {10, 10, 1, 10, 10, 1, 104, -1},   // C_SLOW
    {5, 5, 1, 5, 5, 1.5f, 105, 10},    // C_ZZZZ
    {10, 5, 1, 10, 5, 1, 106, 12},     // C_LEAK
    {5, 5, 1, 5, 5, 1, 107, -1},       // C_MYST
    {20, 10, 1, 20, 10, 0.5f, 6, -1},  // C_ROXY
    {20, 10, 1, 20, 10, 1, 7, -1},     // C_SPD
    {10, 10, 1, 10, 10, 1, 8, 13},     // C_BZRK
    {5, 25, 1, 5, 25, 1, 9, 14},       // C_U4IA
    {20, 10, 1, 20, 10, 1, 10, 15},    // C_2XL
    {5, 5, 1, 5, 5, 1, 11, -1},        // C_R2X
    {10, 10, 1, 10, 10, 0.5f, 100, -1} // C_RFLX
};

bool validCond(int cond) { return cond >= 0 && cond <= MAXCONDS; }

// The running aura of a slot: pr[4 + side] for the beneficial slot, pr[6 + side] for the harmful.
hgeParticleSystem*& auraOf(int side, int slot) { return pr[(slot == POSITIVESLOT ? 4 : 6) + side]; }

void stopAura(int side, int slot) {
    hgeParticleSystem*& ps = auraOf(side, slot);
    if (ps && psmgrX && psmgrX->IsPSAlive(ps)) ps->Stop();
    ps = nullptr;
}

void startAura(int side, int slot, int cond, int level) {
    const int look = CONDROWS[cond].aura;
    if (look < 0 || !psmgrX) return;
    const Player& p = pl[side];
    hgeParticleSystem* ps = psmgrX->SpawnPS(&psiGeneral[look], centerX(p.rect), centerY(p.rect));
    if (ps) ps->info.emission = 20 * level - 13;
    auraOf(side, slot) = ps;
}

}  // namespace

bool condHasParticle(int cond) {
    return validCond(cond) && CONDROWS[cond].aura >= 0;
}

float condDuration(int side, int cond, int level) {
    if (!validCond(cond)) return 0;
    const CondRow& r = CONDROWS[cond];
    const float L = static_cast<float>(level);
    return side == 0 ? (r.humanPer * L + r.humanBase) * r.humanScale : (r.oppPer * L + r.oppBase) * r.oppScale;
}

void receiveCond(int side, int cond, int n) {
    if (side < 0 || side > 1 || !validCond(cond)) return;
    if (cond == 0 && n != POSITIVESLOT && n != NEGATIVESLOT) return;
    Player& p = pl[side];
    const int s = cond == 0 ? n : (cond < FIRSTPOSITIVE ? NEGATIVESLOT : POSITIVESLOT);
    if (condHasParticle(p.cond[s])) stopAura(side, s);

    // P_INCPOS lifts a beneficial condition one level; the same condition again adds the
    // new level to the one stored (which, with P_INCPOS, is the lifted new level).
    bool set = false;
    if (cond >= FIRSTPOSITIVE && passiveExists(side, P_INCPOS)) {
        p.condLevel[s] = n + 1;
        set = true;
    }
    if (p.cond[s] == cond) {
        p.condLevel[s] = n + p.condLevel[s];
        set = true;
    }
    if (!set) p.condLevel[s] = n;
    p.condLevel[s] = std::min(p.condLevel[s], MAXLEVEL);

    const int level = p.condLevel[s];
    p.condTime[s] = cond == 0 ? 0 : condDuration(side, cond, level);
    if (cond != 0) {
        playSFX(CONDROWS[cond].sound, CONDCHANNEL);
        startAura(side, s, cond, level);
    }
    if (cond == C_R2X) {
        p.misc[M_RAMW] = 32.0f * level + 32;
        p.misc[M_RAMH] = 24.0f * level + 24;
        updateRamBox(side);
    }

    p.cond[s] = cond;
    if (cond != 0) initytxt(side, condString[cond], 0);
    p.condAlpha[s] = 0;

    if (s == POSITIVESLOT && passiveExists(side, P_VITALIZER)) p.condTime[0] *= 2;
    if (s == NEGATIVESLOT && passiveExists(side, P_NULLIFIER)) p.condTime[1] /= 2;
    if (s == NEGATIVESLOT && vehicleOf(side) == 1) p.condTime[1] /= 2;
}

void updateRamBox(int side) {
    if (side < 0 || side > 1) return;
    Player& p = pl[side];
    p.misc[M_RAMX] = centerX(p.rect) - p.misc[M_RAMW] / 2;
    p.misc[M_RAMY] = p.rect.y1 - p.misc[M_RAMH];
}

void updateConditions(int side, float dt) {
    if (side < 0 || side > 1) return;
    Player& p = pl[side];
    for (int s = 0; s < 2; ++s) {
        if (p.cond[s] == 0) continue;
        hgeParticleSystem* ps = auraOf(side, s);
        if (condHasParticle(p.cond[s]) && ps && psmgrX && psmgrX->IsPSAlive(ps))
            ps->MoveTo(centerX(p.rect), centerY(p.rect));
        p.condTime[s] -= dt;
        p.condAlpha[s] = std::min(255.0f, p.condAlpha[s] + 100 * dt);
        if (p.condTime[s] <= 0) receiveCond(side, 0, s);
    }
}

void conditionTick0p1(int side) {
    if (side < 0 || side > 1) return;
    Player& p = pl[side];
    if (passiveExists(side, P_REGENFUEL)) p.fuel += 0.5f;
    const int cond = p.cond[NEGATIVESLOT];
    const int L = p.condLevel[NEGATIVESLOT];
    if (cond == C_TOXI && p.moving) {
        if (hge->Random_Int(0, 100) < 15 * L) {
            p.heart -= 0.5f * L + 0.5f;
            playSFX(HURTSOUND, HURTCHANNEL);
        }
    } else if (cond == C_LEAK && p.moving) {
        if (hge->Random_Int(0, 100) < 15 * L) {
            p.fuel -= 2.0f * L;
            playSFX(HURTSOUND, HURTCHANNEL);
        }
    } else if (cond == C_DZ) {
        const float reach = 5.0f * L;
        const float dx = hge->Random_Float(-reach, reach);
        const float dy = hge->Random_Float(-reach, reach);
        p.rect = addToRect(p.rect, dx, dy);
    }
}

void conditionTick1(int side) {
    if (side < 0 || side > 1) return;
    Player& p = pl[side];
    if (p.cond[NEGATIVESLOT] == C_ZOM && hge->Random_Int(1, 5) <= p.condLevel[NEGATIVESLOT])
        activateCard(side, hge->Random_Int(0, 2));
    if (p.cond[POSITIVESLOT] == C_U4IA) {
        const int L = p.condLevel[POSITIVESLOT];
        if (hge->Random_Int(0, 3 - L) == 0) p.heart += 0.5f * L;
    }
}
