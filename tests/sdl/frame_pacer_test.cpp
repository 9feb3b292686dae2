// The frame pacer on a simulated clock whose sleeps overshoot: frames a fixed period
// apart, the wait slept with at most a sliver spun, no burst of short frames after a slow
// one, and a loop held by the display left alone unless the display did not hold it.
#include <gtest/gtest.h>

#include <vector>

#include "platform/sdl/sdl_frame_pacer.h"

namespace {
// Every look at the clock costs a microsecond, so a spin loop ends.
struct SimulatedClock {
    double time = 5.0;
    double nextOversleep = 0;
    int sleeps = 0;
    double slept = 0;
    FramePacer::Clock clock() {
        return {[this] { return time += 0.000001; },
                [this](double seconds) {
                    const double actual = seconds + 0.0004 + nextOversleep;  // sleeps overshoot
                    ++sleeps;
                    slept += actual;
                    time += actual;
                    nextOversleep = 0;
                }};
    }
};

// One frame of the loop: `work` seconds of game, then the pacer. Returns its delta and
// how long it spun (time in the pacer that was not slept).
struct Frame {
    double delta, spun;
    int sleeps;
};
template <typename Next>
Frame frame(SimulatedClock& sim, double work, Next next) {
    sim.time += work;
    const double called = sim.time, sleptBefore = sim.slept;
    const int sleepsBefore = sim.sleeps;
    const double delta = next();
    return {delta, sim.time - called - (sim.slept - sleptBefore), sim.sleeps - sleepsBefore};
}

constexpr double PERIOD = 0.01;
constexpr double CLOCK_READS = 0.00002;  // the simulated cost of the pacer's clock reads
}  // namespace

TEST(FramePacer, HoldsAFixedRateBySleepingAndSpinsAtMostItsMargin) {
    SimulatedClock sim;
    FramePacer pacer(100, sim.clock());
    pacer.start();
    EXPECT_DOUBLE_EQ(pacer.nextFrame(), PERIOD);
    const double firstStart = sim.time;
    for (int n = 0; n < 200; ++n) {
        const Frame f = frame(sim, 0.003, [&] { return pacer.nextFrame(); });
        EXPECT_NEAR(f.delta, PERIOD, 0.0005) << n;
        EXPECT_LE(f.spun, FramePacer::SPIN_SECONDS + CLOCK_READS) << n;
        if (n > 3) {
            EXPECT_EQ(f.sleeps, 1) << "the overshoot is learnt: one sleep a frame, frame " << n;
        }
    }
    EXPECT_NEAR(sim.time - firstStart, 200 * PERIOD, 0.0005) << "no drift over many frames";
}

TEST(FramePacer, ALateFrameStartsANewScheduleInsteadOfCatchingUp) {
    SimulatedClock sim;
    FramePacer pacer(100, sim.clock());
    pacer.start();
    pacer.nextFrame();
    std::vector<double> deltas;
    for (int n = 0; n < 12; ++n) {
        if (n == 7) sim.nextOversleep = 0.006;
        deltas.push_back(frame(sim, n == 3 ? 0.045 : 0.002, [&] { return pacer.nextFrame(); }).delta);
    }
    EXPECT_NEAR(deltas[3], 0.045, 0.0001) << "the slow frame's real length";
    EXPECT_NEAR(deltas[7], 0.016, 0.0002) << "the frame after a long oversleep";
    for (int n : {4, 5, 6, 8, 9, 10, 11}) EXPECT_NEAR(deltas[n], PERIOD, 0.0002) << n;
}

TEST(FramePacer, ASyncedLoopWaitsOnlyWhenTheDisplayDidNot) {
    SimulatedClock sim;
    FramePacer pacer(60, sim.clock());
    pacer.start();
    pacer.nextSyncedFrame();
    for (int n = 0; n < 20; ++n) {
        // The present waited for the display: the pacer adds nothing.
        const Frame held = frame(sim, 1.0 / 60, [&] { return pacer.nextSyncedFrame(); });
        EXPECT_EQ(held.sleeps, 0) << n;
        EXPECT_NEAR(held.delta, 1.0 / 60, 0.0001) << n;
    }
    const Frame slow = frame(sim, 0.025, [&] { return pacer.nextSyncedFrame(); });
    EXPECT_EQ(slow.sleeps, 0) << "a frame that missed the display goes on at once";
    for (int n = 0; n < 20; ++n) {
        // A hidden window or a driver that does not wait: held to the display's rate.
        const Frame early = frame(sim, 0.002, [&] { return pacer.nextSyncedFrame(); });
        EXPECT_NEAR(early.delta, 1.0 / 60, 0.0005) << n;
        EXPECT_LE(early.spun, FramePacer::SPIN_SECONDS + CLOCK_READS) << n;
    }
}
