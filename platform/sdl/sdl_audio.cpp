#include "platform/sdl/sdl_audio.h"

#include <SDL.h>

#include <algorithm>

namespace {
constexpr std::uintptr_t SLOT_BITS = 8;
constexpr std::uintptr_t SLOT_MASK = (1u << SLOT_BITS) - 1;
// Slot number of the music player; effect channels use 1..MIXER_CHANNELS.
constexpr std::uintptr_t MUSIC_SLOT = SLOT_MASK;

std::uintptr_t makeChannel(std::uint32_t generation, std::uintptr_t slot) {
    return (static_cast<std::uintptr_t>(generation) << SLOT_BITS) | slot;
}
std::uint32_t generationOf(std::uintptr_t channel) { return static_cast<std::uint32_t>(channel >> SLOT_BITS); }

int mixerVolume(int percent) { return std::clamp(percent, 0, 100) * MIX_MAX_VOLUME / 100; }
}  // namespace

bool SdlAudio::open(const Logger& log) {
    close();
    log_ = log;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        log_(std::string("Sound is off: no audio driver (") + SDL_GetError() + ")");
        return false;
    }
    subsystemStarted_ = true;
    const int wanted = MIX_INIT_MOD | MIX_INIT_OGG;
    const int formats = Mix_Init(wanted);
    mixerStarted_ = true;
    if ((formats & wanted) != wanted) {
        log_(std::string("Sound: some music formats are unavailable (") + Mix_GetError() + ")");
    }
    if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
        log_(std::string("Sound is off: cannot open the audio device (") + Mix_GetError() + ")");
        close();
        return false;
    }
    const int channels = Mix_AllocateChannels(MIXER_CHANNELS);
    channels_.assign(static_cast<std::size_t>(channels), ChannelSlot{});
    open_ = true;
    return true;
}

void SdlAudio::close() {
    if (open_) {
        Mix_HaltChannel(-1);
        Mix_HaltMusic();
        for (auto& [handle, effect] : effects_)
            if (effect.chunk) Mix_FreeChunk(effect.chunk);
        for (auto& [handle, music] : musics_) Mix_FreeMusic(music.music);
        Mix_CloseAudio();
        open_ = false;
    }
    effects_.clear();
    musics_.clear();
    channels_.clear();
    if (mixerStarted_) {
        Mix_Quit();
        mixerStarted_ = false;
    }
    if (subsystemStarted_) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        subsystemStarted_ = false;
    }
}

Mix_Chunk* SdlAudio::decodeEffect(const void* bytes, std::size_t size, const std::string& name) {
    SDL_RWops* rw = SDL_RWFromConstMem(bytes, static_cast<int>(size));
    Mix_Chunk* chunk = rw ? Mix_LoadWAV_RW(rw, 1) : nullptr;
    if (!chunk) {
        log_("Sound: cannot decode effect '" + name + "' (" + Mix_GetError() + ")");
        return nullptr;
    }
    // The mixer converts into a buffer sized for the largest possible conversion and keeps
    // all of it (four times the sound for a mono 22 kHz file): give the unused part back.
    if (chunk->allocated && chunk->alen > 0) {
        if (void* fitted = SDL_realloc(chunk->abuf, chunk->alen)) chunk->abuf = static_cast<Uint8*>(fitted);
    }
    return chunk;
}

std::uintptr_t SdlAudio::loadEffect(const void* bytes, std::size_t size, const std::string& name) {
    if (!open_ || !bytes) return 0;
    // Decoded once here so that a damaged file is refused when it is loaded, not when played.
    Mix_Chunk* chunk = decodeEffect(bytes, size, name);
    if (!chunk) return 0;
    Mix_FreeChunk(chunk);
    Effect effect;
    effect.name = name;
    effect.file.assign(static_cast<const char*>(bytes), static_cast<const char*>(bytes) + size);
    const std::uintptr_t handle = nextHandle_++;
    effects_.emplace(handle, std::move(effect));
    return handle;
}

void SdlAudio::freeEffect(std::uintptr_t effect) {
    const auto it = effects_.find(effect);
    if (it == effects_.end()) return;
    if (it->second.chunk) Mix_FreeChunk(it->second.chunk);  // halts the channels playing it
    effects_.erase(it);
}

