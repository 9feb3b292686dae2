// The battle's small things over every field, as the real renderer draws them: each
// vehicle's bullets, the opponent's bullets and the coins stand out from every location's
// picture (and its second-quest and EX variants) with enough pixels at 3:1 against what the
// same place shows without them.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "battle/enemies.h"
#include "battle/setup.h"
#include "cards/datafiles.h"
#include "screens/screens.h"
#include "sdl_game_test.h"
#include "shell/frame.h"
#include "shell/modes.h"
#include "shell/options.h"
#include "shell/startup.h"
#include "shell/world.h"
#include "tests/cards/source_data.h"
#include "tests/support/contrast_ratio.h"
#include "toolkit/hgeanim.h"
#include "toolkit/hgeparticle.h"
#include "toolkit/hgepmanager.h"
#include "toolkit/hgeresource.h"
#include "tools/play_folder.h"

namespace {

using contrast_ratio::contrast;
using contrast_ratio::rgbOf;

constexpr float COINBOX = 16;  // the box a coin is picked up by
constexpr double SHAPECONTRAST = 3.0;  // WCAG's bar for shapes that must be made out
constexpr int LOCATIONS = 7;

// Every background of a battle, and the opponent met in front of it.
struct Field {
    const char* picture;
    int opp;
};
constexpr Field FIELDS[] = {{"bg0", 0},  {"bg1", 1},  {"bg2", 2},  {"bg3", 3},  {"bg3a", 3}, {"bg4", 4},
                            {"bg4a", 4}, {"bg5", 5},  {"bg5a", 5}, {"bg6", 6},  {"bg6a", 6}, {"bg6b", 6}};

enum Kind { HUMANBULLET, OPPBULLET, COIN, KINDS };
const char* const KINDNAMES[KINDS] = {"the human's bullet", "the opponent's bullet", "a coin"};

struct Sample {
    Kind kind;
    hgeRect box;  // the box the game keeps for it (hits, pick-ups)
};

struct Canvas {
    std::vector<std::uint32_t> argb;
    int width = 0, height = 0;
};

class SdlFieldSprites : public SdlGameTest {
protected:
    void TearDown() override {
        clearEnemies();
        SdlGameTest::TearDown();
    }

    static void startMatch(int opp) {
        selectedOpp = opp;
        selectedVeh = 0;
        selectedDeck = 0;
        newGame = true;
        initGame();
        for (Player& p : pl) p.spawnTimer = 1e9f;
        for (Wall& w : wall) w.active = false;
        pl[0].opt[OPT_TUTORIAL] = 0;
        progress = 100;
        screenPos = 0;
    }

    static void clearField() {
        for (int s = 0; s < MAXSHOTS; ++s) sh[s].active = false;
        for (Item& it : itm) it.active = false;
        if (psmgr) psmgr->KillAll();
    }

    // A bullet of `side`'s gun, as big as the gun makes it, or a coin of colour `colour`.
    static void place(const Sample& s, int colour) {
        if (s.kind == COIN) {
            for (Item& it : itm) {
                if (it.active) continue;
                it.active = true;
                it.kind = colour;
                it.rect = s.box;
                return;
            }
            return;
        }
        for (int i = 0; i < MAXSHOTS; ++i) {
            if (sh[i].active) continue;
            sh[i].create(s.box, true, s.kind == HUMANBULLET ? Y2E : O2E, 1, 0, 0, 0, 0, -1, 0, 0, true, P_LINEAR, 0, 0,
                         0);
            // Where a flying bullet's trail follows it.
            if (sh[i].ps) sh[i].ps->MoveTo((s.box.x1 + s.box.x2) / 2, (s.box.y1 + s.box.y2) / 2, true);
            return;
        }
    }

    Canvas draw() {
        Canvas c;
        EXPECT_TRUE(hge->Gfx_BeginScene());
        hge->Gfx_Clear(0);
        renderAll();
        EXPECT_TRUE(engine->readPixels(c.argb, c.width, c.height));
        hge->Gfx_EndScene();
        return c;
    }

