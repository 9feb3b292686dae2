// Steps per shown frame and the frame-rate figures. The battle must see 100 steps of
// 0.01 s for every second of real time whatever the display's rate, spread evenly over the
// frames, a stall dropped rather than raced, and F2's figures taken from whole seconds.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "platform/core/frame_stats.h"
#include "platform/core/step_clock.h"

namespace {
constexpr int RATE = 100;

struct DisplayRun {
    std::vector<int> steps;
    int total = 0;
    int fewest() const { return *std::min_element(steps.begin(), steps.end()); }
    int most() const { return *std::max_element(steps.begin(), steps.end()); }
};

// Frames of a display at `hz` for `seconds`, each frame's start off its vsync moment by
// up to `jitter` seconds, as a busy system reads its clock.
DisplayRun runDisplay(double hz, double seconds, double jitter) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> off(-jitter, jitter);
    DisplayRun run;
    double owed = 0, last = 0;
    const int frames = static_cast<int>(seconds * hz);
    for (int n = 1; n <= frames; ++n) {
        const double start = n / hz + off(random);
        const StepPlan plan = planSteps(owed, start - last, RATE);
        last = start;
        owed = plan.owed;
        run.steps.push_back(plan.steps);
        run.total += plan.steps;
    }
    return run;
}
}  // namespace

TEST(StepClock, EveryDisplayRateRunsOneHundredStepsASecondSpreadEvenly) {
    struct Case {
        double hz;
        int fewest, most;
    };
    for (const Case c : {Case{60, 1, 2}, Case{100, 1, 1}, Case{144, 0, 1}}) {
        for (double jitter : {0.0, 0.0015}) {
            const DisplayRun run = runDisplay(c.hz, 10, jitter);
            EXPECT_NEAR(run.total, 1000, 1) << c.hz << " Hz, jitter " << jitter;
            EXPECT_EQ(run.fewest(), c.fewest) << c.hz << " Hz, jitter " << jitter;
            EXPECT_EQ(run.most(), c.most) << c.hz << " Hz, jitter " << jitter;
        }
    }
    // At 60 Hz every three frames hold five steps, never two short frames in a row.
    const DisplayRun steady = runDisplay(60, 1, 0);
    for (std::size_t i = 0; i + 2 < steady.steps.size(); ++i)
        EXPECT_EQ(steady.steps[i] + steady.steps[i + 1] + steady.steps[i + 2], 5) << "frame " << i;
}

TEST(StepClock, AStallIsDroppedWhileAShortHitchIsMadeUp) {
    StepPlan plan = planSteps(0, 1.0 / 60, RATE);
    plan = planSteps(plan.owed, 0.35, RATE);
    EXPECT_EQ(plan.steps, 1) << "one step after a stall, not 35";
    EXPECT_EQ(plan.owed, 0) << "the schedule starts afresh";
    plan = planSteps(plan.owed, 1.0 / 60, RATE);
    EXPECT_EQ(plan.steps, 2);

    EXPECT_EQ(planSteps(0, 0.05, RATE).steps, 5) << "a hitch below the stall is made up";
    EXPECT_EQ(planSteps(0, STEP_STALL_SECONDS, RATE).steps, 10);
    EXPECT_EQ(planSteps(0, -0.02, RATE).steps, 0) << "a clock that steps back runs nothing";
}

TEST(FrameStats, FiguresComeFromTheLastWholeSecond) {
    // Frame lengths that add up to whole seconds exactly.
    FrameStats stats;
    for (int frame = 0; frame < 64; ++frame) {
        EXPECT_EQ(stats.fps(), 0) << "nothing shown before a second is whole";
        stats.addUpdate(frame % 2 ? 0.001 : 0.003);
        stats.addRender(0.004);
        stats.frameShown(1.0 / 64);
    }
    EXPECT_EQ(stats.fps(), 64);
    EXPECT_NEAR(stats.updateSeconds(), 0.002, 1e-9);
    EXPECT_NEAR(stats.renderSeconds(), 0.004, 1e-9);
    stats.frameShown(5.0);
    EXPECT_EQ(stats.fps(), 1) << "a stall is one second of one frame";
    for (int frame = 0; frame < 8; ++frame) stats.frameShown(0.125);
    EXPECT_EQ(stats.fps(), 8) << "and the next second counts afresh";
}
