// The two heads-up displays: the human's in the left column, the opponent's in the
// right one (pos[0..15] and the same boxes moved right in pos[20..35]).
#include <algorithm>
#include <cstdio>

#include "battle/player.h"
#include "battle/setup.h"
#include "cards/conditions.h"
#include "cards/hand.h"
#include "cards/opponents.h"
#include "screens/battle_drawing.h"
#include "screens/card_drawing.h"
#include "screens/drawing.h"
#include "screens/menu.h"
#include "shell/world.h"
#include "toolkit/hgeanim.h"
#include "toolkit/hgefont.h"
#include "toolkit/hgesprite.h"

namespace {

constexpr DWORD WHITE = 0xFFFFFFFF;
constexpr DWORD GREY = 0xFFAAAAAA;
constexpr float RIGHTEDGE = 790;  // the opponent's texts end here
constexpr float TALLYHALFWIDTH = 44;  // the tally "9 - 9" and a gap on each side
constexpr float LOWFUEL = 150;
constexpr int SEALICON = 5;
constexpr float CONDICONSIZE = 12;
constexpr int MAXSHOWNLEVELS = 3;  // conditions stack to level 3

// The side's HUD boxes.
enum HudBox {
    HUD_HAND = 0, HUD_SCORE = 3, HUD_ENEMYLABEL = 4, HUD_ENEMYBAR = 5, HUD_COINS = 6, HUD_HEART = 9,
    HUD_PASSIVEMARK = 11, HUD_PASSIVES = 12, HUD_NAME = 15
};
const hgeRect& box(int side, int which) { return pos[20 * side + which]; }

void stretch(hgeSprite* s, float x1, float y1, float x2, float y2) {
    if (!s) return;
    s->SetColor(WHITE);
    s->RenderStretch(x1, y1, x2, y2);
}

void put(hgeSprite* s, float x, float y) {
    if (!s) return;
    s->SetColor(WHITE);
    s->SetHotSpot(0, 0);
    s->Render(x, y);
}

// A bar filled to `fraction` of the rectangle's width from its left edge.
float filled(const hgeRect& r, float value, float maximum) {
    const float f = maximum > 0 ? std::clamp(value / maximum, 0.0f, 1.0f) : 0.0f;
    return r.x1 + (r.x2 - r.x1) * f;
}

// Text placed at x for the human, or ending at x = RIGHTEDGE for the opponent.
void sideText(hgeFont* font, int side, float x, float y, const char* text, DWORD color) {
    if (!font) return;
    setFontStyle(font, 1, color);
    DrawTextA(font, side == 0 ? x : RIGHTEDGE - font->GetStringWidth(text), y, text, 0, 1, color);
}

// Below 150, or below three eighths of a small tank, so that a full small tank never warns.
float lowFuelLevel(float maxFuel) { return std::min(LOWFUEL, maxFuel * 3 / 8); }

bool holdsAnyPassive(const Player& p) { return p.passive[0] || p.passive[1] || p.passive[2]; }

void drawHand(int side) {
    const Player& p = pl[side];
    // Both hands face up in a two-player match: each player reads his own.
    const bool reveal = side == 0 || versus.on || passiveExists(0, P_REV);
    for (int slot = 0; slot < 3; ++slot) {
        const hgeRect& r = box(side, HUD_HAND + slot);
        if (p.cardUseTimer[slot] != 0) {
            // The card about to take effect slides out and fades as its use nears.
            const float shift = 20 * (p.cardUseTotal[slot] - p.cardUseTimer[slot]) * (side == 0 ? 1 : -1);
            const float alpha = p.cardUseTotal[slot] > 0 ? 255 * p.cardUseTimer[slot] / p.cardUseTotal[slot] : 255;
            drawCard(hgeRect(r.x1 + shift, r.y1, r.x2 + shift, r.y2), p.hand[slot], alpha);
        } else if (p.hand[slot] != 0) {
            drawCard(r, reveal ? p.hand[slot] : -1, 255);
        }
        if (p.misc[M_SEAL] > 0) stretch(spr[SPR_CONDICON + SEALICON], r.x1, r.y1, r.x2, r.y2);
    }
    const hgeRect& sel = box(side, HUD_HAND + std::clamp(p.selCard, 0, 2));
    stretch(spr[SPR_LIFEBARFRAME], sel.x1 - 4, sel.y1 - 4, sel.x2 + 4, sel.y2 + 4);
    if (side != 0 || !passiveExists(0, P_XRAY)) return;
    for (int slot = 0; slot < 3; ++slot) {
        const hgeRect& r = box(side, HUD_HAND + slot);
        char text[32];
        if (p.hand[slot] != 0) {
            const float use = cardData(p.hand[slot]).useTime * (passiveExists(0, P_QUICKCARDS) ? 0.5f : 1.0f);
            std::snprintf(text, sizeof text, "use %.1f sec", use);
            DrawTextA(fontSmall1, r.x2 + 1, r.y1 + 10, text, 0, 1, WHITE);
        } else {
            std::snprintf(text, sizeof text, "next %.1f sec", p.cardDrawTimer[slot]);
            DrawTextA(fontSmall1, r.x2 + 1, r.y1 + 30, text, 0, 1, WHITE);
        }
    }
}

DWORD scoreColor() {
    switch (selectedOpp) {
    case 2: return 0xFF1FE75C;
    case 3: return 0xFFE7E51F;
    case 5:
    case 6: return 0xFFD4F4F8;
    default: return WHITE;
    }
}

void drawScore(int side) {
    if (!fontScore) return;
    char text[16];
    std::snprintf(text, sizeof text, "%.8d", pl[side].score);
    setFontStyle(fontScore, 1, scoreColor());
    const hgeRect& r = box(side, HUD_SCORE);
    const float x = side == 0 ? r.x1 : RIGHTEDGE - fontScore->GetStringWidth("00000000");
    DrawTextA(fontScore, x, r.y1, text, 0, 1, scoreColor());
}

void drawLastEnemy(int side) {
    const Player& p = pl[side];
    const hgeRect& label = box(side, HUD_ENEMYLABEL);
    const hgeRect& bar = box(side, HUD_ENEMYBAR);
    char text[64];
    if (p.lastHitEnemy >= 0 && p.lastHitEnemy < MAXENEMIES) {
        const Enemy& e = en[p.lastHitEnemy];
        std::snprintf(text, sizeof text, "Enemy:  %s", e.name.c_str());
        sideText(fontSmall2, side, label.x1, label.y1, text, WHITE);
        stretch(spr[SPR_LIFEBAR], bar.x1, bar.y1, filled(bar, e.hp, e.maxHp), bar.y2);
        stretch(spr[SPR_LIFEBARFRAME], bar.x1, bar.y1, bar.x2, bar.y2);
    } else if (p.lastHitInfo > 0 && p.lastHitInfo < MAXENEMYKINDS) {
        std::snprintf(text, sizeof text, "Enemy:  %s", enemyNameDB[p.lastHitInfo].c_str());
        sideText(fontSmall2, side, label.x1, label.y1, text, GREY);
        stretch(spr[SPR_LIFEBARFRAME], bar.x1, bar.y1, bar.x2, bar.y2);
    }
}

void drawCoins(int side) {
    static constexpr DWORD COINRGB[3] = {0xFF0000, 0x00FF00, 0x0000FF};
    const Player& p = pl[side];
    for (int k = 0; k < 3; ++k) {
        const hgeRect& r = box(side, HUD_COINS + k);
        // A pickup brightens the box; with reduced flashing only a little.
        const float flash = reduceFlashing() ? p.coinFlash[k] / 4 : p.coinFlash[k];
        const DWORD alpha = static_cast<DWORD>(std::clamp(flash + 50, 0.0f, 255.0f));
        const DWORD outer = p.coin[k] >= p.coinCap[k] ? flashColor(3) : 0xC8AFAFAF;
        drawRectB(r, outer, SETA(COINRGB[k], alpha), 1);
    }
    // The count on the mark the cards' costs use, so the shape tells the colour too.
    for (int k = 0; k < 3; ++k) {
        const hgeRect& r = box(side, HUD_COINS + k);
        const float middle = (r.x1 + r.x2) / 2, half = (r.y2 - r.y1) / 2;
        drawCoinCount(hgeRect(middle - half, r.y1, middle + half, r.y2), p.coin[k], k, 255);
    }
}

// The lower column, from the coins down to the passives, one row per thing so that none
// is written over another: heart bar, fuel bar, the fuel warning (with the heart figure of
// P_COG on its right), the two condition lines, and POWER under the passive icons.
struct LowerColumn {
    hgeRect heartIcon, heartBar, fuelBar, frame, warning, cond[2], power;
};

LowerColumn lowerColumn(int side) {
    const hgeRect& r = box(side, HUD_HEART);
    const float barLeft = r.x1 + 12;
    LowerColumn c;
    c.heartIcon = hgeRect(r.x1, r.y1 - 11, r.x1 + 10, r.y1 + 1);
    c.heartBar = hgeRect(barLeft, r.y1 - 10, r.x2, r.y1 - 1);
    c.fuelBar = hgeRect(barLeft, r.y1 + 1, r.x2, r.y1 + 7);
    c.frame = hgeRect(barLeft - 1, r.y1 - 11, r.x2 + 1, r.y1 + 8);
    c.warning = hgeRect(r.x1, r.y1 + 10, r.x2, r.y1 + 22);
    // Both lines end above the passive marker.
    c.cond[0] = hgeRect(r.x1, r.y1 + 24, r.x2, r.y1 + 36);
    c.cond[1] = hgeRect(r.x1, r.y1 + 37, r.x2, r.y1 + 49);
    // Below the passive icons; the opponent's stops short of its passive marker.
    const float powerX = side == 0 ? r.x1 + 18 : r.x1 + 4;
    c.power = hgeRect(powerX, SCREEN_HEIGHT - 12, powerX + 60, SCREEN_HEIGHT);
    return c;
}

void drawHeartAndFuel(int side) {
    const Player& p = pl[side];
    const LowerColumn c = lowerColumn(side);
    stretch(spr[SPR_LIFEBAR], c.heartBar.x1, c.heartBar.y1, filled(c.heartBar, p.heart, p.maxHeart), c.heartBar.y2);
    stretch(spr[SPR_FUELBAR], c.fuelBar.x1, c.fuelBar.y1, filled(c.fuelBar, p.fuel, p.maxFuel), c.fuelBar.y2);
    stretch(spr[SPR_LIFEBARFRAME], c.frame.x1, c.frame.y1, c.frame.x2, c.frame.y2);
    stretch(spr[SPR_HEART], c.heartIcon.x1, c.heartIcon.y1, c.heartIcon.x2, c.heartIcon.y2);
    if (passiveExists(0, P_COG) && p.heart > 0 && fontSmall2) {
        char text[16];
        std::snprintf(text, sizeof text, "%.0f", p.heart);
        DrawTextA(fontSmall2, c.warning.x2 - fontSmall2->GetStringWidth(text), c.warning.y1, text, 0, 1, 0xFFFF0000);
        setFontStyle(fontSmall2, 1, WHITE);
    }
    // The narrow face leaves room for the heart figure on the same line.
    if (p.fuel < lowFuelLevel(p.maxFuel) && fontSmall2) {
        const char* warning = p.fuel <= 0 ? "Out of fuel!" : "Low on fuel!";
        DrawTextA(fontSmall2, c.warning.x1, c.warning.y1, warning, 0, 1, flashColor(0));
        setFontStyle(fontSmall2, 1, WHITE);
    }
}

void drawPower(int side) {
    const hgeRect r = lowerColumn(side).power;
    put(spr[SPR_POWERTEXT], r.x1, r.y1);
    char text[16];
    std::snprintf(text, sizeof text, "%d", pl[side].powerEx);
    DrawTextA(fontSmall2, r.x1 + 36, r.y1, text, 0, 1, WHITE);
}

void drawSide(int side) {
    const Player& p = pl[side];
    if (holdsAnyPassive(p)) {
        const hgeRect& mark = box(side, HUD_PASSIVEMARK);
        DrawTextA(fontArial, mark.x1, mark.y1, "F\nX", 0, 1, WHITE);
    }
    drawHand(side);
    for (int slot = 0; slot < 3; ++slot)
        if (p.passive[slot]) drawPassiveIcon(side, slot, p.passive[slot]);
    drawScore(side);
    drawLastEnemy(side);
    drawCoins(side);
    drawHeartAndFuel(side);
    drawPower(side);
}

// Each name keeps to its own half of the top line; the rounds tally sits between them.
void drawNames() {
    if (!font1) return;
    const float half = CENTERLINE - TALLYHALFWIDTH;
    if (selectedVeh >= 0 && selectedVeh < MAXVEHICLES) {
        const char* mine = versus.on ? label("P1 %s", vehName[selectedVeh].c_str()) : vehName[selectedVeh].c_str();
        const hgeRect& r = box(0, HUD_NAME);
        DrawTextA(font1, r.x1, r.y1, mine, 0, shrinkToFit(font1, mine, half - r.x1), WHITE);
    }
    // The opponent's ends where its column's texts end, clear of the screen's edge.
    const int second = vehicleOf(1);
    const char* theirs = second >= 0 ? label("P2 %s", vehName[second].c_str()) : curOppName.c_str();
    const float scale = shrinkToFit(font1, theirs, RIGHTEDGE - CENTERLINE - TALLYHALFWIDTH);
    setFontStyle(font1, 1, WHITE);
    const float width = font1->GetStringWidth(theirs) * scale;
    DrawTextA(font1, RIGHTEDGE - width, box(1, HUD_NAME).y1, theirs, 0, scale, WHITE);
    setFontStyle(font1, 1, WHITE);
}

// Rounds won by each side this match, the human's on the left, as "1 - 0".
void drawTally() {
    if (selectedOpp == EXMISSION || !font1) return;
    char text[16];
    if (versus.on) std::snprintf(text, sizeof text, "%d - %d", versus.wins[0], versus.wins[1]);
    else std::snprintf(text, sizeof text, "%d - %d", curRound, roundsLost);
    DrawTextA(font1, CENTERLINE, box(0, HUD_NAME).y1 + 12, text, 1, 1, WHITE);
}

// C_MYST hides the human's whole column under a spinning question block.
void drawMystery() {
    if (pl[0].cond[1] != C_MYST) return;
    stretch(anim[ANIM_ROULETTEBLOCK], 0, 0, 100, SCREEN_HEIGHT);
    DrawTextA(fontBig, 50, 300, "?", 1, 1, WHITE);
    setFontStyle(fontBig, 1, WHITE);
}

// How a passive is pictured: a sprite slot, an animation slot or an enemy kind's animation.
enum IconSource { ICON_SPRITE, ICON_ANIM, ICON_ENEMY };
struct PassiveIcon {
    int passive;
    IconSource source;
    int index;
    const char* caption;
};
constexpr PassiveIcon PASSIVEICONS[] = {
    {P_SPEED_12, ICON_SPRITE, SPR_CONDICON + 13, "x1.2"}, {P_SPEED_15, ICON_SPRITE, SPR_CONDICON + 13, "x1.5"},
    {P_MINPOWER2, ICON_SPRITE, SPR_SWORD, "2"},           {P_EXCEL_15, ICON_SPRITE, SPR_CONDICON + 16, "x1.5"},
    {P_EXCEL_2, ICON_SPRITE, SPR_CONDICON + 16, "x2"},    {P_VITALIZER, ICON_SPRITE, SPR_CONDICON + 15, "x2"},
    {P_NULLIFIER, ICON_SPRITE, SPR_CONDICON + 8, "1/2"},  {P_REGENFUEL, ICON_SPRITE, SPR_STAR, "+"},
    {P_EFFBOOST, ICON_SPRITE, SPR_SPD, "1/2"},            {P_FREQ, ICON_ANIM, ANIM_COINMULTI, "freq"},
    {P_REV, ICON_SPRITE, SPR_STAR, "rev"},                {P_COG, ICON_SPRITE, SPR_ROXY, nullptr},
    {P_SYZYGY, ICON_SPRITE, SPR_CONDICON + 17, "-1"},     {P_QUICKCARDS, ICON_SPRITE, SPR_CONDICON + 8, "Q"},
    {P_CARDREFRESH, ICON_SPRITE, SPR_CONDICON + 7, "ref."}, {P_XRAY, ICON_SPRITE, SPR_CONDICON + 5, nullptr},
    {P_INCPOS, ICON_ANIM, ANIM_EXTENDOVINE, "+ve"},       {P_KNOX, ICON_ANIM, ANIM_ELIM, nullptr},
    {P_RES, ICON_SPRITE, SPR_WALL + W_TREE, nullptr},     {P_12EN, ICON_ENEMY, 1, "1/2"},
    {P_3XEN, ICON_ENEMY, 1, "x3"},
};

hgeSprite* iconPicture(const PassiveIcon& icon) {
    switch (icon.source) {
    case ICON_SPRITE: return spr[icon.index];
    case ICON_ANIM: return anim[icon.index];
    case ICON_ENEMY: return enemyAnimDB[icon.index];
    }
    return nullptr;
}

}  // namespace

