// Drawing on SDL_Renderer: batches, scenes and render targets, clearing and clipping,
// device textures and reading pixels back.
#include <cmath>
#include <cstddef>

#include "platform/core/texel_exact.h"
#include "platform/sdl/sdl_engine.h"
#include "platform/sdl/sdl_png.h"

// The batcher's vertices go to SDL_RenderGeometry as they are.
static_assert(sizeof(BatchVertex) == sizeof(SDL_Vertex));
static_assert(offsetof(BatchVertex, x) == offsetof(SDL_Vertex, position));
static_assert(offsetof(BatchVertex, r) == offsetof(SDL_Vertex, color));
static_assert(offsetof(BatchVertex, u) == offsetof(SDL_Vertex, tex_coord));

namespace {
SDL_Texture* createTexture(SDL_Renderer* renderer, int access, int width, int height, SDL_ScaleMode scaleMode) {
    SDL_Texture* texture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_RGBA32, access, width, height);
    if (texture) SDL_SetTextureScaleMode(texture, scaleMode);
    return texture;
}
}  // namespace

namespace {
// A run of texel-exact quads is drawn apart from its batch once it covers this much: less
// does not pay for the extra draw call and the change of filter.
constexpr float NEAREST_RUN_PIXELS = 16384;

bool allOpaque(const BatchVertex* verts, int quadCount) {
    for (int i = 0; i < quadCount * 4; ++i)
        if (verts[i].a != 255) return false;
    return true;
}
}  // namespace

void SdlEngine::drawBatch(HTEXTURE tex, int blend, const BatchVertex* verts, int quadCount) {
    if (!renderer_ || quadCount <= 0) return;
    SDL_BlendMode mode = (blend & BLEND_ALPHABLEND) ? SDL_BLENDMODE_BLEND : SDL_BLENDMODE_ADD;
    const TextureInfo* info = reinterpret_cast<const TextureInfo*>(tex);
    auto* native = info ? static_cast<NativeTexture*>(info->native) : nullptr;
    SDL_Texture* texture = native ? native->texture : whiteTexture_;
    if (native && texture && (blend & BLEND_COLORADD)) {
        if (SDL_Texture* silhouette = silhouetteOf(*info, *native)) {
            // Colour add in two passes: the plain texels (vertex alpha kept), then the
            // vertex colour added wherever the texture is opaque.
            passVerts_.assign(verts, verts + static_cast<std::size_t>(quadCount) * 4);
            for (BatchVertex& v : passVerts_) v.r = v.g = v.b = 255;
            useScaleMode(*native, textureScaleMode());
            renderRun(texture, mode, passVerts_.data(), quadCount);
            renderRun(silhouette, SDL_BLENDMODE_ADD, verts, quadCount);
            return;
        }
    }
    if (!native) {
        // An untextured quad keeps whatever coordinates its sprite had (often pixels, far
        // outside 0..1, which the renderers drop or sample wrongly): sample the white
        // texture's middle instead.
        passVerts_.assign(verts, verts + static_cast<std::size_t>(quadCount) * 4);
        for (BatchVertex& v : passVerts_) v.u = v.v = 0.5f;
        renderRun(texture, mode, passVerts_.data(), quadCount);
        return;
    }
    // Opaque texels at full alpha replace what is under them whether blended or not, and
    // skipping the blend spares the renderer reading the canvas back (a whole screen for
    // a background).
    if (mode == SDL_BLENDMODE_BLEND && info->opaque && allOpaque(verts, quadCount)) mode = SDL_BLENDMODE_NONE;
    if (nearest_ || !drawnOneToOne()) {
        useScaleMode(*native, textureScaleMode());
        renderRun(texture, mode, verts, quadCount);
        return;
    }
    // Shown one for one on whole pixels, smooth filtering would only average each texel
    // with itself: nearest draws the same for about a third less of the renderer's work
    // (a background is a whole screen of it, the enemies of a busy field a third of one).
    splitTexelExactRuns(verts, quadCount, info->width, info->height, NEAREST_RUN_PIXELS, runs_);
    for (const QuadRun& run : runs_) {
        const BatchVertex* first = verts + static_cast<std::size_t>(run.first) * 4;
        if (!run.exact) {
            useScaleMode(*native, SDL_ScaleModeLinear);
            renderRun(texture, mode, first, run.count);
            continue;
        }
        passVerts_.assign(first, first + static_cast<std::size_t>(run.count) * 4);
        snapQuadsToPixels(passVerts_.data(), run.count);
        useScaleMode(*native, SDL_ScaleModeNearest);
        renderRun(texture, mode, passVerts_.data(), run.count);
    }
}

