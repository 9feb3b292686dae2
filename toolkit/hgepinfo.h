// The description of a particle emitter, which is also the particle file's content.
#pragma once

#include <cstddef>
#include <cstdint>

class hgeSprite;

struct hgeColor {
    float r = 0, g = 0, b = 0, a = 0;
};

struct hgeParticleSystemInfo {
    hgeSprite* sprite = nullptr;
    int emission = 0;          // particles per second
    float lifetime = 0;        // seconds; -1 emits until stopped
    float particleLifeMin = 0, particleLifeMax = 0;
    float direction = 0, spread = 0;  // radians
    bool relative = false;     // direction taken relative to the emitter's motion
    float speedMin = 0, speedMax = 0;
    float gravityMin = 0, gravityMax = 0;
    float radialAccelMin = 0, radialAccelMax = 0;
    float tangentialAccelMin = 0, tangentialAccelMax = 0;
    float sizeStart = 0, sizeEnd = 0, sizeVar = 0;
    float spinStart = 0, spinEnd = 0, spinVar = 0;
    hgeColor colorStart, colorEnd;  // channels 0..1
    float colorVar = 0, alphaVar = 0;
};

constexpr std::size_t PARTICLE_FILE_SIZE = 128;

// Fills everything but the sprite from a particle file's bytes; false (and info untouched)
// unless there are exactly PARTICLE_FILE_SIZE of them.
bool readParticleInfo(const void* data, std::size_t size, hgeParticleSystemInfo* info);
// The particle file for a description (the sprite's bytes are written as zero).
void writeParticleInfo(const hgeParticleSystemInfo& info, std::uint8_t out[PARTICLE_FILE_SIZE]);
