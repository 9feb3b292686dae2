#include "assets/font_file.h"

#include <sstream>

bool parseFontFile(const std::string& text, int textureWidth, FontFile& out, std::string& why) {
    std::istringstream in(text);
    out = FontFile{};
    std::string token;
    if (!(in >> out.texture >> token)) {
        why = "missing texture name or glyph height";
        return false;
    }
    if (token == "at") {
        if (!(in >> out.left >> out.top >> out.rowWidth >> token) || out.left < 0 || out.top < 0 || out.rowWidth < 0) {
            why = "'at' needs three whole numbers";
            return false;
        }
    }
    std::istringstream heightText(token);
    if (!(heightText >> out.height) || out.height <= 0) {
        why = "missing texture name or glyph height";
        return false;
    }
    const int right = out.rowWidth >= 0 ? out.left + out.rowWidth : textureWidth;
    int code = 0, x = out.left, y = out.top;
    long value = 0;
    while (code < 256 && in >> value) {
        if (value < 0) {
            code += static_cast<int>(-value);
            continue;
        }
        if (x + value > right) {
            x = out.left;
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

std::string fontTexturePath(const std::string& fontPath, const std::string& texture) {
    std::string folder = fontPath.substr(0, fontPath.find_last_of('/') + 1);
    std::string name = texture;
    while (name.rfind("../", 0) == 0 && !folder.empty()) {
        name.erase(0, 3);
        folder.pop_back();
        folder.erase(folder.find_last_of('/') + 1);
    }
    return folder + name;
}

std::string fontFileText(const std::string& texture, int left, int top, int rowWidth, int height, int first,
                         int last, const int* widths) {
    std::string fnt = texture + "\n";
    if (left || top || rowWidth >= 0)
        fnt += "at " + std::to_string(left) + " " + std::to_string(top) + " " + std::to_string(rowWidth) + "\n";
    fnt += std::to_string(height) + "\n-" + std::to_string(first) + "\n";
    for (int c = first; c <= last; ++c) fnt += std::to_string(widths[c]) + (c % 16 == 15 ? "\n" : " ");
    return fnt + "\n";
}
