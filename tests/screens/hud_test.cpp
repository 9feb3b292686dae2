// Both heads-up displays: score, coins, the last enemy hit, heart and fuel, the hands,
// passives and conditions.
#include <cmath>

#include "battle/setup.h"
#include "cards/conditions.h"
#include "draw_fixture.h"
#include "screens/battle_drawing.h"
#include "toolkit/hgeanim.h"
#include "toolkit/hgesprite.h"

namespace {

class HudTest : public DrawTest {
protected:
    void SetUp() override {
        DrawTest::SetUp();
        startMatch(2);
        quietField();
    }
    // Quads cut from the card back's place on the card sheet.
    int cardBacks() const {
        const hgeSprite* back = spr[SPR_CARDFRAME + 8];
        float x, y, w, h;
        back->GetTextureRect(&x, &y, &w, &h);
        const float u = x / hge->Texture_GetWidth(back->GetTexture());
        int n = 0;
        for (const hgeQuad& q : quads()) n += q.tex == back->GetTexture() && std::abs(q.v[0].tx - u) < 1e-4f;
        return n;
    }
    static bool anyTextStartsWith(char c) {
        for (const DrawnText& t : texts())
            if (!t.text.empty() && t.text[0] == c) return true;
        return false;
    }
};

TEST_F(HudTest, ScoresCoinsAndTheLastEnemyHitAreWrittenInTheirBoxes) {
    pl[0].score = 1234;
    pl[1].score = 56;
    pl[0].coin[C_G] = 7;
    en[3].spawn(2, 0, hgeRect(200, 100, 232, 132), P_STATIONARY, 0, 0, 0, 0, 0, 1, 0, 0, false);
    en[3].hp = en[3].maxHp / 2;
    pl[0].lastHitEnemy = 3;
    pl[1].lastHitEnemy = -1;
    pl[1].lastHitInfo = 4;
    drawScene();

    const DrawnText* mine = findText("00001234");
    const DrawnText* theirs = findText("00000056");
    ASSERT_TRUE(mine && theirs);
    EXPECT_EQ(mine->x, pos[3].x1);
    EXPECT_EQ(mine->y, pos[3].y1);
    EXPECT_EQ(mine->color, 0xFF1FE75Cu) << "opponent 2 has green score digits";
    EXPECT_EQ(theirs->x, float(int(790 - fontScore->GetStringWidth("00000000"))));

    const DrawnText* green = findText(" 7");
    ASSERT_NE(green, nullptr);
    EXPECT_EQ(green->x, pos[7].x1 + 5);
    EXPECT_EQ(green->y, pos[7].y1 + 5);

    const DrawnText* hit = findText("Enemy:  " + en[3].name);
    ASSERT_NE(hit, nullptr);
    EXPECT_EQ(hit->x, pos[4].x1);
    EXPECT_EQ(hit->color, 0xFFFFFFFFu);
    const int bar = quadAt(pos[5].x1, pos[5].y1);
    ASSERT_GE(bar, 0);
    EXPECT_NEAR(quads()[bar].v[1].x, pos[5].x1 + (pos[5].x2 - pos[5].x1) / 2, 0.5f) << "half the hit points left";

    const std::string kind = "Enemy:  " + enemyNameDB[4];
    const DrawnText* known = findText(kind);
    ASSERT_NE(known, nullptr);
    EXPECT_EQ(known->color, 0xFFAAAAAAu);
    EXPECT_EQ(known->x, float(int(790 - fontSmall2->GetStringWidth(kind.c_str()))));
}

TEST_F(HudTest, TheFuelWarningStartsBelow150AndSaysWhenTheTankIsEmpty) {
    pl[1].fuel = 1000;
    pl[1].maxFuel = 1000;
    const struct {
        float fuel;
        const char* warning;
    } cases[] = {{150, nullptr}, {149.9f, "Low on fuel!"}, {0, "Out of fuel!"}};
    for (const auto& c : cases) {
        pl[0].fuel = c.fuel;
        drawScene();
        const bool low = findText("Low on fuel!"), out = findText("Out of fuel!");
        if (!c.warning) {
            EXPECT_FALSE(low || out) << c.fuel;
            continue;
        }
        const DrawnText* w = findText(c.warning);
        ASSERT_NE(w, nullptr) << c.fuel;
        EXPECT_EQ(w->x, pos[9].x1 + 20);
        EXPECT_EQ(w->y, pos[9].y2 - 12);
        EXPECT_EQ(fontSmall1->GetColor(), 0xFFFFFFFFu) << "the font is white again afterwards";
    }
    pl[1].fuel = 0;
    drawScene();
    const DrawnText* theirs = findLastText("Out of fuel!");
    ASSERT_NE(theirs, nullptr);
    EXPECT_LE(theirs->x + fontSmall1->GetStringWidth("Out of fuel!"), 800) << "the opponent's warning stays on screen";
}

TEST_F(HudTest, TheOpponentsHandIsFaceDownButForTheCardInUseOrWithTheRevealPassive) {
    for (int slot = 0; slot < 3; ++slot) pl[0].hand[slot] = pl[1].hand[slot] = 1 + slot;
    drawScene();
    EXPECT_EQ(cardBacks(), 3);
    EXPECT_NE(findText(crd[1].name), nullptr) << "the human's own cards are face up";

    // The card about to be used shows, slid left and fading with the time left.
    pl[1].cardUseTotal[1] = 2;
    pl[1].cardUseTimer[1] = 0.5f;
    drawScene();
    EXPECT_EQ(cardBacks(), 2);
    const int frame = quadAt(pos[21].x1 - 20 * 1.5f, pos[21].y1);
    ASSERT_GE(frame, 0);
    EXPECT_EQ(GETA(quads()[frame].v[0].col), 63u);

    pl[1].cardUseTimer[1] = 0;
    receivePassive(0, P_REV);
    drawScene();
    EXPECT_EQ(cardBacks(), 0);
    pl[1].hand[2] = 0;
    receivePassive(0, P_SPEED_12);
    clearPassives(0);
    drawScene();
    EXPECT_EQ(cardBacks(), 2) << "an empty slot shows no back";
}

TEST_F(HudTest, XRayShowsCardTimesAndConditionTimes) {
    pl[0].hand[0] = 5;
    pl[0].hand[1] = 0;
    pl[0].cardDrawTimer[1] = 1.25f;
    receiveCond(0, C_TOXI, 1);
    receiveCond(0, C_TOXI, 1);
    drawScene();
    EXPECT_FALSE(anyTextContains(" sec"));
    EXPECT_FALSE(anyTextStartsWith(':'));

    receivePassive(0, P_XRAY);
    drawScene();
    char use[32];
    std::snprintf(use, sizeof use, "use %.1f sec", crd[5].useTime);
    const DrawnText* u = findText(use);
    const DrawnText* next = findText("next 1.2 sec");
    ASSERT_TRUE(u && next);
    EXPECT_EQ(u->x, pos[0].x2 + 1);
    EXPECT_EQ(next->y, pos[1].y1 + 30);

    const DrawnText* name = findText(condString[C_TOXI]);
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->x, float(int(pos[9].x2 - 4 - fontSmall2->GetStringWidth(condString[C_TOXI].c_str()))));
    EXPECT_EQ(name->y, pos[9].y1 + 14) << "a harmful condition sits on the second line";
    EXPECT_TRUE(anyTextStartsWith(':')) << "its time left";
    const HTEXTURE icons = spr[SPR_CONDICON]->GetTexture();
    int levelIcons = 0;
    for (const hgeQuad& q : quads())
        if (q.tex == icons && q.v[0].y == pos[9].y1 + 14 && q.v[0].x <= pos[9].x2 - 48) ++levelIcons;
    EXPECT_EQ(levelIcons, 2) << "one icon per level";
}

