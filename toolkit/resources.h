// The resource descriptions a script declares: what to create and with which settings.
// Each one creates its object on the first Get and destroys it on Free.
#pragma once

#include <cstdint>
#include <string>

#include "platform/hge.h"

class hgeResourceManager;
class RScriptParser;

// The manager's lists, one per type.
constexpr int RES_SCRIPT = 0;
constexpr int RES_RESOURCE = 1;
constexpr int RES_TEXTURE = 2;
constexpr int RES_EFFECT = 3;
constexpr int RES_MUSIC = 4;
constexpr int RES_STREAM = 5;
constexpr int RES_TARGET = 6;
constexpr int RES_SPRITE = 7;
constexpr int RES_ANIMATION = 8;
constexpr int RES_FONT = 9;
constexpr int RES_PARTICLE = 10;
constexpr int RES_DISTORT = 11;
constexpr int RESTYPES = 12;

struct ResDesc {
    std::string name;
    int resgroup = 0;
    // The created object or engine handle, 0 while not created.
    std::uintptr_t handle = 0;
    // Next description of the same type; lists are newest first.
    ResDesc* next = nullptr;

    ResDesc() = default;
    ResDesc(const ResDesc&) = default;
    ResDesc& operator=(const ResDesc&) = delete;
    virtual ~ResDesc() = default;

    // Creates the object if needed; 0 when it cannot be created.
    virtual std::uintptr_t Get(hgeResourceManager* rm) = 0;
    // Destroys the object; the description stays for the next Get.
    virtual void Free() = 0;
    // Reads the value of one property key; false when the type has no such property.
    virtual bool readProperty(RScriptParser& parser, int key) = 0;
};

// Scripts are described too, so that a script is parsed only once.
struct RScript : ResDesc {
    // parser is the including script's (null for the manager's own script).
    static void Parse(hgeResourceManager* rm, RScriptParser* parser, const std::string& name,
                      const std::string& basename);
    // Parses a script's text as if it had been loaded under that name.
    static void ParseText(hgeResourceManager* rm, const std::string& name, const char* text);
    std::uintptr_t Get(hgeResourceManager*) override { return 0; }
    void Free() override {}
    bool readProperty(RScriptParser&, int) override { return false; }
};

// Types whose object is loaded from one file.
struct RFileDesc : ResDesc {
    std::string filename;
    // A file that failed to load (and was logged by the engine) is not asked for again: the
    // pack does not change while the game runs.
    bool failed = false;
    bool readProperty(RScriptParser& parser, int key) override;
};

struct RResource : RFileDesc {
    DWORD size = 0;
    static void Parse(hgeResourceManager* rm, RScriptParser* parser, const std::string& name,
                      const std::string& basename);
    std::uintptr_t Get(hgeResourceManager* rm) override;
    void Free() override;
};

// A file type whose object the engine loads and frees by file name; only the pair of
// engine calls differs between textures, sounds, music and streams.
template <std::uintptr_t (hgeEngine::*Load)(const char*), void (hgeEngine::*Unload)(std::uintptr_t)>
struct REngineFile : RFileDesc {
    std::uintptr_t Get(hgeResourceManager*) override {
        if (!handle && !failed) {
            handle = (hge->*Load)(filename.c_str());
            failed = !handle;
        }
        return handle;
    }
    void Free() override {
        if (handle) (hge->*Unload)(handle);
        handle = 0;
    }
};

struct RTexture : REngineFile<&hgeEngine::Texture_Load, &hgeEngine::Texture_Free> {
    static void Parse(hgeResourceManager* rm, RScriptParser* parser, const std::string& name,
                      const std::string& basename);
};

struct REffect : REngineFile<&hgeEngine::Effect_Load, &hgeEngine::Effect_Free> {
    static void Parse(hgeResourceManager* rm, RScriptParser* parser, const std::string& name,
                      const std::string& basename);
};

struct RMusic : REngineFile<&hgeEngine::Music_Load, &hgeEngine::Music_Free> {
    static void Parse(hgeResourceManager* rm, RScriptParser* parser, const std::string& name,
                      const std::string& basename);
};

struct RStream : REngineFile<&hgeEngine::Stream_Load, &hgeEngine::Stream_Free> {
    static void Parse(hgeResourceManager* rm, RScriptParser* parser, const std::string& name,
                      const std::string& basename);
};

struct RTarget : ResDesc {
    int width = 256;
    int height = 256;
    bool zbuffer = false;
    static void Parse(hgeResourceManager* rm, RScriptParser* parser, const std::string& name,
                      const std::string& basename);
    std::uintptr_t Get(hgeResourceManager* rm) override;
    void Free() override;
    bool readProperty(RScriptParser& parser, int key) override;
};

// The settings of a textured quad that sprites, animations and meshes share.
struct QuadSettings {
    std::string texture;
    float tx = 0, ty = 0, w = 0, h = 0;
    int blend = BLEND_DEFAULT;
    DWORD color = 0xFFFFFFFF;
    float z = 0.5f;
    bool readProperty(RScriptParser& parser, int key);
};

struct RSprite : ResDesc {
    QuadSettings quad;
    float hotX = 0, hotY = 0;
    bool flipX = false, flipY = false;
    static void Parse(hgeResourceManager* rm, RScriptParser* parser, const std::string& name,
                      const std::string& basename);
    std::uintptr_t Get(hgeResourceManager* rm) override;
    void Free() override;
    bool readProperty(RScriptParser& parser, int key) override;
};

struct RAnimation : RSprite {
    int frames = 1;
    float fps = 0;
    int mode = 4;  // forward, loop
    static void Parse(hgeResourceManager* rm, RScriptParser* parser, const std::string& name,
                      const std::string& basename);
    std::uintptr_t Get(hgeResourceManager* rm) override;
    void Free() override;
    bool readProperty(RScriptParser& parser, int key) override;
};

struct RFont : RFileDesc {
    int blend = BLEND_DEFAULT;
    DWORD color = 0xFFFFFFFF;
    float z = 0.5f;
    float scale = 1.0f;
    float rotation = 0;
    float tracking = 0;
    static void Parse(hgeResourceManager* rm, RScriptParser* parser, const std::string& name,
                      const std::string& basename);
    std::uintptr_t Get(hgeResourceManager* rm) override;
    void Free() override;
    bool readProperty(RScriptParser& parser, int key) override;
};

struct RParticle : RFileDesc {
    std::string spritename;
    static void Parse(hgeResourceManager* rm, RScriptParser* parser, const std::string& name,
                      const std::string& basename);
    std::uintptr_t Get(hgeResourceManager* rm) override;
    void Free() override;
    bool readProperty(RScriptParser& parser, int key) override;
};

struct RDistort : ResDesc {
    QuadSettings quad;
    int cols = 2, rows = 2;
    static void Parse(hgeResourceManager* rm, RScriptParser* parser, const std::string& name,
                      const std::string& basename);
    std::uintptr_t Get(hgeResourceManager* rm) override;
    void Free() override;
    bool readProperty(RScriptParser& parser, int key) override;
};
