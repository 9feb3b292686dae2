// A busy round drawn through the real renderer: the HUD columns, the divider and both
// fields must show what the game put there, not a blank or single-colour canvas.
#include <filesystem>
#include <set>

#include "battle/battle_frame.h"
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
#include "tools/battle_bot.h"
#include "tools/heavy_scene.h"
#include "tools/play_folder.h"

namespace {

int frameNumber = 0;

bool playWithBot() {
    botFrame(*sdlEngine(), frameNumber++);
    updateVars(hge->Timer_GetDelta());
    return false;
}

// Distinct colours inside a rectangle of the canvas.
std::size_t colours(const std::vector<std::uint32_t>& argb, int width, hgeRect r) {
    std::set<std::uint32_t> seen;
    for (int y = int(r.y1); y < int(r.y2); ++y)
        for (int x = int(r.x1); x < int(r.x2); ++x) seen.insert(pixelAt(argb, width, x, y) & 0xFFFFFF);
    return seen.size();
}

// The strongest of a pixel's three channels: 0 red, 1 green, 2 blue.
int strongest(std::uint32_t pixel) {
    const int r = (pixel >> 16) & 0xFF, g = (pixel >> 8) & 0xFF, b = pixel & 0xFF;
    return r >= g && r >= b ? 0 : g >= b ? 1 : 2;
}

using SdlBattlePicture = SdlGameTest;

TEST_F(SdlBattlePicture, ABusyRoundFillsTheHudColumnsTheDividerAndBothFields) {
    ASSERT_NE(font1, nullptr) << "the resource pack did not load";
    selectedOpp = 0;
    selectedVeh = 0;
    selectedDeck = 0;
    newGame = true;
    initGame();
    hge->System_SetState(HGE_FRAMEFUNC, playWithBot);
    frameNumber = 0;
    for (int f = 0; f < 1200; ++f) ASSERT_TRUE(engine->runFrame(0.01f));
    ASSERT_EQ(gameMode, MODE_GAME);
    ASSERT_LE(pl[0].roundTime, 30) << "the divider is still green";
    for (Player& p : pl)
        for (int k = 0; k < 3; ++k) p.coin[k] = 0;  // a full colour frames its box in another colour

    std::vector<std::uint32_t> argb;
    int width = 0, height = 0;
    ASSERT_TRUE(hge->Gfx_BeginScene());
    hge->Gfx_Clear(0);
    renderAll();
    ASSERT_TRUE(engine->readPixels(argb, width, height));
    hge->Gfx_EndScene();
    ASSERT_EQ(width, 800);
    ASSERT_EQ(height, 600);

    EXPECT_TRUE(sameRgb(pixelAt(argb, width, 400, 300), 0x0F7D0F, 8)) << std::hex << pixelAt(argb, width, 400, 300);
    EXPECT_GT(colours(argb, width, hgeRect(0, 0, 100, 600)), 200u) << "the human's HUD";
    EXPECT_GT(colours(argb, width, hgeRect(700, 0, 800, 600)), 200u) << "the opponent's HUD";
    EXPECT_GT(colours(argb, width, hgeRect(100, 0, 396, 600)), 500u) << "the human's field";
    EXPECT_GT(colours(argb, width, hgeRect(404, 0, 700, 600)), 500u) << "the opponent's field";
    // Each coin box shows its own colour inside its frame, away from its count.
    for (int side = 0; side < 2; ++side)
        for (int k = 0; k < 3; ++k) {
            const hgeRect& box = pos[20 * side + 6 + k];
            const std::uint32_t inside = pixelAt(argb, width, int(box.x2) - 3, int(box.y2) - 3);
            EXPECT_EQ(strongest(inside), k) << "side " << side << " coin " << k << ": " << std::hex << inside;
        }
}

}  // namespace
