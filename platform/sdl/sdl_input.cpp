#include "platform/sdl/sdl_input.h"

#include <algorithm>
#include <vector>

#include "platform/sdl/sdl_keymap.h"

namespace {
enum SourceKind : std::uint64_t { KEYBOARD = 1, MOUSE = 2, CONTROLLER = 3 };

// The left stick acts as the arrows: pushed past PRESS it holds the arrow, and it lets
// go only below RELEASE, so a stick resting near the threshold does not flicker.
constexpr int STICK_PRESS = 16000;
constexpr int STICK_RELEASE = 8000;
// Control numbers of the stick directions, after the controller's buttons.
constexpr int STICK_LEFT = 100, STICK_RIGHT = 101, STICK_UP = 102, STICK_DOWN = 103;

std::uint64_t source(SourceKind kind, std::uint32_t owner, std::uint32_t control) {
    return (static_cast<std::uint64_t>(kind) << 56) | (static_cast<std::uint64_t>(owner) << 16) | control;
}
}  // namespace

void SdlInput::handle(const SDL_Event& event) {
    switch (event.type) {
        case SDL_KEYDOWN:
        case SDL_KEYUP: {
            const int key = virtualKeyFromScancode(event.key.keysym.scancode);
            if (key == 0) return;
            const Source s = source(KEYBOARD, 0, static_cast<std::uint32_t>(event.key.keysym.scancode));
            if (event.type == SDL_KEYDOWN) press(s, key, event.key.repeat != 0);
            else release(s);
            return;
        }
        case SDL_MOUSEMOTION:
            state_.mouseMove(static_cast<float>(event.motion.x), static_cast<float>(event.motion.y));
            return;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: {
            state_.mouseMove(static_cast<float>(event.button.x), static_cast<float>(event.button.y));
            const int key = virtualKeyFromMouseButton(event.button.button);
            if (key == 0) return;
            const Source s = source(MOUSE, 0, event.button.button);
            if (event.type == SDL_MOUSEBUTTONDOWN) press(s, key, false);
            else release(s);
            return;
        }
        case SDL_MOUSEWHEEL: {
            const int notches = event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -event.wheel.y : event.wheel.y;
            state_.wheel(notches);
            return;
        }
        case SDL_CONTROLLERDEVICEADDED:
            openController(event.cdevice.which);
            return;
        case SDL_CONTROLLERDEVICEREMOVED:
            closeController(event.cdevice.which);
            return;
        case SDL_CONTROLLERBUTTONDOWN:
        case SDL_CONTROLLERBUTTONUP:
            controllerButton(event.cbutton.which, event.cbutton.button, event.type == SDL_CONTROLLERBUTTONDOWN);
            return;
        case SDL_CONTROLLERAXISMOTION:
            controllerAxis(event.caxis.which, event.caxis.axis, event.caxis.value);
            return;
        default:
            return;
    }
}

void SdlInput::press(Source s, int key, bool repeat) {
    if (repeat || down_.contains(s)) return;
    down_[s] = key;
    ++holders_[static_cast<std::size_t>(key)];
    state_.deviceKey(deviceOf(s), key, true);
    state_.keyDown(key);
}

void SdlInput::release(Source s) {
    const auto it = down_.find(s);
    if (it == down_.end()) return;
    const int key = it->second;
    down_.erase(it);
    state_.deviceKey(deviceOf(s), key, false);
    if (--holders_[static_cast<std::size_t>(key)] == 0) state_.keyUp(key);
}

void SdlInput::releaseAll() {
    down_.clear();
    holders_.fill(0);
    state_.releaseAll();
}

void SdlInput::controllerButton(SDL_JoystickID id, int button, bool down) {
    const int key = virtualKeyFromControllerButton(static_cast<SDL_GameControllerButton>(button));
    if (key == 0) return;
    const Source s = source(CONTROLLER, static_cast<std::uint32_t>(id), static_cast<std::uint32_t>(button));
    // "Back" comes first, so that a key dialog opened by the pad is cancelled by B rather
    // than binding Shift.
    if (down && button == SDL_CONTROLLER_BUTTON_B && !down_.contains(s)) state_.queuePress(vk::PADBACK);
    if (down) press(s, key, false);
    else release(s);
}

void SdlInput::controllerAxis(SDL_JoystickID id, int axis, int value) {
    int negative, positive, negativeKey, positiveKey;
    if (axis == SDL_CONTROLLER_AXIS_LEFTX) {
        negative = STICK_LEFT, positive = STICK_RIGHT, negativeKey = vk::LEFT, positiveKey = vk::RIGHT;
    } else if (axis == SDL_CONTROLLER_AXIS_LEFTY) {
        negative = STICK_UP, positive = STICK_DOWN, negativeKey = vk::UP, positiveKey = vk::DOWN;
    } else {
        return;
    }
    const auto owner = static_cast<std::uint32_t>(id);
    const Source neg = source(CONTROLLER, owner, static_cast<std::uint32_t>(negative));
    const Source pos = source(CONTROLLER, owner, static_cast<std::uint32_t>(positive));
    if (value <= -STICK_PRESS) press(neg, negativeKey, false);
    else if (value > -STICK_RELEASE) release(neg);
    if (value >= STICK_PRESS) press(pos, positiveKey, false);
    else if (value < STICK_RELEASE) release(pos);
}

void SdlInput::openControllers() {
    for (int i = 0; i < SDL_NumJoysticks(); ++i) openController(i);
}

void SdlInput::openController(int deviceIndex) {
    if (!SDL_IsGameController(deviceIndex)) return;
    const SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(deviceIndex);
    if (id < 0 || controllers_.contains(id)) return;
    SDL_GameController* pad = SDL_GameControllerOpen(deviceIndex);
    if (!pad) return;
    controllers_[id] = pad;
    slots_.push_back(id);
    state_.setPadCount(static_cast<int>(slots_.size()));
}

void SdlInput::closeController(SDL_JoystickID id) {
    const auto it = controllers_.find(id);
    if (it == controllers_.end()) return;
    SDL_GameControllerClose(it->second);
    controllers_.erase(it);
    // Whatever the unplugged controller held is let go.
    const auto owner = static_cast<std::uint32_t>(id);
    std::vector<Source> held;
    for (const auto& [s, key] : down_) {
        if ((s >> 56) == CONTROLLER && ((s >> 16) & 0xFFFFFFFFu) == owner) held.push_back(s);
    }
    for (Source s : held) release(s);
    // The later controllers move up a slot.
    slots_.erase(std::remove(slots_.begin(), slots_.end(), id), slots_.end());
    state_.setPadCount(static_cast<int>(slots_.size()));
    rebuildDevices();
}

int SdlInput::deviceOf(Source s) const {
    if ((s >> 56) != CONTROLLER) return 0;
    const auto owner = static_cast<SDL_JoystickID>((s >> 16) & 0xFFFFFFFFu);
    const auto it = std::find(slots_.begin(), slots_.end(), owner);
    const auto slot = it - slots_.begin();
    return it == slots_.end() || slot >= InputState::MAX_PADS ? -1 : 1 + static_cast<int>(slot);
}

void SdlInput::rebuildDevices() {
    state_.clearDevices();
    for (const auto& [s, key] : down_) state_.deviceKey(deviceOf(s), key, true);
}

void SdlInput::closeControllers() {
    std::vector<SDL_JoystickID> ids;
    for (const auto& [id, pad] : controllers_) ids.push_back(id);
    for (SDL_JoystickID id : ids) closeController(id);
}
