#include "toolkit/resources.h"

#include <iterator>

#include "toolkit/hgeanim.h"
#include "toolkit/hgedistort.h"
#include "toolkit/hgefont.h"
#include "toolkit/hgeparticle.h"
#include "toolkit/hgeresource.h"
#include "toolkit/parser.h"

namespace {

const FlagConstant BLEND_FLAGS[] = {
    {TT_CON_COLORMUL, BLEND_COLORADD, false}, {TT_CON_COLORADD, BLEND_COLORADD, true},
    {TT_CON_ALPHABLEND, BLEND_ALPHABLEND, true}, {TT_CON_ALPHAADD, BLEND_ALPHABLEND, false},
    {TT_CON_ZWRITE, BLEND_ZWRITE, true}, {TT_CON_NOZWRITE, BLEND_ZWRITE, false},
};

const FlagConstant MODE_FLAGS[] = {
    {TT_CON_FORWARD, HGEANIM_REV, false}, {TT_CON_REVERSE, HGEANIM_REV, true},
    {TT_CON_PINGPONG, HGEANIM_PINGPONG, true}, {TT_CON_NOPINGPONG, HGEANIM_PINGPONG, false},
    {TT_CON_LOOP, HGEANIM_LOOP, true}, {TT_CON_NOLOOP, HGEANIM_LOOP, false},
};

int readBlendMode(RScriptParser& p, int blend) {
    return p.readFlags(blend, BLEND_FLAGS, int(std::size(BLEND_FLAGS)));
}

template <class T>
T* object(std::uintptr_t handle) {
    return reinterpret_cast<T*>(handle);
}

template <class T>
std::uintptr_t keep(T* obj) {
    return reinterpret_cast<std::uintptr_t>(obj);
}

template <class T>
void destroy(std::uintptr_t& handle) {
    delete object<T>(handle);
    handle = 0;
}

HTEXTURE textureNamed(hgeResourceManager* rm, const std::string& name) {
    return name.empty() ? 0 : rm->GetTexture(name.c_str());
}

// Settings sprites and animations share.
void applySpriteSettings(const RSprite& d, hgeSprite* spr) {
    spr->SetHotSpot(d.hotX, d.hotY);
    spr->SetBlendMode(d.quad.blend);
    spr->SetColor(d.quad.color);
    spr->SetZ(d.quad.z);
    spr->SetFlip(d.flipX, d.flipY);
}

}  // namespace

bool QuadSettings::readProperty(RScriptParser& p, int key) {
    switch (key) {
        case TT_PAR_TEXTURE:
            texture = p.readName();
            return true;
        case TT_PAR_RECT:
            tx = p.readFloat();
            ty = p.readFloat();
            w = p.readFloat();
            h = p.readFloat();
            return true;
        case TT_PAR_BLENDMODE:
            blend = readBlendMode(p, blend);
            return true;
        case TT_PAR_COLOR:
            color = p.readHex();
            return true;
        case TT_PAR_ZORDER:
            z = p.readFloat();
            return true;
        default:
            return false;
    }
}

bool RFileDesc::readProperty(RScriptParser& p, int key) {
    if (key != TT_PAR_FILENAME) return false;
    filename = p.readName();
    return true;
}

std::uintptr_t RResource::Get(hgeResourceManager*) {
    if (!handle && !failed) {
        handle = keep(hge->Resource_Load(filename.c_str(), &size));
        failed = !handle;
    }
    return handle;
}

void RResource::Free() {
    if (handle) hge->Resource_Free(object<void>(handle));
    handle = 0;
    size = 0;
}

std::uintptr_t RTarget::Get(hgeResourceManager*) {
    if (!handle) handle = hge->Target_Create(width, height, zbuffer);
    return handle;
}

void RTarget::Free() {
    if (handle) hge->Target_Free(handle);
    handle = 0;
}

bool RTarget::readProperty(RScriptParser& p, int key) {
    switch (key) {
        case TT_PAR_SIZE:
            width = p.readInt();
            height = p.readInt();
            return true;
        case TT_PAR_ZBUFFER:
            zbuffer = p.readBool();
            return true;
        default:
            return false;
    }
}

