#include <string>

#include "tests/toolkit/toolkit_test.h"
#include "toolkit/hgefont.h"

class FontTest : public ToolkitTest {
protected:
    // A 32 by 16 texture in fonts/: '?' 6 wide, '@' skipped, 'A' and 'B' 10 wide, 'C'
    // skipped, 'D' 15 wide (too wide for the rest of the first row).
    void SetUp() override {
        ToolkitTest::SetUp();
        writePng("fonts/small.png", 32, 16);
        writeFile("fonts/small.fnt", "small.png 8\n-63 6 -1 10 10\n-1 15\n");
    }

    static float left(const hgeQuad& q) { return q.v[0].x; }
    static float width(const hgeQuad& q) { return q.v[1].x - q.v[0].x; }
};

TEST_F(FontTest, GlyphsAreCutInRowsFromTheTextureNextToTheFontFile) {
    hgeFont font("fonts/small.fnt");
    EXPECT_FLOAT_EQ(font.GetHeight(), 8);
    const struct {
        unsigned char ch;
        float x, y, w;
    } expected[] = {{'?', 0, 0, 6}, {'A', 6, 0, 10}, {'B', 16, 0, 10}, {'D', 0, 8, 15}};
    for (const auto& e : expected) {
        hgeSprite* glyph = font.GetSprite(e.ch);
        ASSERT_NE(glyph, nullptr);
        float x, y, w, h;
        glyph->GetTextureRect(&x, &y, &w, &h);
        EXPECT_FLOAT_EQ(x, e.x) << e.ch;
        EXPECT_FLOAT_EQ(y, e.y) << e.ch;
        EXPECT_FLOAT_EQ(w, e.w) << e.ch;
        EXPECT_FLOAT_EQ(h, 8) << e.ch;
    }
}

TEST_F(FontTest, AFontOnASharedSheetIsCutFromItsBlockAndFindsTheSheetUpAFolder) {
    writePng("gfx/sheet.png", 64, 64);
    writeFile("fonts/shared.fnt", "../gfx/sheet.png at 20 30 25 8\n-63 6 -1 10 10\n");
    hgeFont font("fonts/shared.fnt");
    const struct {
        unsigned char ch;
        float x, y;
    } expected[] = {{'?', 20, 30}, {'A', 26, 30}, {'B', 20, 38}};  // B would pass the block's edge at 45
    for (const auto& e : expected) {
        hgeSprite* glyph = font.GetSprite(e.ch);
        ASSERT_NE(glyph, nullptr) << e.ch;
        float x, y, w, h;
        glyph->GetTextureRect(&x, &y, &w, &h);
        EXPECT_FLOAT_EQ(x, e.x) << e.ch;
        EXPECT_FLOAT_EQ(y, e.y) << e.ch;
    }
    writeFile("fonts/broken.fnt", "../gfx/sheet.png at 20 x 26 8\n-63 6\n");
    hgeFont broken("fonts/broken.fnt");
    EXPECT_EQ(broken.GetSprite('?'), nullptr);
    EXPECT_TRUE(logContains("three whole numbers"));
}

TEST_F(FontTest, SkippedCodesDrawAsQuestionMark) {
    hgeFont font("fonts/small.fnt");
    EXPECT_EQ(font.GetSprite('C'), font.GetSprite('?'));
    EXPECT_EQ(font.GetSprite('@'), font.GetSprite('?'));
    auto quads = drawn([&] { font.Render(100, 20, "ACB"); });
    ASSERT_EQ(quads.size(), 3u);
    EXPECT_FLOAT_EQ(left(quads[0]), 100);
    EXPECT_FLOAT_EQ(width(quads[1]), 6);
    EXPECT_FLOAT_EQ(left(quads[2]), 116);
    EXPECT_FLOAT_EQ(font.GetStringWidth("ACB"), 26);
}

TEST_F(FontTest, BytesWithoutGlyphAreSkippedWhenThereIsNoQuestionMark) {
    writeFile("fonts/bare.fnt", "small.png 8 -65 10");
    hgeFont font("fonts/bare.fnt");
    auto quads = drawn([&] { font.Render(0, 0, "AzA"); });
    ASSERT_EQ(quads.size(), 2u);
    EXPECT_FLOAT_EQ(left(quads[1]), 10);
}

