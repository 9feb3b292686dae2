#include "battle/combos.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "battle/enemies.h"
#include "cards/opponents.h"
#include "shell/geometry.h"
#include "shell/looks.h"
#include "shell/world.h"
#include "toolkit/hgefont.h"

namespace {

constexpr float TEXTTIME = 1.5f;
constexpr float TEXTSCALE = 1.2f;
constexpr float TEXTRISE = 75;  // px/s of slot 0; slot k rises at TEXTRISE / (k + 1)
constexpr float TEXTMARGIN = 4;  // kept clear between a floating text and its field's edges
constexpr int MAXTEXTLINE = 256;

constexpr float COMBOMAXX = 500, COMBOMAXY = 570;

// One column of a payout row. Values are drawn from the engine left to right along the row.
struct Pick {
    enum Kind { FIX, RF, RI, OR, NMINUS, RIN } kind;
    float a = 0, b = 0;  // FIX a; RF/RI/OR between or of a and b; NMINUS n - a
    int off = 0, div = 1;  // RIN: Random_Int((n - off) / div + a, (n - off) / div + b)

    float draw(int n) const {
        switch (kind) {
        case FIX: return a;
        case RF: return hge->Random_Float(a, b);
        case RI: return static_cast<float>(hge->Random_Int(static_cast<int>(a), static_cast<int>(b)));
        case OR: return hge->Random_Int(0, 1) == 0 ? a : b;
        case NMINUS: return n - a;
        case RIN: {
            const int base = (n - off) / div;
            return static_cast<float>(hge->Random_Int(base + static_cast<int>(a), base + static_cast<int>(b)));
        }
        }
        return 0;
    }
};

constexpr Pick F(float v) { return {Pick::FIX, v, 0}; }
constexpr Pick R(float a, float b) { return {Pick::RF, a, b}; }
constexpr Pick I(float a, float b) { return {Pick::RI, a, b}; }
constexpr Pick OR(float a, float b) { return {Pick::OR, a, b}; }
constexpr Pick NM(float c) { return {Pick::NMINUS, c, 0}; }
constexpr Pick IN(int off, int div, float lo, float hi) { return {Pick::RIN, lo, hi, off, div}; }

// The group a finished chain of n (lo..hi) sends to the other field.
struct ComboRow {
    int lo, hi;
    Pick kind, count, formation, move, dx, dy, ax, ay, attack, period, driftX, driftY;
};

constexpr int ANYMORE = 1 << 30;

constexpr ComboRow COMBOROWS[] = {
    {2, 4, F(1), NM(1), F(3), F(2), F(10), R(25, 40), F(0), F(0), F(40), F(6), F(0), F(0)},
    {5, 7, F(5), NM(3), F(3), F(3), R(25, 40), R(25, 40), F(0), F(0), F(40), F(8), F(0), F(50)},
    {8, 9, F(2), NM(6), F(3), OR(3, 2), F(20), R(35, 50), F(0), F(0), F(40), F(6), F(0), F(40)},
    {10, 11, F(4), NM(7), F(3), F(2), R(5, 25), R(35, 50), F(0), F(0), F(10), F(6), F(0), F(0)},
    {12, 12, F(3), I(2, 4), F(3), F(2), F(20), R(25, 40), F(0), F(0), F(20), F(6), F(0), F(0)},
    {13, 13, F(6), I(2, 5), F(0), F(1), R(-50, 50), R(-50, 50), R(-50, 50), R(-50, 50), F(0), F(6), F(0), F(0)},
    {14, 14, F(8), I(1, 2), F(3), F(2), F(25), R(25, 40), F(0), F(0), F(20), F(6), F(0), F(0)},
    {15, 15, F(14), I(1, 2), F(3), F(1), F(0), R(25, 40), F(0), F(10), F(30), F(6), F(0), F(0)},
    {16, 16, F(11), I(2, 3), F(3), OR(3, 2), F(20), R(35, 60), F(0), F(0), F(35), F(6), F(0), F(50)},
    {17, 17, F(7), I(3, 4), F(0), F(1), R(-50, 50), R(-50, 50), R(-50, 50), R(-50, 50), F(0), F(6), F(0), F(0)},
    {18, 18, F(10), I(1, 2), F(3), F(1), R(-15, 15), R(25, 60), F(0), F(15), F(15), F(6), F(0), F(0)},
    {19, 19, F(13), I(3, 5), F(3), OR(1, 2), R(-15, 15), R(15, 50), F(0), F(15), F(10), F(6), F(0), F(0)},
    {20, 20, F(12), I(2, 4), F(2), OR(1, 2), R(25, 50), R(-15, 15), F(0), F(0), F(20), F(6), F(0), F(0)},
    {21, 25, I(15, 18), I(2, 4), OR(3, 0), I(0, 14), R(-50, 50), R(25, 50), F(0), F(0), F(20), F(6), R(-20, 20),
     R(0, 40)},
    {26, 29, I(19, 23), I(3, 5), OR(3, 0), I(0, 14), R(-50, 50), R(35, 75), F(0), F(0), F(20), F(6), R(-20, 20),
     R(0, 40)},
    {30, 39, I(15, 23), IN(30, 2, 4, 8), OR(3, 0), I(0, 14), R(-70, 70), R(45, 85), F(0), F(0), F(22), F(6),
     R(-20, 20), R(0, 40)},
    {40, 49, I(21, 24), IN(40, 2, 5, 10), OR(3, 0), I(0, 14), R(-70, 70), R(45, 85), F(0), F(0), F(24), F(6),
     R(-20, 20), R(0, 40)},
    {50, 99, I(1, 24), IN(50, 4, 6, 12), OR(3, 0), F(1), R(-10, 10), R(45, 85), F(0), R(35, 45), F(24), F(6), F(0),
     F(0)},
    {100, ANYMORE, F(24), IN(80, 5, 5, 10), OR(0, 3), F(1), F(0), R(45, 85), F(0), R(25, 45), F(24), F(6), F(0),
     F(0)},
};

int asInt(float v) { return static_cast<int>(v); }

// The colour of a floating text slot this frame; with reduced flashing it holds still.
DWORD textColor(int slot) {
    const bool steady = pl[0].opt[OPT_REDUCEFLASH] == 1;
    if (slot == 0) return steady ? colorCycle[2][0] : randomLookColor();
    return steady ? colorCycle[(slot - 1) & (MAXCOLORCYCLES - 1)][0] : cycleColor(slot - 1);
}

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
    // Centred under the vehicle, but kept on the screen when the vehicle hugs an edge.
    p.textRect[slot].x1 = std::clamp(centerX(p.rect) - width / 2, 0.0f, std::max(0.0f, SCREEN_WIDTH - width));
    p.textRect[slot].y1 = p.rect.y2;
}