std::uintptr_t SdlAudio::playEffect(std::uintptr_t effect) {
    const auto it = effects_.find(effect);
    if (it == effects_.end()) return 0;
    Effect& e = it->second;
    if (!e.chunk) {
        e.chunk = decodeEffect(e.file.data(), e.file.size(), e.name);
        if (!e.chunk) return 0;
        std::vector<char>().swap(e.file);
    }
    const int channel = Mix_PlayChannel(-1, e.chunk, 0);
    if (channel < 0 || channel >= static_cast<int>(channels_.size())) return 0;
    ChannelSlot& slot = channels_[static_cast<std::size_t>(channel)];
    slot.generation = nextGeneration_++;
    slot.volume = 100;
    applyEffectVolume(channel);
    return makeChannel(slot.generation, static_cast<std::uintptr_t>(channel) + 1);
}

std::uintptr_t SdlAudio::loadMusic(const void* bytes, std::size_t size, const std::string& name) {
    if (!open_ || !bytes) return 0;
    Music record;
    record.bytes.assign(static_cast<const char*>(bytes), static_cast<const char*>(bytes) + size);
    SDL_RWops* rw = SDL_RWFromConstMem(record.bytes.data(), static_cast<int>(record.bytes.size()));
    record.music = rw ? Mix_LoadMUS_RW(rw, 1) : nullptr;
    if (!record.music) {
        log_("Sound: cannot decode music '" + name + "' (" + Mix_GetError() + ")");
        return 0;
    }
    const std::uintptr_t handle = nextHandle_++;
    // Moving the record keeps the byte buffer where the decoder reads it.
    musics_.emplace(handle, std::move(record));
    return handle;
}

void SdlAudio::freeMusic(std::uintptr_t music) {
    const auto it = musics_.find(music);
    if (it == musics_.end()) return;
    Mix_FreeMusic(it->second.music);  // stops it first if it is playing
    musics_.erase(it);
}

std::uintptr_t SdlAudio::playMusic(std::uintptr_t music, bool loop) {
    const auto it = musics_.find(music);
    if (it == musics_.end()) return 0;
    if (Mix_PlayMusic(it->second.music, loop ? -1 : 1) != 0) {
        log_(std::string("Sound: cannot play music (") + Mix_GetError() + ")");
        return 0;
    }
    Mix_VolumeMusic(MIX_MAX_VOLUME);
    musicGeneration_ = nextGeneration_++;
    return makeChannel(musicGeneration_, MUSIC_SLOT);
}

int SdlAudio::effectChannel(std::uintptr_t channel) const {
    const std::uintptr_t slot = channel & SLOT_MASK;
    if (slot == 0 || slot > channels_.size()) return -1;
    const int index = static_cast<int>(slot) - 1;
    if (channels_[static_cast<std::size_t>(index)].generation != generationOf(channel)) return -1;
    return index;
}

bool SdlAudio::isMusicChannel(std::uintptr_t channel) const {
    return open_ && (channel & SLOT_MASK) == MUSIC_SLOT && musicGeneration_ != 0 &&
           generationOf(channel) == musicGeneration_;
}

void SdlAudio::applyEffectVolume(int mixerChannel) {
    const int percent = channels_[static_cast<std::size_t>(mixerChannel)].volume * effectVolume_ / 100;
    Mix_Volume(mixerChannel, mixerVolume(percent));
}

void SdlAudio::setVolume(std::uintptr_t channel, int volume) {
    volume = std::clamp(volume, 0, 100);
    if (isMusicChannel(channel)) {
        Mix_VolumeMusic(mixerVolume(volume));
        return;
    }
    const int index = effectChannel(channel);
    if (index < 0) return;
    channels_[static_cast<std::size_t>(index)].volume = volume;
    applyEffectVolume(index);
}

void SdlAudio::stop(std::uintptr_t channel) {
    if (isMusicChannel(channel)) {
        Mix_HaltMusic();
        return;
    }
    const int index = effectChannel(channel);
    if (index >= 0) Mix_HaltChannel(index);
}

bool SdlAudio::isPlaying(std::uintptr_t channel) const {
    if (isMusicChannel(channel)) return Mix_PlayingMusic() != 0;
    const int index = effectChannel(channel);
    return index >= 0 && Mix_Playing(index) != 0;
}

void SdlAudio::setEffectVolume(int volume) {
    effectVolume_ = std::clamp(volume, 0, 100);
    for (int i = 0; i < static_cast<int>(channels_.size()); ++i) applyEffectVolume(i);
}
