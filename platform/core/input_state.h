// Keyboard and mouse state built from events, in Windows virtual-key numbers (left button
// 1, right 2, middle 4, Backspace 8, Enter 13, Esc 27, F1 112, ...). These numbers are
// stored in "Options.ini": never renumber them.
#pragma once

#include <array>
#include <deque>

namespace vk {
constexpr int LBUTTON = 1, RBUTTON = 2, MBUTTON = 4;
// A pad's B button: held it is Shift (boost), pressed it also arrives as this code, which
// the menus take as "back". No keyboard key makes it.
constexpr int PADBACK = 7;
constexpr int BACKSPACE = 8, TAB = 9, ENTER = 13, SHIFT = 16, CTRL = 17, ALT = 18, PAUSE = 19;
constexpr int CAPSLOCK = 20, ESCAPE = 27, SPACE = 32, PGUP = 33, PGDN = 34, END = 35, HOME = 36;
constexpr int LEFT = 37, UP = 38, RIGHT = 39, DOWN = 40, INSERT = 45, DEL = 46;
constexpr int KEY0 = 48, KEYA = 65, LWIN = 91, RWIN = 92, APPS = 93;
constexpr int NUMPAD0 = 96, MULTIPLY = 106, ADD = 107, SUBTRACT = 109, DECIMAL = 110, DIVIDE = 111;
constexpr int F1 = 112, F2 = 113, F12 = 123, NUMLOCK = 144, SCROLLLOCK = 145;
constexpr int SEMICOLON = 186, EQUALS = 187, COMMA = 188, MINUS = 189, PERIOD = 190, SLASH = 191;
constexpr int GRAVE = 192, LBRACKET = 219, BACKSLASH = 220, RBRACKET = 221, APOSTROPHE = 222;
}  // namespace vk

// Readable name of a virtual key ("W", "Space", "Left Arrow", "\\"); "" for an unused code.
const char* virtualKeyName(int key);

class InputState {
public:
    static constexpr int KEY_COUNT = 256;

    // Events, in the order they happen. Repeats are the menus' business (they repeat a
    // held direction at their own pace), so the system's key repeat never reaches here.
    void keyDown(int key);
    void keyUp(int key);
    // A press for Input_GetKey only, held by nothing.
    void queuePress(int key);
    void mouseMove(float x, float y);
    void wheel(int notches);
    // Everything released, e.g. when the window loses focus.
    void releaseAll();

    // Which device holds a key, beside the shared state above: device 0 is the keyboard
    // and the mouse, device 1 + n the controller in slot n (slots in the order the
    // controllers were attached). Two players read their own device this way.
    static constexpr int MAX_PADS = 4;
    void deviceKey(int device, int key, bool down);
    void clearDevices();
    void setPadCount(int count);
    int padCount() const { return padCount_; }
    // Held by the device now, or pressed since the start of the last frame.
    bool deviceKeyState(int device, int key) const;
    // Held by the device now.
    bool deviceHolds(int device, int key) const;

    // Called once at the start of each frame: takes the next queued press as this frame's
    // key and clears the wheel of the previous frame.
    void beginFrame();

    // Held now, or pressed since the start of the last frame: a key or button pressed and
    // released between two frames (a touchpad tap, a fast click) still counts as held for
    // one frame.
    bool keyState(int key) const;
    int frameKey() const { return frameKey_; }
    int wheelNotches() const { return frameWheel_; }
    float mouseX() const { return mouseX_; }
    float mouseY() const { return mouseY_; }

private:
    std::array<bool, KEY_COUNT> held_{};
    std::array<bool, KEY_COUNT> pressedSinceFrame_{};
    std::array<bool, KEY_COUNT> pressedInFrame_{};
    std::deque<int> presses_;
    int frameKey_ = 0;
    int wheelAccum_ = 0;
    int frameWheel_ = 0;
    float mouseX_ = 0, mouseY_ = 0;
    // Controls of each device holding each key, and the keys each device pressed since the
    // last frame and in it: a tap between two frames still counts, as in keyState.
    std::array<std::array<unsigned char, KEY_COUNT>, 1 + MAX_PADS> deviceHolders_{};
    std::array<std::array<bool, KEY_COUNT>, 1 + MAX_PADS> devicePressedSince_{};
    std::array<std::array<bool, KEY_COUNT>, 1 + MAX_PADS> devicePressedIn_{};
    int padCount_ = 0;
};
