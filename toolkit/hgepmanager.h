// Owns the emitters the game spawns: fires each at a point, updates and draws them all,
// and deletes each one once it has stopped and its last particle has died.
#pragma once

#include <array>
#include <memory>

#include "toolkit/hgeparticle.h"

constexpr int MAX_PSYSTEMS = 100;

class hgeParticleManager {
public:
    // fps is given to every emitter this manager creates (0: one step per Update).
    explicit hgeParticleManager(float fps = 0.0f);

    void Update(float dt);
    void Render();

    // Null (and nothing changes) when MAX_PSYSTEMS emitters exist already.
    hgeParticleSystem* SpawnPS(const hgeParticleSystemInfo* info, float x, float y);
    bool IsPSAlive(const hgeParticleSystem* ps) const;
    // Sets the drawing offset of the manager and every emitter.
    void Transpose(float x, float y);
    void GetTransposition(float* x, float* y) const;
    void KillPS(hgeParticleSystem* ps);
    void KillAll();

    int GetCount() const { return count_; }

private:
    // Deletes emitter i; the last one takes its slot.
    void remove(int i);

    float fps_;
    int count_ = 0;
    float transX_ = 0, transY_ = 0;
    std::array<std::unique_ptr<hgeParticleSystem>, MAX_PSYSTEMS> systems_;
};
