// Parses the resource script into descriptions and creates each object on its first
// request by name, keeping it until its resource group is purged.
#pragma once

#include <array>
#include <string>

#include "platform/hge.h"
#include "toolkit/hgeanim.h"
#include "toolkit/hgedistort.h"
#include "toolkit/hgefont.h"
#include "toolkit/hgeparticle.h"
#include "toolkit/hgesprite.h"
#include "toolkit/resources.h"

class hgeResourceManager {
public:
    // Parses the script and everything it includes (no script: an empty manager).
    explicit hgeResourceManager(const char* scriptname = nullptr);
    ~hgeResourceManager();
    hgeResourceManager(const hgeResourceManager&) = delete;
    hgeResourceManager& operator=(const hgeResourceManager&) = delete;

    // Frees every object and description, then parses another script.
    void ChangeScript(const char* scriptname = nullptr);
    // Creates every resource of the group (0: all); false at the first that fails.
    bool Precache(int group = 0);
    // Frees the objects of the group (0: all); their descriptions stay.
    void Purge(int group = 0);

    // File types: a name that is not described is loaded as a file name and described
    // (group 0) from then on. 0 or null when nothing can be loaded.
    void* GetResource(const char* name, DWORD* size = nullptr);
    HTEXTURE GetTexture(const char* name);
    HEFFECT GetEffect(const char* name);
    HMUSIC GetMusic(const char* name);
    HSTREAM GetStream(const char* name);

    // Described objects only: 0 or null for a name the script does not describe.
    HTARGET GetTarget(const char* name);
    hgeSprite* GetSprite(const char* name);
    hgeAnimation* GetAnimation(const char* name);
    hgeFont* GetFont(const char* name);
    hgeParticleSystem* GetParticleSystem(const char* name);
    hgeDistortionMesh* GetDistortionMesh(const char* name);

    // The descriptions, for the script parser.
    ResDesc* findRes(int type, const std::string& name) const;
    // Takes ownership and puts the description at the head of its type's list.
    void addRes(int type, ResDesc* desc);

private:
    void removeAll();
    std::uintptr_t getDescribed(int type, const char* name);
    template <class T>
    std::uintptr_t getFile(int type, const char* name);

    std::array<ResDesc*, RESTYPES> lists_{};
};
