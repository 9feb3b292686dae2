#include "assets/sfx_kit.h"

#include <algorithm>
#include <cmath>

namespace sfx {

Tone tone(W wave, double start, double length, double freq, double freqEnd, double volume) {
    Tone t;
    t.wave = wave;
    t.start = start;
    t.length = length;
    t.freq = freq;
    t.freqEnd = freqEnd;
    t.volume = volume;
    return t;
}

Tone noise(double start, double length, double rate, double rateEnd, double cutoff, double cutoffEnd, double volume,
           std::uint32_t seed) {
    Tone t = tone(W::NOISE, start, length, rate, rateEnd, volume);
    t.cutoff = cutoff;
    t.cutoffEnd = cutoffEnd;
    t.release = 0.9;
    t.seed = seed;
    return t;
}

Tone vib(Tone t, double hz, double depth) {
    t.vibratoHz = hz;
    t.vibratoDepth = depth;
    return t;
}

Tone shaped(Tone t, double attack, double release) {
    t.attack = attack;
    t.release = release;
    return t;
}

Tone duty(Tone t, double d) {
    t.duty = d;
    return t;
}

Tone filtered(Tone t, double cutoff, double cutoffEnd) {
    t.cutoff = cutoff;
    t.cutoffEnd = cutoffEnd;
    return t;
}

Builder& Builder::run(W wave, double start, double step, std::initializer_list<double> notes, double volume,
                      double hold) {
    int i = 0;
    for (double n : notes) {
        Tone t = tone(wave, start + step * i++, step * hold, midiHz(n), 0, volume);
        t.release = 0.5;
        sig.add(t);
    }
    return *this;
}

Builder& Builder::bell(double start, double length, double freq, double volume) {
    const double ratios[] = {1.0, 2.76, 5.4};
    const double levels[] = {1.0, 0.45, 0.2};
    for (int i = 0; i < 3; ++i)
        sig.add(shaped(tone(W::SINE, start, length / (1 + i * 0.6), freq * ratios[i], 0, volume * levels[i]), 0.002,
                       0.97));
    return *this;
}

Builder& Builder::blast(double start, double size, std::uint32_t seed) {
    const double tail = 0.35 + 0.45 * size;
    // The crack: a few milliseconds of full-band noise over a high click.
    sig.add(shaped(noise(start, 0.03 + 0.01 * size, 11025, 6000, 0, 0, 1.0, seed), 0.0005, 0.8));
    sig.add(shaped(tone(W::SQUARE, start, 0.02, 1800 / size, 400, 0.5), 0.0005, 0.7));
    // The thump: a sine dropping into the chest, longer and lower for bigger blasts.
    sig.add(shaped(tone(W::SINE, start, 0.18 + 0.14 * size, 150 - 20 * size, 38 - 4 * size, 1.2), 0.001, 0.85));
    sig.add(shaped(filtered(tone(W::TRIANGLE, start, 0.12 + 0.05 * size, 95, 45, 0.5), 400), 0.001, 0.8));
    // The tail: rumbling noise whose colour darkens as it rolls away.
    Tone roll = noise(start + 0.01, tail, 3200 / size, 180, 5200 / size, 160, 0.75, seed + 1);
    roll.attack = 0.004;
    sig.add(roll);
    // Debris: a scatter of short ticks, more for bigger blasts.
    const int bits = int(3 * size);
    for (int i = 0; i < bits; ++i) {
        const double at = start + 0.06 + tail * 0.55 * ((i * 7 + seed) % 11) / 11.0;
        sig.add(noise(at, 0.015, 7000, 4000, 6000, 0, 0.22, seed + 10 + i));
    }
    return *this;
}

}  // namespace sfx
