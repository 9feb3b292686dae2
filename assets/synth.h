// A small synthesiser for effects and music: oscillators, pitched noise, an attack /
// release envelope, pitch slides and vibrato, a sweeping low-pass filter, and the
// finishing steps every sound gets (loudness normalisation, edge fades, 16-bit WAV).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

enum class Wave { SINE, SQUARE, SAW, TRIANGLE, NOISE };

struct Tone {
    Wave wave = Wave::SQUARE;
    double start = 0.0;     // seconds into the sound
    double length = 0.2;    // seconds, attack included
    double freq = 440.0;    // Hz at the start
    double freqEnd = 0.0;   // Hz at the end (0 = no slide)
    double slideCurve = 1;  // > 1 slides late, < 1 slides early
    double attack = 0.005;
    double release = 0.6;  // fraction of the length spent fading out
    double volume = 1.0;
    double duty = 0.5;  // square duty cycle
    double vibratoHz = 0.0;
    double vibratoDepth = 0.0;  // fraction of the frequency
    double cutoff = 0.0;        // low-pass cutoff in Hz (0 = open)
    double cutoffEnd = 0.0;     // cutoff at the end (0 = same)
    double arpSemis = 0.0;      // after arpTime the pitch jumps by this many semitones
    double arpTime = 0.0;
    double tremoloHz = 0.0;
    double pan = 0.0;  // -1 left .. 1 right (streams only)
    std::uint32_t seed = 1;
};

class Signal {
public:
    Signal(int rate, double seconds, int channels = 1);
    int rate() const { return rate_; }
    int channels() const { return channels_; }
    std::size_t frames() const { return data_.size() / channels_; }
    std::vector<float>& data() { return data_; }
    const std::vector<float>& data() const { return data_; }

    // Adds a tone; with `wrap` anything past the end continues at the start (loops).
    void add(const Tone& t, bool wrap = false);
    // Scales to one loudness (the loudest 50 ms at `rmsTarget`), keeping peaks under 0.97.
    void normalise(double rmsTarget);
    // Scales to a weighted loudness (see loudness.h), rounding off peaks past a knee
    // instead of scaling the whole sound down, so a blast keeps its weight.
    void levelTo(double loudnessDb);
    // Short fades at both ends so the sound starts and stops without a click.
    void fadeEdges(double inSeconds, double outSeconds);
    std::string wav() const;

private:
    int rate_;
    int channels_;
    std::vector<float> data_;
};

double midiHz(double note);
