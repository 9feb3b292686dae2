#include "platform/sdl/sdl_engine.h"

#include <algorithm>

#include <string_view>

#include "platform/core/step_clock.h"
#include "platform/sdl/sdl_frame_pacer.h"
#include "platform/sdl/sdl_icon.h"

namespace {
constexpr int WHITE_SIZE = 4;

bool isHeadlessVideoDriver(const char* driver) {
    const std::string_view name = driver ? driver : "";
    return name == "dummy" || name == "offscreen";
}
}  // namespace

SdlEngine::SdlEngine() = default;

SdlEngine::~SdlEngine() {
    if (sdlStarted_) System_Shutdown();
    forgetSdlEngine(this);
}

bool SdlEngine::System_Initiate() {
    if (initiated_) return true;
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        setError(std::string("Cannot start the video system: ") + SDL_GetError());
        SDL_Quit();
        return false;
    }
    sdlStarted_ = true;
    if (!createWindow()) {
        System_Shutdown();
        return false;
    }
    // Controllers and sound are welcome but not required: the game runs without them.
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0) sdlInput_.openControllers();
    else System_Log("Game controllers are unavailable: %s", SDL_GetError());
    if (audio_.open([this](const std::string& line) { System_Log("%s", line.c_str()); }))
        audio_.setEffectVolume(fxVolume_);
    SDL_ShowCursor(hideMouse_ ? SDL_DISABLE : SDL_ENABLE);

    SDL_RendererInfo info{};
    SDL_GetRendererInfo(renderer_, &info);
    System_Log("Video: driver %s, renderer %s, display %d Hz, sync to the display %s", SDL_GetCurrentVideoDriver(),
               info.name ? info.name : "?", displayRate_, vsyncOffered_ ? "offered" : "not offered");
    const std::string_view rendererName = info.name ? info.name : "";
    if (rendererName.starts_with("opengl"))
        glFlush_ = reinterpret_cast<void (*)()>(SDL_GL_GetProcAddress("glFlush"));
    initiated_ = true;
    return true;
}

// The whole display. A full-screen window is also given this place and size itself, so it
// covers the screen even where no window manager acts on the full-screen request.
SDL_Rect SdlEngine::desktopBounds() const {
    SDL_Rect r{0, 0, screenWidth_, screenHeight_};
    const int display = window_ ? std::max(0, SDL_GetWindowDisplayIndex(window_)) : 0;
    if (SDL_GetDisplayBounds(display, &r) != 0) r = SDL_Rect{0, 0, screenWidth_, screenHeight_};
    return r;
}

bool SdlEngine::createWindow() {
    const Uint32 flags = SDL_WINDOW_RESIZABLE | (windowed_ ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
    const SDL_Rect r = windowed_ ? SDL_Rect{SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, screenWidth_, screenHeight_}
                                 : desktopBounds();
    window_ = SDL_CreateWindow(title_.c_str(), r.x, r.y, r.w, r.h, flags);
    if (!window_) {
        setError(std::string("Cannot open the window: ") + SDL_GetError());
        return false;
    }
    if (SDL_Surface* icon = createWindowIcon()) {
        SDL_SetWindowIcon(window_, icon);
        SDL_FreeSurface(icon);
    }
    renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_TARGETTEXTURE);
    if (!renderer_) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
    if (!renderer_) {
        setError(std::string("Cannot create a renderer: ") + SDL_GetError());
        return false;
    }
    // Where the renderer can wait for the display, the game may ask for it; until then
    // the frame pacer holds the fixed rate.
    vsyncOffered_ = SDL_RenderSetVSync(renderer_, 1) == 0;
    if (vsyncOffered_) applySync();
    readDisplayRate();
    // The canvas keeps its size and aspect in any window; the rest is black bars.
    SDL_RenderSetLogicalSize(renderer_, screenWidth_, screenHeight_);
    applyScaling();
    whiteTexture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGBA32, SDL_TEXTUREACCESS_STATIC, WHITE_SIZE, WHITE_SIZE);
    if (!whiteTexture_) {
        setError(std::string("Cannot create a texture: ") + SDL_GetError());
        return false;
    }
    const std::vector<Uint32> white(WHITE_SIZE * WHITE_SIZE, 0xFFFFFFFF);
    SDL_UpdateTexture(whiteTexture_, nullptr, white.data(), WHITE_SIZE * 4);
    return true;
}

void SdlEngine::System_Shutdown() {
    if (!sdlStarted_) return;
    batcher_.flush();
    audio_.close();
    sdlInput_.closeControllers();
    destroyDeviceTextures();
    if (whiteTexture_) SDL_DestroyTexture(whiteTexture_);
    whiteTexture_ = nullptr;
    if (renderer_) SDL_DestroyRenderer(renderer_);
    if (window_) SDL_DestroyWindow(window_);
    renderer_ = nullptr;
    window_ = nullptr;
    glFlush_ = nullptr;
    SDL_Quit();
    sdlStarted_ = false;
    initiated_ = false;
    inScene_ = false;
    clipping_ = false;
    snapshotPending_ = false;
}

