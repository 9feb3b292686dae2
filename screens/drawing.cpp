#include "screens/drawing.h"

#include <algorithm>
#include <cstdint>
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

// Walks `text` as it wraps into `width`, calling onLine(start, length) for each line in
// order until it returns false. A line ends at a newline or at the last space that still
// fits; a word wider than `width` ends its own line, so the walk always moves on. Only the
// last line can be empty (text ending in a space or newline): it is left out.
template <class OnLine>
void wrapLines(const hgeFont* font, const char* text, float width, OnLine onLine) {
    std::size_t line = 0, lastSpace = 0, p = 0;
    bool canBreak = false;
    for (;;) {
        const std::size_t end = wordEnd(text, p);
        const bool tooWide = font->GetStringWidth(text + line, end - line) > width;
        if (tooWide || !text[end] || text[end] == '\n') {
            const std::size_t breakAt = tooWide && canBreak ? lastSpace : end;
            if ((breakAt > line || text[breakAt]) && !onLine(line, breakAt - line)) return;
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

constexpr float FITSTEP = 0.05f;
constexpr float FITFLOOR = 0.6f;     // of the font's own scale: smaller is hard to read
constexpr float BOTTOMSLACK = 0.5f;  // a line may reach half a pixel past the bottom

bool fitsAtCurrentScale(hgeRect r, const char* text, const hgeFont* font) {
    const float width = r.x2 - r.x1;
    const float lineHeight = font->GetHeight() * font->GetScale();
    float bottom = r.y1;
    bool fits = true;
    wrapLines(font, text, width, [&](std::size_t start, std::size_t length) {
        bottom += lineHeight;
        fits = bottom <= r.y2 + BOTTOMSLACK && font->GetStringWidth(text + start, length) <= width;
        return fits;
    });
    return fits;
}

// Texts already logged as cut, by a hash of their characters and box, so that a text
// drawn every frame is logged once. The memory is fixed: nothing is allocated.
constexpr std::size_t CUTMEMORY = 64;
std::uint32_t cutTexts[CUTMEMORY];
std::size_t cutCount = 0;

std::uint32_t cutHash(const char* text, hgeRect r) {
    std::uint32_t h = 2166136261u;
    auto mix = [&h](unsigned char c) { h = (h ^ c) * 16777619u; };
    for (const char* p = text; *p; ++p) mix(static_cast<unsigned char>(*p));
    for (float edge : {r.x1, r.y1, r.x2, r.y2}) {
        const int e = static_cast<int>(edge);
        mix(static_cast<unsigned char>(e));
        mix(static_cast<unsigned char>(e >> 8));
    }
    return h;
}

void logCut(const char* text, hgeRect r) {
    const std::uint32_t h = cutHash(text, r);
    if (std::find(cutTexts, cutTexts + cutCount, h) != cutTexts + cutCount) return;
    if (cutCount == CUTMEMORY) return;
    cutTexts[cutCount++] = h;
    hge->System_Log("Text cut to fit its box (%g,%g)-(%g,%g)%s: \"%s\"", r.x1, r.y1, r.x2, r.y2,
                    cutCount == CUTMEMORY ? ", further cut texts are not logged" : "", text);
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

TextFit fitTextInRect(hgeRect r, const char* text, hgeFont* font) {
    if (!font) return {1, false};
    const float own = font->GetScale();
    if (!text) return {own, true};
    // Counting steps keeps each scale an exact number of steps below the font's own.
    const int floorSteps = static_cast<int>(own * (1 - FITFLOOR) / FITSTEP + 0.001f);
    auto scaleAt = [own](int steps) { return own - FITSTEP * static_cast<float>(steps); };
    auto fitsAt = [&](int steps) {
        font->SetScale(scaleAt(steps));
        return fitsAtCurrentScale(r, text, font);
    };
    TextFit fit{own, true};
    if (!fitsAt(0)) {
        if (!fitsAt(floorSteps)) {
            fit = {scaleAt(floorSteps), false};
        } else {
            // Smaller glyphs never need more lines, so the fitting scales are all those
            // below one boundary: halve the steps between one that fails and one that fits.
            int fails = 0, fitting = floorSteps;
            while (fitting - fails > 1) {
                const int mid = (fails + fitting) / 2;
                (fitsAt(mid) ? fitting : fails) = mid;
            }
            fit = {scaleAt(fitting), true};
        }
    }
    font->SetScale(own);
    return fit;
}

void drawTextInRect(hgeRect r, const char* text, hgeFont* font) {
    if (!font || !text) return;
    const float own = font->GetScale();
    const TextFit fit = fitTextInRect(r, text, font);
    if (!fit.fits) logCut(text, r);
    font->SetScale(fit.scale);
    const float width = r.x2 - r.x1;
    const float lineHeight = font->GetHeight() * fit.scale;
    float y = r.y1;
    wrapLines(font, text, width, [&](std::size_t start, std::size_t length) {
        if (y + lineHeight > r.y2 + BOTTOMSLACK) return false;
        drawLine(font, r.x1, y, text + start, fittingPrefix(font, text + start, length, width));
        y += lineHeight;
        return true;
    });
    font->SetScale(own);
}

hgeRect placeIn(hgeRect inner, hgeRect at) {
    return hgeRect(at.x1 + inner.x1, at.y1 + inner.y1, at.x1 + inner.x2, at.y1 + inner.y2);
}
