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
    std::size_t line = 0;       // first character of the line being built
    std::size_t lastSpace = 0;  // the space the line breaks at when canBreak
    bool canBreak = false;
    std::size_t p = 0;
    for (;;) {
        // Text that runs past the bottom of the box is cut there.
        if (y + lineHeight > r.y2 + 0.5f) return;
        const std::size_t end = wordEnd(text, p);
        const std::size_t length = end - line;
        if (font->GetStringWidth(text + line, length) > width) {
            if (canBreak) {
                drawLine(font, r.x1, y, text + line, lastSpace - line);
                line = p = lastSpace + 1;
                canBreak = false;
            } else {
                drawLine(font, r.x1, y, text + line, fittingPrefix(font, text + line, length, width));
                if (!text[end]) return;
                line = p = end + 1;
            }
            y += lineHeight;
            continue;
        }
        if (!text[end]) {
            if (length) drawLine(font, r.x1, y, text + line, length);
            return;
        }
        if (text[end] == '\n') {
            drawLine(font, r.x1, y, text + line, length);
            y += lineHeight;
            line = p = end + 1;
            canBreak = false;
            continue;
        }
        lastSpace = end;
        canBreak = true;
        p = end + 1;
    }
}

void EnterfyParagraph(hgeRect r, std::string& text, hgeFont* font) {
    if (!font) return;
    const float width = r.x2 - r.x1;
    const char* s = text.c_str();
    std::size_t line = 0, lastSpace = 0, p = 0;
    bool canBreak = false;
    for (;;) {
        const std::size_t end = wordEnd(s, p);
        if (font->GetStringWidth(s + line, end - line) > width) {
            if (canBreak) {
                text[lastSpace] = '\n';
                line = p = lastSpace + 1;
                canBreak = false;
                continue;
            }
            // A lone word too wide: the line ends after it.
            if (!s[end]) return;
            text[end] = '\n';
            line = p = end + 1;
            continue;
        }
        if (!s[end]) return;
        if (s[end] == '\n') {
            line = p = end + 1;
            canBreak = false;
            continue;
        }
        lastSpace = end;
        canBreak = true;
        p = end + 1;
    }
}

hgeRect placeIn(hgeRect inner, hgeRect at) {
    return hgeRect(at.x1 + inner.x1, at.y1 + inner.y1, at.x1 + inner.x2, at.y1 + inner.y2);
}
