#include "assets/font_file.h"

#include <sstream>

bool parseFontFile(const std::string& text, int textureWidth, FontFile& out, std::string& why) {
    std::istringstream in(text);
    out = FontFile{};
    if (!(in >> out.texture >> out.height) || out.height <= 0) {
        why = "missing texture name or glyph height";
        return false;
    }
    int code = 0, x = 0, y = 0;
    long value = 0;
    while (code < 256 && in >> value) {
        if (value < 0) {
            code += static_cast<int>(-value);
            continue;
        }
        if (x + value > textureWidth) {
            x = 0;
            y += out.height;
        }
        out.glyphs[code] = FontGlyph{true, x, y, static_cast<int>(value)};
        x += static_cast<int>(value);
        ++code;
    }
    if (!in.eof()) {
        why = code >= 256 ? "more than 256 character codes" : "a glyph width is not a number";
        return false;
    }
    return true;
}
