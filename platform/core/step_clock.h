// How many fixed steps of the simulation a shown frame runs. The game always steps by the
// same length (0.01 s at 100 steps a second), so a battle plays the same on any display;
// real time decides only how many of those steps fall into each frame: 1 or 2 a frame on
// a 60 Hz display, 1 at 100 Hz, 0 or 1 at 144 Hz.
#pragma once

// A gap longer than this (the window was dragged, the machine was busy) is dropped rather
// than made up with a burst of steps.
constexpr double STEP_STALL_SECONDS = 0.1;

struct StepPlan {
    int steps = 0;
    // Real time not stepped yet, in steps, carried into the next frame.
    double owed = 0;
};

// `owed` comes from the previous frame's plan (0 at the start), `elapsed` is the real time
// since the previous frame began and `stepsPerSecond` the simulation's rate. The time owed
// is rounded to the nearest whole step, so a display's timing jitter never turns a
// steady 1 into 0 then 2; what is left over carries on and no time is lost or gained.
StepPlan planSteps(double owed, double elapsed, int stepsPerSecond);
