// Reads a bitmap font file the way the game does: texture file name, glyph height, then
// per character code from 0 a width (w >= 0) or a skip of n codes (-n). Glyph rectangles
// follow the game's cutting rule, so a preview or a check sees what the game will draw.
#pragma once

#include <array>
#include <string>

struct FontGlyph {
    bool present = false;
    int x = 0, y = 0, w = 0;
};

struct FontFile {
    std::string texture;
    int height = 0;
    std::array<FontGlyph, 256> glyphs{};
};

// False (with the reason) when the text is not a font file; `textureWidth` places glyphs.
bool parseFontFile(const std::string& text, int textureWidth, FontFile& out, std::string& why);
