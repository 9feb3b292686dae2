// Walls: obstacles, hazards and surfaces in a field, kept in the `wall` table; the level
// layouts built at round start; and the precise hit boxes of the vehicles.
#pragma once

#include "toolkit/hgerect.h"

// Makes a wall in `side`'s field, moved inside the field and the screen height; a wall
// wider than the field or taller than the screen is cut to their size first. Nothing
// happens when the table is full.
void initWall(int side, int type, hgeRect rect, float hp);
// A wall at 0 hit points or below is destroyed: hp becomes exactly 0 and it starts fading.
void checkWallDeath(int w);
// Per frame: hit flashes run down, destroyed walls fade out and free their slot.
void updateWalls(float dt);
// Builds the walls of the current opponent and round (and, in the second quest, random
// stairs and escalators in the human's field).
void getLevelLayout();
// Whether two rectangles intersect.
bool testProxy(hgeRect a, hgeRect b);
// Whether `r` touches the precise hit box of pl[side]'s vehicle; fills pl[side].hitBox.
bool checkHitBox(int side, hgeRect r);
