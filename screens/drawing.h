// The small drawing functions every screen uses: filled and bordered rectangles, the
// framed box, aligned text, word-wrapped text that fits its box, and the layout of a card.
#pragma once

#include "platform/hge.h"
#include "toolkit/hgerect.h"

class hgeFont;
class hgeSprite;

// Places inside a 90 x 120 card, relative to its top-left corner. The rules text keeps
// clear of the frame picture's text panel edges (2, 44)-(88, 103) and of the type strip.
inline const hgeRect CARDNAMEPOS{0, 0, 82, 16};
inline const hgeRect CARDCOSTRPOS{4, 20, 28, 44};
inline const hgeRect CARDCOSTGPOS{32, 20, 56, 44};
inline const hgeRect CARDCOSTBPOS{60, 20, 84, 44};
inline const hgeRect CARDTEXTPOS{5, 46, 85, 101};
inline const hgeRect CARDTYPEPOS{4, 104, 88, 120};
// The sample cards of the deck selection, one row per kind of deck.
inline const hgeRect SD_1ARYCARDPOS{239, 56, 329, 176};
inline const hgeRect SD_2ARYCARDPOS{64, 216, 154, 336};
inline const hgeRect SD_3ARYCARDPOS{239, 380, 329, 498};

// A filled rectangle: the blank sprite tinted and stretched.
void drawRect(hgeRect r, DWORD color);
// `outer` over the whole rectangle, then `inner` over it shrunk by `border` on every side.
void drawRectB(hgeRect r, DWORD outer, DWORD inner, float border);
// The "box" panel sprite tinted and stretched over the rectangle.
void UIbox(hgeRect r, DWORD color);
// Align 0: left at (x, y); align 1: centred on (x, y) both ways; any other: nothing.
// Positions are cut to whole pixels. Colour and scale stay set on the font afterwards
// and are only changed when they differ.
void DrawTextA(hgeFont* font, float x, float y, const char* text, int align, float scale, DWORD color);
// Sets a font's colour and scale, each only when it differs from the current one.
void setFontStyle(hgeFont* font, float scale, DWORD color);
// The scale a word-wrapped text is drawn at in a box, and whether all of it fits there.
struct TextFit {
    float scale;
    bool fits;
};
// The largest scale, from the font's current one down in steps of 0.05 to 0.6 of it, at
// which `text` word-wrapped into the rectangle fits it: every line within its width and
// every line above its bottom. When not even the smallest fits, that one and false. The
// font's scale is left as it was.
TextFit fitTextInRect(hgeRect r, const char* text, hgeFont* font);
// Draws `text` word-wrapped into the rectangle from its top-left corner, at the scale
// fitTextInRect gives; the font's scale is set back afterwards. Only a text too long even
// at the smallest scale is cut (a word at the right edge, lines at the bottom), and each
// such text is logged once.
void drawTextInRect(hgeRect r, const char* text, hgeFont* font);

// A sprite of the resource manager by name, null without one. For the few interface
// pieces screens draw without binding them first.
hgeSprite* uiSprite(const char* name);
// The rectangle moved by the corner of `at`: a place inside a card or panel on screen.
hgeRect placeIn(hgeRect inner, hgeRect at);
