// Tunes by rule: a chord progression per style, a bass line on the chord roots, a melody
// built from a two-bar motif and its variations on chord tones, arpeggios or pads, and a
// drum pattern. Each name gets its own key, tempo, scale, groove and seed.
#include <algorithm>
#include <cstdlib>
#include <map>
#include <vector>

#include "assets/song.h"
#include "assets/style.h"

namespace {

const int MAJOR[7] = {0, 2, 4, 5, 7, 9, 11};
const int MINOR[7] = {0, 2, 3, 5, 7, 8, 10};
const int DORIAN[7] = {0, 2, 3, 5, 7, 9, 10};
const int MIXOLYDIAN[7] = {0, 2, 4, 5, 7, 9, 10};
const int HARMONIC[7] = {0, 2, 3, 5, 7, 8, 11};
const int PHRYGIAN[7] = {0, 1, 3, 5, 7, 8, 10};
const int LYDIAN[7] = {0, 2, 4, 6, 7, 9, 11};

enum Groove { ROCK, FLOOR, HALF, MARCH, BREAK, BALLAD };

struct Style {
    int root;  // MIDI note of the key's tonic in the bass octave
    const int* scale;
    int bpm;
    int chords[8];  // scale degrees, one per bar (A section); B uses `chordsB`
    int chordsB[8];
    Groove groove;
    int bassStyle;  // 0 eighths with octaves, 1 root-fifth quarters, 2 walking, 3 long notes
    bool arpeggio;  // arpeggios on the ARP voice (else sparse stabs)
    int leadWave;
    int bars;  // 8 bars per section, 2 sections = 16 bars (256 rows); 8 = short loop
};

const std::map<std::string, Style>& styles() {
    static const std::map<std::string, Style> table = {
        {"titleMusicSTR", {50, MAJOR, 132, {0, 4, 5, 3, 0, 4, 3, 4}, {3, 4, 2, 5, 3, 4, 0, 0}, ROCK, 0, true, 1, 16}},
        {"selectOppMUS", {45, DORIAN, 112, {0, 3, 0, 6, 0, 3, 6, 4}, {5, 6, 0, 0, 5, 6, 3, 4}, HALF, 1, true, 0, 16}},
        {"musix0STR", {40, MINOR, 120, {0, 5, 2, 6, 0, 5, 3, 4}, {5, 3, 0, 6, 5, 3, 4, 4}, FLOOR, 3, true, 3, 16}},
        {"musix1STR",
         {43, MIXOLYDIAN, 128, {0, 6, 3, 0, 0, 6, 3, 4}, {3, 3, 0, 0, 6, 6, 4, 4}, BREAK, 2, false, 2, 16}},
        {"musix2MUS", {36, MINOR, 140, {0, 0, 5, 6, 0, 0, 3, 4}, {5, 6, 0, 0, 5, 6, 4, 4}, ROCK, 0, false, 1, 16}},
        {"musix2aSTR", {36, MINOR, 150, {0, 5, 6, 4, 0, 5, 6, 4}, {3, 4, 5, 6, 3, 4, 4, 4}, ROCK, 0, true, 1, 16}},
        {"musix3MUS", {38, PHRYGIAN, 100, {0, 1, 0, 6, 0, 1, 5, 4}, {5, 1, 0, 0, 3, 1, 4, 4}, HALF, 3, true, 3, 16}},
        {"musix3aMUS", {38, HARMONIC, 112, {0, 3, 4, 0, 5, 3, 4, 4}, {3, 3, 0, 0, 5, 1, 4, 4}, MARCH, 1, true, 2, 16}},
        {"musix4MUS", {41, LYDIAN, 124, {0, 1, 0, 1, 4, 1, 0, 4}, {5, 1, 2, 1, 5, 1, 4, 4}, FLOOR, 3, true, 3, 16}},
        {"musix4aSTR", {41, LYDIAN, 136, {0, 1, 5, 4, 0, 1, 5, 4}, {3, 1, 0, 0, 3, 1, 4, 4}, BREAK, 2, true, 0, 16}},
        {"musix5MUS", {45, MINOR, 144, {0, 6, 5, 6, 0, 6, 5, 4}, {3, 0, 6, 5, 3, 0, 4, 4}, ROCK, 0, false, 2, 16}},
        {"musix5aSTR", {45, MINOR, 152, {0, 3, 6, 5, 0, 3, 6, 4}, {5, 6, 0, 3, 5, 6, 4, 4}, FLOOR, 0, true, 1, 16}},
        {"musix6STR", {47, MINOR, 138, {0, 5, 3, 4, 0, 5, 6, 4}, {5, 5, 6, 6, 3, 3, 4, 4}, ROCK, 2, true, 1, 16}},
        {"musix6aMUS", {47, HARMONIC, 146, {0, 5, 3, 4, 0, 1, 4, 4}, {5, 3, 0, 4, 5, 1, 4, 4}, MARCH, 0, true, 0, 16}},
        {"musix6bSTR", {40, HARMONIC, 160, {0, 5, 1, 4, 0, 5, 6, 4}, {3, 4, 0, 5, 3, 1, 4, 4}, ROCK, 0, true, 1, 16}},
        {"winMatchSTR", {48, MAJOR, 120, {0, 3, 4, 0, 0, 3, 4, 0}, {0, 3, 4, 0, 0, 3, 4, 0}, MARCH, 1, true, 2, 8}},
        {"winGameSTR", {39, MAJOR, 112, {0, 5, 3, 4, 0, 5, 4, 0}, {0, 5, 3, 4, 0, 5, 4, 0}, ROCK, 1, true, 1, 8}},
        {"selectRewSTR", {41, MAJOR, 100, {0, 2, 3, 4, 0, 2, 3, 4}, {5, 2, 3, 4, 5, 3, 4, 4}, BALLAD, 3, true, 3, 16}},
        {"endingSTR", {46, MAJOR, 84, {0, 4, 5, 2, 3, 0, 3, 4}, {5, 3, 0, 4, 5, 3, 4, 4}, BALLAD, 3, true, 3, 16}},
        {"creditsMUS", {43, MAJOR, 118, {0, 3, 4, 0, 5, 3, 4, 4}, {3, 4, 2, 5, 3, 4, 0, 4}, BREAK, 2, true, 2, 16}},
    };
    return table;
}

// 16-step drum lines: kick, snare, hat ("x" hit, "o" soft hit).
struct DrumLine {
    const char* kick;
    const char* snare;
    const char* hat;
};

DrumLine drums(Groove g) {
    switch (g) {
        case ROCK:
            return {"x.....x.x.......", "....x.......x...", "x.o.x.o.x.o.x.o."};
        case FLOOR:
            return {"x...x...x...x...", "....x.......x...", "..x...x...x...x."};
        case HALF:
            return {"x.........x.....", "........x.......", "x.o.o.o.x.o.o.o."};
        case MARCH:
            return {"x.......x.......", "..o.x.o.o.o.x.o.", "x...x...x...x..."};
        case BREAK:
            return {"x.....x...x.....", "....x..o.o..x..o", "x.x.x.xxx.x.x.xo"};
        case BALLAD:
            return {"x.........x.....", "........x.......", "o...o...o...o..."};
    }
    return {"", "", ""};
}

int degreePitch(const Style& s, int degree, int octave) {
    const int oct = degree / 7 + (degree < 0 && degree % 7 ? -1 : 0);
    const int d = ((degree % 7) + 7) % 7;
    return s.root + 12 * (octave + oct) + s.scale[d];
}

void add(Song& song, Voice v, int row, int length, int pitch, float velocity) {
    song.voices[v].push_back({row, length, pitch, velocity});
}

}  // namespace

