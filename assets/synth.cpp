#include "assets/synth.h"

#include <algorithm>
#include <cmath>

#include "assets/loudness.h"

Signal::Signal(int rate, double seconds, int channels)
    : rate_(rate), channels_(channels), data_(static_cast<std::size_t>(std::lround(seconds * rate)) * channels, 0.0f) {}

double midiHz(double note) {
    return 440.0 * std::pow(2.0, (note - 69.0) / 12.0);
}

void Signal::add(const Tone& t, bool wrap) {
    const std::size_t total = frames();
    const long first = std::lround(t.start * rate_);
    const long count = std::lround(t.length * rate_);
    if (count <= 0 || total == 0) return;
    std::uint32_t noise = t.seed * 2654435761u + 12345u;
    double phase = 0.0, held = 0.0, lp = 0.0;
    const double attack = std::max(t.attack, 0.001);
    const double releaseStart = t.length * (1.0 - std::clamp(t.release, 0.0, 1.0));
    const double left = std::sqrt(0.5 * (1.0 - t.pan)), right = std::sqrt(0.5 * (1.0 + t.pan));
    for (long i = 0; i < count; ++i) {
        const double time = double(i) / rate_;
        const double u = double(i) / count;
        double f = t.freq;
        if (t.freqEnd > 0) f = t.freq * std::pow(t.freqEnd / t.freq, std::pow(u, t.slideCurve));
        if (t.arpTime > 0 && time >= t.arpTime) f *= std::pow(2.0, t.arpSemis / 12.0);
        if (t.vibratoHz > 0) f *= 1.0 + t.vibratoDepth * std::sin(2 * M_PI * t.vibratoHz * time);
        const double before = phase;
        phase += f / rate_;
        phase -= std::floor(phase);
        double s = 0.0;
        switch (t.wave) {
            case Wave::SINE:
                s = std::sin(2 * M_PI * phase);
                break;
            case Wave::SQUARE:
                s = phase < t.duty ? 0.8 : -0.8;
                break;
            case Wave::SAW:
                s = 1.6 * phase - 0.8;
                break;
            case Wave::TRIANGLE:
                s = phase < 0.5 ? 4 * phase - 1 : 3 - 4 * phase;
                break;
            case Wave::NOISE:
                // Sample-and-hold noise: its rate sets the pitch of the rumble or hiss.
                if (phase < before || f * 2 >= rate_) {
                    noise = noise * 1664525u + 1013904223u;
                    held = (double(noise >> 8) / 8388608.0) - 1.0;
                }
                s = held;
                break;
        }
        if (t.cutoff > 0) {
            const double c = t.cutoffEnd > 0 ? t.cutoff * std::pow(t.cutoffEnd / t.cutoff, u) : t.cutoff;
            const double k = 1.0 - std::exp(-2 * M_PI * std::min(c, rate_ * 0.45) / rate_);
            lp += k * (s - lp);
            s = lp;
        }
        double env = time < attack ? time / attack : 1.0;
        if (time > releaseStart && t.length > releaseStart) {
            const double r = (time - releaseStart) / (t.length - releaseStart);
            env *= (1.0 - r) * (1.0 - r);
        }
        if (t.tremoloHz > 0) env *= 0.75 + 0.25 * std::sin(2 * M_PI * t.tremoloHz * time);
        const float v = static_cast<float>(s * env * t.volume);
        long at = first + i;
        if (wrap)
            at %= static_cast<long>(total);
        else if (at >= static_cast<long>(total))
            break;
        if (channels_ == 1) {
            data_[at] += v;
        } else {
            data_[at * 2] += static_cast<float>(v * left);
            data_[at * 2 + 1] += static_cast<float>(v * right);
        }
    }
}

void Signal::normalise(double rmsTarget) {
    const std::size_t window = static_cast<std::size_t>(rate_ * 0.05) * channels_;
    double loudest = 0.0, sum = 0.0, peak = 0.0;
    for (std::size_t i = 0; i < data_.size(); ++i) {
        sum += double(data_[i]) * data_[i];
        if (i >= window) sum -= double(data_[i - window]) * data_[i - window];
        loudest = std::max(loudest, sum);
        peak = std::max(peak, double(std::fabs(data_[i])));
    }
    const double rms = std::sqrt(loudest / std::max<std::size_t>(1, std::min(window, data_.size())));
    if (rms <= 1e-9) return;
    double gain = rmsTarget / rms;
    if (peak * gain > 0.97) gain = 0.97 / peak;
    for (float& s : data_) s = static_cast<float>(s * gain);
}

namespace {
float softLimit(double x) {
    constexpr double KNEE = 0.6, ROOM = 0.37;
    const double a = std::fabs(x);
    if (a <= KNEE) return float(x);
    return float(std::copysign(KNEE + ROOM * std::tanh((a - KNEE) / ROOM), x));
}
}  // namespace

void Signal::levelTo(double loudnessDb) {
    const std::vector<float> dry = data_;
    double gain = 1.0;
    for (int pass = 0; pass < 6; ++pass) {
        const double now = loudestDb(data_, channels_, rate_);
        if (now < -120) return;
        const double step = std::pow(10.0, (loudnessDb - now) / 20.0);
        if (std::fabs(step - 1.0) < 0.005) return;
        gain = std::min(gain * step, 40.0);
        for (std::size_t i = 0; i < dry.size(); ++i) data_[i] = softLimit(dry[i] * gain);
    }
}

void Signal::fadeEdges(double inSeconds, double outSeconds) {
    const std::size_t n = frames();
    const std::size_t in = std::min(n, static_cast<std::size_t>(inSeconds * rate_));
    const std::size_t out = std::min(n, static_cast<std::size_t>(outSeconds * rate_));
    for (std::size_t i = 0; i < in; ++i)
        for (int c = 0; c < channels_; ++c) data_[i * channels_ + c] *= float(double(i) / in);
    for (std::size_t i = 0; i < out; ++i)
        for (int c = 0; c < channels_; ++c) data_[(n - 1 - i) * channels_ + c] *= float(double(i) / out);
}

namespace {
void put16(std::string& s, unsigned v) {
    s.push_back(char(v & 0xff));
    s.push_back(char((v >> 8) & 0xff));
}
void put32(std::string& s, unsigned v) {
    put16(s, v & 0xffff);
    put16(s, v >> 16);
}
}  // namespace

std::string Signal::wav() const {
    std::string s = "RIFF";
    const unsigned bytes = static_cast<unsigned>(data_.size() * 2);
    put32(s, 36 + bytes);
    s += "WAVEfmt ";
    put32(s, 16);
    put16(s, 1);
    put16(s, channels_);
    put32(s, rate_);
    put32(s, rate_ * channels_ * 2);
    put16(s, channels_ * 2);
    put16(s, 16);
    s += "data";
    put32(s, bytes);
    for (float v : data_) {
        const long q = std::lround(std::clamp(v, -1.0f, 1.0f) * 32767.0f);
        put16(s, static_cast<unsigned>(q) & 0xffff);
    }
    return s;
}
