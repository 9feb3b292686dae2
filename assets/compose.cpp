// Tunes by rule, in a song form: an intro, a two-bar hook that returns in every A
// section, a B section on other chords, a bridge that drops to half time, and an outro
// that leads back to the intro. Each name gets its own key, tempo, swing, band (the
// instruments of its place), drum pattern and seed; the hook is drawn once per tune and
// then repeated note for note, so it can be whistled.
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

enum Groove { ROCK, FLOOR, HALF, MARCH, BREAK, BALLAD, SHUFFLE, TRIBAL, GALLOP, BOSSA, POLKA, INDUSTRIAL };

// The instruments of one place.
enum Band { CHIP, ROCKER, GLASS, BRASS, ORGAN, SPOOKY, SYNTHWAVE, MUSICBOX, FANFARE, DRIVE };

enum Harmony { ARPEGGIO, STABS, BROKEN, PADS };

struct Style {
    int root;  // MIDI note of the key's tonic in the bass octave
    const int* scale;
    int bpm;
    double swing;
    int verse[8];   // chords (scale degrees) of the A sections, one per bar
    int chorus[8];  // of the B sections
    int bridge[4];  // of the bridge, two bars each
    Groove groove;
    int bassStyle;  // 0 eighths with octaves, 1 root-fifth quarters, 2 walking, 3 long notes
    Harmony harmony;
    Band band;
    int bars;  // 48, 56 or 64
};

