// The drawing helpers every screen uses: aligned text, the word wrap (an over-long word
// included) that shrinks a text to fit its box, and the card face.
#include "cards/hand.h"
#include "draw_fixture.h"
#include "screens/card_drawing.h"
#include "screens/drawing.h"

namespace {

class DrawingTest : public DrawTest {
protected:
    void SetUp() override {
        DrawTest::SetUp();
        startMatch(0);
        texts().clear();
    }
    static float width(const std::string& text) { return fontSmall2->GetStringWidth(text.c_str()); }
};

std::string joinWords(const std::vector<std::string>& lines) {
    std::string all;
    for (const std::string& line : lines) all += (all.empty() ? "" : " ") + line;
    return all;
}

TEST_F(DrawingTest, DrawTextAlignsLeftOrCentreOnWholePixelsAndOtherwiseDrawsNothing) {
    DrawTextA(font1, 10.7f, 20.9f, "Left", 0, 1, 0xFF00FF00);
    ASSERT_EQ(texts().size(), 1u);
    EXPECT_EQ(texts()[0].x, 10);
    EXPECT_EQ(texts()[0].y, 20);
    EXPECT_EQ(texts()[0].color, 0xFF00FF00u);

    DrawTextA(font1, 400, 300, "Centred", 1, 2, 0xFFFFFFFF);
    const float w = font1->GetStringWidth("Centred");
    EXPECT_EQ(texts()[1].x, float(int(400 - w / 2)));
    EXPECT_EQ(texts()[1].y, float(int(300 - font1->GetHeight())));
    EXPECT_EQ(font1->GetScale(), 2) << "the font keeps the scale it was given";

    texts().clear();
    const std::size_t before = engine->recordedQuads().size();
    DrawTextA(font1, 400, 300, "Never", 2, 1, 0xFFFFFFFF);
    EXPECT_TRUE(texts().empty());
    EXPECT_EQ(engine->recordedQuads().size(), before);
}

TEST_F(DrawingTest, TextInARectangleWrapsAtWordsAndNewlines) {
    const std::string text = "the quick brown fox jumps over the lazy dog and runs far away into the hills";
    drawTextInRect(hgeRect(20, 40, 100, 300), text.c_str(), fontSmall2);
    ASSERT_GE(texts().size(), 3u);
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < texts().size(); ++i) {
        const DrawnText& t = texts()[i];
        lines.push_back(t.text);
        EXPECT_EQ(t.x, 20);
        EXPECT_EQ(t.y, 40 + i * fontSmall2->GetHeight());
        EXPECT_LE(width(t.text), 80) << t.text;
        if (i + 1 < texts().size()) {
            const std::string nextWord = texts()[i + 1].text.substr(0, texts()[i + 1].text.find(' '));
            EXPECT_GT(width(t.text + " " + nextWord), 80) << "the line could have taken the next word";
        }
    }
    EXPECT_EQ(joinWords(lines), text);

    texts().clear();
    drawTextInRect(hgeRect(0, 0, 400, 100), "one\ntwo three", fontSmall2);
    ASSERT_EQ(texts().size(), 2u);
    EXPECT_EQ(texts()[0].text, "one");
    EXPECT_EQ(texts()[1].text, "two three");
}

TEST_F(DrawingTest, ATextTooTallForItsBoxIsDrawnSmallerWithEveryWord) {
    const std::string text = "the quick brown fox jumps over the lazy dog and runs far away into the hills";
    const hgeRect box(20, 40, 100, 40 + 4 * fontSmall2->GetHeight());
    setFontStyle(fontSmall2, 1, 0xFFFFFFFF);
    drawTextInRect(box, text.c_str(), fontSmall2);
    ASSERT_FALSE(texts().empty());
    const float scale = texts()[0].scale;
    EXPECT_LT(scale, 1);
    EXPECT_GE(scale, 0.6f);
    std::vector<std::string> lines;
    for (const DrawnText& t : texts()) {
        lines.push_back(t.text);
        EXPECT_EQ(t.scale, scale);
        EXPECT_LE(width(t.text) * scale, 80.01f) << t.text;
        EXPECT_LE(t.y + fontSmall2->GetHeight() * scale, box.y2 + 0.5f) << t.text;
    }
    EXPECT_EQ(joinWords(lines), text);
    EXPECT_EQ(fontSmall2->GetScale(), 1) << "the shared font is back at its own scale";

    // The floor is 0.6 of the scale the font had: a font set to 0.75 goes no lower than 0.45.
    fontSmall2->SetScale(0.75f);
    const TextFit fit = fitTextInRect(hgeRect(0, 0, 80, 1), text.c_str(), fontSmall2);
    EXPECT_FALSE(fit.fits);
    EXPECT_NEAR(fit.scale, 0.45f, 1e-4f);
    EXPECT_EQ(fontSmall2->GetScale(), 0.75f);
    fontSmall2->SetScale(1);
}

