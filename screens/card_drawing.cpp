#include "screens/card_drawing.h"

#include <algorithm>
#include <cstdio>

#include "cards/hand.h"
#include "screens/drawing.h"
#include "shell/world.h"
#include "toolkit/hgefont.h"
#include "toolkit/hgesprite.h"

namespace {

constexpr int CARDFRAMESPRITE = 1;  // spr[1 + colour class]: "card0" .. "card7"
constexpr int CARDBACKSPRITE = 9;   // "card8"
constexpr float NAMEMAXWIDTH = 80;
constexpr float NAMESHRINKSTEP = 0.05f;
constexpr const char* COSTMARKS[3] = {"costRed", "costGreen", "costBlue"};  // round, diamond, square
constexpr DWORD TYPECOLOR = 0xFFD2ECF4;
constexpr DWORD WHITE = 0xFFFFFFFF;
// How many coin marks the frame picture of each colour class carries at the right end of its
// type strip (12 px apart), which the type name keeps clear of.
constexpr int CLASSMARKS[8] = {1, 1, 1, 2, 2, 2, 3, 0};
constexpr float MARKSTEP = 12, MARKSRIGHT = 86;

// A colour with its alpha scaled by the card's fade (0..255).
DWORD faded(DWORD color, DWORD alpha) { return SETA(color, GETA(color) * alpha / 255); }

}  // namespace

void drawCoinCount(hgeRect box, int count, int colour, float alpha) {
    const DWORD a = static_cast<DWORD>(std::clamp(alpha, 0.0f, 255.0f));
    if (hgeSprite* mark = uiSprite(COSTMARKS[std::clamp(colour, 0, 2)])) {
        mark->SetColor(faded(WHITE, a));
        mark->RenderStretch(box.x1, box.y1, box.x2, box.y2);
    }
    char text[16];
    std::snprintf(text, sizeof text, "%d", count);
    const float scale = shrinkToFit(fontCoin, text, box.x2 - box.x1 - 6);
    DrawTextA(fontCoin, (box.x1 + box.x2) / 2, (box.y1 + box.y2) / 2, text, 1, scale, faded(WHITE, a));
}

float shrinkToFit(hgeFont* font, const char* text, float maxWidth) {
    if (!font || !text) return 1;
    const float saved = font->GetScale();
    font->SetScale(1);
    const float width = font->GetStringWidth(text);
    font->SetScale(saved);
    // Counting steps keeps the scale an exact multiple of the step.
    int steps = 0;
    while (steps < 19 && width * (1 - NAMESHRINKSTEP * steps) > maxWidth) ++steps;
    return 1 - NAMESHRINKSTEP * steps;
}

float cardNameScale(hgeFont* font, const char* name) { return shrinkToFit(font, name, NAMEMAXWIDTH); }

void drawCard(hgeRect r, int id, float alpha) {
    if (id == 0 || id < -1) return;
    const DWORD a = static_cast<DWORD>(std::clamp(alpha, 0.0f, 255.0f));
    if (id == -1) {
        if (hgeSprite* back = spr[CARDBACKSPRITE]) {
            back->SetColor(faded(WHITE, a));
            back->Render(r.x1, r.y1);
        }
        return;
    }
    const Card& card = cardData(id);
    const int colorClass = std::clamp(getCardColor(id), 0, CARDBACKSPRITE - 2);
    if (hgeSprite* frame = spr[CARDFRAMESPRITE + colorClass]) {
        frame->SetColor(faded(WHITE, a));
        frame->Render(r.x1, r.y1);
    }
    DrawTextA(fontSmall2, r.x1 + 8, r.y1 + 4, card.name.c_str(), 0, cardNameScale(fontSmall2, card.name.c_str()),
              faded(WHITE, a));
    setFontStyle(fontSmall2, 1, faded(WHITE, a));
    const hgeRect* costBoxes[3] = {&CARDCOSTRPOS, &CARDCOSTGPOS, &CARDCOSTBPOS};
    for (int c = 0; c < 3; ++c)
        if (card.cost[c] > 0) drawCoinCount(placeIn(*costBoxes[c], r), card.cost[c], c, static_cast<float>(a));
    drawTextInRect(placeIn(CARDTEXTPOS, r), card.text.c_str(), fontSmall2);
    const hgeRect type = placeIn(CARDTYPEPOS, r);
    const char* typeName = getTypeName(card.type);
    const float typeWidth = MARKSRIGHT - MARKSTEP * static_cast<float>(CLASSMARKS[colorClass]) - 2 - CARDTYPEPOS.x1;
    DrawTextA(fontSmall1, type.x1, type.y1, typeName, 0, shrinkToFit(fontSmall1, typeName, typeWidth),
              faded(TYPECOLOR, a));
}
