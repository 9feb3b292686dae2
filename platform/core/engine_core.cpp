#include "platform/core/engine_core.h"

#include <chrono>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <stb/stb_image.h>

hgeEngine* hge = nullptr;

hgeEngine* (*hgeCreateInstead)(int version) = nullptr;

namespace {
// Tests read the log from memory; a long run keeps only the newest lines.
constexpr std::size_t MAX_LOG_LINES = 4000;

TextureInfo* textureOf(HTEXTURE tex) { return reinterpret_cast<TextureInfo*>(tex); }

double secondsNow() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}
}  // namespace

EngineCore::EngineCore()
    : batcher_([this](HTEXTURE tex, int blend, const BatchVertex* verts, int quads) {
          // Only a handle this engine gave out is looked into.
          TextureInfo* info = textureOf(tex);
          if (info && textures_.count(info) && !info->resident) {
              if (info->unreadable) return;
              System_Log("Texture '%s' was drawn while let go; it is loaded again.", info->source.c_str());
              if (!makeResident(*info)) return;
          }
          drawBatch(tex, blend, verts, quads);
      }) {
    rng_.seed(1);
}

EngineCore::~EngineCore() {
    // The backend has let go of its own objects by now; only the records are left.
    for (TextureInfo* info : textures_) delete info;
    for (TargetInfo* target : targets_) delete target;
    if (log_) std::fclose(log_);
    if (hge == this) hge = nullptr;
}

void EngineCore::Release() {
    if (--refCount_ > 0) return;
    if (initiated_) System_Shutdown();
    delete this;
}

void EngineCore::openLog() {
    if (log_) std::fclose(log_);
    log_ = nullptr;
    if (!logFile_.empty()) log_ = std::fopen(logFile_.c_str(), "w");
}

void EngineCore::writeLog(const std::string& line) {
    if (log_) {
        std::fprintf(log_, "%s\n", line.c_str());
        std::fflush(log_);
    }
    if (std::getenv("KVB_LOG_STDERR")) std::fprintf(stderr, "%s\n", line.c_str());
    if (logLines_.size() >= MAX_LOG_LINES) logLines_.erase(logLines_.begin(), logLines_.begin() + MAX_LOG_LINES / 2);
    logLines_.push_back(line);
}

void EngineCore::System_Log(const char* format, ...) {
    char buf[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buf, sizeof buf, format, args);
    va_end(args);
    writeLog(buf);
}

void EngineCore::System_MessageBox(const char* text, const char* caption, int style) {
    writeLog(std::string(caption ? caption : "") + ": " + (text ? text : ""));
    showMessageBox(text ? text : "", caption ? caption : "", style);
}

void EngineCore::setError(const std::string& text) {
    error_ = text;
    writeLog(text);
}

void EngineCore::System_SetState(hgeBoolState state, bool value) {
    switch (state) {
    case HGE_WINDOWED: windowed_ = value; break;
    case HGE_HIDEMOUSE: hideMouse_ = value; break;
    case HGE_VSYNC: vsync_ = value; break;
    case HGE_PIXELEXACT: pixelExact_ = value; break;
    }
    onStateChanged(state);
}

void EngineCore::System_SetState(hgeFuncState state, hgeCallback value) {
    switch (state) {
    case HGE_FRAMEFUNC: frameFunc_ = value; break;
    case HGE_RENDERFUNC: renderFunc_ = value; break;
    case HGE_FOCUSLOSTFUNC: focusLostFunc_ = value; break;
    }
}

void EngineCore::System_SetState(hgeIntState state, int value) {
    switch (state) {
    case HGE_SCREENWIDTH: screenWidth_ = value; break;
    case HGE_SCREENHEIGHT: screenHeight_ = value; break;
    case HGE_SCREENBPP: screenBpp_ = value; break;
    case HGE_FPS: fpsTarget_ = value > 0 ? value : 100; break;
    case HGE_FXVOLUME: fxVolume_ = value < 0 ? 0 : (value > 100 ? 100 : value); break;
    case HGE_ICON: icon_ = value; break;
    }
    onStateChanged(state);
}

void EngineCore::System_SetState(hgeStringState state, const char* value) {
    const std::string v = value ? value : "";
    switch (state) {
    case HGE_TITLE: title_ = v; break;
    case HGE_LOGFILE:
        logFile_ = v;
        openLog();
        break;
    case HGE_INIFILE:
        iniFileName_ = v;
        if (v.empty()) ini_.close();
        else ini_.open(v, [this](const std::string& line) { writeLog(line); });
        break;
    }
    onStateChanged(state);
}

bool EngineCore::System_GetState(hgeBoolState state) {
    switch (state) {
    case HGE_WINDOWED: return windowed_;
    case HGE_HIDEMOUSE: return hideMouse_;
    case HGE_VSYNC: return vsync_;
    case HGE_PIXELEXACT: return pixelExact_;
    }
    return false;
}

hgeCallback EngineCore::System_GetState(hgeFuncState state) {
    switch (state) {
    case HGE_FRAMEFUNC: return frameFunc_;
    case HGE_RENDERFUNC: return renderFunc_;
    case HGE_FOCUSLOSTFUNC: return focusLostFunc_;
    }
    return nullptr;
}

