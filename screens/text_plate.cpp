#include "screens/text_plate.h"

#include "screens/drawing.h"
#include "toolkit/hgefont.h"

hgeRect textBounds(hgeFont* font, float x, float y, const char* text, int align, float scale, float pad) {
    if (!font || !text) return hgeRect(x, y, x, y);
    const float oldScale = font->GetScale();
    font->SetScale(scale);
    const float w = font->GetStringWidth(text), h = font->GetHeight() * scale;
    font->SetScale(oldScale);
    if (align == 1) {
        x -= w / 2;
        y -= h / 2;
    }
    return hgeRect(x - pad, y - pad / 2, x + w + pad, y + h + pad / 2);
}

void drawPlatedText(hgeFont* font, float x, float y, const char* text, int align, float scale, DWORD color,
                    float pad) {
    drawRect(textBounds(font, x, y, text, align, scale, pad), TEXTPLATE);
    DrawTextA(font, x, y, text, align, scale, color);
}
