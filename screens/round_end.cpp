// The ends of a round. Game over locks the keys for 2.5 s, then offers Retry (not in the EX
// mission) and Quit match: Enter or Space acts on the one in focus, a click anywhere but on
// Quit retries, Escape gives the match up. A won round shows its banner
// for 3 s (1.5 s in the EX mission) and starts the next round by itself. A won match grants
// the upgrade points, lists the bonus cards on a first win and leads to the upgrades. Each
// offers "Save replay" (R) beside its own ways on.
#include "screens/round_end.h"

#include <algorithm>

#include "battle/setup.h"
#include "cards/conditions.h"
#include "cards/opponents.h"
#include "cards/rewards.h"
#include "platform/core/input_state.h"
#include "screens/battle_drawing.h"
#include "screens/card_drawing.h"
#include "screens/drawing.h"
#include "screens/match_rewards.h"
#include "screens/menu.h"
#include "screens/save_replay.h"
#include "shell/exits.h"
#include "shell/geometry.h"
#include "shell/modes.h"
#include "shell/sound.h"
#include "shell/world.h"
#include "toolkit/hgeanim.h"
#include "toolkit/hgefont.h"
#include "toolkit/hgeparticle.h"
#include "toolkit/hgepmanager.h"
#include "toolkit/hgesprite.h"

namespace {

constexpr int BANNER = 181;
constexpr int OKBUTTON = 182, POINTSBOX = 183, CARDSBOX = 184, RETRYBUTTON = 185, QUITBUTTON = 186;
constexpr int SAVEBUTTON = 187;
constexpr int BONUSCARDS = 5;
constexpr int ANIM_YOUWIN = 87;
constexpr int PS_BURST = 22, PS_WINBURST = 23, PS_EXPLOSION = 24, PS_EXPLOSIONODD = 25;
constexpr float RETRYAFTER = 25, GAMEOVERTITLE = 15;
constexpr float NEXTROUNDAFTER = 30, EXNEXTROUNDAFTER = 15, PREPAREFROM = 15;
constexpr float POINTSFROM = 15, CARDSFROM = 25, PROCEEDFROM = 30;
constexpr float BATTLESCROLL = 25;
// The round-won banner: its picture's size, its centre, and its growth from 80 % of that
// size over the first second (tenths of a second, as progress counts).
constexpr float BANNERWIDTH = 400, BANNERHEIGHT = 130, BANNERX = 400, BANNERY = 204;
constexpr float BANNERSTART = 0.8f, BANNERGROWTIME = 10;
constexpr float PREPARESCALE = 0.8f;  // the big font brought down to the line's old 48 px
constexpr float BEATENSCALE = 0.8f;   // and to "You have beaten"'s 38 px
constexpr int SFX_LOST = 96, SFX_ROUNDWON = 52, SFX_BLAST = 97, SFX_BLASTODD = 95;
constexpr int LOSTCHANNEL = 2, ROUNDWONCHANNEL = 5, BLASTCHANNEL = 1;
constexpr DWORD WHITE = 0xFFFFFFFF, BLACK = 0xFF000000, PANEL = 0xFF3A3F5A, BUTTONCOLOR = 0xFF2B4C8C;

hgeSprite* okButton = nullptr;
hgeSprite* tab = nullptr;
hgeSprite* pointsIcon = nullptr;
bool firstWin = false;  // the match won was the first win over this opponent

bool exMission() { return selectedOpp == EXMISSION; }

bool offered(int place) {
    if (place == SAVEBUTTON) return saveReplayOffered();
    return place != RETRYBUTTON || !exMission();
}
MenuFocus gameOverFocus({RETRYBUTTON, QUITBUTTON, SAVEBUTTON}, offered);
MenuFocus winMatchFocus({OKBUTTON, SAVEBUTTON}, offered);
bool oddOpponent() { return selectedOpp % 2 == 1; }

void spawn(int effect, float x, float y) {
    if (psmgrX) psmgrX->SpawnPS(&psiGeneral[effect], x, y);
}

// An explosion somewhere on the beaten vehicle.
void explodeOn(const Player& p, int effect) {
    spawn(effect, hge->Random_Float(p.rect.x1, p.rect.x2), hge->Random_Float(p.rect.y1, p.rect.y2));
}

void runParticles(float dt) {
    if (psmgrX) psmgrX->Update(dt);
}

void drawShade(DWORD color) { drawRect(hgeRect(0, 0, SCREEN_WIDTH, SCREEN_HEIGHT), color); }

// The lost round again: both scores go back to where they stood when it began, and the
// tempo, extra power and passives start over.
void retryRound() {
    Player& me = pl[0];
    totalScore = roundStart.total;
    me.score = roundStart.score;
    gameMode = MODE_GAME;
    screenPos = 0;
    scrollSpeed = BATTLESCROLL;
    me.pacing = 0.8f + 0.1f * static_cast<float>(selectedOpp);
    me.powerEx = 0;
    clearPassives(0);
    initRound(true);
}

}  // namespace

