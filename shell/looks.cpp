#include "shell/looks.h"

#include "platform/core/random.h"

namespace {
RandomGenerator& looks() {
    static RandomGenerator generator;
    return generator;
}
}  // namespace

DWORD randomLookColor() {
    RandomGenerator& g = looks();
    const int r = g.nextInt(0, 255), gr = g.nextInt(0, 255), b = g.nextInt(0, 255);
    return ARGB(255, r, gr, b);
}
