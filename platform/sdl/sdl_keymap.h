// SDL's physical keys, mouse buttons and controller buttons as the Windows virtual-key
// numbers the game stores in "Options.ini" (see vk:: in input_state.h).
#pragma once

#include <SDL.h>

// 0 for a key the game has no number for.
int virtualKeyFromScancode(SDL_Scancode scancode);
int virtualKeyFromMouseButton(int button);
int virtualKeyFromControllerButton(SDL_GameControllerButton button);
