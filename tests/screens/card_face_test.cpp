// Card faces as the screens draw them: every card's rules text, in every place a card is
// shown, stays inside the frame's text panel with a margin and leaves no word out.
#include <sstream>

#include "battle/setup.h"
#include "draw_fixture.h"
#include "screens/match_rewards.h"
#include "screens/round_end.h"
#include "screens/selection.h"
#include "shell/modes.h"
#include "toolkit/hgesprite.h"

namespace {

// The rules panel as the card frame picture paints it, relative to the card's corner, and
// the room every line keeps from its sides and from the type strip below it.
constexpr float PANELLEFT = 2, PANELRIGHT = 88, PANELTOP = 44, TYPESTRIPTOP = 104;
constexpr float MARGIN = 2;
// Smaller than this the small font's letters run together.
constexpr float READABLESCALE = 0.8f;

std::string normalised(const std::string& text) {
    std::istringstream words(text);
    std::string word, out;
    while (words >> word) out += (out.empty() ? "" : " ") + word;
    return out;
}

class CardFaceTest : public DrawTest {
protected:
    void SetUp() override {
        DrawTest::SetUp();
        startMatch(0);
        quietField();
        for (int id = 1; id < MAXCARDS; ++id)
            if (!crd[id].name.empty()) cards.push_back(id);
        ASSERT_EQ(cards.size(), 344u);
    }

    // Quads of a card face's frame (a 90 x 120 picture of the card sheet, not the back).
    std::vector<std::size_t> framesDrawn() const {
        const hgeSprite* face = spr[SPR_CARDFRAME];
        const hgeSprite* back = spr[SPR_CARDFRAME + 8];
        float bx, by, bw, bh;
        back->GetTextureRect(&bx, &by, &bw, &bh);
        const float backU = bx / hge->Texture_GetWidth(back->GetTexture());
        std::vector<std::size_t> frames;
        for (std::size_t i = 0; i < quads().size(); ++i) {
            const hgeQuad& q = quads()[i];
            if (q.tex == face->GetTexture() && std::abs(q.v[2].x - q.v[0].x - 90) < 0.5f &&
                std::abs(q.v[2].y - q.v[0].y - 120) < 0.5f && std::abs(q.v[0].tx - backU) > 1e-4f)
                frames.push_back(i);
        }
        return frames;
    }

    // Checks the faces drawn in the last scene against `ids`, in drawing order.
    void checkFaces(const std::string& place, const std::vector<int>& ids) {
        const std::vector<std::size_t> frames = framesDrawn();
        ASSERT_EQ(frames.size(), ids.size()) << place;
        for (std::size_t f = 0; f < frames.size(); ++f) {
            const Card& card = crd[ids[f]];
            const float x0 = quads()[frames[f]].v[0].x, y0 = quads()[frames[f]].v[0].y;
            std::size_t t = 0;
            while (t < texts().size() && texts()[t].quadsBefore <= frames[f]) ++t;
            ASSERT_LT(t, texts().size()) << place;
            EXPECT_EQ(texts()[t].text, card.name) << place;
            std::string written;
            for (++t; t < texts().size() && texts()[t].font != fontSmall1; ++t) {
                const DrawnText& line = texts()[t];
                if (line.font != fontSmall2) continue;
                fontSmall2->SetScale(line.scale);
                const float right = line.x + fontSmall2->GetStringWidth(line.text.c_str());
                const float bottom = line.y + fontSmall2->GetHeight() * line.scale;
                fontSmall2->SetScale(1);
                if (line.x < x0 + PANELLEFT + MARGIN || right > x0 + PANELRIGHT - MARGIN ||
                    line.y < y0 + PANELTOP + MARGIN || bottom > y0 + TYPESTRIPTOP - MARGIN)
                    misfits << "\n  " << place << ": card " << ids[f] << " line \"" << line.text << "\" at ("
                            << line.x - x0 << "," << line.y - y0 << ")-(" << right - x0 << "," << bottom - y0 << ")";
                if (line.scale < READABLESCALE)
                    misfits << "\n  " << place << ": card " << ids[f] << " written at scale " << line.scale;
                written += line.text + " ";
            }
            if (normalised(written) != normalised(card.text))
                misfits << "\n  " << place << ": card " << ids[f] << " wrote \"" << written << "\" for \"" << card.text
                        << "\"";
            ++checked;
        }
    }

    std::vector<int> cards;
    std::ostringstream misfits;
    std::size_t checked = 0;
};

TEST_F(CardFaceTest, EveryRulesTextFitsItsPanelInEveryPlaceACardIsShown) {
    for (std::size_t i = 0; i < cards.size(); i += 3) {
        std::vector<int> hand;
        for (int slot = 0; slot < 3; ++slot) {
            pl[0].hand[slot] = cards[std::min(i + slot, cards.size() - 1)];
            pl[0].cardUseTimer[slot] = 0;
            hand.push_back(pl[0].hand[slot]);
        }
        drawScene();
        checkFaces("hand", hand);
    }

    initSelectReward();
    for (std::size_t i = 0; i < cards.size(); i += 21) {
        std::vector<int> shown;
        for (int k = 0; k < 21; ++k) shown.push_back(pl[0].rewardCards[k] = cards[std::min(i + k, cards.size() - 1)]);
        drawScene();
        checkFaces("reward", shown);
    }

    initViewDeckScreen();
    pl[0].deckSize = 1;
    selected = 0;
    for (int id : cards) {
        pl[0].deck[0] = id;
        drawScene();
        checkFaces("deck viewer", {id});
    }

    // The won match is drawn over the battle: an empty hand keeps its faces out of the count.
    for (int& card : pl[0].hand) card = 0;
    beat[selectedOpp] = 0;
    initWinMatch();
    progress = 26;
    for (std::size_t i = 0; i < cards.size(); i += 5) {
        std::vector<int> shown;
        for (int k = 0; k < 5; ++k) shown.push_back(pl[0].rewardCards[k] = cards[std::min(i + k, cards.size() - 1)]);
        drawScene();
        checkFaces("match won", shown);
    }

    EXPECT_GE(checked, 4 * cards.size());
    EXPECT_TRUE(misfits.str().empty()) << "rules texts outside their panel or cut:" << misfits.str();
}

}  // namespace
