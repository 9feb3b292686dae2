// Font file: a text of white-space separated tokens, in this order:
//   1. the texture's file name, relative to the font file's own folder ("../" goes up);
//   2. optionally "at X Y W": the glyphs lie in a block of the texture whose top-left
//      corner is (X, Y) and whose rows are W pixels wide (a font on a shared sheet);
//   3. the glyph height in pixels (integer);
//   4. up to 256 integers for the character codes from 0 upwards: w >= 0 gives the
//      current code a glyph w pixels wide, -n skips n codes (they get no glyph).
// Glyphs are cut left to right in rows of the glyph height from the block's top-left
// corner (the texture's without "at"); a glyph that would pass the block's right edge
// starts the next row.
#include "toolkit/hgefont.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

namespace {

// Reads a whole integer token; false for anything else (a malformed file).
bool parseInt(const std::string& token, long long* value) {
    char* end = nullptr;
    *value = std::strtoll(token.c_str(), &end, 10);
    return !token.empty() && *end == '\0';
}

std::string folderOf(const std::string& path) {
    std::size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// `name` relative to `folder` (which ends in a slash or is empty), each leading "../"
// taking one folder off.
std::string besideFolder(std::string folder, std::string name) {
    while (name.rfind("../", 0) == 0 && !folder.empty()) {
        name.erase(0, 3);
        folder = folderOf(folder.substr(0, folder.size() - 1));
    }
    return folder + name;
}

}  // namespace

hgeFont::hgeFont(const char* filename) {
    load(filename ? filename : "");
}

hgeFont::~hgeFont() {
    if (texture_) hge->Texture_Free(texture_);
}

void hgeFont::load(const char* filename) {
    DWORD size = 0;
    void* data = hge->Resource_Load(filename, &size);
    if (!data) {
        hge->System_Log("Font file '%s' not found.", filename);
        return;
    }
    std::istringstream in(std::string(static_cast<const char*>(data), size));
    hge->Resource_Free(data);

    std::string textureName, token;
    long long height = 0;
    long long block[3] = {0, 0, -1};
    bool fine = bool(in >> textureName >> token);
    if (fine && token == "at") {
        for (long long& v : block) {
            std::string number;
            fine = fine && (in >> number) && parseInt(number, &v) && v >= 0;
        }
        fine = fine && (in >> token);
        if (!fine) {
            hge->System_Log("Font file '%s': 'at' needs three whole numbers.", filename);
            return;
        }
    }
    if (!fine || !parseInt(token, &height) || height < 0) {
        hge->System_Log("Font file '%s' has no texture name and glyph height.", filename);
        return;
    }
    height_ = float(height);

    std::string texturePath = besideFolder(folderOf(filename), textureName);
    texture_ = hge->Texture_Load(texturePath.c_str());
    if (!texture_) {
        hge->System_Log("Font file '%s': texture '%s' not found.", filename, texturePath.c_str());
        return;
    }
    const float left = float(block[0]);
    const float right = block[2] >= 0 ? left + float(block[2]) : float(hge->Texture_GetWidth(texture_));

    float x = left, y = float(block[1]);
    long long code = 0;
    while (code < 256 && in >> token) {
        long long w = 0;
        if (!parseInt(token, &w)) {
            hge->System_Log("Font file '%s': '%s' is not a glyph width.", filename, token.c_str());
            return;
        }
        if (w < 0) {
            code += w < -256 ? 256 : -w;
            continue;
        }
        if (x + float(w) > right) {
            x = left;
            y += height_;
        }
        glyphs_[code] = std::make_unique<hgeSprite>(texture_, x, y, float(w), height_);
        x += float(w);
        ++code;
    }
}

hgeSprite* hgeFont::GetSprite(unsigned char ch) const {
    if (glyphs_[ch]) return glyphs_[ch].get();
    return glyphs_['?'].get();
}

float hgeFont::GetStringWidth(const char* text) const { return GetStringWidth(text, std::size_t(-1)); }

float hgeFont::GetStringWidth(const char* text, std::size_t length) const {
    float width = 0;
    for (const char* p = text; *p && *p != '\n' && std::size_t(p - text) < length; ++p) {
        if (const hgeSprite* glyph = GetSprite(static_cast<unsigned char>(*p))) {
            width += glyph->GetWidth() + tracking_;
        }
    }
    return width * scale_;
}

void hgeFont::Render(float x, float y, const char* text, int align) {
    if (observer_) observer_(*this, x, y, text, align);
    auto lineStart = [&](const char* line) {
        if (align == HGETEXT_RIGHT) return x - GetStringWidth(line);
        if (align == HGETEXT_CENTER) return x - GetStringWidth(line) / 2;
        return x;
    };
    float penX = lineStart(text);
    for (const char* p = text; *p; ++p) {
        if (*p == '\n') {
            y += height_ * scale_;
            penX = lineStart(p + 1);
            continue;
        }
        hgeSprite* glyph = GetSprite(static_cast<unsigned char>(*p));
        if (!glyph) continue;
        glyph->RenderEx(penX, y, rotation_, scale_);
        penX += (glyph->GetWidth() + tracking_) * scale_;
    }
}

void hgeFont::printf(float x, float y, const char* format, ...) {
    char buffer[PRINTF_BUFFER];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    Render(x, y, buffer, HGETEXT_LEFT);
}

void hgeFont::SetColor(DWORD col) {
    color_ = col;
    for (auto& glyph : glyphs_) {
        if (glyph) glyph->SetColor(col);
    }
}

void hgeFont::SetZ(float z) {
    z_ = z;
    for (auto& glyph : glyphs_) {
        if (glyph) glyph->SetZ(z);
    }
}

void hgeFont::SetBlendMode(int blend) {
    blend_ = blend;
    for (auto& glyph : glyphs_) {
        if (glyph) glyph->SetBlendMode(blend);
    }
}
