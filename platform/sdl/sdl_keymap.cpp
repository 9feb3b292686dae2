#include "platform/sdl/sdl_keymap.h"

#include <array>

#include "platform/core/input_state.h"

namespace {
struct KeyRow {
    SDL_Scancode scancode;
    int key;
};

// Single keys; the letter, digit, F-key and numpad runs are filled by loops below.
// Punctuation follows the US layout, by physical position.
constexpr KeyRow KEY_ROWS[] = {
    {SDL_SCANCODE_RETURN, vk::ENTER},       {SDL_SCANCODE_KP_ENTER, vk::ENTER},
    {SDL_SCANCODE_ESCAPE, vk::ESCAPE},      {SDL_SCANCODE_BACKSPACE, vk::BACKSPACE},
    {SDL_SCANCODE_TAB, vk::TAB},            {SDL_SCANCODE_SPACE, vk::SPACE},
    {SDL_SCANCODE_MINUS, vk::MINUS},        {SDL_SCANCODE_EQUALS, vk::EQUALS},
    {SDL_SCANCODE_LEFTBRACKET, vk::LBRACKET}, {SDL_SCANCODE_RIGHTBRACKET, vk::RBRACKET},
    {SDL_SCANCODE_BACKSLASH, vk::BACKSLASH}, {SDL_SCANCODE_NONUSHASH, vk::BACKSLASH},
    {SDL_SCANCODE_SEMICOLON, vk::SEMICOLON}, {SDL_SCANCODE_APOSTROPHE, vk::APOSTROPHE},
    {SDL_SCANCODE_GRAVE, vk::GRAVE},        {SDL_SCANCODE_COMMA, vk::COMMA},
    {SDL_SCANCODE_PERIOD, vk::PERIOD},      {SDL_SCANCODE_SLASH, vk::SLASH},
    {SDL_SCANCODE_CAPSLOCK, vk::CAPSLOCK},  {SDL_SCANCODE_SCROLLLOCK, vk::SCROLLLOCK},
    {SDL_SCANCODE_PAUSE, vk::PAUSE},        {SDL_SCANCODE_INSERT, vk::INSERT},
    {SDL_SCANCODE_HOME, vk::HOME},          {SDL_SCANCODE_PAGEUP, vk::PGUP},
    {SDL_SCANCODE_DELETE, vk::DEL},         {SDL_SCANCODE_END, vk::END},
    {SDL_SCANCODE_PAGEDOWN, vk::PGDN},      {SDL_SCANCODE_RIGHT, vk::RIGHT},
    {SDL_SCANCODE_LEFT, vk::LEFT},          {SDL_SCANCODE_DOWN, vk::DOWN},
    {SDL_SCANCODE_UP, vk::UP},              {SDL_SCANCODE_NUMLOCKCLEAR, vk::NUMLOCK},
    {SDL_SCANCODE_KP_DIVIDE, vk::DIVIDE},   {SDL_SCANCODE_KP_MULTIPLY, vk::MULTIPLY},
    {SDL_SCANCODE_KP_MINUS, vk::SUBTRACT},  {SDL_SCANCODE_KP_PLUS, vk::ADD},
    {SDL_SCANCODE_KP_PERIOD, vk::DECIMAL},  {SDL_SCANCODE_KP_0, vk::NUMPAD0},
    {SDL_SCANCODE_APPLICATION, vk::APPS},
    {SDL_SCANCODE_LSHIFT, vk::SHIFT},       {SDL_SCANCODE_RSHIFT, vk::SHIFT},
    {SDL_SCANCODE_LCTRL, vk::CTRL},         {SDL_SCANCODE_RCTRL, vk::CTRL},
    {SDL_SCANCODE_LALT, vk::ALT},           {SDL_SCANCODE_RALT, vk::ALT},
    {SDL_SCANCODE_LGUI, vk::LWIN},          {SDL_SCANCODE_RGUI, vk::RWIN},
};

struct ScancodeTable {
    std::array<int, SDL_NUM_SCANCODES> keys{};
    ScancodeTable() {
        for (int i = 0; i < 26; ++i) keys[SDL_SCANCODE_A + i] = vk::KEYA + i;
        // SDL orders the digit row 1..9, 0; so does the numpad.
        for (int i = 0; i < 9; ++i) {
            keys[SDL_SCANCODE_1 + i] = vk::KEY0 + 1 + i;
            keys[SDL_SCANCODE_KP_1 + i] = vk::NUMPAD0 + 1 + i;
        }
        keys[SDL_SCANCODE_0] = vk::KEY0;
        for (int i = 0; i < 12; ++i) keys[SDL_SCANCODE_F1 + i] = vk::F1 + i;
        for (const KeyRow& row : KEY_ROWS) keys[row.scancode] = row.key;
    }
};
}  // namespace

int virtualKeyFromScancode(SDL_Scancode scancode) {
    static const ScancodeTable table;
    if (scancode < 0 || scancode >= SDL_NUM_SCANCODES) return 0;
    return table.keys[scancode];
}

int virtualKeyFromMouseButton(int button) {
    switch (button) {
        case SDL_BUTTON_LEFT: return vk::LBUTTON;
        case SDL_BUTTON_RIGHT: return vk::RBUTTON;
        case SDL_BUTTON_MIDDLE: return vk::MBUTTON;
        default: return 0;
    }
}

// Fire, boost and the three card keys sit where a player's thumbs rest.
int virtualKeyFromControllerButton(SDL_GameControllerButton button) {
    switch (button) {
        case SDL_CONTROLLER_BUTTON_DPAD_LEFT: return vk::LEFT;
        case SDL_CONTROLLER_BUTTON_DPAD_RIGHT: return vk::RIGHT;
        case SDL_CONTROLLER_BUTTON_DPAD_UP: return vk::UP;
        case SDL_CONTROLLER_BUTTON_DPAD_DOWN: return vk::DOWN;
        case SDL_CONTROLLER_BUTTON_A: return vk::SPACE;
        case SDL_CONTROLLER_BUTTON_B: return vk::SHIFT;
        case SDL_CONTROLLER_BUTTON_X: return vk::KEY0 + 1;
        case SDL_CONTROLLER_BUTTON_Y: return vk::KEY0 + 2;
        case SDL_CONTROLLER_BUTTON_RIGHTSHOULDER: return vk::KEY0 + 3;
        case SDL_CONTROLLER_BUTTON_LEFTSHOULDER: return vk::BACKSLASH;
        case SDL_CONTROLLER_BUTTON_BACK: return vk::BACKSPACE;
        case SDL_CONTROLLER_BUTTON_START: return vk::ESCAPE;
        default: return 0;
    }
}
