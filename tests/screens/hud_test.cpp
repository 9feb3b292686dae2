// Both heads-up displays: score, coins, the last enemy hit, heart and fuel, the hands,
// passives and conditions.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "battle/combos.h"
#include "battle/setup.h"
#include "cards/conditions.h"
#include "cards/opponents.h"
#include "draw_fixture.h"
#include "screens/battle_drawing.h"
#include "screens/drawing.h"
#include "screens/round_end.h"
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
        int n = 0;
        for (const hgeQuad& q : quads()) n += cutFrom(q, back);
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

    // Each count stands on the mark of its colour's shape, as the costs on the cards do,
    // centred in its box.
    const char* const marks[3] = {"costRed", "costGreen", "costBlue"};
    for (int side = 0; side < 2; ++side)
        for (int k = 0; k < 3; ++k) {
            const hgeRect& box = pos[20 * side + 6 + k];
            const hgeSprite* mark = uiSprite(marks[k]);
            ASSERT_NE(mark, nullptr);
            float u, v, w, h;
            mark->GetTextureRect(&u, &v, &w, &h);
            int found = -1;
            for (std::size_t i = 0; i < quads().size(); ++i) {
                const hgeQuad& q = quads()[i];
                if (q.tex == mark->GetTexture() &&
                    std::abs(q.v[0].tx - u / hge->Texture_GetWidth(q.tex)) < 1e-4f && q.v[0].x >= box.x1 &&
                    q.v[2].x <= box.x2 && q.v[0].y >= box.y1 && q.v[2].y <= box.y2)
                    found = int(i);
            }
            ASSERT_GE(found, 0) << "side " << side << " coin " << k << " has no " << marks[k];
            EXPECT_EQ(quads()[found].v[2].x - quads()[found].v[0].x, w) << "the mark at its own size";
            EXPECT_EQ(quads()[found].v[2].y - quads()[found].v[0].y, h);
        }
    const DrawnText* green = findText("7");
    ASSERT_NE(green, nullptr);
    EXPECT_NEAR(green->x + fontCoin->GetStringWidth("7") * green->scale / 2, (pos[7].x1 + pos[7].x2) / 2, 1);
    EXPECT_GT(green->quadsBefore, 0u);

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

TEST_F(HudTest, TheFuelWarningMeansALowTankForEveryVehicle) {
    for (int veh = 0; veh < MAXVEHICLES; ++veh) {
        startMatch(2, veh);
        quietField();
        const float tank = pl[0].maxFuel;
        const float low = std::min(150.0f, tank * 3 / 8);
        const struct {
            float fuel;
            const char* warning;
        } cases[] = {{tank, nullptr}, {low, nullptr}, {low - 0.1f, "Low on fuel!"}, {0, "Out of fuel!"}};
        for (const auto& c : cases) {
            pl[0].fuel = c.fuel;
            pl[1].fuel = pl[1].maxFuel;
            drawScene();
            const bool low = findText("Low on fuel!"), out = findText("Out of fuel!");
            if (!c.warning) {
                EXPECT_FALSE(low || out) << vehName[veh] << " tank " << tank << " at " << c.fuel;
                continue;
            }
            EXPECT_NE(findText(c.warning), nullptr) << vehName[veh] << " at " << c.fuel;
            EXPECT_EQ(fontSmall2->GetColor(), 0xFFFFFFFFu) << "the font is white again afterwards";
        }
    }
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
    const DrawnText* below = findText(condString[C_ROXY]);
    EXPECT_EQ(below, nullptr);
    EXPECT_TRUE(anyTextStartsWith(':')) << "its time left";
    const HTEXTURE icons = spr[SPR_CONDICON]->GetTexture();
    int levelIcons = 0;
    for (const hgeQuad& q : quads())
        if (q.tex == icons && q.v[0].y == name->y && q.v[2].x <= name->x) ++levelIcons;
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
    EXPECT_EQ(mark->font, fontBig) << "the big font at its own size, not a small one blown up";
    EXPECT_EQ(mark->scale, 1);
    EXPECT_EQ(fontBig->GetScale(), 1);
    int cover = -1;
    for (std::size_t i = 0; i < quads().size(); ++i)
        if (quads()[i].tex == anim[ANIM_ROULETTEBLOCK]->GetTexture() && quads()[i].v[0].x == 0) cover = int(i);
    ASSERT_GE(cover, 0);
    EXPECT_EQ(quads()[cover].v[0].y, 0);
    EXPECT_EQ(quads()[cover].v[2].x, 100);
    EXPECT_EQ(quads()[cover].v[2].y, 600);
    EXPECT_LT(cover, int(mark->quadsBefore)) << "the mark is written over the cover";
}

