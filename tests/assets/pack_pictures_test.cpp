// Pictures as the game shows them: fields calm enough that coins and ships read on
// them, condition icons that differ by their symbol and not only by colour, plates
// whose rims stay thin when the screens stretch them, and an explosion drawn large.
#include <gtest/gtest.h>

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "assets/contrast.h"
#include "assets/texture_sheet.h"
#include "tests/assets/pack_fixture.h"

namespace {

// A sprite's (or an animation frame's) pixels, cut from its texture.
cairo_surface_t* cut(const BuiltPack& pack, const std::string& type, const std::string& name, int frame = 0) {
    const ResEntry* e = pack.script.find(type, name);
    const ResEntry* tex = e ? pack.script.find("Texture", e->texture) : nullptr;
    if (!tex) return nullptr;
    cairo_surface_t* sheet = decodePng(pack.file(tex->filename));
    if (!sheet) return nullptr;
    int x = 0, y = 0;
    framePosition(*e, cairo_image_surface_get_width(sheet), frame, x, y);
    cairo_surface_t* out = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, e->rect[2], e->rect[3]);
    cairo_t* cr = cairo_create(out);
    cairo_set_source_surface(cr, sheet, -x, -y);
    cairo_paint(cr);
    cairo_destroy(cr);
    cairo_surface_destroy(sheet);
    cairo_surface_flush(out);
    return out;
}

const unsigned char* pixel(cairo_surface_t* s, int x, int y) {
    return cairo_image_surface_get_data(s) + y * cairo_image_surface_get_stride(s) + 4 * x;
}

class PackPictures : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(pack.error.empty()) << pack.error; }
    const BuiltPack& pack = BuiltPack::get();
};

}  // namespace

TEST_F(PackPictures, FieldsAreCalmAndCoinsAndTheLocalShipReadOnThem) {
    // Background, and the ship of the opponent who fights there.
    const std::pair<const char*, const char*> FIELDS[] = {
        {"bg0", "opp00"}, {"bg1", "opp10"},  {"bg2", "opp20"},  {"bg3", "opp30"},  {"bg3a", "opp30"}, {"bg4", "opp40"},
        {"bg4a", "opp40"}, {"bg5", "opp50"}, {"bg5a", "opp50"}, {"bg6", "opp60"}, {"bg6a", "opp60"}, {"bg6b", "opp60"}};
    std::map<std::string, Lab> bodies;
    for (const char* name : {"coinRed", "coinGreen", "coinBlue", "opp00", "opp10", "opp20", "opp30", "opp40", "opp50",
                             "opp60"}) {
        cairo_surface_t* s = cut(pack, "Animation", name);
        ASSERT_NE(s, nullptr) << name;
        bodies[name] = meanLab(s, 0, 0, cairo_image_surface_get_width(s), cairo_image_surface_get_height(s), true);
        cairo_surface_destroy(s);
    }
    for (const auto& [bg, ship] : FIELDS) {
        cairo_surface_t* field = cut(pack, "Sprite", bg);
        ASSERT_NE(field, nullptr) << bg;
        EXPECT_LT(lightnessSpread(field, 100, 0, 600, 600, 8), 13.0) << bg << " is too busy in the play area";
        // The weakest spot over a grid of places in the play area.
        for (const std::string& sample : {std::string("coinRed"), std::string("coinGreen"), std::string("coinBlue"), std::string(ship)}) {
            double weakest = 1e9;
            for (int y = 10; y < 560; y += 45)
                for (int x = 110; x < 660; x += 45)
                    weakest = std::min(weakest, labDistance(bodies[sample], meanLab(field, x, y, 32, 32, false)));
            EXPECT_GT(weakest, 20.0) << sample << " gets lost on " << bg;
        }
        cairo_surface_destroy(field);
    }
}

