// Input built from SDL events, as the game reads it: held keys and the key of the frame
// in virtual-key numbers, their names, the mouse in canvas coordinates, controllers.
#include "platform/core/input_state.h"
#include "platform/sdl/sdl_keymap.h"
#include "sdl_test_support.h"

namespace {
SDL_Event keyEvent(Uint32 type, SDL_Scancode scancode) {
    SDL_Event e{};
    e.type = type;
    e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    e.key.keysym.scancode = scancode;
    return e;
}

SDL_Event buttonEvent(Uint32 type, Uint32 window, Uint8 button, int x, int y) {
    SDL_Event e{};
    e.type = type;
    e.button.windowID = window;
    e.button.button = button;
    e.button.x = x;
    e.button.y = y;
    return e;
}

SDL_Event padButton(SDL_JoystickID pad, SDL_GameControllerButton button, bool down) {
    SDL_Event e{};
    e.type = down ? SDL_CONTROLLERBUTTONDOWN : SDL_CONTROLLERBUTTONUP;
    e.cbutton.which = pad;
    e.cbutton.button = static_cast<Uint8>(button);
    return e;
}

SDL_Event padAxis(SDL_JoystickID pad, SDL_GameControllerAxis axis, Sint16 value) {
    SDL_Event e{};
    e.type = SDL_CONTROLLERAXISMOTION;
    e.caxis.which = pad;
    e.caxis.axis = static_cast<Uint8>(axis);
    e.caxis.value = value;
    return e;
}
}  // namespace

