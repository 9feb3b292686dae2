// The frame pacer on a simulated clock: frames a fixed period apart, most of the wait
// slept, and no burst of short frames after a slow one.
#include <gtest/gtest.h>

#include <vector>

#include "platform/sdl/sdl_frame_pacer.h"

namespace {
// Every look at the clock costs a little time, so a spin loop ends.
struct SimulatedClock {
    double time = 5.0;
    double nextOversleep = 0;
    std::vector<double> sleeps;
    FramePacer::Clock clock() {
        return {[this] { return time += 0.00001; },
                [this](double seconds) {
                    sleeps.push_back(seconds);
                    time += seconds + 0.0004 + nextOversleep;  // sleeps overshoot a little
                    nextOversleep = 0;
                }};
    }
};

constexpr double PERIOD = 0.01;
}  // namespace

TEST(FramePacer, HoldsAFixedRateAndSleepsMostOfTheWait) {
    SimulatedClock sim;
    FramePacer pacer(100, sim.clock());
    pacer.start();
    EXPECT_DOUBLE_EQ(pacer.nextFrame(), PERIOD);
    const double firstStart = sim.time;
    for (int frame = 0; frame < 200; ++frame) {
        sim.time += 0.003;  // the frame's work
        const double delta = pacer.nextFrame();
        EXPECT_NEAR(delta, PERIOD, 0.0001) << frame;
    }
    EXPECT_NEAR(sim.time - firstStart, 200 * PERIOD, 0.0002) << "no drift over many frames";
    ASSERT_EQ(sim.sleeps.size(), 200u);
    for (double s : sim.sleeps) EXPECT_NEAR(s, PERIOD - 0.003 - FramePacer::SPIN_SECONDS, 0.0001);
}

TEST(FramePacer, ALateFrameStartsANewScheduleInsteadOfCatchingUp) {
    SimulatedClock sim;
    FramePacer pacer(100, sim.clock());
    pacer.start();
    pacer.nextFrame();
    std::vector<double> deltas;
    for (int frame = 0; frame < 12; ++frame) {
        sim.time += frame == 3 ? 0.045 : 0.002;
        if (frame == 7) sim.nextOversleep = 0.006;  // 4.9 ms past the spin margin
        deltas.push_back(pacer.nextFrame());
    }
    EXPECT_NEAR(deltas[3], 0.045, 0.0001) << "the slow frame's real length";
    EXPECT_NEAR(deltas[7], 0.0149, 0.0001) << "the frame after a long oversleep";
    for (int frame : {4, 5, 6, 8, 9, 10, 11}) EXPECT_NEAR(deltas[frame], PERIOD, 0.0001) << frame;
}
