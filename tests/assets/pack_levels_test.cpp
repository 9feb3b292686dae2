// What the built pack's sounds do over time: the streams loop to the sample without a
// jump, the sound roles stand in the right loudness order, and no two effect numbers
// are one sound at two pitches.
#include <gtest/gtest.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "assets/loudness.h"
#include "assets/song.h"
#include "tests/assets/pack_fixture.h"

namespace {

constexpr int EFFECT_RATE = 22050, STREAM_RATE = 44100;

std::vector<float> wavSamples(const std::string& wav) {
    std::vector<float> out;
    for (std::size_t i = 44; i + 1 < wav.size(); i += 2) {
        std::int16_t v;
        std::memcpy(&v, wav.data() + i, 2);
        out.push_back(v / 32768.0f);
    }
    return out;
}

struct Reader {
    const std::string* bytes;
    std::size_t at = 0;
};

std::size_t readBytes(void* to, std::size_t size, std::size_t count, void* source) {
    Reader& r = *static_cast<Reader*>(source);
    const std::size_t n = std::min(size * count, r.bytes->size() - r.at);
    std::memcpy(to, r.bytes->data() + r.at, n);
    r.at += n;
    return size ? n / size : 0;
}

int seekTo(void* source, ogg_int64_t offset, int whence) {
    Reader& r = *static_cast<Reader*>(source);
    const long long base = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? (long long)r.at : (long long)r.bytes->size();
    if (base + offset < 0 || base + offset > (long long)r.bytes->size()) return -1;
    r.at = std::size_t(base + offset);
    return 0;
}

long tellAt(void* source) {
    return long(static_cast<Reader*>(source)->at);
}

// Interleaved stereo samples of an Ogg Vorbis stream; empty when it cannot be decoded.
std::vector<float> decodeStream(const std::string& ogg) {
    Reader reader{&ogg};
    OggVorbis_File vf;
    const ov_callbacks calls{readBytes, seekTo, nullptr, tellAt};
    std::vector<float> out;
    if (ov_open_callbacks(&reader, &vf, nullptr, 0, calls) != 0) return out;
    float** pcm = nullptr;
    int section = 0;
    long n;
    while ((n = ov_read_float(&vf, &pcm, 4096, &section)) > 0)
        for (long i = 0; i < n; ++i) {
            out.push_back(pcm[0][i]);
            out.push_back(pcm[1][i]);
        }
    ov_clear(&vf);
    return out;
}

class PackLevels : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(pack.error.empty()) << pack.error; }
    std::vector<float> effect(int n) const { return wavSamples(pack.file("sfx/sfx" + std::to_string(n) + ".wav")); }
    double effectDb(int n) const { return loudestDb(effect(n), 1, EFFECT_RATE); }
    const BuiltPack& pack = BuiltPack::get();
};

}  // namespace

TEST_F(PackLevels, StreamsLastExactlyTheirBarsAndJoinWithoutAJump) {
    int streams = 0;
    for (const ResEntry& e : pack.script.entries) {
        if (e.type != "Stream") continue;
        ++streams;
        const std::vector<float> s = decodeStream(pack.file(e.filename));
        ASSERT_FALSE(s.empty()) << e.name << " does not decode";
        Song song;
        ASSERT_TRUE(composeSong(e.name, song)) << e.name;
        const double beats = song.rows / 4.0;
        const auto expected = std::size_t(std::lround(beats * 60.0 / song.bpm * STREAM_RATE));
        EXPECT_EQ(s.size() / 2, expected) << e.name << " is not its bars long";
        // The step from the last frame to the first must look like any other step in the
        // tune: no bigger than the steps that its loudest moments take.
        std::vector<float> steps;
        for (std::size_t i = 2; i < s.size(); ++i) steps.push_back(std::fabs(s[i] - s[i - 2]));
        std::nth_element(steps.begin(), steps.begin() + steps.size() * 999 / 1000, steps.end());
        const float usual = steps[steps.size() * 999 / 1000];
        for (int c = 0; c < 2; ++c)
            EXPECT_LE(std::fabs(s[c] - s[s.size() - 2 + c]), usual) << e.name << " jumps at the loop, channel " << c;
    }
    EXPECT_EQ(streams, 12);
}

