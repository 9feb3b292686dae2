// Turns SDL's keyboard, mouse and game-controller events into the engine's input state.
// Several physical controls can stand for one virtual key (both Shift keys, the d-pad and
// the left stick, two controllers); the key is held while any of them is down.
#pragma once

#include <SDL.h>

#include <array>
#include <cstdint>
#include <map>
#include <vector>

#include "platform/core/input_state.h"

class SdlInput {
public:
    explicit SdlInput(InputState& state) : state_(state) {}
    ~SdlInput() { closeControllers(); }
    SdlInput(const SdlInput&) = delete;
    SdlInput& operator=(const SdlInput&) = delete;

    // Applies one event; events that are not input are ignored. Mouse positions arrive
    // already in canvas coordinates (the renderer's logical size maps them).
    void handle(const SDL_Event& event);
    // Lets go of every key and button, e.g. when the window loses focus.
    void releaseAll();
    // Opens the controllers attached now; later ones open as they are attached.
    void openControllers();
    void closeControllers();

private:
    // A physical control: keyboard scancode, mouse button, or one control of a controller.
    using Source = std::uint64_t;

    void press(Source source, int key, bool repeat);
    void release(Source source);
    void controllerButton(SDL_JoystickID id, int button, bool down);
    void controllerAxis(SDL_JoystickID id, int axis, int value);
    void openController(int deviceIndex);
    void closeController(SDL_JoystickID id);
    // 0 for the keyboard and mouse, 1 + slot for a controller, -1 for one past the slots.
    int deviceOf(Source source) const;
    // The device states again from the held controls, after the slots moved.
    void rebuildDevices();

    InputState& state_;
    std::map<Source, int> down_;                    // held control -> its key
    std::array<int, InputState::KEY_COUNT> holders_{};  // held controls per key
    std::map<SDL_JoystickID, SDL_GameController*> controllers_;
    std::vector<SDL_JoystickID> slots_;  // attached controllers, oldest first
};
