// The engine's sound calls: files come through Resource_Load, the mixer does the rest.
#include "platform/sdl/sdl_engine.h"

std::uintptr_t SdlEngine::loadSound(const char* filename, bool asMusic) {
    if (!audio_.isOpen() || !filename) return 0;
    DWORD size = 0;
    void* bytes = Resource_Load(filename, &size);
    if (!bytes) {
        System_Log("Sound '%s' not found.", filename);
        return 0;
    }
    const std::uintptr_t handle =
        asMusic ? audio_.loadMusic(bytes, size, filename) : audio_.loadEffect(bytes, size, filename);
    Resource_Free(bytes);
    return handle;
}

HEFFECT SdlEngine::Effect_Load(const char* filename) { return loadSound(filename, false); }
void SdlEngine::Effect_Free(HEFFECT eff) { audio_.freeEffect(eff); }
HCHANNEL SdlEngine::Effect_Play(HEFFECT eff) { return audio_.playEffect(eff); }

HMUSIC SdlEngine::Music_Load(const char* filename) { return loadSound(filename, true); }
void SdlEngine::Music_Free(HMUSIC mus) { audio_.freeMusic(mus); }
HCHANNEL SdlEngine::Music_Play(HMUSIC mus, bool loop) { return audio_.playMusic(mus, loop); }

// A stream is music decoded as it plays, so it shares the music player.
HSTREAM SdlEngine::Stream_Load(const char* filename) { return loadSound(filename, true); }
void SdlEngine::Stream_Free(HSTREAM stream) { audio_.freeMusic(stream); }
HCHANNEL SdlEngine::Stream_Play(HSTREAM stream, bool loop) { return audio_.playMusic(stream, loop); }

void SdlEngine::Channel_SetVolume(HCHANNEL chn, int volume) { audio_.setVolume(chn, volume); }
void SdlEngine::Channel_Stop(HCHANNEL chn) { audio_.stop(chn); }
bool SdlEngine::Channel_IsPlaying(HCHANNEL chn) { return audio_.isPlaying(chn); }