TEST_F(PackLevels, BlastsAndHitsStandAboveMenuSoundsAndMusicSitsBelowAll) {
    const int loud[] = {33, 34, 35, 95, 97, 4, 17, 23, 24, 25, 26, 27};
    const int quiet[] = {1, 2, 3};
    double quietest = 1e9, loudestQuiet = -1e9;
    for (int n : loud) quietest = std::min(quietest, effectDb(n));
    for (int n : quiet) loudestQuiet = std::max(loudestQuiet, effectDb(n));
    EXPECT_GE(quietest - loudestQuiet, 5.0) << "blasts and hits must be clearly above blips and coins";
    // The bigger the bomb, the louder and longer its blast.
    EXPECT_LT(effectDb(33), effectDb(35) + 0.5);
    EXPECT_LT(effect(33).size(), effect(34).size());
    EXPECT_LT(effect(34).size(), effect(35).size());
    for (const ResEntry& e : pack.script.entries) {
        if (e.type != "Stream") continue;
        const double music = loudestDb(decodeStream(pack.file(e.filename)), 2, STREAM_RATE);
        EXPECT_LT(music, loudestQuiet - 2.0) << e.name << " is as loud as the menu sounds";
    }
}

namespace {

// A sound's outline: per 10 ms, its level and how often it crosses zero (its brightness).
// Correlation ignores scale, so one shape replayed at another pitch matches itself.
struct Outline {
    std::vector<double> level, crossings;
};

Outline outline(const std::vector<float>& s) {
    Outline o;
    const std::size_t frame = EFFECT_RATE / 100;
    for (std::size_t at = 0; at + frame <= s.size(); at += frame) {
        double sum = 0;
        int crossings = 0;
        for (std::size_t i = at; i < at + frame; ++i) {
            sum += double(s[i]) * s[i];
            if (i > at && (s[i] < 0) != (s[i - 1] < 0)) ++crossings;
        }
        o.level.push_back(std::sqrt(sum / frame));
        o.crossings.push_back(crossings);
    }
    return o;
}

double correlation(const std::vector<double>& a, const std::vector<double>& b) {
    const std::size_t n = std::min(a.size(), b.size());
    if (n < 3) return 0;
    double ma = 0, mb = 0;
    for (std::size_t i = 0; i < n; ++i) ma += a[i], mb += b[i];
    ma /= n, mb /= n;
    double ab = 0, aa = 0, bb = 0;
    for (std::size_t i = 0; i < n; ++i) {
        ab += (a[i] - ma) * (b[i] - mb);
        aa += (a[i] - ma) * (a[i] - ma);
        bb += (b[i] - mb) * (b[i] - mb);
    }
    return aa > 0 && bb > 0 ? ab / std::sqrt(aa * bb) : 0;
}

}  // namespace

TEST_F(PackLevels, NoTwoEffectsAreOneShapeAtTwoPitches) {
    std::map<int, Outline> outlines;
    for (int n = 0; n < 112; ++n) outlines[n] = outline(effect(n));
    for (int a = 0; a < 112; ++a)
        for (int b = a + 1; b < 112; ++b) {
            const Outline &x = outlines[a], &y = outlines[b];
            const double lengths = double(x.level.size()) / std::max<std::size_t>(1, y.level.size());
            if (lengths < 0.9 || lengths > 1.1) continue;
            const bool same = correlation(x.level, y.level) > 0.97 && correlation(x.crossings, y.crossings) > 0.97;
            EXPECT_FALSE(same) << "sfx" << a << " and sfx" << b << " are one sound";
        }
}
