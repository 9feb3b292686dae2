#include "toolkit/hgeparticle.h"

#include <cmath>
#include <numbers>

namespace {

float rnd(float min, float max) {
    return hge->Random_Float(min, max);
}

// Change per second that takes a value to its end over a life; an instant life has none.
float perSecond(float from, float to, float life) {
    return life > 0 ? (to - from) / life : 0.0f;
}

// Channels drift past 0..1 with rounding and variation; NaN counts as 0.
DWORD channelByte(float v) {
    if (!(v > 0)) return 0;
    return v >= 1 ? 255 : DWORD(v * 255.0f);
}

}  // namespace

hgeParticleSystem::hgeParticleSystem(const char* filename, hgeSprite* sprite, float fps)
    : updateStep_(fps > 0 ? 1.0f / fps : 0.0f) {
    if (!filename) filename = "";
    DWORD size = 0;
    void* data = hge->Resource_Load(filename, &size);
    if (!data) {
        hge->System_Log("Particle file '%s' not found.", filename);
    } else {
        if (!readParticleInfo(data, size, &info)) {
            hge->System_Log("Particle file '%s' is %u bytes long; a particle file has %u.",
                            filename, unsigned(size), unsigned(PARTICLE_FILE_SIZE));
        }
        hge->Resource_Free(data);
    }
    info.sprite = sprite;
}

hgeParticleSystem::hgeParticleSystem(const hgeParticleSystemInfo* psi, float fps)
    : info(*psi), updateStep_(fps > 0 ? 1.0f / fps : 0.0f) {}

void hgeParticleSystem::Update(float dt) {
    if (updateStep_ == 0) {
        step(dt);
        return;
    }
    timeLeft_ += dt;
    while (timeLeft_ >= updateStep_) {
        step(updateStep_);
        timeLeft_ -= updateStep_;
    }
}

void hgeParticleSystem::step(float dt) {
    if (age_ >= 0) {
        age_ += dt;
        if (age_ >= info.lifetime) age_ = -2;
    }
    moveParticles(dt);
    if (age_ != -2) emit(dt);
    prevX_ = x_;
    prevY_ = y_;
}

void hgeParticleSystem::moveParticles(float dt) {
    for (int i = 0; i < alive_; ++i) {
        hgeParticle& p = particles_[i];
        p.age += dt;
        if (p.age >= p.terminalAge) {
            // The last particle fills the hole and is processed in this same slot.
            p = particles_[--alive_];
            --i;
            continue;
        }
        float dx = p.x - x_;
        float dy = p.y - y_;
        float len = std::sqrt(dx * dx + dy * dy);
        if (len > 0) {
            dx /= len;
            dy /= len;
        }
        float ax = dx * p.radialAccel - dy * p.tangentialAccel;
        float ay = dy * p.radialAccel + dx * p.tangentialAccel;
        p.velX += ax * dt;
        p.velY += ay * dt + p.gravity * dt;
        // Velocities are in pixels per step.
        p.x += p.velX;
        p.y += p.velY;
        p.spin += p.spinDelta * dt;
        p.size += p.sizeDelta * dt;
        p.color.r += p.colorDelta.r * dt;
        p.color.g += p.colorDelta.g * dt;
        p.color.b += p.colorDelta.b * dt;
        p.color.a += p.colorDelta.a * dt;
    }
}

void hgeParticleSystem::emit(float dt) {
    float due = float(info.emission) * dt + emissionRemainder_;
    // Whole particles are created and the fraction carried on; more than fit is never due,
    // which also keeps the conversion to int in range.
    int count = 0;
    if (due >= float(MAX_PARTICLES)) {
        count = MAX_PARTICLES;
        due = 0;
    } else if (due >= 1) {
        count = int(due);
        due -= float(count);
    }
    emissionRemainder_ = due;
    if (count > 0 && !particles_) particles_ = std::make_unique<hgeParticle[]>(MAX_PARTICLES);
    for (int i = 0; i < count && alive_ < MAX_PARTICLES; ++i) {
        spawnParticle(particles_[alive_++]);
    }
}

