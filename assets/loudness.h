// Loudness as a listener hears it: a frequency weighting shaped like the ear's (quiet
// below 200 Hz and above 10 kHz), then the mean square of the loudest stretch, in dB
// relative to a full-scale sine. Used to give each sound role its level and to check it.
#pragma once

#include <cstddef>
#include <vector>

constexpr double LOUDNESS_WINDOW = 0.2;  // seconds; about how long the ear sums a sound

// Loudest `window`-second stretch of interleaved samples; sounds shorter than the window
// count as padded with silence, so a short blip measures quieter than a held tone.
double loudestDb(const std::vector<float>& samples, int channels, int rate, double window = LOUDNESS_WINDOW);
// The whole signal's weighted mean square, for music heard over a long time.
double averageDb(const std::vector<float>& samples, int channels, int rate);