TEST_F(FontTest, LinesAreAlignedOneByOne) {
    hgeFont font("fonts/small.fnt");
    font.SetScale(2);
    font.SetTracking(1);
    EXPECT_FLOAT_EQ(font.GetStringWidth("AB\nDDD"), 44);
    auto right = drawn([&] { font.Render(200, 10, "AB\nD", HGETEXT_RIGHT); });
    ASSERT_EQ(right.size(), 3u);
    EXPECT_FLOAT_EQ(left(right[0]), 156);
    EXPECT_FLOAT_EQ(left(right[2]), 168);
    EXPECT_FLOAT_EQ(right[2].v[0].y, 26);
    EXPECT_FLOAT_EQ(width(right[2]), 30);
    auto centred = drawn([&] { font.Render(200, 10, "AB\nD", HGETEXT_CENTER); });
    EXPECT_FLOAT_EQ(left(centred[0]), 178);
    EXPECT_FLOAT_EQ(left(centred[2]), 184);
}

TEST_F(FontTest, SettingsReachEveryGlyph) {
    hgeFont font("fonts/small.fnt");
    font.SetColor(0x80102030);
    font.SetZ(0.1f);
    font.SetBlendMode(BLEND_COLORADD | BLEND_ALPHABLEND);
    auto quads = drawn([&] { font.Render(0, 0, "AD"); });
    for (const hgeQuad& q : quads) {
        EXPECT_EQ(q.v[3].col, 0x80102030u);
        EXPECT_FLOAT_EQ(q.v[1].z, 0.1f);
        EXPECT_EQ(q.blend, BLEND_COLORADD | BLEND_ALPHABLEND);
    }
}

TEST_F(FontTest, PrintfCutsLongTextAtItsBuffer) {
    hgeFont font("fonts/small.fnt");
    std::string longText(1000, 'A');
    auto quads = drawn([&] { font.printf(0, 0, "%s%d", longText.c_str(), 42); });
    EXPECT_EQ(quads.size(), 255u);
    quads = drawn([&] { font.printf(5, 0, "%c%c", 'A', 'B'); });
    ASSERT_EQ(quads.size(), 2u);
    EXPECT_FLOAT_EQ(left(quads[1]), 15);
}

TEST_F(FontTest, MissingOrMalformedFilesGiveAFontWithoutGlyphs) {
    hgeFont missing("fonts/none.fnt");
    EXPECT_TRUE(logContains("Font file 'fonts/none.fnt' not found."));
    writeFile("fonts/notex.fnt", "gone.png 8 10 10");
    hgeFont noTexture("fonts/notex.fnt");
    EXPECT_TRUE(logContains("texture 'fonts/gone.png' not found"));
    writeFile("fonts/junk.fnt", "small.png eight");
    hgeFont junk("fonts/junk.fnt");
    EXPECT_TRUE(logContains("Font file 'fonts/junk.fnt' has no texture name and glyph height."));
    for (hgeFont* font : {&missing, &noTexture, &junk}) {
        EXPECT_EQ(font->GetSprite('A'), nullptr);
        EXPECT_TRUE(drawn([&] { font->Render(0, 0, "AB"); }).empty());
        EXPECT_FLOAT_EQ(font->GetStringWidth("AB"), 0);
    }
}

TEST_F(FontTest, HugeSkipsAndABadWidthStopReadingSafely) {
    writeFile("fonts/odd.fnt", "small.png 8 4 -9223372036854775808 5");
    hgeFont odd("fonts/odd.fnt");
    EXPECT_NE(odd.GetSprite(0), nullptr);
    writeFile("fonts/bad.fnt", "small.png 8 -65 3 x 4");
    hgeFont bad("fonts/bad.fnt");
    EXPECT_NE(bad.GetSprite('A'), nullptr);
    EXPECT_EQ(bad.GetSprite('B'), nullptr);
    EXPECT_TRUE(logContains("'x' is not a glyph width"));
}
