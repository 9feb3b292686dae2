// Turns the engine's held-key state into edges (pressed or released this frame) and
// detects double clicks of the three mouse buttons (codes 1, 2 and 4). The selection
// and load screens read it; the battle reads the engine directly.
#pragma once

class keyHandler {
public:
    keyHandler();

    bool keyIsDown(int key) const;
    bool keyIsPressed(int key) const;
    bool keyIsReleased(int key) const;
    bool keyIsDoubleClicked(int key) const;
    // Once per frame, before the screen reads the handler.
    void updateKeys(float dt);
    void setDoubleclickTime(float t) { doubleclickTime = t; }

    float doubleclickTime;
    float buttonTimer[3];
    bool current[256];
    bool previous[256];
};
