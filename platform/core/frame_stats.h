// The figures of the frame-rate display: frames shown in the last whole second of real
// time, and how long an update step and the drawing of a frame took on average in it.
#pragma once

class FrameStats {
public:
    void addUpdate(double seconds);
    void addRender(double seconds);
    // A frame was shown, `realSeconds` after the one before. Once a second of real time
    // has gathered, its figures become the ones shown and the next second starts.
    void frameShown(double realSeconds);

    int fps() const { return fps_; }
    double updateSeconds() const { return updateSeconds_; }
    double renderSeconds() const { return renderSeconds_; }

private:
    double clock_ = 0;
    int frames_ = 0;
    int updates_ = 0;
    double updateSum_ = 0;
    double renderSum_ = 0;
    int fps_ = 0;
    double updateSeconds_ = 0;
    double renderSeconds_ = 0;
};
