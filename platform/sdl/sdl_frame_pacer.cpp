#include "platform/sdl/sdl_frame_pacer.h"

#include <algorithm>
#include <chrono>
#include <thread>

namespace {
// The shortest sleep asked for, and the largest overshoot believed (one long hiccup of
// the system must not make every later frame wake early).
constexpr double MIN_SLEEP_SECONDS = 0.00005;
constexpr double MAX_OVERSHOOT_SECONDS = 0.002;
// Each sleep that overshoots less lowers the estimate by this share.
constexpr double OVERSHOOT_DECAY = 0.5;

double periodOf(int framesPerSecond) { return 1.0 / (framesPerSecond > 0 ? framesPerSecond : 100); }
}  // namespace

FramePacer::Clock FramePacer::systemClock() {
    return {
        [] {
            using namespace std::chrono;
            return duration<double>(steady_clock::now().time_since_epoch()).count();
        },
        [](double seconds) { std::this_thread::sleep_for(std::chrono::duration<double>(seconds)); },
    };
}

FramePacer::FramePacer(int framesPerSecond, Clock clock) : period_(periodOf(framesPerSecond)), clock_(std::move(clock)) {}

void FramePacer::setRate(int framesPerSecond) { period_ = periodOf(framesPerSecond); }

void FramePacer::start() {
    due_ = clock_.now();
    lastStart_ = due_;
    first_ = true;
}

void FramePacer::sleepUntil(double moment) {
    double left = 0;
    while ((left = moment - clock_.now()) > SPIN_SECONDS) {
        const double asked = std::max(left - overshoot_, MIN_SLEEP_SECONDS);
        const double before = clock_.now();
        clock_.sleep(asked);
        const double over = clock_.now() - before - asked;
        overshoot_ = std::clamp(std::max(over, overshoot_ * OVERSHOOT_DECAY), 0.0, MAX_OVERSHOOT_SECONDS);
    }
    while (clock_.now() < moment) {
    }
}

double FramePacer::beginFrame(double now) {
    const double delta = now - lastStart_;
    lastStart_ = now;
    return delta;
}

double FramePacer::nextFrame() {
    if (first_) {
        first_ = false;
        lastStart_ = due_ = clock_.now();
        return period_;
    }
    due_ += period_;
    sleepUntil(due_);
    const double now = clock_.now();
    // Late, because the last frame ran long or the sleep overshot: start afresh from now.
    if (now - due_ > LATE_SECONDS) due_ = now;
    return beginFrame(now);
}

double FramePacer::nextSyncedFrame() {
    if (first_) return nextFrame();
    double now = clock_.now();
    if (now - lastStart_ < period_ * SYNC_EARLY_SHARE) {
        sleepUntil(lastStart_ + period_);
        now = clock_.now();
    }
    due_ = now;
    return beginFrame(now);
}
