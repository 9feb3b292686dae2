// Enemies: the `en` table's spawning, movement, coin drops and queries. The record and its
// spawn and cleanup operations are in shell/records.h (bodies in battle/enemies.cpp).
#pragma once

#include "toolkit/hgerect.h"

// The box of the previous enemy placed by a DIR_ASGROUP formation; it carries over
// between calls of spawnEnemies.
extern hgeRect posTemp;

// Places a group of `count` enemies of `kind` entering `side`'s field from `direction`
// (DIR_*), adjusted by the passives P_12EN and P_3XEN.
void spawnEnemies(int side, int kind, int count, int direction, int move, float dx, float dy, float ax, float ay,
                  float attackChance, float period, float driftX, float driftY);

// Once per battle frame: dying enemies finish (and may drop a coin), living ones move.
void enemyMovement(float dt);

// Frees enemy slot e without reward: its animations are deleted and any player whose last
// hit it was forgets it.
void freeEnemy(int e);
// Frees every slot (round set-up).
void clearEnemies();

// Lowest slot of a living enemy on `side`, or -1.
int pickAnEnemy(int side);
// Living enemies on `side`.
int countEnemies(int side);
// Whether any slot, active or not, still carries the ghostly flag.
bool ghostlyExists();