TEST(SdlKeyMap, ScancodesAndButtonsBecomeVirtualKeys) {
    const struct {
        SDL_Scancode scancode;
        int key;
        const char* name;
    } rows[] = {
        {SDL_SCANCODE_A, 65, "A"},          {SDL_SCANCODE_0, 48, "0"},
        {SDL_SCANCODE_9, 57, "9"},          {SDL_SCANCODE_KP_ENTER, 13, "Enter"},
        {SDL_SCANCODE_RSHIFT, 16, "Shift"}, {SDL_SCANCODE_RALT, 18, "Alt"},
        {SDL_SCANCODE_LEFT, 37, "Left Arrow"}, {SDL_SCANCODE_KP_0, 96, "Numpad 0"},
        {SDL_SCANCODE_KP_9, 105, "Numpad 9"}, {SDL_SCANCODE_F1, 112, "F1"},
        {SDL_SCANCODE_F12, 123, "F12"},     {SDL_SCANCODE_BACKSLASH, 220, "\\"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(virtualKeyFromScancode(row.scancode), row.key) << SDL_GetScancodeName(row.scancode);
        EXPECT_STREQ(virtualKeyName(row.key), row.name);
    }
    EXPECT_EQ(virtualKeyFromScancode(SDL_SCANCODE_UNKNOWN), 0);
    EXPECT_EQ(virtualKeyFromScancode(static_cast<SDL_Scancode>(SDL_NUM_SCANCODES + 5)), 0);
    EXPECT_EQ(virtualKeyFromMouseButton(SDL_BUTTON_LEFT), 1);
    EXPECT_EQ(virtualKeyFromMouseButton(SDL_BUTTON_RIGHT), 2);
    EXPECT_EQ(virtualKeyFromMouseButton(SDL_BUTTON_MIDDLE), 4);
    EXPECT_EQ(virtualKeyFromMouseButton(SDL_BUTTON_X1), 0);
}

using SdlInputTest = SdlEngineTest;

TEST_F(SdlInputTest, EventsDriveHeldKeysAndTheKeyOfEachFrame) {
    const Uint32 window = SDL_GetWindowID(engine->window());
    runFrames(5, [&](int frame) {
        switch (frame) {
            case 1:
                pushEvent(keyEvent(SDL_KEYDOWN, SDL_SCANCODE_BACKSLASH));
                pushEvent(keyEvent(SDL_KEYDOWN, SDL_SCANCODE_F1));
                pushEvent(keyEvent(SDL_KEYDOWN, SDL_SCANCODE_LSHIFT));
                pushEvent(keyEvent(SDL_KEYDOWN, SDL_SCANCODE_RSHIFT));
                pushEvent(buttonEvent(SDL_MOUSEBUTTONDOWN, window, SDL_BUTTON_RIGHT, 120, 80));
                break;
            case 2:
                EXPECT_EQ(hge->Input_GetKey(), 220);
                for (int key : {220, 112, 16, 2}) EXPECT_TRUE(hge->Input_GetKeyState(key)) << key;
                pushEvent(keyEvent(SDL_KEYUP, SDL_SCANCODE_LSHIFT));
                pushEvent(buttonEvent(SDL_MOUSEBUTTONUP, window, SDL_BUTTON_RIGHT, 120, 80));
                break;
            case 3: {
                // A press that came in the same frame as another is delivered later, not lost.
                EXPECT_EQ(hge->Input_GetKey(), 112);
                EXPECT_TRUE(hge->Input_GetKeyState(16)) << "the right Shift still holds Shift";
                EXPECT_FALSE(hge->Input_GetKeyState(2));
                float x = 0, y = 0;
                hge->Input_GetMousePos(&x, &y);
                EXPECT_EQ(x, 120);
                EXPECT_EQ(y, 80);
                pushEvent(keyEvent(SDL_KEYUP, SDL_SCANCODE_RSHIFT));
                SDL_Event focus{};
                focus.type = SDL_WINDOWEVENT;
                focus.window.windowID = window;
                focus.window.event = SDL_WINDOWEVENT_FOCUS_LOST;
                pushEvent(focus);
                break;
            }
            case 4:
                EXPECT_FALSE(hge->Input_GetKeyState(16));
                EXPECT_FALSE(hge->Input_GetKeyState(220)) << "losing focus lets go of every key";
                EXPECT_FALSE(hge->Input_GetKeyState(112));
                break;
        }
        return false;
    });
}

TEST_F(SdlInputTest, WindowStatesApplyWhileRunning) {
    EXPECT_STREQ(SDL_GetWindowTitle(engine->window()), "Korvania 2:  Battle");
    hge->System_SetState(HGE_HIDEMOUSE, true);
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_DISABLE);
    hge->System_SetState(HGE_HIDEMOUSE, false);
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_ENABLE);
    // Alt+Enter switches to full screen and is not an Enter for the game.
    runFrames(2, [&](int frame) {
        if (frame == 1) {
            SDL_Event e = keyEvent(SDL_KEYDOWN, SDL_SCANCODE_RETURN);
            e.key.keysym.mod = KMOD_LALT;
            pushEvent(e);
        } else {
            EXPECT_EQ(hge->Input_GetKey(), 0);
            EXPECT_FALSE(hge->Input_GetKeyState(13));
        }
        return false;
    });
    EXPECT_FALSE(hge->System_GetState(HGE_WINDOWED));
    EXPECT_TRUE(SDL_GetWindowFlags(engine->window()) & SDL_WINDOW_FULLSCREEN_DESKTOP);
}

TEST_F(SdlInputTest, MouseIsInCanvasCoordinatesInALetterboxedWindow) {
    // A wider window: the canvas keeps scale 1 with 100-pixel bars left and right.
    SDL_SetWindowSize(engine->window(), 1000, 600);
    const Uint32 window = SDL_GetWindowID(engine->window());
    runFrames(2, [&](int frame) {
        if (frame == 1) {
            SDL_Event motion{};
            motion.type = SDL_MOUSEMOTION;
            motion.motion.windowID = window;
            motion.motion.x = 150;
            motion.motion.y = 70;
            pushEvent(motion);
        } else {
            float x = 0, y = 0;
            hge->Input_GetMousePos(&x, &y);
            EXPECT_EQ(x, 50);
            EXPECT_EQ(y, 70);
        }
        return false;
    });
}

