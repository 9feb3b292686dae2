// The ending (mode 18) after the last opponent of a quest: congratulations that appear one
// after another, then a roll of every enemy kind with the player's kill counts (names
// still hidden for kinds never killed) followed by the credit lines, scrolling up.
#include "screens/ending.h"

#include <algorithm>
#include <string>

#include "cards/opponents.h"
#include "cards/savegame.h"
#include "platform/core/input_state.h"
#include "screens/drawing.h"
#include "screens/menu.h"
#include "screens/text_places.h"
#include "screens/text_plate.h"
#include "shell/exits.h"
#include "shell/modes.h"
#include "shell/sound.h"
#include "shell/world.h"
#include "toolkit/hgeanim.h"
#include "toolkit/hgefont.h"
#include "toolkit/hgeparticle.h"
#include "toolkit/hgepmanager.h"
#include "toolkit/hgesprite.h"

namespace {

constexpr int STAGE_TEXTS = 0, STAGE_ROLL = 1;
constexpr int NUMKINDS = 24;
constexpr int ENEMYROLL = 100;  // pos[101..124]: the enemy kinds
constexpr int CREDITROLL = 1;   // pos[1..]: the credit lines
constexpr int WANDERER = 68;    // the particle effect drifting over the ending
constexpr float LEAVEAFTER = 75;
constexpr float ROLLSTOP = 300;  // the roll stops when its last line reaches this height
constexpr float SLOWROLL = 50, FASTROLL = 100;
constexpr DWORD WHITE = 0xFFFFFFFF, STATCOLOR = 0xFFF4E0BA;
// The winner's vehicle stands on the picture's podium, 1.6 times its size.
constexpr float PODIUMX = 400, PODIUMTOP = 540, VEHICLESCALE = 1.6f;

// One timed line of the congratulations: shown from `from` (tenths of a second) in the
// endings of the types in `types` (bit 1 the first quest, bit 2 the second).
struct TimedLine {
    float from;
    int types;
    const char* text;
    float y, scale;
    int cycle;  // colour cycle, or -1 for `color`
    DWORD color;
    bool small;  // fontSmall2 instead of font1
};
constexpr int FIRST = 1, SECOND = 2, BOTH = 3;
const TimedLine TIMEDLINES[] = {
    {5, FIRST, "You are the winner of the Korvania Tournament!", 32, 1, 1, 0, false},
    {5, SECOND, "You are the 2-time winner of the Korvania Tournament!", 32, 1, 1, 0, false},
    {15, FIRST, "Congratulations, Divodi Ops dominates once again.", 66, 0.75f, -1, WHITE, false},
    {15, SECOND, "Divodi Ops will forever be remembered!", 80, 0.75f, -1, WHITE, false},
    {25, FIRST, "You have reached the upper echelons of power.", 96, 0.75f, -1, WHITE, false},
    {25, BOTH, "You own all!!!", 120, 0.75f, 3, 0, false},
    {45, FIRST, "Now try 2nd Quest!", 296, 1, 3, 0, false},
    {75, BOTH, "press Enter/click to see more info and credits", 540, 1, -1, WHITE, true},
};
constexpr float STATSFROM = 35, EXFROM = 55, SAVEDFROM = 60;

hgeSprite* background = nullptr;
hgeSprite* winner = nullptr;
hgeParticleSystem* wanderer = nullptr;
std::string hiddenNames[NUMKINDS + 1];
bool clearSaved = false;  // the cleared game, turned into a second-quest save, was written

int stage() { return static_cast<int>(pl[0].misc[M_ENDINGMODE]); }
int endingType() { return static_cast<int>(pl[0].misc[M_ENDINGTYPE]) == 2 ? SECOND : FIRST; }
int rollLines() { return std::max(creditLines, 1); }
float rollEnd() { return pos[CREDITROLL + rollLines() - 1].y1; }

void startRoll() {
    pl[0].misc[M_ENDINGMODE] = STAGE_ROLL;
    progress = 0;
    float y = SCREEN_HEIGHT;
    for (int i = 1; i <= NUMKINDS; ++i) {
        const hgeAnimation* a = enemyAnimDB[i];
        const float w = a ? a->GetWidth() : 32, h = a ? a->GetHeight() : 32;
        pos[ENEMYROLL + i] = hgeRect(100, y, 100 + w, y + h);
        y += h + 12;
        hiddenNames[i] = questionMark(enemyNameDB[i]);
    }
    for (int j = 0; j < rollLines(); ++j) pos[CREDITROLL + j] = hgeRect(0, y + 30 * j, 0, y + 30 * j);
    playBGM("creditsMUS");
}

void scrollRoll(float dt, bool hurried) {
    const float step = std::min((hurried ? FASTROLL : SLOWROLL) * dt, rollEnd() - ROLLSTOP);
    for (int i = 1; i <= NUMKINDS; ++i) {
        if (enemyAnimDB[i]) enemyAnimDB[i]->Update(dt);
        pos[ENEMYROLL + i].y1 -= step;
        pos[ENEMYROLL + i].y2 -= step;
    }
    for (int j = 0; j < rollLines(); ++j) pos[CREDITROLL + j].y1 -= step;
}

void leave() {
    if (wanderer && psmgrX) psmgrX->KillPS(wanderer);
    wanderer = nullptr;
    back2titleFromGame();
}

// A line cut to `width` on a plate no wider than the line as drawn; an empty line has none.
void platedLine(hgeFont* font, float x, float y, const char* text, int align, float scale, DWORD color, float width) {
    if (!text || !*text) return;
    hgeRect plate = textBounds(font, x, y, text, align, scale, 4);
    const float excess = (plate.x2 - plate.x1) - (width + 8);
    if (excess > 0) {
        if (align == 1) {
            plate.x1 += excess / 2;
            plate.x2 -= excess / 2;
        } else {
            plate.x2 -= excess;
        }
    }
    drawRect(plate, TEXTPLATE);
    drawTextCut(font, x, y, text, align, scale, color, width);
}

void drawWinner() {
    if (!winner) return;
    const float w = winner->GetWidth() * VEHICLESCALE, h = winner->GetHeight() * VEHICLESCALE;
    stretchSprite(winner, hgeRect(PODIUMX - w / 2, PODIUMTOP - h, PODIUMX + w / 2, PODIUMTOP));
}

DWORD lineColor(const TimedLine& l) { return l.cycle >= 0 ? cycleColor(l.cycle) : l.color; }

void drawTexts() {
    for (const TimedLine& l : TIMEDLINES)
        if (progress > l.from && (l.types & endingType()))
            platedLine(l.small ? fontSmall2 : font1, 400, l.y, l.text, 1, l.scale, lineColor(l), SCREEN_WIDTH - 8);
    if (progress > STATSFROM) {
        drawPlatedText(fontArial, 292, 184, label("Total score: %.8d", totalScore), 0, 1, STATCOLOR);
        drawPlatedText(fontArial, 288, 216, label("Total playtime: %s", clockText(playTime)), 0, 1, STATCOLOR);
        drawPlatedText(fontArial, 312, 248, label("Highest combo: %d", pl[0].highestCombo), 0, 1, STATCOLOR);
    }
    if (progress > EXFROM && endingType() == FIRST) drawPlatedText(fontArial, 400, 360, "EX mission unlocked", 1, 1, cycleColor(2));
    if (progress > SAVEDFROM && clearSaved) {
        drawPlatedText(fontSmall2, 400, 416, "Clear data has been saved.", 1, 1, WHITE);
        drawPlatedText(fontSmall2, 400, 436, "(use the continue game option on the title screen to start a New Game+)", 1,
                       1, WHITE);
    } else if (progress > SAVEDFROM) {
        drawPlatedText(fontSmall2, 400, 416, "Could not create save file.", 1, 1, 0xFFFFA0A0);
    }
}

void drawRoll() {
    for (int i = 1; i <= NUMKINDS; ++i) {
        const hgeRect& r = pos[ENEMYROLL + i];
        if (r.y2 <= 0 || r.y1 >= SCREEN_HEIGHT) continue;
        const int kills = pl[0].killsByKind[i];
        const float y = r.y1 + (r.y2 - r.y1) / 2 - 12;
        const float width = SCREEN_WIDTH - r.x2 - 16;
        if (kills > 0) {
            putSprite(enemyAnimDB[i], r.x1, r.y1);
            platedLine(font1, r.x2 + 8, y, label(" %s : %d kills", enemyNameDB[i].c_str(), kills), 0, 1, WHITE, width);
        } else {
            drawRectB(r, 0xFF000000, 0xFF3C3C3C, 2);
            DrawTextA(font1, (r.x1 + r.x2) / 2, (r.y1 + r.y2) / 2, "?", 1, 1, WHITE);
            platedLine(font1, r.x2 + 8, y, label(" %s : 0 kills", hiddenNames[i].c_str()), 0, 1, WHITE, width);
        }
    }
    for (int j = 0; j < creditLines; ++j) {
        const float y = pos[CREDITROLL + j].y1;
        if (y < SCREEN_HEIGHT)
            platedLine(font1, 400, y, credits[j].c_str(), 1, ENDCREDITSCALE, 0xFFF5AFAE, ENDCREDITWIDTH);
    }
    setFontStyle(font1, 1, WHITE);
}

}  // namespace

