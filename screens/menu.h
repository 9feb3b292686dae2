// What every menu screen shares: the pulse highlight, hover tests, the direction keys
// (the configured key first, then the arrow), buttons, and labels formatted into one
// reused buffer so that drawing allocates nothing.
#pragma once

#include <initializer_list>
#include <vector>

#include "platform/hge.h"
#include "toolkit/hgerect.h"

class hgeFont;
class hgeSprite;

// Every menu's set-up: the system cursor shown, the keyboard handler started afresh.
void enterMenu();

// The pulse that marks a hovered button: alpha 0x64, red and green rising with
// `progress` at `speed` steps per tenth of a second, blue full.
constexpr int PULSE_TITLE = 20;
constexpr int PULSE_BUTTON = 10;
DWORD pulseColor(int speed);
void drawPulse(const hgeRect& r, int speed = PULSE_BUTTON);

// mOver[i] for pos[first..last]: the pointer lies inside pos[i] this frame.
void hoverTest(int first, int last);
// Whether the pointer moved since the last call; a screen asks once a frame. A pointer
// resting on an item must not take the selection back from the keyboard.
bool pointerMoved();
// The first i in first..last with mOver[i] set, or -1.
int hovered(int first, int last);

// This frame's key for a menu (Input_GetKey), with a held direction repeated: after
// MENU_REPEATDELAY seconds, every MENU_REPEATSTEP seconds while it stays held. Call it
// once a frame.
constexpr float MENU_REPEATDELAY = 0.4f, MENU_REPEATSTEP = 0.06f;
int menuKey();

// Key tests for a key read with menuKey or Input_GetKey.
bool isUpKey(int key);
bool isDownKey(int key);
bool isLeftKey(int key);
bool isRightKey(int key);
bool isDirectionKey(int key);
bool isConfirmKey(int key);  // Enter or Space (a pad's A)
bool isBackKey(int key);     // Escape or a pad's B
// A left click that arrived this frame over pos[i].
bool clickedOn(int key, int i);
// The left button double-clicked this frame (keyboard handler screens only).
bool doubleClicked();

// A sprite of the resource manager by name, for a screen's set-up; null without one.
hgeSprite* menuSprite(const char* name);
// Opaque white, at its natural size with its corner at (x, y).
void putSprite(hgeSprite* s, float x, float y, DWORD color = 0xFFFFFFFF);
// Opaque white, stretched over the rectangle.
void stretchSprite(hgeSprite* s, const hgeRect& r, DWORD color = 0xFFFFFFFF);
// A button sprite at the rectangle's corner, pulsing while pos[i] is hovered.
void drawButton(hgeSprite* s, int i);
// A dark panel ("box" tinted) for text, and the part of it that text may fill: the
// panel's rounded edges are kept clear.
hgeRect textPanel(const hgeRect& r);
// That part of a panel, without drawing it.
hgeRect textPanelInside(const hgeRect& r);
// A framed box with one or more lines of text centred in it, pulsing while pos[i] is
// hovered; a disabled one is grey and never pulses.
void drawTextButton(int i, const char* text, hgeFont* font, DWORD inner, bool enabled = true);
// The keyboard's focus: a bright edge `margin` pixels outside the rectangle (kept on the
// screen), steady so that it reads with reduced flashing too.
constexpr DWORD FOCUSCOLOR = 0xFFFFE040;
void drawFocus(const hgeRect& r, float margin = 3);

// A screen's keyboard focus: one of its controls (pos[] places), listed in the order the
// keys walk them. Controls the screen does not offer at the moment (a hidden OK, a greyed
// button) are passed over, and the pointer moving onto a control takes the focus there.
// A screen's list of choices stands in the list as one place whose mOver the screen sets.
class MenuFocus {
public:
    using Offered = bool (*)(int place);
    explicit MenuFocus(std::initializer_list<int> places, Offered offered = nullptr);
    // Back to the first control offered.
    void reset();
    // The focused control; when it is no longer offered, the next one that is; -1 for none.
    int place() const;
    bool on(int place) const { return this->place() == place; }
    // Onto a listed control; anything else leaves the focus where it is.
    void moveTo(int place);
    // To the next (+1) or previous (-1) control offered, round the list.
    void step(int direction);
    // The offered control under the pointer (mOver), or -1.
    int underPointer() const;
    // Onto the control under the pointer when the pointer moved this frame; true then.
    bool followPointer(bool moved);
    void draw(float margin = 3) const;

private:
    bool offered(int index) const;
    int offeredFrom(int index, int direction) const;
    std::vector<int> places_;
    Offered offered_;
    int index_ = 0;
};

// The selection frame: "lifeBarFrame" stretched `margin` pixels outside the rectangle.
void drawFrame(hgeSprite* frame, const hgeRect& r, float margin = 4);

// printf into a buffer shared by every label; valid until the next call.
const char* label(const char* format, ...) __attribute__((format(printf, 1, 2)));

// One line of text no wider than `width`: drawn as it is when it fits, else cut short
// with ".." so that it never leaves its box. Align as DrawTextA.
void drawTextCut(hgeFont* font, float x, float y, const char* text, int align, float scale, DWORD color,
                 float width);
// Hours, minutes and seconds of a play time, "%.2d:%.2d:%.2d".
const char* clockText(int seconds);
