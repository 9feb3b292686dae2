// What the built pack holds: every inventory name described with the right type, every
// file the script names present, and the formats the game's readers expect.
#include <gtest/gtest.h>

#include <cairo.h>

#include <array>
#include <cstring>
#include <map>
#include <set>

#include "assets/font_file.h"
#include "assets/vehicle_data.h"
#include "tests/assets/inventory.h"
#include "tests/assets/pack_fixture.h"

namespace {

struct PngSize {
    int width = 0, height = 0;
};

// Width and height from a PNG's header chunk.
PngSize pngSize(const std::string& png) {
    if (png.size() < 24 || png.compare(1, 3, "PNG") != 0) return {};
    auto be = [&](std::size_t at) {
        return int((unsigned char)png[at] << 24 | (unsigned char)png[at + 1] << 16 | (unsigned char)png[at + 2] << 8 |
                   (unsigned char)png[at + 3]);
    };
    return {be(16), be(20)};
}

class PackContents : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(pack.error.empty()) << pack.error; }
    const BuiltPack& pack = BuiltPack::get();
};

}  // namespace

TEST_F(PackContents, SourceScriptParsesAndDescribesTheWholeInventory) {
    ResScript source;
    std::string error;
    ASSERT_TRUE(parseResScript(readWholeFile(KVB_RESOURCE_SCRIPT), source, error)) << error;
    for (const auto& [type, name] : gameInventory())
        EXPECT_NE(source.find(type, name), nullptr) << type << " \"" << name << "\" is not described";
}

TEST_F(PackContents, EveryFileTheScriptNamesIsInThePack) {
    int files = 0;
    for (const ResEntry& e : pack.script.entries) {
        if (e.filename.empty()) continue;
        ++files;
        EXPECT_TRUE(pack.entries.count(e.filename)) << e.type << " " << e.name << ": " << e.filename << " missing";
    }
    EXPECT_GT(files, 250);
    // Sprites and animations cut from textures that exist and cover their rectangles.
    for (const ResEntry& e : pack.script.entries) {
        if (e.type != "Sprite" && e.type != "Animation") continue;
        const ResEntry* tex = pack.script.find("Texture", e.texture);
        ASSERT_NE(tex, nullptr) << e.name << " uses undescribed texture " << e.texture;
        const PngSize size = pngSize(pack.file(tex->filename));
        EXPECT_LE(e.rect[0] + e.rect[2], size.width) << e.name;
        EXPECT_LE(e.rect[1] + e.rect[3], size.height) << e.name;
        EXPECT_GT(e.rect[2], 0) << e.name;
        EXPECT_GT(e.rect[3], 0) << e.name;
        if (e.resgroup != 0) {
            EXPECT_TRUE(tex->resgroup == 0 || tex->resgroup == e.resgroup) << e.name;
        }
    }
}

TEST_F(PackContents, ParticleFilesAre128BytesWithCentredSprites) {
    for (const ResEntry& e : pack.script.entries) {
        if (e.type != "Particle") continue;
        const std::string psi = pack.file(e.filename);
        EXPECT_EQ(psi.size(), 128u) << e.filename;
        const ResEntry* sprite = pack.script.find("Sprite", e.sprite);
        ASSERT_NE(sprite, nullptr) << e.name << " names no described sprite";
        EXPECT_EQ(sprite->resgroup, 0) << sprite->name << " must never be purged";
        EXPECT_EQ(sprite->hotspot[0] * 2, sprite->rect[2]) << sprite->name;
        EXPECT_EQ(sprite->hotspot[1] * 2, sprite->rect[3]) << sprite->name;
        if (psi.size() != 128) continue;
        std::int32_t emission;
        float lifetime;
        std::memcpy(&emission, psi.data() + 4, 4);
        std::memcpy(&lifetime, psi.data() + 8, 4);
        EXPECT_GT(emission, 0) << e.name;
        EXPECT_TRUE(lifetime == -1.0f || (lifetime > 0 && lifetime <= 2.0f)) << e.name;
    }
    // Systems that follow a shot or a vehicle must run until stopped.
    for (const char* name : {"par0", "par2", "par30", "par68", "vehPar00", "oppPar3"}) {
        const ResEntry* e = pack.script.find("Particle", name);
        ASSERT_NE(e, nullptr);
        float lifetime;
        std::memcpy(&lifetime, pack.file(e->filename).data() + 8, 4);
        EXPECT_EQ(lifetime, -1.0f) << name;
    }
}