const std::map<std::string, Style>& styles() {
    static const std::map<std::string, Style> table = {
        {"titleMusicSTR",
         {50, MAJOR, 132, 0, {0, 4, 5, 3, 0, 4, 3, 4}, {3, 4, 2, 5, 3, 4, 1, 4}, {5, 3, 1, 4}, GALLOP, 0, ARPEGGIO,
          FANFARE, 56}},
        {"selectOppMUS",
         {45, DORIAN, 108, 0.3, {0, 3, 0, 6, 0, 3, 6, 4}, {5, 6, 0, 0, 5, 6, 3, 4}, {3, 2, 6, 4}, SHUFFLE, 2, STABS,
          ORGAN, 48}},
        {"musix0STR",
         {40, MINOR, 120, 0, {0, 5, 2, 6, 0, 5, 3, 4}, {5, 3, 0, 6, 5, 3, 4, 4}, {3, 6, 5, 4}, FLOOR, 3, ARPEGGIO,
          SYNTHWAVE, 56}},
        {"musix1STR",
         {43, MIXOLYDIAN, 128, 0.2, {0, 6, 3, 0, 0, 6, 3, 4}, {3, 3, 0, 0, 6, 6, 4, 4}, {5, 3, 6, 4}, BREAK, 2, STABS,
          DRIVE, 56}},
        {"musix2MUS",
         {36, MINOR, 140, 0, {0, 0, 5, 6, 0, 0, 3, 4}, {5, 6, 0, 0, 5, 6, 4, 4}, {3, 5, 6, 4}, ROCK, 0, STABS, ROCKER,
          56}},
        {"musix2aSTR",
         {36, MINOR, 150, 0, {0, 5, 6, 4, 0, 5, 6, 4}, {3, 4, 5, 6, 3, 4, 4, 4}, {5, 6, 3, 4}, ROCK, 0, ARPEGGIO,
          ROCKER, 64}},
        {"musix3MUS",
         {38, PHRYGIAN, 96, 0.25, {0, 1, 0, 6, 0, 1, 5, 4}, {5, 1, 0, 0, 3, 1, 4, 4}, {1, 5, 3, 4}, HALF, 3, BROKEN,
          SPOOKY, 48}},
        {"musix3aMUS",
         {38, HARMONIC, 112, 0, {0, 3, 4, 0, 5, 3, 4, 4}, {3, 3, 0, 0, 5, 1, 4, 4}, {5, 1, 3, 4}, MARCH, 1, BROKEN,
          SPOOKY, 56}},
        {"musix4MUS",
         {41, LYDIAN, 124, 0, {0, 1, 0, 1, 4, 1, 0, 4}, {5, 1, 2, 1, 5, 1, 4, 4}, {2, 5, 1, 4}, TRIBAL, 3, ARPEGGIO,
          GLASS, 56}},
        {"musix4aSTR",
         {41, LYDIAN, 136, 0.15, {0, 1, 5, 4, 0, 1, 5, 4}, {3, 1, 0, 0, 3, 1, 4, 4}, {5, 2, 1, 4}, BOSSA, 2, BROKEN,
          GLASS, 56}},
        {"musix5MUS",
         {45, MINOR, 144, 0, {0, 6, 5, 6, 0, 6, 5, 4}, {3, 0, 6, 5, 3, 0, 4, 4}, {5, 3, 6, 4}, POLKA, 0, STABS, CHIP,
          56}},
        {"musix5aSTR",
         {45, MINOR, 152, 0, {0, 3, 6, 5, 0, 3, 6, 4}, {5, 6, 0, 3, 5, 6, 4, 4}, {3, 6, 5, 4}, POLKA, 0, ARPEGGIO,
          CHIP, 64}},
        {"musix6STR",
         {47, MINOR, 138, 0, {0, 5, 3, 4, 0, 5, 6, 4}, {5, 5, 6, 6, 3, 3, 4, 4}, {5, 1, 3, 4}, INDUSTRIAL, 2, ARPEGGIO,
          BRASS, 56}},
        {"musix6aMUS",
         {47, HARMONIC, 146, 0, {0, 5, 3, 4, 0, 1, 4, 4}, {5, 3, 0, 4, 5, 1, 4, 4}, {5, 3, 1, 4}, INDUSTRIAL, 0, STABS,
          BRASS, 56}},
        {"musix6bSTR",
         {40, HARMONIC, 160, 0, {0, 5, 1, 4, 0, 5, 6, 4}, {3, 4, 0, 5, 3, 1, 4, 4}, {5, 1, 6, 4}, INDUSTRIAL, 0, ARPEGGIO,
          BRASS, 64}},
        {"winMatchSTR",
         {48, MAJOR, 120, 0, {0, 3, 4, 0, 0, 3, 4, 0}, {5, 3, 1, 4, 5, 3, 4, 4}, {3, 4, 5, 4}, MARCH, 1, STABS,
          FANFARE, 48}},
        {"winGameSTR",
         {39, MAJOR, 112, 0, {0, 5, 3, 4, 0, 5, 4, 0}, {3, 4, 5, 0, 3, 4, 1, 4}, {5, 3, 1, 4}, ROCK, 1, ARPEGGIO,
          FANFARE, 48}},
        {"selectRewSTR",
         {41, MAJOR, 100, 0.3, {0, 2, 3, 4, 0, 2, 3, 4}, {5, 2, 3, 4, 5, 3, 4, 4}, {3, 2, 1, 4}, BOSSA, 3, BROKEN,
          MUSICBOX, 48}},
        {"endingSTR",
         {46, MAJOR, 84, 0, {0, 4, 5, 2, 3, 0, 3, 4}, {5, 3, 0, 4, 5, 3, 4, 4}, {3, 4, 5, 4}, BALLAD, 3, BROKEN,
          MUSICBOX, 48}},
        {"creditsMUS",
         {43, MAJOR, 118, 0.2, {0, 3, 4, 0, 5, 3, 4, 4}, {3, 4, 2, 5, 3, 4, 0, 4}, {5, 3, 2, 4}, SHUFFLE, 2, ARPEGGIO,
          CHIP, 56}},
    };
    return table;
}

