// Every sound, tune and stream in the pack loads through the mixer the game uses (with
// the dummy audio driver), sound effects start and end quietly and stay short, and
// every tune plays audibly but under the effects.
#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_mixer.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "assets/loudness.h"
#include "tests/assets/pack_fixture.h"

namespace {

class PackAudio : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
        opened = SDL_Init(SDL_INIT_AUDIO) == 0;
        Mix_Init(MIX_INIT_OGG | MIX_INIT_MOD);
        opened = opened && Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) == 0;
    }
    static void TearDownTestSuite() {
        Mix_CloseAudio();
        Mix_Quit();
        SDL_Quit();
    }
    void SetUp() override {
        ASSERT_TRUE(pack.error.empty()) << pack.error;
        ASSERT_TRUE(opened) << Mix_GetError();
    }

    static inline bool opened = false;
    const BuiltPack& pack = BuiltPack::get();
};

std::int16_t sampleAt(const std::string& wav, std::size_t byte) {
    std::int16_t v;
    std::memcpy(&v, wav.data() + byte, 2);
    return v;
}

}  // namespace

TEST_F(PackAudio, SoundEffectsLoadAreDistinctShortAndClickFree) {
    std::set<std::string> distinct;
    int sounds = 0;
    for (const ResEntry& e : pack.script.entries) {
        if (e.type != "Sound") continue;
        ++sounds;
        const std::string wav = pack.file(e.filename);
        ASSERT_GT(wav.size(), 44u) << e.name;
        EXPECT_TRUE(distinct.insert(wav).second) << e.name << " sounds exactly like another effect";
        Mix_Chunk* chunk = Mix_LoadWAV_RW(SDL_RWFromConstMem(wav.data(), int(wav.size())), 1);
        EXPECT_NE(chunk, nullptr) << e.name << ": " << Mix_GetError();
        if (chunk) Mix_FreeChunk(chunk);
        // Plain 16-bit mono data after a 44-byte header: the edges are near silence.
        const std::size_t samples = (wav.size() - 44) / 2;
        EXPECT_LT(samples, 22050u * 2) << e.name << " is longer than 2 s";
        EXPECT_LT(std::abs(sampleAt(wav, 44)), 600) << e.name << " starts with a click";
        EXPECT_LT(std::abs(sampleAt(wav, wav.size() - 2)), 600) << e.name << " ends with a click";
    }
    EXPECT_EQ(sounds, 112);
}

namespace {

std::vector<float> mixed;

void measureMix(void*, Uint8* stream, int length) {
    const auto* samples = reinterpret_cast<const Sint16*>(stream);
    for (int i = 0; i < length / 2; ++i) mixed.push_back(samples[i] / 32768.0f);
}

}  // namespace

TEST_F(PackAudio, MusicAndStreamsLoadAsTheirKindAndPlayAudibly) {
    Mix_SetPostMix(measureMix, nullptr);
    int tracks = 0;
    for (const ResEntry& e : pack.script.entries) {
        if (e.type != "Music" && e.type != "Stream") continue;
        ++tracks;
        const std::string bytes = pack.file(e.filename);
        Mix_Music* music = Mix_LoadMUS_RW(SDL_RWFromConstMem(bytes.data(), int(bytes.size())), 1);
        ASSERT_NE(music, nullptr) << e.name << ": " << Mix_GetError();
        const Mix_MusicType kind = Mix_GetMusicType(music);
        EXPECT_EQ(kind, e.type == "Music" ? MUS_MOD : MUS_OGG) << e.name;
        // The dummy driver mixes in real time: a quarter second must carry sound.
        Mix_PlayMusic(music, 0);
        SDL_Delay(50);
        SDL_LockAudio();
        mixed.clear();
        SDL_UnlockAudio();
        SDL_Delay(250);
        Mix_HaltMusic();
        SDL_LockAudio();
        const double level = loudestDb(mixed, 2, 44100, 0.1);
        SDL_UnlockAudio();
        EXPECT_GT(level, -45.0) << e.name << " plays silence";
        // Under the menu blips (about -17.5) as the mixer plays it, so effects read over it.
        EXPECT_LT(level, -19.0) << e.name << " is too loud at " << level << " dB";
        Mix_FreeMusic(music);
    }
    Mix_SetPostMix(nullptr, nullptr);
    EXPECT_EQ(tracks, 20);
}
