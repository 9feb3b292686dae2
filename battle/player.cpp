#include "battle/player.h"

#include "battle/battle_input.h"

#include "cards/conditions.h"
#include "cards/hand.h"
#include "cards/opponents.h"
#include "platform/core/input_state.h"
#include "shell/geometry.h"
#include "shell/hooks.h"
#include "shell/modes.h"
#include "shell/sound.h"
#include "shell/text.h"
#include "shell/world.h"
#include "toolkit/hgeparticle.h"
#include "toolkit/hgepmanager.h"
#include "toolkit/hgeresource.h"

namespace {

constexpr int DUDSOUND = 1, DUDCHANNEL = 3;
constexpr int BOOSTFLAME = 2;
constexpr float BOOSTFACTOR = 1.5f;
constexpr float BOOSTBURN = 50;
constexpr float FRICTION = 31.0f / 32.0f;

// How a gun spreads its volley: every shot straight, a random left or right swing of
// 300, a random swing in -300..300, or the first shot straight and the rest swinging.
enum class Swing { NONE, EITHERWAY, RANDOM, ALLBUTFIRST };

// One gun: the horizontal swing and motion pattern of its shots, the pattern's period
// (or a random one in -2..2 per shot), the drift along y as a share of the shot speed,
// a random sideways drift on all shots but the first, and whether each position fires a
// second shot backwards.
struct GunRow {
    Swing swing;
    int pattern;
    int firstPattern;
    float period;
    bool randomPeriod;
    float driftY;
    bool randomDriftX;
    bool backwardPair;
};

constexpr GunRow VEHICLEGUNS[MAXVEHICLES] = {
    {Swing::NONE, P_LINEAR, P_LINEAR, 6, false, 0, false, false},
    {Swing::NONE, P_WAVE, P_WAVE, 0.5f, false, -1, false, false},
    {Swing::EITHERWAY, P_CIRCULAR, P_CIRCULAR, 0.7f, false, -1, false, false},
    {Swing::ALLBUTFIRST, P_CFORM, P_LINEAR, -9, false, -1.0f / 3, false, false},
    {Swing::RANDOM, P_TRIANGLE, P_TRIANGLE, 1, false, -1, false, false},
    {Swing::RANDOM, P_CIRCULAR, P_CIRCULAR, 2, false, -1, false, false},
    {Swing::RANDOM, P_STAR, P_STAR, -4, false, -1, true, false},
    {Swing::RANDOM, P_BOUNCY, P_BOUNCY, -3, false, -1, true, true},
};
// Opponents 0, 2, 4, 6 fire straight; 1, 3, 5 in waves.
constexpr GunRow OPPONENTGUNS[2] = {
    {Swing::NONE, P_LINEAR, P_LINEAR, 6, false, 0, false, false},
    {Swing::NONE, P_WAVE, P_WAVE, 0, true, 0, false, false},
};
constexpr float SWING = 300;

bool oddOpponent() { return selectedOpp == 1 || selectedOpp == 3 || selectedOpp == 5; }

}  // namespace

void handleSharedKey(int k) {
    Player& me = pl[0];
    if (k == vk::ESCAPE) callHook(gameHooks.initPauseScreen);
    else if (k == vk::F1) {
        me.misc[M_INST] = CF_INGAME;
        gameMode = MODE_INST;
    } else if (k == vk::F2) {
        me.showFps = !me.showFps;
    } else if (k == vk::ENTER && hge->Input_GetKeyState(vk::ALT)) {
        me.opt[OPT_FULLSCREEN] = (me.opt[OPT_FULLSCREEN] + 1) % 2;
        hge->System_SetState(HGE_WINDOWED, me.opt[OPT_FULLSCREEN] == 0);
    }
}

void steerByMouse() {
    mouseMovedLeft = mousePos.x < CENTERLINE;
    mouseMovedRight = mousePos.x > CENTERLINE;
    mouseMovedUp = mousePos.y < SCREEN_HEIGHT / 2;
    mouseMovedDown = mousePos.y > SCREEN_HEIGHT / 2;
    hge->Input_SetMousePos(CENTERLINE, SCREEN_HEIGHT / 2);
}

void steerSide(int side, float dt, const Steering& way) {
    Player& p = pl[side];
    const float a = vehicleSpeed(side) * dt;
    const bool stup = p.cond[1] == C_STUP;
    const float sign = stup ? -1.0f : 1.0f;
    if (way.left) {
        p.velX -= sign * a;
        p.moving = true;
        if (way.leanLeft) (stup ? p.leanRight : p.leanLeft) = true;
    }
    if (way.right) {
        p.velX += sign * a;
        p.moving = true;
        if (way.leanRight) (stup ? p.leanLeft : p.leanRight) = true;
    }
    if (way.up) {
        p.velY -= sign * a;
        p.moving = true;
    }
    if (way.down) {
        p.velY += sign * a;
        p.moving = true;
    }
}

