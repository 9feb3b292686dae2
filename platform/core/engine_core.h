// The part of the engine both backends share: states, log, INI file, resource packs,
// random numbers, timer values, input state, texture decoding and quad batching.
// A backend derives from EngineCore and supplies the window, the frame loop, the
// drawing of a batch, textures on its device, and sound.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

#include "platform/core/ini_file.h"
#include "platform/core/frame_stats.h"
#include "platform/core/input_state.h"
#include "platform/core/pack_reader.h"
#include "platform/core/quad_batcher.h"
#include "platform/core/random.h"
#include "platform/hge.h"

// What a texture or render-target handle points to.
struct TextureInfo {
    int width = 0;
    int height = 0;
    bool isTarget = false;
    // Every texel has full alpha: drawn at full vertex alpha it needs no blending.
    bool opaque = false;
    // The picture file it was loaded from (empty for a render target): a backend that
    // needs the pixels again later reads them from there rather than keeping a copy.
    std::string source;
    // Loads of the same picture share one texture (a sheet that sprites and fonts cut
    // from draws in one batch); it goes when the last of them frees it.
    int loads = 1;
    // Off while the device's copy has been let go (see Texture_SetResident); `unreadable`
    // once the file could not be read again, so it is not tried on every draw.
    bool resident = true;
    bool unreadable = false;
    void* native = nullptr;  // the backend's object (SDL_Texture* on the SDL backend)
};

// Decoded RGBA pixels, freed by the decoder's own function.
using PixelBuffer = std::unique_ptr<std::uint8_t, void (*)(void*)>;

struct TargetInfo {
    TextureInfo tex;
    bool zbuffer = false;
};

class EngineCore : public hgeEngine {
public:
    EngineCore();
    ~EngineCore() override;

    void Release() override;
    void addRef() { ++refCount_; }

    const char* System_GetErrorMessage() override { return error_.c_str(); }
    void System_Log(const char* format, ...) override __attribute__((format(printf, 2, 3)));
    void System_MessageBox(const char* text, const char* caption, int style) override;
    // Tests and tools run in the working folder: no folders of their own.
    const char* System_GetBaseFolder() override { return ""; }
    const char* System_GetUserDataFolder(const char*, const char*) override { return ""; }

    void System_SetState(hgeBoolState state, bool value) override;
    void System_SetState(hgeFuncState state, hgeCallback value) override;
    void System_SetState(hgeIntState state, int value) override;
    void System_SetState(hgeStringState state, const char* value) override;
    bool System_GetState(hgeBoolState state) override;
    hgeCallback System_GetState(hgeFuncState state) override;
    int System_GetState(hgeIntState state) override;
    const char* System_GetState(hgeStringState state) override;
    bool System_CanSyncToDisplay() override { return false; }

    void* Resource_Load(const char* filename, DWORD* size = nullptr) override;
    void Resource_Free(void* res) override;
    bool Resource_AttachPack(const char* filename, const char* password = nullptr) override;
    void Resource_RemoveAllPacks() override;

    void Ini_SetInt(const char* section, const char* name, int value) override;
    int Ini_GetInt(const char* section, const char* name, int defVal) override;

    void Random_Seed(int seed = 0) override;
    int Random_Int(int min, int max) override;
    float Random_Float(float min, float max) override;
    std::uint64_t Random_GetState() override;
    void Random_SetState(std::uint64_t state) override;

    float Timer_GetTime() override { return time_; }
    float Timer_GetDelta() override { return delta_; }
    int Timer_GetFPS() override { return stats_.fps(); }
    float Timer_GetUpdateTime() override { return static_cast<float>(stats_.updateSeconds()); }
    float Timer_GetRenderTime() override { return static_cast<float>(stats_.renderSeconds()); }

    void Input_GetMousePos(float* x, float* y) override;
    int Input_GetMouseWheel() override { return input_.wheelNotches(); }
    bool Input_GetKeyState(int key) override { return input_.keyState(key); }
    int Input_GetPadCount() override { return input_.padCount(); }
    bool Input_GetPadKeyState(int pad, int key) override { return input_.deviceKeyState(pad + 1, key); }
    int Input_GetKey() override { return input_.frameKey(); }
    const char* Input_GetKeyName(int key) override { return virtualKeyName(key); }

    void Gfx_RenderLine(float x1, float y1, float x2, float y2, DWORD color = 0xFFFFFFFF,
                        float z = 0.5f) override;
    void Gfx_RenderQuad(const hgeQuad* quad) override;

    HTARGET Target_Create(int width, int height, bool zbuffer) override;
    void Target_Free(HTARGET target) override;
    HTEXTURE Target_GetTexture(HTARGET target) override;