void updateytxt(float dt) {
    for (Player& p : pl) {
        for (int slot = 0; slot < 4; ++slot) {
            if (p.textTimer[slot] <= 0) continue;
            p.textTimer[slot] -= dt;
            if (p.textTimer[slot] < 0) p.textTimer[slot] = 0;
            p.textRect[slot].y1 -= dt * TEXTRISE / (slot + 1);
        }
    }
}

namespace {

// A text keeps inside its side's field: one too wide for it breaks at the space nearest
// its middle, and shrinks only if a half is still too wide.
void drawFittedText(const Player& p, int slot) {
    const char* text = p.text[slot].c_str();
    fontSmall1->SetScale(TEXTSCALE);
    const float full = fontSmall1->GetStringWidth(text);
    const float room = p.fieldRight - p.fieldLeft - 2 * TEXTMARGIN;
    const std::size_t length = p.text[slot].size();
    std::size_t cut = length;  // where the second line starts; length = one line
    if (full > room) {
        for (std::size_t i = 0; i < length; ++i) {
            if (text[i] != ' ') continue;
            const float left = fontSmall1->GetStringWidth(text, i);
            const float best = fontSmall1->GetStringWidth(text, cut == length ? 0 : cut - 1);
            if (cut == length || std::abs(left - full / 2) < std::abs(best - full / 2)) cut = i + 1;
        }
    }
    const float first = fontSmall1->GetStringWidth(text, cut == length ? length : cut - 1);
    const float widest = std::max(first, fontSmall1->GetStringWidth(text + cut));
    const float scale = widest > room ? TEXTSCALE * room / widest : TEXTSCALE;
    fontSmall1->SetScale(scale);
    const float width = widest * scale / TEXTSCALE;
    const float middle = p.textRect[slot].x1 + full / 2;
    const float x = std::clamp(middle - width / 2, p.fieldLeft + TEXTMARGIN, p.fieldRight - TEXTMARGIN - width);
    fontSmall1->SetColor(textColor(slot));
    if (cut == length) {
        fontSmall1->Render(x, p.textRect[slot].y1, text, HGETEXT_LEFT);
    } else {
        char line[MAXTEXTLINE];
        std::snprintf(line, sizeof line, "%.*s", static_cast<int>(cut - 1), text);
        fontSmall1->Render(x, p.textRect[slot].y1, line, HGETEXT_LEFT);
        fontSmall1->Render(x, p.textRect[slot].y1 + fontSmall1->GetHeight() * scale, text + cut, HGETEXT_LEFT);
    }
    fontSmall1->SetScale(1);
}

}  // namespace

void drawytxt() {
    if (!fontSmall1) return;
    for (const Player& p : pl)
        for (int slot = 0; slot < 4; ++slot)
            if (p.textTimer[slot] > 0) drawFittedText(p, slot);
}

void setComboText(int side, float x, float y, int n) {
    if (side < 0 || side > 1) return;
    float cx = x - 40, cy = y - 12;
    cx = cx < 0 ? 0 : cx > COMBOMAXX ? COMBOMAXX : cx;
    cy = cy < 0 ? 0 : cy > COMBOMAXY ? COMBOMAXY : cy;
    if (pl[0].opt[OPT_COMBO] == 0) {
        cx = 300.0f * side + 210;
        cy = 1;
    }
    Player& p = pl[side];
    p.misc[M_COMBOLOCX] = cx;
    p.misc[M_COMBOLOCY] = cy;
    p.misc[M_COMBO] = COMBODISPLAYTIME;
    p.misc[M_COMBONUM] = static_cast<float>(n);
}

void comboEnemySpawn(int side, int n) {
    if (side < 0 || side > 1) return;
    if (selectedOpp == EXMISSION) {
        for (int k = 0; k < n; ++k) pl[0].coin[hge->Random_Int(0, 2)] += 1;
        return;
    }
    for (const ComboRow& row : COMBOROWS) {
        if (n < row.lo || n > row.hi) continue;
        const int kind = asInt(row.kind.draw(n));
        const int count = asInt(row.count.draw(n));
        const int formation = asInt(row.formation.draw(n));
        const int move = asInt(row.move.draw(n));
        const float dx = row.dx.draw(n), dy = row.dy.draw(n), ax = row.ax.draw(n), ay = row.ay.draw(n);
        const float attack = row.attack.draw(n), period = row.period.draw(n);
        const float driftX = row.driftX.draw(n), driftY = row.driftY.draw(n);
        spawnEnemies((side + 1) % 2, kind, count, formation, move, dx, dy, ax, ay, attack, period, driftX, driftY);
        return;
    }
}