TEST_F(HudTest, EveryPassiveHasAnIconInItsPlaceAndTheMarkerShowsOnlyWithOne) {
    drawScene();
    EXPECT_EQ(findText("F\nX"), nullptr);
    for (int passive = P_SPEED_12; passive <= P_3XEN; ++passive) {
        texts().clear();
        const std::size_t before = quads().size();
        drawPassiveIcon(1, 2, passive);
        ASSERT_GT(quads().size(), before) << "passive " << passive << " has no icon";
        const hgeQuad& icon = quads()[before];
        EXPECT_EQ(icon.v[0].x, pos[34].x1) << passive;
        EXPECT_EQ(icon.v[2].y, pos[34].y2) << passive;
    }
    receivePassive(1, P_KNOX);
    drawScene();
    const DrawnText* marker = findText("F\nX");
    ASSERT_NE(marker, nullptr);
    EXPECT_EQ(marker->x, pos[31].x1);
}

TEST_F(HudTest, MysteryCoversTheHumansColumn) {
    receiveCond(0, C_MYST, 1);
    drawScene();
    const DrawnText* mark = findText("?");
    ASSERT_NE(mark, nullptr);
    EXPECT_EQ(mark->scale, 3);
    EXPECT_EQ(font1->GetScale(), 1);
    int cover = -1;
    for (std::size_t i = 0; i < quads().size(); ++i)
        if (quads()[i].tex == anim[ANIM_ROULETTEBLOCK]->GetTexture() && quads()[i].v[0].x == 0) cover = int(i);
    ASSERT_GE(cover, 0);
    EXPECT_EQ(quads()[cover].v[0].y, 0);
    EXPECT_EQ(quads()[cover].v[2].x, 100);
    EXPECT_EQ(quads()[cover].v[2].y, 600);
    EXPECT_LT(cover, int(mark->quadsBefore)) << "the mark is written over the cover";
}

}  // namespace