    // Pixels of the sample's neighbourhood at 3:1 or more against the same pixel drawn
    // without it.
    static int standingOut(const Canvas& with, const Canvas& without, hgeRect box) {
        int n = 0;
        for (int y = int(box.y1) - 6; y < int(box.y2) + 6; ++y)
            for (int x = int(box.x1) - 6; x < int(box.x2) + 6; ++x)
                if (contrast(rgbOf(pixelAt(with.argb, with.width, x, y)),
                             rgbOf(pixelAt(without.argb, without.width, x, y))) >= SHAPECONTRAST)
                    ++n;
        return n;
    }
};

// A grid over both fields (clear of the HUD columns, the divider, the vehicles and the
// hint box's corner) where the three kinds take turns, so each kind meets every part of
// the picture across the rounds of placing.
// Every other row at a time, so that the bullets' trails stay within the particle
// manager's hundred systems.
std::vector<Sample> grid(int turn, int half, float bulletSize) {
    std::vector<Sample> out;
    int k = turn, row = 0;
    for (float y = 40; y <= 424; y += 32, ++row)
        for (float x = 112; x <= 672; x += 40, ++k) {
            if (x > 376 && x < 412) continue;
            if (row % 2 != half) continue;
            const Kind kind = static_cast<Kind>(k % KINDS);
            const float size = kind == COIN ? COINBOX : bulletSize;
            out.push_back({kind, hgeRect(x, y, x + size, y + size)});
        }
    return out;
}

TEST_F(SdlFieldSprites, BulletsAndCoinsStandOutOnEveryField) {
    ASSERT_NE(font1, nullptr) << "the resource pack did not load";
    int locationsSeen = 0;
    for (const Field& field : FIELDS) {
        startMatch(field.opp);
        hgeSprite* picture = myRes->GetSprite(field.picture);
        ASSERT_NE(picture, nullptr) << field.picture;
        spr[SPR_BG] = picture;
        locationsSeen += field.picture[3] == 0;
        // The weakest sample of each kind on this field, over every vehicle's gun colour
        // and the coins' three colours, each at its widest and its most turned frame.
        struct Weakest {
            int spare = 1 << 30;
            std::string where;
        } weakest[KINDS];
        clearField();
        const Canvas without = draw();
        for (int veh = 0; veh < MAXVEHICLES; ++veh) {
            selectedVeh = veh;
            pl[0].getCurParticle(0);
            const float bulletSize = pl[0].shotSizeX;
            for (int turn = 0; turn < 2 * KINDS; ++turn) {
                const int colour = (veh + turn) % 3;
                const int coinFrame = veh % 2 == 0 ? 0 : 4;
                for (int c = 0; c < 3; ++c)
                    if (anim[c]) anim[c]->SetFrame(coinFrame);
                clearField();
                const std::vector<Sample> samples = grid(turn / 2, turn % 2, bulletSize);
                for (const Sample& s : samples) place(s, colour);
                // The newest few particles of each bullet's trail, as they glow round its box.
                for (int f = 0; f < 3; ++f)
                    if (psmgr) psmgr->Update(0.01f);
                const Canvas with = draw();
                for (const Sample& s : samples) {
                    const int need = static_cast<int>((s.box.x2 - s.box.x1) * (s.box.y2 - s.box.y1) / 4);
                    const int spare = standingOut(with, without, s.box) - need;
                    if (spare >= weakest[s.kind].spare) continue;
                    char where[96];
                    std::snprintf(where, sizeof where, "vehicle %d, coin colour %d, frame %d, at %.0f,%.0f", veh,
                                  colour, coinFrame, s.box.x1, s.box.y1);
                    weakest[s.kind] = {spare, where};
                }
            }
        }
        for (int k = 0; k < KINDS; ++k)
            EXPECT_GE(weakest[k].spare, 0) << KINDNAMES[k] << " gets lost on " << field.picture << " ("
                                           << weakest[k].where << ")";
        std::printf("%-5s spare pixels at 3:1: bullet %d, opponent's bullet %d, coin %d\n", field.picture,
                    weakest[HUMANBULLET].spare, weakest[OPPBULLET].spare, weakest[COIN].spare);
    }
    EXPECT_EQ(locationsSeen, LOCATIONS);
}

}  // namespace
