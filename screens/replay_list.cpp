// The replay list (mode 23): the kept and the recent replays, newest first, nine rows at a
// time. Up and Down walk the rows (the list scrolls under them), Page Up and Page Down a
// page, Home and End to either end; past the first or last row the focus goes to Back
// and Play below. Enter or a double click plays the selected replay; a damaged one says
// why it cannot be played and is never started.
#include <algorithm>
#include <string>
#include <vector>

#include "platform/core/input_state.h"
#include "replay/playback.h"
#include "replay/replay_library.h"
#include "screens/drawing.h"
#include "screens/menu.h"
#include "screens/replay_rows.h"
#include "screens/replays.h"
#include "screens/selection.h"
#include "screens/text_plate.h"
#include "shell/exits.h"
#include "shell/modes.h"
#include "shell/world.h"
#include "toolkit/hgefont.h"
#include "toolkit/hgesprite.h"

namespace {

constexpr int ROWS = 9;
constexpr int BACKBUTTON = 20, PLAYBUTTON = 21, LISTFOCUS = 22;
constexpr float LISTX1 = 24, LISTX2 = 776, LISTTOP = 56, ROWSTEP = 50, ROWHEIGHT = 46;
constexpr DWORD WHITE = 0xFFFFFFFF, DATECOLOR = 0xFFC7E5F3, MODECOLOR = 0xFFF4E0BA, SIDESCOLOR = 0xFFFFFFFF;
constexpr DWORD RESULTCOLOR = 0xFFD8F060, DAMAGEDCOLOR = 0xFFFFA0A0, HINTCOLOR = 0xFFD0D0D0, ROWCOLOR = 0xC8182030;
constexpr DWORD KEPTCOLOR = 0xFFFFD84A;

hgeSprite* background = nullptr;
hgeSprite* okButton = nullptr;
hgeSprite* backButton = nullptr;
hgeSprite* frame = nullptr;

std::vector<ReplayListing> listing;
int chosen = 0;  // the selected replay, an index into listing
int top = 0;     // the replay in the first row

int count() { return static_cast<int>(listing.size()); }
bool playable(int i) { return i >= 0 && i < count() && listing[i].fault.empty(); }

bool offered(int place) {
    if (place == LISTFOCUS) return count() > 0;
    if (place == PLAYBUTTON) return playable(chosen);
    return true;
}
MenuFocus focus({LISTFOCUS, BACKBUTTON, PLAYBUTTON}, offered);

int lastTop() { return std::max(count() - ROWS, 0); }
void scrollTo(int first) { top = std::clamp(first, 0, lastTop()); }
// The list scrolls as little as it must to show the selection.
void showChosen() {
    if (chosen < top) scrollTo(chosen);
    else if (chosen >= top + ROWS) scrollTo(chosen - ROWS + 1);
}
void choose(int i) {
    chosen = std::clamp(i, 0, std::max(count() - 1, 0));
    showChosen();
}

// The focus's stand-in for the list: the selected row while it shows, else the whole list.
void placeListFocus() {
    const int row = chosen - top;
    pos[LISTFOCUS] = row >= 0 && row < ROWS ? pos[row] : hgeRect(LISTX1, LISTTOP, LISTX2, pos[ROWS - 1].y2);
}

int rowUnderPointer() {
    const int row = hovered(0, ROWS - 1);
    return row >= 0 && top + row < count() ? row : -1;
}

void play(int i) {
    if (!playable(i)) return;
    std::string error;
    enterMenu();
    if (startPlayback(listing[i].path, error)) return;
    // The file changed since the list was read: the row says so from now on.
    listing[i].fault = error;
    hge->System_Log("Replay %s: %s", listing[i].path.c_str(), error.c_str());
}

void toButtons() { focus.moveTo(playable(chosen) ? PLAYBUTTON : BACKBUTTON); }

void moveOnList(int key) {
    if (isUpKey(key)) {
        if (chosen == 0) toButtons();
        else choose(chosen - 1);
    } else if (isDownKey(key)) {
        if (chosen == count() - 1) toButtons();
        else choose(chosen + 1);
    } else if (key == vk::PGUP) {
        choose(chosen - ROWS);
    } else if (key == vk::PGDN) {
        choose(chosen + ROWS);
    } else if (key == vk::HOME) {
        choose(0);
    } else if (key == vk::END) {
        choose(count() - 1);
    }
}

void moveOnButtons(int key) {
    if (isLeftKey(key) || isRightKey(key)) {
        focus.moveTo(focus.on(BACKBUTTON) && playable(chosen) ? PLAYBUTTON : BACKBUTTON);
    } else if ((isUpKey(key) || isDownKey(key)) && count() > 0) {
        // Back into the list round the end: Down at its top, Up at its foot.
        choose(isDownKey(key) ? 0 : count() - 1);
        focus.moveTo(LISTFOCUS);
    }
}

void act() {
    if (focus.on(BACKBUTTON)) back2title();
    else play(chosen);
}

void click() {
    const int row = rowUnderPointer();
    if (row >= 0) {
        choose(top + row);
        focus.moveTo(LISTFOCUS);
    } else if (mOver[BACKBUTTON]) {
        back2title();
    } else if (mOver[PLAYBUTTON] && playable(chosen)) {
        play(chosen);
    }
}

float textWidth(hgeFont* font, const char* text) { return font ? font->GetStringWidth(text) : 0; }

void drawRow(int row) {
    const int i = top + row;
    const hgeRect& r = pos[row];
    drawRect(r, ROWCOLOR);
    const ReplayListing& l = listing[i];
    const float x = r.x1 + 36, y = r.y1 + 4;
    if (l.kept) DrawTextA(font1, r.x1 + 8, r.y1 + 8, "*", 0, 1, KEPTCOLOR);
    if (!l.fault.empty()) {
        drawTextCut(fontArial, x, y, l.name.c_str(), 0, 1, DATECOLOR, r.x2 - x - 12);
        drawTextCut(fontSmall2, x, y + 22, label("cannot be played: the file %s", l.fault.c_str()), 0, 1,
                    DAMAGEDCOLOR, r.x2 - x - 12);
        return;
    }
    const ReplayRowText t = replayRowText(l);
    DrawTextA(fontArial, x, y, t.date.c_str(), 0, 1, DATECOLOR);
    DrawTextA(fontArial, x + 170, y, t.mode.c_str(), 0, 1, MODECOLOR);
    drawTextCut(fontArial, x + 300, y, t.sides.c_str(), 0, 1, SIDESCOLOR, r.x2 - x - 312);
    DrawTextA(fontSmall2, x, y + 24, t.result.c_str(), 0, 1, RESULTCOLOR);
    const char* length = label("length %s", t.length.c_str());
    DrawTextA(fontSmall2, r.x2 - 12 - textWidth(fontSmall2, length), y + 24, length, 0, 1, WHITE);
}

void drawEmpty() {
    drawPlatedText(font1, 400, 200, "No replays yet.", 1, 1, WHITE);
    drawPlatedText(fontArial, 400, 260, "Every match you play is recorded: the last 20 wait here.", 1, 1, HINTCOLOR);
    drawPlatedText(fontArial, 400, 290, "\"Save replay\" after a round or a match keeps one for good.", 1, 1,
                   HINTCOLOR);
}

}  // namespace

