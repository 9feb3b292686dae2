// kvb_assetpreview: contact sheets of a built pack, for looking at the art.
//   kvb_assetpreview kvb.paq outdir
// Writes sprites.png (every sprite), screens.png (full-screen pictures, scaled),
// anim-*.png (every animation's frames as strips), fonts.png (each font's glyph set and a
// sample line, drawn through its font file), particles.png (each particle effect
// simulated for a moment and drawn with its sprite) and sounds.png (each effect's
// waveform over two seconds), stretched.png (plates and icons at the sizes the screens
// stretch them to) and fields.png (sample coins, shots and enemies over every battle
// background, with their contrast to it) and music.png (every tune as a piano roll).
#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <vector>

#include "assets/contrast.h"
#include "assets/font_file.h"
#include "assets/res_script.h"
#include "assets/song.h"
#include "assets/style.h"
#include "assets/texture_sheet.h"
#include "platform/core/pack_reader.h"

namespace {

class Pack {
public:
    explicit Pack(const std::string& path) { ok_ = reader_.attach(path, &error_); }
    ~Pack() {
        for (auto& [name, img] : images_) cairo_surface_destroy(img);
    }
    Pack(const Pack&) = delete;
    Pack& operator=(const Pack&) = delete;
    bool ok() const { return ok_; }
    const std::string& error() const { return error_; }
    std::string load(const std::string& name) const {
        std::vector<char> v;
        if (!reader_.load(name, v)) return {};
        return std::string(v.begin(), v.end());
    }
    cairo_surface_t* image(const std::string& name) {
        auto it = images_.find(name);
        if (it != images_.end()) return it->second;
        cairo_surface_t* img = decodePng(load(name));
        if (!img) {
            std::fprintf(stderr, "cannot read %s\n", name.c_str());
            img = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1);
        }
        images_[name] = img;
        return img;
    }

private:
    PackReader reader_;
    bool ok_ = false;
    std::string error_;
    std::map<std::string, cairo_surface_t*> images_;
};

void checker(cairo_t* cr, double w, double h) {
    for (int y = 0; y < h; y += 8)
        for (int x = 0; x < w; x += 8) {
            cairo_rectangle(cr, x, y, 8, 8);
            const double v = ((x + y) / 8) % 2 ? 0.32 : 0.38;
            cairo_set_source_rgb(cr, v, v, v + 0.03);
            cairo_fill(cr);
        }
}

void label(cairo_t* cr, double x, double y, const std::string& text) {
    useFace(cr, Face::CONDENSED, 10);
    cairo_set_source_rgb(cr, 1, 1, 0.7);
    cairo_move_to(cr, x, y);
    cairo_show_text(cr, text.c_str());
}

// Draws the (sx, sy, w, h) part of a texture at (x, y), scaled.
void blit(cairo_t* cr, cairo_surface_t* tex, double sx, double sy, double w, double h, double x, double y,
          double scale) {
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w * scale, h * scale);
    cairo_clip(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, scale, scale);
    cairo_set_source_surface(cr, tex, -sx, -sy);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
    cairo_paint(cr);
    cairo_restore(cr);
}

// Lays out items left to right in rows on a sheet `width` wide.
struct Shelf {
    double width, x = 8, y = 8, rowH = 0;
    explicit Shelf(double w) : width(w) {}
    void place(double w, double h, double& px, double& py) {
        if (x + w > width - 8) {
            x = 8;
            y += rowH + 8;
            rowH = 0;
        }
        px = x;
        py = y;
        x += w + 8;
        rowH = std::max(rowH, h);
    }
    double height() const { return y + rowH + 8; }
};

void save(cairo_surface_t* s, const std::string& path) {
    if (cairo_surface_write_to_png(s, path.c_str()) != CAIRO_STATUS_SUCCESS)
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
    else
        std::printf("wrote %s\n", path.c_str());
}

using Item = std::function<void(cairo_t*, double x, double y)>;

struct Placed {
    double w, h;
    Item draw;
};

