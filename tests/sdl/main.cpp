// The SDL backend tests run without a display or a sound card: the offscreen video
// driver (OpenGL through Mesa) when it works here, else the dummy one (software
// rendering), and the dummy audio driver. SDL reads these before it starts. Running
// with SDL_VIDEODRIVER=dummy already set checks the software renderer on purpose.
#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdlib>
#include <string_view>

namespace {
bool videoDriverWorks() {
    if (SDL_Init(SDL_INIT_VIDEO) != 0) return false;
    bool works = false;
    if (SDL_Window* window = SDL_CreateWindow("probe", 0, 0, 16, 16, SDL_WINDOW_HIDDEN)) {
        if (SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, 0)) {
            works = true;
            SDL_DestroyRenderer(renderer);
        }
        SDL_DestroyWindow(window);
    }
    SDL_Quit();
    return works;
}
}  // namespace

// Read by AddressSanitizer in the checked build only. The Mesa drivers that SDL loads and
// unloads again keep memory for the life of the process, and once unloaded LeakSanitizer
// cannot tell their blocks from ours; our code is leak-checked by every other suite.
extern "C" const char* __asan_default_options() { return "detect_leaks=0"; }

int main(int argc, char** argv) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    setenv("SDL_JOYSTICK_ALLOW_BACKGROUND_EVENTS", "1", 1);
    const char* chosen = std::getenv("SDL_VIDEODRIVER");
    if (!chosen || std::string_view(chosen) != "dummy") {
        setenv("SDL_VIDEODRIVER", "offscreen", 1);
        if (!videoDriverWorks()) setenv("SDL_VIDEODRIVER", "dummy", 1);
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
