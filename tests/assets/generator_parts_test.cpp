// The generator's building blocks where a slip would corrupt the pack quietly: frame
// placement, the script and font readers, the vehicle data reader, the synthesiser's
// finishing steps, the tracker-module layout and the zip reader.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "assets/font_file.h"
#include "assets/res_script.h"
#include "assets/shared_sheets.h"
#include "assets/song.h"
#include "assets/synth.h"
#include "assets/texture_sheet.h"
#include "assets/vehicle_data.h"
#include "assets/zip_index.h"
#include "platform/core/zip_writer.h"

namespace {

unsigned le16(const std::string& s, std::size_t at) {
    return (unsigned char)s[at] | (unsigned char)s[at + 1] << 8;
}

}  // namespace

TEST(GeneratorParts, AnimationFramesWrapToTheLeftEdgeOfFollowingRows) {
    ResEntry e;
    e.rect[0] = 64;
    e.rect[1] = 10;
    e.rect[2] = 32;
    e.rect[3] = 20;
    int x = 0, y = 0;
    framePosition(e, 128, 1, x, y);  // two frames fit on the first row after x = 64
    EXPECT_EQ(x, 96);
    EXPECT_EQ(y, 10);
    framePosition(e, 128, 2, x, y);  // then rows of four from the left edge
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 30);
    framePosition(e, 128, 6, x, y);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 50);
}

TEST(GeneratorParts, ScriptReaderKeepsTypesRectsModesAndReportsLines) {
    const std::string text =
        "; comment\nAnimation \"boom\"\n{\n  texture = \"tx\" ; trailing\n  rect = 1, 2, 3, 4\n"
        "  frames = 5\n  fps = 2.5\n  mode = FORWARD, NOLOOP\n  resgroup = 12\n}\n"
        "Sprite dot\n{\n  blendmode = COLORMUL, ALPHAADD\n  hotspot = 8, 9\n}\n";
    ResScript script;
    std::string error;
    ASSERT_TRUE(parseResScript(text, script, error)) << error;
    const ResEntry* boom = script.find("Animation", "boom");
    ASSERT_NE(boom, nullptr);
    EXPECT_EQ(boom->texture, "tx");
    EXPECT_EQ(boom->rect[3], 4);
    EXPECT_EQ(boom->frames, 5);
    EXPECT_DOUBLE_EQ(boom->fps, 2.5);
    EXPECT_FALSE(boom->loop);
    EXPECT_EQ(boom->resgroup, 12);
    EXPECT_EQ(text.substr(boom->rectBegin, boom->rectEnd - boom->rectBegin), " 1, 2, 3, 4");
    const ResEntry* dot = script.find("Sprite", "dot");
    ASSERT_NE(dot, nullptr);
    EXPECT_EQ(dot->hotspot[1], 9);
    EXPECT_EQ(script.find("Sprite", "boom"), nullptr);

    EXPECT_FALSE(parseResScript("Sprite a\n{\n  rect = 1, 2\n}\n", script, error));
    EXPECT_NE(error.find("line 3"), std::string::npos) << error;
    EXPECT_FALSE(parseResScript("Sprite a\n{\n  texture = t\n", script, error));
    EXPECT_NE(error.find("'}' missing"), std::string::npos) << error;
    EXPECT_FALSE(parseResScript("Target t\n{\n}\n", script, error));
}

TEST(GeneratorParts, FontReaderSkipsCodesAndWrapsGlyphRows) {
    FontFile font;
    std::string why;
    ASSERT_TRUE(parseFontFile("f.png 10 -63 6 5 -2 7", 12, font, why)) << why;
    EXPECT_EQ(font.texture, "f.png");
    EXPECT_EQ(font.height, 10);
    EXPECT_FALSE(font.glyphs['>'].present);
    EXPECT_TRUE(font.glyphs['?'].present);
    EXPECT_EQ(font.glyphs['@'].x, 6);        // 6 + 5 fits in 12
    EXPECT_FALSE(font.glyphs['A'].present);  // skipped
    EXPECT_EQ(font.glyphs['C'].x, 0);        // 11 + 7 would pass the edge: new row
    EXPECT_EQ(font.glyphs['C'].y, 10);
    EXPECT_FALSE(parseFontFile("f.png", 12, font, why));
    EXPECT_FALSE(parseFontFile("f.png 10 4 x", 12, font, why));

    // On a shared sheet: rows start and wrap inside the font's block.
    ASSERT_TRUE(parseFontFile("../gfx/s.png at 100 40 12 10 -63 6 5 -2 7", 512, font, why)) << why;
    EXPECT_EQ(font.glyphs['@'].x, 106);
    EXPECT_EQ(font.glyphs['C'].x, 100);
    EXPECT_EQ(font.glyphs['C'].y, 50);
    EXPECT_EQ(fontTexturePath("fonts/f.fnt", "../gfx/s.png"), "gfx/s.png");
    EXPECT_EQ(fontTexturePath("fonts/f.fnt", "f.png"), "fonts/f.png");
    EXPECT_EQ(pathFromFont("fonts/f.fnt", "gfx/s.png"), "../gfx/s.png");
    EXPECT_FALSE(parseFontFile("f.png at 1 2 10", 12, font, why));
}

