// The engine interface the game calls: window and frame loop, timer, quads and lines,
// textures and render targets, sound, input, INI file, log, resource packs and random
// numbers. The game reaches it through the global `hge`; two backends implement it
// (sdl/ for play, headless/ for tests and tools).
#pragma once

#include <cstdint>

using DWORD = std::uint32_t;
using HTEXTURE = std::uintptr_t;
using HTARGET = std::uintptr_t;
using HEFFECT = std::uintptr_t;
using HMUSIC = std::uintptr_t;
using HSTREAM = std::uintptr_t;
using HCHANNEL = std::uintptr_t;

constexpr int HGE_VERSION = 0x152;
// Input_GetPadKeyState's device for the keyboard and the mouse.
constexpr int INPUT_KEYBOARD = -1;

// Colours are 32-bit ARGB.
constexpr DWORD ARGB(DWORD a, DWORD r, DWORD g, DWORD b) {
    return ((a & 0xFF) << 24) | ((r & 0xFF) << 16) | ((g & 0xFF) << 8) | (b & 0xFF);
}
constexpr DWORD GETA(DWORD c) { return c >> 24; }
constexpr DWORD GETR(DWORD c) { return (c >> 16) & 0xFF; }
constexpr DWORD GETG(DWORD c) { return (c >> 8) & 0xFF; }
constexpr DWORD GETB(DWORD c) { return c & 0xFF; }
constexpr DWORD SETA(DWORD c, DWORD a) { return (c & 0x00FFFFFF) | ((a & 0xFF) << 24); }

// Blend-mode bits of a quad: bit 0 colour add (else multiply), bit 1 alpha blend
// (else additive), bit 2 z-write.
constexpr int BLEND_COLORMUL = 0;
constexpr int BLEND_COLORADD = 1;
constexpr int BLEND_ALPHAADD = 0;
constexpr int BLEND_ALPHABLEND = 2;
constexpr int BLEND_NOZWRITE = 0;
constexpr int BLEND_ZWRITE = 4;
constexpr int BLEND_DEFAULT = BLEND_COLORMUL | BLEND_ALPHABLEND | BLEND_NOZWRITE;

struct hgeVertex {
    float x, y;
    float z;
    DWORD col;
    float tx, ty;
};

// Four vertices: top-left, top-right, bottom-right, bottom-left.
struct hgeQuad {
    hgeVertex v[4];
    HTEXTURE tex;
    int blend;
};

using hgeCallback = bool (*)();

// HGE_VSYNC: present at the display's rate (where the display offers it) instead of the
// fixed-rate loop. HGE_PIXELEXACT: scale the canvas by whole numbers with nearest
// filtering, where the window holds it at least once; otherwise smoothly to fit.
enum hgeBoolState { HGE_WINDOWED, HGE_HIDEMOUSE, HGE_VSYNC, HGE_PIXELEXACT };
// HGE_FRAMEFUNC: one fixed step of the game (1 / HGE_FPS seconds); true ends the loop.
// HGE_RENDERFUNC: draws a shown frame; once it is set the loop runs as many steps per
// shown frame as real time asks (0, 1 or 2 at usual display rates), without it every
// frame is one step and the frame function draws. HGE_FOCUSLOSTFUNC: the window lost
// the keyboard's focus; its result is not used.
enum hgeFuncState { HGE_FRAMEFUNC, HGE_RENDERFUNC, HGE_FOCUSLOSTFUNC };
enum hgeIntState { HGE_SCREENWIDTH, HGE_SCREENHEIGHT, HGE_SCREENBPP, HGE_FPS, HGE_FXVOLUME, HGE_ICON };
enum hgeStringState { HGE_TITLE, HGE_LOGFILE, HGE_INIFILE };

// Message box styles (combine with |).
constexpr int MB_ICONSTOP = 0x10;
constexpr int MB_SYSTEMMODAL = 0x1000;

class hgeEngine {
public:
    virtual ~hgeEngine() = default;

    // Drops one reference; the engine is destroyed with the last one.
    virtual void Release() = 0;

    virtual bool System_Initiate() = 0;
    virtual void System_Shutdown() = 0;
    // Runs the frame loop until the frame function returns true.
    virtual bool System_Start() = 0;
    virtual const char* System_GetErrorMessage() = 0;
    virtual void System_Log(const char* format, ...) __attribute__((format(printf, 2, 3))) = 0;
    // Shows a message box (also written to the log).
    virtual void System_MessageBox(const char* text, const char* caption, int style) = 0;
    // Saves the canvas as a PNG; without a name the next free "shotNNN.png" in the user folder.
    virtual void System_Snapshot(const char* filename = nullptr) = 0;
    // The executable's folder, ending in '/'; "" when the backend has none.
    virtual const char* System_GetBaseFolder() = 0;
    // The player's own data folder for this game, made when missing and ending in '/';
    // "" when the backend has none or cannot make it (the reason is the error message).
    virtual const char* System_GetUserDataFolder(const char* org, const char* app) = 0;

