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

std::vector<double> harmonicsFor(int wave) {
    std::vector<double> h(24, 0.0);
    for (int k = 1; k <= 24; ++k) {
        switch (wave) {
            case 0:
                h[k - 1] = std::sin(M_PI * k * 0.25) / k;
                break;  // pulse 25%
            case 1:
                h[k - 1] = 1.0 / k * std::exp(-k / 14.0);
                break;  // soft saw
            case 2:
                h[k - 1] = k % 2 ? 1.0 / k : 0.0;
                break;  // square
            case 3:
                h[k - 1] = k == 1 ? 1.0 : k == 2 ? 0.25 : k == 3 ? 0.12 : 0.0;
                break;  // round
            case 4:
                h[k - 1] = 1.0 / k * std::exp(-k / 5.0);
                break;  // dark saw (bass)
            default:
                h[k - 1] = k % 2 ? 1.0 / (k * k) : 0.0;
                break;  // triangle (pads)
        }
    }
    return h;
}

std::vector<float> drumSample(Voice v) {
    Signal sig(DRUM_RATE, v == KICK ? 0.3 : v == SNARE ? 0.2 : 0.06);
    Tone t;
    if (v == KICK) {
        t.wave = Wave::SINE;
        t.length = 0.3;
        t.freq = 150;
        t.freqEnd = 42;
        t.slideCurve = 0.4;
        t.release = 0.8;
        sig.add(t);
    } else if (v == SNARE) {
        t.wave = Wave::NOISE;
        t.length = 0.2;
        t.freq = 11000;
        t.release = 0.9;
        t.cutoff = 6000;
        sig.add(t);
        Tone body;
        body.wave = Wave::TRIANGLE;
        body.length = 0.12;
        body.freq = 200;
        body.freqEnd = 160;
        body.volume = 0.6;
        sig.add(body);
    } else {
        t.wave = Wave::NOISE;
        t.length = 0.06;
        t.freq = 11025;
        t.release = 0.95;
        t.volume = 0.7;
        sig.add(t);
    }
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
    put8(s, 128);
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

std::vector<Instrument> instruments(const Song& song) {
    std::vector<Instrument> list(VOICES);
    // Drum samples are recorded at 22050 Hz; C-4 plays them at that rate.
    const double drumSemis = 12.0 * std::log2(double(DRUM_RATE) / 8363.0);
    const int drumRel = int(std::lround(drumSemis));
    const int drumFine = int(std::lround((drumSemis - drumRel) * 128));
    list[LEAD] = {"lead", cycle(harmonicsFor(song.leadWave)), true, 24, 0, 44, {{0, 64}, {6, 52}, {40, 44}}, 2, 1200};
    list[ARP] = {"arp", cycle(harmonicsFor(2)), true, 24, 0, 26, {{0, 64}, {4, 30}, {14, 0}}, -1, 2000};
    list[BASS] = {"bass", cycle(harmonicsFor(4)), true, 24, 0, 56, {{0, 64}, {8, 48}}, 1, 1800};
    list[PAD] = {"pad", cycle(harmonicsFor(5)), true, 24, 0, 24, {{0, 0}, {12, 64}, {60, 48}}, 2, 600};
    list[PAD2] = {"pad2", cycle(harmonicsFor(5)), true, 24, 0, 22, {{0, 0}, {12, 64}, {60, 48}}, 2, 600};
    list[KICK] = {"kick", drumSample(KICK), false, drumRel, drumFine, 64, {}, -1, 0};
    list[SNARE] = {"snare", drumSample(SNARE), false, drumRel, drumFine, 48, {}, -1, 0};
    list[HAT] = {"hat", drumSample(HAT), false, drumRel, drumFine, 30, {}, -1, 0};
    return list;
}

struct Cell {
    int note = 0;  // 1..96, 97 = key off
    int instrument = 0;
    int volume = 0;  // volume column byte
};

}  // namespace

