// The battle's fixed ticks. The shell's frame loop calls timer0p1 every 0.1 s in every
// mode; the battle work in both ticks runs only in mode 5.
#include <algorithm>

#include "battle/battle_frame.h"
#include "battle/collisions.h"
#include "battle/enemy_attacks.h"
#include "battle/player.h"
#include "cards/conditions.h"
#include "cards/opponents.h"
#include "shell/counters.h"
#include "shell/geometry.h"
#include "shell/modes.h"
#include "shell/sound.h"
#include "shell/world.h"
#include "toolkit/hgepmanager.h"

namespace {

constexpr int TICKSPERSECOND = 10;
constexpr int TEMPOSTEP = 60;
constexpr float ENDINGWANDER = 200;
constexpr int JUMPSOUND = 36, JUMPCHANNEL = 5;
constexpr int REPAIRLOOK = 56;

void raiseTempo() {
    Player& p = pl[0];
    if (p.roundTime % TEMPOSTEP != 0) return;
    if (p.questNum == 2 && selectedOpp < EXMISSION)
        p.pacing = std::min(p.pacing + 2 * p.pacing2, selectedOpp + 2.0f);
    else
        p.pacing = std::min(p.pacing + p.pacing2, selectedOpp / 2.0f + 2);
}

// A side under a jump spell leaps about at random, once or less a second.
void jump(Player& p) {
    if (p.misc[M_PAS] <= 0 || hge->Random_Int(0, 1) != 0) return;
    const float w = r_width(p.rect), h = r_height(p.rect);
    const float dx = hge->Random_Float(-2 * w, 2 * w);
    const float dy = hge->Random_Float(-2 * h, 2 * h);
    p.rect = addToRect(p.rect, dx, dy);
    p.misc[M_PAS] -= 1;
    playSFX(JUMPSOUND, JUMPCHANNEL);
}

void selfRepair(Player& p) {
    if (p.misc[M_SELFIX] <= 0) return;
    p.heart += p.maxHeart / 100;
    p.fuel += p.maxFuel / 50;
    if (psmgrX) psmgrX->SpawnPS(&psiGeneral[REPAIRLOOK], centerX(p.rect), centerY(p.rect));
    p.misc[M_SELFIX] -= 1;
}

void wanderEndingCorner() {
    pos[0].x1 = std::clamp(pos[0].x1 + hge->Random_Float(-ENDINGWANDER, ENDINGWANDER), 0.0f,
                           static_cast<float>(SCREEN_WIDTH));
    pos[0].y1 = std::clamp(pos[0].y1 + hge->Random_Float(-ENDINGWANDER, ENDINGWANDER), 0.0f,
                           static_cast<float>(SCREEN_HEIGHT));
}

}  // namespace

void timer0p1() {
    accumulatedTime[ONE_SEC] += 1;
    if (accumulatedTime[ONE_SEC] >= TICKSPERSECOND) {
        accumulatedTime[ONE_SEC] -= TICKSPERSECOND;
        timer1();
    }
    cycleNum = (cycleNum + 1) % COLORSPERCYCLE;
    if (gameMode == MODE_GAME)
        for (int side = 0; side < simulatedSides(); ++side) conditionTick0p1(side);
    if (gameMode == MODE_ENDING) wanderEndingCorner();
}

void timer1() {
    addSaturating(playTime, 1);
    if (gameMode != MODE_GAME) return;
    ++pl[0].roundTime;
    raiseTempo();
    rollEnemyAttacks();
    for (int side = 0; side < simulatedSides(); ++side) {
        jump(pl[side]);
        selfRepair(pl[side]);
        conditionTick1(side);
    }
    opponentCardPlay();
    collEnemy2Wall();
}
