// The seven statistics of a vehicle as the vehicle selection and the upgrade screen show
// them: in S_ order, each with its name, the vehicle's value and the bar's full length.
#pragma once

#include "platform/hge.h"
#include "toolkit/hgerect.h"

class hgeSprite;

constexpr int NUMSTATS = 7;
extern const char* const STATNAMES[NUMSTATS];

float statValue(int stat, int veh);
float statMaximum(int stat);
// The bar sprite over value / maximum of the rectangle's width; an upgraded value past the
// maximum fills the rectangle and no more.
void drawStatBar(hgeSprite* bar, const hgeRect& r, float value, float maximum, DWORD color);
