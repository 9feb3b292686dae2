// Dark plates that keep small texts readable over pictures and bright panels: every
// body text colour the menus use reaches a contrast of 4.5:1 against a plate.
#pragma once

#include "platform/hge.h"
#include "toolkit/hgerect.h"

class hgeFont;

// Near-black and nearly opaque: even a white picture behind it leaves light grey text
// above 4.5:1.
constexpr DWORD TEXTPLATE = 0xFA101418;

// The rectangle a one-line text covers when drawn with DrawTextA, grown by `pad`.
hgeRect textBounds(hgeFont* font, float x, float y, const char* text, int align, float scale, float pad);
// A plate under the text, then the text. Align as DrawTextA.
void drawPlatedText(hgeFont* font, float x, float y, const char* text, int align, float scale, DWORD color,
                    float pad = 4);
