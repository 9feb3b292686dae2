#include "platform/headless/headless_engine.h"

#include <algorithm>

namespace {
HeadlessEngine* instance = nullptr;
}

hgeEngine* createHeadlessEngine(int /*version*/) {
    if (instance) {
        instance->addRef();
        return instance;
    }
    instance = new HeadlessEngine;
    return instance;
}

HeadlessEngine* headless() { return instance; }

HeadlessEngine::HeadlessEngine() = default;

HeadlessEngine::~HeadlessEngine() {
    if (initiated_) System_Shutdown();
    if (instance == this) instance = nullptr;
}

bool HeadlessEngine::System_Initiate() {
    initiated_ = true;
    return true;
}

void HeadlessEngine::System_Shutdown() {
    initiated_ = false;
    channels_.clear();
    sounds_.clear();
}

bool HeadlessEngine::System_Start() {
    if (!frameFunc_) {
        setError("System_Start: no frame function set.");
        return false;
    }
    for (int frame = 0; frameLimit_ == 0 || frame < frameLimit_; ++frame)
        if (runFrame(frameTime_)) break;
    return true;
}

bool HeadlessEngine::runFrame(float dt) {
    ++framesRun_;
    const bool quit = runStep(dt);
    return runRender(dt) || quit;
}

void HeadlessEngine::System_Snapshot(const char*) { System_Log("Snapshot skipped: no canvas without a window."); }

void HeadlessEngine::Input_SetMousePos(float x, float y) { input_.mouseMove(x, y); }

// --- Sound: remembered, never heard ---

HEFFECT HeadlessEngine::Effect_Load(const char* filename) {
    DWORD size = 0;
    void* data = Resource_Load(filename, &size);
    if (!data) return 0;
    Resource_Free(data);
    sounds_[nextSound_] = filename;
    return nextSound_++;
}
void HeadlessEngine::Effect_Free(HEFFECT eff) { sounds_.erase(eff); }
HCHANNEL HeadlessEngine::Effect_Play(HEFFECT eff) { return play(HeadlessChannel::EFFECT, eff, false); }
HMUSIC HeadlessEngine::Music_Load(const char* filename) { return Effect_Load(filename); }
void HeadlessEngine::Music_Free(HMUSIC mus) { sounds_.erase(mus); }
HCHANNEL HeadlessEngine::Music_Play(HMUSIC mus, bool loop) { return play(HeadlessChannel::MUSIC, mus, loop); }
HSTREAM HeadlessEngine::Stream_Load(const char* filename) { return Effect_Load(filename); }
void HeadlessEngine::Stream_Free(HSTREAM stream) { sounds_.erase(stream); }
HCHANNEL HeadlessEngine::Stream_Play(HSTREAM stream, bool loop) { return play(HeadlessChannel::STREAM, stream, loop); }

HCHANNEL HeadlessEngine::play(HeadlessChannel::Kind kind, std::uintptr_t sound, bool loop) {
    const auto it = sounds_.find(sound);
    if (it == sounds_.end()) return 0;
    // Music and streams share one player, as on the real backend.
    if (kind != HeadlessChannel::EFFECT)
        for (auto& [handle, ch] : channels_)
            if (ch.kind != HeadlessChannel::EFFECT) ch.playing = false;
    HeadlessChannel ch;
    ch.kind = kind;
    ch.source = it->second;
    ch.loop = loop;
    channels_[nextChannel_] = ch;
    forgetOldChannels();
    return nextChannel_++;
}

void HeadlessEngine::forgetOldChannels() {
    // A mixer reuses its channels; keeping every play ever made would grow without end in a
    // long run. The oldest effect or silent channel goes first; the playing music stays.
    while (channels_.size() > MAX_CHANNELS_KEPT) {
        auto it = channels_.begin();
        while (it != channels_.end() && it->second.kind != HeadlessChannel::EFFECT && it->second.playing) ++it;
        if (it == channels_.end()) return;
        channels_.erase(it);
    }
}

void HeadlessEngine::Channel_SetVolume(HCHANNEL chn, int volume) {
    const auto it = channels_.find(chn);
    if (it != channels_.end()) it->second.volume = std::clamp(volume, 0, 100);
}

void HeadlessEngine::Channel_Stop(HCHANNEL chn) {
    const auto it = channels_.find(chn);
    if (it != channels_.end()) it->second.playing = false;
}

bool HeadlessEngine::Channel_IsPlaying(HCHANNEL chn) {
    const auto it = channels_.find(chn);
    return it != channels_.end() && it->second.playing;
}

const HeadlessChannel* HeadlessEngine::channel(HCHANNEL chn) const {
    const auto it = channels_.find(chn);
    return it == channels_.end() ? nullptr : &it->second;
}

// --- Drawing: counted and optionally recorded ---

bool HeadlessEngine::Gfx_BeginScene(HTARGET) {
    if (inScene_) return false;
    inScene_ = true;
    scene_ = DrawCounters{};
    if (recording_) recorded_.clear();
    return true;
}

void HeadlessEngine::Gfx_EndScene() {
    if (!inScene_) return;
    batcher_.flush();
    inScene_ = false;
    lastScene_ = scene_;
    totals_.quads += scene_.quads;
    totals_.batches += scene_.batches;
    totals_.lines += scene_.lines;
    totals_.clears += scene_.clears;
}

void HeadlessEngine::Gfx_Clear(DWORD) {
    batcher_.flush();
    ++scene_.clears;
}

void HeadlessEngine::Gfx_RenderLine(float x1, float y1, float x2, float y2, DWORD color, float z) {
    ++scene_.lines;
    EngineCore::Gfx_RenderLine(x1, y1, x2, y2, color, z);
    if (recording_) {
        hgeQuad q{};
        q.v[0] = {x1, y1, z, color, 0, 0};
        q.v[1] = {x2, y2, z, color, 0, 0};
        q.v[2] = q.v[1];
        q.v[3] = q.v[0];
        recorded_.push_back(q);
    }
}

void HeadlessEngine::Gfx_RenderQuad(const hgeQuad* quad) {
    if (!quad) return;
    ++scene_.quads;
    if (recording_) recorded_.push_back(*quad);
    batcher_.add(*quad);
}

void HeadlessEngine::Gfx_SetClipping(int, int, int, int) { batcher_.flush(); }

void HeadlessEngine::drawBatch(HTEXTURE, int, const BatchVertex*, int) { ++scene_.batches; }

bool HeadlessEngine::createNativeTexture(TextureInfo&, const std::uint8_t*) {
    ++texturesLoaded_;
    return true;
}

bool HeadlessEngine::createNativeTarget(TargetInfo&) { return true; }
void HeadlessEngine::freeNativeTexture(TextureInfo&) {}

void HeadlessEngine::showMessageBox(const char* text, const char* caption, int style) {
    messageBoxes_.push_back({text, caption, style});
}

void HeadlessEngine::resetCounters() {
    scene_ = lastScene_ = totals_ = DrawCounters{};
    texturesLoaded_ = 0;
    recorded_.clear();
}