bool SdlEngine::drawnOneToOne() const {
    float scaleX = 0, scaleY = 0;
    SDL_RenderGetScale(renderer_, &scaleX, &scaleY);
    return scaleX == 1.0f && scaleY == 1.0f;
}

void SdlEngine::useScaleMode(NativeTexture& native, SDL_ScaleMode mode) {
    if (native.scaleMode == mode || !native.texture) return;
    // The renderer changes the filter at once, not in its queue: what was queued goes first.
    SDL_RenderFlush(renderer_);
    SDL_SetTextureScaleMode(native.texture, mode);
    native.scaleMode = mode;
    forgetBoundTexture(native.texture);
}

SDL_Texture* SdlEngine::silhouetteOf(const TextureInfo& info, NativeTexture& native) {
    if (native.silhouette || native.silhouetteTried || info.source.empty()) return native.silhouette;
    // Made on the first colour-add draw from the picture file: a texture never drawn that
    // way (most of them) costs no second copy on the device.
    native.silhouetteTried = true;
    int width = 0, height = 0;
    const PixelBuffer pixels = decodePicture(info.source, width, height);
    if (!pixels || width != info.width || height != info.height) return nullptr;
    std::uint8_t* bytes = pixels.get();
    const std::size_t size = static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4;
    for (std::size_t i = 0; i < size; i += 4) bytes[i] = bytes[i + 1] = bytes[i + 2] = 255;
    native.silhouette = createTexture(renderer_, SDL_TEXTUREACCESS_STATIC, width, height, textureScaleMode());
    if (native.silhouette) SDL_UpdateTexture(native.silhouette, nullptr, bytes, width * 4);
    return native.silhouette;
}

void SdlEngine::renderRun(SDL_Texture* texture, SDL_BlendMode mode, const BatchVertex* verts, int quadCount) {
    const std::size_t indexCount = static_cast<std::size_t>(quadCount) * 6;
    for (int q = static_cast<int>(indices_.size() / 6); q < quadCount; ++q) {
        const int base = q * 4;
        indices_.insert(indices_.end(), {base, base + 1, base + 2, base, base + 2, base + 3});
    }
    if (texture) SDL_SetTextureBlendMode(texture, mode);
    SDL_RenderGeometry(renderer_, texture, reinterpret_cast<const SDL_Vertex*>(verts), quadCount * 4, indices_.data(),
                       static_cast<int>(indexCount));
    ++geometryCalls_;
}

bool SdlEngine::Gfx_BeginScene(HTARGET target) {
    if (!renderer_ || inScene_) return false;
    SDL_Texture* texture = nullptr;
    if (target) {
        const auto* native = static_cast<const NativeTexture*>(reinterpret_cast<TargetInfo*>(target)->tex.native);
        texture = native ? native->texture : nullptr;
        if (!texture) return false;
    }
    batcher_.flush();
    if (SDL_SetRenderTarget(renderer_, texture) != 0) {
        System_Log("Cannot draw into the render target: %s", SDL_GetError());
        return false;
    }
    // Every scene starts unclipped.
    SDL_RenderSetClipRect(renderer_, nullptr);
    clipping_ = false;
    inScene_ = true;
    sceneOnScreen_ = texture == nullptr;
    const TextureInfo* onto = target ? &reinterpret_cast<TargetInfo*>(target)->tex : nullptr;
    sceneWidth_ = onto ? onto->width : screenWidth_;
    sceneHeight_ = onto ? onto->height : screenHeight_;
    boundQuads(nullptr);
    return true;
}

