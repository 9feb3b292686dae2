// Both humans' controls in a two-player match. Each side reads its own keys from the
// keyboard alone and, when it has one, its own controller alone, so that a key or button
// of one player never moves the other; player 1 keeps the mouse. Player 1 has no arrows
// here: they are player 2's by default.
#include "battle/battle_input.h"
#include "battle/player.h"
#include "battle/versus_rules.h"
#include "cards/hand.h"
#include "platform/core/input_state.h"
#include "shell/hooks.h"
#include "shell/modes.h"
#include "shell/world.h"

namespace {

constexpr int NUMACTIONS = NUMVERSUSACTIONS;
constexpr int ACTIONOPTIONS[NUMACTIONS] = {OPT_KEYUP,   OPT_KEYLEFT, OPT_KEYDOWN, OPT_KEYRIGHT,
                                           OPT_KEYFIRE, OPT_KEYBOOST, OPT_KEYUSE1, OPT_KEYUSE2,
                                           OPT_KEYUSE3, OPT_KEYCHANGE, OPT_KEYDISCARD};
// A controller's buttons arrive as the keys the campaign's defaults use: the d-pad and
// stick as the arrows, A fire, B boost, X, Y and the right shoulder the cards, the left
// shoulder change and Back discard.
constexpr int PADKEYS[NUMACTIONS] = {vk::UP,       vk::LEFT,      vk::DOWN,      vk::RIGHT,
                                     vk::SPACE,    vk::SHIFT,     vk::KEY0 + 1,  vk::KEY0 + 2,
                                     vk::KEY0 + 3, vk::BACKSLASH, vk::BACKSPACE};

// What each side held last frame; a card key acts as it goes down.
bool wasHeld[2][NUMACTIONS] = {};

// One side's held keys as the battle's bits, and the card keys that went down this step.
SideInput readSide(int side) {
    bool now[NUMACTIONS];
    for (int a = 0; a < NUMACTIONS; ++a) now[a] = versusActionHeld(side, a);
    SideInput in;
    constexpr std::uint16_t HELDBITS[] = {SH_UP, SH_LEFT, SH_DOWN, SH_RIGHT, SH_FIRE, SH_BOOST};
    for (int a = VA_UP; a <= VA_BOOST; ++a)
        if (now[a]) in.held |= HELDBITS[a];
    constexpr std::uint16_t ACTIONBITS[] = {SA_USE1, SA_USE2, SA_USE3, SA_CHANGE, SA_DISCARD};
    for (int a = VA_USE1; a <= VA_DISCARD; ++a)
        if (now[a] && !wasHeld[side][a]) in.actions |= ACTIONBITS[a - VA_USE1];
    for (int a = 0; a < NUMACTIONS; ++a) wasHeld[side][a] = now[a];
    return in;
}

void controlSide(int side, float dt, SideInput in) {
    Player& p = pl[side];
    p.wasBoosting = p.boosting;
    p.boosting = (in.held & SH_BOOST) && p.fuel > 0;
    steerSide(side, dt, steeringOf(in.held, side == 0));
    updateBoostFlame(side);
    pullTrigger(side, in.held & SH_FIRE);
    applyCardActions(side, in.actions);
}

// A controller plugged in or pulled out changes who plays with what: the game stops and
// the pause screen says how the controllers are shared now.
bool padsChanged() {
    const int pads = hge->Input_GetPadCount();
    if (pads == versus.padCount) return false;
    versus.padCount = pads;
    versus.padNotice = true;
    callHook(gameHooks.initPauseScreen);
    return true;
}

}  // namespace

bool versusActionHeld(int side, int action) {
    if (side < 0 || side > 1 || action < 0 || action >= NUMACTIONS) return false;
    const int key = pl[side].opt[ACTIONOPTIONS[action]];
    if (key != 0 && hge->Input_GetPadKeyState(INPUT_KEYBOARD, key)) return true;
    const int pad = padOfSide(side, hge->Input_GetPadCount());
    return pad >= 0 && hge->Input_GetPadKeyState(pad, PADKEYS[action]);
}

int padOfSide(int side, int padCount) {
    if (padCount >= 2) return side == 0 || side == 1 ? side : -1;
    if (padCount == 1) return side == 1 ? 0 : -1;
    return -1;
}

void holdVersusKeys() {
    for (auto& side : wasHeld)
        for (bool& a : side) a = true;
}

BattleInput readVersusInput() {
    BattleInput in;
    versus.padNotice = false;
    if (padsChanged()) return in;
    const std::uint16_t pointer = readSharedKey(hge->Input_GetKey());
    steerByMouse();
    for (int side = 0; side < 2; ++side) in.side[side] = readSide(side);
    in.side[0].actions |= pointer;
    in.side[0].held |= mouseHeld();
    if (hge->Input_GetPadKeyState(INPUT_KEYBOARD, vk::LBUTTON)) in.side[0].held |= SH_FIRE;
    in.side[0].actions |= wheelActions();
    return in;
}

void versusControl(float dt, const BattleInput& in) {
    applyPointerActions(0, in.side[0].actions);
    for (int side = 0; side < 2; ++side) controlSide(side, dt, in.side[side]);
    selectByWheel(0, in.side[0].actions);
}
