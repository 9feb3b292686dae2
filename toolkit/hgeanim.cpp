#include "toolkit/hgeanim.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

enum class EndAction { WRAP, STOP, TURN };

// What stepping past the last frame, or before the first, does in each play mode
// (reverse 1, ping-pong 2, loop 4); modes outside 0..7 wrap round.
EndAction endAction(int mode, bool beforeFirst) {
    using enum EndAction;
    static constexpr EndAction PAST_LAST[8] = {STOP, WRAP, TURN, STOP, WRAP, WRAP, TURN, TURN};
    static constexpr EndAction BEFORE_FIRST[8] = {WRAP, STOP, STOP, TURN, WRAP, WRAP, TURN, TURN};
    if (mode < 0 || mode > 7) return WRAP;
    return beforeFirst ? BEFORE_FIRST[mode] : PAST_LAST[mode];
}

}  // namespace

hgeAnimation::hgeAnimation(HTEXTURE tex, int frames, float fps, float x, float y, float w,
                           float h)
    : hgeSprite(tex, x, y, w, h), originX_(x), originY_(y), frames_(frames > 0 ? frames : 1) {
    SetSpeed(fps);
    SetFrame(0);
}

void hgeAnimation::SetSpeed(float fps) {
    // A non-positive speed holds the current frame instead of dividing by zero.
    secondsPerFrame_ = fps > 0 ? 1.0f / fps : std::numeric_limits<float>::infinity();
}

void hgeAnimation::SetFrames(int n) {
    frames_ = n > 0 ? n : 1;
    SetFrame(frame_);
}

void hgeAnimation::SetMode(int mode) {
    mode_ = mode;
    if (mode & HGEANIM_REV) {
        step_ = -1;
        SetFrame(frames_ - 1);
    } else {
        step_ = 1;
        SetFrame(0);
    }
}

void hgeAnimation::Play() {
    playing_ = true;
    timer_ = -1;
    SetMode(mode_);
}

void hgeAnimation::SetFrame(int n) {
    n %= frames_;
    if (n < 0) n += frames_;
    frame_ = n;

    float x = originX_ + n * width_;
    float y = originY_;
    // Without a texture there is no right edge to wrap at. Whole frames are counted in
    // float so that tiny frame widths cannot overflow an int.
    if (quad_.tex && width_ > 0) {
        float firstRow = std::trunc((texWidth_ - originX_) / width_);
        float perRow = std::trunc(texWidth_ / width_);
        if (float(n) >= firstRow && perRow >= 1) {
            float left = float(n) - firstRow;
            x = std::fmod(left, perRow) * width_;
            y = originY_ + (std::trunc(left / perRow) + 1) * height_;
        }
    }
    SetTextureRect(x, y, width_, height_);
}

void hgeAnimation::Update(float dt) {
    // Without a speed the frame holds.
    if (!playing_ || !std::isfinite(secondsPerFrame_)) return;
    // Time never runs backwards, and a broken clock (NaN) adds nothing.
    if (timer_ == -1) timer_ = 0;
    else if (dt > 0) timer_ += dt;
    if (timer_ < secondsPerFrame_) return;
    // One frame per update; of the time left over at most one more frame is kept, so a
    // long pause or an animation faster than the frame rate never builds up a burst of
    // frames to catch up on later.
    timer_ = std::min(timer_ - secondsPerFrame_, secondsPerFrame_);
    int next = frame_ + step_;
    if (next == frames_ || next < 0) {
        EndAction action = endAction(mode_, next < 0);
        if (action == EndAction::STOP) playing_ = false;
        if (action == EndAction::TURN) step_ = -step_;
    }
    if (playing_) SetFrame(frame_ + step_);
}
