#include "assets/loudness.h"

#include <algorithm>
#include <cmath>

namespace {

// One-pole filter, low or high pass, at a corner frequency.
struct OnePole {
    double a = 0, state = 0, previous = 0;
    bool highPass = false;
    OnePole(double corner, int rate, bool high) : highPass(high) {
        a = std::exp(-2 * M_PI * std::min(corner, rate * 0.45) / rate);
    }
    double operator()(double x) {
        if (highPass) {
            state = a * (state + x - previous);
            previous = x;
            return state;
        }
        state = (1 - a) * x + a * state;
        return state;
    }
};

// The ear's weighting as poles at 20.6 Hz (twice), 107.7 Hz, 737.9 Hz and 12.2 kHz
// (twice): the weighting sound meters have long used. The filters are digital, so the
// gain is set by running a 1 kHz tone through them at the signal's own rate: a sound
// at 22 kHz and a stream at 44 kHz then measure alike.
// Channels are averaged, so a mono effect and a centred stereo tune compare fairly.
std::vector<OnePole> weighting(int rate) {
    return {{20.6, rate, true}, {20.6, rate, true}, {107.7, rate, true}, {737.9, rate, true}, {12194.0, rate, false},
            {12194.0, rate, false}};
}

double gainAt1k(int rate) {
    std::vector<OnePole> chain = weighting(rate);
    double in = 0, out = 0;
    const int settle = rate / 5, measure = rate / 10;
    for (int i = 0; i < settle + measure; ++i) {
        double v = std::sin(2 * M_PI * 1000.0 * i / rate);
        const double dry = v;
        for (OnePole& f : chain) v = f(v);
        if (i >= settle) in += dry * dry, out += v * v;
    }
    return std::sqrt(out / in);
}

std::vector<double> weightedSquares(const std::vector<float>& samples, int channels, int rate) {
    const std::size_t frames = samples.size() / std::max(1, channels);
    std::vector<double> squares(frames, 0.0);
    const double gain = gainAt1k(rate);
    for (int c = 0; c < channels; ++c) {
        std::vector<OnePole> chain = weighting(rate);
        for (std::size_t i = 0; i < frames; ++i) {
            double v = samples[i * channels + c];
            for (OnePole& f : chain) v = f(v);
            v /= gain;
            squares[i] += v * v / channels;
        }
    }
    return squares;
}

double toDb(double meanSquare) {
    // A full-scale sine has a mean square of 1/2: it reads 0 dB.
    return 10 * std::log10(std::max(meanSquare * 2, 1e-12));
}

}  // namespace

double loudestDb(const std::vector<float>& samples, int channels, int rate, double window) {
    const std::vector<double> squares = weightedSquares(samples, channels, rate);
    const std::size_t span = std::max<std::size_t>(1, std::size_t(window * rate));
    double sum = 0, loudest = 0;
    for (std::size_t i = 0; i < squares.size(); ++i) {
        sum += squares[i];
        if (i >= span) sum -= squares[i - span];
        loudest = std::max(loudest, sum);
    }
    return toDb(loudest / double(span));
}

double averageDb(const std::vector<float>& samples, int channels, int rate) {
    const std::vector<double> squares = weightedSquares(samples, channels, rate);
    double sum = 0;
    for (double s : squares) sum += s;
    return toDb(sum / double(std::max<std::size_t>(1, squares.size())));
}
