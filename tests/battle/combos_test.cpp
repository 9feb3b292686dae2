#include <stb/stb_image_write.h>

#include <string>
#include <vector>

#include "battle/collisions.h"
#include "battle/combos.h"
#include "battle/enemies.h"
#include "tests/battle/field_fixture.h"
#include "toolkit/hgefont.h"

namespace {

class ComboTest : public FieldTest {
protected:
    void SetUp() override {
        FieldTest::SetUp();
        pl[0].comboCount = pl[1].comboCount = 1;
        pl[0].opt[OPT_COMBO] = 1;
    }
    void kill(float x, float y) {
        const int e = makeEnemy(2, 0, hgeRect(x, y, x + 40, y + 40));
        en[e].hp = 0;
        checkEnemyDeath(0, e);
    }
    int enemiesOn(int side) const {
        int n = 0;
        for (const Enemy& e : en) n += e.active && e.side == side;
        return n;
    }
};

TEST_F(ComboTest, ChainedKillsShowTheirCountWhereItFits) {
    kill(200, 200);
    EXPECT_FLOAT_EQ(pl[0].misc[M_COMBO], 0);  // a lone kill shows nothing
    kill(150, 300);
    EXPECT_FLOAT_EQ(pl[0].misc[M_COMBONUM], 2);
    EXPECT_FLOAT_EQ(pl[0].misc[M_COMBOLOCX], 130);  // centre x 170 - 40
    EXPECT_FLOAT_EQ(pl[0].misc[M_COMBOLOCY], 288);  // top 300 - 12
    EXPECT_FLOAT_EQ(pl[0].misc[M_COMBO], COMBODISPLAYTIME);
    kill(150, 300);
    EXPECT_FLOAT_EQ(pl[0].misc[M_COMBONUM], 3);
    EXPECT_EQ(pl[0].comboCount, 4);
    EXPECT_EQ(pl[0].score, 100 + 110 + 120);

    setComboText(1, 690, 5, 3);
    EXPECT_FLOAT_EQ(pl[1].misc[M_COMBOLOCX], 500);  // may reach over the centre line
    EXPECT_FLOAT_EQ(pl[1].misc[M_COMBOLOCY], 0);
    setComboText(1, 10, 700, 3);
    EXPECT_FLOAT_EQ(pl[1].misc[M_COMBOLOCX], 0);
    EXPECT_FLOAT_EQ(pl[1].misc[M_COMBOLOCY], 570);
    pl[0].opt[OPT_COMBO] = 0;  // the human's option places both sides' numbers
    setComboText(1, 600, 300, 2);
    EXPECT_FLOAT_EQ(pl[1].misc[M_COMBOLOCX], 510);
    EXPECT_FLOAT_EQ(pl[1].misc[M_COMBOLOCY], 1);
}

TEST_F(ComboTest, EachPayoutRowSendsItsKindCountAndMannerToTheOtherField) {
    const struct {
        int n, kindLo, kindHi, countLo, countHi;
        float attack, period, driftY;  // driftY -1: drawn in 0..40
    } cases[] = {
        {1, 0, 0, 0, 0, 0, 0, 0},      {2, 1, 1, 1, 1, 40, 6, 0},    {4, 1, 1, 3, 3, 40, 6, 0},
        {6, 5, 5, 3, 3, 40, 8, 50},    {9, 2, 2, 3, 3, 40, 6, 40},   {11, 4, 4, 4, 4, 10, 6, 0},
        {12, 3, 3, 2, 4, 20, 6, 0},    {13, 6, 6, 2, 5, 0, 6, 0},    {15, 14, 14, 1, 2, 30, 6, 0},
        {17, 7, 7, 3, 4, 0, 6, 0},     {20, 12, 12, 2, 4, 20, 6, 0}, {23, 15, 18, 2, 4, 20, 6, -1},
        {27, 19, 23, 3, 5, 20, 6, -1}, {35, 15, 23, 6, 10, 22, 6, -1}, {45, 21, 24, 7, 12, 24, 6, -1},
        {55, 1, 24, 7, 13, 24, 6, 0},  {130, 24, 24, 15, 20, 24, 6, 0},
    };
    for (const auto& c : cases) {
        for (int round = 0; round < 5; ++round) {
            clearEnemies();
            comboEnemySpawn(0, c.n);
            EXPECT_GE(enemiesOn(1), c.countLo) << "n " << c.n;
            EXPECT_LE(enemiesOn(1), c.countHi) << "n " << c.n;
            EXPECT_EQ(enemiesOn(0), 0);
            for (const Enemy& e : en) {
                if (!e.active) continue;
                EXPECT_TRUE(e.kind >= c.kindLo && e.kind <= c.kindHi) << "n " << c.n;
                EXPECT_FLOAT_EQ(e.period, c.period) << "n " << c.n;
                EXPECT_FLOAT_EQ(e.attackChance, c.attack) << "n " << c.n;
                if (c.driftY >= 0) EXPECT_FLOAT_EQ(e.driftY, c.driftY) << "n " << c.n;
                else EXPECT_TRUE(e.driftY >= 0 && e.driftY <= 40) << "n " << c.n;
                if (c.n <= 4) {
                    EXPECT_EQ(e.move, P_WAVE);
                }
            }
        }
    }
}

TEST_F(ComboTest, FauxPaxKeepsPayoutsOutAndTheExMissionPaysCoins) {
    pl[1].misc[M_FAUXPAX] = 5;
    comboEnemySpawn(0, 6);
    EXPECT_EQ(activeEnemies(), 0);
    comboEnemySpawn(1, 6);
    EXPECT_EQ(enemiesOn(0), 3);
    clearEnemies();
    selectedOpp = 7;
    comboEnemySpawn(0, 6);
    EXPECT_EQ(activeEnemies(), 0);
    EXPECT_EQ(pl[0].coin[C_R] + pl[0].coin[C_G] + pl[0].coin[C_B], 6);
}

TEST_F(ComboTest, FloatingTextsRiseAtTheirSlotsSpeedAndStop) {
    pl[1].rect = hgeRect(500, 400, 540, 440);
    for (int slot = 0; slot < 4; ++slot) initytxt(1, "text", slot);
    updateytxt(1);
    const float rise[4] = {75, 37.5f, 25, 18.75f};
    for (int slot = 0; slot < 4; ++slot) EXPECT_FLOAT_EQ(pl[1].textRect[slot].y1, 440 - rise[slot]);
    updateytxt(1);
    updateytxt(1);  // a finished text stays where it stopped
    EXPECT_FLOAT_EQ(pl[1].textTimer[0], 0);
    EXPECT_FLOAT_EQ(pl[1].textRect[0].y1, 440 - 150);
}

TEST_F(ComboTest, FloatingTextsAreCentredUnderTheVehicleAndDrawnInTheirSlotsColour) {
    std::string png;  // a font whose 'A' and 'B' are 10 pixels wide
    const std::string white(32 * 16 * 4, '\xFF');
    const auto append = [](void* to, void* data, int size) {
        static_cast<std::string*>(to)->append(static_cast<char*>(data), static_cast<std::size_t>(size));
    };
    ASSERT_TRUE(stbi_write_png_to_func(append, &png, 32, 16, 4, white.data(), 32 * 4));
    writeFile("small.png", png);
    writeFile("small.fnt", "small.png 8\n-65 10 10\n");
    hgeFont font("small.fnt");
    fontSmall1 = &font;
    pl[0].rect = hgeRect(200, 400, 240, 440);
    initytxt(0, "AB", 1);
    EXPECT_FLOAT_EQ(pl[0].textRect[1].x1, 220 - 12);  // 20 wide at scale 1.2
    pl[0].rect = hgeRect(0, 400, 10, 440);
    initytxt(0, "AB", 2);
    EXPECT_FLOAT_EQ(pl[0].textRect[2].x1, 0) << "kept on the screen";
    pl[0].rect = hgeRect(790, 400, 800, 440);
    initytxt(0, "AB", 2);
    EXPECT_FLOAT_EQ(pl[0].textRect[2].x1, 800 - 24);
    pl[0].textTimer[2] = 0;
    initytxt(1, "A", 0);
    initytxt(1, "BBB", 3);
    pl[1].textTimer[3] = 0;  // finished: not drawn
    colorCycle[0][2] = 0xFF123456;
    cycleNum = 2;
    engine->setRecording(true);
    hge->Gfx_BeginScene();
    drawytxt();
    hge->Gfx_EndScene();
    const std::vector<hgeQuad>& quads = engine->recordedQuads();
    ASSERT_EQ(quads.size(), 3u);
    EXPECT_EQ(quads[0].v[0].col, 0xFF123456u);
    EXPECT_FLOAT_EQ(quads[1].v[1].x - quads[1].v[0].x, 12);
    EXPECT_EQ(quads[2].v[0].col >> 24, 0xFFu);  // slot 0: an opaque random colour
    EXPECT_FLOAT_EQ(font.GetStringWidth("AB"), 20);  // the scale is put back
    fontSmall1 = nullptr;
}

}  // namespace