std::string writeModule(const Song& song, const std::string& title) {
    constexpr int ROWS = 64;
    const int patterns = song.rows / ROWS;
    std::vector<Cell> grid(std::size_t(song.rows) * VOICES);
    for (int v = 0; v < VOICES; ++v) {
        for (const SongNote& n : song.voices[v]) {
            if (n.row < 0 || n.row >= song.rows) continue;
            const bool drum = v == KICK || v == SNARE || v == HAT;
            Cell& c = grid[std::size_t(n.row) * VOICES + v];
            c.note = drum ? 49 : std::clamp(n.pitch - 11, 1, 96);
            c.instrument = v + 1;
            c.volume = 0x10 + int(std::lround(std::clamp(n.velocity, 0.0f, 1.0f) * 64));
            const int off = n.row + n.length;
            if (!drum && off < song.rows && grid[std::size_t(off) * VOICES + v].note == 0)
                grid[std::size_t(off) * VOICES + v].note = 97;
        }
    }
    std::string s = "Extended Module: ";
    putText(s, title, 20);
    put8(s, 0x1a);
    putText(s, "kvb_assetgen", 20);
    put16(s, 0x0104);
    put32(s, 276);
    put16(s, patterns);
    put16(s, 0);
    put16(s, VOICES);
    put16(s, patterns);
    put16(s, VOICES);
    put16(s, 1);  // linear frequency table
    put16(s, 6);  // ticks per row
    put16(s, song.bpm);
    for (int i = 0; i < 256; ++i) put8(s, i < patterns ? i : 0);
    for (int p = 0; p < patterns; ++p) {
        std::string data;
        for (int r = 0; r < ROWS; ++r) {
            for (int v = 0; v < VOICES; ++v) {
                const Cell& c = grid[std::size_t(p * ROWS + r) * VOICES + v];
                int flags = 0x80;
                if (c.note) flags |= 1;
                if (c.instrument) flags |= 2;
                if (c.volume) flags |= 4;
                put8(data, flags);
                if (c.note) put8(data, c.note);
                if (c.instrument) put8(data, c.instrument);
                if (c.volume) put8(data, c.volume);
            }
        }
        put32(s, 9);
        put8(s, 0);
        put16(s, ROWS);
        put16(s, int(data.size()));
        s += data;
    }
    for (const Instrument& in : instruments(song)) s += instrumentBytes(in);
    return s;
}

namespace {

constexpr int STREAM_RATE = 44100;

void renderNote(Signal& sig, const Song& song, Voice v, const SongNote& n, double rowSeconds) {
    Tone t;
    t.start = n.row * rowSeconds;
    t.volume = n.velocity;
    t.freq = midiHz(n.pitch);
    t.seed = std::uint32_t(n.row * 31 + v);
    const double len = n.length * rowSeconds;
    switch (v) {
        case LEAD: {
            static const Wave waves[4] = {Wave::SQUARE, Wave::SAW, Wave::SQUARE, Wave::TRIANGLE};
            t.wave = waves[song.leadWave % 4];
            t.duty = song.leadWave == 0 ? 0.25 : 0.5;
            t.length = len * 0.95 + 0.05;
            t.attack = 0.01;
            t.release = 0.35;
            t.vibratoHz = 5.5;
            t.vibratoDepth = 0.004;
            t.cutoff = 3200;
            t.volume *= 0.5;
            t.pan = -0.15;
            sig.add(t, true);
            // An echo three sixteenths later, on the other side.
            t.start += 3 * rowSeconds;
            t.volume *= 0.35;
            t.pan = 0.45;
            sig.add(t, true);
            return;
        }
        case ARP:
            t.wave = Wave::SQUARE;
            t.length = rowSeconds * 1.6;
            t.release = 0.8;
            t.cutoff = 2600;
            t.volume *= 0.25;
            t.pan = 0.35;
            break;
        case BASS:
            t.wave = Wave::SAW;
            t.length = len * 0.9;
            t.release = 0.25;
            t.cutoff = 900;
            t.cutoffEnd = 400;
            t.volume *= 0.55;
            break;
        case PAD:
        case PAD2: {
            t.wave = Wave::SAW;
            t.length = len + 0.15;
            t.attack = 0.12;
            t.release = 0.4;
            t.cutoff = 1100;
            t.volume *= 0.12;
            t.pan = v == PAD ? -0.55 : 0.55;
            sig.add(t, true);
            t.freq *= 1.006;  // a detuned twin for width
            t.pan = -t.pan;
            break;
        }
        case KICK:
            t.wave = Wave::SINE;
            t.length = 0.28;
            t.freq = 150;
            t.freqEnd = 42;
            t.slideCurve = 0.4;
            t.release = 0.8;
            t.volume *= 0.9;
            break;
        case SNARE: {
            t.wave = Wave::NOISE;
            t.length = 0.18;
            t.freq = 16000;
            t.cutoff = 6000;
            t.release = 0.9;
            t.volume *= 0.45;
            t.pan = 0.1;
            sig.add(t, true);
            t.wave = Wave::TRIANGLE;
            t.freq = 190;
            t.freqEnd = 150;
            t.length = 0.1;
            t.cutoff = 0;
            break;
        }
        case HAT:
            t.wave = Wave::NOISE;
            t.freq = 22050;
            t.length = 0.05;
            t.release = 0.95;
            t.volume *= 0.22;
            t.pan = 0.3;
            break;
        default:
            return;
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
    const std::vector<float>& data = sig.data();
    const std::size_t frames = sig.frames();
    constexpr std::size_t CHUNK = 4096;
    for (std::size_t at = 0; at <= frames; at += CHUNK) {
        const std::size_t n = std::min(CHUNK, frames - std::min(frames, at));
        if (n > 0) {
            float** buffer = vorbis_analysis_buffer(&vd, int(n));
            for (std::size_t i = 0; i < n; ++i) {
                buffer[0][i] = data[(at + i) * 2];
                buffer[1][i] = data[(at + i) * 2 + 1];
            }
        }
        vorbis_analysis_wrote(&vd, int(n));
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
        if (n == 0) break;
    }
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
    sig.normalise(0.32);
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