TEST_F(PackPictures, ConditionIconsDifferByTheirSymbolsAndAreDrawnLargeEnough) {
    // The white symbol of each icon, as a mask.
    std::vector<std::vector<bool>> masks;
    for (int i = 0; i < 19; ++i) {
        cairo_surface_t* icon = cut(pack, "Sprite", "condIcon" + std::to_string(i));
        ASSERT_NE(icon, nullptr);
        const int w = cairo_image_surface_get_width(icon), h = cairo_image_surface_get_height(icon);
        // Shown at 28×28 beside passives and 90×120 as the seal: not blown up from a dot.
        EXPECT_GE(std::min(w, h), 28) << "condIcon" << i;
        std::vector<bool> mask;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const unsigned char* p = pixel(icon, x, y);
                mask.push_back(p[3] > 200 && p[0] > 215 && p[1] > 215 && p[2] > 215);
            }
        masks.push_back(mask);
        cairo_surface_destroy(icon);
    }
    for (int a = 0; a < 19; ++a)
        for (int b = a + 1; b < 19; ++b) {
            if (masks[a].size() != masks[b].size()) continue;
            int both = 0, either = 0;
            for (std::size_t k = 0; k < masks[a].size(); ++k) {
                both += masks[a][k] && masks[b][k];
                either += masks[a][k] || masks[b][k];
            }
            EXPECT_LT(double(both) / std::max(1, either), 0.7)
                << "condIcon" << a << " and condIcon" << b << " show the same symbol";
        }
}

TEST_F(PackPictures, StretchedPlatesKeepTheirRimsThin) {
    // Sprite and the sizes the screens stretch it to.
    const struct {
        const char* name;
        double w, h;
    } STRETCHES[] = {{"box", 760, 112},         {"box", 456, 112},          {"box", 384, 88},
                     {"lifeBarFrame", 384, 88}, {"lifeBarFrame", 98, 128}, {"disabled", 384, 88},
                     {"disabled", 90, 120}};
    for (const auto& st : STRETCHES) {
        cairo_surface_t* s = cut(pack, "Sprite", st.name);
        ASSERT_NE(s, nullptr) << st.name;
        const int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
        // The rim runs from the edge to the first pixel that looks like the middle (any
        // pixel within 12 of the centre, so a striped middle counts as one look).
        const auto looksLikeMiddle = [&](int x, int y, bool alongRow) {
            const unsigned char* p = pixel(s, x, y);
            for (int k = -12; k <= 12; ++k) {
                const int mx = alongRow ? w / 2 + k : w / 2, my = alongRow ? h / 2 : h / 2 + k;
                const unsigned char* c = pixel(s, mx, my);
                if (p[3] < 128 || c[3] < 128) {
                    if (p[3] < 128 && c[3] < 128) return true;
                    continue;
                }
                if (labDistance(meanLab(s, x, y, 1, 1, false), meanLab(s, mx, my, 1, 1, false)) < 8) return true;
            }
            return false;
        };
        const auto inside = [&](int x, int y) { return looksLikeMiddle(x, y, y == h / 2); };
        int side = 0, top = 0;
        while (side < w / 2 && !inside(side, h / 2)) ++side;
        while (top < h / 2 && !inside(w / 2, top)) ++top;
        EXPECT_LE(side * st.w / w, 6.0) << st.name << " at " << st.w << "x" << st.h << ": sides smear";
        EXPECT_LE(top * st.h / h, 6.0) << st.name << " at " << st.w << "x" << st.h << ": top smears";
        cairo_surface_destroy(s);
    }
}

TEST_F(PackPictures, TheExplosionIsDrawnLargeWithABrightCoreAndBurnsOut) {
    const ResEntry* e = pack.script.find("Animation", "explosion");
    ASSERT_NE(e, nullptr);
    // Stretched to 100..300 pixels in play: drawn at no less than 128.
    EXPECT_GE(std::min(e->rect[2], e->rect[3]), 128);
    const auto coverage = [&](cairo_surface_t* s) {
        int opaque = 0;
        for (int y = 0; y < e->rect[3]; ++y)
            for (int x = 0; x < e->rect[2]; ++x) opaque += pixel(s, x, y)[3] > 128;
        return double(opaque) / (e->rect[2] * e->rect[3]);
    };
    cairo_surface_t* burning = cut(pack, "Animation", "explosion", e->frames / 5);
    cairo_surface_t* last = cut(pack, "Animation", "explosion", e->frames - 1);
    ASSERT_TRUE(burning && last);
    const int c = e->rect[2] / 2;
    EXPECT_GT(meanLab(burning, c - 4, c - 4, 8, 8, false).l, 85) << "no bright core";
    EXPECT_GT(coverage(burning), 0.25) << "the fireball is small for its frame";
    EXPECT_LT(coverage(last), 0.1) << "the last frame has not burnt out";
    cairo_surface_destroy(burning);
    cairo_surface_destroy(last);
}

