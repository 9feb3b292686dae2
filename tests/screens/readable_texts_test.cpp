// The texts a player reads: each stands out 4.5:1 from what is drawn behind it, empty slots
// and a continue without saves say so, no known typo ships, the instructions name the
// player's own keys, and the ending shows its picture under its timed lines.
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cards/conditions.h"
#include "screens/confirm_exit.h"
#include "screens/drawing.h"
#include "screens/ending.h"
#include "screens/load_screen.h"
#include "screens/pause_screen.h"
#include "screens/selection.h"
#include "screens/title.h"
#include "shell/modes.h"
#include "tests/screens/menu_fixture.h"
#include "tests/support/contrast_ratio.h"
#include "toolkit/hgesprite.h"

namespace {

using contrast_ratio::contrast;
using contrast_ratio::luminance;
using contrast_ratio::Rgb;
using contrast_ratio::rgbOf;

class ReadableTextsTest : public MenuTest {
protected:
    // The colour behind (x, y) from the quads drawn before the text. Untextured and blank
    // quads count as their own colour; a picture counts as white behind light text and black
    // behind dark text, the worst any picture can be; texts drawn earlier are not background.
    Rgb behind(float x, float y, std::size_t quadsBefore, bool lightText) const {
        Rgb out{0, 0, 0};
        for (std::size_t i = 0; i < quadsBefore; ++i) {
            const hgeQuad& q = quads()[i];
            if (isFontTexture(q.tex)) continue;
            float x1 = q.v[0].x, x2 = q.v[0].x, y1 = q.v[0].y, y2 = q.v[0].y;
            for (const hgeVertex& v : q.v) {
                x1 = std::min(x1, v.x), x2 = std::max(x2, v.x), y1 = std::min(y1, v.y), y2 = std::max(y2, v.y);
            }
            if (x < x1 || x >= x2 || y < y1 || y >= y2) continue;
            const bool plain = q.tex == 0 || (blankSpr && q.tex == blankSpr->GetTexture());
            const double texel = plain || lightText ? 1 : 0;
            const Rgb tint = rgbOf(q.v[0].col);
            const double a = GETA(q.v[0].col) / 255.0;
            const Rgb src{tint.r * texel, tint.g * texel, tint.b * texel};
            if (q.blend & BLEND_ALPHABLEND)
                out = {src.r * a + out.r * (1 - a), src.g * a + out.g * (1 - a), src.b * a + out.b * (1 - a)};
            else
                out = {std::min(1.0, out.r + src.r * a), std::min(1.0, out.g + src.g * a), std::min(1.0, out.b + src.b * a)};
        }
        return out;
    }
    static bool isFontTexture(HTEXTURE tex) {
        for (const hgeFont* f : {font1, fontSmall2, fontArial})
            if (f && f->GetSprite('A') && f->GetSprite('A')->GetTexture() == tex) return true;
        return false;
    }
    // The lowest contrast of the text's colour over its box, sampled every 2 pixels.
    double worstContrast(const DrawnText& t) const {
        hgeFont* font = const_cast<hgeFont*>(t.font);
        const float oldScale = font->GetScale();
        font->SetScale(t.scale);
        const std::string firstLine = t.text.substr(0, t.text.find('\n'));
        const float w = font->GetStringWidth(firstLine.c_str());
        const float h = font->GetHeight() * t.scale * (1 + std::count(t.text.begin(), t.text.end(), '\n'));
        font->SetScale(oldScale);
        const Rgb ink = rgbOf(t.color);
        const bool light = luminance(ink) > 0.18;
        double worst = 100;
        for (float y = t.y + 1; y < t.y + h - 1; y += 2)
            for (float x = t.x + 1; x < t.x + w - 1; x += 2)
                worst = std::min(worst, contrast(ink, behind(x, y, t.quadsBefore, light)));
        return worst;
    }
    // Index of the last quad over the whole screen: the screen's picture or its shade.
    std::size_t screenStart() const {
        std::size_t start = 0;
        for (std::size_t i = 0; i < quads().size(); ++i)
            if (quads()[i].v[0].x <= 0 && quads()[i].v[0].y <= 0 && quads()[i].v[2].x >= SCREEN_WIDTH &&
                quads()[i].v[2].y >= SCREEN_HEIGHT)
                start = i;
        return start;
    }
    // Every text the screen writes over its picture or shade reaches 4.5:1; texts of the
    // battle under a dialog are the battle's.
    void expectAllReadable(const char* scene) {
        look();
        ASSERT_FALSE(texts().empty()) << scene;
        const std::size_t start = screenStart();
        for (const DrawnText& t : texts()) {
            if (t.quadsBefore <= start) continue;
            EXPECT_GE(worstContrast(t), 4.5) << scene << ": \"" << t.text << "\" colour " << std::hex << t.color;
        }
    }

