// The seven statistics of a vehicle as the vehicle selection and the upgrade screen show
// them: in S_ order, each with its name, the vehicle's value written as a number, and a bar
// that is longer the better the value is.
#pragma once

#include "platform/hge.h"
#include "toolkit/hgerect.h"

class hgeSprite;

constexpr int NUMSTATS = 7;
extern const char* const STATNAMES[NUMSTATS];

// The vehicle's value as the game uses it (rate of fire: seconds between shots).
float statValue(int stat, int veh);
// The best value any vehicle can reach by upgrades alone: the best starting value raised by
// every upgrade point a vehicle can earn (rate of fire: the shortest time between shots).
float statBest(int stat);
// How much of its bar `value` fills, 0..1, growing as the value gets better; a value past
// statBest (from repeat wins) fills the bar and no more.
float statBarFraction(int stat, float value);
// The same for the fuel bar under the heart row.
float fuelBarFraction(float fuel);
// The value as its number beside the bar ("0.26 s" for rate of fire). The text lives in a
// buffer that the next call overwrites.
const char* statNumber(int stat, int veh);
// A dim track over the rectangle, then the bar sprite over `fraction` of its width.
void drawStatBar(hgeSprite* bar, const hgeRect& r, float fraction, DWORD color);
