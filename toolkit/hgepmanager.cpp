#include "toolkit/hgepmanager.h"

#include <utility>

hgeParticleManager::hgeParticleManager(float fps) : fps_(fps) {}

void hgeParticleManager::Update(float dt) {
    for (int i = 0; i < count_; ++i) {
        hgeParticleSystem& ps = *systems_[i];
        ps.Update(dt);
        if (ps.GetAge() == -2 && ps.GetParticlesAlive() == 0) {
            remove(i);
            --i;
        }
    }
}

void hgeParticleManager::Render() {
    for (int i = 0; i < count_; ++i) systems_[i]->Render();
}

hgeParticleSystem* hgeParticleManager::SpawnPS(const hgeParticleSystemInfo* info, float x,
                                               float y) {
    if (!info || count_ == MAX_PSYSTEMS) return nullptr;
    auto ps = std::make_unique<hgeParticleSystem>(info, fps_);
    ps->FireAt(x, y);
    ps->Transpose(transX_, transY_);
    systems_[count_] = std::move(ps);
    return systems_[count_++].get();
}

bool hgeParticleManager::IsPSAlive(const hgeParticleSystem* ps) const {
    for (int i = 0; i < count_; ++i) {
        if (systems_[i].get() == ps) return true;
    }
    return false;
}

void hgeParticleManager::Transpose(float x, float y) {
    transX_ = x;
    transY_ = y;
    for (int i = 0; i < count_; ++i) systems_[i]->Transpose(x, y);
}

void hgeParticleManager::GetTransposition(float* x, float* y) const {
    *x = transX_;
    *y = transY_;
}

void hgeParticleManager::KillPS(hgeParticleSystem* ps) {
    for (int i = 0; i < count_; ++i) {
        if (systems_[i].get() == ps) {
            remove(i);
            return;
        }
    }
}

void hgeParticleManager::KillAll() {
    for (int i = 0; i < count_; ++i) systems_[i].reset();
    count_ = 0;
}

void hgeParticleManager::remove(int i) {
    std::swap(systems_[i], systems_[--count_]);
    systems_[count_].reset();
}