void SdlEngine::boundQuads(const SDL_Rect* clip) {
    if (clip) batcher_.setBounds(clip->x, clip->y, clip->x + clip->w, clip->y + clip->h);
    else batcher_.setBounds(0, 0, sceneWidth_ > 0 ? sceneWidth_ : screenWidth_, sceneHeight_ > 0 ? sceneHeight_ : screenHeight_);
}

void SdlEngine::Gfx_EndScene() {
    if (!inScene_) return;
    batcher_.flush();
    inScene_ = false;
    if (!sceneOnScreen_) {
        SDL_SetRenderTarget(renderer_, nullptr);
        return;
    }
    if (snapshotPending_) {
        snapshotPending_ = false;
        System_Snapshot();
    }
    // Synced to the display, the present mostly waits for it: not part of the drawing.
    const Uint64 before = SDL_GetPerformanceCounter();
    SDL_RenderPresent(renderer_);
    if (syncedToDisplay())
        presentWait_ += static_cast<double>(SDL_GetPerformanceCounter() - before) / static_cast<double>(SDL_GetPerformanceFrequency());
    if (glFlush_) glFlush_();
}

void SdlEngine::Gfx_Clear(DWORD color) {
    if (!renderer_) return;
    batcher_.flush();
    const auto r = static_cast<Uint8>(GETR(color)), g = static_cast<Uint8>(GETG(color)),
               b = static_cast<Uint8>(GETB(color)), a = static_cast<Uint8>(GETA(color));
    SDL_SetRenderDrawBlendMode(renderer_, SDL_BLENDMODE_NONE);
    const bool onScreen = !inScene_ || sceneOnScreen_;
    if (clipping_) {
        // Only the clipped area is cleared, as a clear of the visible part.
        SDL_SetRenderDrawColor(renderer_, r, g, b, onScreen ? 255 : a);
        SDL_RenderFillRect(renderer_, nullptr);
    } else if (onScreen) {
        // The bars around the letterboxed canvas stay black whatever colour the canvas gets.
        SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
        SDL_RenderClear(renderer_);
        if (color & 0xFFFFFF) {
            SDL_SetRenderDrawColor(renderer_, r, g, b, 255);
            SDL_RenderFillRect(renderer_, nullptr);
        }
    } else {
        SDL_SetRenderDrawColor(renderer_, r, g, b, a);
        SDL_RenderClear(renderer_);
    }
}

void SdlEngine::Gfx_SetClipping(int x, int y, int w, int h) {
    batcher_.flush();
    if (!renderer_) return;
    clipping_ = w > 0 && h > 0;
    const SDL_Rect rect{x, y, w, h};
    SDL_RenderSetClipRect(renderer_, clipping_ ? &rect : nullptr);
    boundQuads(clipping_ ? &rect : nullptr);
}

SdlEngine::NativeTexture* SdlEngine::newNative() {
    auto owned = std::make_unique<NativeTexture>();
    NativeTexture* native = owned.get();
    natives_.emplace(native, std::move(owned));
    return native;
}

bool SdlEngine::createNativeTexture(TextureInfo& info, const std::uint8_t* rgba) {
    if (!renderer_) return false;
    SDL_Texture* texture = createTexture(renderer_, SDL_TEXTUREACCESS_STATIC, info.width, info.height, textureScaleMode());
    if (!texture) {
        System_Log("Cannot create a %dx%d texture: %s", info.width, info.height, SDL_GetError());
        return false;
    }
    if (rgba) SDL_UpdateTexture(texture, nullptr, rgba, info.width * 4);
    NativeTexture* native = newNative();
    native->texture = texture;
    native->scaleMode = textureScaleMode();
    info.native = native;
    return true;
}

bool SdlEngine::createNativeTarget(TargetInfo& info) {
    if (!renderer_) return false;
    SDL_Texture* texture = createTexture(renderer_, SDL_TEXTUREACCESS_TARGET, info.tex.width, info.tex.height, textureScaleMode());
    if (!texture) {
        System_Log("Cannot create a %dx%d render target: %s", info.tex.width, info.tex.height, SDL_GetError());
        return false;
    }
    // A new target starts transparent; the current target and its clipping are kept.
    batcher_.flush();
    SDL_Texture* previous = SDL_GetRenderTarget(renderer_);
    SDL_Rect clip{};
    SDL_RenderGetClipRect(renderer_, &clip);
    SDL_SetRenderTarget(renderer_, texture);
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 0);
    SDL_RenderClear(renderer_);
    SDL_SetRenderTarget(renderer_, previous);
    if (clipping_) SDL_RenderSetClipRect(renderer_, &clip);
    NativeTexture* native = newNative();
    native->texture = texture;
    native->scaleMode = textureScaleMode();
    info.tex.native = native;
    return true;
}

