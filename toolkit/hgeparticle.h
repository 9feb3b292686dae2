// One particle emitter with its particles: spawns sprites with randomised motion, size,
// spin and colour over their lives.
#pragma once

#include <memory>

#include "toolkit/hgepinfo.h"
#include "toolkit/hgesprite.h"

constexpr int MAX_PARTICLES = 500;

struct hgeParticle {
    float x = 0, y = 0;
    float velX = 0, velY = 0;
    float gravity = 0;
    float radialAccel = 0;
    float tangentialAccel = 0;
    float spin = 0, spinDelta = 0;
    float size = 0, sizeDelta = 0;
    hgeColor color, colorDelta;
    float age = 0;
    float terminalAge = 0;
};

class hgeParticleSystem {
public:
    // Description from a particle file; a missing or malformed file leaves an empty one.
    // fps 0 runs one step per Update, otherwise steps of exactly 1 / fps seconds.
    hgeParticleSystem(const char* filename, hgeSprite* sprite, float fps = 0.0f);
    explicit hgeParticleSystem(const hgeParticleSystemInfo* info, float fps = 0.0f);

    void Render();
    void FireAt(float x, float y);
    void Fire();
    void Stop(bool killParticles = false);
    void Update(float dt);
    void MoveTo(float x, float y, bool moveParticles = false);
    // Offset added when drawing.
    void Transpose(float x, float y);

    int GetParticlesAlive() const { return alive_; }
    // -2 once stopped, -1 while emitting without end, else seconds since firing.
    float GetAge() const { return age_; }
    void GetPosition(float* x, float* y) const;
    void GetTransposition(float* x, float* y) const;

    hgeParticleSystemInfo info;

private:
    void step(float dt);
    void moveParticles(float dt);
    void emit(float dt);
    void spawnParticle(hgeParticle& p);

    float updateStep_;
    float timeLeft_ = 0;
    float age_ = -2;
    float emissionRemainder_ = 0;
    float prevX_ = 0, prevY_ = 0;
    float x_ = 0, y_ = 0;
    float transX_ = 0, transY_ = 0;
    int alive_ = 0;
    // Made on the first emission: many systems are only read for their description.
    std::unique_ptr<hgeParticle[]> particles_;
};