void hgeParticleSystem::spawnParticle(hgeParticle& p) {
    const hgeParticleSystemInfo& d = info;
    p.age = 0;
    p.terminalAge = rnd(d.particleLifeMin, d.particleLifeMax);

    // Spread along the path since the last step, so a moving emitter leaves a trail.
    float along = rnd(0, 1);
    p.x = prevX_ + (x_ - prevX_) * along;
    p.y = prevY_ + (y_ - prevY_) * along;
    p.x += rnd(-2, 2);
    p.y += rnd(-2, 2);

    float heading = d.direction - std::numbers::pi_v<float> / 2 + rnd(0, d.spread) - d.spread / 2;
    if (d.relative) {
        heading += std::atan2(prevY_ - y_, prevX_ - x_) + std::numbers::pi_v<float> / 2;
    }
    float speed = rnd(d.speedMin, d.speedMax);
    p.velX = std::cos(heading) * speed;
    p.velY = std::sin(heading) * speed;

    p.gravity = rnd(d.gravityMin, d.gravityMax);
    p.radialAccel = rnd(d.radialAccelMin, d.radialAccelMax);
    p.tangentialAccel = rnd(d.tangentialAccelMin, d.tangentialAccelMax);

    float life = p.terminalAge;
    p.size = rnd(d.sizeStart, d.sizeStart + (d.sizeEnd - d.sizeStart) * d.sizeVar);
    p.sizeDelta = perSecond(p.size, d.sizeEnd, life);
    p.spin = rnd(d.spinStart, d.spinStart + (d.spinEnd - d.spinStart) * d.spinVar);
    p.spinDelta = perSecond(p.spin, d.spinEnd, life);

    auto channel = [&](float start, float end, float var, float& value, float& delta) {
        value = rnd(start, start + (end - start) * var);
        delta = perSecond(value, end, life);
    };
    channel(d.colorStart.r, d.colorEnd.r, d.colorVar, p.color.r, p.colorDelta.r);
    channel(d.colorStart.g, d.colorEnd.g, d.colorVar, p.color.g, p.colorDelta.g);
    channel(d.colorStart.b, d.colorEnd.b, d.colorVar, p.color.b, p.colorDelta.b);
    channel(d.colorStart.a, d.colorEnd.a, d.alphaVar, p.color.a, p.colorDelta.a);
}

void hgeParticleSystem::Render() {
    hgeSprite* sprite = info.sprite;
    if (!sprite) return;
    DWORD saved = sprite->GetColor();
    for (int i = 0; i < alive_; ++i) {
        const hgeParticle& p = particles_[i];
        sprite->SetColor(ARGB(channelByte(p.color.a), channelByte(p.color.r),
                              channelByte(p.color.g), channelByte(p.color.b)));
        sprite->RenderEx(p.x + transX_, p.y + transY_, p.spin * p.age, p.size);
    }
    sprite->SetColor(saved);
}

void hgeParticleSystem::Fire() {
    age_ = info.lifetime == -1 ? -1 : 0;
    emissionRemainder_ = 0;
}

void hgeParticleSystem::FireAt(float x, float y) {
    Stop();
    MoveTo(x, y);
    Fire();
}

void hgeParticleSystem::Stop(bool killParticles) {
    age_ = -2;
    if (killParticles) alive_ = 0;
}

void hgeParticleSystem::MoveTo(float x, float y, bool moveParticles) {
    if (moveParticles) {
        float dx = x - x_;
        float dy = y - y_;
        for (int i = 0; i < alive_; ++i) {
            particles_[i].x += dx;
            particles_[i].y += dy;
        }
        prevX_ += dx;
        prevY_ += dy;
    } else if (age_ == -2) {
        prevX_ = x;
        prevY_ = y;
    } else {
        prevX_ = x_;
        prevY_ = y_;
    }
    x_ = x;
    y_ = y;
}

void hgeParticleSystem::Transpose(float x, float y) {
    transX_ = x;
    transY_ = y;
}

void hgeParticleSystem::GetPosition(float* x, float* y) const {
    *x = x_;
    *y = y_;
}

void hgeParticleSystem::GetTransposition(float* x, float* y) const {
    *x = transX_;
    *y = transY_;
}