int EngineCore::System_GetState(hgeIntState state) {
    switch (state) {
    case HGE_SCREENWIDTH: return screenWidth_;
    case HGE_SCREENHEIGHT: return screenHeight_;
    case HGE_SCREENBPP: return screenBpp_;
    case HGE_FPS: return fpsTarget_;
    case HGE_FXVOLUME: return fxVolume_;
    case HGE_ICON: return icon_;
    }
    return 0;
}

const char* EngineCore::System_GetState(hgeStringState state) {
    switch (state) {
    case HGE_TITLE: return title_.c_str();
    case HGE_LOGFILE: return logFile_.c_str();
    case HGE_INIFILE: return iniFileName_.c_str();
    }
    return "";
}

void* EngineCore::Resource_Load(const char* filename, DWORD* size) {
    if (size) *size = 0;
    if (!filename || !*filename) return nullptr;
    std::vector<char> bytes;
    if (!packs_.load(filename, bytes)) return nullptr;
    // One zero byte past the end, so text files can be read as strings.
    char* mem = static_cast<char*>(std::malloc(bytes.size() + 1));
    if (!mem) return nullptr;
    // An empty file has no data pointer to copy from, and memcpy must not be given null.
    if (!bytes.empty()) std::memcpy(mem, bytes.data(), bytes.size());
    mem[bytes.size()] = 0;
    if (size) *size = static_cast<DWORD>(bytes.size());
    return mem;
}

void EngineCore::Resource_Free(void* res) { std::free(res); }

bool EngineCore::Resource_AttachPack(const char* filename, const char* /*password*/) {
    std::string error;
    if (!filename || !packs_.attach(filename, &error)) {
        setError(filename ? error : "No resource pack named.");
        return false;
    }
    return true;
}

void EngineCore::Resource_RemoveAllPacks() { packs_.removeAll(); }

void EngineCore::Ini_SetInt(const char* section, const char* name, int value) {
    if (!section || !name) return;
    ini_.setInt(section, name, value, [this](const std::string& line) { writeLog(line); });
}

int EngineCore::Ini_GetInt(const char* section, const char* name, int defVal) {
    if (!section || !name) return defVal;
    return ini_.getInt(section, name, [this](const std::string& line) { writeLog(line); }).value_or(defVal);
}

void EngineCore::Random_Seed(int seed) { rng_.seed(seed); }
int EngineCore::Random_Int(int min, int max) { return rng_.nextInt(min, max); }
float EngineCore::Random_Float(float min, float max) { return rng_.nextFloat(min, max); }
std::uint64_t EngineCore::Random_GetState() { return rng_.state(); }
void EngineCore::Random_SetState(std::uint64_t state) { rng_.setState(state); }

void EngineCore::loseFocus() {
    input_.releaseAll();
    if (focusLostFunc_) focusLostFunc_();
}

void EngineCore::tapKey(int key) {
    pressOn(0, key);
    releaseAfterFrame_.push_back(key);
}

// A scripted key is held or not: pressing it twice and releasing it once lets it go.
void EngineCore::pressOn(int device, int key) {
    input_.keyDown(key);
    if (!input_.deviceHolds(device, key)) input_.deviceKey(device, key, true);
}

void EngineCore::releaseOn(int device, int key) {
    input_.deviceKey(device, key, false);
    for (int d = 0; d <= InputState::MAX_PADS; ++d)
        if (input_.deviceHolds(d, key)) return;
    input_.keyUp(key);
}

bool EngineCore::runStep(float dt) {
    input_.beginFrame();
    delta_ = dt;
    time_ += dt;
    const double started = secondsNow();
    const bool quit = frameFunc_ ? frameFunc_() : false;
    stats_.addUpdate(secondsNow() - started);
    // Taps last exactly one step.
    for (int key : releaseAfterFrame_) releaseOn(0, key);
    releaseAfterFrame_.clear();
    return quit;
}

bool EngineCore::runRender(double realSeconds) {
    bool quit = false;
    if (renderFunc_) {
        presentWait_ = 0;
        const double started = secondsNow();
        quit = renderFunc_();
        stats_.addRender(secondsNow() - started - presentWait_);
    }
    stats_.frameShown(realSeconds);
    return quit;
}

void EngineCore::Input_GetMousePos(float* x, float* y) {
    if (x) *x = input_.mouseX();
    if (y) *y = input_.mouseY();
}

void EngineCore::Gfx_RenderLine(float x1, float y1, float x2, float y2, DWORD color, float z) {
    // A line is a one-pixel-wide untextured quad, so it batches and layers like any quad.
    float dx = x2 - x1, dy = y2 - y1;
    const float len = std::sqrt(dx * dx + dy * dy);
    if (len > 0) {
        dx /= len;
        dy /= len;
    } else {
        dx = 1;
        dy = 0;
    }
    const float nx = -dy * 0.5f, ny = dx * 0.5f;
    hgeQuad q{};
    const float xs[4] = {x1 + nx, x2 + nx, x2 - nx, x1 - nx};
    const float ys[4] = {y1 + ny, y2 + ny, y2 - ny, y1 - ny};
    for (int i = 0; i < 4; ++i) q.v[i] = {xs[i], ys[i], z, color, 0, 0};
    if (len == 0) {
        q.v[1].x += 1;
        q.v[2].x += 1;
        q.v[2].y += 1;
        q.v[3].y += 1;
    }
    q.tex = 0;
    q.blend = BLEND_DEFAULT;
    batcher_.add(q);
}

