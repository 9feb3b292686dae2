// Reads a bitmap font file the way the game does: texture file name, optionally
// "at X Y W" (the block of a shared sheet the glyphs lie in), glyph height, then per
// character code from 0 a width (w >= 0) or a skip of n codes (-n). Glyph rectangles
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
    // The glyphs' block on the texture; a row width of -1 means the texture's width.
    int left = 0, top = 0, rowWidth = -1;
    std::array<FontGlyph, 256> glyphs{};
};

// False (with the reason) when the text is not a font file; `textureWidth` places glyphs.
bool parseFontFile(const std::string& text, int textureWidth, FontFile& out, std::string& why);

// The pack path of a font's texture: `texture` relative to the font file's folder, each
// leading "../" going up one folder.
std::string fontTexturePath(const std::string& fontPath, const std::string& texture);

// The text of a font file whose glyphs lie in the block at (left, top), `rowWidth` wide,
// of `texture`; widths[c] for the codes first..last.
std::string fontFileText(const std::string& texture, int left, int top, int rowWidth, int height, int first,
                         int last, const int* widths);