TEST_F(SdlInputTest, ControllersPlayLikeTheKeyboard) {
    constexpr SDL_JoystickID PAD = 7;
    runFrames(7, [&](int frame) {
        switch (frame) {
            case 1:
                pushEvent(padButton(PAD, SDL_CONTROLLER_BUTTON_LEFTSHOULDER, true));
                pushEvent(padButton(PAD, SDL_CONTROLLER_BUTTON_A, true));
                pushEvent(padAxis(PAD, SDL_CONTROLLER_AXIS_LEFTX, -20000));
                pushEvent(padButton(PAD, SDL_CONTROLLER_BUTTON_DPAD_LEFT, true));
                break;
            case 2:
                EXPECT_EQ(hge->Input_GetKey(), 220);
                EXPECT_TRUE(hge->Input_GetKeyState(32));
                EXPECT_TRUE(hge->Input_GetKeyState(37));
                // A stick drifting back a little still holds the arrow.
                pushEvent(padAxis(PAD, SDL_CONTROLLER_AXIS_LEFTX, -10000));
                break;
            case 3:
                EXPECT_TRUE(hge->Input_GetKeyState(37));
                pushEvent(padAxis(PAD, SDL_CONTROLLER_AXIS_LEFTX, 0));
                break;
            case 4:
                EXPECT_TRUE(hge->Input_GetKeyState(37)) << "the d-pad still holds Left";
                pushEvent(padButton(PAD, SDL_CONTROLLER_BUTTON_DPAD_LEFT, false));
                pushEvent(padAxis(PAD, SDL_CONTROLLER_AXIS_LEFTY, 30000));
                break;
            case 5:
                EXPECT_FALSE(hge->Input_GetKeyState(37));
                EXPECT_TRUE(hge->Input_GetKeyState(40));
                pushEvent(padAxis(PAD, SDL_CONTROLLER_AXIS_LEFTY, 2000));
                pushEvent(padButton(PAD, SDL_CONTROLLER_BUTTON_A, false));
                break;
            case 6:
                EXPECT_FALSE(hge->Input_GetKeyState(40));
                EXPECT_FALSE(hge->Input_GetKeyState(32));
                break;
        }
        return false;
    });
}

// The menus repeat keys themselves: the system's repeats would come at its own pace.
TEST_F(SdlInputTest, SystemRepeatsAreDroppedAndPadBGoesBackBeforeItHoldsShift) {
    constexpr SDL_JoystickID PAD = 3;
    runFrames(5, [&](int frame) {
        switch (frame) {
            case 1: {
                SDL_Event repeat = keyEvent(SDL_KEYDOWN, SDL_SCANCODE_DOWN);
                pushEvent(keyEvent(SDL_KEYDOWN, SDL_SCANCODE_DOWN));
                repeat.key.repeat = 1;
                pushEvent(repeat);
                pushEvent(repeat);
                break;
            }
            case 2:
                EXPECT_EQ(hge->Input_GetKey(), 40);
                pushEvent(padButton(PAD, SDL_CONTROLLER_BUTTON_B, true));
                break;
            case 3:
                EXPECT_EQ(hge->Input_GetKey(), vk::PADBACK) << "no repeat of Down came first";
                EXPECT_TRUE(hge->Input_GetKeyState(vk::SHIFT));
                EXPECT_FALSE(hge->Input_GetKeyState(vk::PADBACK)) << "held by nothing";
                break;
            case 4:
                EXPECT_EQ(hge->Input_GetKey(), vk::SHIFT);
                break;
        }
        return false;
    });
}

TEST_F(SdlInputTest, ClosingTheWindowEndsTheLoop) {
    const int frames = runFrames(50, [&](int frame) {
        if (frame == 2) {
            SDL_Event quit{};
            quit.type = SDL_QUIT;
            pushEvent(quit);
        }
        return false;
    });
    EXPECT_EQ(frames, 2);
}
