// The engine's random numbers: a small permuted congruential generator, so a fixed
// seed replays a battle identically on every machine.
#pragma once

#include <cstdint>

class RandomGenerator {
public:
    // 0 seeds from the clock.
    void seed(int seed);
    // Both bounds inclusive; swapped bounds are taken in order.
    int nextInt(int min, int max);
    // In [min, max).
    float nextFloat(float min, float max);
    std::uint64_t state() const { return state_; }
    void setState(std::uint64_t state) { state_ = state; }

private:
    std::uint32_t next32();
    std::uint64_t state_ = 0x853c49e6748fea9bULL;
};