TEST(GeneratorParts, SheetPackingKeepsPiecesApartInsideTheSheetAndWrapsLongStrips) {
    std::vector<SheetPiece> pieces;
    for (int i = 0; i < 40; ++i) pieces.push_back({std::string(1, char('A' + i)), 30 + i * 7 % 90, 20 + i * 13 % 70});
    pieces.push_back({"strip", 64 * 40, 32, 64});  // 40 frames: wider than any sheet
    pieces.push_back({"wide", 900, 10});
    int width = 0, height = 0;
    std::string why;
    ASSERT_TRUE(packPieces(pieces, width, height, why)) << why;
    EXPECT_EQ(width, 1024);  // the 900-wide piece rules out 512; the strip wraps
    std::vector<SheetPiece> again = pieces;
    int w2 = 0, h2 = 0;
    ASSERT_TRUE(packPieces(again, w2, h2, why));
    for (std::size_t i = 0; i < pieces.size(); ++i) EXPECT_TRUE(again[i].x == pieces[i].x && again[i].y == pieces[i].y);
    auto box = [&](const SheetPiece& p, int& w, int& h) {
        const bool wraps = p.width > width;
        w = wraps ? width : p.width;
        h = wraps ? (p.width / p.frameWidth + width / p.frameWidth - 1) / (width / p.frameWidth) * p.height : p.height;
    };
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        int wi = 0, hi = 0;
        box(pieces[i], wi, hi);
        EXPECT_TRUE(pieces[i].x >= 0 && pieces[i].x + wi <= width && pieces[i].y + hi <= height) << pieces[i].name;
        if (pieces[i].name == "strip") {
            EXPECT_EQ(pieces[i].x, 0);
        }
        for (std::size_t j = i + 1; j < pieces.size(); ++j) {
            int wj = 0, hj = 0;
            box(pieces[j], wj, hj);
            const SheetPiece &a = pieces[i], &b = pieces[j];
            EXPECT_FALSE(a.x < b.x + wj && b.x < a.x + wi && a.y < b.y + hj && b.y < a.y + hi) << a.name << " / " << b.name;
        }
    }
    std::vector<SheetPiece> huge = {{"a", 2048, 1500}, {"b", 2048, 1500}};
    EXPECT_FALSE(packPieces(huge, width, height, why));
    std::vector<SheetPiece> unwrappable = {{"c", 3000, 10}};
    EXPECT_FALSE(packPieces(unwrappable, width, height, why));
}

TEST(GeneratorParts, PicturesPointIntoTheirSheetAndTheMembersGiveWayToOneDescription) {
    const std::string text = "Texture \"txWalls\"\n{\n  filename = \"gfx/walls.png\"\n  resgroup = 3\n}\n"
                             "Sprite \"wall1\"\n{\n  texture = \"txWalls\"\n  rect = 0, 0, 24, 12 ; brick\n}\n"
                             "Texture \"txBg0\"\n{\n  filename = \"gfx/bg0.png\"\n}\n"
                             "Texture \"txFx\"\n{\n  filename = \"gfx/fx.png\"\n}\n"
                             "Animation \"spark\"\n{\n  texture = txFx\n  rect = 0, 0, 8, 8\n  frames = 4\n}\n";
    ResScript script;
    std::string why;
    ASSERT_TRUE(parseResScript(text, script, why)) << why;
    const SheetPlan& plan = sharedSheets()[0];
    SheetLayout layout;
    ASSERT_TRUE(layOutSheet(script, plan, {}, layout, why)) << why;
    ASSERT_EQ(layout.pictures.size(), 2u);
    const std::string moved = pointIntoSheets(text, script, {layout});
    ResScript out;
    ASSERT_TRUE(parseResScript(moved, out, why)) << why << "\n" << moved;
    EXPECT_EQ(out.find("Texture", "txWalls"), nullptr);
    EXPECT_EQ(out.find("Texture", "txFx"), nullptr);
    ASSERT_NE(out.find("Texture", plan.texture), nullptr);
    EXPECT_EQ(out.find("Texture", plan.texture)->filename, plan.file);
    EXPECT_NE(out.find("Texture", "txBg0"), nullptr) << "a texture off the sheet stays";
    for (const SheetPiece& p : layout.pictures) {
        const ResEntry* e = out.find(p.name == "spark" ? "Animation" : "Sprite", p.name);
        ASSERT_NE(e, nullptr);
        EXPECT_EQ(e->texture, plan.texture);
        EXPECT_EQ(e->rect[0], p.x);
        EXPECT_EQ(e->rect[1], p.y);
        EXPECT_EQ(e->rect[2], p.name == "spark" ? 8 : 24);
    }
    EXPECT_NE(moved.find("; brick"), std::string::npos);
    EXPECT_EQ(out.find("Animation", "spark")->frames, 4);
}