// Every text, bar and icon of a side's column below its hand, as rectangles.
struct Place {
    std::string what;
    hgeRect r;
};

class HudColumnTest : public HudTest {
protected:
    // Quads cut from the sprite's own place on its sheet.
    std::vector<hgeRect> drawnFrom(const hgeSprite* s) const {
        std::vector<hgeRect> found;
        if (!s) return found;
        float x, y, w, h;
        s->GetTextureRect(&x, &y, &w, &h);
        const float u = x / hge->Texture_GetWidth(s->GetTexture()), v = y / hge->Texture_GetHeight(s->GetTexture());
        for (const hgeQuad& q : quads())
            if (q.tex == s->GetTexture() && std::abs(q.v[0].tx - u) < 1e-4f && std::abs(q.v[0].ty - v) < 1e-4f)
                found.push_back(hgeRect(q.v[0].x, q.v[0].y, q.v[2].x, q.v[2].y));
        return found;
    }
    std::vector<Place> column(int side) const {
        const float left = side == 0 ? 0 : 700, right = left + 100;
        std::vector<Place> places;
        auto keep = [&](const std::string& what, hgeRect r) {
            if (r.x1 >= left - 0.5f && r.x2 <= right + 0.5f && r.y1 >= 404) places.push_back({what, r});
        };
        for (const DrawnText& t : texts()) {
            hgeFont* f = const_cast<hgeFont*>(t.font);
            const float saved = f->GetScale();
            f->SetScale(t.scale);
            const float w = f->GetStringWidth(t.text.c_str()), h = f->GetHeight() * t.scale;
            f->SetScale(saved);
            // A glyph cell carries blank rows above and below; two lines may touch by them.
            keep("text \"" + t.text + "\"", hgeRect(t.x, t.y + 1, t.x + w, t.y + h - 1));
        }
        for (int c = 1; c <= MAXCONDS; ++c)
            for (const hgeRect& r : drawnFrom(spr[SPR_CONDICON + c - 1])) keep("condition icon", r);
        for (const auto& [what, s] : {std::pair{"heart icon", spr[SPR_HEART]}, {"life bar", spr[SPR_LIFEBAR]},
                                      {"fuel bar", spr[SPR_FUELBAR]}, {"POWER", spr[SPR_POWERTEXT]}})
            for (const hgeRect& r : drawnFrom(s)) keep(what, r);
        return places;
    }
};

// Every condition slot filled at its top level, the heart figure and X-ray times on, a low
// tank, the last enemy hit known, the longest opponent name and the EX mission's title.
TEST_F(HudColumnTest, NoTwoThingsInEitherColumnOverlapInTheWorstCase) {
    for (const int opp : {6, EXMISSION}) {
        startMatch(opp);
        quietField();
        for (int side = 0; side < 2; ++side) {
            receiveCond(side, C_ROXY, 3);
            receiveCond(side, C_TOXI, 3);
            receivePassive(side, P_XRAY);
            pl[side].condTime[0] = pl[side].condTime[1] = 88.8f;
            pl[side].fuel = 10;
            pl[side].lastHitEnemy = -1;
            pl[side].lastHitInfo = 4;
        }
        receivePassive(0, P_COG);
        curOppName = "Deniz Xtreme of the Longest Name Ever Written Here";
        drawScene();
        for (int side = 0; side < (opp == EXMISSION ? 1 : 2); ++side) {
            const std::vector<Place> places = column(side);
            EXPECT_GE(places.size(), 12u) << "side " << side;
            for (std::size_t i = 0; i < places.size(); ++i)
                for (std::size_t j = i + 1; j < places.size(); ++j) {
                    const hgeRect a = places[i].r, b = places[j].r;
                    const bool apart = a.x2 <= b.x1 + 0.5f || b.x2 <= a.x1 + 0.5f || a.y2 <= b.y1 + 0.5f ||
                                       b.y2 <= a.y1 + 0.5f;
                    EXPECT_TRUE(apart) << "opponent " << opp << " side " << side << ": " << places[i].what << " over "
                                       << places[j].what;
                }
        }
        // The names keep to their halves of the top line, clear of the tally between them.
        const DrawnText* theirs = findText(curOppName);
        ASSERT_NE(theirs, nullptr);
        EXPECT_GE(theirs->x, 400 + 40) << "the opponent's name stays off the tally and the human's field";
        const float end = theirs->x + font1->GetStringWidth(curOppName.c_str()) * theirs->scale;
        EXPECT_LE(end, SCREEN_WIDTH - 8) << "the opponent's name keeps clear of the screen's edge";
        EXPECT_GE(end, SCREEN_WIDTH - 12) << "and ends where the column's other texts end";
        const int vehicle = quadAt(pl[0].rect.x1, pl[0].rect.y1);
        ASSERT_GE(vehicle, 0);
        EXPECT_GT(int(theirs->quadsBefore), vehicle) << "written after the fields' sprites";
    }
}

