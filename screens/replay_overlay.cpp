// The replay on show (mode 22): the battle drawn as it was played, and over its top a
// small panel with the round, the time into it, the speed and the buttons that steer it.
// Keys: Space or P pause, Left and Right or 1-4 the speed, N or Down the next round,
// Escape (a pad's B or Start) back to the list. Once it is over, Enter or Escape leaves.
#include <algorithm>
#include <cstdio>
#include <iterator>
#include <string>

#include "platform/core/input_state.h"
#include "replay/playback.h"
#include "screens/drawing.h"
#include "screens/menu.h"
#include "screens/replays.h"
#include "screens/text_plate.h"
#include "shell/modes.h"
#include "shell/world.h"
#include "toolkit/hgefont.h"

namespace {

constexpr int PAUSEBUTTON = 230, SPEEDBUTTON = 231, NEXTBUTTON = 235, QUITBUTTON = 236, LEAVEBUTTON = 237;
constexpr int NUMSPEEDS = static_cast<int>(std::size(PLAYBACK_SPEEDS));
constexpr DWORD WHITE = 0xFFFFFFFF, PANELCOLOR = 0xD0101418, BUTTONCOLOR = 0xFF2B4C8C, CHOSENCOLOR = 0xFF2E7D4F;
constexpr DWORD PAUSEDCOLOR = 0xFFFFD84A, HINTCOLOR = 0xFFD0D0D0, FAULTCOLOR = 0xFFFFA0A0;
const hgeRect PANEL(196, 30, 604, 106);
const hgeRect ENDPANEL(120, 220, 680, 380);

int speedIndex(int speed) {
    for (int i = 0; i < NUMSPEEDS; ++i)
        if (PLAYBACK_SPEEDS[i] == speed) return i;
    return 0;
}

void placeButtons() {
    pos[PAUSEBUTTON] = hgeRect(204, 56, 276, 78);
    for (int i = 0; i < NUMSPEEDS; ++i) {
        const float x = 284 + 40 * static_cast<float>(i);
        pos[SPEEDBUTTON + i] = hgeRect(x, 56, x + 36, 78);
    }
    pos[NEXTBUTTON] = hgeRect(448, 56, 528, 78);
    pos[QUITBUTTON] = hgeRect(536, 56, 596, 78);
    pos[LEAVEBUTTON] = hgeRect(320, 330, 480, 366);
}

void stepSpeed(int direction) {
    const int i = std::clamp(speedIndex(playbackStatus().speed) + direction, 0, NUMSPEEDS - 1);
    setPlaybackSpeed(PLAYBACK_SPEEDS[i]);
}

// The keys and clicks of a replay still playing.
void steer(int key) {
    const PlaybackStatus s = playbackStatus();
    if (key == vk::SPACE || key == 'P' || clickedOn(key, PAUSEBUTTON)) setPlaybackPaused(!s.paused);
    else if (isLeftKey(key)) stepSpeed(-1);
    else if (isRightKey(key)) stepSpeed(1);
    else if (key >= '1' && key < '1' + NUMSPEEDS) setPlaybackSpeed(PLAYBACK_SPEEDS[key - '1']);
    else if (key == 'N' || isDownKey(key) || clickedOn(key, NEXTBUTTON)) skipToNextRound();
    else if (isBackKey(key) || clickedOn(key, QUITBUTTON)) stopPlayback();
    else if (key == vk::LBUTTON)
        for (int i = 0; i < NUMSPEEDS; ++i)
            if (mOver[SPEEDBUTTON + i]) setPlaybackSpeed(PLAYBACK_SPEEDS[i]);
}

std::string clock(int seconds) {
    char text[16];
    std::snprintf(text, sizeof text, "%d:%02d", seconds / 60, seconds % 60);
    return text;
}

void drawEnd(const PlaybackStatus& s) {
    drawRect(ENDPANEL, PANELCOLOR);
    if (s.fault.empty()) {
        DrawTextA(font1, 400, 248, "Replay over", 1, 1, WHITE);
    } else {
        DrawTextA(font1, 400, 240, "This replay parted from its record:", 1, 1, FAULTCOLOR);
        drawTextCut(fontArial, 400, 282, s.fault.c_str(), 1, 1, WHITE, ENDPANEL.x2 - ENDPANEL.x1 - 24);
    }
    drawTextButton(LEAVEBUTTON, "Back to the list", fontArial, BUTTONCOLOR);
    drawFocus(pos[LEAVEBUTTON]);
    DrawTextA(fontSmall2, 400, 306, "Enter or Esc: back to the list", 1, 1, HINTCOLOR);
}

}  // namespace

void updateReplayScreen(float dt) {
    placeButtons();
    hoverTest(PAUSEBUTTON, LEAVEBUTTON);
    const int key = menuKey();
    if (playbackStatus().finished) {
        if (isConfirmKey(key) || isBackKey(key) || clickedOn(key, LEAVEBUTTON)) stopPlayback();
        return;
    }
    steer(key);
    if (gameMode == MODE_REPLAY) updatePlayback(dt);
}

void drawReplayOverlay() {
    const PlaybackStatus s = playbackStatus();
    drawRect(PANEL, PANELCOLOR);
    const char* round = s.betweenRounds ? label("Round %d of %d over", s.round, s.rounds)
                                        : label("Round %d of %d", s.round, s.rounds);
    DrawTextA(fontArial, PANEL.x1 + 8, PANEL.y1 + 4, round, 0, 1, WHITE);
    DrawTextA(fontArial, 452, PANEL.y1 + 4, (clock(s.second) + " / " + clock(s.seconds)).c_str(), 0, 1, WHITE);
    if (s.paused && fontArial)
        DrawTextA(fontArial, PANEL.x2 - 8 - fontArial->GetStringWidth("Paused"), PANEL.y1 + 4, "Paused", 0, 1,
                  PAUSEDCOLOR);
    drawTextButton(PAUSEBUTTON, s.paused ? "Play" : "Pause", fontSmall2, BUTTONCOLOR);
    for (int i = 0; i < NUMSPEEDS; ++i)
        drawTextButton(SPEEDBUTTON + i, label("%dx", PLAYBACK_SPEEDS[i]), fontSmall2,
                       PLAYBACK_SPEEDS[i] == s.speed ? CHOSENCOLOR : BUTTONCOLOR);
    drawTextButton(NEXTBUTTON, "Next round", fontSmall2, BUTTONCOLOR);
    drawTextButton(QUITBUTTON, "Quit", fontSmall2, BUTTONCOLOR);
    DrawTextA(fontSmall2, 400, 86, "Space/P pause   Left/Right, 1-4 speed   N next round   Esc quit", 1, 1,
              HINTCOLOR);
    if (s.finished) drawEnd(s);
    setFontStyle(font1, 1, WHITE);
    setFontStyle(fontArial, 1, WHITE);
    setFontStyle(fontSmall2, 1, WHITE);
}
