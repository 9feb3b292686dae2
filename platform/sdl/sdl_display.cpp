// How the canvas meets the display: presenting at the display's rate or not, and scaling
// the canvas smoothly to fit or by whole numbers with crisp pixels.
#include "platform/sdl/sdl_engine.h"

void SdlEngine::readDisplayRate() {
    SDL_DisplayMode mode{};
    const int display = window_ ? SDL_GetWindowDisplayIndex(window_) : 0;
    displayRate_ = SDL_GetCurrentDisplayMode(display < 0 ? 0 : display, &mode) == 0 && mode.refresh_rate > 0
                       ? mode.refresh_rate
                       : 60;
}

void SdlEngine::applySync() {
    if (!renderer_ || !vsyncOffered_) return;
    if (SDL_RenderSetVSync(renderer_, vsync_ ? 1 : 0) != 0)
        System_Log("Cannot change the sync to the display: %s", SDL_GetError());
}

bool SdlEngine::wholeScaling() const {
    if (!pixelExact_ || !renderer_) return false;
    int width = 0, height = 0;
    if (SDL_GetRendererOutputSize(renderer_, &width, &height) != 0) return false;
    return width >= screenWidth_ && height >= screenHeight_;
}

void SdlEngine::applyScaling() {
    if (!renderer_) return;
    const bool whole = wholeScaling();
    SDL_RenderSetIntegerScale(renderer_, whole ? SDL_TRUE : SDL_FALSE);
    if (whole == nearest_) return;
    nearest_ = whole;
    batcher_.flush();
    SDL_Texture* changed = nullptr;
    for (auto& [key, native] : natives_) {
        native->scaleMode = textureScaleMode();
        for (SDL_Texture* texture : {native->texture, native->silhouette}) {
            if (!texture) continue;
            SDL_SetTextureScaleMode(texture, textureScaleMode());
            changed = texture;
        }
    }
    forgetBoundTexture(changed);
}

void SdlEngine::forgetBoundTexture(SDL_Texture* changed) {
    // The OpenGL renderer binds each texture to change its mode but keeps believing the
    // texture it drew last is bound; binding and letting go through SDL resets that
    // belief (the other renderers say no and need nothing).
    if (changed && SDL_GL_BindTexture(changed, nullptr, nullptr) == 0) SDL_GL_UnbindTexture(changed);
}
