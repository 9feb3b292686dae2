// The window icon: the game's emblem, drawn pixel by pixel so no image file is needed.
#pragma once

#include <SDL.h>

// A 32x32 RGBA surface the caller frees; null when SDL cannot make one.
SDL_Surface* createWindowIcon();
