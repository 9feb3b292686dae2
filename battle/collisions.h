// What touches what in a battle frame: enemies and vehicles, vehicles and items, shots and
// enemies, shots and vehicles, and (once a second) enemies and walls; the damage a vehicle
// takes and the death of an enemy with its score, combo and explosions.
#pragma once

#include "toolkit/hgerect.h"

// Enemies touching a vehicle hurt it; a vehicle's ram box hurts the enemies it overlaps.
void collPlayer2Enemy(float dt);
// A vehicle collects every coin and bonus item it overlaps.
void collPlayer2Item();
// Shots owned by a side (Y2E, O2E) hurt the enemies of its field: a bullet once, any other
// shot for every frame it overlaps.
void collShot2Enemy(float dt);
// Hazards and enemy shots (Y2O, O2Y) hurt the vehicle they are aimed at, or bounce back.
void collShot2Player();
// Once a second: the walls act on the enemies touching them and wear down.
void collEnemy2Wall();

// The side whose field a rectangle starting at r.x1 lies in: it is paid for a kill there,
// gets the coin dropped there and is hurt by what blows up there. The EX mission's one
// field spans the screen, so there it is always the human's.
int fieldOf(hgeRect r);

// Enemy i at 0 hit points or below starts dying and pays `side`: score, combo, effects.
// Nothing happens while it lives or once it is already dying.
void checkEnemyDeath(int side, int i);

// Whether pl[side]'s vehicle can be hurt right now (shots also need a heart above 0).
bool isVulnerable(int side);
// An attack of strength `attack` on pl[side]: armor, the early-round softening and the
// match's minimum loss give the damage, queued in pendingDamage; the vehicle turns
// invulnerable for a while and shows the hit.
void damagePlayer(int side, float attack);