TEST(GeneratorParts, VehicleReaderTakesSizesAndRejectsBrokenFiles) {
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "kvb_vehicle_reader";
    std::filesystem::create_directories(dir);
    std::string good;
    for (int v = 0; v < VEHICLE_COUNT; ++v)
        good += "Name " + std::to_string(v) +
                "\nA description.\nspeed 1 shotSpeed 2 power 3 rof 0.3 armor 1 excel 2 "
                "heart 3 fuel 4\nred 30 green 30 blue 40\nsize " +
                std::to_string(40 + v) +
                " 50\nshotSize 7 5\n"
                "shotQty 1\npowerEx 0\nposInBMP 0 0\n";
    std::ofstream(dir / "good.paq") << good;
    std::ofstream(dir / "bad.paq") << good.substr(0, good.size() / 2) << "size big 50\n";
    std::array<VehicleLook, VEHICLE_COUNT> looks{};
    std::string why;
    ASSERT_TRUE(readVehicleLooks((dir / "good.paq").string(), looks, why)) << why;
    EXPECT_EQ(looks[7].width, 47);
    EXPECT_EQ(looks[7].height, 50);
    EXPECT_DOUBLE_EQ(looks[0].shotWidth, 7.0);
    std::array<VehicleLook, VEHICLE_COUNT> kept{};
    EXPECT_FALSE(readVehicleLooks((dir / "bad.paq").string(), kept, why));
    EXPECT_EQ(kept[0].width, VehicleLook{}.width);  // all-or-nothing: the fallback stays
    EXPECT_FALSE(readVehicleLooks((dir / "none.paq").string(), kept, why));
    std::filesystem::remove_all(dir);
}

TEST(GeneratorParts, SynthesisedSoundsAreLevelledAndStartAndEndSilent) {
    Signal loud(22050, 0.5), quiet(22050, 0.5);
    Tone t;
    t.wave = Wave::SQUARE;
    t.length = 0.5;
    t.release = 0.0;
    loud.add(t);
    t.volume = 0.05;
    quiet.add(t);
    loud.normalise(0.2);
    quiet.normalise(0.2);
    EXPECT_NEAR(loud.data()[5000], quiet.data()[5000], 1e-4);  // one loudness for both
    loud.fadeEdges(0.002, 0.01);
    EXPECT_EQ(loud.data().front(), 0.0f);
    EXPECT_NEAR(loud.data().back(), 0.0f, 0.01f);
    for (float s : loud.data()) ASSERT_LE(std::fabs(s), 0.97f);
    const std::string wav = loud.wav();
    EXPECT_EQ(wav.substr(0, 4), "RIFF");
    EXPECT_EQ(wav.size(), 44 + loud.data().size() * 2);
    EXPECT_EQ(le16(wav, 22), 1u);   // mono
    EXPECT_EQ(le16(wav, 34), 16u);  // 16-bit
}

TEST(GeneratorParts, ModulesHaveOnePatternPer64RowsAndLoopFromTheStart) {
    Song song;
    ASSERT_TRUE(composeSong("creditsMUS", song));
    EXPECT_FALSE(composeSong("noSuchTuneMUS", song));
    ASSERT_TRUE(composeSong("creditsMUS", song));
    for (const auto& voice : song.voices)
        for (const SongNote& n : voice) {
            ASSERT_GE(n.row, 0);
            ASSERT_LT(n.row, song.rows);
            ASSERT_GT(n.length, 0);
        }
    const std::string xm = writeModule(song, "creditsMUS");
    ASSERT_GT(xm.size(), 336u);
    EXPECT_EQ(xm.substr(0, 17), "Extended Module: ");
    EXPECT_EQ(le16(xm, 58), 0x0104u);
    EXPECT_EQ(le16(xm, 64), unsigned(song.rows / 64));  // song length
    EXPECT_EQ(le16(xm, 66), 0u);                        // restart at the first pattern
    EXPECT_EQ(le16(xm, 68), unsigned(MODULE_CHANNELS)); // channels
    EXPECT_EQ(le16(xm, 70), unsigned(song.rows / 64));  // patterns
    EXPECT_EQ(le16(xm, 72), unsigned(MODULE_CHANNELS)); // instruments
    EXPECT_EQ(le16(xm, 78), unsigned(song.bpm));
}

TEST(GeneratorParts, ZipReaderReadsBackStoredAndDeflatedEntriesAndRejectsDamage) {
    ZipWriter writer;
    const std::string repeated(5000, 'k');
    writer.add("a/deflated.txt", repeated);
    writer.add("b.bin", std::string("\x01\x02\x03", 3), false);
    const std::string archive = writer.finish();
    ZipIndex zip;
    ASSERT_TRUE(zip.open(archive));
    EXPECT_EQ(zip.names(), (std::set<std::string>{"a/deflated.txt", "b.bin"}));
    std::string out;
    ASSERT_TRUE(zip.read("a/deflated.txt", out));
    EXPECT_EQ(out, repeated);
    ASSERT_TRUE(zip.read("b.bin", out));
    EXPECT_EQ(out, std::string("\x01\x02\x03", 3));
    EXPECT_FALSE(zip.read("missing", out));
    const std::string cut = archive.substr(0, archive.size() - 30);
    ZipIndex broken;
    EXPECT_FALSE(broken.open(cut));
}
