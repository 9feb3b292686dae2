// The battle picture: its layers in order, the loser's spin, the round intro, the
// divider and the score pop-ups.
#include <cmath>
#include <set>

#include "battle/combos.h"
#include "battle/setup.h"
#include "cards/conditions.h"
#include "cards/opponents.h"
#include "draw_fixture.h"
#include "screens/battle_drawing.h"
#include "screens/tutorial.h"
#include "shell/modes.h"
#include "toolkit/hgeanim.h"
#include "toolkit/hgeparticle.h"
#include "tools/heavy_scene.h"
#include "toolkit/hgepmanager.h"
#include "toolkit/hgesprite.h"

namespace {

class BattleDrawingTest : public DrawTest {
protected:
    void SetUp() override {
        DrawTest::SetUp();
        startMatch(0);
        quietField();
    }

    // A burst of particles that stays where it is fired.
    static hgeParticleSystemInfo stillBurst() {
        hgeParticleSystemInfo info = psiGeneral[0];
        info.emission = 500;
        info.lifetime = -1;
        info.particleLifeMin = info.particleLifeMax = 5;
        info.speedMin = info.speedMax = 0;
        info.gravityMin = info.gravityMax = 0;
        info.radialAccelMin = info.radialAccelMax = 0;
        info.tangentialAccelMin = info.tangentialAccelMax = 0;
        info.sizeStart = info.sizeEnd = 0.5f;
        info.sizeVar = 0;
        return info;
    }

    // The first quad whose centre lies within 12 px of (x, y), or -1.
    int quadNear(float x, float y) const {
        for (std::size_t i = 0; i < quads().size(); ++i) {
            const hgeQuad& q = quads()[i];
            const float cx = (q.v[0].x + q.v[2].x) / 2, cy = (q.v[0].y + q.v[2].y) / 2;
            if (std::abs(cx - x) < 12 && std::abs(cy - y) < 12) return int(i);
        }
        return -1;
    }
    int quadsOf(const hgeSprite* s) const {
        int n = 0;
        for (const hgeQuad& q : quads()) n += cutFrom(q, s);
        return n;
    }
};

TEST_F(BattleDrawingTest, EveryLayerIsDrawnInItsPlaceFromTheBackgroundUp) {
    wall[0].active = true;
    wall[0].type = W_BRICK;
    wall[0].alpha = 255;
    wall[0].hp = 10;
    wall[0].rect = hgeRect(120, 60, 180, 72);
    itm[0].active = true;
    itm[0].kind = I_POINTS200;
    itm[0].rect = hgeRect(150, 200, 166, 216);
    sh[0].create(hgeRect(200, 200, 216, 216), false, Y2E, 1, 0, 0, 0, 0, 100, 0, 13, false, P_STATIONARY, 1, 0, 0);
    en[0].spawn(1, 0, hgeRect(250, 200, 282, 232), P_STATIONARY, 0, 0, 0, 0, 0, 1, 0, 0, false);
    const hgeParticleSystemInfo burst = stillBurst();
    psmgr->SpawnPS(&burst, 150, 350);
    psmgrX->SpawnPS(&burst, 250, 350);
    psmgr->Update(0.05f);
    psmgrX->Update(0.05f);
    receiveCond(0, C_ROXY, 1);
    pl[0].condAlpha[0] = 255;
    setComboText(0, 340, 110, 5);
    initytxt(0, "Floating", 1);
    pl[0].opt[OPT_TUTORIAL] = 1;
    progress = 40;  // the first hint of the first round
    drawScene();

    ASSERT_FALSE(quads().empty());
    EXPECT_EQ(quads()[0].tex, spr[SPR_BG]->GetTexture()) << "the background is drawn first";
    const int divider = quadAt(396, 0);
    const int brick = quadAt(120, 60);
    const DrawnText* score = findText("00000000");
    const int vehicle = quadAt(pl[0].rect.x1, pl[0].rect.y1);
    const int item = quadAt(150, 200);
    const int shots = quadNear(150, 350);
    const int shot = quadAt(200, 200);
    const int enemy = quadAt(250, 200);
    const int blasts = quadNear(250, 350);
    const DrawnText* combo = findText("5");
    const DrawnText* floating = findText("Floating");
    const DrawnText* hint = nullptr;
    for (const DrawnText& t : texts())
        if (t.text.rfind("Welcome", 0) == 0) hint = &t;  // the hint's first line
    ASSERT_TRUE(score && combo && floating && hint);
    int roxy = -1;
    for (std::size_t i = vehicle + 1; i < quads().size() && roxy < 0; ++i)
        if (quads()[i].tex == spr[SPR_ROXY]->GetTexture() && quads()[i].v[0].x == pl[0].rect.x1) roxy = int(i);

    // The HUD comes after everything that moves, so no vehicle or enemy covers a name.
    const int order[] = {0,     divider, brick, vehicle, item,    shots, shot, enemy, blasts, roxy, int(combo->quadsBefore),
                         int(score->quadsBefore), int(floating->quadsBefore), int(hint->quadsBefore)};
    const char* names[] = {"background", "divider", "wall", "vehicle", "item", "shot particles", "shot", "enemy",
                           "blast particles", "condition overlay", "combo", "HUD", "floating text", "tutorial"};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        EXPECT_GE(order[i], 0) << names[i] << " not drawn";
        EXPECT_GT(order[i], order[i - 1]) << names[i] << " drawn before " << names[i - 1];
    }
    const hgeRect hintBox = tutorialTextBox();
    for (const DrawnText* t = hint; t <= &texts().back(); ++t)
        EXPECT_TRUE(hintBox.TestPoint(t->x, t->y)) << "written over the hint: " << t->text;
}

