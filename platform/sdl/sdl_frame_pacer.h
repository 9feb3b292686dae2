// Holds the frame loop to its rate while leaving the processor idle: it sleeps through the
// wait, learning how far the system's sleeps overshoot so that each one wakes just before
// the due moment, and spins at most SPIN_SECONDS at the end. A frame that starts more
// than a millisecond late (a slow frame before it, or a long oversleep) starts a new
// schedule, so it is never followed by a burst of catch-up frames.
#pragma once

#include <functional>

class FramePacer {
public:
    // Seconds on a steady clock, and a sleep of about that many seconds.
    struct Clock {
        std::function<double()> now;
        std::function<void(double)> sleep;
    };
    static Clock systemClock();

    // The most a frame spins rather than sleeps.
    static constexpr double SPIN_SECONDS = 0.0002;
    // Lateness that is still made up within the schedule.
    static constexpr double LATE_SECONDS = 0.001;
    // A synced frame that comes sooner than this share of a period was not held by the
    // display (a hidden window, a driver that only claims to wait) and is held here.
    static constexpr double SYNC_EARLY_SHARE = 0.75;

    FramePacer(int framesPerSecond, Clock clock);
    void setRate(int framesPerSecond);

    // The first frame is due at once.
    void start();
    // Waits until the next frame of the fixed schedule is due; returns the real time since
    // the previous frame began (one nominal frame for the first).
    double nextFrame();
    // For a loop whose present waits for the display: goes on at once unless the frame
    // came early, then waits out the period. Returns as nextFrame does.
    double nextSyncedFrame();

private:
    void sleepUntil(double moment);
    double beginFrame(double now);

    double period_;
    Clock clock_;
    double due_ = 0;
    double lastStart_ = 0;
    bool first_ = true;
    // How far a sleep has lately woken past the time asked for.
    double overshoot_ = 0;
};
