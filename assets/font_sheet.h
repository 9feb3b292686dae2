// A font's glyph picture as the generator renders it: printable ASCII in rows of the
// glyph height, each glyph as wide as widths[code].
#pragma once

#include <cairo.h>

#include <string>

struct FontSheet {
    static constexpr int FIRST = 32;
    static constexpr int LAST = 126;
    cairo_surface_t* picture = nullptr;  // owned by the caller once rendered
    int height = 0;
    int widths[LAST + 1] = {};
};

// False when the name is not a font the generator knows.
bool renderFont(const std::string& name, FontSheet& out);
