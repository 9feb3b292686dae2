// Music: "...MUS" names become tracker modules (extended module format, 16-bit samples
// synthesised here), "...STR" names become Ogg Vorbis streams rendered by the synthesiser.
// Both loop without a seam: notes and echoes that run past the end continue at the start.
#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "assets/families.h"
#include "assets/song.h"
#include "assets/synth.h"

namespace {

// ---- little-endian writing ----
void put8(std::string& s, int v) {
    s.push_back(char(v & 0xff));
}
void put16(std::string& s, int v) {
    put8(s, v);
    put8(s, v >> 8);
}
void put32(std::string& s, long v) {
    put16(s, int(v & 0xffff));
    put16(s, int((v >> 16) & 0xffff));
}
void putText(std::string& s, const std::string& text, std::size_t size) {
    std::string t = text.substr(0, size);
    t.resize(size, '\0');
    s += t;
}

constexpr int CYCLE = 128;  // samples in one loop of a pitched instrument
constexpr int DRUM_RATE = 22050;

// One cycle of a band-limited waveform from the given harmonic amplitudes.
std::vector<float> cycle(const std::vector<double>& harmonics) {
    std::vector<float> out(CYCLE);
    double peak = 0;
    for (int i = 0; i < CYCLE; ++i) {
        double v = 0;
        for (std::size_t h = 0; h < harmonics.size(); ++h) v += harmonics[h] * std::sin(2 * M_PI * (h + 1) * i / CYCLE);
        out[i] = float(v);
        peak = std::max(peak, std::fabs(v));
    }
    for (float& v : out) v = float(v / peak * 0.9);
    return out;
}

std::vector<double> harmonicsFor(Timbre timbre) {
    std::vector<double> h(24, 0.0);
    for (int k = 1; k <= 24; ++k) {
        switch (timbre) {
            case Timbre::PULSE:
                h[k - 1] = std::sin(M_PI * k * 0.25) / k;
                break;
            case Timbre::THIN_PULSE:
                h[k - 1] = std::sin(M_PI * k * 0.125) / k;
                break;
            case Timbre::SAW:
                h[k - 1] = 1.0 / k * std::exp(-k / 14.0);
                break;
            case Timbre::SQUARE:
                h[k - 1] = k % 2 ? 1.0 / k : 0.0;
                break;
            case Timbre::ROUND:
                h[k - 1] = k == 1 ? 1.0 : k == 2 ? 0.25 : k == 3 ? 0.12 : 0.0;
                break;
            case Timbre::DARK_SAW:
                h[k - 1] = 1.0 / k * std::exp(-k / 5.0);
                break;
            case Timbre::SOFT:
                h[k - 1] = k % 2 ? 1.0 / (k * k) : 0.0;
                break;
        }
    }
    return h;
}

// A drum hit as tones, the one recipe both renderers play: the module records it as a
// sample, the stream adds it at every hit.
std::vector<Tone> drumTones(Voice v, const DrumKit& kit) {
    Tone t;
    if (v == KICK) {
        t.wave = Wave::SINE;
        t.length = 0.28;
        t.freq = kit.kickHz;
        t.freqEnd = kit.kickEndHz;
        t.slideCurve = 0.4;
        t.release = 0.8;
        return {t};
    }
    if (v == SNARE) {
        t.wave = Wave::NOISE;
        t.length = 0.18;
        t.freq = 11025;
        t.release = 0.9;
        t.cutoff = kit.snareNoise;
        t.volume = 0.5;
        Tone body;
        body.wave = Wave::TRIANGLE;
        body.length = 0.1;
        body.freq = kit.snareTone;
        body.freqEnd = kit.snareTone * 0.8;
        body.volume = 0.6;
        return {t, body};
    }
    t.wave = Wave::NOISE;
    t.length = kit.hatLength;
    t.freq = 11025;
    t.release = 0.95;
    t.volume = 0.7;
    return {t};
}

std::vector<float> drumSample(Voice v, const DrumKit& kit) {
    Signal sig(DRUM_RATE, 0.3);
    for (const Tone& t : drumTones(v, kit)) sig.add(t);
    sig.normalise(0.3);
    sig.fadeEdges(0.0005, 0.005);
    return sig.data();
}

struct Instrument {
    std::string name;
    std::vector<float> sample;
    bool looped;
    int relativeNote;
    int finetune;
    int volume;                                 // 0..64
    std::vector<std::pair<int, int>> envelope;  // (tick, level 0..64)
    int sustainPoint;                           // -1 = none
    int fadeout;
    int panning = 128;  // 0 left .. 255 right
};

std::string instrumentBytes(const Instrument& in) {
    std::string s;
    put32(s, 263);
    putText(s, in.name, 22);
    put8(s, 0);
    put16(s, 1);
    put32(s, 40);
    s.append(96, '\0');  // every note plays sample 0
    for (int i = 0; i < 12; ++i) {
        const auto p = i < int(in.envelope.size()) ? in.envelope[i] : std::pair<int, int>{0, 0};
        put16(s, p.first);
        put16(s, p.second);
    }
    s.append(48, '\0');  // no panning envelope
    put8(s, int(in.envelope.size()));
    put8(s, 0);
    put8(s, std::max(0, in.sustainPoint));
    put8(s, 0);
    put8(s, 0);
    s.append(3, '\0');
    put8(s, in.envelope.empty() ? 0 : 1 | (in.sustainPoint >= 0 ? 2 : 0));
    put8(s, 0);
    s.append(4, '\0');  // no auto-vibrato
    put16(s, in.fadeout);
    s.append(22, '\0');
    // Sample header.
    const long bytes = long(in.sample.size()) * 2;
    put32(s, bytes);
    put32(s, 0);
    put32(s, in.looped ? bytes : 0);
    put8(s, in.volume);
    put8(s, in.finetune);
    put8(s, (in.looped ? 1 : 0) | 0x10);
    put8(s, in.panning);
    put8(s, in.relativeNote);
    put8(s, 0);
    putText(s, in.name, 22);
    // Sample data as 16-bit deltas.
    int previous = 0;
    for (float v : in.sample) {
        const int q = int(std::lround(std::clamp(v, -1.0f, 1.0f) * 32000.0f));
        put16(s, (q - previous) & 0xffff);
        previous = q;
    }
    return s;
}

// A pitched voice as a looped one-cycle sample whose volume envelope follows the
// voice's attack, decay and sustain, panned where the voice sits.
Instrument pitched(const Song& song, Voice v, const std::string& name, int volume, double pan) {
    const VoiceSound& vs = song.sound[v];
    const double tick = 2.5 / song.bpm;
    const int attack = std::max(0, int(std::lround(vs.attack / tick)));
    std::vector<std::pair<int, int>> envelope = {{0, attack ? 0 : 64}, {std::max(1, attack), 64}};
    if (vs.decay > 0)
        envelope.push_back({envelope.back().first + std::max(1, int(std::lround(vs.decay / tick))),
                            int(std::lround(vs.sustain * 64))});
    Instrument in{name, cycle(harmonicsFor(vs.timbre)), true, 24, 0, volume, envelope, int(envelope.size()) - 1, 1400};
    in.panning = std::clamp(int(std::lround(128 + pan * 127)), 0, 255);
    return in;
}

// The volumes put a module about as loud as the streams, under the effects.
std::vector<Instrument> instruments(const Song& song) {
    std::vector<Instrument> list(MODULE_CHANNELS);
    // Drum samples are recorded at 22050 Hz; C-4 plays them at that rate.
    const double drumSemis = 12.0 * std::log2(double(DRUM_RATE) / 8363.0);
    const int drumRel = int(std::lround(drumSemis));
    const int drumFine = int(std::lround((drumSemis - drumRel) * 128));
    list[LEAD] = pitched(song, LEAD, "lead", 26, song.sound[LEAD].pan);
    list[ARP] = pitched(song, ARP, "arp", 17, song.sound[ARP].pan);
    list[BASS] = pitched(song, BASS, "bass", 32, song.sound[BASS].pan);
    list[PAD] = pitched(song, PAD, "pad", 14, song.sound[PAD].pan);
    list[PAD2] = pitched(song, PAD2, "pad2", 13, song.sound[PAD2].pan);
    list[VOICES] = pitched(song, LEAD, "echo", 10, -song.sound[LEAD].pan * 3);
    list[KICK] = {"kick", drumSample(KICK, song.kit), false, drumRel, drumFine, 40, {}, -1, 0};
    list[SNARE] = {"snare", drumSample(SNARE, song.kit), false, drumRel, drumFine, 28, {}, -1, 0};
    list[HAT] = {"hat", drumSample(HAT, song.kit), false, drumRel, drumFine, 17, {}, -1, 0};
    list[SNARE].panning = 140;
    list[HAT].panning = 170;
    return list;
}

struct Cell {
    int note = 0;  // 1..96, 97 = key off
    int instrument = 0;
    int volume = 0;  // volume column byte
};

}  // namespace