void SdlEngine::freeNativeTexture(TextureInfo& info) {
    auto* native = static_cast<NativeTexture*>(info.native);
    info.native = nullptr;
    const auto it = natives_.find(native);
    if (it == natives_.end()) return;
    if (native->texture) SDL_DestroyTexture(native->texture);
    if (native->silhouette) SDL_DestroyTexture(native->silhouette);
    natives_.erase(it);
}

int SdlEngine::deviceTextures() const {
    int count = 0;
    for (const auto& [key, native] : natives_) count += (native->texture != nullptr) + (native->silhouette != nullptr);
    return count;
}

void SdlEngine::destroyDeviceTextures() {
    // The records stay, so a handle freed after shutdown is still harmless.
    for (auto& [key, native] : natives_) {
        if (native->texture) SDL_DestroyTexture(native->texture);
        if (native->silhouette) SDL_DestroyTexture(native->silhouette);
        native->texture = native->silhouette = nullptr;
    }
}

bool SdlEngine::readTarget(Uint32 format, std::vector<std::uint32_t>& pixels, int& width, int& height) {
    if (!renderer_) return false;
    batcher_.flush();
    // The canvas as shown: the logical viewport in window pixels (a target: all of it).
    SDL_Rect viewport{};
    float scaleX = 1, scaleY = 1;
    SDL_RenderGetViewport(renderer_, &viewport);
    SDL_RenderGetScale(renderer_, &scaleX, &scaleY);
    const SDL_Rect rect{static_cast<int>(std::floor(viewport.x * scaleX)), static_cast<int>(std::floor(viewport.y * scaleY)),
                        static_cast<int>(std::floor(viewport.w * scaleX)), static_cast<int>(std::floor(viewport.h * scaleY))};
    if (rect.w <= 0 || rect.h <= 0) return false;
    pixels.assign(static_cast<std::size_t>(rect.w) * static_cast<std::size_t>(rect.h), 0);
    if (SDL_RenderReadPixels(renderer_, &rect, format, pixels.data(), rect.w * 4) != 0) {
        System_Log("Cannot read the canvas: %s", SDL_GetError());
        return false;
    }
    width = rect.w;
    height = rect.h;
    return true;
}

bool SdlEngine::readPixels(std::vector<std::uint32_t>& argb, int& width, int& height) {
    return readTarget(SDL_PIXELFORMAT_ARGB8888, argb, width, height);
}

void SdlEngine::System_Snapshot(const char* filename) {
    if (!renderer_) {
        System_Log("Snapshot skipped: no window.");
        return;
    }
    const std::string path = filename && *filename ? filename : nextFreeShotName();
    if (path.empty()) {
        System_Log("Snapshot skipped: shot000.png to shot999.png all exist.");
        return;
    }
    batcher_.flush();
    SDL_Texture* target = SDL_GetRenderTarget(renderer_);
    if (target) SDL_SetRenderTarget(renderer_, nullptr);
    std::vector<std::uint32_t> pixels;
    int width = 0, height = 0;
    const bool read = readTarget(SDL_PIXELFORMAT_RGBA32, pixels, width, height);
    if (target) SDL_SetRenderTarget(renderer_, target);
    if (!read) return;
    // The window's alpha channel means nothing; the picture is opaque.
    auto* bytes = reinterpret_cast<std::uint8_t*>(pixels.data());
    for (std::size_t i = 3; i < pixels.size() * 4; i += 4) bytes[i] = 255;
    if (writePng(path, width, height, bytes)) System_Log("Snapshot saved as %s", path.c_str());
    else System_Log("Snapshot could not be written to %s", path.c_str());
}
