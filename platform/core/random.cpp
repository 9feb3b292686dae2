#include "platform/core/random.h"

#include <chrono>
#include <utility>

namespace {
constexpr std::uint64_t MULTIPLIER = 6364136223846793005ULL;
constexpr std::uint64_t INCREMENT = 1442695040888963407ULL;
}  // namespace

void RandomGenerator::seed(int seed) {
    std::uint64_t s = static_cast<std::uint32_t>(seed);
    if (seed == 0) s = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    state_ = 0;
    next32();
    state_ += s;
    next32();
}

std::uint32_t RandomGenerator::next32() {
    const std::uint64_t old = state_;
    state_ = old * MULTIPLIER + INCREMENT;
    const auto xorshifted = static_cast<std::uint32_t>(((old >> 18u) ^ old) >> 27u);
    const auto rot = static_cast<std::uint32_t>(old >> 59u);
    return (xorshifted >> rot) | (xorshifted << ((32u - rot) & 31u));
}

int RandomGenerator::nextInt(int min, int max) {
    if (min > max) std::swap(min, max);
    const std::uint64_t span = static_cast<std::uint64_t>(static_cast<std::int64_t>(max) - min) + 1;
    const std::uint64_t r = (static_cast<std::uint64_t>(next32()) << 32) | next32();
    return static_cast<int>(min + static_cast<std::int64_t>(r % span));
}

float RandomGenerator::nextFloat(float min, float max) {
    const float unit = static_cast<float>(next32() >> 8) * (1.0f / 16777216.0f);
    return min + unit * (max - min);
}
