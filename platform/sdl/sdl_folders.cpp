// The executable's folder and the player's data folder, as SDL finds them (on Linux the
// second is $XDG_DATA_HOME/<org>/<app>/, by default ~/.local/share/<org>/<app>/).
#include <SDL.h>

#include "platform/sdl/sdl_engine.h"

namespace {
// SDL hands out a copy the caller frees.
std::string takeSdlString(char* text) {
    std::string copy = text ? text : "";
    SDL_free(text);
    return copy;
}
}  // namespace

const char* SdlEngine::System_GetBaseFolder() {
    baseFolder_ = takeSdlString(SDL_GetBasePath());
    return baseFolder_.c_str();
}

const char* SdlEngine::System_GetUserDataFolder(const char* org, const char* app) {
    userDataFolder_ = takeSdlString(SDL_GetPrefPath(org, app));
    if (userDataFolder_.empty()) setError(SDL_GetError());
    return userDataFolder_.c_str();
}