namespace {

// The campaign's human: the card keys act first, then steering, the gun and the wheel.
void applyHumanInput(float dt, SideInput in) {
    Player& me = pl[0];
    applyPointerActions(0, in.actions);
    applyCardActions(0, in.actions);
    me.wasBoosting = me.boosting;
    me.boosting = (in.held & SH_BOOST) && me.fuel > 0;
    steerSide(0, dt, steeringOf(in.held, true));
    updateBoostFlame(0);
    pullTrigger(0, in.held & SH_FIRE);
    selectByWheel(0, in.actions);
}

}  // namespace

Steering steeringOf(std::uint16_t held, bool mouse) {
    Steering way;
    way.left = (held & SH_LEFT) || (mouse && (held & SH_MOUSELEFT));
    way.right = (held & SH_RIGHT) || (mouse && (held & SH_MOUSERIGHT));
    way.up = (held & SH_UP) || (mouse && (held & SH_MOUSEUP));
    way.down = (held & SH_DOWN) || (mouse && (held & SH_MOUSEDOWN));
    way.leanLeft = held & SH_LEFT;
    way.leanRight = held & SH_RIGHT;
    return way;
}

void applyCardActions(int side, std::uint16_t actions) {
    Player& p = pl[side];
    for (int slot = 0; slot < 3; ++slot)
        if (actions & (SA_USE1 << slot)) activateCard(side, slot);
    if (actions & SA_CHANGE) p.selCard = (p.selCard + 1) % 3;
    if (actions & SA_DISCARD) discardCard(side, p.selCard);
}

void applyPointerActions(int side, std::uint16_t actions) {
    Player& p = pl[side];
    if (actions & SA_USESELECTED) activateCard(side, p.selCard);
    if (actions & SA_DISCARDSELECTED) discardCard(side, p.selCard);
}

void selectByWheel(int side, std::uint16_t actions) {
    Player& p = pl[side];
    if (actions & SA_WHEELNEXT) p.selCard = (p.selCard + 1) % 3;
    else if (actions & SA_WHEELPREVIOUS) p.selCard = (p.selCard + 2) % 3;
}

namespace {

bool fireShot(int side, const GunRow& row, int i, hgeRect box, bool backwards) {
    const int slot = roomForMoreShots();
    if (slot == -1) return false;
    const Player& p = pl[side];
    float dx = 0;
    switch (row.swing) {
    case Swing::NONE: break;
    case Swing::EITHERWAY: dx = hge->Random_Int(0, 1) == 0 ? SWING : -SWING; break;
    case Swing::RANDOM: dx = hge->Random_Float(-SWING, SWING); break;
    case Swing::ALLBUTFIRST:
        if (i > 0) dx = hge->Random_Float(-SWING, SWING);
        break;
    }
    const float driftX = row.randomDriftX && i > 0 ? hge->Random_Float(-p.shotSpeed, p.shotSpeed) : 0;
    const float period = row.randomPeriod ? hge->Random_Float(-2, 2) : row.period;
    const int pattern = i == 0 ? row.firstPattern : row.pattern;
    const float way = backwards ? -1.0f : 1.0f;
    sh[slot].create(box, true, side == 0 ? Y2E : O2E, p.power + p.powerEx, dx, -way * p.shotSpeed, 0,
                    -way * p.shotSpeed / 10, -1, 0, 0, true, pattern, period, driftX,
                    backwards ? p.shotSpeed : row.driftY * p.shotSpeed);
    return true;
}

void moveVehicle(int side, float dt) {
    Player& p = pl[side];
    if (p.cond[1] != C_SLIP) {
        p.velX *= FRICTION;
        p.velY *= FRICTION;
    }
    if (p.cond[1] == C_FREZ || p.cond[1] == C_STUN) p.velX = p.velY = 0;
    p.rect = addToRect(p.rect, p.velX, p.velY);
    if (p.boosting && p.fuel > 0) {
        float burn = BOOSTBURN;
        if (passiveExists(side, P_EFFBOOST)) burn /= 2;
        if (vehicleOf(side) == 0) burn /= 2;
        p.fuel -= dt * burn;
    }
    if (p.rect.x1 < p.fieldLeft) {
        p.rect = addToRect(p.rect, p.fieldLeft - p.rect.x1, 0);
        p.velX = 0;
    } else if (p.rect.x1 > p.fieldRight - p.vehSizeX) {
        p.rect = addToRect(p.rect, p.fieldRight - p.vehSizeX - p.rect.x1, 0);
        p.velX = 0;
    }
    if (p.rect.y1 < 0) {
        p.rect = addToRect(p.rect, 0, -p.rect.y1);
        p.velY = 0;
    } else if (p.rect.y1 > SCREEN_HEIGHT - p.vehSizeY) {
        p.rect = addToRect(p.rect, 0, SCREEN_HEIGHT - p.vehSizeY - p.rect.y1);
        p.velY = 0;
    }
}

}  // namespace

