// Counters that live for a whole campaign (score, play time, kills) are saved and loaded
// back; past the int range they stop at its end instead of wrapping to a value no save holds.
#pragma once

#include <algorithm>
#include <climits>

inline int saturatedInt(long long value) {
    return static_cast<int>(std::clamp(value, static_cast<long long>(INT_MIN), static_cast<long long>(INT_MAX)));
}

inline void addSaturating(int& counter, long long amount) { counter = saturatedInt(counter + amount); }