void sheet(const std::vector<Placed>& items, double width, const std::string& path) {
    Shelf probe(width);
    double px, py;
    for (const Placed& p : items) probe.place(p.w, p.h, px, py);
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, int(width), int(probe.height()));
    cairo_t* cr = cairo_create(s);
    checker(cr, width, probe.height());
    Shelf shelf(width);
    for (const Placed& p : items) {
        shelf.place(p.w, p.h, px, py);
        p.draw(cr, px, py);
    }
    cairo_destroy(cr);
    save(s, path);
    cairo_surface_destroy(s);
}

const ResEntry* textureOf(const ResScript& script, const ResEntry& e) {
    return script.find("Texture", e.texture);
}

// Draws the (sx, sy, w, h) part of a texture stretched over (x, y, dw, dh), filtered
// smoothly as the game draws it.
void stretchBlit(cairo_t* cr, cairo_surface_t* tex, const int rect[4], double x, double y, double dw, double dh) {
    cairo_save(cr);
    cairo_rectangle(cr, x, y, dw, dh);
    cairo_clip(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, dw / rect[2], dh / rect[3]);
    cairo_set_source_surface(cr, tex, -rect[0], -rect[1]);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_BILINEAR);
    cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_PAD);
    cairo_paint(cr);
    cairo_restore(cr);
}

struct Sample {
    std::string name;
    cairo_surface_t* img;
    int rect[4];
};

// Distance between a sample's body colour and the field's colour around it: what
// decides whether a green coin is lost in a green forest.
double sampleContrast(cairo_surface_t* field, const Sample& s, int x, int y) {
    cairo_surface_t* alone = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, s.rect[2], s.rect[3]);
    cairo_t* cr = cairo_create(alone);
    cairo_set_source_surface(cr, s.img, -s.rect[0], -s.rect[1]);
    cairo_paint(cr);
    cairo_destroy(cr);
    const Lab body = meanLab(alone, 0, 0, s.rect[2], s.rect[3], true);
    cairo_surface_destroy(alone);
    const Lab ground = meanLab(field, x - 6, y - 6, s.rect[2] + 12, s.rect[3] + 12, false);
    return body.l < 0 || ground.l < 0 ? 0 : labDistance(body, ground);
}

// ---- particles: the emitter rules of the game, enough to draw one moment ----
struct Info {
    int emission;
    float lifetime, lifeMin, lifeMax, direction, spread;
    bool relative;
    float speedMin, speedMax, gravMin, gravMax, radMin, radMax, tanMin, tanMax;
    float sizeStart, sizeEnd, sizeVar, spinStart, spinEnd, spinVar;
    float c0[4], c1[4];
    float colVar, alphaVar;
};

bool decodeInfo(const std::string& b, Info& info) {
    if (b.size() != 128) return false;
    auto f = [&](int i) {
        float v;
        std::memcpy(&v, b.data() + 4 * i, 4);
        return v;
    };
    std::int32_t emission;
    std::memcpy(&emission, b.data() + 4, 4);
    info.emission = emission;
    info.lifetime = f(2);
    info.lifeMin = f(3);
    info.lifeMax = f(4);
    info.direction = f(5);
    info.spread = f(6);
    info.relative = b[28] != 0;
    info.speedMin = f(8);
    info.speedMax = f(9);
    info.gravMin = f(10);
    info.gravMax = f(11);
    info.radMin = f(12);
    info.radMax = f(13);
    info.tanMin = f(14);
    info.tanMax = f(15);
    info.sizeStart = f(16);
    info.sizeEnd = f(17);
    info.sizeVar = f(18);
    info.spinStart = f(19);
    info.spinEnd = f(20);
    info.spinVar = f(21);
    for (int i = 0; i < 4; ++i) info.c0[i] = f(22 + i), info.c1[i] = f(26 + i);
    info.colVar = f(30);
    info.alphaVar = f(31);
    return true;
}

struct Particle {
    double x, y, vx, vy, grav, rad, tan, size, dsize, spin, dspin, c[4], dc[4], age, life;
};