std::uintptr_t RSprite::Get(hgeResourceManager* rm) {
    if (!handle) {
        const QuadSettings& q = quad;
        auto* spr = new hgeSprite(textureNamed(rm, q.texture), q.tx, q.ty, q.w, q.h);
        applySpriteSettings(*this, spr);
        handle = keep(spr);
    }
    return handle;
}

void RSprite::Free() {
    destroy<hgeSprite>(handle);
}

bool RSprite::readProperty(RScriptParser& p, int key) {
    switch (key) {
        case TT_PAR_HOTSPOT:
            hotX = p.readFloat();
            hotY = p.readFloat();
            return true;
        case TT_PAR_FLIP:
            flipX = p.readBool();
            flipY = p.readBool();
            return true;
        default:
            return quad.readProperty(p, key);
    }
}

std::uintptr_t RAnimation::Get(hgeResourceManager* rm) {
    if (!handle) {
        const QuadSettings& q = quad;
        auto* anim =
            new hgeAnimation(textureNamed(rm, q.texture), frames, fps, q.tx, q.ty, q.w, q.h);
        applySpriteSettings(*this, anim);
        anim->SetMode(mode);
        handle = keep(anim);
    }
    return handle;
}

void RAnimation::Free() {
    destroy<hgeAnimation>(handle);
}

bool RAnimation::readProperty(RScriptParser& p, int key) {
    switch (key) {
        case TT_PAR_FRAMES:
            frames = p.readInt();
            return true;
        case TT_PAR_FPS:
            fps = p.readFloat();
            return true;
        case TT_PAR_MODE:
            mode = p.readFlags(mode, MODE_FLAGS, int(std::size(MODE_FLAGS)));
            return true;
        default:
            return RSprite::readProperty(p, key);
    }
}

std::uintptr_t RFont::Get(hgeResourceManager*) {
    if (!handle) {
        auto* font = new hgeFont(filename.c_str());
        font->SetBlendMode(blend);
        font->SetColor(color);
        font->SetZ(z);
        font->SetScale(scale);
        font->SetRotation(rotation);
        font->SetTracking(tracking);
        handle = keep(font);
    }
    return handle;
}

void RFont::Free() {
    destroy<hgeFont>(handle);
}

bool RFont::readProperty(RScriptParser& p, int key) {
    switch (key) {
        case TT_PAR_BLENDMODE:
            blend = readBlendMode(p, blend);
            return true;
        case TT_PAR_COLOR:
            color = p.readHex();
            return true;
        case TT_PAR_ZORDER:
            z = p.readFloat();
            return true;
        case TT_PAR_SCALE:
            scale = p.readFloat();
            return true;
        case TT_PAR_ROTATION:
            rotation = p.readFloat();
            return true;
        case TT_PAR_TRACKING:
            tracking = p.readFloat();
            return true;
        default:
            return RFileDesc::readProperty(p, key);
    }
}

std::uintptr_t RParticle::Get(hgeResourceManager* rm) {
    if (!handle) {
        hgeSprite* sprite = spritename.empty() ? nullptr : rm->GetSprite(spritename.c_str());
        handle = keep(new hgeParticleSystem(filename.c_str(), sprite));
    }
    return handle;
}

void RParticle::Free() {
    destroy<hgeParticleSystem>(handle);
}

bool RParticle::readProperty(RScriptParser& p, int key) {
    if (key != TT_PAR_SPRITE) return RFileDesc::readProperty(p, key);
    spritename = p.readName();
    return true;
}

std::uintptr_t RDistort::Get(hgeResourceManager* rm) {
    if (!handle) {
        auto* mesh = new hgeDistortionMesh(cols, rows);
        mesh->SetTexture(textureNamed(rm, quad.texture));
        mesh->SetTextureRect(quad.tx, quad.ty, quad.w, quad.h);
        mesh->SetBlendMode(quad.blend);
        mesh->Clear(quad.color, quad.z);
        handle = keep(mesh);
    }
    return handle;
}

void RDistort::Free() {
    destroy<hgeDistortionMesh>(handle);
}

bool RDistort::readProperty(RScriptParser& p, int key) {
    if (key != TT_PAR_MESH) return quad.readProperty(p, key);
    cols = p.readInt();
    rows = p.readInt();
    return true;
}
