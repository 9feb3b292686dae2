// The sound and music generator's rules, checked on their own: the loudness meter hears
// as an ear does, levelling reaches its target without clipping, every tune has its
// song form with a hook that comes back note for note, each place has its own band and
// beat, and the tracker modules carry stereo, the lead's echo and swing.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "assets/loudness.h"
#include "assets/song.h"
#include "assets/synth.h"

namespace {

constexpr int RATE = 22050;

std::vector<float> sine(double hz, double seconds, double level) {
    std::vector<float> s(std::size_t(seconds * RATE));
    for (std::size_t i = 0; i < s.size(); ++i) s[i] = float(level * std::sin(2 * M_PI * hz * i / RATE));
    return s;
}

// The lead's notes of one bar, relative to the bar's first row.
std::vector<std::pair<int, int>> leadBar(const Song& song, int bar) {
    std::vector<std::pair<int, int>> notes;
    for (const SongNote& n : song.voices[LEAD])
        if (n.row / 16 == bar) notes.push_back({n.row % 16, n.pitch});
    return notes;
}

int countIn(const std::vector<SongNote>& voice, int firstRow, int rows) {
    int n = 0;
    for (const SongNote& note : voice) n += note.row >= firstRow && note.row < firstRow + rows;
    return n;
}

unsigned le32(const std::string& s, std::size_t at) {
    return (unsigned char)s[at] | (unsigned char)s[at + 1] << 8 | (unsigned char)s[at + 2] << 16 |
           unsigned((unsigned char)s[at + 3]) << 24;
}

struct ModuleCell {
    int note = 0, instrument = 0, effect = 0, param = 0;
};

// Unpacks every pattern of a module into cells [row][channel], and reads each
// instrument's sample panning.
void readModule(const std::string& xm, int channels, std::vector<std::vector<ModuleCell>>& rows,
                std::vector<int>& panning) {
    const int patterns = (unsigned char)xm[70] | (unsigned char)xm[71] << 8;
    const int instruments = (unsigned char)xm[72] | (unsigned char)xm[73] << 8;
    std::size_t at = 60 + le32(xm, 60);
    for (int p = 0; p < patterns; ++p) {
        const int count = (unsigned char)xm[at + 5] | (unsigned char)xm[at + 6] << 8;
        const std::size_t size = (unsigned char)xm[at + 7] | (unsigned char)xm[at + 8] << 8;
        std::size_t k = at + le32(xm, at);
        for (int r = 0; r < count; ++r) {
            rows.emplace_back(channels);
            for (int c = 0; c < channels; ++c) {
                const int flags = (unsigned char)xm[k++];
                ModuleCell& cell = rows.back()[c];
                if (flags & 1) cell.note = (unsigned char)xm[k++];
                if (flags & 2) cell.instrument = (unsigned char)xm[k++];
                if (flags & 4) ++k;
                if (flags & 8) cell.effect = (unsigned char)xm[k++];
                if (flags & 16) cell.param = (unsigned char)xm[k++];
            }
        }
        at += le32(xm, at) + size;
    }
    for (int i = 0; i < instruments; ++i) {
        const std::size_t sample = at + le32(xm, at);
        panning.push_back((unsigned char)xm[sample + 15]);
        at = sample + 40 + le32(xm, sample);
    }
}

}  // namespace

TEST(MusicParts, TheMeterHearsLikeAnEar) {
    EXPECT_NEAR(loudestDb(sine(1000, 1, 1.0), 1, RATE), 0.0, 0.3);
    EXPECT_NEAR(loudestDb(sine(1000, 1, 0.5), 1, RATE), -6.0, 0.3);
    // Low rumble counts for much less than the same level at 1 kHz.
    EXPECT_LT(loudestDb(sine(50, 1, 1.0), 1, RATE), -20.0);
    // A blip much shorter than the ear's window is heard as quieter than a held tone.
    EXPECT_LT(loudestDb(sine(1000, 0.05, 1.0), 1, RATE), -5.0);
    // A centred stereo signal is as loud as the same mono one.
    std::vector<float> stereo;
    for (float v : sine(1000, 1, 0.5)) stereo.insert(stereo.end(), {v, v});
    EXPECT_NEAR(loudestDb(stereo, 2, RATE), loudestDb(sine(1000, 1, 0.5), 1, RATE), 0.1);
    EXPECT_NEAR(averageDb(sine(1000, 1, 0.5), 1, RATE), -6.0, 0.3);
}

TEST(MusicParts, LevellingReachesItsTargetAndRoundsOffPeaks) {
    for (double target : {-9.0, -17.5}) {
        Signal quiet(RATE, 0.5);
        Tone t;
        t.length = 0.5;
        t.volume = 0.05;
        quiet.add(t);
        quiet.levelTo(target);
        EXPECT_NEAR(loudestDb(quiet.data(), 1, RATE), target, 0.3);
        float peak = 0;
        for (float v : quiet.data()) peak = std::max(peak, std::fabs(v));
        EXPECT_LT(peak, 0.98f);
    }
}

