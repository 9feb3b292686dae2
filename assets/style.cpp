#include "assets/style.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <mutex>

Rgb mix(Rgb a, Rgb b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Rgb shade(Rgb c, double k) {
    return k >= 0 ? mix(c, {1, 1, 1}, k) : mix(c, {0, 0, 0}, -k);
}

void setRgb(cairo_t* cr, Rgb c, double alpha) {
    cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha);
}

double inkWidth(double w, double h) {
    return std::clamp(std::min(w, h) / 20.0, 1.0, 3.0);
}

void fillShaded(cairo_t* cr, Rgb base, double y0, double y1) {
    cairo_pattern_t* g = cairo_pattern_create_linear(0, y0, 0, y1);
    const Rgb hi = shade(base, 0.35), lo = shade(base, -0.35);
    cairo_pattern_add_color_stop_rgb(g, 0.0, hi.r, hi.g, hi.b);
    cairo_pattern_add_color_stop_rgb(g, 0.45, base.r, base.g, base.b);
    cairo_pattern_add_color_stop_rgb(g, 1.0, lo.r, lo.g, lo.b);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
}

void inkShape(cairo_t* cr, Rgb base, double y0, double y1, double lineWidth) {
    fillShaded(cr, base, y0, y1);
    setRgb(cr, pal::INK);
    cairo_set_line_width(cr, lineWidth);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

void inkFlat(cairo_t* cr, Rgb base, double lineWidth, double alpha) {
    setRgb(cr, base, alpha);
    cairo_fill_preserve(cr);
    setRgb(cr, pal::INK, alpha);
    cairo_set_line_width(cr, lineWidth);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

void roundRect(cairo_t* cr, double x, double y, double w, double h, double r) {
    r = std::min({r, w / 2, h / 2});
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 1.5 * M_PI);
    cairo_close_path(cr);
}

void ellipsePath(cairo_t* cr, double cx, double cy, double rx, double ry) {
    if (rx <= 0 || ry <= 0) return;
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
}

void starPath(cairo_t* cr, double cx, double cy, double outer, double inner, int points, double turn) {
    cairo_new_sub_path(cr);
    for (int i = 0; i < points * 2; ++i) {
        const double a = turn - M_PI / 2 + i * M_PI / points;
        const double r = i % 2 ? inner : outer;
        cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
    }
    cairo_close_path(cr);
}

void softDot(cairo_t* cr, double cx, double cy, double r, Rgb c, double alpha) {
    cairo_pattern_t* g = cairo_pattern_create_radial(cx, cy, 0, cx, cy, r);
    cairo_pattern_add_color_stop_rgba(g, 0.0, c.r, c.g, c.b, alpha);
    cairo_pattern_add_color_stop_rgba(g, 0.5, c.r, c.g, c.b, alpha * 0.45);
    cairo_pattern_add_color_stop_rgba(g, 1.0, c.r, c.g, c.b, 0.0);
    cairo_set_source(cr, g);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

void glint(cairo_t* cr, double cx, double cy, double r) {
    cairo_save(cr);
    setRgb(cr, pal::WHITE, 0.75);
    cairo_set_line_width(cr, std::max(1.0, r * 0.18));
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_arc(cr, cx, cy, r * 0.62, M_PI * 1.1, M_PI * 1.45);
    cairo_stroke(cr);
    cairo_restore(cr);
}

namespace {

struct FaceCache {
    std::mutex mutex;
    FT_Library library = nullptr;
    cairo_font_face_t* faces[8] = {};
};

FaceCache& faceCache() {
    static FaceCache cache;
    return cache;
}

const char* faceFile(Face f) {
    switch (f) {
        case Face::SANS:
            return "DejaVuSans.ttf";
        case Face::SANS_BOLD:
            return "DejaVuSans-Bold.ttf";
        case Face::CONDENSED:
            return "DejaVuSansCondensed.ttf";
        case Face::CONDENSED_BOLD:
            return "DejaVuSansCondensed-Bold.ttf";
        case Face::MONO:
            return "DejaVuSansMono.ttf";
        case Face::MONO_BOLD:
            return "DejaVuSansMono-Bold.ttf";
        case Face::SERIF_BOLD:
            return "DejaVuSerif-Bold.ttf";
        case Face::SANS_OBLIQUE_BOLD:
            return "DejaVuSans-BoldOblique.ttf";
    }
    return "DejaVuSans.ttf";
}

cairo_font_face_t* loadFace(Face f) {
    FaceCache& c = faceCache();
    std::lock_guard<std::mutex> lock(c.mutex);
    const int i = static_cast<int>(f);
    if (c.faces[i]) return c.faces[i];
    if (!c.library && FT_Init_FreeType(&c.library) != 0) {
        std::fprintf(stderr, "kvb_assetgen: FreeType did not start\n");
        std::exit(1);
    }
    const std::string path = std::string(KVB_DEJAVU_DIR) + "/" + faceFile(f);
    FT_Face face = nullptr;
    if (FT_New_Face(c.library, path.c_str(), 0, &face) != 0) {
        std::fprintf(stderr, "kvb_assetgen: cannot open font %s\n", path.c_str());
        std::exit(1);
    }
    c.faces[i] = cairo_ft_font_face_create_for_ft_face(face, 0);
    return c.faces[i];
}

}  // namespace

void useFace(cairo_t* cr, Face face, double px) {
    cairo_set_font_face(cr, loadFace(face));
    cairo_set_font_size(cr, px);
    cairo_font_options_t* o = cairo_font_options_create();
    cairo_font_options_set_antialias(o, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(o, CAIRO_HINT_STYLE_SLIGHT);
    cairo_font_options_set_hint_metrics(o, CAIRO_HINT_METRICS_ON);
    cairo_set_font_options(cr, o);
    cairo_font_options_destroy(o);
}

double textWidth(cairo_t* cr, const std::string& text) {
    cairo_text_extents_t e;
    cairo_text_extents(cr, text.c_str(), &e);
    return e.x_advance;
}

void drawText(cairo_t* cr, const std::string& text, double cx, double cy, double px, Face face, Rgb fill,
              double outline, Rgb outlineColour) {
    cairo_save(cr);
    useFace(cr, face, px);
    cairo_text_extents_t e;
    cairo_text_extents(cr, text.c_str(), &e);
    cairo_font_extents_t fe;
    cairo_font_extents(cr, &fe);
    const double x = cx - e.x_advance / 2;
    const double y = cy + (fe.ascent - fe.descent) / 2 - fe.ascent * 0.06;
    cairo_move_to(cr, x, y);
    cairo_text_path(cr, text.c_str());
    if (outline > 0) {
        setRgb(cr, outlineColour);
        cairo_set_line_width(cr, outline * 2);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke_preserve(cr);
    }
    setRgb(cr, fill);
    cairo_fill(cr);
    cairo_restore(cr);
}

Rng::Rng(const std::string& name) {
    std::uint64_t h = 1469598103934665603ull;
    for (unsigned char c : name) h = (h ^ c) * 1099511628211ull;
    state_ = h ? h : 1;
}

std::uint64_t Rng::next() {
    std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ull);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
    return z ^ (z >> 31);
}

double Rng::uniform(double lo, double hi) {
    return lo + (hi - lo) * ((next() >> 11) * (1.0 / 9007199254740992.0));
}

int Rng::range(int lo, int hi) {
    return lo + static_cast<int>(next() % static_cast<std::uint64_t>(hi - lo + 1));
}