TEST_F(HudTest, F2ShowsTheFrameRateWithTheUpdateAndDrawTimesBelowIt) {
    pl[0].showFps = true;
    for (int frame = 0; frame < 110; ++frame) engine->runFrame();
    texts().clear();
    engine->runFrame();
    ASSERT_GE(texts().size(), 2u);
    const DrawnText& times = texts().back();
    const DrawnText& rate = texts()[texts().size() - 2];
    ASSERT_EQ(rate.text.rfind("FPS: ", 0), 0u) << rate.text;
    EXPECT_NEAR(std::atoi(rate.text.c_str() + 5), 100, 1) << "frames in the last whole second";
    EXPECT_EQ(times.text.rfind("update ", 0), 0u) << times.text;
    EXPECT_NE(times.text.find(" ms  draw "), std::string::npos) << times.text;
    EXPECT_GT(times.y, rate.y);
}

TEST_F(HudTest, TheTallyCountsTheRoundsEachSideHasWon) {
    drawScene();
    EXPECT_NE(findText("0 - 0"), nullptr);
    curRound = 2;
    roundsLost = 1;
    drawScene();
    const DrawnText* tally = findText("2 - 1");
    ASSERT_NE(tally, nullptr) << "two rounds won, one lost";
    EXPECT_NEAR(tally->x + font1->GetStringWidth("2 - 1") / 2, 400, 1) << "centred over the divider";

    startMatch(2);
    EXPECT_EQ(roundsLost, 0) << "a new match starts level";
    initGameOver();
    EXPECT_EQ(roundsLost, 1);
    startMatch(EXMISSION);
    drawScene();
    EXPECT_FALSE(anyTextContains(" - ")) << "the EX mission has no opponent to count";
}

TEST_F(HudTest, FeedbackTextsStayInsideTheirOwnField) {
    for (const char* line : {"Not enough coins to use that card.", "There's no card in that slot yet.",
                             "Averyveryverylongwordwithoutanyspaceinsideitatallreally"}) {
        for (int side = 0; side < 2; ++side) {
            for (const float x : {110.0f, 250.0f, 380.0f}) {
                pl[side].rect = hgeRect(x + 300 * side, 500, x + 300 * side + 32, 532);
                initytxt(side, line, 2);
                drawScene();
                float minX = 1e9f, maxX = -1e9f;
                for (const DrawnText& t : texts()) {
                    if (t.font != fontSmall1 || t.y < 400) continue;
                    const float w = fontSmall1->GetStringWidth(t.text.c_str()) / fontSmall1->GetScale() * t.scale;
                    minX = std::min(minX, t.x);
                    maxX = std::max(maxX, t.x + w);
                }
                ASSERT_LT(minX, maxX) << line;
                EXPECT_GE(minX, pl[side].fieldLeft) << line << " side " << side << " at " << x;
                EXPECT_LE(maxX, pl[side].fieldRight) << line << " side " << side << " at " << x;
                pl[side].textTimer[2] = 0;
            }
        }
    }
}

}  // namespace
