// Particle file: exactly 128 bytes of 32 little-endian fields of 4 bytes, in this order:
//   sprite (ignored; the sprite is given when the emitter is made), emission (int32,
//   particles per second), system lifetime (float, -1 = endless), particle life min, max,
//   direction, spread, relative (bool in the first byte, three filler bytes),
//   speed min, max, gravity min, max, radial acceleration min, max,
//   tangential acceleration min, max, size start, end, variation,
//   spin start, end, variation, start colour r, g, b, a, end colour r, g, b, a,
//   colour variation, alpha variation (every other field a float).
// Fields are read one by one rather than by casting memory, so the layout of the struct
// and the byte order of the machine do not matter.
#include "toolkit/hgepinfo.h"

#include <bit>

namespace {

class FieldReader {
public:
    explicit FieldReader(const std::uint8_t* data) : p_(data) {}
    void skip() { p_ += 4; }
    void operator()(std::int32_t& v) { v = std::int32_t(next()); }
    void operator()(float& v) { v = std::bit_cast<float>(next()); }
    void operator()(bool& v) { v = next() & 0xFF; }

private:
    std::uint32_t next() {
        std::uint32_t v = std::uint32_t(p_[0]) | std::uint32_t(p_[1]) << 8 |
                          std::uint32_t(p_[2]) << 16 | std::uint32_t(p_[3]) << 24;
        p_ += 4;
        return v;
    }
    const std::uint8_t* p_;
};

class FieldWriter {
public:
    explicit FieldWriter(std::uint8_t* out) : p_(out) {}
    void skip() { put(0); }
    void operator()(const std::int32_t& v) { put(std::uint32_t(v)); }
    void operator()(const float& v) { put(std::bit_cast<std::uint32_t>(v)); }
    void operator()(const bool& v) { put(v ? 1 : 0); }

private:
    void put(std::uint32_t v) {
        for (int i = 0; i < 4; ++i) *p_++ = std::uint8_t(v >> (8 * i));
    }
    std::uint8_t* p_;
};

// Visits the fields in file order; the one list serves both reading and writing.
template <class Info, class Visitor>
void visitFields(Info& in, Visitor&& f) {
    f.skip();
    f(in.emission);
    f(in.lifetime);
    f(in.particleLifeMin); f(in.particleLifeMax);
    f(in.direction); f(in.spread);
    f(in.relative);
    f(in.speedMin); f(in.speedMax);
    f(in.gravityMin); f(in.gravityMax);
    f(in.radialAccelMin); f(in.radialAccelMax);
    f(in.tangentialAccelMin); f(in.tangentialAccelMax);
    f(in.sizeStart); f(in.sizeEnd); f(in.sizeVar);
    f(in.spinStart); f(in.spinEnd); f(in.spinVar);
    f(in.colorStart.r); f(in.colorStart.g); f(in.colorStart.b); f(in.colorStart.a);
    f(in.colorEnd.r); f(in.colorEnd.g); f(in.colorEnd.b); f(in.colorEnd.a);
    f(in.colorVar); f(in.alphaVar);
}

static_assert(sizeof(int) == 4, "emission is stored as a 32-bit integer");

}  // namespace

bool readParticleInfo(const void* data, std::size_t size, hgeParticleSystemInfo* info) {
    if (!data || size != PARTICLE_FILE_SIZE) return false;
    hgeSprite* sprite = info->sprite;
    visitFields(*info, FieldReader(static_cast<const std::uint8_t*>(data)));
    info->sprite = sprite;
    return true;
}

void writeParticleInfo(const hgeParticleSystemInfo& info, std::uint8_t out[PARTICLE_FILE_SIZE]) {
    visitFields(info, FieldWriter(out));
}