void initEnding() {
    enterMenu();
    const float x = hge->Random_Float(0, SCREEN_WIDTH), y = hge->Random_Float(0, SCREEN_HEIGHT);
    background = menuSprite("endingBG");
    winner = menuSprite(label("veh%d", selectedVeh));
    gameMode = MODE_ENDING;
    Player& me = pl[0];
    me.misc[M_ENDINGMODE] = STAGE_TEXTS;
    me.misc[M_ENDINGTYPE] = static_cast<float>(me.questNum == 2 ? 2 : 1);
    me.questNum = 2;
    pos[0] = hgeRect(x, y, x, y);
    std::fill(beat, beat + MAXOPPONENTS, 0);
    // The cleared game is kept as the start of its second quest.
    clearSaved = saveGame(me.saveSlot);
    wanderer = psmgrX ? psmgrX->SpawnPS(&psiGeneral[WANDERER], x, y) : nullptr;
    for (int i = 1; i <= NUMKINDS; ++i)
        if (enemyAnimDB[i]) enemyAnimDB[i]->Play();
    progress = 0;
    playBGM("endingSTR");
}

void updateEnding(float dt) {
    if (psmgrX) {
        psmgrX->Update(dt);
        if (wanderer && psmgrX->IsPSAlive(wanderer)) wanderer->MoveTo(pos[0].x1, pos[0].y1);
    }
    const int key = menuKey();
    const bool leaveKey = key == vk::LBUTTON || key == vk::ENTER || isBackKey(key) || key == vk::SPACE;
    if (stage() == STAGE_TEXTS) {
        if (leaveKey && progress > LEAVEAFTER) startRoll();
        return;
    }
    if (rollEnd() > ROLLSTOP) scrollRoll(dt, key != 0);
    else if (leaveKey) leave();
}

void drawEnding() {
    putSprite(background, 0, 0);
    drawWinner();
    if (psmgrX) psmgrX->Render();
    if (stage() == STAGE_TEXTS) drawTexts();
    else drawRoll();
    setFontStyle(font1, 1, WHITE);
}
