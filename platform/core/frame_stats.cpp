#include "platform/core/frame_stats.h"

void FrameStats::addUpdate(double seconds) {
    ++updates_;
    updateSum_ += seconds;
}

void FrameStats::addRender(double seconds) { renderSum_ += seconds; }

void FrameStats::frameShown(double realSeconds) {
    ++frames_;
    clock_ += realSeconds > 0 ? realSeconds : 0;
    if (clock_ < 1.0) return;
    fps_ = frames_;
    updateSeconds_ = updates_ > 0 ? updateSum_ / updates_ : 0;
    renderSeconds_ = renderSum_ / frames_;
    // A long stall counts as one second, not as several empty ones to come.
    clock_ = clock_ >= 2.0 ? 0 : clock_ - 1.0;
    frames_ = updates_ = 0;
    updateSum_ = renderSum_ = 0;
}
