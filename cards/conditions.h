// Status conditions and passives. Each side has one slot for a beneficial condition
// (index 0, conditions 13..19) and one for a harmful one (index 1, conditions 1..12), each
// with a level 1..3 and a time left; and three passive places, newest first, that last
// for the whole match.
#pragma once

// Gives condition `cond` at level `levelOrSlot`; with `cond` 0 it clears slot `levelOrSlot`
// (0 beneficial, 1 harmful) instead. The same condition again stacks its level (at most 3)
// and restarts its time.
void receiveCond(int side, int cond, int levelOrSlot);
// Whether a condition shows a particle aura on the vehicle.
bool condHasParticle(int cond);
// Seconds condition `cond` of `level` lasts on `side`, before passives and vehicle.
float condDuration(int side, int cond, int level);

// Per battle frame: auras follow the vehicle, times and fade-ins run, ended slots clear.
void updateConditions(int side, float dt);
// Per battle frame under C_R2X: the ram box rides above the vehicle.
void updateRamBox(int side);
// Every 0.1 s: fuel regeneration and the damage-over-time conditions.
void conditionTick0p1(int side);
// Every second: C_ZOM plays random cards, C_U4IA heals.
void conditionTick1(int side);

// Adds a passive in front; the oldest of three falls off.
void receivePassive(int side, int passive);
// Whether any of the side's three places holds the passive.
bool passiveExists(int side, int passive);
// Empties the side's three places (match set-up).
void clearPassives(int side);