void initReplayList() {
    enterMenu();
    gameMode = MODE_REPLAYLIST;
    for (int row = 0; row < ROWS; ++row) {
        const float y = LISTTOP + ROWSTEP * static_cast<float>(row);
        pos[row] = hgeRect(LISTX1, y, LISTX2, y + ROWHEIGHT);
    }
    pos[BACKBUTTON] = hgeRect(16, 528, 80, 592);
    pos[PLAYBUTTON] = hgeRect(712, 528, 776, 592);
    // Back from a replay, the list stands where it was left: the same replay selected.
    const std::string was = chosen >= 0 && chosen < count() ? listing[chosen].path : "";
    listing = listReplays();
    chosen = 0;
    top = 0;
    for (int i = 0; i < count(); ++i)
        if (listing[i].path == was) choose(i);
    focus.reset();
    placeListFocus();
    background = menuSprite("selectBG");
    okButton = menuSprite("okButton");
    backButton = menuSprite("backButton");
    frame = menuSprite("lifeBarFrame");
}

void updateReplayList(float) {
    hoverTest(0, ROWS - 1);
    hoverTest(BACKBUTTON, PLAYBUTTON);
    placeListFocus();
    mOver[LISTFOCUS] = rowUnderPointer() >= 0;
    focus.followPointer(pointerMoved());
    if (const int notches = hge->Input_GetMouseWheel()) scrollTo(top - notches);
    const int key = menuKey();
    if (key == vk::LBUTTON) click();
    else if (isConfirmKey(key)) act();
    else if (isBackKey(key)) back2title();
    else if (focus.on(LISTFOCUS)) moveOnList(key);
    else moveOnButtons(key);
    if (gameMode != MODE_REPLAYLIST) return;
    if (doubleClicked()) {
        const int row = rowUnderPointer();
        if (row >= 0) play(top + row);
    }
    placeListFocus();
}

void drawReplayList() {
    putSprite(background, 0, 0);
    drawPlatedText(font1, 400, 14, "Replays", 1, 1, WHITE);
    if (count() == 0) drawEmpty();
    for (int row = 0; row < ROWS && top + row < count(); ++row) drawRow(row);
    const int row = chosen - top;
    if (count() > 0 && row >= 0 && row < ROWS) drawFrame(frame, pos[row], 0);
    if (count() > ROWS)
        drawPlatedText(fontSmall2, 400, 522, label("%d-%d of %d   (Page Up / Page Down, wheel)", top + 1,
                                                   std::min(top + ROWS, count()), count()),
                       1, 1, HINTCOLOR);
    if (count() > 0)
        drawPlatedText(fontSmall2, 400, 548, "* kept for good; the others are the last 20 matches", 1, 1, HINTCOLOR);
    if (!playable(chosen) && count() > 0)
        drawPlatedText(fontSmall2, 400, 572, "this replay cannot be played", 1, 1, DAMAGEDCOLOR);
    drawButton(backButton, BACKBUTTON);
    if (playable(chosen)) drawButton(okButton, PLAYBUTTON);
    focus.draw();
    setFontStyle(font1, 1, WHITE);
    setFontStyle(fontArial, 1, WHITE);
    setFontStyle(fontSmall2, 1, WHITE);
}