TEST_F(BattleDrawingTest, TheRoundIntroComesLastAndNamesTheRoundAndTheQuest) {
    progress = 10;
    drawScene();
    const DrawnText* round = findText("Round 1");
    const DrawnText* name = findLastText(curOppName);
    ASSERT_TRUE(round && name);
    EXPECT_EQ(round->x, 250);
    EXPECT_EQ(round->y, 150);
    EXPECT_EQ(round->font, fontBig) << "big texts come from the font made at their size";
    EXPECT_EQ(round->scale, 1);
    EXPECT_EQ(name->font, fontBig);
    EXPECT_LE(name->scale, 1) << "never an enlarged bitmap";
    EXPECT_EQ(texts().back().text, curOppName) << "the intro is written last";
    EXPECT_EQ(findText("2econd quest!"), nullptr);
    EXPECT_EQ(fontBig->GetScale(), 1);
    EXPECT_EQ(font1->GetScale(), 1);

    pl[0].questNum = 2;
    drawScene();
    EXPECT_NE(findText("2econd quest!"), nullptr);
    progress = 30;
    drawScene();
    EXPECT_EQ(findText("Round 1"), nullptr) << "three seconds in, the intro is gone";
    progress = 10;
    for (int mode : {MODE_GAMEOVER, MODE_PAUSE}) {
        gameMode = mode;
        drawScene();
        EXPECT_EQ(findText("Round 1"), nullptr) << "no intro under the screen drawn over the battle, mode " << mode;
    }
}

TEST_F(BattleDrawingTest, TheLoserSpinsForThreeSecondsAndIsThenGone) {
    auto mine = [this] {
        int n = 0;
        for (const hgeQuad& q : quads()) n += cutFrom(q, pl[0].spr) || cutFrom(q, pl[0].sprL) || cutFrom(q, pl[0].sprR);
        return n;
    };
    const float cx = (pl[0].rect.x1 + pl[0].rect.x2) / 2, cy = (pl[0].rect.y1 + pl[0].rect.y2) / 2;
    gameMode = MODE_GAMEOVER;
    progress = 4.5f;  // 90 degrees
    drawScene();
    int spun = -1;
    for (std::size_t i = 0; i < quads().size(); ++i)
        if (cutFrom(quads()[i], pl[0].spr)) spun = int(i);
    ASSERT_GE(spun, 0);
    const hgeQuad& q = quads()[spun];
    EXPECT_NEAR((q.v[0].x + q.v[2].x) / 2, cx, 0.5f);
    EXPECT_NEAR((q.v[0].y + q.v[2].y) / 2, cy, 0.5f);
    EXPECT_NEAR(q.v[0].x, cx + pl[0].spr->GetHeight() / 2, 0.5f) << "a quarter turn puts the top-left corner right";
    progress = 29.9f;
    drawScene();
    EXPECT_EQ(mine(), 1);
    progress = 30;
    drawScene();
    EXPECT_EQ(mine(), 0);

    // A won round spins the opponent instead; the human is drawn as usual.
    gameMode = MODE_WINROUND;
    drawScene();
    EXPECT_EQ(mine(), 1);
    EXPECT_EQ(quadsOf(pl[1].anim), 0);
    EXPECT_GE(quadAt(pl[0].rect.x1, pl[0].rect.y1), 0);
}

TEST_F(BattleDrawingTest, TheDividerAgesWithTheRoundAndIsNotDrawnOutsideBattle) {
    const struct {
        int seconds;
        DWORD outer;
    } ages[] = {{30, 0xAF09D109}, {31, 0xAF457DD9}, {60, 0xAF457DD9}, {61, 0xAFAFAFAF}};
    for (const auto& age : ages) {
        pl[0].roundTime = age.seconds;
        drawScene();
        const int divider = quadAt(396, 0);
        ASSERT_GE(divider, 0) << age.seconds;
        EXPECT_EQ(quads()[divider].v[0].col, age.outer) << age.seconds;
    }
    gameMode = MODE_PAUSE;
    drawScene();
    EXPECT_EQ(quadAt(396, 0), -1);
}

