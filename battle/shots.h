// Shots: every bullet, weapon, hazard and enemy projectile, in the `sh` table. Creation is
// Shot::create (shell/records.h); this header holds the per-frame update and its helpers.
#pragma once

#include "toolkit/hgerect.h"

// Particle descriptions a non-bullet shot may name; others fall back to FALLBACKLOOK.
constexpr int SHOTLOOKS = 74;
constexpr int FALLBACKLOOK = 68;

// Once per battle frame: gun cooldowns, the shot particle manager, every active shot's
// pattern, trees, movement, field limits, lifetime and expiry effect.
void shotMovement(float dt);

// Frees slot s, stopping and releasing its particle system if it still runs.
void removeShot(int s);

// The velocity (vx, vy) of the wave patterns 0..14 for phase `phase`, starting from
// (dx, dy). Other patterns leave it as it is. Shared by shots and enemies.
void patternVelocity(int pattern, float phase, float dx, float dy, float& vx, float& vy);

// A reel symbol of the slot machine: 30 cherry, 31 bar, 32 seven; a super reel favours sevens.
int getSlotReel(int super);

// The centre of `square`, moved inwards so that the square would lie inside pl[side]'s
// field and the screen height: where a blast's one-off effect is shown.
void centreInField(hgeRect square, int side, float& x, float& y);
// Spawns one-off effect `look` of psiGeneral in psmgrX at centreInField(square, side).
void spawnEffectInField(int look, hgeRect square, int side);

// The shot's field owner and target: pl[0] for Y2E and O2Y, pl[1] for O2E and Y2O.
int shotField(int dir);
// The player a hazard is aimed at: pl[1] for Y2O, else pl[0].
int shotTarget(int dir);

// The pattern rule of one shot for this frame (shot_patterns.cpp).
void applyShotPattern(int s, float dt, float& vx, float& vy);
// What slot s leaves behind when its lifetime ends (shot_expiry.cpp).
void shotExpiry(int s);