TEST(MusicParts, EveryTuneHasItsFormAndItsHookComesBack) {
    const char* NAMES[] = {"titleMusicSTR", "selectOppMUS", "musix0STR",  "musix1STR",   "musix2MUS",
                           "musix2aSTR",    "musix3MUS",    "musix3aMUS", "musix4MUS",   "musix4aSTR",
                           "musix5MUS",     "musix5aSTR",   "musix6STR",  "musix6aMUS",  "musix6bSTR",
                           "winMatchSTR",   "winGameSTR",   "selectRewSTR", "endingSTR", "creditsMUS"};
    for (const char* name : NAMES) {
        Song song;
        ASSERT_TRUE(composeSong(name, song)) << name;
        const int bars = song.rows / 16;
        EXPECT_GE(bars, 48) << name;
        EXPECT_LE(bars, 64) << name;
        // The first A section starts after a four-bar intro; the last A section sits
        // just before the four-bar outro. Their opening bars are the hook.
        for (int bar = 0; bar < 2; ++bar) {
            const auto first = leadBar(song, 4 + bar), last = leadBar(song, bars - 12 + bar);
            EXPECT_FALSE(first.empty()) << name;
            EXPECT_EQ(first, last) << name << ": the hook does not come back in bar " << bar;
        }
        // The intro leaves the lead out, and a bridge of eight bars drops the kick to
        // half time.
        EXPECT_EQ(countIn(song.voices[LEAD], 0, 64), 0) << name;
        int halfTimeRun = 0, longest = 0;
        for (int bar = 4; bar < bars; ++bar) {
            halfTimeRun = countIn(song.voices[KICK], bar * 16, 16) <= 2 ? halfTimeRun + 1 : 0;
            longest = std::max(longest, halfTimeRun);
        }
        EXPECT_GE(longest, 8) << name << " has no half-time bridge";
    }
}

TEST(MusicParts, EachPlaceHasItsOwnBandAndBeat) {
    std::set<std::vector<double>> bands;
    std::set<std::vector<int>> beats;
    for (int place = 0; place <= 6; ++place) {
        const std::string name = "musix" + std::to_string(place) + (place == 2 || place == 3 || place == 4 || place == 5
                                                                        ? "MUS"
                                                                        : "STR");
        Song song;
        ASSERT_TRUE(composeSong(name, song)) << name;
        bands.insert({double(song.sound[LEAD].timbre), double(song.sound[ARP].timbre), double(song.sound[BASS].timbre),
                      song.kit.kickHz, song.kit.snareTone});
        std::vector<int> kicks;
        for (const SongNote& n : song.voices[KICK])
            if (n.row / 16 == 5) kicks.push_back(n.row % 16);
        beats.insert(kicks);
    }
    EXPECT_EQ(bands.size(), 7u) << "two places share their instruments";
    EXPECT_EQ(beats.size(), 7u) << "two places share their drum pattern";
}

TEST(MusicParts, ModulesPanTheirVoicesEchoTheLeadAndSwing) {
    Song song;
    ASSERT_TRUE(composeSong("selectOppMUS", song));
    ASSERT_GT(song.swing, 0.0);
    std::vector<std::vector<ModuleCell>> rows;
    std::vector<int> panning;
    readModule(writeModule(song, "selectOppMUS"), MODULE_CHANNELS, rows, panning);
    ASSERT_EQ(int(rows.size()), song.rows);
    ASSERT_EQ(int(panning.size()), MODULE_CHANNELS);
    EXPECT_NE(panning[PAD], panning[PAD2]) << "the pads are not spread";
    EXPECT_TRUE((panning[LEAD] < 128) != (panning[VOICES] < 128)) << "the echo is not on the lead's other side";
    int leads = 0, echoed = 0, late = 0;
    for (int r = 0; r < song.rows; ++r) {
        const ModuleCell& lead = rows[r][LEAD];
        if (lead.note == 0 || lead.note == 97) continue;
        ++leads;
        const ModuleCell& echo = rows[(r + song.echoRows) % song.rows][VOICES];
        echoed += echo.note == lead.note && echo.instrument == VOICES + 1;
        late += r % 2 == 1 && lead.effect == 0x0e && (lead.param & 0xf0) == 0xd0;
    }
    EXPECT_GT(leads, 100);
    EXPECT_GT(echoed, leads * 3 / 4) << "the lead's notes are not echoed";
    EXPECT_GT(late, 0) << "no off-beat note is swung";
}
