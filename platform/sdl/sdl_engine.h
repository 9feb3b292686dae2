// The engine on SDL2: a resizable window showing the 800x600 canvas letterboxed, a frame
// loop presenting at a fixed rate or at the display's, quads drawn in batches with
// SDL_RenderGeometry, sound on SDL2_mixer and input from SDL events (keys, mouse and game
// controllers as virtual-key numbers).
#pragma once

#include <SDL.h>

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/core/engine_core.h"
#include "platform/core/texel_exact.h"
#include "platform/sdl/sdl_audio.h"
#include "platform/sdl/sdl_input.h"

class SdlEngine : public EngineCore {
public:
    SdlEngine();
    ~SdlEngine() override;

    bool System_Initiate() override;
    void System_Shutdown() override;
    // Runs the frame loop until the frame function returns true or the window is closed.
    bool System_Start() override;
    bool System_CanSyncToDisplay() override { return vsyncOffered_; }
    void System_Snapshot(const char* filename = nullptr) override;
    const char* System_GetBaseFolder() override;
    const char* System_GetUserDataFolder(const char* org, const char* app) override;

    HEFFECT Effect_Load(const char* filename) override;
    void Effect_Free(HEFFECT eff) override;
    HCHANNEL Effect_Play(HEFFECT eff) override;
    HMUSIC Music_Load(const char* filename) override;
    void Music_Free(HMUSIC mus) override;
    HCHANNEL Music_Play(HMUSIC mus, bool loop) override;
    HSTREAM Stream_Load(const char* filename) override;
    void Stream_Free(HSTREAM stream) override;
    HCHANNEL Stream_Play(HSTREAM stream, bool loop) override;
    void Channel_SetVolume(HCHANNEL chn, int volume) override;
    void Channel_Stop(HCHANNEL chn) override;
    bool Channel_IsPlaying(HCHANNEL chn) override;

    void Input_SetMousePos(float x, float y) override;

    bool Gfx_BeginScene(HTARGET target = 0) override;
    void Gfx_EndScene() override;
    void Gfx_Clear(DWORD color) override;
    void Gfx_SetClipping(int x = 0, int y = 0, int w = 0, int h = 0) override;

    // --- For tests and tools ---
    // One frame of the loop without pacing: events, then one step of dt and the render
    // function when one is set. False when the window was closed or the game asked to stop.
    bool runFrame(float dt);
    // Whether presenting waits for the display now, and the display's refresh rate.
    bool syncedToDisplay() const { return vsync_ && vsyncOffered_; }
    int displayRate() const { return displayRate_; }
    // Pixels of the current render target as ARGB, top row first: the canvas as it is
    // shown in the window, or the render target of the scene. Pending quads are drawn first.
    bool readPixels(std::vector<std::uint32_t>& argb, int& width, int& height);
    // SDL_RenderGeometry calls so far (a colour-add run takes two).
    int geometryCalls() const { return geometryCalls_; }
    // Textures on the device, render targets and silhouettes included.
    int deviceTextures() const;
    bool soundAvailable() const { return audio_.isOpen(); }
    SDL_Window* window() const { return window_; }

protected:
    void drawBatch(HTEXTURE tex, int blend, const BatchVertex* verts, int quadCount) override;
    bool createNativeTexture(TextureInfo& info, const std::uint8_t* rgba) override;
    bool createNativeTarget(TargetInfo& info) override;
    void freeNativeTexture(TextureInfo& info) override;
    void showMessageBox(const char* text, const char* caption, int style) override;
    void onStateChanged(hgeBoolState state) override;
    void onStateChanged(hgeIntState state) override;
    void onStateChanged(hgeStringState state) override;

private:
    // What TextureInfo::native points to. The silhouette (white, the texture's alpha)
    // draws the colour-add pass, made when first needed; render targets have none.
    struct NativeTexture {
        SDL_Texture* texture = nullptr;
        SDL_Texture* silhouette = nullptr;
        bool silhouetteTried = false;
        // The filter `texture` samples with now (the silhouette keeps the engine's).
        SDL_ScaleMode scaleMode = SDL_ScaleModeLinear;
    };

    bool createWindow();
    SDL_Rect desktopBounds() const;
    // Reads a sound file (packs first, then disk) and hands its bytes to the mixer.
    std::uintptr_t loadSound(const char* filename, bool asMusic);
    // False when the window was closed.
    bool pumpEvents();
    void handleWindowKeys(const SDL_Event& event);
    void applyWindowMode();
    void applySync();
    // Whole-number scaling with nearest filtering while pixel-exact scaling is asked for
    // and the window holds the canvas at least once; smooth scaling to fit otherwise.
    void applyScaling();
    bool wholeScaling() const;
    // After a texture's filter changed behind the renderer's back (see sdl_display.cpp).
    void forgetBoundTexture(SDL_Texture* changed);
    SDL_ScaleMode textureScaleMode() const { return nearest_ ? SDL_ScaleModeNearest : SDL_ScaleModeLinear; }
    // Changes the filter a texture samples with; the quads already handed over keep theirs.
    void useScaleMode(NativeTexture& native, SDL_ScaleMode mode);
    // The canvas reaches the current target one pixel for one (unscaled).
    bool drawnOneToOne() const;
    void readDisplayRate();
    // The current target's pixels in an SDL pixel format of 4 bytes per pixel.
    bool readTarget(Uint32 format, std::vector<std::uint32_t>& pixels, int& width, int& height);
    void saveSnapshot(const std::string& path);
    // The texture's silhouette, made on first use; null when it cannot be made.
    SDL_Texture* silhouetteOf(const TextureInfo& info, NativeTexture& native);
    void renderRun(SDL_Texture* texture, SDL_BlendMode mode, const BatchVertex* verts, int quadCount);
    // Quads are kept only where they can land: the clipped area, or the whole target.
    void boundQuads(const SDL_Rect* clip);
    void destroyDeviceTextures();
    NativeTexture* newNative();

    std::string baseFolder_;
    std::string userDataFolder_;
    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    // Untextured quads draw with this small white texture: the software renderer blends
    // plain coloured triangles as alpha blend whatever mode is asked, textured ones
    // correctly (and it drops a clipped 1x1 texture, hence a few texels).
    SDL_Texture* whiteTexture_ = nullptr;
    bool sdlStarted_ = false;
    bool inScene_ = false;
    bool sceneOnScreen_ = true;
    bool clipping_ = false;
    int sceneWidth_ = 0, sceneHeight_ = 0;
    bool snapshotPending_ = false;
    SdlInput sdlInput_{input_};
    SdlAudio audio_;
    std::vector<int> indices_;
    // A copy of a batch's vertices where a pass needs them changed.
    std::vector<BatchVertex> passVerts_;
    std::vector<QuadRun> runs_;
    std::unordered_map<NativeTexture*, std::unique_ptr<NativeTexture>> natives_;
    int geometryCalls_ = 0;
    bool vsyncOffered_ = false;
    bool nearest_ = false;
    // Refresh rate of the window's display; 60 where the display does not say.
    int displayRate_ = 60;
    // glFlush of an OpenGL renderer, called after each present: a window without a visible
    // surface (the offscreen driver's) never flushes on its own, and the driver then keeps
    // frame after frame of commands and draws them all at once, hundreds of milliseconds late.
    void (*glFlush_)() = nullptr;
};

// The SDL engine behind `hge`, for tests and tools (null when none exists).
SdlEngine* sdlEngine();
// Called as an engine is destroyed, so hgeCreate makes a fresh one next time.
void forgetSdlEngine(SdlEngine* engine);
