// Sound through the mixer on the dummy audio driver, and a game that goes on silently
// when no audio device can be opened.
#include <malloc.h>

#include <cstdlib>
#include <fstream>

#include "sdl_test_support.h"

using SdlSoundTest = SdlEngineTest;

TEST_F(SdlSoundTest, EffectsMusicAndStreamsPlayAndStop) {
    ASSERT_TRUE(engine->soundAvailable());
    TempDir dir;
    const std::string wav = dir.file("tone.wav");
    writeToneWav(wav, 2.0);

    const HEFFECT effect = hge->Effect_Load(wav.c_str());
    ASSERT_NE(effect, 0u);
    const HCHANNEL first = hge->Effect_Play(effect);
    ASSERT_NE(first, 0u);
    EXPECT_TRUE(hge->Channel_IsPlaying(first));
    hge->Channel_SetVolume(first, 50);
    hge->Channel_Stop(first);
    EXPECT_FALSE(hge->Channel_IsPlaying(first));

    // The next play may reuse the mixer channel; the old handle must not reach it.
    const HCHANNEL second = hge->Effect_Play(effect);
    ASSERT_NE(second, 0u);
    EXPECT_NE(second, first);
    hge->Channel_Stop(first);
    EXPECT_TRUE(hge->Channel_IsPlaying(second));
    EXPECT_FALSE(hge->Channel_IsPlaying(first));

    const HSTREAM stream = hge->Stream_Load(wav.c_str());
    const HMUSIC music = hge->Music_Load(wav.c_str());
    ASSERT_TRUE(stream && music);
    const HCHANNEL streamChannel = hge->Stream_Play(stream, true);
    EXPECT_TRUE(hge->Channel_IsPlaying(streamChannel));
    EXPECT_NE(streamChannel, second);
    // One music player: starting the music ends the stream.
    const HCHANNEL musicChannel = hge->Music_Play(music, false);
    EXPECT_TRUE(hge->Channel_IsPlaying(musicChannel));
    EXPECT_FALSE(hge->Channel_IsPlaying(streamChannel));
    hge->Channel_Stop(streamChannel);
    EXPECT_TRUE(hge->Channel_IsPlaying(musicChannel)) << "a stale handle stops nothing";
    EXPECT_TRUE(hge->Channel_IsPlaying(second)) << "effects play beside the music";
    hge->Channel_Stop(musicChannel);
    EXPECT_FALSE(hge->Channel_IsPlaying(musicChannel));

    hge->Music_Free(music);
    hge->Stream_Free(stream);
    hge->Effect_Free(effect);
    EXPECT_FALSE(hge->Channel_IsPlaying(second)) << "freeing an effect stops it";
    EXPECT_EQ(hge->Effect_Play(effect), 0u);
}

namespace {
std::size_t heapBytes() {
    const struct mallinfo2 m = mallinfo2();
    return m.uordblks + m.hblkhd;
}
}  // namespace

// The game's effects are mono at 22 kHz, played at 44 kHz in stereo. Until it first plays an
// effect holds its file; then four times its samples, not the mixer's worst-case
// conversion buffer on top.
TEST_F(SdlSoundTest, AnEffectHoldsItsFileThenOnlyItsConvertedSamples) {
    ASSERT_TRUE(engine->soundAvailable());
    TempDir dir;
    const std::string wav = dir.file("tone.wav");
    constexpr double SECONDS = 4.0;
    writeToneWav(wav, SECONDS);
    const std::size_t before = heapBytes();
    const HEFFECT effect = hge->Effect_Load(wav.c_str());
    ASSERT_NE(effect, 0u);
    EXPECT_LT(static_cast<double>(heapBytes() - before), 1.25 * SECONDS * 22050 * 2) << "bytes kept before playing";
    const HCHANNEL channel = hge->Effect_Play(effect);
    EXPECT_NE(channel, 0u);
    EXPECT_TRUE(hge->Channel_IsPlaying(channel));
    EXPECT_LT(static_cast<double>(heapBytes() - before), 1.25 * SECONDS * 44100 * 4) << "bytes kept once played";
    hge->Effect_Free(effect);
    EXPECT_FALSE(hge->Channel_IsPlaying(channel));
}

TEST_F(SdlSoundTest, MissingAndDamagedFilesGiveNoHandle) {
    TempDir dir;
    const std::string junk = dir.file("junk.wav");
    std::ofstream(junk) << "this is not a sound";
    EXPECT_EQ(hge->Effect_Load(dir.file("absent.wav").c_str()), 0u);
    EXPECT_EQ(hge->Effect_Load(junk.c_str()), 0u);
    EXPECT_EQ(hge->Music_Load(junk.c_str()), 0u);
    EXPECT_TRUE(logContains("absent.wav"));
    EXPECT_TRUE(logContains("junk.wav"));
    EXPECT_EQ(hge->Effect_Play(12345), 0u);
    EXPECT_FALSE(hge->Channel_IsPlaying(12345));
}

// Started with an audio driver that does not exist, as on a machine without a sound card.
class SdlSilentTest : public SdlEngineTest {
protected:
    void SetUp() override {
        setenv("SDL_AUDIODRIVER", "no_such_driver", 1);
        SdlEngineTest::SetUp();
    }
    void TearDown() override {
        SdlEngineTest::TearDown();
        setenv("SDL_AUDIODRIVER", "dummy", 1);
    }
};

TEST_F(SdlSilentTest, EverySoundCallIsAQuietNoOp) {
    EXPECT_FALSE(engine->soundAvailable());
    EXPECT_TRUE(logContains("Sound is off"));
    TempDir dir;
    const std::string wav = dir.file("tone.wav");
    writeToneWav(wav, 0.1);
    EXPECT_EQ(hge->Effect_Load(wav.c_str()), 0u);
    EXPECT_EQ(hge->Music_Load(wav.c_str()), 0u);
    EXPECT_EQ(hge->Stream_Load(wav.c_str()), 0u);
    EXPECT_EQ(hge->Effect_Play(0), 0u);
    EXPECT_EQ(hge->Music_Play(1, true), 0u);
    EXPECT_EQ(hge->Stream_Play(1, false), 0u);
    hge->Channel_SetVolume(1, 50);
    hge->Channel_Stop(0xFF01);
    EXPECT_FALSE(hge->Channel_IsPlaying(0xFF01));
    hge->System_SetState(HGE_FXVOLUME, 30);
    EXPECT_EQ(runFrames(2, [](int) { return false; }), 2) << "the game runs on";
}
