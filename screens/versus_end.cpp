// The ends of a two-player round, drawn over the frozen battle. A round's banner names
// the side that won it (or says both were out), shows the score for 3 s and starts the
// next round by itself. The match's end shows the score and offers Rematch, Change
// vehicles and Title; its buttons wait 2 s, so that a fire key still held from the
// battle does not pick one. Both offer "Save replay" (R).
#include "battle/versus_rules.h"
#include "platform/core/input_state.h"
#include "screens/battle_drawing.h"
#include "screens/card_drawing.h"
#include "screens/drawing.h"
#include "screens/menu.h"
#include "screens/save_replay.h"
#include "screens/versus.h"
#include "shell/exits.h"
#include "shell/modes.h"
#include "shell/sound.h"
#include "shell/world.h"
#include "toolkit/hgefont.h"
#include "toolkit/hgepmanager.h"

namespace {

constexpr int REMATCHBUTTON = 190, CHANGEBUTTON = 191, TITLEBUTTON = 192, SAVEBUTTON = 193;
constexpr float NEXTROUNDAFTER = 30, BUTTONSFROM = 20;  // tenths of a second
constexpr int PS_BURST = 22, PS_WINBURST = 23, PS_EXPLOSION = 24;
constexpr int SFX_ROUNDWON = 52, SFX_BLAST = 97;
constexpr int ROUNDWONCHANNEL = 5, BLASTCHANNEL = 1;
constexpr float TITLESCALE = 0.8f;
constexpr DWORD WHITE = 0xFFFFFFFF, BUTTONCOLOR = 0xFF2B4C8C;
constexpr DWORD SIDECOLORS[2] = {0xFFFFE34D, 0xFF40E0FF};
const char* const SIDENAMES[2] = {"Player 1", "Player 2"};

bool offered(int place) { return place != SAVEBUTTON || saveReplayOffered(); }
MenuFocus resultFocus({REMATCHBUTTON, CHANGEBUTTON, TITLEBUTTON, SAVEBUTTON}, offered);

void spawn(int effect, float x, float y) {
    if (psmgrX) psmgrX->SpawnPS(&psiGeneral[effect], x, y);
}

void runParticles(float dt) {
    if (psmgrX) psmgrX->Update(dt);
}

void drawShade(DWORD color) { drawRect(hgeRect(0, 0, SCREEN_WIDTH, SCREEN_HEIGHT), color); }

// A burst over the winner's field and an explosion on the loser.
void celebrate() {
    const int w = versus.roundWinner;
    if (w < 0) return;
    spawn(PS_BURST, w == 0 ? 250 : 550, 225);
    const Player& loser = pl[1 - w];
    spawn(PS_EXPLOSION, hge->Random_Float(loser.rect.x1, loser.rect.x2),
          hge->Random_Float(loser.rect.y1, loser.rect.y2));
    playSFX(SFX_BLAST, BLASTCHANNEL);
}

void drawScore(float y) {
    DrawTextA(fontBig, 400, y, label("%d - %d", versus.wins[0], versus.wins[1]), 1, 1, WHITE);
    DrawTextA(fontArial, 300, y + 48, SIDENAMES[0], 1, 1, SIDECOLORS[0]);
    DrawTextA(fontArial, 500, y + 48, SIDENAMES[1], 1, 1, SIDECOLORS[1]);
}

void killBattleParticles() {
    if (psmgr) psmgr->KillAll();
    if (psmgrX) psmgrX->KillAll();
}

void act(int place) {
    if (place == REMATCHBUTTON) {
        killBattleParticles();
        startVersusMatch();
    } else if (place == CHANGEBUTTON) {
        killBattleParticles();
        playBGM("titleMusicSTR");
        initVersusSetup();
    } else if (place == TITLEBUTTON) {
        back2titleFromVersus();
    } else if (place == SAVEBUTTON) {
        saveReplay();
    }
}

}  // namespace

