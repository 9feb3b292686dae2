#include "toolkit/hgeresource.h"

#include <memory>

#include "platform/core/memory_release.h"

hgeResourceManager::hgeResourceManager(const char* scriptname) {
    ChangeScript(scriptname);
}

hgeResourceManager::~hgeResourceManager() {
    removeAll();
}

void hgeResourceManager::removeAll() {
    for (ResDesc*& head : lists_) {
        while (head) {
            ResDesc* next = head->next;
            head->Free();
            delete head;
            head = next;
        }
    }
}

void hgeResourceManager::ChangeScript(const char* scriptname) {
    removeAll();
    if (scriptname) RScript::Parse(this, nullptr, scriptname, std::string());
}

bool hgeResourceManager::Precache(int group) {
    for (int type = RES_RESOURCE; type < RESTYPES; ++type) {
        for (ResDesc* d = lists_[type]; d; d = d->next) {
            if ((group == 0 || d->resgroup == group) && !d->Get(this)) return false;
        }
    }
    return true;
}

void hgeResourceManager::Purge(int group) {
    for (ResDesc* head : lists_) {
        for (ResDesc* d = head; d; d = d->next) {
            if (group == 0 || d->resgroup == group) d->Free();
        }
    }
    releaseFreedMemory();
}

ResDesc* hgeResourceManager::findRes(int type, const std::string& name) const {
    for (ResDesc* d = lists_[type]; d; d = d->next) {
        if (d->name == name) return d;
    }
    return nullptr;
}

void hgeResourceManager::addRes(int type, ResDesc* desc) {
    desc->next = lists_[type];
    lists_[type] = desc;
}

std::uintptr_t hgeResourceManager::getDescribed(int type, const char* name) {
    ResDesc* d = name ? findRes(type, name) : nullptr;
    return d ? d->Get(this) : 0;
}

template <class T>
std::uintptr_t hgeResourceManager::getFile(int type, const char* name) {
    if (!name) return 0;
    if (ResDesc* d = findRes(type, name)) return d->Get(this);
    auto desc = std::make_unique<T>();
    desc->name = name;
    desc->filename = name;
    // Kept even when the file fails to load, so the failure is met (and logged) only once.
    const std::uintptr_t handle = desc->Get(this);
    addRes(type, desc.release());
    return handle;
}

void* hgeResourceManager::GetResource(const char* name, DWORD* size) {
    auto* data = reinterpret_cast<void*>(getFile<RResource>(RES_RESOURCE, name));
    if (size) {
        ResDesc* d = data ? findRes(RES_RESOURCE, name) : nullptr;
        *size = d ? static_cast<RResource*>(d)->size : 0;
    }
    return data;
}

HTEXTURE hgeResourceManager::GetTexture(const char* name) {
    return getFile<RTexture>(RES_TEXTURE, name);
}

HEFFECT hgeResourceManager::GetEffect(const char* name) {
    return getFile<REffect>(RES_EFFECT, name);
}

HMUSIC hgeResourceManager::GetMusic(const char* name) {
    return getFile<RMusic>(RES_MUSIC, name);
}

HSTREAM hgeResourceManager::GetStream(const char* name) {
    return getFile<RStream>(RES_STREAM, name);
}

HTARGET hgeResourceManager::GetTarget(const char* name) {
    return getDescribed(RES_TARGET, name);
}

hgeSprite* hgeResourceManager::GetSprite(const char* name) {
    return reinterpret_cast<hgeSprite*>(getDescribed(RES_SPRITE, name));
}

hgeAnimation* hgeResourceManager::GetAnimation(const char* name) {
    return reinterpret_cast<hgeAnimation*>(getDescribed(RES_ANIMATION, name));
}

hgeFont* hgeResourceManager::GetFont(const char* name) {
    return reinterpret_cast<hgeFont*>(getDescribed(RES_FONT, name));
}

hgeParticleSystem* hgeResourceManager::GetParticleSystem(const char* name) {
    return reinterpret_cast<hgeParticleSystem*>(getDescribed(RES_PARTICLE, name));
}

hgeDistortionMesh* hgeResourceManager::GetDistortionMesh(const char* name) {
    return reinterpret_cast<hgeDistortionMesh*>(getDescribed(RES_DISTORT, name));
}