    HTEXTURE Texture_Load(const char* filename) override;
    void Texture_Free(HTEXTURE tex) override;
    void Texture_SetResident(HTEXTURE tex, bool resident) override;
    int Texture_GetWidth(HTEXTURE tex) override;
    int Texture_GetHeight(HTEXTURE tex) override;

    // --- Scripted input for tests and tools, applied from the next frame on ---
    void pressKey(int key) { pressOn(0, key); }
    void releaseKey(int key) { releaseOn(0, key); }
    // A key of controller slot `pad`, and the controllers attached (the slots 0..count-1).
    void pressPadKey(int pad, int key) { pressOn(pad + 1, key); }
    void releasePadKey(int pad, int key) { releaseOn(pad + 1, key); }
    void attachPads(int count) { input_.setPadCount(count); }
    // Press now and release after the next frame.
    void tapKey(int key);
    void moveMouse(float x, float y) { input_.mouseMove(x, y); }
    void turnWheel(int notches) { input_.wheel(notches); }
    // The window lost the keyboard's focus: every key is let go (releases made elsewhere
    // never arrive) and the game is told.
    void loseFocus();

    // The log lines written so far (the newest few thousand), for tests and tools.
    const std::vector<std::string>& logLines() const { return logLines_; }
    void clearLogLines() { logLines_.clear(); }

protected:
    // Backend hooks.
    virtual void drawBatch(HTEXTURE tex, int blend, const BatchVertex* verts, int quadCount) = 0;
    // Creates the device texture for decoded RGBA pixels (may be null for an empty target).
    virtual bool createNativeTexture(TextureInfo& info, const std::uint8_t* rgba) = 0;
    virtual bool createNativeTarget(TargetInfo& info) = 0;
    virtual void freeNativeTexture(TextureInfo& info) = 0;
    virtual void showMessageBox(const char* text, const char* caption, int style) = 0;
    // Called when a state that a running backend must apply changes.
    virtual void onStateChanged(hgeBoolState) {}
    virtual void onStateChanged(hgeIntState) {}
    virtual void onStateChanged(hgeStringState) {}

    void setError(const std::string& text);
    // One step of the game: the next input taken, the timer advanced by dt, the frame
    // function run (and timed), the taps of the step ended. True when it asks to stop.
    bool runStep(float dt);
    // A shown frame `realSeconds` after the one before: the render function run and timed,
    // the frame counted for Timer_GetFPS. True when it asks to stop.
    bool runRender(double realSeconds);
    // The length of one step of the game.
    float stepSeconds() const { return 1.0f / static_cast<float>(fpsTarget_); }
    // The picture file's pixels as RGBA rows, or null (and a log line) when it cannot be
    // loaded or decoded.
    PixelBuffer decodePicture(const std::string& filename, int& width, int& height);
    // The shared state lets go of a key only when no device holds it any more.
    void pressOn(int device, int key);
    void releaseOn(int device, int key);

    // States.
    hgeCallback frameFunc_ = nullptr;
    hgeCallback renderFunc_ = nullptr;
    hgeCallback focusLostFunc_ = nullptr;
    std::string title_ = "Korvania 2:  Battle";
    std::string logFile_;
    std::string iniFileName_;
    bool windowed_ = false;
    bool hideMouse_ = false;
    bool vsync_ = false;
    bool pixelExact_ = false;
    int screenWidth_ = 800;
    int screenHeight_ = 600;
    int screenBpp_ = 32;
    int fpsTarget_ = 100;
    int fxVolume_ = 100;
    int icon_ = 0;

    InputState input_;
    QuadBatcher batcher_;
    bool initiated_ = false;
    // Seconds of the current frame spent waiting for the display, left out of its drawing time.
    double presentWait_ = 0;

private:
    void openLog();
    // Makes the device's copy of a let-go picture again; false when its file cannot be read.
    bool makeResident(TextureInfo& info);
    void writeLog(const std::string& line);

    int refCount_ = 1;
    std::string error_;
    FILE* log_ = nullptr;
    std::vector<std::string> logLines_;
    std::vector<int> releaseAfterFrame_;
    IniFile ini_;
    PackReader packs_;
    RandomGenerator rng_;
    // Every texture and render target handed out and not yet freed: a handle freed twice or
    // after its record is gone is ignored, and what is left is deleted with the engine.
    std::unordered_set<TextureInfo*> textures_;
    std::unordered_set<TargetInfo*> targets_;
    float time_ = 0;
    float delta_ = 0;
    FrameStats stats_;
};