bool composeSong(const std::string& name, Song& song) {
    const auto it = styles().find(name);
    if (it == styles().end()) return false;
    const Style& s = it->second;
    Rng rng(name);
    song = Song{};
    song.bpm = s.bpm;
    song.rows = s.bars * 16;
    song.leadWave = s.leadWave;

    // Rhythms of one bar for the melody, as 16-step strings ("x" starts a note).
    static const char* RHYTHMS[] = {"x...x...x.x.x...", "x.x.x...x...x.x.", "x...x.x...x.x...", "x.....x.x...x...",
                                    "x..x..x.x..x..x.", "x.......x.x.x.x.", "x...x...x.......", "x.x...x.x.x.x..."};
    const int motifA = rng.range(0, 7), motifB = (motifA + rng.range(1, 7)) % 8,
              motifC = (motifB + rng.range(1, 7)) % 8;
    // Per rhythm, the scale steps taken on weak beats.
    std::vector<std::vector<int>> contours(8, std::vector<int>(16));
    for (auto& c : contours)
        for (int& step : c) {
            step = rng.range(-2, 2);
            if (step == 0) step = 1;
        }
    int line = 4;  // melody position in scale degrees above the tonic

    const DrumLine dl = drums(s.groove);
    for (int bar = 0; bar < s.bars; ++bar) {
        const bool sectionB = bar >= 8;
        const int chord = sectionB ? s.chordsB[bar % 8] : s.chords[bar % 8];
        const int base = bar * 16;
        const bool last = bar % 8 == 7;

        // Bass.
        for (int step = 0; step < 16; ++step) {
            const int root = degreePitch(s, chord, 0);
            switch (s.bassStyle) {
                case 0:
                    if (step % 2 == 0) add(song, BASS, base + step, 2, root + (step % 4 == 2 ? 12 : 0), 0.9f);
                    break;
                case 1:
                    if (step % 4 == 0)
                        add(song, BASS, base + step, 3, step % 8 ? degreePitch(s, chord + 4, 0) : root, 0.9f);
                    break;
                case 2:
                    if (step % 4 == 0) {
                        static const int WALK[4] = {0, 2, 4, 5};
                        add(song, BASS, base + step, 4, degreePitch(s, chord + WALK[step / 4], 0), 0.9f);
                    }
                    break;
                default:
                    if (step == 0) add(song, BASS, base, 12, root, 0.9f);
                    if (step == 12) add(song, BASS, base + 12, 4, degreePitch(s, chord + 4, -1), 0.8f);
            }
        }

        // Harmony: arpeggios or stabs on ARP, held chord tones on the pads.
        const int third = degreePitch(s, chord + 2, 2), fifth = degreePitch(s, chord + 4, 2);
        add(song, PAD, base, 16, degreePitch(s, chord, 2), 0.5f);
        add(song, PAD2, base, 16, third, 0.45f);
        for (int step = 0; step < 16; ++step) {
            const int tones[4] = {degreePitch(s, chord, 3), degreePitch(s, chord + 2, 3), degreePitch(s, chord + 4, 3),
                                  degreePitch(s, chord + 2, 3)};
            if (s.arpeggio && step % 2 == 0) add(song, ARP, base + step, 1, tones[(step / 2) % 4], 0.5f);
            if (!s.arpeggio && (step == 2 || step == 10)) add(song, ARP, base + step, 2, fifth + 12, 0.55f);
        }

        // Melody: each motif has its own rhythm and shape; strong beats land on a chord
        // tone near the line, weak beats step by the motif's contour, and the last bar of
        // each half resolves on the tonic.
        const int motif = (bar % 4 == 2) ? motifB : sectionB ? motifC : motifA;
        const char* rhythm = RHYTHMS[motif];
        const std::vector<int>& shape = contours[motif % contours.size()];
        int previous = -100;
        for (int step = 0; step < 16; ++step) {
            if (rhythm[step] != 'x') continue;
            int length = 1;
            while (step + length < 16 && rhythm[step + length] != 'x') ++length;
            if (last && step >= 8) {
                add(song, LEAD, base + step, 16 - step, degreePitch(s, sectionB ? 7 : 0, 2), 0.85f);
                break;
            }
            if (step % 4 == 0) {
                int best = 100;
                for (int tone = chord; tone < chord + 21; tone += 2) {
                    if ((tone - chord) % 7 > 4) continue;  // root, third and fifth only
                    if (std::abs(tone - line) < std::abs(best - line) && tone != previous) best = tone;
                }
                line = best;
            } else {
                line += shape[step];
            }
            if (line == previous) line += shape[(step + 1) % 16] >= 0 ? 1 : -1;
            line = std::clamp(line, 0, 11);
            previous = line;
            add(song, LEAD, base + step, std::min(length, 6), degreePitch(s, line, 2), step % 4 ? 0.7f : 0.85f);
        }

        // Drums, with a fill in the last bar of each section.
        for (int step = 0; step < 16; ++step) {
            if (dl.kick[step] == 'x') add(song, KICK, base + step, 1, 36, 1.0f);
            const bool fill = last && step >= 12;
            if (dl.snare[step] != '.' || fill)
                add(song, SNARE, base + step, 1, 38,
                    fill                    ? 0.6f + 0.1f * (step - 12)
                    : dl.snare[step] == 'x' ? 0.9f
                                            : 0.45f);
            if (dl.hat[step] != '.') add(song, HAT, base + step, 1, 42, dl.hat[step] == 'x' ? 0.6f : 0.35f);
        }
    }
    return true;
}