void initGameOver() {
    gameMode = MODE_GAMEOVER;
    ++roundsLost;
    selected = 0;
    // The EX mission has only the way out, in the middle.
    pos[RETRYBUTTON] = hgeRect(232, 296, 392, 344);
    pos[QUITBUTTON] = exMission() ? hgeRect(272, 296, 528, 344) : hgeRect(408, 296, 568, 344);
    initSaveReplay(SAVEBUTTON, hgeRect(304, 408, 496, 444));
    gameOverFocus.reset();
    explodeOn(pl[0], PS_EXPLOSION);
    playSFX(SFX_LOST, LOSTCHANNEL);
    progress = 0;
}

void updateGameOver(float dt) {
    runParticles(dt);
    if (progress <= RETRYAFTER) return;
    hoverTest(RETRYBUTTON, SAVEBUTTON);
    gameOverFocus.followPointer(pointerMoved());
    const int key = menuKey();
    if (saveReplayKey(key)) return;
    if (isDirectionKey(key)) gameOverFocus.step(isUpKey(key) || isLeftKey(key) ? -1 : 1);
    else if (isBackKey(key) || clickedOn(key, QUITBUTTON)) back2SelectScreen(false);
    // A second click on the spent Save button is not a retry.
    else if (key == vk::LBUTTON && !exMission() && !mOver[SAVEBUTTON]) retryRound();
    else if (isConfirmKey(key) && gameOverFocus.on(SAVEBUTTON)) saveReplay();
    else if (isConfirmKey(key) && gameOverFocus.on(RETRYBUTTON)) retryRound();
    else if (isConfirmKey(key)) back2SelectScreen(false);
}

void drawGameOver() {
    // A red screen with reduced flashing is a dark one instead.
    const DWORD shade = reduceFlashing() ? 0x200808 : 0xFF0000;
    drawShade(SETA(shade, static_cast<DWORD>(std::min(static_cast<int>(progress) * 5, 170))));
    if (progress > GAMEOVERTITLE) DrawTextA(fontBig, 400, 150, "Game Over", 1, 1, flashColor(0));
    if (progress > RETRYAFTER) {
        if (!exMission()) drawTextButton(RETRYBUTTON, "Retry", font1, BUTTONCOLOR);
        drawTextButton(QUITBUTTON, exMission() ? "Back to select screen" : "Quit match", font1, BUTTONCOLOR);
        drawSaveReplay();
        gameOverFocus.draw();
        DrawTextA(fontArial, 400, 380, exMission() ? "Esc: back to select screen" : "click to retry, Esc to quit match", 1,
                  1, 0xFFE0E0E0);
    }
    setFontStyle(font1, 1, WHITE);
    setFontStyle(fontArial, 1, WHITE);
    setFontStyle(fontBig, 1, WHITE);
}

// The banner's picture is painted at the size it ends at: it grows into it over its first
// second and then stays there, drawn pixel for pixel.
hgeRect bannerAt(float time) {
    const float scale = std::min(1.0f, BANNERSTART + (1 - BANNERSTART) * time / BANNERGROWTIME);
    const float halfW = BANNERWIDTH / 2 * scale, halfH = BANNERHEIGHT / 2 * scale;
    return hgeRect(BANNERX - halfW, BANNERY - halfH, BANNERX + halfW, BANNERY + halfH);
}

void initWinRound() {
    gameMode = MODE_WINROUND;
    pos[BANNER] = bannerAt(0);
    initSaveReplay(SAVEBUTTON, hgeRect(304, 384, 496, 420));
    if (anim[ANIM_YOUWIN]) anim[ANIM_YOUWIN]->Play();
    playSFX(SFX_ROUNDWON, ROUNDWONCHANNEL);
    spawn(PS_BURST, 250, 225);
    spawn(PS_BURST, 550, 225);
    if (!exMission()) {
        explodeOn(pl[1], oddOpponent() ? PS_EXPLOSIONODD : PS_EXPLOSION);
        playSFX(oddOpponent() ? SFX_BLASTODD : SFX_BLAST, BLASTCHANNEL);
    }
    progress = 0;
}

void updateWinRound(float dt) {
    pos[BANNER] = bannerAt(progress);
    runParticles(dt);
    if (anim[ANIM_YOUWIN]) anim[ANIM_YOUWIN]->Update(dt);
    hoverTest(SAVEBUTTON, SAVEBUTTON);
    saveReplayKey(menuKey());
    if (progress <= (exMission() ? EXNEXTROUNDAFTER : NEXTROUNDAFTER)) return;
    ++curRound;
    gameMode = MODE_GAME;
    initRound(false);
}

