#include "shell/keyhandler.h"

#include <algorithm>
#include <iterator>

#include "platform/hge.h"

namespace {
constexpr int BUTTON_CODES[3] = {1, 2, 4};

bool validKey(int key) { return key >= 0 && key < 256; }
}  // namespace

keyHandler::keyHandler() : doubleclickTime(0.15f), buttonTimer{}, current{}, previous{} {}

bool keyHandler::keyIsDown(int key) const { return validKey(key) && current[key]; }

bool keyHandler::keyIsPressed(int key) const { return validKey(key) && current[key] && !previous[key]; }

bool keyHandler::keyIsReleased(int key) const { return validKey(key) && !current[key] && previous[key]; }

bool keyHandler::keyIsDoubleClicked(int key) const {
    for (int b = 0; b < 3; ++b)
        if (BUTTON_CODES[b] == key) return keyIsPressed(key) && buttonTimer[b] > 0;
    return false;
}

void keyHandler::updateKeys(float dt) {
    std::copy(std::begin(current), std::end(current), std::begin(previous));
    // A huge frame (the window was dragged) must not swallow the double-click window.
    if (dt < 0 || dt > 1) dt = 0.05f;
    for (int b = 0; b < 3; ++b) {
        buttonTimer[b] -= dt;
        // The window runs from the last frame in which the button was seen held.
        if (current[BUTTON_CODES[b]]) buttonTimer[b] = doubleclickTime;
    }
    for (int code = 0; code < 256; ++code) current[code] = hge && hge->Input_GetKeyState(code);
}
