// Every card's name and rules text, measured in the real game font from the built pack,
// fits the places the card face gives them. The card is drawn with `fontSmall2`: the name
// 8 pixels in from the card's left edge, shrunk in steps of 0.05 until at most 80 pixels
// wide, inside the name strip; the rules text at scale 1, word-wrapped into the text box.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cards/datafiles.h"
#include "shell/world.h"
#include "tests/assets/pack_fixture.h"
#include "tests/support/engine_test.h"
#include "toolkit/hgefont.h"
#include "toolkit/hgeresource.h"

namespace {

constexpr float NAME_STRIP_WIDTH = 82;  // CARDNAMEPOS 0,0,82,16
constexpr float NAME_LEFT = 8;
constexpr float NAME_SHRINK_LIMIT = 80;
constexpr float NAME_SHRINK_STEP = 0.05f;
constexpr float TEXT_WIDTH = 88;   // CARDTEXTPOS 1,44,89,104
constexpr float TEXT_HEIGHT = 60;

const char* const DATA_FILES[] = {"data.paq", "card.paq", "deck.paq", "credits.txt"};

// The scale the card face draws a name at.
float nameScale(hgeFont& font, const std::string& name) {
    float scale = 1;
    font.SetScale(scale);
    while (scale > NAME_SHRINK_STEP && font.GetStringWidth(name.c_str()) > NAME_SHRINK_LIMIT) {
        scale -= NAME_SHRINK_STEP;
        font.SetScale(scale);
    }
    font.SetScale(1);
    return scale;
}

struct Wrapped {
    int lines = 0;
    std::string tooWideWord;  // the first word wider than a line, if any
    float tooWideWidth = 0;
};

// Greedy wrap on blanks: each line takes words while it stays within the width.
Wrapped wrapText(const hgeFont& font, const std::string& text, float width) {
    Wrapped result;
    std::istringstream words(text);
    std::string line, word;
    while (words >> word) {
        const float wordWidth = font.GetStringWidth(word.c_str());
        if (wordWidth > width && result.tooWideWord.empty()) {
            result.tooWideWord = word;
            result.tooWideWidth = wordWidth;
        }
        const std::string joined = line.empty() ? word : line + " " + word;
        if (line.empty() || font.GetStringWidth(joined.c_str()) <= width) {
            line = joined;
            continue;
        }
        ++result.lines;
        line = word;
    }
    if (!line.empty()) ++result.lines;
    return result;
}

class CardTextFit : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        const std::filesystem::path dataDir = std::filesystem::path(KVB_VEHICLE_DATA).parent_path();
        for (const char* name : DATA_FILES) writeFile(name, readWholeFile((dataDir / name).string()));
        loadData();
        ASSERT_TRUE(hge->Resource_AttachPack(KVB_PACK_PATH)) << KVB_PACK_PATH;
    }
};

}  // namespace

TEST_F(CardTextFit, EveryNameAndRulesTextFitsTheCardFace) {
    hgeResourceManager manager("resource.res");
    hgeFont* font = manager.GetFont("fontSmall2");
    ASSERT_NE(font, nullptr);
    ASSERT_GT(font->GetHeight(), 0);
    font->SetScale(1);

    int cards = 0;
    std::ostringstream misfits;
    for (int id = 1; id < MAXCARDS; ++id) {
        const Card& card = crd[id];
        if (card.name.empty()) continue;
        ++cards;

        const float scale = nameScale(*font, card.name);
        font->SetScale(scale);
        const float nameWidth = font->GetStringWidth(card.name.c_str());
        font->SetScale(1);
        if (NAME_LEFT + nameWidth > NAME_STRIP_WIDTH)
            misfits << "\n  card " << id << " \"" << card.name << "\": name " << nameWidth << " px wide at scale "
                    << scale << ", ends at " << NAME_LEFT + nameWidth << " of " << NAME_STRIP_WIDTH;

        const Wrapped wrapped = wrapText(*font, card.text, TEXT_WIDTH);
        const float height = float(wrapped.lines) * font->GetHeight();
        if (!wrapped.tooWideWord.empty())
            misfits << "\n  card " << id << " \"" << card.name << "\": word \"" << wrapped.tooWideWord << "\" is "
                    << wrapped.tooWideWidth << " px wide, over " << TEXT_WIDTH;
        if (height > TEXT_HEIGHT)
            misfits << "\n  card " << id << " \"" << card.name << "\": text takes " << wrapped.lines << " lines, "
                    << height << " px high, over " << TEXT_HEIGHT;
    }
    EXPECT_GT(cards, 300);
    EXPECT_TRUE(misfits.str().empty()) << "cards that do not fit their face:" << misfits.str();
}