bool SdlEngine::System_Start() {
    if (!initiated_) {
        setError("System_Start: the engine is not initiated.");
        return false;
    }
    if (!frameFunc_) {
        setError("System_Start: no frame function set.");
        return false;
    }
    FramePacer pacer(fpsTarget_, FramePacer::systemClock());
    pacer.start();
    double owed = 0;
    for (;;) {
        const bool synced = syncedToDisplay();
        pacer.setRate(synced ? displayRate_ : fpsTarget_);
        const double elapsed = synced ? pacer.nextSyncedFrame() : pacer.nextFrame();
        if (!pumpEvents()) break;
        // Without a render function the frame function draws: one step a frame.
        int steps = 1;
        if (renderFunc_) {
            const StepPlan plan = planSteps(owed, elapsed, fpsTarget_);
            steps = plan.steps;
            owed = plan.owed;
        }
        bool quit = false;
        for (int step = 0; step < steps && !quit; ++step) quit = runStep(stepSeconds());
        if (quit || runRender(elapsed)) break;
    }
    return true;
}

bool SdlEngine::runFrame(float dt) {
    if (!initiated_ || !pumpEvents()) return false;
    const bool quit = runStep(dt);
    return !(runRender(dt) || quit);
}

bool SdlEngine::pumpEvents() {
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        switch (event.type) {
            case SDL_QUIT:
                return false;
            case SDL_WINDOWEVENT:
                if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST) {
                    // Keys released while another window has focus never reach us.
                    sdlInput_.releaseAll();
                    loseFocus();
                } else if (event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
                    applyScaling();
                } else if (event.window.event == SDL_WINDOWEVENT_DISPLAY_CHANGED) {
                    readDisplayRate();
                }
                break;
            case SDL_KEYDOWN:
                if (event.key.repeat == 0 && (event.key.keysym.mod & KMOD_ALT) &&
                    (event.key.keysym.scancode == SDL_SCANCODE_RETURN ||
                     event.key.keysym.scancode == SDL_SCANCODE_KP_ENTER)) {
                    // Alt+Enter switches the window mode and is not an Enter for the game.
                    windowed_ = !windowed_;
                    applyWindowMode();
                    continue;
                }
                // The canvas is saved at the end of the next scene, fully drawn.
                if (event.key.repeat == 0 && event.key.keysym.scancode == SDL_SCANCODE_F12) snapshotPending_ = true;
                break;
            default:
                break;
        }
        sdlInput_.handle(event);
    }
    return true;
}

void SdlEngine::applyWindowMode() {
    if (!window_) return;
    if (!windowed_) {
        const SDL_Rect r = desktopBounds();
        SDL_SetWindowPosition(window_, r.x, r.y);
        SDL_SetWindowSize(window_, r.w, r.h);
    }
    if (SDL_SetWindowFullscreen(window_, windowed_ ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP) != 0)
        System_Log("Cannot change the window mode: %s", SDL_GetError());
    if (windowed_) {
        SDL_SetWindowSize(window_, screenWidth_, screenHeight_);
        SDL_SetWindowPosition(window_, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    }
}

void SdlEngine::onStateChanged(hgeBoolState state) {
    if (!window_) return;
    switch (state) {
    case HGE_WINDOWED: applyWindowMode(); break;
    case HGE_HIDEMOUSE: SDL_ShowCursor(hideMouse_ ? SDL_DISABLE : SDL_ENABLE); break;
    case HGE_VSYNC: applySync(); break;
    case HGE_PIXELEXACT: applyScaling(); break;
    }
}

void SdlEngine::onStateChanged(hgeIntState state) {
    if (state == HGE_FXVOLUME) audio_.setEffectVolume(fxVolume_);
}

void SdlEngine::onStateChanged(hgeStringState state) {
    if (state == HGE_TITLE && window_) SDL_SetWindowTitle(window_, title_.c_str());
}

void SdlEngine::showMessageBox(const char* text, const char* caption, int /*style*/) {
    // Without a display nobody could close the box; the text is already in the log.
    const char* driver = SDL_GetCurrentVideoDriver();
    if (isHeadlessVideoDriver(driver ? driver : SDL_getenv("SDL_VIDEODRIVER"))) return;
    if (SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, caption, text, window_) != 0)
        System_Log("The message box could not be shown: %s", SDL_GetError());
}

void SdlEngine::Input_SetMousePos(float x, float y) {
    input_.mouseMove(x, y);
    if (!renderer_ || !window_) return;
    int windowX = 0, windowY = 0;
    SDL_RenderLogicalToWindow(renderer_, x, y, &windowX, &windowY);
    SDL_WarpMouseInWindow(window_, windowX, windowY);
}
