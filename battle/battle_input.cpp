#include "battle/battle_input.h"

#include "battle/player.h"
#include "platform/core/input_state.h"
#include "shell/world.h"

namespace {

BattleInputSource source = nullptr;
BattleInputWatcher watcher = nullptr;

bool held(int key) { return hge->Input_GetKeyState(key); }
bool optionHeld(int option) { return held(pl[0].opt[option]); }

// The campaign's card keys, one a step; any other key is a shared one.
std::uint16_t campaignKeyAction(int key) {
    const int* opt = pl[0].opt;
    if (key == 0) return 0;
    if (key == opt[OPT_KEYUSE1]) return SA_USE1;
    if (key == opt[OPT_KEYUSE2]) return SA_USE2;
    if (key == opt[OPT_KEYUSE3]) return SA_USE3;
    if (key == opt[OPT_KEYDISCARD]) return SA_DISCARD;
    if (key == opt[OPT_KEYCHANGE]) return SA_CHANGE;
    return readSharedKey(key);
}

// The campaign's human: the option keys, the arrows, the mouse and the first pad, which
// arrives as the default keys.
BattleInput readCampaignInput() {
    BattleInput in;
    std::uint16_t& actions = in.side[0].actions;
    actions = campaignKeyAction(hge->Input_GetKey());
    steerByMouse();

    std::uint16_t& h = in.side[0].held;
    if (optionHeld(OPT_KEYUP) || held(vk::UP)) h |= SH_UP;
    if (optionHeld(OPT_KEYLEFT) || held(vk::LEFT)) h |= SH_LEFT;
    if (optionHeld(OPT_KEYDOWN) || held(vk::DOWN)) h |= SH_DOWN;
    if (optionHeld(OPT_KEYRIGHT) || held(vk::RIGHT)) h |= SH_RIGHT;
    if (optionHeld(OPT_KEYFIRE) || held(vk::LBUTTON)) h |= SH_FIRE;
    if (optionHeld(OPT_KEYBOOST)) h |= SH_BOOST;
    h |= mouseHeld();
    actions |= wheelActions();
    return in;
}

}  // namespace

std::uint16_t readSharedKey(int key) {
    if (key == vk::RBUTTON) return SA_USESELECTED;
    if (key == vk::MBUTTON) return SA_DISCARDSELECTED;
    handleSharedKey(key);
    return 0;
}

std::uint16_t mouseHeld() {
    std::uint16_t h = 0;
    if (mouseMovedLeft) h |= SH_MOUSELEFT;
    if (mouseMovedRight) h |= SH_MOUSERIGHT;
    if (mouseMovedUp) h |= SH_MOUSEUP;
    if (mouseMovedDown) h |= SH_MOUSEDOWN;
    return h;
}

std::uint16_t wheelActions() {
    const int wheel = hge->Input_GetMouseWheel();
    if (wheel < 0) return SA_WHEELNEXT;
    if (wheel > 0) return SA_WHEELPREVIOUS;
    return 0;
}

BattleInput readLiveInput() { return versus.on ? readVersusInput() : readCampaignInput(); }

void setBattleInputSource(BattleInputSource s) { source = s; }
void setBattleInputWatcher(BattleInputWatcher w) { watcher = w; }

BattleInput takeBattleInput() {
    const BattleInput in = source ? source() : readLiveInput();
    if (watcher) watcher(in);
    return in;
}