    virtual void System_SetState(hgeBoolState state, bool value) = 0;
    virtual void System_SetState(hgeFuncState state, hgeCallback value) = 0;
    virtual void System_SetState(hgeIntState state, int value) = 0;
    virtual void System_SetState(hgeStringState state, const char* value) = 0;
    virtual bool System_GetState(hgeBoolState state) = 0;
    virtual hgeCallback System_GetState(hgeFuncState state) = 0;
    virtual int System_GetState(hgeIntState state) = 0;
    virtual const char* System_GetState(hgeStringState state) = 0;
    // True when presenting can follow the display's rate (known once initiated).
    virtual bool System_CanSyncToDisplay() = 0;

    // Whole file from the attached packs first, then from the disk; null when missing.
    virtual void* Resource_Load(const char* filename, DWORD* size = nullptr) = 0;
    virtual void Resource_Free(void* res) = 0;
    virtual bool Resource_AttachPack(const char* filename, const char* password = nullptr) = 0;
    virtual void Resource_RemoveAllPacks() = 0;

    virtual void Ini_SetInt(const char* section, const char* name, int value) = 0;
    virtual int Ini_GetInt(const char* section, const char* name, int defVal) = 0;

    // 0 seeds from the clock; any other seed gives a reproducible sequence.
    virtual void Random_Seed(int seed = 0) = 0;
    // Both bounds inclusive.
    virtual int Random_Int(int min, int max) = 0;
    virtual float Random_Float(float min, float max) = 0;
    // The generator's whole state, so a recorded round can start from where it stood.
    virtual std::uint64_t Random_GetState() = 0;
    virtual void Random_SetState(std::uint64_t state) = 0;

    virtual float Timer_GetTime() = 0;
    virtual float Timer_GetDelta() = 0;
    // Frames shown in the last whole second of real time.
    virtual int Timer_GetFPS() = 0;
    // Real seconds an update step and the drawing of a frame took on average in that
    // second (the drawing without the wait for the display).
    virtual float Timer_GetUpdateTime() = 0;
    virtual float Timer_GetRenderTime() = 0;

    virtual HEFFECT Effect_Load(const char* filename) = 0;
    virtual void Effect_Free(HEFFECT eff) = 0;
    virtual HCHANNEL Effect_Play(HEFFECT eff) = 0;

    virtual HMUSIC Music_Load(const char* filename) = 0;
    virtual void Music_Free(HMUSIC mus) = 0;
    virtual HCHANNEL Music_Play(HMUSIC mus, bool loop) = 0;

    virtual HSTREAM Stream_Load(const char* filename) = 0;
    virtual void Stream_Free(HSTREAM stream) = 0;
    virtual HCHANNEL Stream_Play(HSTREAM stream, bool loop) = 0;

    // Volume 0..100.
    virtual void Channel_SetVolume(HCHANNEL chn, int volume) = 0;
    virtual void Channel_Stop(HCHANNEL chn) = 0;
    virtual bool Channel_IsPlaying(HCHANNEL chn) = 0;

    // Positions are in canvas coordinates (800x600), whatever the window size.
    virtual void Input_GetMousePos(float* x, float* y) = 0;
    virtual void Input_SetMousePos(float x, float y) = 0;
    virtual int Input_GetMouseWheel() = 0;
    virtual bool Input_GetKeyState(int key) = 0;
    // Game controllers attached now, in slots 0.. in the order they were attached.
    virtual int Input_GetPadCount() = 0;
    // The key as held by controller `pad` alone, or by the keyboard and mouse alone for
    // INPUT_KEYBOARD; Input_GetKeyState is any of them.
    virtual bool Input_GetPadKeyState(int pad, int key) = 0;
    // The key or mouse button pressed this frame, 0 if none.
    virtual int Input_GetKey() = 0;
    virtual const char* Input_GetKeyName(int key) = 0;

    virtual bool Gfx_BeginScene(HTARGET target = 0) = 0;
    virtual void Gfx_EndScene() = 0;
    virtual void Gfx_Clear(DWORD color) = 0;
    virtual void Gfx_RenderLine(float x1, float y1, float x2, float y2, DWORD color = 0xFFFFFFFF,
                                float z = 0.5f) = 0;
    virtual void Gfx_RenderQuad(const hgeQuad* quad) = 0;
    // Limits drawing to a rectangle of the canvas; width 0 turns clipping off.
    virtual void Gfx_SetClipping(int x = 0, int y = 0, int w = 0, int h = 0) = 0;

    virtual HTARGET Target_Create(int width, int height, bool zbuffer) = 0;
    virtual void Target_Free(HTARGET target) = 0;
    virtual HTEXTURE Target_GetTexture(HTARGET target) = 0;

    // PNG from the attached packs or the disk; 0 when it cannot be loaded.
    virtual HTEXTURE Texture_Load(const char* filename) = 0;
    virtual void Texture_Free(HTEXTURE tex) = 0;
    // A loaded picture's copy on the device goes (false) while the handle stays good, or
    // comes back from the picture file (true). Drawn while gone, it comes back first.
    virtual void Texture_SetResident(HTEXTURE tex, bool resident) = 0;
    virtual int Texture_GetWidth(HTEXTURE tex) = 0;
    virtual int Texture_GetHeight(HTEXTURE tex) = 0;
};

// Creates the engine of the backend this program is linked with, or returns the existing
// one with one more reference.
hgeEngine* hgeCreate(int version);
// A program that links a second backend sets this before its first hgeCreate to have
// that backend's engine made instead.
extern hgeEngine* (*hgeCreateInstead)(int version);

// The engine the game and the toolkit draw, play and read through.
extern hgeEngine* hge;
