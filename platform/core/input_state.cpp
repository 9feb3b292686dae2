#include "platform/core/input_state.h"

#include <cstdio>

namespace {
// Presses made faster than one a frame must not grow the queue without end.
constexpr std::size_t MAX_QUEUED_PRESSES = 16;

struct KeyNames {
    std::array<std::array<char, 24>, InputState::KEY_COUNT> names{};
    void set(int k, const char* name) { std::snprintf(names[static_cast<std::size_t>(k)].data(), 24, "%s", name); }
    KeyNames() {
        set(vk::LBUTTON, "Left Mouse Button");
        set(vk::RBUTTON, "Right Mouse Button");
        set(vk::PADBACK, "Pad B");
        set(vk::MBUTTON, "Middle Mouse Button");
        set(vk::BACKSPACE, "Backspace");
        set(vk::TAB, "Tab");
        set(vk::ENTER, "Enter");
        set(vk::SHIFT, "Shift");
        set(vk::CTRL, "Ctrl");
        set(vk::ALT, "Alt");
        set(vk::PAUSE, "Pause");
        set(vk::CAPSLOCK, "Caps Lock");
        set(vk::ESCAPE, "Escape");
        set(vk::SPACE, "Space");
        set(vk::PGUP, "Page Up");
        set(vk::PGDN, "Page Down");
        set(vk::END, "End");
        set(vk::HOME, "Home");
        set(vk::LEFT, "Left Arrow");
        set(vk::UP, "Up Arrow");
        set(vk::RIGHT, "Right Arrow");
        set(vk::DOWN, "Down Arrow");
        set(vk::INSERT, "Insert");
        set(vk::DEL, "Delete");
        char buf[24];
        for (int i = 0; i < 10; ++i) {
            std::snprintf(buf, sizeof buf, "%d", i);
            set(vk::KEY0 + i, buf);
            std::snprintf(buf, sizeof buf, "Numpad %d", i);
            set(vk::NUMPAD0 + i, buf);
        }
        for (int i = 0; i < 26; ++i) {
            std::snprintf(buf, sizeof buf, "%c", 'A' + i);
            set(vk::KEYA + i, buf);
        }
        for (int i = 0; i < 12; ++i) {
            std::snprintf(buf, sizeof buf, "F%d", i + 1);
            set(vk::F1 + i, buf);
        }
        set(vk::LWIN, "Left Win");
        set(vk::RWIN, "Right Win");
        set(vk::APPS, "Application");
        set(vk::MULTIPLY, "Numpad *");
        set(vk::ADD, "Numpad +");
        set(vk::SUBTRACT, "Numpad -");
        set(vk::DECIMAL, "Numpad .");
        set(vk::DIVIDE, "Numpad /");
        set(vk::NUMLOCK, "Num Lock");
        set(vk::SCROLLLOCK, "Scroll Lock");
        set(vk::SEMICOLON, ";");
        set(vk::EQUALS, "=");
        set(vk::COMMA, ",");
        set(vk::MINUS, "-");
        set(vk::PERIOD, ".");
        set(vk::SLASH, "/");
        set(vk::GRAVE, "`");
        set(vk::LBRACKET, "[");
        set(vk::BACKSLASH, "\\");
        set(vk::RBRACKET, "]");
        set(vk::APOSTROPHE, "'");
    }
};

bool validKey(int key) { return key >= 0 && key < InputState::KEY_COUNT; }
}  // namespace

const char* virtualKeyName(int key) {
    static const KeyNames table;
    if (!validKey(key)) return "";
    return table.names[static_cast<std::size_t>(key)].data();
}

void InputState::keyDown(int key) {
    if (!validKey(key) || key == 0) return;
    held_[static_cast<std::size_t>(key)] = true;
    pressedSinceFrame_[static_cast<std::size_t>(key)] = true;
    queuePress(key);
}

void InputState::queuePress(int key) {
    if (validKey(key) && key != 0 && presses_.size() < MAX_QUEUED_PRESSES) presses_.push_back(key);
}

void InputState::keyUp(int key) {
    if (!validKey(key)) return;
    held_[static_cast<std::size_t>(key)] = false;
}

void InputState::mouseMove(float x, float y) {
    mouseX_ = x;
    mouseY_ = y;
}

void InputState::wheel(int notches) { wheelAccum_ += notches; }

void InputState::releaseAll() {
    held_.fill(false);
    clearDevices();
    pressedSinceFrame_.fill(false);
    pressedInFrame_.fill(false);
}

void InputState::deviceKey(int device, int key, bool down) {
    if (device < 0 || device > MAX_PADS || !validKey(key) || key == 0) return;
    unsigned char& holders = deviceHolders_[static_cast<std::size_t>(device)][static_cast<std::size_t>(key)];
    if (down) devicePressedSince_[static_cast<std::size_t>(device)][static_cast<std::size_t>(key)] = true;
    if (down && holders < 255) ++holders;
    else if (!down && holders > 0) --holders;
}

void InputState::clearDevices() {
    for (auto& device : deviceHolders_) device.fill(0);
    for (auto& device : devicePressedSince_) device.fill(false);
    for (auto& device : devicePressedIn_) device.fill(false);
}

void InputState::setPadCount(int count) { padCount_ = count < 0 ? 0 : (count > MAX_PADS ? MAX_PADS : count); }

bool InputState::deviceHolds(int device, int key) const {
    if (device < 0 || device > MAX_PADS || !validKey(key)) return false;
    return deviceHolders_[static_cast<std::size_t>(device)][static_cast<std::size_t>(key)] > 0;
}

bool InputState::deviceKeyState(int device, int key) const {
    if (device < 0 || device > MAX_PADS || !validKey(key)) return false;
    const auto d = static_cast<std::size_t>(device), k = static_cast<std::size_t>(key);
    return deviceHolders_[d][k] > 0 || devicePressedIn_[d][k] || devicePressedSince_[d][k];
}

void InputState::beginFrame() {
    pressedInFrame_ = pressedSinceFrame_;
    pressedSinceFrame_.fill(false);
    devicePressedIn_ = devicePressedSince_;
    for (auto& device : devicePressedSince_) device.fill(false);
    frameKey_ = 0;
    if (!presses_.empty()) {
        frameKey_ = presses_.front();
        presses_.pop_front();
    }
    frameWheel_ = wheelAccum_;
    wheelAccum_ = 0;
}

bool InputState::keyState(int key) const {
    if (!validKey(key)) return false;
    const auto k = static_cast<std::size_t>(key);
    return held_[k] || pressedInFrame_[k] || pressedSinceFrame_[k];
}
