#include "platform/sdl/sdl_frame_pacer.h"

#include <chrono>
#include <thread>

FramePacer::Clock FramePacer::systemClock() {
    return {
        [] {
            using namespace std::chrono;
            return duration<double>(steady_clock::now().time_since_epoch()).count();
        },
        [](double seconds) { std::this_thread::sleep_for(std::chrono::duration<double>(seconds)); },
    };
}

FramePacer::FramePacer(int framesPerSecond, Clock clock)
    : period_(1.0 / (framesPerSecond > 0 ? framesPerSecond : 100)), clock_(std::move(clock)) {}

void FramePacer::start() {
    due_ = clock_.now();
    lastStart_ = due_;
    first_ = true;
}

double FramePacer::nextFrame() {
    if (first_) {
        first_ = false;
        lastStart_ = clock_.now();
        due_ = lastStart_;
        return period_;
    }
    due_ += period_;
    double now = clock_.now();
    const double sleepFor = due_ - now - SPIN_SECONDS;
    if (sleepFor > 0) clock_.sleep(sleepFor);
    while ((now = clock_.now()) < due_) {
    }
    // Late, because the last frame ran long or the sleep overshot: start afresh from now.
    if (now - due_ > LATE_SECONDS) due_ = now;
    const double delta = now - lastStart_;
    lastStart_ = now;
    return delta;
}
