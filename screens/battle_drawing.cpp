#include "screens/battle_drawing.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "battle/combos.h"
#include "battle/player.h"
#include "battle/setup.h"
#include "cards/conditions.h"
#include "cards/opponents.h"
#include "screens/card_drawing.h"
#include "screens/drawing.h"
#include "screens/tutorial.h"
#include "shell/geometry.h"
#include "shell/looks.h"
#include "shell/modes.h"
#include "shell/world.h"
#include "toolkit/hgeanim.h"
#include "toolkit/hgefont.h"
#include "toolkit/hgepmanager.h"
#include "toolkit/hgesprite.h"

namespace {

constexpr DWORD WHITE = 0xFFFFFFFF;
constexpr DWORD HITFLASH = 0xFFF25626;
constexpr DWORD GHOST = 0x64FFFFFF, GHOSTFLASH = 0x64F25626;
// With reduced flashing a hit only tints towards the flash colour.
constexpr DWORD SOFTHITFLASH = 0xFFF8B8A8, SOFTGHOSTFLASH = 0x64F8B8A8;
constexpr DWORD WALLFLASH = 0xFF0000, SOFTWALLFLASH = 0xFFB4B4;
constexpr DWORD DEATHIZERALPHA = 0xB9, SOFTDEATHIZERALPHA = 0x50;
constexpr float SPINTIME = 30;   // tenths of a second the loser spins
constexpr float INTROTIME = 30;  // tenths of a second the round intro shows
constexpr float INTROSCALE = 0.8f;  // the big font brought down to the intro lines' 48 px
constexpr float INTROMARGIN = 24;   // the opponent's title keeps this far from either edge
constexpr float COINMARGIN = 4;  // a 16 px coin box is drawn as its 24 px picture
constexpr float HEADMARGIN = 2;  // a bullet's head overhangs its box by its dark rim

bool exMission() { return selectedOpp == EXMISSION; }
// The hint box and the round intro belong to the running battle: under the pause, the exit
// question or a round's end they would show through the overlay's own texts. A replay
// shows the battle as it was, intro included, under its own small panel.
bool overlaid() { return gameMode != MODE_GAME && gameMode != MODE_REPLAY; }

DWORD withAlpha(float alpha) { return SETA(WHITE, static_cast<DWORD>(std::clamp(alpha, 0.0f, 255.0f))); }

void stretch(hgeSprite* s, hgeRect r, DWORD color) {
    if (!s) return;
    s->SetColor(color);
    s->RenderStretch(r.x1, r.y1, r.x2, r.y2);
}

void resetFonts() {
    setFontStyle(fontSmall1, 1, WHITE);
    setFontStyle(fontSmall2, 1, WHITE);
    setFontStyle(font1, 1, WHITE);
}

// Two copies one screen apart, so the scroll wraps without a seam.
void drawBackground() {
    hgeSprite* bg = spr[SPR_BG];
    if (!bg) return;
    bg->SetColor(WHITE);
    bg->RenderStretch(0, screenPos, SCREEN_WIDTH, screenPos + SCREEN_HEIGHT);
    bg->RenderStretch(0, screenPos + SCREEN_HEIGHT, SCREEN_WIDTH, screenPos + 2 * SCREEN_HEIGHT);
}

// The divider turns from green to blue to grey as the round drags on.
void drawDivider() {
    if (gameMode != MODE_GAME || exMission()) return;
    const int t = pl[0].roundTime;
    if (t <= 30) drawRectB(pos[50], 0xAF09D109, 0xFF0F7D0F, 1);
    else if (t <= 60) drawRectB(pos[50], 0xAF457DD9, 0xFF2B559B, 1);
    else drawRectB(pos[50], 0xAFAFAFAF, 0xFF000000, 1);
}

hgeSprite* wallPicture(int type) {
    switch (type) {
    case W_ZOMZAP: return anim[ANIM_WALL8];
    case W_ESCALATOR: return anim[ANIM_WALL12];
    case W_LAWN: return anim[ANIM_WALL13];
    case W_PROXYMINE: return anim[ANIM_WALL14];
    default: return type >= W_PAPER && type <= W_STAIRS ? spr[SPR_WALL + type] : nullptr;
    }
}

void drawWalls() {
    const bool cog = passiveExists(0, P_COG);
    for (const Wall& w : wall) {
        if (!w.active) continue;
        const DWORD rgb = w.flash > 0 ? (reduceFlashing() ? SOFTWALLFLASH : WALLFLASH) : 0xFFFFFF;
        stretch(wallPicture(w.type), w.rect, SETA(rgb, static_cast<DWORD>(std::clamp(w.alpha, 0.0f, 255.0f))));
    }
    if (!cog) return;
    for (const Wall& w : wall) {
        if (!w.active || w.hp <= 0) continue;
        char text[16];
        std::snprintf(text, sizeof text, "%.0f", w.hp);
        DrawTextA(font1, centerX(w.rect) - r_width(w.rect) / 4, centerY(w.rect) - r_height(w.rect) / 4, text, 0, 1,
                  WHITE);
    }
}

DWORD vehicleColor(const Player& p) {
    if (p.misc[M_TELEPO] > 0) return 0x9632FA32;
    if (p.misc[M_INVIZ] > 0) return 0x1EFFFFFF;
    if (p.misc[M_DONTDISPLAYVEH] > 0) return 0x00FFFFFF;
    return WHITE;
}

// A beaten vehicle spins on its centre for three seconds, then is gone.
void drawSpinning(hgeSprite* s, const Player& p) {
    if (progress >= SPINTIME) return;
    s->SetColor(WHITE);
    s->SetHotSpot(s->GetWidth() / 2, s->GetHeight() / 2);
    const float degrees = static_cast<float>(static_cast<int>(progress * 20) % 360);
    s->RenderEx(centerX(p.rect), centerY(p.rect), degrees * static_cast<float>(M_PI) / 180);
    s->SetHotSpot(0, 0);
}

void drawVehicle(hgeSprite* s, const Player& p, bool spins) {
    if (!s) return;
    if (spins) {
        drawSpinning(s, p);
        return;
    }
    s->SetHotSpot(0, 0);
    if (p.misc[M_JUMPTIME] > 0) {
        s->SetColor(WHITE);
        s->Render(p.misc[M_JUMPX], p.misc[M_JUMPY]);
        return;
    }
    s->SetColor(vehicleColor(p));
    s->Render(p.rect.x1, p.rect.y1);
}

hgeSprite* leaning(const Player& p) {
    hgeSprite* s = p.leanLeft ? p.sprL : p.leanRight ? p.sprR : p.spr;
    return s ? s : p.spr;
}

// In a two-player match both drive vehicles, and the side that lost the round spins.
void drawVehicles() {
    if (versus.on) {
        const bool over = gameMode == MODE_VERSUSROUND || gameMode == MODE_VERSUSRESULT;
        for (int side = 0; side < 2; ++side)
            drawVehicle(leaning(pl[side]), pl[side], over && versus.roundWinner != side);
        return;
    }
    drawVehicle(leaning(pl[0]), pl[0], gameMode == MODE_GAMEOVER);
    if (!exMission())
        drawVehicle(pl[1].anim, pl[1], gameMode == MODE_WINROUND || gameMode == MODE_WINMATCH);
}

int itemAnimation(int kind) {
    switch (kind) {
    case I_POINTS200: return ANIM_POINTS200;
    case I_POINTS500: return ANIM_POINTS500;
    case I_POINTS1000: return ANIM_POINTS1000;
    case I_MULTICOIN: return ANIM_COINMULTI;
    default: return kind >= 0 && kind <= I_GAS2LIFE ? kind : -1;
    }
}

// Every pickup's box first, then every item: each box still lies behind its item, and
// the boxes and the items each go to the screen in one draw call instead of two per item.
// A coin is drawn a third larger than the box that picks it up, at its picture's size.
void drawItems() {
    for (const Item& it : itm)
        if (it.active && it.kind >= I_VICTUAL) drawRectB(it.rect, 0xFF000000, flashColor(3), 1);
    for (const Item& it : itm) {
        if (!it.active) continue;
        const int a = itemAnimation(it.kind);
        if (a < 0) continue;
        const bool coin = it.kind >= C_R && it.kind <= C_B;
        stretch(anim[a], coin ? inflate(it.rect, COINMARGIN, COINMARGIN) : it.rect, WHITE);
    }
}

DWORD shotColor(int pattern) {
    switch (pattern) {
    case P_SONICZOMBIE: return 0xFFEAC35A;
    case P_CRASH: return flashColor(0);
    case P_TOXIEXPLOSION: return 0xFF00E100;
    case P_ICE: return flashColor(1);
    case P_1000: return 0xC8FFFFFF;
    default: return WHITE;
    }
}

// Slot reels and dice show the face their owner rolled; -1 lets the animation run.
int shownFace(const Shot& s) {
    const Player& owner = pl[s.dir & 1];
    switch (s.pattern) {
    case P_SLOTREEL1: return static_cast<int>(owner.misc[M_SLOTVALUE1]);
    case P_SLOTREEL2: return static_cast<int>(owner.misc[M_SLOTVALUE2]);
    case P_SLOTREEL3: return static_cast<int>(owner.misc[M_SLOTVALUE3]);
    case P_DICERESULT: return static_cast<int>(owner.misc[M_DICEROLL]);
    case P_DICERESULT1: return static_cast<int>(owner.misc[M_DICEROLL1]);
    case P_DICERESULT2: return static_cast<int>(owner.misc[M_DICEROLL2]);
    case P_DICERESULT3: return static_cast<int>(owner.misc[M_DICEROLL3]);
    default: return -1;
    }
}

// The colour of the owner's gun (its trail's) brought halfway to white: light enough that
// the head's body reads at 3:1 wherever its dark rim does not.
DWORD bulletColor(const Shot& s) {
    const hgeColor& c = pl[s.dir & 1].shotPsi.colorStart;
    const auto channel = [](float v) { return static_cast<DWORD>((std::clamp(v, 0.0f, 1.0f) + 1) / 2 * 255 + 0.5f); };
    return ARGB(255, channel(c.r), channel(c.g), channel(c.b));
}

// A bullet is a glowing trail of particles, which a pale field washes out: its head, a
// light core in a dark rim, is drawn over its box so that it reads on every field.
void drawBulletHeads() {
    hgeSprite* head = spr[SPR_SHOTHEAD];
    if (!head) return;
    for (const Shot& s : sh)
        if (s.active && s.bullet && s.usesParticles) stretch(head, inflate(s.rect, HEADMARGIN, HEADMARGIN), bulletColor(s));
}

void drawShots() {
    drawBulletHeads();
    for (const Shot& s : sh) {
        if (!s.active || s.usesParticles || s.animIndex < 0 || s.animIndex >= MAXANIM) continue;
        hgeAnimation* a = anim[s.animIndex];
        if (!a) continue;
        const int face = shownFace(s);
        if (face >= 0) a->SetFrame(face);
        a->SetFlip(false, s.pattern == P_MISSILE && s.dy > 0);
        stretch(a, s.rect, shotColor(s.pattern));
        a->SetFlip(false, false);
        if (s.pattern == P_ROULETTE || s.pattern == P_ROULETTERESULT) {
            char text[16];
            std::snprintf(text, sizeof text, "%.2d", static_cast<int>(pl[s.dir & 1].misc[M_ROULETTEVALUE]));
            DrawTextA(font1, centerX(s.rect), centerY(s.rect), text, 1, 1, flashColor(2));
        }
    }
}

void drawEnemies() {
    for (const Enemy& e : en) {
        if (!e.active) continue;
        hgeAnimation* a = e.hp > 0 ? (e.hasAttackAnim && e.attackTimer > 0 && e.attackAnim ? e.attackAnim : e.anim)
                                   : e.deathAnim;
        if (!a) continue;
        const bool flash = e.hp > 0 && e.flash > 0;
        const bool soft = reduceFlashing();
        const DWORD ghostFlash = soft ? SOFTGHOSTFLASH : GHOSTFLASH, hitFlash = soft ? SOFTHITFLASH : HITFLASH;
        a->SetColor(e.ghostly ? (flash ? ghostFlash : GHOST) : (flash ? hitFlash : WHITE));
        a->SetHotSpot(0, 0);
        a->Render(e.rect.x1, e.rect.y1);
    }
}

float fadeAlpha(const Player& p, int slot, float cap) { return std::min(p.condAlpha[slot], cap); }

void drawPositiveOverlay(const Player& p) {
    const int level = p.condLevel[0];
    const float glow = fadeAlpha(p, 0, 25.0f * level + 125);
    switch (p.cond[0]) {
    case C_ROXY: stretch(spr[SPR_ROXY], p.rect, withAlpha(glow)); break;
    case C_SPD:
        if (hgeSprite* trail = spr[SPR_SPD]) {
            const float w = r_width(p.rect), y = p.rect.y2 - r_height(p.rect) / 8;
            trail->SetColor(withAlpha(glow));
            trail->SetHotSpot(0, 0);
            trail->Render(p.rect.x1 + w / 4 - trail->GetWidth() / 2, y);
            trail->Render(p.rect.x1 + 3 * w / 4 - trail->GetWidth() / 2, y);
        }
        break;
    case C_R2X:
        stretch(spr[SPR_R2X],
                hgeRect(p.misc[M_RAMX], p.misc[M_RAMY], p.misc[M_RAMX] + p.misc[M_RAMW], p.misc[M_RAMY] + p.misc[M_RAMH]),
                WHITE);
        break;
    case C_RFLX: stretch(spr[SPR_RFLX], p.rect, withAlpha(glow)); break;
    default: break;
    }
}

void drawNegativeOverlay(const Player& p) {
    const int level = p.condLevel[1];
    switch (p.cond[1]) {
    case C_MUTE: stretch(spr[SPR_MUTE], p.rect, 0xC8FFFFFF); break;
    case C_FREZ: stretch(spr[SPR_FREZ], p.rect, 0xC8FFFFFF); break;
    case C_STUN: stretch(spr[SPR_STUN], p.rect, 0xC8FFFFFF); break;
    case C_ZOM:
        stretch(spr[SPR_ZOM], p.rect, withAlpha(std::min(1.5f * p.condAlpha[1], 25.0f * level + 125)));
        break;
    case C_SLOW: stretch(spr[SPR_SLOW], p.rect, withAlpha(fadeAlpha(p, 1, 20.0f * level + 50))); break;
    default: break;
    }
}

void drawConditionOverlays() {
    for (int side = 0; side < simulatedSides(); ++side) {
        const Player& p = pl[side];
        drawPositiveOverlay(p);
        drawNegativeOverlay(p);
        const hgeRect field(100.0f + 300 * side, 140, 400.0f + 300 * side, 460);
        // Over the whole field: with reduced flashing it stays one faint colour.
        const DWORD tint = SETA(flashColor(0), reduceFlashing() ? SOFTDEATHIZERALPHA : DEATHIZERALPHA);
        if (p.misc[M_HALFDEATH] > 0) stretch(spr[SPR_HALFDEATHIZER], field, tint);
        if (p.misc[M_DEATH] > 0) stretch(spr[SPR_DEATHIZER], field, tint);
    }
}

void comboStyle(int count, float& scale, DWORD& color) {
    if (count <= 20) {
        scale = 1;
        color = flashColor(2);
    } else if (count <= 50) {
        scale = 1.25f;
        color = flashColor(1);
    } else if (count <= 100) {
        scale = 1.5f;
        color = flashColor(3);
    } else {
        scale = 2;
        color = reduceFlashing() ? flashColor(3) : randomLookColor();
    }
}

void drawCombos() {
    for (const Player& p : pl) {
        const int count = static_cast<int>(p.misc[M_COMBONUM]);
        if (!(p.misc[M_COMBO] > 0) || count <= 1) continue;
        float scale;
        DWORD color;
        comboStyle(count, scale, color);
        char text[16];
        std::snprintf(text, sizeof text, "%d", count);
        // A grown number is written with the big font brought down to that size, so that it
        // stays sharp instead of being the small font blown up.
        hgeFont* font = scale > 1 && fontBig && font1 ? fontBig : font1;
        const float shown = font == font1 ? scale : scale * font1->GetHeight() / fontBig->GetHeight();
        DrawTextA(font, p.misc[M_COMBOLOCX], p.misc[M_COMBOLOCY], text, 0, shown, color);
        if (hgeSprite* word = spr[SPR_COMBO]) {
            word->SetColor(WHITE);
            word->Render(p.misc[M_COMBOLOCX], p.misc[M_COMBOLOCY]);
        }
    }
    setFontStyle(font1, 1, WHITE);
    setFontStyle(fontBig, 1, WHITE);
}

// A dead enemy's worth rises one enemy height per second over its two dying seconds.
void drawScorePopups() {
    if (!pl[0].opt[OPT_SCORE] || !fontSmall1) return;
    for (const Enemy& e : en) {
        if (!e.active || e.hp > 0) continue;
        char text[16];
        std::snprintf(text, sizeof text, "%d", e.killScore);
        const float y = centerY(e.rect) - (2 - e.deathTimer) * r_height(e.rect);
        DrawTextA(fontSmall1, centerX(e.rect) - fontSmall1->GetStringWidth(text) / 2, y, text, 0, 1, flashColor(1));
    }
    setFontStyle(fontSmall1, 1, WHITE);
}

void drawRoundIntro() {
    if (progress >= INTROTIME || overlaid()) return;
    if (!exMission()) {
        char text[32];
        std::snprintf(text, sizeof text, "Round %d", curRound + 1);
        DrawTextA(fontBig, 250, 150, text, 0, 1, WHITE);
    }
    const char* name = curOppName.c_str();
    const float scale = INTROSCALE * shrinkToFit(fontBig, name, (SCREEN_WIDTH - 2 * INTROMARGIN) / INTROSCALE);
    DrawTextA(fontBig, 400, 275, name, 1, scale, flashColor(1));
    if (pl[0].questNum == 2 && !exMission() && !versus.on) DrawTextA(fontBig, 400, 475, "2econd quest!", 1, INTROSCALE, flashColor(3));
    setFontStyle(fontBig, 1, WHITE);
}

}  // namespace

bool reduceFlashing() { return pl[0].opt[OPT_REDUCEFLASH] == 1; }

DWORD flashColor(int k) { return reduceFlashing() ? colorCycle[k & (MAXCOLORCYCLES - 1)][0] : cycleColor(k); }

void drawGame() {
    resetFonts();
    drawBackground();
    drawDivider();
    drawWalls();
    drawVehicles();
    drawItems();
    if (psmgr) psmgr->Render();
    drawShots();
    drawEnemies();
    if (psmgrX) psmgrX->Render();
    drawConditionOverlays();
    drawCombos();
    drawScorePopups();
    // The columns and the names over the fields come after everything that moves in them.
    drawHUD();
    drawytxt();
    // The hints answer the player's own play: a replay has none to give.
    if (pl[0].opt[OPT_TUTORIAL] && gameMode == MODE_GAME && !versus.on) drawTutorial();
    drawRoundIntro();
}