void drawWinRound() {
    drawShade(0xAF4B4B4B);
    stretchSprite(anim[ANIM_YOUWIN], pos[BANNER]);
    // Centred, so that the line stays clear of the opponent's hand.
    if (progress > PREPAREFROM)
        DrawTextA(fontBig, 400, 312, label("Prepare for round %d ...", curRound + 2), 1, PREPARESCALE, flashColor(2));
    drawSaveReplay();
    setFontStyle(font1, 1, WHITE);
    setFontStyle(fontBig, 1, WHITE);
}

void initWinMatch() {
    enterMenu();
    gameMode = MODE_WINMATCH;
    playSFX(oddOpponent() ? SFX_BLASTODD : SFX_BLAST, BLASTCHANNEL);
    spawn(PS_WINBURST, 400, 300);
    pos[POINTSBOX] = hgeRect(240, 224, 560, 272);
    pos[CARDSBOX] = hgeRect(48, 300, 752, 444);
    // Its focus edge stays above the battle's numbers at the foot of the screen.
    pos[OKBUTTON] = hgeRect(720, 512, 784, 576);
    initSaveReplay(SAVEBUTTON, hgeRect(304, 524, 496, 560));
    winMatchFocus.reset();
    okButton = menuSprite("okButton");
    tab = menuSprite("tab");
    pointsIcon = menuSprite("upgradePoints");
    firstWin = selectedOpp >= 0 && selectedOpp < MAXOPPONENTS && beat[selectedOpp] == 0;
    getUpgradePoints();
    playBGM(selectedOpp == MAXOPPONENTS - 1 ? "winGameSTR" : "winMatchSTR");
    progress = 0;
}

void updateWinMatch(float dt) {
    runParticles(dt);
    hoverTest(OKBUTTON, OKBUTTON);
    hoverTest(SAVEBUTTON, SAVEBUTTON);
    const int key = menuKey();
    if (progress <= PROCEEDFROM) return;
    winMatchFocus.followPointer(pointerMoved());
    if (saveReplayKey(key)) return;
    if (isDirectionKey(key)) winMatchFocus.step(isUpKey(key) || isLeftKey(key) ? -1 : 1);
    else if (isConfirmKey(key) && winMatchFocus.on(SAVEBUTTON)) saveReplay();
    else if (isConfirmKey(key) || isBackKey(key) || clickedOn(key, OKBUTTON)) initSelectUpgrade();
}

void drawWinMatch() {
    drawShade(0xC84B4B4B);
    const char* name = selectedOpp >= 0 && selectedOpp < MAXOPPONENTS ? oppName[selectedOpp].c_str() : "";
    // Big lines from the font made at their size, never the small one enlarged.
    DrawTextA(fontBig, 400, 48, "You have beaten", 1, BEATENSCALE, WHITE);
    DrawTextA(fontBig, 400, 102, name, 1, shrinkToFit(fontBig, name, SCREEN_WIDTH - 32), flashColor(1));
    DrawTextA(fontBig, 400, 164, "Congratulations!", 1, 1, flashColor(2));
    if (progress > POINTSFROM) {
        const hgeRect& box = pos[POINTSBOX];
        putSprite(tab, box.x1 + 8, box.y1 - 28);
        DrawTextA(fontSmall2, box.x1 + 72, box.y1 - 12, "reward", 1, 1, BLACK);
        textPanel(box);
        DrawTextA(fontArial, 254, 236, "gained", 0, 1, WHITE);
        putSprite(pointsIcon, 330, 236);
        DrawTextA(font1, 362, 234, label("%d", pl[0].upgradePoints), 0, 1, flashColor(3));
        DrawTextA(fontArial, 392, 236, pl[0].upgradePoints == 1 ? "upgrade point" : "upgrade points", 0, 1, WHITE);
    }
    if (progress > CARDSFROM && firstWin) {
        DrawTextA(fontArial, 56, 280, "cards added to deck:", 0, 1, WHITE);
        const hgeRect& box = pos[CARDSBOX];
        UIbox(box, PANEL);
        for (int i = 0; i < BONUSCARDS; ++i) {
            const float x = 95 + 130 * i, y = box.y1 + 12;
            drawCard(hgeRect(x, y, x + 90, y + 120), pl[0].rewardCards[i], 255);
        }
    }
    if (progress > PROCEEDFROM) {
        DrawTextA(fontArial, 400, 488, "Click OK/press Enter to proceed", 1, 1, flashColor(2));
        drawButton(okButton, OKBUTTON);
        drawSaveReplay();
        winMatchFocus.draw();
    }
    setFontStyle(font1, 1, WHITE);
    setFontStyle(fontArial, 1, WHITE);
    setFontStyle(fontSmall2, 1, WHITE);
    setFontStyle(fontBig, 1, WHITE);
}