namespace {

// Where a picture is solid (alpha over half), row by row.
std::vector<bool> solidMask(cairo_surface_t* s) {
    std::vector<bool> mask;
    for (int y = 0; y < cairo_image_surface_get_height(s); ++y)
        for (int x = 0; x < cairo_image_surface_get_width(s); ++x) mask.push_back(pixel(s, x, y)[3] > 128);
    return mask;
}

// Share of the pixels solid in either mask that are solid in both.
double overlap(const std::vector<bool>& a, const std::vector<bool>& b) {
    int both = 0, either = 0;
    for (std::size_t k = 0; k < std::min(a.size(), b.size()); ++k) {
        both += a[k] && b[k];
        either += a[k] || b[k];
    }
    return double(both) / std::max(1, either);
}

}  // namespace

// Red, green and blue coins look alike to many colour-blind players: each coin and each
// cost mark on a card has a shape of its own, told apart by the alpha mask alone, and
// every card frame marks the coins of its class on its type strip.
TEST_F(PackPictures, CoinColoursDifferInShapeAndCardFramesMarkTheirClass) {
    const char* const coins[3] = {"coinRed", "coinGreen", "coinBlue"};
    for (int frame = 0; frame < 8; ++frame) {
        std::vector<bool> masks[3];
        for (int c = 0; c < 3; ++c) {
            cairo_surface_t* s = cut(pack, "Animation", coins[c], frame);
            ASSERT_NE(s, nullptr) << coins[c];
            masks[c] = solidMask(s);
            // A turning coin never thins to a sliver: it keeps a quarter of its box.
            const int area = cairo_image_surface_get_width(s) * cairo_image_surface_get_height(s);
            EXPECT_GE(std::count(masks[c].begin(), masks[c].end(), true), area / 4) << coins[c] << " frame " << frame;
            cairo_surface_destroy(s);
        }
        for (int a = 0; a < 3; ++a)
            for (int b = a + 1; b < 3; ++b)
                EXPECT_LT(overlap(masks[a], masks[b]), 0.85) << coins[a] << " and " << coins[b] << " frame " << frame;
    }

    const char* const costs[3] = {"costRed", "costGreen", "costBlue"};
    std::vector<bool> costMasks[3];
    for (int c = 0; c < 3; ++c) {
        cairo_surface_t* s = cut(pack, "Sprite", costs[c]);
        ASSERT_NE(s, nullptr) << costs[c];
        costMasks[c] = solidMask(s);
        cairo_surface_destroy(s);
    }
    for (int a = 0; a < 3; ++a)
        for (int b = a + 1; b < 3; ++b) EXPECT_LT(overlap(costMasks[a], costMasks[b]), 0.85) << costs[a] << " " << costs[b];

    // The right end of the type strip: marks that stand off the plain strip, as many
    // separate marks as the class has coins and a different outline for each single colour.
    const int marks[8] = {1, 1, 1, 2, 2, 2, 3, 0};
    std::vector<bool> single[3];
    for (int k = 0; k < 8; ++k) {
        cairo_surface_t* s = cut(pack, "Sprite", "card" + std::to_string(k));
        ASSERT_NE(s, nullptr);
        std::vector<bool> mark;
        int columns = 0;
        bool inMark = false;
        for (int x = 46; x < 86; ++x) {
            bool any = false;
            for (int y = 107; y < 116; ++y) {
                const unsigned char* p = pixel(s, x, y);
                const unsigned char* strip = pixel(s, 30, y);
                int off = 0;
                for (int ch = 0; ch < 3; ++ch) off += std::abs(int(p[ch]) - int(strip[ch]));
                mark.push_back(off > 60);
                any = any || off > 60;
            }
            columns += any && !inMark;
            inMark = any;
        }
        EXPECT_EQ(columns, marks[k]) << "card" << k << " marks";
        if (k < 3) single[k] = mark;
        cairo_surface_destroy(s);
    }
    for (int a = 0; a < 3; ++a)
        for (int b = a + 1; b < 3; ++b) EXPECT_LT(overlap(single[a], single[b]), 0.85) << "card" << a << " card" << b;
}
