#include "screens/menu.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "platform/core/input_state.h"
#include "screens/drawing.h"
#include "shell/world.h"
#include "toolkit/hgefont.h"
#include "toolkit/hgesprite.h"

namespace {
constexpr std::size_t LABELMAX = 512;
char labelBuffer[LABELMAX];
char cutBuffer[LABELMAX];

bool optionKey(int key, int option) { return key != 0 && key == pl[0].opt[option]; }

// The direction key being repeated, and how long it has been held.
struct Repeat {
    int key = 0;
    float heldFor = 0;
};
Repeat repeat;
}  // namespace

void enterMenu() {
    hge->System_SetState(HGE_HIDEMOUSE, false);
    // The handler is not updated outside the menus: start from a clean state so that a
    // key held or clicked on an earlier screen makes no edge or double click here.
    myKH = keyHandler();
    repeat = Repeat{};
}

int menuKey() {
    const int key = hge->Input_GetKey();
    if (key != 0) {
        repeat = isDirectionKey(key) ? Repeat{key, 0} : Repeat{};
        return key;
    }
    if (repeat.key == 0) return 0;
    if (!hge->Input_GetKeyState(repeat.key)) {
        repeat = Repeat{};
        return 0;
    }
    const float before = repeat.heldFor;
    repeat.heldFor += hge->Timer_GetDelta();
    // Repeats due by a time held: the first at the delay, then one a step. The small
    // allowance keeps a sum of frame times just short of a step from missing it.
    const auto due = [](float held) {
        const float past = held - MENU_REPEATDELAY;
        return past < -1e-4f ? -1 : static_cast<int>(std::max(past, 0.0f) / MENU_REPEATSTEP + 1e-3f);
    };
    return due(repeat.heldFor) > due(before) ? repeat.key : 0;
}

DWORD pulseColor(int speed) {
    const DWORD c = static_cast<DWORD>(static_cast<int>(progress) * speed % 255);
    return ARGB(0x64, c, c, 0xFF);
}

void drawPulse(const hgeRect& r, int speed) { drawRect(r, pulseColor(speed)); }

void hoverTest(int first, int last) {
    for (int i = first; i <= last; ++i) mOver[i] = pos[i].TestPoint(mousePos.x, mousePos.y);
}

bool pointerMoved() {
    static MousePos last{-1, -1};
    const bool moved = mousePos.x != last.x || mousePos.y != last.y;
    last = mousePos;
    return moved;
}

int hovered(int first, int last) {
    for (int i = first; i <= last; ++i)
        if (mOver[i]) return i;
    return -1;
}

bool isUpKey(int key) { return optionKey(key, OPT_KEYUP) || key == vk::UP; }
bool isDownKey(int key) { return optionKey(key, OPT_KEYDOWN) || key == vk::DOWN; }
bool isLeftKey(int key) { return optionKey(key, OPT_KEYLEFT) || key == vk::LEFT; }
bool isRightKey(int key) { return optionKey(key, OPT_KEYRIGHT) || key == vk::RIGHT; }
bool isDirectionKey(int key) { return isUpKey(key) || isDownKey(key) || isLeftKey(key) || isRightKey(key); }
bool isConfirmKey(int key) { return key == vk::ENTER || key == vk::SPACE; }
bool isBackKey(int key) { return key == vk::ESCAPE || key == vk::PADBACK; }
bool clickedOn(int key, int i) { return key == vk::LBUTTON && mOver[i]; }
bool doubleClicked() { return myKH.keyIsDoubleClicked(vk::LBUTTON); }

hgeSprite* menuSprite(const char* name) { return uiSprite(name); }

void putSprite(hgeSprite* s, float x, float y, DWORD color) {
    if (!s) return;
    s->SetColor(color);
    s->SetHotSpot(0, 0);
    s->Render(x, y);
}

void stretchSprite(hgeSprite* s, const hgeRect& r, DWORD color) {
    if (!s) return;
    s->SetColor(color);
    s->RenderStretch(r.x1, r.y1, r.x2, r.y2);
}

void drawFocus(const hgeRect& r, float margin) {
    constexpr float WIDTH = 2;
    // An edge that would leave the screen is drawn along its border instead.
    const float x1 = std::max(r.x1 - margin, WIDTH), y1 = std::max(r.y1 - margin, WIDTH);
    const float x2 = std::min(r.x2 + margin, SCREEN_WIDTH - WIDTH), y2 = std::min(r.y2 + margin, SCREEN_HEIGHT - WIDTH);
    drawRect(hgeRect(x1 - WIDTH, y1 - WIDTH, x2 + WIDTH, y1), FOCUSCOLOR);
    drawRect(hgeRect(x1 - WIDTH, y2, x2 + WIDTH, y2 + WIDTH), FOCUSCOLOR);
    drawRect(hgeRect(x1 - WIDTH, y1, x1, y2), FOCUSCOLOR);
    drawRect(hgeRect(x2, y1, x2 + WIDTH, y2), FOCUSCOLOR);
}