void setBand(Song& song, Band band) {
    using T = Timbre;
    VoiceSound* v = song.sound;
    v[PAD] = {T::SOFT, -0.55, 0.12, 0, 1, 1100};
    v[PAD2] = {T::SOFT, 0.55, 0.12, 0, 1, 1100};
    v[BASS] = {T::DARK_SAW, 0, 0.005, 0, 1, 900};
    switch (band) {
        case CHIP:
            v[LEAD] = {T::PULSE, -0.15, 0.005, 0.08, 0.7, 4000};
            v[ARP] = {T::SQUARE, 0.4, 0.002, 0.06, 0.2, 3000};
            v[BASS] = {T::SQUARE, 0, 0.002, 0.1, 0.6, 1200};
            song.kit = {170, 50, 220, 8000, 0.03};
            break;
        case ROCKER:
            v[LEAD] = {T::SAW, -0.2, 0.01, 0.2, 0.8, 2600};
            v[ARP] = {T::THIN_PULSE, 0.45, 0.002, 0.05, 0.3, 2500};
            v[BASS] = {T::SAW, 0, 0.003, 0.15, 0.7, 700};
            song.kit = {130, 40, 180, 5000, 0.06};
            break;
        case GLASS:
            v[LEAD] = {T::ROUND, -0.1, 0.003, 0.3, 0.3, 6000};
            v[ARP] = {T::ROUND, 0.5, 0.002, 0.12, 0.0, 5000};
            v[BASS] = {T::ROUND, 0, 0.005, 0.25, 0.5, 800};
            v[PAD] = {T::SOFT, -0.7, 0.3, 0, 1, 1600};
            v[PAD2] = {T::SOFT, 0.7, 0.3, 0, 1, 1600};
            song.kit = {120, 45, 260, 9000, 0.02};
            break;
        case BRASS:
            v[LEAD] = {T::SAW, -0.1, 0.04, 0, 1, 1800};
            v[ARP] = {T::SAW, 0.35, 0.01, 0.1, 0.4, 1500};
            song.kit = {110, 36, 160, 4500, 0.08};
            break;
        case ORGAN:
            v[LEAD] = {T::SQUARE, -0.25, 0.01, 0, 1, 2200};
            v[ARP] = {T::ROUND, 0.35, 0.01, 0.15, 0.5, 2000};
            v[BASS] = {T::ROUND, 0, 0.005, 0.2, 0.6, 600};
            song.kit = {140, 45, 200, 5500, 0.07};
            break;
        case SPOOKY:
            v[LEAD] = {T::THIN_PULSE, -0.3, 0.03, 0.3, 0.6, 2000};
            v[ARP] = {T::ROUND, 0.6, 0.005, 0.2, 0.1, 2500};
            v[PAD] = {T::SOFT, -0.8, 0.4, 0, 1, 800};
            v[PAD2] = {T::SOFT, 0.8, 0.4, 0, 1, 800};
            song.kit = {100, 34, 150, 3500, 0.1};
            break;
        case SYNTHWAVE:
            v[LEAD] = {T::SAW, -0.15, 0.02, 0.3, 0.7, 3200};
            v[ARP] = {T::PULSE, 0.45, 0.002, 0.08, 0.2, 2800};
            v[BASS] = {T::SAW, 0, 0.003, 0.1, 0.5, 600};
            song.kit = {150, 42, 200, 7000, 0.04};
            break;
        case MUSICBOX:
            v[LEAD] = {T::ROUND, -0.1, 0.005, 0.5, 0.4, 5000};
            v[ARP] = {T::ROUND, 0.4, 0.002, 0.2, 0.0, 6000};
            v[BASS] = {T::SOFT, 0, 0.01, 0.3, 0.6, 600};
            song.kit = {110, 45, 240, 7000, 0.03};
            break;
        case FANFARE:
            v[LEAD] = {T::SQUARE, -0.1, 0.02, 0.15, 0.8, 3000};
            v[ARP] = {T::SAW, 0.4, 0.005, 0.1, 0.3, 2500};
            v[BASS] = {T::DARK_SAW, 0, 0.005, 0.1, 0.7, 900};
            song.kit = {140, 40, 180, 6000, 0.05};
            break;
        case DRIVE:
            v[LEAD] = {T::PULSE, -0.2, 0.005, 0.15, 0.7, 3500};
            v[ARP] = {T::SAW, 0.45, 0.002, 0.05, 0.2, 2200};
            v[BASS] = {T::SAW, 0, 0.002, 0.08, 0.6, 800};
            song.kit = {160, 44, 210, 6500, 0.04};
            break;
    }
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
        case SHUFFLE:
            return {"x.....x.x.....x.", "....x.......x..o", "x..ox..ox..ox..o"};
        case TRIBAL:
            return {"x..x..x...x..x..", "......o.....x...", "o.o.oo.oo.o.oo.o"};
        case GALLOP:
            return {"x.xxx.xxx.xxx.xx", "....x.......x...", "x...x...x...x..."};
        case BOSSA:
            return {"x..x..x.x..x..x.", "..o..o....o..o..", "xoxoxoxoxoxoxoxo"};
        case POLKA:
            return {"x.......x.......", "....x.......x...", "..x...x...x...x."};
        case INDUSTRIAL:
            return {"x.x...x.x.x...x.", "....x.......x.x.", "xxxxxxxxxxxxxxxx"};
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

enum Section { INTRO, VERSE, CHORUS, BRIDGE, OUTRO };

// The sections in order, with their length in bars.
std::vector<std::pair<Section, int>> form(int bars) {
    std::vector<std::pair<Section, int>> f = {{INTRO, 4}, {VERSE, 8}, {VERSE, 8}, {CHORUS, 8}};
    if (bars >= 56) f.push_back({VERSE, 8});
    f.push_back({BRIDGE, 8});
    if (bars >= 64) f.push_back({CHORUS, 8});
    f.push_back({VERSE, 8});
    f.push_back({OUTRO, 4});
    return f;
}

// A phrase of melody: per step of a bar, a scale degree above the tonic, or -1 to rest.
// Strong beats are moved onto the nearest tone of the bar's chord when played.
struct Phrase {
    std::vector<int> degree[2];  // two bars
    std::vector<int> length[2];
};

Phrase drawPhrase(Rng& rng, int start, bool settle) {
    static const char* RHYTHMS[] = {"x...x...x.x.x...", "x.x.x...x...x.x.", "x...x.x...x.x...", "x.....x.x...x...",
                                    "x..x..x.x..x..x.", "x.......x.x.x.x.", "x..x..x...x.x...", "x.x...x.x.x.x..."};
    Phrase p;
    int line = start;
    for (int bar = 0; bar < 2; ++bar) {
        const char* rhythm = RHYTHMS[rng.range(0, 7)];
        p.degree[bar].assign(16, -1);
        p.length[bar].assign(16, 0);
        for (int step = 0; step < 16; ++step) {
            if (rhythm[step] != 'x') continue;
            int length = 1;
            while (step + length < 16 && rhythm[step + length] != 'x') ++length;
            if (bar == 1 && settle && step >= 8) {
                p.degree[bar][step] = line < 4 ? 0 : 4;
                p.length[bar][step] = 16 - step;
                break;
            }
            int move = rng.range(-2, 2);
            if (move == 0) move = rng.range(0, 1) ? 3 : -3;
            line = std::clamp(line + move, 0, 11);
            p.degree[bar][step] = line;
            p.length[bar][step] = std::min(length, 6);
        }
    }
    return p;
}

int nearestChordTone(int line, int chord) {
    int best = line;
    for (int tone = chord - 7; tone < chord + 21; ++tone) {
        if (((tone - chord) % 7 + 7) % 7 % 2 != 0 || ((tone - chord) % 7 + 7) % 7 > 4) continue;
        if (std::abs(tone - line) < std::abs(best - line) || best == line) best = tone;
    }
    return std::clamp(best, 0, 11);
}

void playPhrase(Song& song, const Style& s, const Phrase& p, int bar, int base, int chord, Voice v, int octave,
                float velocity) {
    for (int step = 0; step < 16; ++step) {
        int d = p.degree[bar][step];
        if (d < 0) continue;
        if (step % 4 == 0) d = nearestChordTone(d, chord);
        add(song, v, base + step, p.length[bar][step], degreePitch(s, d, octave), step % 4 ? velocity * 0.85f : velocity);
    }
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
    song.swing = s.swing;
    song.echoRows = s.bpm > 130 ? 3 : 2;
    setBand(song, s.band);

    const Phrase hook = drawPhrase(rng, rng.range(4, 7), false);
    const Phrase answer = drawPhrase(rng, 4, true);
    const Phrase chorus = drawPhrase(rng, rng.range(2, 5), false);
    const Phrase chorusEnd = drawPhrase(rng, 7, true);
    const DrumLine dl = drums(s.groove);

    int bar = 0;
    for (const auto& [section, length] : form(s.bars)) {
        for (int inSection = 0; inSection < length; ++inSection, ++bar) {
            const int base = bar * 16;
            const bool lastBar = inSection == length - 1;
            const int chord = section == CHORUS   ? s.chorus[inSection % 8]
                              : section == BRIDGE ? s.bridge[(inSection / 2) % 4]
                                                  : s.verse[inSection % 8];
            const bool sparse = section == INTRO || section == OUTRO;

            // Bass: the style's figure; long notes in the bridge and intro.
            const int root = degreePitch(s, chord, 0);
            const int bassStyle = section == BRIDGE || section == INTRO ? 3 : s.bassStyle;
            for (int step = 0; step < 16; ++step) {
                switch (bassStyle) {
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

            // Harmony: held chord tones on the pads, the style's figure on ARP.
            add(song, PAD, base, 16, degreePitch(s, chord, 2), section == BRIDGE ? 0.65f : 0.5f);
            add(song, PAD2, base, 16, degreePitch(s, chord + 2, 2), section == BRIDGE ? 0.6f : 0.45f);
            const int tones[4] = {degreePitch(s, chord, 3), degreePitch(s, chord + 2, 3), degreePitch(s, chord + 4, 3),
                                  degreePitch(s, chord + 7, 3)};
            const Harmony harmony = section == BRIDGE ? (s.harmony == STABS ? BROKEN : STABS) : s.harmony;
            for (int step = 0; step < 16; ++step) {
                switch (harmony) {
                    case ARPEGGIO:
                        if (step % 2 == 0) add(song, ARP, base + step, 1, tones[(step / 2) % 4], 0.5f);
                        break;
                    case STABS:
                        if (step == 2 || step == 10)
                            for (int k = 1; k < 3; ++k) add(song, ARP, base + step, 2, tones[k], 0.45f);
                        break;
                    case BROKEN:
                        if (step % 4 == 0 || step % 4 == 3)
                            add(song, ARP, base + step, 2, tones[(step * 5 / 4 + 1) % 4] - 12, 0.45f);
                        break;
                    case PADS:
                        break;
                }
            }

            // Melody: the hook answered in the A sections, its own phrase in B, long
            // notes in the bridge, the hook's first bar on the arp in the intro.
            const int half = inSection % 2;
            switch (section) {
                case VERSE:
                    playPhrase(song, s, inSection % 4 < 2 || inSection < 4 ? hook : answer, half, base, chord, LEAD, 2,
                               0.85f);
                    break;
                case CHORUS:
                    playPhrase(song, s, inSection < 6 ? chorus : chorusEnd, half, base, chord, LEAD, 2, 0.85f);
                    break;
                case BRIDGE:
                    add(song, LEAD, base, 8, degreePitch(s, chord + 2 + 2 * half, 2), 0.7f);
                    add(song, LEAD, base + 8, 8, degreePitch(s, chord + 4 - half, 2), 0.65f);
                    break;
                case INTRO:
                    if (inSection >= 2) playPhrase(song, s, hook, half, base, chord, ARP, 3, 0.55f);
                    break;
                case OUTRO:
                    if (inSection < 2) playPhrase(song, s, hook, half, base, chord, LEAD, 2, 0.6f);
                    break;
            }

            // Drums: the groove, half time in the bridge, kick only early in the intro,
            // and a fill at the end of each section.
            for (int step = 0; step < 16; ++step) {
                const bool fill = lastBar && step >= 12;
                if (section == INTRO && inSection < 2) {
                    if (step % 8 == 0) add(song, KICK, base + step, 1, 36, 0.8f);
                    if (dl.hat[step] != '.') add(song, HAT, base + step, 1, 42, 0.3f);
                    continue;
                }
                const bool halfTime = section == BRIDGE;
                const bool kick = halfTime ? step == 0 || step == 10 : dl.kick[step] == 'x';
                if (kick) add(song, KICK, base + step, 1, 36, 1.0f);
                const char sn = halfTime ? (step == 8 ? 'x' : '.') : dl.snare[step];
                if (sn != '.' || fill)
                    add(song, SNARE, base + step, 1, 38,
                        fill        ? 0.6f + 0.1f * (step - 12)
                        : sn == 'x' ? 0.9f
                                    : 0.45f);
                if (dl.hat[step] != '.' && !(sparse && step % 4))
                    add(song, HAT, base + step, 1, 42, dl.hat[step] == 'x' ? 0.6f : 0.35f);
            }
        }
    }
    return true;
}
