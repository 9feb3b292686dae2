// What the battle and the screens over it write large, and what they spell out: no big
// title is a small bitmap blown up, the round-won banner ends at its picture's own size,
// every opponent title of the round intro keeps inside the screen, and the pause names
// each side's conditions and passives in full beside its buttons.
#include <cmath>
#include <cstring>
#include <string>

#include "battle/combos.h"
#include "battle/setup.h"
#include "cards/card_effects.h"
#include "cards/conditions.h"
#include "cards/glossary.h"
#include "cards/hand.h"
#include "cards/opponents.h"
#include "draw_fixture.h"
#include "screens/battle_drawing.h"
#include "screens/pause_screen.h"
#include "screens/round_end.h"
#include "shell/modes.h"
#include "toolkit/hgeanim.h"

namespace {

constexpr int ANIM_YOUWIN = 87;
constexpr float PAUSELISTS[2][2] = {{16, 252}, {548, 784}};  // each side's list, left to right
constexpr float PAUSEBUTTONS[2] = {268, 524};
constexpr float PAUSELISTBOTTOM = 494;

class RoundTitlesTest : public DrawTest {
protected:
    void SetUp() override {
        DrawTest::SetUp();
        startMatch(3);
        quietField();
    }

    // Every text of the scene at its own size or smaller.
    void expectNoEnlargedText(const char* scene) {
        drawScene();
        ASSERT_FALSE(texts().empty()) << scene;
        for (const DrawnText& t : texts()) EXPECT_LE(t.scale, 1) << scene << ": \"" << t.text << "\" is blown up";
    }

    static float widthOf(const DrawnText& t) {
        hgeFont* f = const_cast<hgeFont*>(t.font);
        const float saved = f->GetScale();
        f->SetScale(t.scale);
        const float w = f->GetStringWidth(t.text.c_str());
        f->SetScale(saved);
        return w;
    }