void drawParticles(cairo_t* cr, const Info& info, cairo_surface_t* tex, const ResEntry& spr, bool additive, double cx,
                   double cy, double seconds, bool moving) {
    Rng rng(std::to_string(info.emission) + std::to_string(info.lifeMax));
    std::vector<Particle> ps;
    double age = info.lifetime < 0 ? -1 : 0, remainder = 0;
    double px = cx, py = cy + (moving ? 40 : 0), x = px, y = py;
    const double dt = 0.01;
    for (double t = 0; t < seconds; t += dt) {
        if (moving) y = cy + 40 - t / seconds * 80;
        if (age >= 0) {
            age += dt;
            if (age >= info.lifetime) age = -2;
        }
        for (std::size_t i = 0; i < ps.size();) {
            Particle& p = ps[i];
            p.age += dt;
            if (p.age >= p.life) {
                p = ps.back();
                ps.pop_back();
                continue;
            }
            double ux = p.x - x, uy = p.y - y;
            const double len = std::hypot(ux, uy);
            if (len > 0) ux /= len, uy /= len;
            p.vx += (ux * p.rad - uy * p.tan) * dt;
            p.vy += (uy * p.rad + ux * p.tan + p.grav) * dt;
            p.x += p.vx * dt;
            p.y += p.vy * dt;
            p.size += p.dsize * dt;
            p.spin += p.dspin * dt;
            for (int k = 0; k < 4; ++k) p.c[k] += p.dc[k] * dt;
            ++i;
        }
        if (age != -2) {
            const double due = info.emission * dt + remainder;
            const int n = int(due);
            remainder = due - n;
            for (int i = 0; i < n && ps.size() < 500; ++i) {
                Particle p{};
                p.life = rng.uniform(info.lifeMin, info.lifeMax);
                const double u = rng.uniform();
                p.x = px + (x - px) * u + rng.uniform(-2, 2);
                p.y = py + (y - py) * u + rng.uniform(-2, 2);
                const double heading = info.direction - M_PI / 2 + rng.uniform(0, info.spread) - info.spread / 2;
                const double speed = rng.uniform(info.speedMin, info.speedMax);
                p.vx = std::cos(heading) * speed;
                p.vy = std::sin(heading) * speed;
                p.grav = rng.uniform(info.gravMin, info.gravMax);
                p.rad = rng.uniform(info.radMin, info.radMax);
                p.tan = rng.uniform(info.tanMin, info.tanMax);
                p.size = rng.uniform(info.sizeStart, info.sizeStart + (info.sizeEnd - info.sizeStart) * info.sizeVar);
                p.dsize = (info.sizeEnd - p.size) / p.life;
                p.spin = rng.uniform(info.spinStart, info.spinStart + (info.spinEnd - info.spinStart) * info.spinVar);
                p.dspin = (info.spinEnd - p.spin) / p.life;
                for (int k = 0; k < 4; ++k) {
                    const double var = k == 3 ? info.alphaVar : info.colVar;
                    p.c[k] = rng.uniform(info.c0[k], info.c0[k] + (info.c1[k] - info.c0[k]) * var);
                    p.dc[k] = (info.c1[k] - p.c[k]) / p.life;
                }
                ps.push_back(p);
            }
        }
        px = x;
        py = y;
    }
    cairo_save(cr);
    if (additive) cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
    for (const Particle& p : ps) {
        cairo_save(cr);
        cairo_translate(cr, p.x, p.y);
        cairo_rotate(cr, p.spin * p.age);
        cairo_scale(cr, p.size, p.size);
        cairo_translate(cr, -spr.hotspot[0], -spr.hotspot[1]);
        cairo_set_source_rgba(cr, std::clamp(p.c[0], 0.0, 1.0), std::clamp(p.c[1], 0.0, 1.0),
                              std::clamp(p.c[2], 0.0, 1.0), std::clamp(p.c[3], 0.0, 1.0));
        cairo_rectangle(cr, 0, 0, spr.rect[2], spr.rect[3]);
        cairo_clip(cr);
        cairo_mask_surface(cr, tex, -spr.rect[0], -spr.rect[1]);
        cairo_restore(cr);
    }
    cairo_restore(cr);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: kvb_assetpreview kvb.paq outdir\n");
        return 2;
    }
    Pack pack(argv[1]);
    if (!pack.ok()) {
        std::fprintf(stderr, "%s\n", pack.error().c_str());
        return 1;
    }
    const std::string out = argv[2];
    ResScript script;
    std::string error;
    if (!parseResScript(pack.load("resource.res"), script, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }

    std::vector<Placed> sprites, screens;
    for (const ResEntry& e : script.entries) {
        if (e.type != "Sprite") continue;
        const ResEntry* tex = textureOf(script, e);
        if (!tex) continue;
        cairo_surface_t* img = pack.image(tex->filename);
        const bool big = e.rect[2] >= 300;
        const double scale = big ? 0.45 : e.rect[2] <= 16 ? 3.0 : e.rect[2] <= 32 ? 2.0 : 1.0;
        const double w = std::max(e.rect[2] * scale, 60.0), h = e.rect[3] * scale + 14;
        Placed p{w, h, [=](cairo_t* cr, double x, double y) {
                     blit(cr, img, e.rect[0], e.rect[1], e.rect[2], e.rect[3], x, y + 12, scale);
                     label(cr, x, y + 9, e.name);
                 }};
        (big ? screens : sprites).push_back(p);
    }
    sheet(sprites, 1400, out + "/sprites.png");
    sheet(screens, 1400, out + "/screens.png");

    // Animations, one strip per name, in three sheets.
    std::map<std::string, std::vector<Placed>> strips;
    for (const ResEntry& e : script.entries) {
        if (e.type != "Animation") continue;
        const ResEntry* tex = textureOf(script, e);
        if (!tex) continue;
        cairo_surface_t* img = pack.image(tex->filename);
        const int texW = cairo_image_surface_get_width(img);
        const double scale = e.rect[2] <= 20 ? 2.0 : e.rect[2] > 200 ? 0.5 : 1.0;
        const double fw = e.rect[2] * scale;
        const std::string group = e.name.rfind("enemy", 0) == 0                         ? "enemies"
                                  : (e.name.rfind("opp", 0) == 0 && e.name.size() == 5) ? "opponents"
                                                                                        : "battle";
        strips[group].push_back({std::max(fw * e.frames + 4 * e.frames, 80.0), e.rect[3] * scale + 14,
                                 [=](cairo_t* cr, double x, double y) {
                                     for (int n = 0; n < e.frames; ++n) {
                                         int fx = 0, fy = 0;
                                         framePosition(e, texW, n, fx, fy);
                                         blit(cr, img, fx, fy, e.rect[2], e.rect[3], x + n * (fw + 4), y + 12, scale);
                                     }
                                     label(cr, x, y + 9, e.name + " (" + std::to_string(e.frames) + ")");
                                 }});
    }
    for (auto& [group, items] : strips) sheet(items, 1400, out + "/anim-" + group + ".png");

    // Fonts: the whole glyph set and a sample line, through the font file.
    std::vector<Placed> fonts;
    for (const ResEntry& e : script.entries) {
        if (e.type != "Font") continue;
        FontFile font;
        std::string text = pack.load(e.filename), why;
        std::string first;
        for (char c : text) {
            if (std::isspace(static_cast<unsigned char>(c))) break;
            first += c;
        }
        cairo_surface_t* img = pack.image(fontTexturePath(e.filename, first));
        if (!parseFontFile(text, cairo_image_surface_get_width(img), font, why)) {
            std::fprintf(stderr, "%s: %s\n", e.name.c_str(), why.c_str());
            continue;
        }
        const std::string lines[2] = {" !\"#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`",
                                      "abcdefghijklmnopqrstuvwxyz{|}~  Score 00012345  Prepare for round 3 ..."};
        fonts.push_back({1380, 2.0 * font.height + 20, [=](cairo_t* cr, double x, double y) {
                             label(cr, x, y + 9, e.name);
                             for (int l = 0; l < 2; ++l) {
                                 double gx = x;
                                 for (unsigned char c : lines[l]) {
                                     const FontGlyph& g = font.glyphs[c].present ? font.glyphs[c] : font.glyphs['?'];
                                     if (!g.present) continue;
                                     blit(cr, img, g.x, g.y, g.w, font.height, gx, y + 12 + l * font.height, 1.0);
                                     gx += g.w;
                                 }
                             }
                         }});
    }
    sheet(fonts, 1400, out + "/fonts.png");

    // Particles: one moment of each effect (one-offs 0.3 s after firing, trails moving).
    std::vector<Placed> effects;
    for (const ResEntry& e : script.entries) {
        if (e.type != "Particle") continue;
        Info info{};
        if (!decodeInfo(pack.load(e.filename), info)) {
            std::fprintf(stderr, "%s: not 128 bytes\n", e.filename.c_str());
            continue;
        }
        const ResEntry* spr = script.find("Sprite", e.sprite);
        const ResEntry* tex = spr ? textureOf(script, *spr) : nullptr;
        if (!tex) continue;
        cairo_surface_t* img = pack.image(tex->filename);
        const bool additive = spr->name == "pxGlow" || spr->name == "pxSpark" || spr->name == "pxFlame" ||
                              spr->name == "pxStar" || spr->name == "pxBolt" || spr->name.rfind("pxShot", 0) == 0;
        const bool continuous = info.lifetime < 0;
        const ResEntry sprite = *spr;
        effects.push_back({160, 174, [=](cairo_t* cr, double x, double y) {
                               cairo_rectangle(cr, x, y + 12, 160, 160);
                               cairo_set_source_rgb(cr, 0.06, 0.06, 0.1);
                               cairo_fill(cr);
                               cairo_save(cr);
                               cairo_rectangle(cr, x, y + 12, 160, 160);
                               cairo_clip(cr);
                               drawParticles(cr, info, img, sprite, additive, x + 80, y + 92, continuous ? 1.0 : 0.3,
                                             continuous);
                               cairo_restore(cr);
                               label(cr, x, y + 9, e.name + " " + e.sprite + (continuous ? " ~" : ""));
                           }});
    }
    sheet(effects, 1400, out + "/particles.png");

    // Sound effects: the waveform of each (16-bit mono data after a 44-byte header).
    std::vector<Placed> waves;
    for (const ResEntry& e : script.entries) {
        if (e.type != "Sound") continue;
        const std::string wav = pack.load(e.filename);
        if (wav.size() <= 44) continue;
        waves.push_back({200, 64, [=](cairo_t* cr, double x, double y) {
                             cairo_rectangle(cr, x, y + 12, 200, 50);
                             cairo_set_source_rgb(cr, 0.06, 0.06, 0.1);
                             cairo_fill(cr);
                             const std::size_t samples = (wav.size() - 44) / 2;
                             const double perPixel = 22050.0 * 2.0 / 200;  // two seconds across
                             for (int px = 0; px < 200; ++px) {
                                 double low = 0, high = 0;
                                 for (std::size_t i = std::size_t(px * perPixel);
                                      i < std::min(samples, std::size_t((px + 1) * perPixel)); ++i) {
                                     std::int16_t v;
                                     std::memcpy(&v, wav.data() + 44 + 2 * i, 2);
                                     low = std::min(low, v / 32768.0);
                                     high = std::max(high, v / 32768.0);
                                 }
                                 cairo_move_to(cr, x + px + 0.5, y + 37 - high * 24);
                                 cairo_line_to(cr, x + px + 0.5, y + 37 - low * 24 + 0.5);
                             }
                             cairo_set_source_rgb(cr, 0.4, 0.9, 0.6);
                             cairo_set_line_width(cr, 1);
                             cairo_stroke(cr);
                             label(cr, x, y + 9, e.name);
                         }});
    }
    sheet(waves, 1400, out + "/sounds.png");

    // Plates at the sizes the screens stretch them to, beside the condition icons at
    // the three sizes the HUD and the seal show them at.
    std::vector<Placed> stretched;
    const struct {
        const char* type;
        const char* name;
        double w, h;
    } STRETCHES[] = {{"Sprite", "box", 760, 112},          {"Sprite", "box", 456, 112},
                     {"Sprite", "box", 384, 88},           {"Sprite", "lifeBarFrame", 384, 88},
                     {"Sprite", "lifeBarFrame", 98, 128},  {"Sprite", "lifeBarFrame", 208, 28},
                     {"Sprite", "disabled", 384, 88},      {"Sprite", "disabled", 90, 120},
                     {"Sprite", "card1", 384, 88},         {"Animation", "rouletteBlock", 100, 600},
                     {"Sprite", "condIcon2", 90, 120},     {"Sprite", "menuItem2", 160, 48}};
    for (const auto& st : STRETCHES) {
        const ResEntry* e = script.find(st.type, st.name);
        const ResEntry* tex = e ? textureOf(script, *e) : nullptr;
        if (!tex) continue;
        cairo_surface_t* img = pack.image(tex->filename);
        const ResEntry entry = *e;
        const double w = st.w, h = st.h;
        stretched.push_back({std::max(w, 90.0), h + 14, [=](cairo_t* cr, double x, double y) {
                                 stretchBlit(cr, img, entry.rect, x, y + 12, w, h);
                                 label(cr, x, y + 9, entry.name + " " + std::to_string(int(w)) + "x" +
                                                         std::to_string(int(h)));
                             }});
    }
    for (double size : {12.0, 28.0})
        stretched.push_back({19 * (size + 4), size + 14, [&pack, &script, size](cairo_t* cr, double x, double y) {
                                 for (int i = 0; i < 19; ++i) {
                                     const ResEntry* e = script.find("Sprite", "condIcon" + std::to_string(i));
                                     const ResEntry* tex = e ? textureOf(script, *e) : nullptr;
                                     if (tex) stretchBlit(cr, pack.image(tex->filename), e->rect, x + i * (size + 4),
                                                          y + 12, size, size);
                                 }
                                 label(cr, x, y + 9, "condIcon0..18 at " + std::to_string(int(size)));
                             }});
    sheet(stretched, 1400, out + "/stretched.png");

    // Fields: sample coins, shots, enemies and ships laid over each battle background,
    // with the colour distance (CIE Lab) of each to the field under it. Red marks a
    // sample under 25 that a player could lose; "busy" is the play area's lightness spread.
    std::vector<Sample> samples;
    const std::pair<const char*, const char*> SAMPLES[] = {
        {"Animation", "coinRed"},  {"Animation", "coinGreen"}, {"Animation", "coinBlue"}, {"Animation", "missile1"},
        {"Sprite", "pxShot0"},     {"Animation", "enemy1"},    {"Animation", "enemy4"},   {"Animation", "enemy7"},
        {"Animation", "enemy12"},  {"Animation", "enemy13"},   {"Animation", "enemy14"},  {"Animation", "enemy22"},
        {"Animation", "enemy23"},  {"Animation", "opp00"},     {"Animation", "opp10"},    {"Animation", "opp20"},
        {"Animation", "opp30"},    {"Animation", "opp40"},     {"Animation", "opp50"},    {"Animation", "opp60"}};
    for (const auto& [type, name] : SAMPLES) {
        const ResEntry* e = script.find(type, name);
        const ResEntry* tex = e ? textureOf(script, *e) : nullptr;
        if (!tex) continue;
        samples.push_back({name, pack.image(tex->filename), {e->rect[0], e->rect[1], e->rect[2], e->rect[3]}});
    }
    std::vector<Placed> fields;
    std::vector<cairo_surface_t*> fieldPictures;  // drawn into the sheet, then freed
    for (const ResEntry& e : script.entries) {
        if (e.type != "Sprite" || e.name.rfind("bg", 0) != 0) continue;
        const ResEntry* tex = textureOf(script, e);
        if (!tex) continue;
        cairo_surface_t* field = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 800, 600);
        fieldPictures.push_back(field);
        cairo_t* fc = cairo_create(field);
        stretchBlit(fc, pack.image(tex->filename), e.rect, 0, 0, 800, 600);
        cairo_destroy(fc);
        cairo_surface_flush(field);
        // Every sample at three places across the play area, the weakest one counted.
        std::map<std::string, double> worst;
        struct Spot {
            const Sample* s;
            int x, y;
            double contrast;
        };
        std::vector<Spot> spots;
        for (std::size_t i = 0; i < samples.size(); ++i)
            for (int k = 0; k < 3; ++k) {
                const Sample& sm = samples[i];
                const int x = 110 + int((i * 97 + k * 211) % 560), y = 20 + int((i * 53 + k * 191) % 540);
                const int cx = std::min(x, 700 - sm.rect[2]), cy = std::min(y, 600 - sm.rect[3]);
                const double c = sampleContrast(field, sm, cx, cy);
                spots.push_back({&sm, cx, cy, c});
                worst[sm.name] = worst.count(sm.name) ? std::min(worst[sm.name], c) : c;
            }
        const double busy = lightnessSpread(field, 100, 0, 600, 600, 8);
        std::string weak;
        double lowest = 1e9;
        for (const auto& [name, c] : worst) {
            lowest = std::min(lowest, c);
            if (c < 25) weak += " " + name;
        }
        std::printf("%s: busy %.1f, weakest sample %.1f%s\n", e.name.c_str(), busy, lowest,
                    weak.empty() ? "" : (", weak:" + weak).c_str());
        fields.push_back({680, 530, [=](cairo_t* cr, double x, double y) {
                              cairo_save(cr);
                              cairo_translate(cr, x, y + 12);
                              cairo_scale(cr, 0.85, 0.85);
                              cairo_set_source_surface(cr, field, 0, 0);
                              cairo_paint(cr);
                              for (const Spot& sp : spots) {
                                  blit(cr, sp.s->img, sp.s->rect[0], sp.s->rect[1], sp.s->rect[2], sp.s->rect[3],
                                       sp.x, sp.y, 1.0);
                                  if (sp.contrast < 25) {
                                      cairo_rectangle(cr, sp.x - 2, sp.y - 2, sp.s->rect[2] + 4, sp.s->rect[3] + 4);
                                      cairo_set_source_rgb(cr, 1, 0.1, 0.1);
                                      cairo_set_line_width(cr, 2);
                                      cairo_stroke(cr);
                                  }
                              }
                              cairo_restore(cr);
                              char text[160];
                              std::snprintf(text, sizeof text, "%s  busy %.0f  weakest %.0f%s", e.name.c_str(), busy,
                                            lowest, weak.c_str());
                              label(cr, x, y + 9, text);
                          }});
    }
    sheet(fields, 1400, out + "/fields.png");
    for (cairo_surface_t* field : fieldPictures) cairo_surface_destroy(field);

    // Music: every tune as a piano roll (a pixel per row, bar lines every 16), so its
    // form, hook and drum pattern can be seen: lead red, arp yellow, bass blue, pads
    // green, drums grey at the bottom.
    std::vector<Placed> rolls;
    for (const ResEntry& e : script.entries) {
        if (e.type != "Music" && e.type != "Stream") continue;
        Song song;
        if (!composeSong(e.name, song)) continue;
        rolls.push_back({1380, 150, [song, name = e.name](cairo_t* cr, double x, double y) {
                             const double top = y + 12, h = 136, scale = std::min(1.3, 1380.0 / song.rows);
                             cairo_rectangle(cr, x, top, song.rows * scale, h);
                             cairo_set_source_rgb(cr, 0.06, 0.06, 0.1);
                             cairo_fill(cr);
                             for (int bar = 0; bar * 16 < song.rows; ++bar) {
                                 cairo_rectangle(cr, x + bar * 16 * scale, top, 1, h);
                                 const double v = bar % 4 ? 0.14 : 0.3;
                                 cairo_set_source_rgb(cr, v, v, v + 0.05);
                                 cairo_fill(cr);
                             }
                             static const double COLOURS[VOICES][3] = {{1, 0.35, 0.35}, {1, 0.9, 0.3}, {0.4, 0.6, 1},
                                                                       {0.3, 0.8, 0.4}, {0.7, 0.7, 0.7}, {0.85, 0.85, 0.85},
                                                                       {0.55, 0.55, 0.55}, {0.3, 0.65, 0.35}};
                             for (int v = 0; v < VOICES; ++v)
                                 for (const SongNote& n : song.voices[v]) {
                                     const bool drum = v == KICK || v == SNARE || v == HAT;
                                     const double ny = drum ? top + h - 4 - 4 * (v - KICK)
                                                            : top + h - 16 - (n.pitch - 28) * 1.3;
                                     cairo_rectangle(cr, x + n.row * scale, ny, std::max(1.0, n.length * scale - 0.5),
                                                     drum ? 3 : 2);
                                     cairo_set_source_rgba(cr, COLOURS[v][0], COLOURS[v][1], COLOURS[v][2],
                                                           0.35 + 0.65 * n.velocity);
                                     cairo_fill(cr);
                                 }
                             char text[120];
                             std::snprintf(text, sizeof text, "%s  %d bars  %d bpm  swing %.2f", name.c_str(),
                                           song.rows / 16, song.bpm, song.swing);
                             label(cr, x, y + 9, text);
                         }});
    }
    sheet(rolls, 1400, out + "/music.png");
    return 0;
}