TEST_F(DrawingTest, AWordTooWideEvenAtTheSmallestScaleStandsAloneCutAndIsLoggedOnce) {
    const hgeRect narrow(0, 0, 40, 200);
    const char* text = "a Supercalifragilisticexpialidocious word";
    drawTextInRect(narrow, text, fontSmall2);
    drawTextInRect(narrow, text, fontSmall2);
    ASSERT_EQ(texts().size(), 6u);
    EXPECT_EQ(texts()[0].text, "a");
    EXPECT_NEAR(texts()[0].scale, 0.6f, 1e-4f) << "the smallest scale";
    const std::string cut = texts()[1].text;
    EXPECT_FALSE(cut.empty());
    EXPECT_EQ(std::string("Supercalifragilisticexpialidocious").rfind(cut, 0), 0u) << cut;
    EXPECT_LE(width(cut) * texts()[1].scale, 40);
    EXPECT_EQ(texts()[2].text, "word");
    int reports = 0;
    for (const std::string& line : engine->logLines())
        reports += line.find("Supercalifragilisticexpialidocious") != std::string::npos;
    EXPECT_EQ(reports, 1) << "a text drawn every frame is logged once";

    // Nothing fits: the walk still ends, one character a line at worst.
    texts().clear();
    drawTextInRect(hgeRect(0, 0, 1, 200), "ab cd", fontSmall2);
    EXPECT_EQ(texts().size(), 2u);
    texts().clear();
    drawTextInRect(hgeRect(0, 0, 40, 200), "", fontSmall2);
    drawTextInRect(hgeRect(0, 0, 40, 200), "     ", fontSmall2);
    EXPECT_EQ(fontSmall2->GetScale(), 1);
}

TEST_F(DrawingTest, ALongCardNameShrinksInStepsAndTheFontGoesBackToFullSize) {
    // The shipped names all fit, so a made-up card carries the long one.
    const int longName = MAXCARDS - 1;
    crd[longName] = crd[1];
    crd[longName].name = "Extraordinarily Lengthy Name";
    ASSERT_GT(fontSmall2->GetStringWidth(crd[longName].name.c_str()), 80);
    drawCard(hgeRect(100, 100, 190, 220), longName, 255);
    const DrawnText* name = findText(crd[longName].name);
    ASSERT_NE(name, nullptr);
    EXPECT_LT(name->scale, 1);
    EXPECT_LE(fontSmall2->GetStringWidth(crd[longName].name.c_str()) * name->scale, 80.01f);
    EXPECT_GT(fontSmall2->GetStringWidth(crd[longName].name.c_str()) * (name->scale + 0.05f), 80);
    EXPECT_EQ(name->x, 108);
    EXPECT_EQ(name->y, 104);
    EXPECT_EQ(fontSmall2->GetScale(), 1);
}

TEST_F(DrawingTest, ACardShowsItsCostsTypeAndBackAndAnEmptySlotNothing) {
    // A card paying in one colour only, one under ten.
    int id = 0;
    for (int c = 1; c < MAXCARDS && !id; ++c)
        if (crd[c].cost[C_R] > 0 && crd[c].cost[C_R] < 10 && crd[c].cost[C_G] == 0 && crd[c].cost[C_B] == 0) id = c;
    ASSERT_NE(id, 0);
    drawCard(hgeRect(200, 100, 290, 220), id, 255);
    const DrawnText* cost = findText(std::to_string(crd[id].cost[C_R]));
    ASSERT_NE(cost, nullptr);
    // The number stands in the middle of its coin-shaped mark, the red one at (4, 20)-(28, 44).
    fontCoin->SetScale(cost->scale);
    EXPECT_NEAR(cost->x + fontCoin->GetStringWidth(cost->text.c_str()) / 2, 200 + 16, 1);
    EXPECT_NEAR(cost->y + fontCoin->GetHeight() * cost->scale / 2, 100 + 32, 1);
    fontCoin->SetScale(1);
    const DrawnText* type = findText(getTypeName(crd[id].type));
    ASSERT_NE(type, nullptr);
    EXPECT_EQ(type->x, 204);
    EXPECT_EQ(type->y, 204);
    EXPECT_EQ(type->color, 0xFFD2ECF4u);
    EXPECT_EQ(quads()[0].tex, spr[1 + C_R]->GetTexture()) << "the frame of the card's colour comes first";

    texts().clear();
    const std::size_t before = quads().size();
    drawCard(hgeRect(300, 100, 390, 220), -1, 128);
    ASSERT_EQ(quads().size(), before + 1);
    EXPECT_TRUE(texts().empty());
    EXPECT_EQ(quads().back().tex, spr[9]->GetTexture());
    EXPECT_EQ(GETA(quads().back().v[0].col), 128u);
    drawCard(hgeRect(300, 100, 390, 220), 0, 255);
    EXPECT_EQ(quads().size(), before + 1);
}

}  // namespace