TEST_F(PackContents, FontsParseCoverAsciiAndHaveAQuestionMark) {
    int fonts = 0;
    for (const ResEntry& e : pack.script.entries) {
        if (e.type != "Font") continue;
        ++fonts;
        const std::string text = pack.file(e.filename);
        const std::string textureName = text.substr(0, text.find_first_of(" \t\r\n"));
        const PngSize size = pngSize(pack.file(fontTexturePath(e.filename, textureName)));
        ASSERT_GT(size.width, 0) << e.name << ": glyph texture " << textureName << " missing";
        FontFile font;
        std::string why;
        ASSERT_TRUE(parseFontFile(text, size.width, font, why)) << e.name << ": " << why;
        EXPECT_TRUE(font.glyphs['?'].present) << e.name;
        for (int c = 32; c <= 126; ++c) {
            const FontGlyph& g = font.glyphs[c];
            EXPECT_TRUE(g.present) << e.name << " lacks code " << c;
            EXPECT_LE(g.x + g.w, size.width) << e.name << " code " << c;
            EXPECT_LE(g.y + font.height, size.height) << e.name << " code " << c;
        }
        // Scores print eight digits into a 100-pixel column.
        if (e.name.rfind("fontScore", 0) == 0) {
            for (char d = '0'; d <= '9'; ++d) EXPECT_LE(font.glyphs[int(d)].w, 12) << e.name << " digit " << d;
        }
        if (e.name == "font1") {
            EXPECT_EQ(font.height, 24);
        }
    }
    EXPECT_EQ(fonts, 14);
}

TEST_F(PackContents, VehicleSpritesMatchTheVehicleData) {
    std::array<VehicleLook, VEHICLE_COUNT> looks{};
    std::string why;
    if (!readVehicleLooks(KVB_VEHICLE_DATA, looks, why)) GTEST_SKIP() << "no usable vehicle data: " << why;
    for (int v = 0; v < VEHICLE_COUNT; ++v)
        for (const char* prefix : {"veh", "vehL", "vehR"}) {
            const ResEntry* e = pack.script.find("Sprite", prefix + std::to_string(v));
            ASSERT_NE(e, nullptr);
            EXPECT_EQ(e->rect[2], looks[v].width) << e->name;
            EXPECT_EQ(e->rect[3], looks[v].height) << e->name;
            EXPECT_EQ(e->hotspot[0], 0) << e->name;
            EXPECT_EQ(e->hotspot[1], 0) << e->name;
        }
}

TEST_F(PackContents, EnemyAnimationsHaveHitBoxSizedFramesAndShortDeaths) {
    for (int k = 1; k <= 24; ++k) {
        const ResEntry* live = pack.script.find("Animation", "enemy" + std::to_string(k));
        const ResEntry* death = pack.script.find("Animation", "enemyD" + std::to_string(k));
        ASSERT_TRUE(live && death) << k;
        EXPECT_GE(live->rect[2], 16) << live->name;
        EXPECT_LE(live->rect[2], 96) << live->name;
        EXPECT_GE(live->rect[3], 16) << live->name;
        EXPECT_LE(live->rect[3], 96) << live->name;
        EXPECT_TRUE(live->loop) << live->name;
        EXPECT_FALSE(death->loop) << death->name;
        EXPECT_LE(death->frames / death->fps, 2.0) << death->name << " outlasts the 2 s the game shows it";
        EXPECT_EQ(death->rect[2], live->rect[2]) << death->name;
        const ResEntry* attack = pack.script.find("Animation", "enemyA" + std::to_string(k));
        if (attack) {
            EXPECT_EQ(attack->rect[2], live->rect[2]) << attack->name;
        }
    }
    // Dice result frames 1..6 must show faces 1..6: seven frames with a blank first.
    EXPECT_EQ(pack.script.find("Animation", "dice")->frames, 7);
    const ResEntry* blast = pack.script.find("Animation", "explosion");
    EXPECT_FALSE(blast->loop);
    EXPECT_LE(blast->frames / blast->fps, 2.0);
}

TEST_F(PackContents, ResourcesThatOutliveAPurgeAreNeverPurged) {
    for (const ResEntry& e : pack.script.entries) {
        const bool startUp = e.type == "Sound" || e.type == "Music" || e.type == "Stream" ||
                             (e.type == "Particle" && e.name.rfind("oppPar", 0) != 0) ||
                             e.name.rfind("enemy", 0) == 0 || e.name == "menuItem2" || e.name == "inst" ||
                             e.name == "font1" || e.name.rfind("fontSmall", 0) == 0 || e.name == "fontArial" ||
                             e.name == "fontCoin" || e.name == "fontBig";
        if (startUp) {
            EXPECT_EQ(e.resgroup, 0) << e.type << " " << e.name;
        }
    }
    for (const char* shared : {"lifeBarFrame", "lifeBar", "fuelBar", "okButton", "box", "tab", "slider", "sliderBar",
                               "checkBoxEmpty", "checkBoxChecked", "redBox", "defaultBtn", "tutorialBox"})
        EXPECT_EQ(pack.script.find("Sprite", shared)->resgroup, 0) << shared;
}

TEST_F(PackContents, EveryEnemyIsCutFromOneSheetSoAMixedWaveIsOneDrawCall) {
    std::set<std::string> sheets;
    int animations = 0;
    for (const ResEntry& e : pack.script.entries) {
        if (e.type != "Animation" || e.name.rfind("enemy", 0) != 0) continue;
        ++animations;
        sheets.insert(e.texture);
    }
    EXPECT_EQ(animations, 55) << "live, death and attack animations of the 24 kinds";
    EXPECT_EQ(sheets.size(), 1u);
}