void initVersusRound() {
    gameMode = MODE_VERSUSROUND;
    playSFX(SFX_ROUNDWON, ROUNDWONCHANNEL);
    celebrate();
    initSaveReplay(SAVEBUTTON, hgeRect(304, 464, 496, 500));
    progress = 0;
}

void updateVersusRound(float dt) {
    runParticles(dt);
    hoverTest(SAVEBUTTON, SAVEBUTTON);
    saveReplayKey(menuKey());
    if (progress > NEXTROUNDAFTER) nextVersusRound();
}

void drawVersusRound() {
    drawShade(0xAF4B4B4B);
    const int w = versus.roundWinner;
    const char* title = w >= 0 ? label("%s wins round %d!", SIDENAMES[w], curRound + 1) : "Both are out: a draw!";
    DrawTextA(fontBig, 400, 150, title, 1, TITLESCALE * shrinkToFit(fontBig, title, (SCREEN_WIDTH - 32) / TITLESCALE),
              w >= 0 ? SIDECOLORS[w] : WHITE);
    drawScore(236);
    DrawTextA(fontArial, 400, 340, label("first to %d rounds wins the match", versus.roundsToWin), 1, 1, WHITE);
    DrawTextA(fontBig, 400, 420, label("Prepare for round %d ...", curRound + 2), 1, TITLESCALE * 0.8f, flashColor(2));
    drawSaveReplay();
    setFontStyle(fontBig, 1, WHITE);
    setFontStyle(fontArial, 1, WHITE);
}

void initVersusResult() {
    enterMenu();
    gameMode = MODE_VERSUSRESULT;
    spawn(PS_WINBURST, 400, 300);
    celebrate();
    playBGM("winMatchSTR");
    pos[REMATCHBUTTON] = hgeRect(100, 440, 280, 480);
    pos[CHANGEBUTTON] = hgeRect(310, 440, 490, 480);
    pos[TITLEBUTTON] = hgeRect(520, 440, 700, 480);
    initSaveReplay(SAVEBUTTON, hgeRect(304, 500, 496, 536));
    resultFocus.reset();
    progress = 0;
}

void updateVersusResult(float dt) {
    runParticles(dt);
    hoverTest(REMATCHBUTTON, SAVEBUTTON);
    const int key = menuKey();
    if (progress <= BUTTONSFROM) return;
    resultFocus.followPointer(pointerMoved());
    if (key == vk::LBUTTON) {
        const int over = resultFocus.underPointer();
        if (over >= 0) act(over);
    } else if (isConfirmKey(key)) {
        act(resultFocus.place());
    } else if (isBackKey(key)) {
        back2titleFromVersus();
    } else if (isUpKey(key) || isLeftKey(key)) {
        resultFocus.step(-1);
    } else if (isDownKey(key) || isRightKey(key)) {
        resultFocus.step(1);
    }
}

void drawVersusResult() {
    drawShade(0xC84B4B4B);
    const int w = versusMatchWinner();
    const char* title = w >= 0 ? label("%s wins the match!", SIDENAMES[w]) : "";
    DrawTextA(fontBig, 400, 110, title, 1, shrinkToFit(fontBig, title, SCREEN_WIDTH - 32),
              SIDECOLORS[w >= 0 ? w : 0]);
    drawScore(220);
    DrawTextA(fontArial, 400, 330, label("%s: %s    %s: %s", SIDENAMES[0], vehName[selectedVeh].c_str(), SIDENAMES[1],
                                         vehName[vehicleOf(1) >= 0 ? vehicleOf(1) : 0].c_str()),
              1, 1, WHITE);
    if (progress > BUTTONSFROM) {
        drawTextButton(REMATCHBUTTON, "Rematch", fontArial, BUTTONCOLOR);
        drawTextButton(CHANGEBUTTON, "Change vehicles", fontArial, BUTTONCOLOR);
        drawTextButton(TITLEBUTTON, "Title", fontArial, BUTTONCOLOR);
        drawSaveReplay();
        resultFocus.draw();
    }
    setFontStyle(fontBig, 1, WHITE);
    setFontStyle(fontArial, 1, WHITE);
}
