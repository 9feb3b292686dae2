#include "screens/save_replay.h"

#include <string>

#include "platform/core/input_state.h"
#include "replay/recorder.h"
#include "screens/card_drawing.h"
#include "screens/drawing.h"
#include "screens/menu.h"
#include "screens/selection.h"
#include "screens/text_plate.h"
#include "shell/world.h"
#include "toolkit/hgefont.h"

namespace {

constexpr DWORD BUTTONCOLOR = 0xFF2E7D4F, SAVEDCOLOR = 0xFFB8F0A0, FAILEDCOLOR = 0xFFFFA0A0;
constexpr float NOTEWIDTH = 560;

int place = -1;
bool used = false;
bool saved = false;
std::string note;

}  // namespace

void initSaveReplay(int at, const hgeRect& r) {
    place = at;
    pos[at] = r;
    used = saved = false;
    note.clear();
}

bool saveReplayOffered() { return place >= 0 && !used && !currentReplay().rounds.empty(); }

void saveReplay() {
    if (!saveReplayOffered()) return;
    used = true;
    std::string keptName, error;
    saved = keepCurrentReplay(keptName, error);
    if (saved) {
        playConfirm();
        note = "Replay saved";
        hge->System_Log("Replay kept as %s", keptName.c_str());
    } else {
        note = "Replay not saved: " + error;
        hge->System_Log("%s", note.c_str());
    }
}

bool saveReplayKey(int key) {
    if (!saveReplayOffered()) return false;
    if (key != SAVEREPLAYKEY && !clickedOn(key, place)) return false;
    saveReplay();
    return true;
}

void drawSaveReplay() {
    if (place < 0) return;
    if (saveReplayOffered()) {
        drawTextButton(place, "Save replay (R)", fontArial, BUTTONCOLOR);
        return;
    }
    if (note.empty()) return;
    const hgeRect& r = pos[place];
    const char* text = note.c_str();
    const float scale = shrinkToFit(fontArial, text, NOTEWIDTH);
    const float y = (r.y1 + r.y2) / 2 - (fontArial ? fontArial->GetHeight() * scale / 2 : 0);
    drawPlatedText(fontArial, (r.x1 + r.x2) / 2, y, text, 1, scale, saved ? SAVEDCOLOR : FAILEDCOLOR);
    setFontStyle(fontArial, 1, 0xFFFFFFFF);
}