std::string writeModule(const Song& song, const std::string& title) {
    constexpr int ROWS = 64, CH = MODULE_CHANNELS;
    const int patterns = song.rows / ROWS;
    const std::vector<Instrument> bank = instruments(song);
    std::vector<Cell> grid(std::size_t(song.rows) * CH);
    // A note's volume column replaces its sample's volume, so it carries both.
    const auto place = [&](int channel, int row, int note, int instrument, float velocity, int length) {
        row %= song.rows;
        Cell& c = grid[std::size_t(row) * CH + channel];
        c.note = note;
        c.instrument = instrument;
        c.volume = 0x10 + int(std::lround(std::clamp(velocity, 0.0f, 1.0f) * bank[channel].volume));
        const int off = (row + length) % song.rows;
        if (length > 0 && grid[std::size_t(off) * CH + channel].note == 0) grid[std::size_t(off) * CH + channel].note = 97;
    };
    for (int v = 0; v < VOICES; ++v) {
        const bool drum = v == KICK || v == SNARE || v == HAT;
        for (const SongNote& n : song.voices[v]) {
            if (n.row < 0 || n.row >= song.rows) continue;
            place(v, n.row, drum ? 49 : std::clamp(n.pitch - 11, 1, 96), v + 1, n.velocity, drum ? 0 : n.length);
        }
    }
    // The lead's echo on its own channel, later and quieter; it wraps into the start.
    for (const SongNote& n : song.voices[LEAD])
        if (n.row >= 0 && n.row < song.rows)
            place(VOICES, n.row + song.echoRows, std::clamp(n.pitch - 11, 1, 96), VOICES + 1, n.velocity, n.length);
    // Swing: the off sixteenths start a few ticks late (note delay).
    const int swingTicks = int(std::lround(song.swing * 6));
    std::string s = "Extended Module: ";
    putText(s, title, 20);
    put8(s, 0x1a);
    putText(s, "kvb_assetgen", 20);
    put16(s, 0x0104);
    put32(s, 276);
    put16(s, patterns);
    put16(s, 0);
    put16(s, CH);
    put16(s, patterns);
    put16(s, CH);
    put16(s, 1);  // linear frequency table
    put16(s, 6);  // ticks per row
    put16(s, song.bpm);
    for (int i = 0; i < 256; ++i) put8(s, i < patterns ? i : 0);
    for (int p = 0; p < patterns; ++p) {
        std::string data;
        for (int r = 0; r < ROWS; ++r) {
            for (int v = 0; v < CH; ++v) {
                const Cell& c = grid[std::size_t(p * ROWS + r) * CH + v];
                const bool late = swingTicks > 0 && r % 2 == 1 && c.note > 0 && c.note < 97;
                int flags = 0x80;
                if (c.note) flags |= 1;
                if (c.instrument) flags |= 2;
                if (c.volume) flags |= 4;
                if (late) flags |= 8 | 16;
                put8(data, flags);
                if (c.note) put8(data, c.note);
                if (c.instrument) put8(data, c.instrument);
                if (c.volume) put8(data, c.volume);
                if (late) {
                    put8(data, 0x0e);
                    put8(data, 0xd0 | swingTicks);
                }
            }
        }
        put32(s, 9);
        put8(s, 0);
        put16(s, ROWS);
        put16(s, int(data.size()));
        s += data;
    }
    for (const Instrument& in : bank) s += instrumentBytes(in);
    return s;
}

