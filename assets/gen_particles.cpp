// Particle descriptions: 128 bytes, 32 little-endian 32-bit fields in this order:
// sprite (ignored), emission/s (int), lifetime (-1 = until stopped), life min, life max,
// direction, spread, relative (bool + 3 pad bytes), speed min/max, gravity min/max,
// radial acceleration min/max, tangential acceleration min/max, size start/end/variation,
// spin start/end/variation, start colour r,g,b,a, end colour r,g,b,a, colour variation,
// alpha variation. Direction 0 points up, pi down; sizes scale a 32-pixel sprite.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

#include "assets/families.h"
#include "assets/vehicle_data.h"

namespace {

struct Colour {
    float r, g, b, a;
};

struct Psi {
    int emission = 40;
    float lifetime = 1.0f;
    float lifeMin = 0.5f, lifeMax = 1.0f;
    float direction = 0.0f, spread = 2 * float(M_PI);
    bool relative = false;
    float speedMin = 40, speedMax = 80;
    float gravityMin = 0, gravityMax = 0;
    float radialMin = 0, radialMax = 0;
    float tangentialMin = 0, tangentialMax = 0;
    float sizeStart = 0.6f, sizeEnd = 0.2f, sizeVar = 0.3f;
    float spinStart = 0, spinEnd = 0, spinVar = 0;
    Colour start{1, 1, 1, 1}, end{1, 1, 1, 0};
    float colourVar = 0.1f, alphaVar = 0.1f;
};

constexpr float PI = float(M_PI);
constexpr float CONTINUOUS = -1.0f;

void putFloat(std::string& out, float v) {
    std::uint32_t bits;
    std::memcpy(&bits, &v, 4);
    for (int i = 0; i < 4; ++i) out.push_back(char((bits >> (8 * i)) & 0xff));
}

void putInt(std::string& out, std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    for (int i = 0; i < 4; ++i) out.push_back(char((u >> (8 * i)) & 0xff));
}

std::string encode(const Psi& p) {
    std::string out;
    putInt(out, 0);
    putInt(out, p.emission);
    for (float f : {p.lifetime, p.lifeMin, p.lifeMax, p.direction, p.spread}) putFloat(out, f);
    out.push_back(p.relative ? 1 : 0);
    out.append(3, '\0');
    for (float f : {p.speedMin, p.speedMax, p.gravityMin, p.gravityMax, p.radialMin, p.radialMax, p.tangentialMin,
                    p.tangentialMax, p.sizeStart, p.sizeEnd, p.sizeVar, p.spinStart, p.spinEnd, p.spinVar})
        putFloat(out, f);
    for (float f : {p.start.r, p.start.g, p.start.b, p.start.a, p.end.r, p.end.g, p.end.b, p.end.a}) putFloat(out, f);
    putFloat(out, p.colourVar);
    putFloat(out, p.alphaVar);
    return out;
}

// A one-off burst scaled to a blast of `size` pixels across.
Psi blast(float size, Colour hot, Colour cool) {
    Psi p;
    p.emission = 240;
    p.lifetime = 0.25f;
    p.lifeMin = 0.5f;
    p.lifeMax = 1.1f;
    p.speedMin = size * 0.35f;
    p.speedMax = size * 0.9f;
    p.radialMin = -size * 0.4f;
    p.radialMax = -size * 0.2f;
    p.sizeStart = 0.6f + size / 220.0f;
    p.sizeEnd = 0.2f + size / 400.0f;
    p.spinStart = -3;
    p.spinEnd = 3;
    p.spinVar = 1;
    // Additive particles pile up towards white; a softer start keeps the fire's colour.
    p.start = {hot.r, hot.g, hot.b, hot.a * 0.65f};
    p.end = cool;
    return p;
}

// A continuous trail that follows a moving shot.
Psi trail(Colour c, float size, int emission = 60) {
    Psi p;
    p.emission = emission;
    p.lifetime = CONTINUOUS;
    p.lifeMin = 0.25f;
    p.lifeMax = 0.5f;
    p.speedMin = 5;
    p.speedMax = 25;
    p.sizeStart = size;
    p.sizeEnd = size * 0.3f;
    p.start = c;
    p.end = {c.r, c.g, c.b, 0};
    return p;
}

// A condition aura around a vehicle: continuous, big enough to read at 7 particles/s.
Psi aura(Colour c, float size, float direction, float spread, float speed, float gravity = 0) {
    Psi p;
    p.emission = 27;
    p.lifetime = CONTINUOUS;
    p.lifeMin = 0.8f;
    p.lifeMax = 1.3f;
    p.direction = direction;
    p.spread = spread;
    p.speedMin = speed * 0.6f;
    p.speedMax = speed;
    p.gravityMin = p.gravityMax = gravity;
    p.sizeStart = size;
    p.sizeEnd = size * 0.7f;
    p.start = c;
    p.end = {c.r, c.g, c.b, 0};
    return p;
}

Psi general(int n) {
    const Colour fire{1, 0.75f, 0.3f, 1}, smoke{0.35f, 0.3f, 0.3f, 0};
    Psi p;
    switch (n) {
        case 0:
        case 30:  // hit sparks, faded out by the game lowering the emission
            p = trail(n == 0 ? Colour{1, 0.8f, 0.35f, 1} : Colour{0.5f, 0.8f, 1, 1}, 0.5f, 36);
            p.lifeMin = 0.3f;
            p.lifeMax = 0.6f;
            p.speedMin = 60;
            p.speedMax = 140;
            p.gravityMin = p.gravityMax = 120;
            return p;
        case 1:  // stat-change burst
            p = blast(80, {1, 1, 0.5f, 1}, {1, 0.6f, 0.2f, 0});
            p.sizeStart = 0.5f;
            return p;
        case 2:  // boost flame, pointing down from the tail
            p = trail({1, 0.85f, 0.4f, 1}, 0.7f, 90);
            p.direction = PI;
            p.spread = 0.35f;
            p.speedMin = 140;
            p.speedMax = 220;
            p.lifeMin = 0.12f;
            p.lifeMax = 0.25f;
            p.end = {0.9f, 0.2f, 0.1f, 0};
            return p;
        case 3:  // teleport arrival
            p = blast(90, {0.6f, 0.8f, 1, 1}, {0.7f, 0.3f, 1, 0});
            p.radialMin = p.radialMax = -150;
            return p;
        case 4:  // revive
            p = blast(70, {1, 0.45f, 0.6f, 1}, {1, 0.9f, 0.9f, 0});
            p.gravityMin = p.gravityMax = -80;
            return p;
        case 5:  // push
            p = blast(60, {0.9f, 0.9f, 0.95f, 0.9f}, {0.6f, 0.6f, 0.7f, 0});
            p.direction = 0;
            p.spread = 1;
            return p;
        case 6:
        case 20: {  // clouds that travel with their shot
            const Colour c = n == 6 ? Colour{0.45f, 0.9f, 0.3f, 0.7f} : Colour{0.6f, 0.4f, 0.75f, 0.7f};
            p = trail(c, 1.4f, 50);
            p.lifeMin = 0.5f;
            p.lifeMax = 0.9f;
            p.speedMax = 40;
            p.spinStart = -1;
            p.spinEnd = 1;
            return p;
        }
        case 7:  // TOXI aura
            return aura({0.4f, 0.95f, 0.3f, 0.9f}, 0.5f, 0, 1.2f, 30, -20);
        case 8:  // STUP aura: dizzy stars
            p = aura({1, 0.95f, 0.3f, 1}, 0.45f, 0, 2 * PI, 20);
            p.tangentialMin = p.tangentialMax = 90;
            return p;
        case 9:  // SLIP aura: oil drips
            return aura({0.25f, 0.3f, 0.4f, 0.9f}, 0.5f, PI, 1.0f, 20, 60);
        case 10:  // ZZZZ aura
            return aura({0.85f, 0.9f, 1, 1}, 0.55f, 0.4f, 0.5f, 35, -10);
        case 11:  // critical hit
            p = blast(50, {1, 1, 0.8f, 1}, {1, 0.5f, 0.1f, 0});
            p.sizeStart = 0.6f;
            return p;
        case 12:  // LEAK aura: fuel drips
            return aura({0.95f, 0.7f, 0.2f, 1}, 0.4f, PI, 0.5f, 30, 120);
        case 13:  // BZRK aura
            return aura({1, 0.3f, 0.15f, 1}, 0.7f, 0, 0.8f, 50, -40);
        case 14:  // U4IA aura
            return aura({1, 0.55f, 0.85f, 1}, 0.45f, 0, 1.4f, 40, -20);
        case 15:  // 2XL aura
            p = aura({0.7f, 0.4f, 1, 0.8f}, 1.2f, 0, 2 * PI, 15);
            p.sizeEnd = 1.8f;
            return p;
        case 16:
        case 17: {  // water gun and mustard: stream upwards from the top of the shot
            p = trail(n == 16 ? Colour{0.5f, 0.75f, 1, 1} : Colour{1, 0.85f, 0.15f, 1}, 0.5f, 80);
            p.direction = 0;
            p.spread = 0.3f;
            p.speedMin = 120;
            p.speedMax = 200;
            p.gravityMin = p.gravityMax = 150;
            return p;
        }
        case 18:
        case 72:
            p = trail({0.4f, 0.85f, 0.3f, 1}, 0.5f, 30);
            p.spinStart = -4;
            p.spinEnd = 4;
            return p;
        case 43:  // card shot: autumn leaves
            p = trail({1, 0.6f, 0.2f, 1}, 0.55f, 25);
            p.spinStart = -3;
            p.spinEnd = 3;
            p.gravityMin = p.gravityMax = 40;
            return p;
        case 19:  // kind-4 shot
            return trail({1, 0.35f, 0.3f, 1}, 0.5f);
        case 21:  // kind-10 spread shot
            return trail({1, 0.6f, 0.2f, 1}, 0.4f);
        case 22:  // round won: fireworks
            p = blast(160, {1, 0.9f, 0.3f, 1}, {0.3f, 0.6f, 1, 0});
            p.colourVar = 1;
            p.gravityMin = p.gravityMax = 60;
            return p;
        case 23:  // match won
            p = blast(260, {1, 0.85f, 0.3f, 1}, {1, 0.3f, 0.8f, 0});
            p.colourVar = 1;
            p.lifetime = 0.5f;
            return p;
        case 24:  // game over / even opponent beaten
            p = blast(240, fire, smoke);
            p.lifeMax = 1.6f;
            return p;
        case 25:  // odd opponent beaten
            return blast(160, fire, smoke);
        case 26:
        case 73:
            return trail({0.7f, 0.85f, 1, 1}, 0.45f, 50);
        case 44:  // card shot: sparks
            return trail({1, 0.95f, 0.4f, 1}, 0.5f, 60);
        case 27:
        case 49:
            p = trail({0.9f, 0.9f, 0.95f, 1}, 0.45f, 20);
            p.gravityMin = p.gravityMax = -40;
            return p;
        case 28:
        case 51:
            return trail({0.7f, 0.95f, 1, 1}, 0.5f, 40);
        case 29:
        case 42:
        case 57:
        case 66:
        case 70: {
            static const Colour tones[] = {
                {0.5f, 1, 0.5f, 1}, {1, 0.5f, 1, 1}, {1, 1, 0.5f, 1}, {0.5f, 1, 1, 1}, {1, 0.6f, 0.4f, 1}};
            const int i = n == 29 ? 0 : n == 42 ? 1 : n == 57 ? 2 : n == 66 ? 3 : 4;
            return trail(tones[i], 0.7f);
        }
        case 31:
        case 71:
            p = trail({0.9f, 0.5f, 1, 1}, 0.4f, 40);
            p.spinStart = 2;
            p.spinEnd = 6;
            return p;
        case 32:
        case 33:
        case 34:
        case 35:
        case 36:
            return blast(100.0f + 50.0f * (n - 32), fire, smoke);
        case 37:
        case 53: {
            p = blast(n == 53 ? 250.0f : 90.0f, {0.55f, 1, 0.3f, 1}, {0.2f, 0.5f, 0.1f, 0});
            if (n == 37) {
                p.lifetime = CONTINUOUS;
                p.emission = 40;
            }
            return p;
        }
        case 38:  // balloon splash
            p = blast(64, {0.6f, 0.8f, 1, 1}, {0.4f, 0.6f, 1, 0});
            p.gravityMin = p.gravityMax = 200;
            p.lifetime = 0.15f;
            return p;
        case 39:  // water-balloon drops
            p = trail({0.5f, 0.75f, 1, 1}, 0.5f, 40);
            p.gravityMin = p.gravityMax = 200;
            return p;
        case 40:
        case 54:
        case 68: {
            p = trail(n == 54 ? Colour{1, 1, 0.4f, 1} : Colour{1, 0.95f, 0.6f, 1}, 0.45f, n == 68 ? 25 : 40);
            p.colourVar = n == 68 ? 1.0f : 0.3f;
            p.start = n == 68 ? Colour{0.6f, 0.8f, 1, 1} : p.start;
            p.end = n == 68 ? Colour{1, 0.5f, 0.9f, 0} : p.end;
            p.lifeMax = 0.9f;
            p.spinStart = 1;
            p.spinEnd = 5;
            return p;
        }
        case 41:  // card shot: smoke
            return trail({0.7f, 0.7f, 0.75f, 0.7f}, 1.0f, 40);
        case 45:
        case 67:
            p = trail({0.7f, 0.5f, 1, 1}, 0.3f, 20);
            p.sizeEnd = 1.2f;
            return p;
        case 46:  // BFG blast
            p = blast(300, {0.6f, 1, 0.5f, 1}, {0.1f, 0.6f, 0.2f, 0});
            p.lifeMax = 1.5f;
            return p;
        case 47:  // TNT blast
            return blast(250, {1, 0.9f, 0.5f, 1}, smoke);
        case 48:  // card shot: hearts
            p = trail({1, 0.4f, 0.55f, 1}, 0.45f, 30);
            p.gravityMin = p.gravityMax = -50;
            return p;
        case 50:
        case 61:
        case 62:
            return blast(n == 50 ? 60.0f : 90.0f, {1, 0.95f, 0.6f, 1}, {1, 0.4f, 0.1f, 0});
        case 52:
        case 55:
        case 69:
            return trail({1, 1, 1, 1}, 0.35f, 30);
        case 56:  // Selfix sparkle
            p = blast(60, {0.5f, 1, 0.6f, 1}, {1, 1, 1, 0});
            p.gravityMin = p.gravityMax = -60;
            p.emission = 120;
            return p;
        case 58:  // kind-16 fire breath
            p = trail(fire, 1.1f, 120);
            p.direction = PI;
            p.spread = 1.0f;
            p.speedMin = 60;
            p.speedMax = 140;
            p.end = {0.8f, 0.1f, 0.05f, 0};
            return p;
        case 59:  // kind-18 slippery blob
            p = trail({0.3f, 0.35f, 0.45f, 0.9f}, 1.0f, 50);
            p.gravityMin = p.gravityMax = 50;
            return p;
        case 60:  // death of kind 8 (and 24)
            return blast(110, {0.65f, 0.4f, 0.85f, 1}, {0.2f, 0.6f, 0.3f, 0});
        case 63:  // death of kind 10
            p = blast(90, {0.7f, 0.9f, 1, 1}, {0.6f, 0.7f, 1, 0});
            p.spinStart = 4;
            p.spinEnd = 8;
            return p;
        case 64:  // death of kinds 12, 17 (and 24)
            return blast(140, fire, {0.25f, 0.25f, 0.3f, 0});
        case 65:  // death of kind 18
            p = blast(100, {0.3f, 0.35f, 0.45f, 1}, {0.2f, 0.25f, 0.3f, 0});
            p.gravityMin = p.gravityMax = 150;
            return p;
        default:
            return trail({1, 1, 1, 1}, 0.5f);
    }
}

// The human's bullet looks: colour per vehicle; the game overwrites start and end size.
Psi vehicleShot(int v) {
    static const Colour colours[VEHICLE_COUNT] = {{1, 0.9f, 0.4f, 1}, {0.4f, 0.9f, 1, 1}, {0.6f, 1, 0.5f, 1},
                                                  {1, 0.5f, 0.9f, 1}, {1, 0.6f, 0.3f, 1}, {0.7f, 0.6f, 1, 1},
                                                  {1, 1, 0.8f, 1},    {0.5f, 1, 0.9f, 1}};
    Psi p = trail(colours[v], 1.0f, 50);
    p.lifeMin = 0.12f;
    p.lifeMax = 0.22f;
    p.speedMax = 10;
    p.sizeVar = 0;
    return p;
}

// The opponent's bullets: 8-pixel shots, warm for straight shooters, cool for waves.
Psi opponentShot(int o) {
    const bool wave = o == 1 || o == 3 || o == 5;
    Psi p = trail(wave ? Colour{0.6f, 0.7f, 1, 1} : Colour{1, 0.45f, 0.35f, 1}, 0.4f, 50);
    p.lifeMin = 0.1f;
    p.lifeMax = 0.2f;
    p.speedMax = 8;
    return p;
}

bool numberAfter(const std::string& name, const std::string& prefix, int& n, int limit) {
    if (name.rfind(prefix, 0) != 0 || name.size() == prefix.size()) return false;
    const std::string digits = name.substr(prefix.size());
    if (digits.find_first_not_of("0123456789") != std::string::npos) return false;
    n = std::stoi(digits);
    return n < limit && std::to_string(n) == digits;
}

}  // namespace

bool makeParticle(const std::string& name, std::string& psi) {
    int n = 0;
    if (numberAfter(name, "par", n, 74))
        psi = encode(general(n));
    else if (numberAfter(name, "oppPar", n, 7))
        psi = encode(opponentShot(n));
    else {
        for (int v = 0; v < VEHICLE_COUNT; ++v)
            if (name == "vehPar" + std::to_string(v) + "0") {
                psi = encode(vehicleShot(v));
                return true;
            }
        return false;
    }
    return true;
}