const char* passiveCaption(int passive) {
    for (const PassiveIcon& icon : PASSIVEICONS)
        if (icon.passive == passive) return icon.caption;
    return nullptr;
}

void drawPassiveIcon(int side, int slot, int passive) {
    if (side < 0 || side > 1 || slot < 0 || slot > 2) return;
    for (const PassiveIcon& icon : PASSIVEICONS) {
        if (icon.passive != passive) continue;
        const hgeRect& r = box(side, HUD_PASSIVES + slot);
        stretch(iconPicture(icon), r.x1, r.y1, r.x2, r.y2);
        if (icon.caption && fontSmall2)
            DrawTextA(fontSmall2, r.x1, r.y2 - fontSmall2->GetHeight(), icon.caption, 0, 1, WHITE);
        return;
    }
}

void drawCond() {
    setFontStyle(fontSmall2, 1, WHITE);
    if (!fontSmall2) return;
    for (int side = 0; side < simulatedSides(); ++side) {
        const Player& p = pl[side];
        const LowerColumn column = lowerColumn(side);
        const bool xray = passiveExists(side, P_XRAY);
        for (int slot = 0; slot < 2; ++slot) {
            const int c = p.cond[slot];
            if (c <= 0 || c > MAXCONDS) continue;
            // One 12 px icon per level, then the name and, with X-ray, the time left.
            const hgeRect& line = column.cond[slot];
            float x = line.x1;
            for (int i = 0; i < std::clamp(p.condLevel[slot], 0, MAXSHOWNLEVELS); ++i, x += CONDICONSIZE)
                stretch(spr[SPR_CONDICON + c - 1], x, line.y1, x + CONDICONSIZE, line.y1 + CONDICONSIZE);
            const char* name = condString[c].c_str();
            DrawTextA(fontSmall2, x + 2, line.y1, name, 0, 1, WHITE);
            if (xray) {
                char text[16];
                std::snprintf(text, sizeof text, ":%04.1f", p.condTime[slot]);
                DrawTextA(fontSmall2, x + 3 + fontSmall2->GetStringWidth(name), line.y1, text, 0, 1, WHITE);
            }
        }
    }
}

void drawHUD() {
    for (int side = 0; side < simulatedSides(); ++side) drawSide(side);
    drawNames();
    drawTally();
    drawCond();
    drawMystery();
}