namespace {

constexpr int STREAM_RATE = 44100;
// Under the quietest menu blip (about -17.5), so effects always read over the music.
constexpr double MUSIC_LOUDNESS = -21.0;

// The stream's version of a pitched voice: the timbre as the synthesiser's wave, the
// voice's envelope and filter, and its place in the stereo field.
Tone voiceTone(const VoiceSound& vs, double seconds) {
    Tone t;
    switch (vs.timbre) {
        case Timbre::PULSE:
            t.wave = Wave::SQUARE;
            t.duty = 0.25;
            break;
        case Timbre::THIN_PULSE:
            t.wave = Wave::SQUARE;
            t.duty = 0.125;
            break;
        case Timbre::SAW:
        case Timbre::DARK_SAW:
            t.wave = Wave::SAW;
            break;
        case Timbre::SQUARE:
            t.wave = Wave::SQUARE;
            break;
        case Timbre::ROUND:
            t.wave = Wave::SINE;
            break;
        case Timbre::SOFT:
            t.wave = Wave::TRIANGLE;
            break;
    }
    t.attack = vs.attack;
    // A plucked voice (decaying to a low sustain) dies away within its decay time.
    const double life = vs.decay > 0 && vs.sustain < 0.5 ? std::min(seconds, vs.decay * 3) : seconds;
    t.length = life + 0.03;
    t.release = vs.decay > 0 && vs.sustain < 0.5 ? 0.9 : 0.35;
    t.cutoff = vs.cutoff;
    t.pan = vs.pan;
    return t;
}

void renderNote(Signal& sig, const Song& song, Voice v, const SongNote& n, double rowSeconds) {
    const double swingDelay = n.row % 2 ? song.swing * rowSeconds : 0.0;
    const double start = n.row * rowSeconds + swingDelay;
    const std::uint32_t seed = std::uint32_t(n.row * 31 + v);
    if (v == KICK || v == SNARE || v == HAT) {
        static const double DRUM_VOLUME[3] = {0.9, 0.45, 0.22};
        for (Tone t : drumTones(v, song.kit)) {
            t.start = start;
            t.volume *= n.velocity * DRUM_VOLUME[v - KICK];
            t.pan = v == KICK ? 0.0 : v == SNARE ? 0.1 : 0.3;
            t.seed = seed;
            sig.add(t, true);
        }
        return;
    }
    Tone t = voiceTone(song.sound[v], n.length * rowSeconds * 0.95);
    t.start = start;
    t.freq = midiHz(n.pitch);
    t.seed = seed;
    switch (v) {
        case LEAD:
            t.vibratoHz = 5.5;
            t.vibratoDepth = 0.004;
            t.volume = n.velocity * 0.5;
            sig.add(t, true);
            // The echo, on the other side.
            t.start += song.echoRows * rowSeconds;
            t.volume *= 0.35;
            t.pan = -t.pan * 3;
            sig.add(t, true);
            return;
        case ARP:
            t.volume = n.velocity * 0.25;
            break;
        case BASS:
            t.volume = n.velocity * 0.55;
            t.cutoffEnd = t.cutoff * 0.45;
            break;
        default:  // the pads, each with a detuned twin on the other side for width
            t.length += 0.12;
            t.volume = n.velocity * 0.12;
            sig.add(t, true);
            t.freq *= 1.006;
            t.pan = -t.pan;
            break;
    }
    sig.add(t, true);
}

std::string encodeOgg(const Signal& sig, unsigned serial) {
    vorbis_info vi;
    vorbis_info_init(&vi);
    vorbis_encode_init_vbr(&vi, 2, sig.rate(), 0.25f);
    vorbis_comment vc;
    vorbis_comment_init(&vc);
    vorbis_dsp_state vd;
    vorbis_analysis_init(&vd, &vi);
    vorbis_block vb;
    vorbis_block_init(&vd, &vb);
    ogg_stream_state os;
    ogg_stream_init(&os, int(serial));
    std::string out;
    ogg_page og;
    ogg_packet header, comments, codebooks;
    vorbis_analysis_headerout(&vd, &vc, &header, &comments, &codebooks);
    ogg_stream_packetin(&os, &header);
    ogg_stream_packetin(&os, &comments);
    ogg_stream_packetin(&os, &codebooks);
    while (ogg_stream_flush(&os, &og)) {
        out.append(reinterpret_cast<char*>(og.header), og.header_len);
        out.append(reinterpret_cast<char*>(og.body), og.body_len);
    }
    // Encodes whatever the analysis has buffered into pages.
    const auto drain = [&] {
        while (vorbis_analysis_blockout(&vd, &vb) == 1) {
            vorbis_analysis(&vb, nullptr);
            vorbis_bitrate_addblock(&vb);
            ogg_packet op;
            while (vorbis_bitrate_flushpacket(&vd, &op)) {
                ogg_stream_packetin(&os, &op);
                while (ogg_stream_pageout(&os, &og)) {
                    out.append(reinterpret_cast<char*>(og.header), og.header_len);
                    out.append(reinterpret_cast<char*>(og.body), og.body_len);
                }
            }
        }
    };
    const std::vector<float>& data = sig.data();
    const std::size_t frames = sig.frames();
    constexpr std::size_t CHUNK = 4096;
    for (std::size_t at = 0; at < frames; at += CHUNK) {
        const std::size_t n = std::min(CHUNK, frames - at);
        float** buffer = vorbis_analysis_buffer(&vd, int(n));
        for (std::size_t i = 0; i < n; ++i) {
            buffer[0][i] = data[(at + i) * 2];
            buffer[1][i] = data[(at + i) * 2 + 1];
        }
        vorbis_analysis_wrote(&vd, int(n));
        drain();
    }
    // Telling the encoder the stream has ended flushes its last, partial block and marks
    // the exact length in the final page; without it the loop comes out short.
    vorbis_analysis_wrote(&vd, 0);
    drain();
    while (ogg_stream_flush(&os, &og)) {
        out.append(reinterpret_cast<char*>(og.header), og.header_len);
        out.append(reinterpret_cast<char*>(og.body), og.body_len);
    }
    ogg_stream_clear(&os);
    vorbis_block_clear(&vb);
    vorbis_dsp_clear(&vd);
    vorbis_comment_clear(&vc);
    vorbis_info_clear(&vi);
    return out;
}

}  // namespace

std::string renderStream(const Song& song, unsigned serial) {
    const double rowSeconds = 60.0 / song.bpm / 4.0;
    Signal sig(STREAM_RATE, song.rows * rowSeconds, 2);
    for (int v = 0; v < VOICES; ++v)
        for (const SongNote& n : song.voices[v]) renderNote(sig, song, Voice(v), n, rowSeconds);
    sig.levelTo(MUSIC_LOUDNESS);
    return encodeOgg(sig, serial);
}

bool makeMusicModule(const std::string& name, std::string& xm) {
    if (name.size() < 4 || name.compare(name.size() - 3, 3, "MUS") != 0) return false;
    Song song;
    if (!composeSong(name, song)) return false;
    xm = writeModule(song, name);
    return true;
}

bool makeMusicStream(const std::string& name, std::string& ogg) {
    if (name.size() < 4 || name.compare(name.size() - 3, 3, "STR") != 0) return false;
    Song song;
    if (!composeSong(name, song)) return false;
    unsigned serial = 0x4b56u;
    for (unsigned char c : name) serial = serial * 31 + c;
    ogg = renderStream(song, serial);
    return true;
}
