// Every shipped text, measured in the real fonts of the built pack, fits the box its
// screen gives it: the wrapped texts through fitTextInRect, exactly as drawTextInRect
// draws them (a smaller scale is allowed, a cut is not), and the one-line texts (card
// names, credits) within their width.
#include <set>
#include <sstream>

#include "draw_fixture.h"
#include "screens/card_drawing.h"
#include "screens/drawing.h"
#include "screens/menu.h"
#include "screens/text_places.h"
#include "screens/tutorial.h"

namespace {

class TextFitTest : public DrawTest {
protected:
    void SetUp() override {
        DrawTest::SetUp();
        // A match sets the battle's boxes, the tutorial's among them.
        startMatch(0);
    }

    // Notes `text` when it does not fit `box` even at the smallest scale.
    void check(const std::string& what, const char* boxName, hgeRect box, const std::string& text, hgeFont* font,
               float scale = 1) {
        ++checked;
        setFontStyle(font, scale, 0xFFFFFFFF);
        const TextFit fit = fitTextInRect(box, text.c_str(), font);
        EXPECT_EQ(font->GetScale(), scale) << "the font keeps its scale";
        if (!fit.fits)
            misfits << "\n  " << what << " in " << boxName << " (" << box.x1 << "," << box.y1 << ")-(" << box.x2 << ","
                    << box.y2 << "), cut even at scale " << fit.scale << ": \"" << text << "\"";
        setFontStyle(font, 1, 0xFFFFFFFF);
    }
    void checkLine(const std::string& what, float width, const std::string& text, hgeFont* font, float scale) {
        ++checked;
        font->SetScale(scale);
        const float w = font->GetStringWidth(text.c_str());
        font->SetScale(1);
        if (w > width) misfits << "\n  " << what << " is " << w << " px wide, over " << width << ": \"" << text << "\"";
    }

    int checked = 0;
    std::ostringstream misfits;
};

TEST_F(TextFitTest, EveryShippedTextFitsTheBoxItsScreenGivesIt) {
    const hgeRect vehDescBox = textPanelInside(VEHDESCPANEL);
    const hgeRect statBox = textPanelInside(VEHSTATDESCPANEL);
    const hgeRect upgradeBox = textPanelInside(UPGRADEDESCPANEL);
    for (int v = 0; v < MAXVEHICLES; ++v) {
        check("vehicle " + std::to_string(v), "VEHDESCPANEL", vehDescBox, vehDesc[v], fontArial);
        check("weapon of vehicle " + std::to_string(v), "VEHSTATDESCPANEL", statBox, wpnDesc[v], font1,
              STATDESCSCALE);
    }
    for (int k = 0; k < MAXSTATDESC; ++k) {
        check("stat " + std::to_string(k), "VEHSTATDESCPANEL", statBox, statDesc[k], font1, STATDESCSCALE);
        check("stat " + std::to_string(k), "UPGRADEDESCPANEL", upgradeBox, statDesc[k], font1, STATDESCSCALE);
    }
    check("the stat hint", "VEHSTATDESCPANEL", statBox, STATDESCHINT, font1, STATDESCSCALE);
    check("the stat hint", "UPGRADEDESCPANEL", upgradeBox, STATDESCHINT, font1, STATDESCSCALE);

    for (int d = 0; d < MAXDECKS; ++d) {
        check("deck " + std::to_string(d), "DECKDESCPANEL", textPanelInside(DECKDESCPANEL), deckDesc[d], fontArial);
        check("name of deck " + std::to_string(d), "DECKNAMEPOS", DECKNAMEPOS, deckName[d], fontSmall2);
    }
    const hgeRect oppBox = placeIn(OPPDESCPOS, OPPINFOPANEL);
    for (int o = 0; o < MAXOPPONENTS; ++o)
        check("opponent " + std::to_string(o), "OPPDESCPOS", oppBox, oppDesc[o], fontSmall2);
    check("the EX mission", "OPPDESCPOS", oppBox, EXMISSIONDESC, fontSmall2);
    check("the score option", "OPTSCORELABEL", OPTSCORELABEL, OPTSCORETEXT, fontSmall2);
    // The misc panel's one-line labels end before the next column, or the panel's edge.
    const float leftColumn = OPTFLASHBOX.x1 - 8 - (OPTSYNCBOX.x2 + 8);
    const float rightColumn = OPTMISCPANEL.x2 - 6 - (OPTPIXELBOX.x2 + 8);
    checkLine("the sync option", leftColumn, OPTSYNCTEXT, fontSmall2, 1);
    checkLine("the pixel-exact option", rightColumn, OPTPIXELTEXT, fontSmall2, 1);
    checkLine("the flashing option", rightColumn, OPTFLASHTEXT, fontSmall2, 1);
    checkLine("the focus option", OPTMISCPANEL.x2 - 6 - (OPTFOCUSBOX.x2 + 8), OPTFOCUSTEXT, fontSmall2, 1);

    int cards = 0;
    for (int id = 1; id < MAXCARDS; ++id) {
        const Card& card = crd[id];
        if (card.name.empty()) continue;
        ++cards;
        check("card " + std::to_string(id) + " " + card.name, "CARDTEXTPOS", CARDTEXTPOS, card.text, fontSmall2);
    }
    EXPECT_EQ(cards, 344);

    std::set<std::string> hints;
    for (int opp = 0; opp <= MAXOPPONENTS; ++opp)
        for (int round = 0; round < 10; ++round)
            for (int clock = 0; clock <= 700; ++clock)
                if (std::string hint; tutorialHint(opp, round, float(clock), hint)) hints.insert(hint);
    EXPECT_GT(hints.size(), 40u);
    for (const std::string& hint : hints) check("tutorial hint", "the hint box", tutorialTextBox(), hint, fontSmall2);

    ASSERT_GT(creditLines, 0);
    EXPECT_LE(CREDITSLINESTEP * float(creditLines), CREDITSBOX.y2 - CREDITSBOX.y1) << "credits run off the page";
    for (int i = 0; i < creditLines; ++i) {
        checkLine("credit line " + std::to_string(i + 1), CREDITSBOX.x2 - CREDITSBOX.x1, credits[i], fontSmall2, 1);
        checkLine("ending's credit line " + std::to_string(i + 1), ENDCREDITWIDTH, credits[i], font1, ENDCREDITSCALE);
    }

    EXPECT_GT(checked, 400);
    EXPECT_TRUE(misfits.str().empty()) << "texts that do not fit their box:" << misfits.str();
}

// A card face writes the name shrunk to fit its strip: drawn as the screens draw it, no
// shipped name passes the strip's right edge.
TEST_F(TextFitTest, EveryCardNameStaysInsideItsStrip) {
    const hgeRect at(0, 0, 90, 120);
    std::ostringstream misfits;
    for (int id = 1; id < MAXCARDS; ++id) {
        const Card& card = crd[id];
        if (card.name.empty()) continue;
        texts().clear();
        drawCard(at, id, 255);
        const DrawnText* name = findText(card.name);
        ASSERT_NE(name, nullptr) << id;
        fontSmall2->SetScale(name->scale);
        const float right = name->x + fontSmall2->GetStringWidth(card.name.c_str());
        fontSmall2->SetScale(1);
        if (right > placeIn(CARDNAMEPOS, at).x2)
            misfits << "\n  card " << id << " \"" << card.name << "\" ends at " << right << " at scale " << name->scale;
    }
    EXPECT_TRUE(misfits.str().empty()) << "names that pass their strip:" << misfits.str();
}

}  // namespace
