#include "battle/battle_frame.h"

#include <algorithm>

#include "battle/collisions.h"
#include "battle/combos.h"
#include "battle/enemies.h"
#include "battle/player.h"
#include "battle/shots.h"
#include "battle/versus_rules.h"
#include "battle/walls.h"
#include "cards/conditions.h"
#include "cards/hand.h"
#include "cards/opponents.h"
#include "shell/geometry.h"
#include "shell/hooks.h"
#include "shell/modes.h"
#include "shell/sound.h"
#include "shell/world.h"
#include "toolkit/hgeanim.h"
#include "toolkit/hgeparticle.h"
#include "toolkit/hgepmanager.h"

namespace {

constexpr float ITEMDRIFT = 20;
constexpr int FUMESODDS = 1000, FUMESCHANCE = 8;
constexpr float FUMESDAMAGE = 0.5f;
constexpr int FUMESSOUND = 28, FUMESCHANNEL = 3;
constexpr int INVINCFADEODDS = 8;
constexpr int BOOSTFLAME = 2;
constexpr int HUMANMINPOWERVEHICLE = 6;
constexpr int MAGNETVEHICLE = 4;

void endRound(void (*screen)(), int mode) {
    if (screen) screen();
    else gameMode = mode;
}

void scroll(float dt) {
    screenPos -= pl[0].pacing * scrollSpeed * dt;
    if (screenPos < -SCREEN_HEIGHT) screenPos += SCREEN_HEIGHT;
}

float driftTowards(const Item& it, const Player& p) { return centerX(it.rect) <= centerX(p.rect) ? ITEMDRIFT : -ITEMDRIFT; }

// Items on the opponent's field drift to the opponent; vehicle 4 draws the human's items
// (every item in the EX mission) to itself.
void moveItems(float dt) {
    for (Item& it : itm) {
        if (!it.active) continue;
        if (selectedOpp < EXMISSION && it.rect.x1 > CENTERLINE) it.dx = driftTowards(it, pl[1]);
        if (selectedVeh == MAGNETVEHICLE && (selectedOpp == EXMISSION || it.rect.x2 < CENTERLINE))
            it.dx = driftTowards(it, pl[0]);
        it.rect = addToRect(it.rect, it.dx * dt, it.dy * dt);
        if (it.rect.x2 < pl[0].fieldLeft || it.rect.x1 > pl[1].fieldRight || it.rect.y2 < 0 ||
            it.rect.y1 > SCREEN_HEIGHT)
            it.active = false;
    }
}

// The human's defeat is tested first, so a double knock-out is a loss.
void checkRoundEnd(int side) {
    Player& p = pl[side];
    if (p.heart > 0) return;
    p.heart = 0;
    if (gameMode != MODE_GAME) return;
    if (versus.on) endVersusRound();
    else if (pl[0].heart == 0) showGameOver();
    else if (selectedOpp < EXMISSION && pl[1].heart == 0) {
        if (curRound == oppRounds[selectedOpp] - 1) showWinMatch();
        else showWinRound();
    }
}

void runInvincibility(int side, float dt) {
    Player& p = pl[side];
    if (p.invincTimer <= 0) return;
    p.invincTimer -= dt;
    hgeParticleSystem*& ps = pr[side];
    const bool alive = ps && psmgrX && psmgrX->IsPSAlive(ps);
    if (hge->Random_Int(0, INVINCFADEODDS) == 0 && alive) --ps->info.emission;
    if (alive) ps->MoveTo(centerX(p.rect), centerY(p.rect));
    if (p.invincTimer <= 0) {
        p.invincTimer = 0;
        if (alive) psmgrX->KillPS(ps);
        ps = nullptr;
    }
}

void drainPendingDamage(Player& p) {
    if (p.pendingDamage <= 0) return;
    p.pendingDamage = std::max(0.0f, p.pendingDamage - 1);
    p.heart -= 1;
}

void runOnFumes(Player& p) {
    if (p.fuel > 0) return;
    if (hge->Random_Int(0, FUMESODDS) < FUMESCHANCE) {
        p.heart -= FUMESDAMAGE;
        playSFX(FUMESSOUND, FUMESCHANNEL);
    }
}

void followBoostFlame(int side) {
    const Player& p = pl[side];
    hgeParticleSystem* flame = pr[BOOSTFLAME + side];
    if (p.boosting && flame && psmgrX && psmgrX->IsPSAlive(flame)) flame->MoveTo(centerX(p.rect), p.rect.y2);
}

void closeCombo(int side, float dt) {
    Player& p = pl[side];
    if (p.comboTimer <= 0) return;
    p.comboTimer -= dt;
    if (p.comboTimer > 0) return;
    p.highestCombo = std::max(p.highestCombo, p.comboCount - 1);
    comboEnemySpawn(side, p.comboCount);
    p.comboCount = 1;
}

constexpr int COUNTDOWNS[] = {M_HALFDEATH, M_DEATH, M_INVIZ, M_TELEPO, M_COMBO, M_DONTDISPLAYVEH,
                              M_JUMPTIME, M_SEAL, M_FAUXPAX};

void updateSide(int side, float dt) {
    Player& p = pl[side];
    checkRoundEnd(side);
    p.heart = std::min(p.heart, p.maxHeart);
    p.fuel = std::clamp(p.fuel, 0.0f, std::max(0.0f, p.maxFuel));
    if (passiveExists(side, P_MINPOWER2) || vehicleOf(side) == HUMANMINPOWERVEHICLE)
        p.powerEx = std::max(p.powerEx, 2);
    runInvincibility(side, dt);
    drainPendingDamage(p);
    runOnFumes(p);
    updateCardSlots(side, dt);
    followBoostFlame(side);
    updateConditions(side, dt);
    closeCombo(side, dt);
    if (p.cond[0] == C_R2X) updateRamBox(side);
    for (int m : COUNTDOWNS)
        if (p.misc[m] > 0) p.misc[m] -= dt;
}

}  // namespace

void showGameOver() { endRound(gameHooks.initGameOver, MODE_GAMEOVER); }
void showWinRound() { endRound(gameHooks.initWinRound, MODE_WINROUND); }
void showWinMatch() { endRound(gameHooks.initWinMatch, MODE_WINMATCH); }

void updateGame(float dt) {
    scroll(dt);
    playerMovement(dt);
    releaseWaves(dt);
    enemyMovement(dt);
    shotMovement(dt);
    moveItems(dt);
    collPlayer2Enemy(dt);
    collPlayer2Item();
    collShot2Enemy(dt);
    collShot2Player();
    if (psmgrX) psmgrX->Update(dt);
    updateWalls(dt);
    for (int side = 0; side < simulatedSides(); ++side) updateSide(side, dt);
    for (int i = 0; i < ANIMSOFAR; ++i)
        if (anim[i]) anim[i]->Update(dt);
    updateytxt(dt);
}

void registerBattle() {
    gameHooks.timer0p1 = timer0p1;
    ModeHandlers battle = modeHandlers(MODE_GAME);
    battle.update = updateGame;
    setModeHandlers(MODE_GAME, battle);
}
