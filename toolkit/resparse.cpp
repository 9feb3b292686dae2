// Resource script grammar, repeated until the end of the text:
//   Include <script name>
//   <Type> <name> [: <base name>] { <key> = <value> ... }
// where Type is Resource, Texture, Sound, Music, Stream, Target, Sprite, Animation, Font,
// Particle or Distortion. Values: a name or quoted file name, numbers separated by commas
// (rect = x, y, w, h), booleans (true / false), hexadecimal ARGB colours without prefix,
// and comma-separated constant lists for blendmode and mode. Every error is logged with
// the script's name and line, and parsing carries on after it.
#include <memory>

#include "toolkit/hgeresource.h"
#include "toolkit/parser.h"
#include "toolkit/resources.h"

namespace {

// Reads key = value items up to the closing brace.
void parseBlock(ResDesc& desc, RScriptParser& p) {
    for (;;) {
        int tt = p.get_token();
        if (tt == TT_CLOSEBLOCK) return;
        if (tt == TT_END || isCommandToken(tt)) {
            p.postError("'}' missed, ", " encountered.");
            p.putBack();
            return;
        }
        if (tt == TT_PAR_RESGROUP) {
            desc.resgroup = p.readInt();
        } else if (!desc.readProperty(p, tt)) {
            p.postError("Unsupported resource parameter ", ".");
            do {
                tt = p.get_token();
            } while (!isPropertyToken(tt) && tt != TT_CLOSEBLOCK && tt != TT_END &&
                     !isCommandToken(tt));
            p.putBack();
        }
    }
}

// One description of type T, the parser standing on the token after its name (and base).
template <class T>
void parseResource(hgeResourceManager* rm, RScriptParser* p, int type, const std::string& name,
                   const std::string& basename) {
    if (p->tokenType() != TT_OPENBLOCK) {
        p->postError("Illegal resource syntax, ", " found; '{' expected.");
        p->putBack();
        return;
    }
    // A duplicate's block is still read, so parsing goes on after it; the first one stays.
    bool duplicate = rm->findRes(type, name) != nullptr;
    if (duplicate) p->postError("Resource ", name, " of the same type already has been defined.");

    std::unique_ptr<T> desc;
    if (!basename.empty()) {
        if (const ResDesc* base = rm->findRes(type, basename)) {
            desc = std::make_unique<T>(static_cast<const T&>(*base));
            desc->handle = 0;
            desc->next = nullptr;
        } else {
            p->postError("Base resource ", basename, " is not defined.");
        }
    }
    if (!desc) desc = std::make_unique<T>();
    desc->name = name;
    parseBlock(*desc, *p);
    if (!duplicate) rm->addRes(type, desc.release());
}

using ParseFn = void (*)(hgeResourceManager*, RScriptParser*, const std::string&,
                         const std::string&);

struct ResourceCommand {
    int token;
    ParseFn parse;
};

const ResourceCommand COMMANDS[] = {
    {TT_RES_RESOURCE, RResource::Parse}, {TT_RES_TEXTURE, RTexture::Parse},
    {TT_RES_SOUND, REffect::Parse},      {TT_RES_MUSIC, RMusic::Parse},
    {TT_RES_STREAM, RStream::Parse},     {TT_RES_TARGET, RTarget::Parse},
    {TT_RES_SPRITE, RSprite::Parse},     {TT_RES_ANIMATION, RAnimation::Parse},
    {TT_RES_FONT, RFont::Parse},         {TT_RES_PARTICLE, RParticle::Parse},
    {TT_RES_DISTORTION, RDistort::Parse},
};

}  // namespace

void RScript::Parse(hgeResourceManager* rm, RScriptParser* parser, const std::string& name,
                    const std::string&) {
    if (rm->findRes(RES_SCRIPT, name)) {
        if (parser) parser->postError("Script ", name, " already has been parsed.");
        return;
    }
    DWORD size = 0;
    void* data = name.empty() ? nullptr : hge->Resource_Load(name.c_str(), &size);
    if (!data) {
        hge->System_Log("Script '%s' not found.", name.c_str());
        return;
    }
    std::string text(static_cast<const char*>(data), size);
    hge->Resource_Free(data);

    auto* desc = new RScript;
    desc->name = name;
    rm->addRes(RES_SCRIPT, desc);
    ParseText(rm, name, text.c_str());
}

void RScript::ParseText(hgeResourceManager* rm, const std::string& name, const char* text) {
    RScriptParser p(name, text);
    for (int tt = p.get_token(); tt != TT_END; tt = p.get_token()) {
        if (tt == TT_RES_INCLUDE) {
            p.get_token();
            Parse(rm, &p, p.tokenText(), std::string());
            continue;
        }
        const ResourceCommand* command = nullptr;
        for (const ResourceCommand& c : COMMANDS) {
            if (c.token == tt) command = &c;
        }
        if (!command) {
            p.postError("Unrecognized resource specificator ", ".");
            continue;
        }
        p.get_token();
        std::string resName = p.tokenText();
        std::string baseName;
        if (p.get_token() == TT_BASED) {
            p.get_token();
            baseName = p.tokenText();
            p.get_token();
        }
        command->parse(rm, &p, resName, baseName);
    }
}

void RResource::Parse(hgeResourceManager* rm, RScriptParser* p, const std::string& name,
                      const std::string& basename) {
    parseResource<RResource>(rm, p, RES_RESOURCE, name, basename);
}

void RTexture::Parse(hgeResourceManager* rm, RScriptParser* p, const std::string& name,
                     const std::string& basename) {
    parseResource<RTexture>(rm, p, RES_TEXTURE, name, basename);
}

void REffect::Parse(hgeResourceManager* rm, RScriptParser* p, const std::string& name,
                    const std::string& basename) {
    parseResource<REffect>(rm, p, RES_EFFECT, name, basename);
}

void RMusic::Parse(hgeResourceManager* rm, RScriptParser* p, const std::string& name,
                   const std::string& basename) {
    parseResource<RMusic>(rm, p, RES_MUSIC, name, basename);
}

void RStream::Parse(hgeResourceManager* rm, RScriptParser* p, const std::string& name,
                    const std::string& basename) {
    parseResource<RStream>(rm, p, RES_STREAM, name, basename);
}

void RTarget::Parse(hgeResourceManager* rm, RScriptParser* p, const std::string& name,
                    const std::string& basename) {
    parseResource<RTarget>(rm, p, RES_TARGET, name, basename);
}

void RSprite::Parse(hgeResourceManager* rm, RScriptParser* p, const std::string& name,
                    const std::string& basename) {
    parseResource<RSprite>(rm, p, RES_SPRITE, name, basename);
}

void RAnimation::Parse(hgeResourceManager* rm, RScriptParser* p, const std::string& name,
                       const std::string& basename) {
    parseResource<RAnimation>(rm, p, RES_ANIMATION, name, basename);
}

void RFont::Parse(hgeResourceManager* rm, RScriptParser* p, const std::string& name,
                  const std::string& basename) {
    parseResource<RFont>(rm, p, RES_FONT, name, basename);
}

void RParticle::Parse(hgeResourceManager* rm, RScriptParser* p, const std::string& name,
                      const std::string& basename) {
    parseResource<RParticle>(rm, p, RES_PARTICLE, name, basename);
}

void RDistort::Parse(hgeResourceManager* rm, RScriptParser* p, const std::string& name,
                     const std::string& basename) {
    parseResource<RDistort>(rm, p, RES_DISTORT, name, basename);
}
