#include "screens/drawing.h"

#include <algorithm>
#include <cstring>

#include "shell/world.h"
#include "toolkit/hgefont.h"
#include "toolkit/hgeresource.h"
#include "toolkit/hgesprite.h"

namespace {

constexpr std::size_t LINEMAX = 255;

// Draws text[0, length) as one left-aligned line, from a stack copy so nothing is allocated.
void drawLine(hgeFont* font, float x, float y, const char* text, std::size_t length) {
    char line[LINEMAX + 1];
    length = std::min(length, LINEMAX);
    std::memcpy(line, text, length);
    line[length] = '\0';
    font->Render(x, y, line, HGETEXT_LEFT);
}

// How many leading characters of a word fit into `width`; at least one, so the wrap
// always moves on.
std::size_t fittingPrefix(const hgeFont* font, const char* word, std::size_t length, float width) {
    std::size_t n = length;
    while (n > 1 && font->GetStringWidth(word, n) > width) --n;
    return n;
}

std::size_t wordEnd(const char* text, std::size_t from) {
    while (text[from] && text[from] != ' ' && text[from] != '\n') ++from;
    return from;
}

// Walks `text` as it wraps into `width`, calling onLine(start, length, end) for each line in
// order; `end` is the index of the space, newline or terminator that ends it. A line ends
// at a newline or at the last space that still fits; a word wider than `width` ends its
// own line, so the walk always moves on.
template <class OnLine>
void wrapLines(const hgeFont* font, const char* text, float width, OnLine onLine) {
    std::size_t line = 0, lastSpace = 0, p = 0;
    bool canBreak = false;
    for (;;) {
        const std::size_t end = wordEnd(text, p);
        const bool tooWide = font->GetStringWidth(text + line, end - line) > width;
        if (tooWide || !text[end] || text[end] == '\n') {
            const std::size_t breakAt = tooWide && canBreak ? lastSpace : end;
            onLine(line, breakAt - line, breakAt);
            if (!text[breakAt]) return;
            line = p = breakAt + 1;
            canBreak = false;
            continue;
        }
        lastSpace = end;
        canBreak = true;
        p = end + 1;
    }
}

}  // namespace

void drawRect(hgeRect r, DWORD color) {
    if (!blankSpr) return;
    blankSpr->SetColor(color);
    blankSpr->RenderStretch(r.x1, r.y1, r.x2, r.y2);
}

void drawRectB(hgeRect r, DWORD outer, DWORD inner, float border) {
    drawRect(r, outer);
    drawRect(hgeRect(r.x1 + border, r.y1 + border, r.x2 - border, r.y2 - border), inner);
}

hgeSprite* uiSprite(const char* name) { return myRes ? myRes->GetSprite(name) : nullptr; }

void UIbox(hgeRect r, DWORD color) {
    hgeSprite* box = uiSprite("box");
    if (!box) return;
    box->SetColor(color);
    box->RenderStretch(r.x1, r.y1, r.x2, r.y2);
}

void setFontStyle(hgeFont* font, float scale, DWORD color) {
    if (!font) return;
    // Setting a colour recolours all 256 glyphs: only do it when it changes.
    if (font->GetColor() != color) font->SetColor(color);
    if (font->GetScale() != scale) font->SetScale(scale);
}

void DrawTextA(hgeFont* font, float x, float y, const char* text, int align, float scale, DWORD color) {
    if (!font || !text || (align != 0 && align != 1)) return;
    setFontStyle(font, scale, color);
    if (align == 1) {
        x -= font->GetStringWidth(text) / 2;
        y -= font->GetHeight() * scale / 2;
    }
    font->Render(static_cast<float>(static_cast<int>(x)), static_cast<float>(static_cast<int>(y)), text,
                 HGETEXT_LEFT);
}

void drawTextInRect(hgeRect r, const char* text, hgeFont* font) {
    if (!font || !text) return;
    const float width = r.x2 - r.x1;
    const float lineHeight = font->GetHeight() * font->GetScale();
    float y = r.y1;
    wrapLines(font, text, width, [&](std::size_t start, std::size_t length, std::size_t) {
        // Only the last line can be empty (text ending in a space or newline): nothing to draw.
        if (length == 0 && !text[start + length]) return;
        // Text that runs past the bottom of the box is cut there.
        if (y + lineHeight > r.y2 + 0.5f) return;
        drawLine(font, r.x1, y, text + start, fittingPrefix(font, text + start, length, width));
        y += lineHeight;
    });
}

void EnterfyParagraph(hgeRect r, std::string& text, hgeFont* font) {
    if (!font) return;
    wrapLines(font, text.c_str(), r.x2 - r.x1, [&](std::size_t, std::size_t, std::size_t end) {
        if (text[end] == ' ') text[end] = '\n';
    });
}

hgeRect placeIn(hgeRect inner, hgeRect at) {
    return hgeRect(at.x1 + inner.x1, at.y1 + inner.y1, at.x1 + inner.x2, at.y1 + inner.y2);
}
