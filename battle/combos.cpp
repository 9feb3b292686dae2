#include "battle/combos.h"

#include "shell/geometry.h"
#include "shell/world.h"
#include "toolkit/hgefont.h"

namespace {
constexpr float TEXTTIME = 1.5f;
constexpr float TEXTSCALE = 1.2f;
}  // namespace

void initytxt(int side, const std::string& text, int slot) {
    if (side < 0 || side > 1 || slot < 0 || slot > 3) return;
    Player& p = pl[side];
    p.textTimer[slot] = TEXTTIME;
    p.text[slot] = text;
    float width = 0;
    if (fontSmall1) {
        fontSmall1->SetScale(TEXTSCALE);
        width = fontSmall1->GetStringWidth(text.c_str());
        fontSmall1->SetScale(1);
    }
    p.textRect[slot].x1 = centerX(p.rect) - width / 2;
    p.textRect[slot].y1 = p.rect.y2;
}