TEST_F(BattleDrawingTest, ADeadEnemysScoreRisesFromItWhenTheOptionIsOn) {
    en[0].spawn(1, 0, hgeRect(200, 300, 232, 332), P_STATIONARY, 0, 0, 0, 0, 0, 1, 0, 0, false);
    en[0].hp = 0;
    en[0].killScore = 150;
    en[0].deathTimer = 1.5f;
    pl[0].opt[OPT_SCORE] = 0;
    drawScene();
    EXPECT_EQ(findText("150"), nullptr);
    pl[0].opt[OPT_SCORE] = 1;
    drawScene();
    const DrawnText* popup = findText("150");
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->y, float(int(316 - 0.5f * 32)));
    EXPECT_EQ(popup->x, float(int(216 - fontSmall1->GetStringWidth("150") / 2)));
}

}  // namespace

class ReducedFlashingTest : public BattleDrawingTest {
protected:
    // One scene drawn with the option off, then on; returns the value picked from each.
    template <typename Pick>
    std::pair<DWORD, DWORD> offAndOn(Pick pick) {
        pl[0].opt[OPT_REDUCEFLASH] = 0;
        drawScene();
        const DWORD off = pick();
        pl[0].opt[OPT_REDUCEFLASH] = 1;
        drawScene();
        return {off, pick()};
    }
};

TEST_F(ReducedFlashingTest, HitsOnlyTintFieldFlashesFadeAndTitlesHoldStill) {
    en[0].spawn(1, 0, hgeRect(250, 200, 282, 232), P_STATIONARY, 0, 0, 0, 0, 0, 1, 0, 0, false);
    en[0].flash = 1;
    wall[0] = Wall{};
    wall[0].active = true;
    wall[0].type = W_BRICK;
    wall[0].alpha = 255;
    wall[0].flash = 1;
    wall[0].rect = hgeRect(120, 60, 180, 72);
    pl[0].misc[M_DEATH] = 1;
    auto colourAt = [this](float x, float y) {
        const int q = quadAt(x, y);
        return q < 0 ? 0u : quads()[q].v[0].col;
    };
    const auto enemy = offAndOn([&] { return colourAt(250, 200); });
    EXPECT_EQ(enemy.first, 0xFFF25626u);
    EXPECT_GT(GETG(enemy.second), GETG(enemy.first)) << "paler than the full flash";
    const auto brick = offAndOn([&] { return colourAt(120, 60); });
    EXPECT_EQ(brick.first & 0xFFFFFF, 0xFF0000u);
    EXPECT_GT(GETG(brick.second), 0u);
    const auto field = offAndOn([&] { return colourAt(100, 140); });
    EXPECT_LT(GETA(field.second), GETA(field.first)) << "the deathizer over the field is fainter";

    // A colour-cycling title keeps one colour from tick to tick.
    progress = 10;
    pl[0].opt[OPT_REDUCEFLASH] = 1;
    std::set<DWORD> seen;
    for (cycleNum = 0; cycleNum < 4; ++cycleNum) {
        drawScene();
        seen.insert(findLastText(curOppName)->color);
    }
    EXPECT_EQ(seen.size(), 1u);

    gameMode = MODE_GAMEOVER;
    progress = 40;
    auto redScreen = [this] {
        for (const hgeQuad& q : quads())
            if (q.v[0].x == 0 && q.v[0].y == 0 && q.v[2].x == 800 && q.v[2].y == 600 && GETR(q.v[0].col) > 0x80 &&
                GETG(q.v[0].col) < 0x40)
                return true;
        return false;
    };
    const auto red = offAndOn([&] { return DWORD(redScreen()); });
    EXPECT_TRUE(red.first);
    EXPECT_FALSE(red.second) << "no full-screen red";
    EXPECT_EQ(findText("Game Over")->font, fontBig);
    EXPECT_EQ(findText("Game Over")->scale, 1);
}

TEST_F(ReducedFlashingTest, TheBattleDrawsTheSameRandomNumbersEitherWay) {
    setComboText(0, 200, 200, 150);  // a long combo picks a random colour every frame
    initytxt(0, "Floating", 0);      // and so does a slot-0 text
    auto nextAfterDrawing = [this](int reduce) {
        pl[0].opt[OPT_REDUCEFLASH] = reduce;
        hge->Random_Seed(7);
        drawScene();
        return hge->Random_Int(0, 1 << 30);
    };
    EXPECT_EQ(nextAfterDrawing(0), nextAfterDrawing(1));
}

// Everything a match draws is on the device once the match is set up, and a full field
// draws from the two shared sheets, its background and plain quads only.
TEST_F(BattleDrawingTest, AMatchUploadsItsPicturesBeforeItsFirstFrameAndDrawsFromTheSharedSheets) {
    for (int opp : {0, 3, 6}) {
        startMatch(opp, opp);
        const int loaded = engine->texturesLoaded();
        fillHeavyScene();
        for (int f = 0; f < 200; ++f) engine->runFrame(0.01f);
        EXPECT_EQ(engine->texturesLoaded(), loaded) << "a texture was made during opponent " << opp << "'s match";
        std::set<HTEXTURE> used;
        for (const hgeQuad& q : quads()) used.insert(q.tex);
        used.erase(0);
        used.erase(spr[SPR_BG]->GetTexture());
        EXPECT_LE(used.size(), 2u) << "opponent " << opp;
    }
}