    // The quad the banner's animation drew, or -1.
    int bannerQuad() const {
        for (std::size_t i = 0; i < quads().size(); ++i)
            if (cutFrom(quads()[i], anim[ANIM_YOUWIN])) return int(i);
        return -1;
    }
};

TEST_F(RoundTitlesTest, NoBigTitleOfTheRoundScreensIsASmallBitmapBlownUp) {
    initWinRound();
    for (float at : {0.0f, 5.0f, 15.0f, 29.0f}) {
        progress = at;
        expectNoEnlargedText("round won");
    }
    initGameOver();
    progress = 30;
    expectNoEnlargedText("game over");
    EXPECT_NE(findText("Retry"), nullptr);
    initWinMatch();
    progress = 31;
    expectNoEnlargedText("match won");
    EXPECT_EQ(findText("You have beaten")->font, fontBig);
    initPauseScreen();
    expectNoEnlargedText("pause");
    EXPECT_EQ(findText("Paused")->font, fontBig);
    EXPECT_EQ(findText("Paused")->scale, 1);
    for (const hgeFont* f : {fontBig, font1, fontArial}) EXPECT_EQ(const_cast<hgeFont*>(f)->GetScale(), 1);
}

TEST_F(RoundTitlesTest, TheBannerGrowsIntoItsPicturesOwnSizeAndStaysThere) {
    float w, h;
    {
        float x, y;
        anim[ANIM_YOUWIN]->GetTextureRect(&x, &y, &w, &h);
    }
    initWinRound();
    progress = 0;
    drawScene();
    int q = bannerQuad();
    ASSERT_GE(q, 0);
    EXPECT_LT(quads()[q].v[2].x - quads()[q].v[0].x, w) << "it starts smaller";
    for (float at : {10.0f, 20.0f, 30.0f}) {
        progress = at;
        updateWinRound(0);
        drawScene();
        q = bannerQuad();
        ASSERT_GE(q, 0);
        const hgeQuad& banner = quads()[q];
        EXPECT_EQ(banner.v[2].x - banner.v[0].x, w) << "at " << at << ": drawn pixel for pixel";
        EXPECT_EQ(banner.v[2].y - banner.v[0].y, h);
        EXPECT_EQ(banner.v[0].x, std::floor(banner.v[0].x)) << "on whole pixels";
        EXPECT_EQ(banner.v[0].y, std::floor(banner.v[0].y));
        EXPECT_NEAR((banner.v[0].x + banner.v[2].x) / 2, 400, 0.5f);
    }
    const DrawnText* prepare = findText("Prepare for round 2 ...");
    ASSERT_NE(prepare, nullptr);
    EXPECT_GE(prepare->y, quads()[q].v[2].y) << "the line stays below the banner";
}

TEST_F(RoundTitlesTest, AGrownComboNumberComesFromTheBigFont) {
    setComboText(0, 200, 200, 150);
    drawScene();
    const DrawnText* big = findText("150");
    ASSERT_NE(big, nullptr);
    EXPECT_EQ(big->font, fontBig);
    EXPECT_LE(big->scale, 1);
    EXPECT_NEAR(fontBig->GetHeight() * big->scale, font1->GetHeight() * 2, 1) << "as tall as the old doubled number";
    setComboText(0, 200, 200, 5);
    drawScene();
    ASSERT_NE(findText("5"), nullptr);
    EXPECT_EQ(findText("5")->font, font1);
}

// Every title the intro can show, the EX mission's with its longest round numbers too.
TEST_F(RoundTitlesTest, EveryRoundIntroTitleKeepsClearOfTheScreensEdges) {
    int titles = 0;
    for (int opp = 0; opp <= EXMISSION; ++opp) {
        startMatch(opp);
        quietField();
        const int rounds = opp == EXMISSION ? 3 : 8;
        for (int r = 0; r < rounds; ++r) {
            curRound = opp == EXMISSION ? (r == 0 ? 0 : r == 1 ? 99 : 9999) : r;
            curOppName = getCurOppName();
            if (curOppName.empty()) continue;
            ++titles;
            progress = 10;
            drawScene();
            const DrawnText* name = findLastText(curOppName);
            ASSERT_NE(name, nullptr) << curOppName;
            EXPECT_GE(name->x, 20) << curOppName;
            EXPECT_LE(name->x + widthOf(*name), SCREEN_WIDTH - 20) << curOppName;
            // And the HUD's top line, where the same title ends at the column's right edge.
            const DrawnText* top = findText(curOppName);
            ASSERT_NE(top, nullptr);
            EXPECT_LE(top->x + widthOf(*top), SCREEN_WIDTH - 8) << curOppName << " at the top";
        }
    }
    EXPECT_GT(titles, 35);
}

// Each condition and each passive in force, with its full name and what it does, in its
// side's list beside the buttons; none of the list crosses the buttons or runs off its plate.
TEST_F(RoundTitlesTest, ThePauseSpellsOutTheConditionsAndPassivesOfBothSides) {
    auto expectInLists = [this](const std::string& scene) {
        // Only what the pause writes over its shade, not the battle's HUD under it.
        std::size_t shade = 0;
        for (std::size_t i = 0; i < quads().size(); ++i)
            if (quads()[i].v[0].x <= 0 && quads()[i].v[0].y <= 0 && quads()[i].v[2].x >= SCREEN_WIDTH &&
                quads()[i].v[2].y >= SCREEN_HEIGHT)
                shade = i;
        for (const DrawnText& t : texts()) {
            if (t.quadsBefore <= shade || t.font != fontSmall2 || t.y < 240) continue;
            if (t.text == "F1: instructions") continue;
            const float x2 = t.x + widthOf(t);
            const bool left = t.x >= PAUSELISTS[0][0] && x2 <= PAUSELISTS[0][1];
            const bool right = t.x >= PAUSELISTS[1][0] && x2 <= PAUSELISTS[1][1];
            EXPECT_TRUE(left || right) << scene << ": \"" << t.text << "\" leaves its list";
            EXPECT_TRUE(x2 <= PAUSEBUTTONS[0] || t.x >= PAUSEBUTTONS[1]) << scene << ": \"" << t.text << "\"";
            EXPECT_LE(t.y + fontSmall2->GetHeight() * t.scale, PAUSELISTBOTTOM + 1) << scene << ": " << t.text;
        }
    };
    for (int c = 1; c <= MAXCONDS; ++c) {
        const int slot = c < FIRSTGOODCONDITION ? 1 : 0;
        for (Player& p : pl) p.cond[0] = p.cond[1] = 0;
        receiveCond(c % 2, c, 2);
        gameMode = MODE_GAME;
        initPauseScreen();
        drawScene();
        const ConditionName& n = CONDITIONNAMES[c];
        const std::string head = std::string(n.shortName) + " " + std::to_string(pl[c % 2].condLevel[slot]) +
                                 "  -  " + n.fullName;
        EXPECT_NE(findText(head), nullptr) << head;
        EXPECT_TRUE(anyTextContains(n.meaning)) << n.meaning;
        EXPECT_EQ(condString[c], n.shortName) << "the HUD writes the glossary's short name";
        expectInLists(head);
    }
    // Three passives on each side: the card's name and its rules text, without "Passive: ".
    for (int first = P_SPEED_12; first <= P_3XEN; first += 3) {
        for (int side = 0; side < 2; ++side) {
            clearPassives(side);
            pl[side].cond[0] = pl[side].cond[1] = 0;
            receiveCond(side, C_TOXI, 3);
            receiveCond(side, C_RFLX, 3);
            for (int passive = first; passive < first + 3 && passive <= P_3XEN; ++passive)
                receivePassive(side, passive);
        }
        initPauseScreen();
        drawScene();
        for (int passive = first; passive < first + 3 && passive <= P_3XEN; ++passive) {
            const Card& card = cardData(passiveCard(passive));
            ASSERT_FALSE(card.name.empty()) << "passive " << passive;
            EXPECT_TRUE(anyTextContains(card.name)) << card.name;
            EXPECT_FALSE(anyTextContains("Passive:")) << card.name;
        }
        expectInLists("passives from " + std::to_string(first));
    }
    receivePassive(0, P_XRAY);
    pl[0].condTime[1] = 4.3f;
    drawScene();
    EXPECT_TRUE(anyTextContains("4.3 s left")) << "X-ray shows the time left here as on the HUD";

    for (Player& p : pl) {
        p.cond[0] = p.cond[1] = 0;
        clearPassives(int(&p - pl));
    }
    drawScene();
    EXPECT_NE(findText("none"), nullptr);
}

}  // namespace