int simulatedSides() { return selectedOpp < EXMISSION ? 2 : 1; }

// A side in a vehicle binds its gun from the vehicle and its shotLevel, the opponent its own.
void Player::getCurParticle(int side) {
    const int veh = vehicleOf(side);
    const std::string name = veh >= 0 ? "vehPar" + itos(veh) + "0" : "oppPar" + itos(selectedOpp);
    if (hgeParticleSystem* ps = myRes ? myRes->GetParticleSystem(name.c_str()) : nullptr) shotPsi = ps->info;
    if (veh >= 0) {
        shotSizeX = VEH_shotSizeX[veh] + 4.0f * shotLevel;
        shotSizeY = VEH_shotSizeY[veh] + 8.0f * shotLevel;
        shotPsi.sizeStart = shotPsi.sizeEnd = 0.5f * shotLevel + 0.5f;
    } else {
        shotSizeX = shotSizeY = 0.5f * shotLevel + 8;
    }
}

void Player::setAI() {
    if (selectedOpp == 0) ai = AI_DEFAULT;
    else if (selectedOpp >= 1 && selectedOpp <= 3) ai = AI_ECHELON1;
    else ai = AI_ECHELON2;
}

float vehicleSpeed(int side) {
    const Player& p = pl[side];
    float s = p.speed;
    if (p.boosting) s *= BOOSTFACTOR;
    if (p.cond[0] == C_SPD) s *= 0.5f * p.condLevel[0] + 1;
    if (passiveExists(side, P_SPEED_15)) s *= 1.5f;
    else if (passiveExists(side, P_SPEED_12)) s *= 1.2f;
    // Both sides slow down alike; a factor that grew with the level would speed the
    // opponent up under a stronger slow.
    if (p.cond[1] == C_SLOW) s *= 1 - 0.25f * p.condLevel[1];
    return s;
}

void fireVolley(int side) {
    const Player& p = pl[side];
    const int veh = vehicleOf(side);
    const GunRow& row = veh >= 0 ? VEHICLEGUNS[veh] : OPPONENTGUNS[oddOpponent() ? 1 : 0];
    const int n = p.shotQty;
    const float w = p.shotSizeX;
    const float gap = veh >= 0 ? w : (oddOpponent() ? 1.5f * w : 2 * w);
    const float c = centerX(p.rect);
    const float top = p.rect.y1 - p.shotSizeY;
    for (int i = 0; i < n; ++i) {
        const float x = c - n * w / 2 - (n - 1) * gap / 2 + i * (w + gap);
        const hgeRect box(x, top, x + w, top + w);
        if (!fireShot(side, row, i, box, false)) return;
        if (row.backwardPair && !fireShot(side, row, i, box, true)) return;
    }
}

void pullTrigger(int side, bool wantsToFire) {
    Player& p = pl[side];
    const bool silenced = p.cond[1] == C_MUTE || p.cond[1] == C_STUN;
    if (wantsToFire && p.shotCooldown == 0 && !silenced && roomForMoreShots() != -1) {
        fireVolley(side);
        p.shotCooldown = p.cond[1] == C_ZZZZ ? 3 * p.condLevel[1] * p.rof : p.rof;
    } else if (silenced && static_cast<int>(progress) % 10 == 0) {
        // A silenced gun clicks in the first tenth of every second, held or not.
        playSFX(DUDSOUND, DUDCHANNEL);
    }
}

void updateBoostFlame(int side) {
    Player& p = pl[side];
    hgeParticleSystem*& flame = pr[BOOSTFLAME + side];
    if (p.boosting && !p.wasBoosting) {
        flame = psmgrX ? psmgrX->SpawnPS(&psiGeneral[BOOSTFLAME], centerX(p.rect), p.rect.y2) : nullptr;
    } else if (!p.boosting && p.wasBoosting) {
        if (flame && psmgrX && psmgrX->IsPSAlive(flame)) psmgrX->KillPS(flame);
        flame = nullptr;
    }
}

void playerMovement(float dt) {
    Player& me = pl[0];
    me.leanLeft = me.leanRight = false;
    pl[0].moving = pl[1].moving = false;
    mouseMovedLeft = mouseMovedRight = mouseMovedUp = mouseMovedDown = false;
    const BattleInput in = takeBattleInput();
    if (versus.on) {
        pl[1].leanLeft = pl[1].leanRight = false;
        versusControl(dt, in);
        for (int side = 0; side < 2; ++side) moveVehicle(side, dt);
        return;
    }
    applyHumanInput(dt, in.side[0]);
    if (selectedOpp < EXMISSION) opponentControl(dt);
    for (int side = 0; side < simulatedSides(); ++side) moveVehicle(side, dt);
}
