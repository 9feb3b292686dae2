// Holds the frame loop to a fixed rate: it sleeps most of the time left in a frame and
// spins the last moment, because a sleep may overshoot by a millisecond or more. A frame
// that starts more than a millisecond late (a slow frame before it, or a long oversleep)
// starts a new schedule, so it is never followed by a burst of catch-up frames.
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

    // Time before the due moment that is spun rather than slept.
    static constexpr double SPIN_SECONDS = 0.0015;
    // Lateness that is still made up within the schedule.
    static constexpr double LATE_SECONDS = 0.001;

    FramePacer(int framesPerSecond, Clock clock);

    // The first frame is due at once.
    void start();
    // Waits until the next frame is due; returns the real time since the previous frame
    // began (one nominal frame for the first).
    double nextFrame();

private:
    double period_;
    Clock clock_;
    double due_ = 0;
    double lastStart_ = 0;
    bool first_ = true;
};
