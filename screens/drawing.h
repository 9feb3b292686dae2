// The small drawing functions every screen uses: filled and bordered rectangles, the
// framed box, aligned text and the two word wraps, and the layout of a card.
#pragma once

#include <string>

#include "platform/hge.h"
#include "toolkit/hgerect.h"

class hgeFont;
class hgeSprite;

// Places inside a 90 x 120 card, relative to its top-left corner.
inline const hgeRect CARDNAMEPOS{0, 0, 82, 16};
inline const hgeRect CARDCOSTRPOS{4, 20, 28, 44};
inline const hgeRect CARDCOSTGPOS{32, 20, 56, 44};
inline const hgeRect CARDCOSTBPOS{60, 20, 84, 44};
inline const hgeRect CARDTEXTPOS{1, 44, 89, 104};
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
// Draws `text` word-wrapped into the rectangle's width, from its top-left corner down.
// A word wider than the rectangle gets a line of its own, cut at the right edge; lines
// that would pass the bottom edge are left out.
void drawTextInRect(hgeRect r, const char* text, hgeFont* font);
// Wraps `text` in place for the rectangle's width: the space before each word that
// would pass the right edge becomes a newline. A word wider than the rectangle stands on
// a line of its own. The length never changes.
void EnterfyParagraph(hgeRect r, std::string& text, hgeFont* font);

// A sprite of the resource manager by name, null without one. For the few interface
// pieces screens draw without binding them first.
hgeSprite* uiSprite(const char* name);
// The rectangle moved by the corner of `at`: a place inside a card or panel on screen.
hgeRect placeIn(hgeRect inner, hgeRect at);
