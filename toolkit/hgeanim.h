// A sprite that steps through frames laid out side by side on its texture.
#pragma once

#include "toolkit/hgesprite.h"

// Play-mode bits.
constexpr int HGEANIM_FWD = 0;
constexpr int HGEANIM_REV = 1;
constexpr int HGEANIM_NOPINGPONG = 0;
constexpr int HGEANIM_PINGPONG = 2;
constexpr int HGEANIM_NOLOOP = 0;
constexpr int HGEANIM_LOOP = 4;

class hgeAnimation : public hgeSprite {
public:
    // Frame 0 at (x, y), each frame w by h; frames that pass the texture's right edge
    // continue on the rows below, starting at the texture's left edge.
    hgeAnimation(HTEXTURE tex, int frames, float fps, float x, float y, float w, float h);

    // From the first frame (the last one when playing in reverse).
    void Play();
    void Stop() { playing_ = false; }
    void Resume() { playing_ = true; }
    // Advances at most one frame (by the step) a call, carrying the time left over.
    void Update(float dt);
    bool IsPlaying() const { return playing_; }

    // Also rewinds to the frame the mode starts from.
    void SetMode(int mode);
    void SetSpeed(float fps);
    // n is taken modulo the frame count (negatives wrap from the end).
    void SetFrame(int n);
    void SetFrames(int n);

    int GetMode() const { return mode_; }
    float GetSpeed() const { return 1.0f / secondsPerFrame_; }
    int GetFrame() const { return frame_; }
    int GetFrames() const { return frames_; }

private:
    float originX_, originY_;
    int frames_;
    int mode_ = HGEANIM_LOOP;
    float secondsPerFrame_ = 0;
    float timer_ = -1;
    bool playing_ = false;
    int step_ = 1;
    int frame_ = 0;
};
