// Reads the resource script far enough for the generator and the preview tool: every
// description's type, name, file, texture, rectangle, hot spot, frames and group, plus
// where its `rect` and `texture` values and the description itself sit in the text, so
// the generator can rewrite them.
#pragma once

#include <string>
#include <vector>

struct ResEntry {
    std::string type;  // "Texture", "Sprite", "Animation", "Font", "Sound", ...
    std::string name;
    std::string filename;
    std::string texture;
    std::string sprite;
    int rect[4] = {0, 0, 0, 0};
    int hotspot[2] = {0, 0};
    int frames = 1;
    double fps = 0.0;
    int resgroup = 0;
    bool loop = true;  // animation mode: LOOP unless NOLOOP is given
    int line = 0;
    // Byte range of the text after "rect =" up to the end of its line (empty when absent).
    std::size_t rectBegin = 0;
    std::size_t rectEnd = 0;
    // Byte range of the texture name's token, quotes included (empty when absent).
    std::size_t textureBegin = 0;
    std::size_t textureEnd = 0;
    // Byte range of the whole description, from its type to the end of the line of its "}".
    std::size_t blockBegin = 0;
    std::size_t blockEnd = 0;
};

struct ResScript {
    std::vector<ResEntry> entries;

    const ResEntry* find(const std::string& type, const std::string& name) const;
};

// False with a message naming the line when the text is not a well-formed script.
bool parseResScript(const std::string& text, ResScript& out, std::string& error);
