// Rectangle helpers and the waveforms that drive the shot and enemy motion patterns.
#pragma once

#include "toolkit/hgerect.h"

float r_width(hgeRect r);
float r_height(hgeRect r);
float centerX(hgeRect r);
float centerY(hgeRect r);
// The rectangle moved by (dx, dy).
hgeRect addToRect(hgeRect r, float dx, float dy);
// The rectangle grown by dx, dy on every side about its centre (negative values shrink).
hgeRect inflate(hgeRect r, float dx, float dy);

// Remainder of a / b moved into [0, b).
float Fmd(float a, float b);
// Velocity factors of periodic paths; t is the pattern phase.
float TrglDif(float t);  // triangle wave slope, period 2
float HxgnDif(float t);  // hexagon path, period 4
float TrpzDif(float t);  // trapezoid path, period 3
float SclnDif(float t);  // saw-like path with zero net motion, period 3
