// The engine without a window or a sound card, for tests and tools. Time is virtual (the
// caller gives each frame's length), input is scripted, sound only remembers what was
// played, and drawing is counted and may be recorded quad by quad. INI, log, packs,
// textures (decoded for their size) and random numbers are the same code as in play.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/core/engine_core.h"

// What one scene (Gfx_BeginScene .. Gfx_EndScene) or a whole run drew.
struct DrawCounters {
    int quads = 0;
    int batches = 0;  // draw calls: runs of quads sharing texture and blend mode
    int lines = 0;
    int clears = 0;
};

struct HeadlessChannel {
    enum Kind { EFFECT, MUSIC, STREAM } kind = EFFECT;
    std::string source;  // file the sound was loaded from
    int volume = 100;
    bool loop = false;
    bool playing = true;
};

struct MessageBoxRecord {
    std::string text;
    std::string caption;
    int style = 0;
};

class HeadlessEngine : public EngineCore {
public:
    HeadlessEngine();
    ~HeadlessEngine() override;

    bool System_Initiate() override;
    void System_Shutdown() override;
    // Runs frames of the set frame time until the frame function returns true or the
    // frame limit (setFrameLimit) is reached.
    bool System_Start() override;
    // No display to wait for, unless a test pretends there is one (offerSync).
    bool System_CanSyncToDisplay() override { return syncOffered_; }
    void System_Snapshot(const char* filename = nullptr) override;

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
    void Gfx_RenderLine(float x1, float y1, float x2, float y2, DWORD color = 0xFFFFFFFF,
                        float z = 0.5f) override;
    void Gfx_RenderQuad(const hgeQuad* quad) override;
    void Gfx_SetClipping(int x = 0, int y = 0, int w = 0, int h = 0) override;

    // --- Driving a run ---
    // Length of the frames that System_Start and runFrame run (default 0.01 s).
    void setFrameTime(float dt) { frameTime_ = dt; }
    // System_Start stops after this many frames (default 1000); 0 means no limit.
    void setFrameLimit(int frames) { frameLimit_ = frames; }
    // One frame: input is taken, the timer advances by dt, the frame function runs, then
    // the render function when one is set. True when either asked to stop.
    bool runFrame(float dt);
    bool runFrame() { return runFrame(frameTime_); }
    int framesRun() const { return framesRun_; }
    void offerSync(bool offered) { syncOffered_ = offered; }

    // --- What was drawn ---
    const DrawCounters& lastScene() const { return lastScene_; }
    const DrawCounters& totals() const { return totals_; }
    int texturesLoaded() const { return texturesLoaded_; }
    // Keeps every quad and line (as a 1-pixel quad) of the scenes from now on.
    void setRecording(bool on) { recording_ = on; }
    // Quads of the current or, after Gfx_EndScene, the last scene.
    const std::vector<hgeQuad>& recordedQuads() const { return recorded_; }
    void resetCounters();

    // --- What was played and shown ---
    const HeadlessChannel* channel(HCHANNEL chn) const;
    const std::vector<MessageBoxRecord>& messageBoxes() const { return messageBoxes_; }
    void clearMessageBoxes() { messageBoxes_.clear(); }

protected:
    void drawBatch(HTEXTURE tex, int blend, const BatchVertex* verts, int quadCount) override;
    bool createNativeTexture(TextureInfo& info, const std::uint8_t* rgba) override;
    bool createNativeTarget(TargetInfo& info) override;
    void freeNativeTexture(TextureInfo& info) override;
    void showMessageBox(const char* text, const char* caption, int style) override;

private:
    // Channels remembered; beyond this the oldest effects are forgotten, as a mixer would
    // have reused their channels.
    static constexpr std::size_t MAX_CHANNELS_KEPT = 256;

    HCHANNEL play(HeadlessChannel::Kind kind, std::uintptr_t sound, bool loop);
    void forgetOldChannels();

    float frameTime_ = 0.01f;
    int frameLimit_ = 1000;
    int framesRun_ = 0;
    bool syncOffered_ = false;
    bool inScene_ = false;
    DrawCounters scene_, lastScene_, totals_;
    int texturesLoaded_ = 0;
    bool recording_ = false;
    std::vector<hgeQuad> recorded_;

    std::map<std::uintptr_t, std::string> sounds_;  // loaded sound handle -> file name
    std::uintptr_t nextSound_ = 1;
    std::map<HCHANNEL, HeadlessChannel> channels_;
    HCHANNEL nextChannel_ = 1;
    std::vector<MessageBoxRecord> messageBoxes_;
};

// Makes the headless engine, or hands out the one that exists. Programs that link only
// this backend get it from hgeCreate; the game's own program picks it for its checks.
hgeEngine* createHeadlessEngine(int version);
// The headless engine made by hgeCreate, if one exists.
HeadlessEngine* headless();