void EngineCore::Gfx_RenderQuad(const hgeQuad* quad) {
    if (quad) batcher_.add(*quad);
}

HTARGET EngineCore::Target_Create(int width, int height, bool zbuffer) {
    if (width <= 0 || height <= 0) return 0;
    auto* t = new TargetInfo;
    t->tex.width = width;
    t->tex.height = height;
    t->tex.isTarget = true;
    t->zbuffer = zbuffer;
    if (!createNativeTarget(*t)) {
        delete t;
        return 0;
    }
    targets_.insert(t);
    return reinterpret_cast<HTARGET>(t);
}

void EngineCore::Target_Free(HTARGET target) {
    if (!target) return;
    auto* t = reinterpret_cast<TargetInfo*>(target);
    if (targets_.erase(t) == 0) return;
    batcher_.flush();
    freeNativeTexture(t->tex);
    delete t;
}

HTEXTURE EngineCore::Target_GetTexture(HTARGET target) {
    if (!target) return 0;
    return reinterpret_cast<HTEXTURE>(&reinterpret_cast<TargetInfo*>(target)->tex);
}

PixelBuffer EngineCore::decodePicture(const std::string& filename, int& width, int& height) {
    PixelBuffer none(nullptr, stbi_image_free);
    DWORD size = 0;
    void* data = Resource_Load(filename.c_str(), &size);
    if (!data) {
        System_Log("Texture '%s' not found.", filename.c_str());
        return none;
    }
    int channels = 0;
    stbi_uc* pixels = stbi_load_from_memory(static_cast<const stbi_uc*>(data), static_cast<int>(size), &width,
                                            &height, &channels, 4);
    Resource_Free(data);
    if (!pixels) {
        System_Log("Texture '%s' could not be decoded: %s", filename.c_str(), stbi_failure_reason());
        return none;
    }
    return PixelBuffer(pixels, stbi_image_free);
}

HTEXTURE EngineCore::Texture_Load(const char* filename) {
    const std::string name = filename ? filename : "";
    for (TextureInfo* loaded : textures_)
        if (!name.empty() && loaded->source == name) {
            ++loaded->loads;
            return reinterpret_cast<HTEXTURE>(loaded);
        }
    int w = 0, h = 0;
    const PixelBuffer pixels = decodePicture(name, w, h);
    if (!pixels) return 0;
    auto* info = new TextureInfo;
    info->width = w;
    info->height = h;
    info->source = name;
    const std::size_t bytes = static_cast<std::size_t>(w) * static_cast<std::size_t>(h) * 4;
    info->opaque = true;
    for (std::size_t i = 3; i < bytes && info->opaque; i += 4) info->opaque = pixels.get()[i] == 255;
    // The device has its own copy from here on; the decoded pixels go.
    if (!createNativeTexture(*info, pixels.get())) {
        System_Log("Texture '%s' could not be created.", name.c_str());
        delete info;
        return 0;
    }
    textures_.insert(info);
    return reinterpret_cast<HTEXTURE>(info);
}

void EngineCore::Texture_Free(HTEXTURE tex) {
    TextureInfo* info = textureOf(tex);
    // Render-target textures belong to their target and are never in the set.
    if (!info || textures_.count(info) == 0 || --info->loads > 0) return;
    textures_.erase(info);
    batcher_.flush();
    freeNativeTexture(*info);
    delete info;
}

void EngineCore::Texture_SetResident(HTEXTURE tex, bool resident) {
    TextureInfo* info = textureOf(tex);
    // Only a picture loaded from a file can be read again: targets are never let go.
    if (!info || textures_.count(info) == 0 || info->source.empty() || info->resident == resident) return;
    batcher_.flush();
    if (resident) {
        makeResident(*info);
        return;
    }
    freeNativeTexture(*info);
    info->resident = false;
}

bool EngineCore::makeResident(TextureInfo& info) {
    if (info.unreadable) return false;
    int w = 0, h = 0;
    const PixelBuffer pixels = decodePicture(info.source, w, h);
    if (!pixels || w != info.width || h != info.height || !createNativeTexture(info, pixels.get())) {
        System_Log("Texture '%s' could not be loaded again; it is not drawn.", info.source.c_str());
        info.unreadable = true;
        return false;
    }
    info.resident = true;
    return true;
}

int EngineCore::Texture_GetWidth(HTEXTURE tex) { return tex ? textureOf(tex)->width : 0; }
int EngineCore::Texture_GetHeight(HTEXTURE tex) { return tex ? textureOf(tex)->height : 0; }