    void openEnding(int quest) {
        pl[0].questNum = quest;
        initEnding();
    }
};

TEST_F(ReadableTextsTest, LoadScreenSlotsReachContrastAndEmptySlotsSayEmpty) {
    writeSave(0, 3, 7, 120, "1000000", 1, 987654);
    writeSave(1, 2, 4, 60, "1111111", 1);
    writeSave(2, 5, 10, 80, "0000000", 2);
    writeSave(3, 5, 10, 80, "1100000", 2);
    writeFile("save4.kvb", "2\n1\n50\n1\n");
    for (bool forNew : {true, false}) {
        newGame = forNew;
        initLoadScreen();
        frame();
        expectAllReadable(forNew ? "new game" : "continue");
        int empties = 0;
        for (const DrawnText& t : texts()) empties += t.text == "Empty";
        EXPECT_EQ(empties, 5) << "slots 5 to 9 are empty";
        EXPECT_NE(findText("defeated 1 opponent"), nullptr) << "one beaten opponent is singular";
        EXPECT_NE(findText("defeated 7 opponents"), nullptr);
    }
}

TEST_F(ReadableTextsTest, DialogsOverTheBattleReachContrast) {
    startMatch(3);
    quietField();
    frame();
    for (int kind : {CF_QUITMATCH, CF_QUITGAME}) {
        pl[0].misc[M_CONFIRM] = static_cast<float>(kind);
        initConfirmExit();
        expectAllReadable("confirm, No chosen");
        selected = 1;
        expectAllReadable("confirm, Yes chosen");
    }
    initPauseScreen();
    for (int i = 0; i < 4; ++i) {
        selected = i;
        expectAllReadable("pause");
    }
    // With both sides' conditions and passives spelled out beside the buttons.
    for (int side = 0; side < 2; ++side) {
        receiveCond(side, C_TOXI, 2);
        receiveCond(side, C_ROXY, 3);
        receivePassive(side, P_XRAY);
        receivePassive(side, P_FREQ);
        receivePassive(side, P_3XEN);
    }
    expectAllReadable("pause with conditions and passives");
    EXPECT_TRUE(anyTextContains("Poison"));
    EXPECT_FALSE(anyTextContains("Pacing"));
    EXPECT_FALSE(anyTextContains("iteration"));
}

TEST_F(ReadableTextsTest, ContinueWithoutSavesSaysSoAndStaysOnTheTitle) {
    initTitleScreen();
    xparency = 255;
    engine->moveMouse(700, 100);
    frame();
    selected = 1;
    press(vk::ENTER);
    EXPECT_EQ(gameMode, MODE_TITLE);
    look();
    ASSERT_NE(findText("No saved games yet."), nullptr);
    EXPECT_GE(worstContrast(*findText("No saved games yet.")), 4.5);
    EXPECT_EQ(uiSprite("hgeLogo"), nullptr) << "the title carries no borrowed badge";
    waitSeconds(3);
    look();
    EXPECT_EQ(findText("No saved games yet."), nullptr) << "the note goes after a while";
}

TEST_F(ReadableTextsTest, AGreyedDeleteSaysWhyAndReachesContrast) {
    startMatch(0);
    pl[0].deckSize = 100;
    initViewDeckScreen();
    frame();
    look();
    const DrawnText* reason = findText("a deck keeps at least 100");
    ASSERT_NE(reason, nullptr);
    EXPECT_GE(worstContrast(*reason), 4.5);
    pl[0].deckSize = 101;
    look();
    EXPECT_EQ(findText("a deck keeps at least 100"), nullptr) << "a card can go: no reason shown";
}

TEST_F(ReadableTextsTest, TheDeckSelectionsCoinCapacitiesReachContrast) {
    initSelectDeckScreen();
    for (int deck : {0, 4, 10}) {
        selectedDeck = deck;
        frame();
        look();
        int notes = 0;
        for (const DrawnText& t : texts())
            if (t.text.rfind("red: ", 0) == 0 || t.text.rfind("green: ", 0) == 0 || t.text.rfind("blue: ", 0) == 0) {
                ++notes;
                EXPECT_GE(worstContrast(t), 4.5) << deck << ": " << t.text;
            }
        EXPECT_EQ(notes, 3) << deck;
    }
}

TEST_F(ReadableTextsTest, InstructionsNameTheKeysThePlayerSet) {
    pl[0].opt[OPT_KEYFIRE] = 'J';
    pl[0].opt[OPT_KEYDISCARD] = 'K';
    pl[0].misc[M_INST] = CF_TITLE;
    gameMode = MODE_INST;
    expectAllReadable("instructions");
    const std::string fire = hge->Input_GetKeyName('J'), discard = hge->Input_GetKeyName('K');
    EXPECT_NE(findText(fire + " or left click"), nullptr);
    EXPECT_NE(findText(discard + " or middle click"), nullptr);
    EXPECT_EQ(findText("Space or left click"), nullptr) << "the default key is not shown once rebound";
}

TEST_F(ReadableTextsTest, EndingShowsItsPictureUnderTheTimedLines) {
    hgeSprite* picture = uiSprite("endingBG");
    ASSERT_NE(picture, nullptr);
    for (int quest : {1, 2}) {
        openEnding(quest);
        progress = 14.9f;
        look();
        EXPECT_EQ(findText("Congratulations, Divodi Ops dominates once again."), nullptr);
        progress = 15.1f;
        look();
        ASSERT_FALSE(quads().empty());
        EXPECT_EQ(quads()[0].tex, picture->GetTexture()) << "the picture is drawn first";
        EXPECT_EQ(quads()[0].v[2].x - quads()[0].v[0].x, SCREEN_WIDTH);
        const char* second = quest == 1 ? "Congratulations, Divodi Ops dominates once again."
                                        : "Divodi Ops will forever be remembered!";
        ASSERT_NE(findText(second), nullptr) << quest;
        EXPECT_EQ(findText("Now try 2nd Quest!"), nullptr);
        progress = 45.1f;
        look();
        EXPECT_EQ(findText("Now try 2nd Quest!") != nullptr, quest == 1);
        EXPECT_EQ(findText("press Enter/click to see more info and credits"), nullptr);
        progress = 75.1f;
        expectAllReadable(quest == 1 ? "ending, first quest" : "ending, second quest");
        ASSERT_NE(findText("press Enter/click to see more info and credits"), nullptr);
        for (const DrawnText& t : texts()) EXPECT_GT(t.quadsBefore, 0u) << "\"" << t.text << "\" stands on the picture";
    }
    press(vk::ENTER);
    EXPECT_EQ(pl[0].misc[M_ENDINGMODE], 1);
    waitSeconds(6);
    expectAllReadable("ending's roll");
    EXPECT_EQ(quads()[0].tex, picture->GetTexture()) << "the roll scrolls over the same picture";
}

// Phrases once shipped wrongly; none may come back in the data or in what the screens write.
TEST(ShippedTexts, NoKnownTypoIsShipped) {
    const char* typos[] = {"themseleves",  "heart display current fuel", "opponents side", "usage time the card",
                           "total of 1 opponents", "Divodi ops", "2ary", "3ary", "Shot size iteration", "Shot qty",
                           "Pacing:", "powered by"};
    const std::filesystem::path data = sourceDataDir();
    ASSERT_FALSE(data.empty());
    int files = 0;
    for (const auto& folder : {data, data.parent_path() / "screens", data.parent_path() / "assets"})
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            if (!entry.is_regular_file()) continue;
            std::ifstream in(entry.path(), std::ios::binary);
            std::stringstream text;
            text << in.rdbuf();
            ++files;
            for (const char* typo : typos)
                EXPECT_EQ(text.str().find(typo), std::string::npos) << typo << " in " << entry.path().filename();
        }
    EXPECT_GT(files, 20);
}

}  // namespace