MenuFocus::MenuFocus(std::initializer_list<int> places, Offered offered) : places_(places), offered_(offered) {}

bool MenuFocus::offered(int index) const { return !offered_ || offered_(places_[static_cast<std::size_t>(index)]); }

int MenuFocus::offeredFrom(int index, int direction) const {
    const int n = static_cast<int>(places_.size());
    for (int k = 0; k < n; ++k) {
        const int i = ((index + direction * k) % n + n) % n;
        if (offered(i)) return i;
    }
    return -1;
}

void MenuFocus::reset() { index_ = std::max(offeredFrom(0, 1), 0); }

int MenuFocus::place() const {
    const int i = offeredFrom(index_, 1);
    return i < 0 ? -1 : places_[static_cast<std::size_t>(i)];
}

void MenuFocus::moveTo(int place) {
    const auto at = std::find(places_.begin(), places_.end(), place);
    if (at != places_.end()) index_ = static_cast<int>(at - places_.begin());
}

void MenuFocus::step(int direction) {
    const int from = offeredFrom(index_, 1);
    if (from < 0) return;
    const int n = static_cast<int>(places_.size());
    index_ = std::max(offeredFrom(((from + direction) % n + n) % n, direction), 0);
}

int MenuFocus::underPointer() const {
    for (std::size_t i = 0; i < places_.size(); ++i)
        if (mOver[places_[i]] && offered(static_cast<int>(i))) return places_[i];
    return -1;
}

bool MenuFocus::followPointer(bool moved) {
    const int over = underPointer();
    if (!moved || over < 0) return false;
    moveTo(over);
    return true;
}

void MenuFocus::draw(float margin) const {
    const int p = place();
    if (p >= 0) drawFocus(pos[p], margin);
}

void drawButton(hgeSprite* s, int i) {
    putSprite(s, pos[i].x1, pos[i].y1);
    if (mOver[i]) drawPulse(pos[i]);
}

hgeRect textPanel(const hgeRect& r) {
    UIbox(r, 0xFF3A3F5A);
    return textPanelInside(r);
}

hgeRect textPanelInside(const hgeRect& r) { return hgeRect(r.x1 + 20, r.y1 + 10, r.x2 - 20, r.y2 - 8); }

void drawTextButton(int i, const char* text, hgeFont* font, DWORD inner, bool enabled) {
    const hgeRect& r = pos[i];
    drawRectB(r, 0xFF000000, enabled ? inner : 0xFF505050, 2);
    if (enabled && mOver[i]) drawPulse(r);
    if (!font || !text) return;
    setFontStyle(font, 1, enabled ? 0xFFFFFFFF : 0xFF9A9A9A);
    const float lines = 1 + static_cast<float>(std::count(text, text + std::strlen(text), '\n'));
    font->Render((r.x1 + r.x2) / 2, (r.y1 + r.y2 - font->GetHeight() * lines) / 2, text, HGETEXT_CENTER);
}

void drawFrame(hgeSprite* frame, const hgeRect& r, float margin) {
    stretchSprite(frame, hgeRect(r.x1 - margin, r.y1 - margin, r.x2 + margin, r.y2 + margin));
}

const char* label(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::vsnprintf(labelBuffer, LABELMAX, format, args);
    va_end(args);
    return labelBuffer;
}

void drawTextCut(hgeFont* font, float x, float y, const char* text, int align, float scale, DWORD color,
                 float width) {
    if (!font || !text) return;
    setFontStyle(font, scale, color);
    if (font->GetStringWidth(text) <= width) {
        DrawTextA(font, x, y, text, align, scale, color);
        return;
    }
    std::size_t n = std::min(std::strlen(text), LABELMAX - 3);
    const float dots = font->GetStringWidth("..");
    while (n > 0 && font->GetStringWidth(text, n) + dots > width) --n;
    std::memcpy(cutBuffer, text, n);
    std::memcpy(cutBuffer + n, "..", 3);
    DrawTextA(font, x, y, cutBuffer, align, scale, color);
}

const char* clockText(int seconds) {
    static char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.2d:%.2d:%.2d", seconds / 3600, seconds / 60 % 60, seconds % 60);
    return buffer;
}
