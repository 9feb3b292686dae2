// Sound on SDL2_mixer: effects are chunks played on mixer channels, music and streams
// share the mixer's single music player. When no audio device opens, every call is a
// quiet no-op that returns 0, and the game goes on silent.
//
// A channel handle carries the mixer channel and the generation of the play that made
// it, so a handle kept after its sound ended never touches a later sound on the same
// channel.
#pragma once

#include <SDL_mixer.h>

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

class SdlAudio {
public:
    using Logger = std::function<void(const std::string&)>;

    static constexpr int MIXER_CHANNELS = 32;

    ~SdlAudio() { close(); }

    // Opens the device; false (with one log line) leaves sound off.
    bool open(const Logger& log);
    void close();
    bool isOpen() const { return open_; }

    // Handles are 0 when the bytes cannot be decoded or sound is off.
    std::uintptr_t loadEffect(const void* bytes, std::size_t size, const std::string& name);
    void freeEffect(std::uintptr_t effect);
    std::uintptr_t playEffect(std::uintptr_t effect);

    // Music and streams: the bytes are kept for as long as the handle lives.
    std::uintptr_t loadMusic(const void* bytes, std::size_t size, const std::string& name);
    void freeMusic(std::uintptr_t music);
    std::uintptr_t playMusic(std::uintptr_t music, bool loop);

    // Volume 0..100; an effect channel is further scaled by the effect volume.
    void setVolume(std::uintptr_t channel, int volume);
    void stop(std::uintptr_t channel);
    bool isPlaying(std::uintptr_t channel) const;
    // Effect volume 0..100, applied to playing effects at once.
    void setEffectVolume(int volume);

private:
    struct Music {
        std::vector<char> bytes;
        Mix_Music* music = nullptr;
    };
    // An effect keeps its file until it first plays, and from then on only its samples in
    // the device's format (four times the file for the game's mono 22 kHz effects): most of
    // the effects never play on a given screen.
    struct Effect {
        std::string name;
        std::vector<char> file;
        Mix_Chunk* chunk = nullptr;
    };
    struct ChannelSlot {
        std::uint32_t generation = 0;
        int volume = 100;
    };

    // -1 when the handle is not a live effect play.
    int effectChannel(std::uintptr_t channel) const;
    bool isMusicChannel(std::uintptr_t channel) const;
    // The file's samples converted for the device, or null (and a log line).
    Mix_Chunk* decodeEffect(const void* bytes, std::size_t size, const std::string& name);
    void applyEffectVolume(int mixerChannel);

    Logger log_;
    bool open_ = false;
    bool subsystemStarted_ = false;
    bool mixerStarted_ = false;
    int effectVolume_ = 100;
    std::uintptr_t nextHandle_ = 1;
    std::map<std::uintptr_t, Effect> effects_;
    std::map<std::uintptr_t, Music> musics_;
    std::vector<ChannelSlot> channels_;
    std::uint32_t nextGeneration_ = 1;
    std::uint32_t musicGeneration_ = 0;
};
