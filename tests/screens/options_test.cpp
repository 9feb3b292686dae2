// The options screen and key dialog: each change written to "Options.ini" at once (read
// back by a fresh reader), applied at once, the defaults, and the key dialog's rules.
#include "screens/options_screen.h"
#include "shell/modes.h"
#include "tests/screens/menu_fixture.h"

namespace {

class OptionsTest : public MenuTest {
protected:
    void SetUp() override {
        MenuTest::SetUp();
        pl[0].misc[M_OPTIONS] = CF_TITLE;
        initOptionsScreen();
        frame();
    }
    void holdOn(float x, float y) {
        engine->moveMouse(x, y);
        engine->pressKey(vk::LBUTTON);
        frame(0.2f);
        frame(0.2f);
        engine->releaseKey(vk::LBUTTON);
        frame(0.2f);
    }
};

TEST_F(OptionsTest, CheckBoxesAreWrittenAndAppliedAtOnce) {
    clickOn(166);
    EXPECT_EQ(pl[0].opt[OPT_COMBO], 0);
    EXPECT_EQ(iniValue("Combo Display", "display number over enemies"), 0);
    clickOn(168);
    EXPECT_EQ(iniValue("Misc", "display score value of enemies"), 1);
    ASSERT_FALSE(hge->System_GetState(HGE_WINDOWED));
    clickOn(167);
    EXPECT_TRUE(hge->System_GetState(HGE_WINDOWED)) << "the window mode changes at once";
    EXPECT_EQ(iniValue("Misc", "Fullscreen"), 0);
    EXPECT_EQ(pl[0].opt[OPT_FULLSCREEN], 0);
}

TEST_F(OptionsTest, AltEnterElsewhereShowsOnTheCheckBoxAndPersists) {
    hge->System_SetState(HGE_WINDOWED, true);  // what Alt+Enter does in the engine
    frame();
    EXPECT_EQ(pl[0].opt[OPT_FULLSCREEN], 0);
    EXPECT_EQ(iniValue("Misc", "Fullscreen"), 0);
}

TEST_F(OptionsTest, SlidersRunFrom0To100AndSetTheVolumes) {
    holdOn(pos[164].x1, 350);
    EXPECT_EQ(pl[0].opt[OPT_VOLBGM], 0);
    EXPECT_EQ(iniValue("Volume", "music"), 0);
    holdOn(pos[164].x2 - 1, 350);
    EXPECT_EQ(pl[0].opt[OPT_VOLBGM], 100);
    holdOn(pos[165].x1 + (pos[165].x2 - pos[165].x1) / 2, 390);
    EXPECT_EQ(pl[0].opt[OPT_VOLSFX], 50);
    EXPECT_EQ(iniValue("Volume", "sound fx"), 50);
    EXPECT_EQ(hge->System_GetState(HGE_FXVOLUME), 50);
}

TEST_F(OptionsTest, TheDefaultButtonRestoresEveryValue) {
    for (int i = 0; i < NUMOPTIONS; ++i) pl[0].opt[i] = 7;
    hge->System_SetState(HGE_WINDOWED, true);
    hge->Ini_SetInt("Key Config", "fire", 7);
    clickOn(169);
    // The sync to the display is on by default only where the display offers it.
    const int expected[NUMOPTIONS] = {87, 65, 83, 68, 32, 16, 49, 50, 51, 220, 100, 100, 1, 1, 0, 8, 1, 0, 0, 1, 0};
    for (int i = 0; i < NUMOPTIONS; ++i) EXPECT_EQ(pl[0].opt[i], expected[i]) << i;
    EXPECT_EQ(iniValue("Key Config", "fire"), 32);
    EXPECT_EQ(iniValue("Misc", "Fullscreen"), 1);
    EXPECT_FALSE(hge->System_GetState(HGE_WINDOWED)) << "full screen again at once";
}

TEST_F(OptionsTest, TheKeyDialogIgnoresMouseButtonsAndEscapeChangesNothing) {
    clickOn(158);  // fire
    ASSERT_EQ(gameMode, MODE_CONFIRMKEY);
    press(vk::LBUTTON);
    press(vk::RBUTTON);
    EXPECT_EQ(gameMode, MODE_CONFIRMKEY);
    EXPECT_EQ(pl[0].opt[OPT_KEYFIRE], 32);
    press(vk::ESCAPE);
    EXPECT_EQ(gameMode, MODE_OPTIONS);
    EXPECT_EQ(pl[0].opt[OPT_KEYFIRE], 32);
    EXPECT_EQ(iniValue("Key Config", "fire"), -999) << "nothing written";
}

TEST_F(OptionsTest, ASharedKeyIsAcceptedAndTheScreenSaysWhoElseHasIt) {
    clickOn(171);  // discard
    press('X');
    EXPECT_EQ(pl[0].opt[OPT_KEYDISCARD], 'X');
    EXPECT_EQ(iniValue("Key Config", "discard"), 'X');
    clickOn(158);
    press('W');
    EXPECT_EQ(gameMode, MODE_OPTIONS);
    EXPECT_EQ(pl[0].opt[OPT_KEYFIRE], 'W');
    EXPECT_EQ(iniValue("Key Config", "fire"), 'W');
    look();
    EXPECT_NE(findText("W is also used by: move up"), nullptr);
}

// The keyboard alone reaches every control in the order they stand and uses each.
TEST_F(OptionsTest, EveryControlIsReachedAndUsedByKeysAlone) {
    press(vk::ENTER);  // the first control: "move up"
    ASSERT_EQ(gameMode, MODE_CONFIRMKEY);
    press('Q');
    EXPECT_EQ(pl[0].opt[OPT_KEYUP], 'Q');
    EXPECT_EQ(iniValue("Key Config", "move up"), 'Q');

    for (int i = 0; i < 11; ++i) press(vk::DOWN);  // past the eleven key buttons
    press(vk::LEFT);
    EXPECT_EQ(pl[0].opt[OPT_VOLBGM], 95) << "Left moves the music slider by 5";
    EXPECT_EQ(iniValue("Volume", "music"), 95);
    press(vk::DOWN);
    press(vk::RIGHT);
    EXPECT_EQ(pl[0].opt[OPT_VOLSFX], 100) << "never past the end";
    press(vk::LEFT);
    EXPECT_EQ(pl[0].opt[OPT_VOLSFX], 95);

    press(vk::DOWN);
    press(vk::ENTER);
    EXPECT_EQ(pl[0].opt[OPT_COMBO], 0);
    press(vk::DOWN);  // sync to display, not offered here
    press(vk::ENTER);
    EXPECT_EQ(iniValue("Misc", "sync to display"), -999) << "a box that is not offered takes no press";
    press(vk::DOWN);
    press(vk::SPACE);
    EXPECT_EQ(iniValue("Misc", "pixel-exact scaling"), 1);
    EXPECT_TRUE(hge->System_GetState(HGE_PIXELEXACT)) << "applied at once";
    for (int i = 0; i < 2; ++i) press(vk::DOWN);  // full screen, reduce flashing
    press(vk::SPACE);
    EXPECT_EQ(pl[0].opt[OPT_REDUCEFLASH], 1);
    EXPECT_EQ(iniValue("Misc", "reduce flashing"), 1);
    for (int i = 0; i < 2; ++i) press(vk::DOWN);  // score, pause when not focused
    press(vk::SPACE);
    EXPECT_EQ(iniValue("Misc", "pause when not focused"), 0);
    press(vk::DOWN);
    press(vk::SPACE);
    EXPECT_EQ(pl[0].opt[OPT_KEYUP], 'W') << "Default pressed by Space";
    EXPECT_EQ(pl[0].opt[OPT_FOCUSPAUSE], 1);
    EXPECT_FALSE(hge->System_GetState(HGE_PIXELEXACT));
    press(vk::DOWN);
    press(vk::ENTER);
    EXPECT_EQ(gameMode, MODE_TITLE) << "OK leaves";
}

TEST_F(OptionsTest, TheSyncBoxIsDimmedWhereNotOfferedAndAppliedAtOnceWhereItIs) {
    look();
    const int box = quadAt(pos[190].x1, pos[190].y1);
    ASSERT_GE(box, 0);
    EXPECT_NE(quads()[static_cast<std::size_t>(box)].v[0].col, 0xFFFFFFFFu);
    engine->offerSync(true);
    clickOn(190);
    EXPECT_EQ(iniValue("Misc", "sync to display"), 1);
    EXPECT_TRUE(hge->System_GetState(HGE_VSYNC));
    clickOn(190);
    EXPECT_FALSE(hge->System_GetState(HGE_VSYNC));
    clickOn(169);
    EXPECT_TRUE(hge->System_GetState(HGE_VSYNC)) << "on by default where the display offers it";
}

TEST_F(OptionsTest, TheMiscBoxesStayInTheirPanelClearOfTheButtons) {
    const hgeRect& panel = pos[153];
    for (int place : {167, 168, 173, 190, 191, 192}) {
        EXPECT_TRUE(panel.x1 < pos[place].x1 && pos[place].x2 < panel.x2 && panel.y1 < pos[place].y1 &&
                    pos[place].y2 < panel.y2)
            << place;
    }
    for (int button : {169, 170}) EXPECT_FALSE(panel.Intersect(&pos[button])) << button;
}

TEST_F(OptionsTest, TheFocusWrapsAtBothEnds) {
    press(vk::UP);  // from the first key button round to the player switch, then OK
    press(vk::UP);
    press(vk::ENTER);
    EXPECT_EQ(gameMode, MODE_TITLE);
    initOptionsScreen();
    for (int i = 0; i < 23; ++i) press(vk::DOWN);  // every control once, back to the first
    press(vk::ENTER);
    EXPECT_EQ(gameMode, MODE_CONFIRMKEY);
    EXPECT_EQ(pl[0].misc[M_KEY2CHANGE], OPT_KEYUP);
}

TEST_F(OptionsTest, AHeldArrowMovesASliderOnAndOnAndTheFocusIsDrawn) {
    for (int i = 0; i < 11; ++i) press(vk::DOWN);
    engine->pressKey(vk::LEFT);
    frame();
    EXPECT_EQ(pl[0].opt[OPT_VOLBGM], 95);
    for (int i = 0; i < 38; ++i) frame();
    EXPECT_EQ(pl[0].opt[OPT_VOLBGM], 95) << "no repeat before 0.4 s";
    frame();
    frame();
    EXPECT_EQ(pl[0].opt[OPT_VOLBGM], 90);
    for (int i = 0; i < 60; ++i) frame();
    EXPECT_EQ(pl[0].opt[OPT_VOLBGM], 40) << "then one step every 0.06 s";
    engine->releaseKey(vk::LEFT);
    for (int i = 0; i < 60; ++i) frame();
    EXPECT_EQ(pl[0].opt[OPT_VOLBGM], 40);
    look();
    const hgeRect& slider = pos[164];
    const int edge = quadAt(slider.x1 - 5, slider.y1 - 5);
    ASSERT_GE(edge, 0) << "the focus edge around the slider";
    EXPECT_EQ(quads()[static_cast<std::size_t>(edge)].v[0].col, 0xFFFFE040u);
}

TEST_F(OptionsTest, AnInstantClickOnASliderMovesIt) {
    engine->moveMouse(pos[164].x1, 350);
    frame();
    engine->pressKey(vk::LBUTTON);
    engine->releaseKey(vk::LBUTTON);  // both before the game sees a frame
    frame();
    EXPECT_EQ(pl[0].opt[OPT_VOLBGM], 0);
}

TEST_F(OptionsTest, APadsBButtonCancelsTheKeyDialogAndLeaves) {
    press(vk::ENTER);
    ASSERT_EQ(gameMode, MODE_CONFIRMKEY);
    press(vk::PADBACK);
    EXPECT_EQ(gameMode, MODE_OPTIONS);
    EXPECT_EQ(pl[0].opt[OPT_KEYUP], 'W');
    press(vk::PADBACK);
    EXPECT_EQ(gameMode, MODE_TITLE);
}

TEST_F(OptionsTest, EveryKeyNameFitsItsBoxReadably) {
    const hgeRect& box = pos[154];
    for (int code = vk::BACKSPACE; code < InputState::KEY_COUNT; ++code) {
        const char* name = virtualKeyName(code);
        if (!*name) continue;
        pl[0].opt[OPT_KEYUP] = code;
        look();
        const DrawnText* shown = findText(name);
        ASSERT_NE(shown, nullptr) << name;
        fontArial->SetScale(1);
        EXPECT_LE(fontArial->GetStringWidth(name) * shown->scale, box.x2 - box.x1 - 2) << name;
        EXPECT_GE(shown->scale, 0.7f) << name;
    }
}

TEST_F(OptionsTest, LeavingReturnsWhereTheScreenWasOpenedFrom) {
    press(vk::ESCAPE);
    EXPECT_EQ(gameMode, MODE_TITLE);
    startMatch(2);  // opened from the pause menu of a battle
    pl[0].misc[M_OPTIONS] = CF_INGAME;
    initOptionsScreen();
    press(vk::ESCAPE);
    EXPECT_EQ(gameMode, MODE_PAUSE);
}

}  // namespace
