// Bitmap fonts rendered from DejaVu: white glyphs (the game tints them) for ASCII 32..126,
// laid out in rows of the glyph height, plus the font file that lists each glyph's width.
// Font file: texture file name, glyph height, then one entry per code from 0: "-n" skips
// n codes, "w" gives the code a glyph w pixels wide.
#include <algorithm>
#include <cmath>
#include <string>

#include "assets/families.h"
#include "assets/font_file.h"
#include "assets/font_sheet.h"
#include "assets/style.h"
#include "assets/texture_sheet.h"

namespace {

constexpr int FIRST = FontSheet::FIRST;
constexpr int LAST = FontSheet::LAST;
constexpr int SHEET_WIDTH = 256;
constexpr int BIGSHEET_WIDTH = 1024;  // the big texts' glyphs would make a 256-wide sheet very tall

struct FontStyle {
    Face face;
    double px;        // text size
    int height;       // glyph cell height
    double outline;   // dark rim width (0 = none), keeps text readable over art
    double baseline;  // from the cell top
    bool digitsOnly;  // tall score digits: letters drawn smaller to fit the cell
    bool bevel;       // lighter top, for the score faces
    bool shadow;      // a thin dark rim and drop shadow inside the glyph's own cell, so
                      // the small text reads over bright fields without widening
};

bool styleFor(const std::string& name, FontStyle& s) {
    if (name == "font1")
        s = {Face::SANS_BOLD, 19, 24, 1.2, 18.5, false, false, false};
    else if (name == "fontSmall1")
        s = {Face::SANS_BOLD, 10, 13, 1.0, 10, false, false, false};
    else if (name == "fontSmall2")
        s = {Face::CONDENSED, 10, 12, 0.0, 9.5, false, false, true};
    else if (name == "fontArial")
        s = {Face::SANS, 15, 19, 0.0, 14.5, false, false, true};
    else if (name == "fontBig")
        // Made at the size the round, game-over and match texts are shown at.
        s = {Face::SANS_BOLD, 46, 58, 2.0, 45, false, false, false};
    else if (name == "fontCoin")
        s = {Face::MONO_BOLD, 13, 16, 1.0, 12.5, false, false, false};
    else if (name.rfind("fontScore", 0) == 0 && name.size() == 10 && name[9] >= '0' && name[9] <= '7') {
        // One face per location, all with digits no wider than 12 px.
        static const Face faces[8] = {Face::MONO_BOLD, Face::SERIF_BOLD,     Face::SANS_BOLD, Face::SANS_OBLIQUE_BOLD,
                                      Face::MONO,      Face::CONDENSED_BOLD, Face::SANS_BOLD, Face::MONO_BOLD};
        s = {faces[name[9] - '0'], 20, 24, 1.0, 19.5, true, name[9] == '6' || name[9] == '7', false};
    } else {
        return false;
    }
    return true;
}

}  // namespace

bool renderFont(const std::string& name, FontSheet& out) {
    FontStyle st;
    if (!styleFor(name, st)) return false;
    cairo_surface_t* probe = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1);
    cairo_t* pc = cairo_create(probe);
    int* widths = out.widths;
    // The rim needs a pixel beside each glyph; the glyphs' own side bearings give the rest.
    const int pad = st.outline > 1.5 ? 2 : st.outline > 0 ? 1 : 0;
    if (st.digitsOnly) {
        // Score digits must stay within 12 px so eight of them fit the HUD column.
        useFace(pc, st.face, st.px);
        const double zero = textWidth(pc, "0");
        if (zero + 2 * pad > 12) st.px *= (12 - 2 * pad) / zero;
    }
    for (int c = FIRST; c <= LAST; ++c) {
        const bool letter = st.digitsOnly && !(c >= '0' && c <= '9') && c != ' ';
        useFace(pc, st.face, letter ? st.px * 0.75 : st.px);
        const char text[2] = {char(c), 0};
        widths[c] = static_cast<int>(std::lround(textWidth(pc, text))) + 2 * pad;
    }
    cairo_destroy(pc);
    cairo_surface_destroy(probe);

    // Rows as the game cuts them: a glyph that would pass the right edge starts a new row.
    const int sheetWidth = st.height > 32 ? BIGSHEET_WIDTH : SHEET_WIDTH;
    int x = 0, rows = 1;
    for (int c = FIRST; c <= LAST; ++c) {
        if (x + widths[c] > sheetWidth) {
            x = 0;
            ++rows;
        }
        x += widths[c];
    }
    cairo_surface_t* sheet = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, sheetWidth, rows * st.height);
    cairo_t* cr = cairo_create(sheet);
    x = 0;
    int y = 0;
    for (int c = FIRST; c <= LAST; ++c) {
        if (x + widths[c] > sheetWidth) {
            x = 0;
            y += st.height;
        }
        const bool letter = st.digitsOnly && !(c >= '0' && c <= '9') && c != ' ';
        const char text[2] = {char(c), 0};
        cairo_save(cr);
        cairo_rectangle(cr, x, y, widths[c], st.height);
        cairo_clip(cr);
        useFace(cr, st.face, letter ? st.px * 0.75 : st.px);
        double gx = x + pad;
        if (st.digitsOnly && c >= '0' && c <= '9') gx = x + (widths[c] - textWidth(cr, text)) / 2;
        if (st.shadow) {
            cairo_move_to(cr, gx + 1, y + st.baseline + 1);
            cairo_text_path(cr, text);
            setRgb(cr, {0.05, 0.05, 0.08}, 0.8);
            cairo_fill(cr);
        }
        cairo_move_to(cr, gx, y + st.baseline);
        cairo_text_path(cr, text);
        if (st.shadow) {
            setRgb(cr, {0.05, 0.05, 0.08}, 0.6);
            cairo_set_line_width(cr, 1.3);
            cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
            cairo_stroke_preserve(cr);
        }
        if (st.outline > 0) {
            setRgb(cr, {0.05, 0.05, 0.08}, 0.85);
            cairo_set_line_width(cr, st.outline * 2);
            cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
            cairo_stroke_preserve(cr);
        }
        if (st.bevel) {
            cairo_pattern_t* g = cairo_pattern_create_linear(0, y, 0, y + st.height);
            cairo_pattern_add_color_stop_rgb(g, 0.0, 1, 1, 1);
            cairo_pattern_add_color_stop_rgb(g, 1.0, 0.78, 0.80, 0.84);
            cairo_set_source(cr, g);
            cairo_fill(cr);
            cairo_pattern_destroy(g);
        } else {
            cairo_set_source_rgb(cr, 1, 1, 1);
            cairo_fill(cr);
        }
        cairo_restore(cr);
        x += widths[c];
    }
    cairo_destroy(cr);
    out.picture = sheet;
    out.height = st.height;
    return true;
}

bool makeFont(const std::string& name, const std::string& fontPath, AssetFiles& files) {
    FontSheet sheet;
    if (!renderFont(name, sheet)) return false;
    const std::size_t slash = fontPath.find_last_of("/\\");
    const std::string folder = slash == std::string::npos ? "" : fontPath.substr(0, slash + 1);
    const std::string textureName = name + ".png";
    files.put(folder + textureName, encodePng(sheet.picture));
    files.put(fontPath, fontFileText(textureName, 0, 0, -1, sheet.height, FIRST, LAST, sheet.widths));
    cairo_surface_destroy(sheet.picture);
    return true;
}
