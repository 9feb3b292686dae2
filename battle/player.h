// The vehicles: the human's keyboard and mouse, the opponent's randomised control, both
// guns and the movement of both vehicles within their fields. The Player record's own
// operations (getCurParticle, setAI) are defined in player.cpp too.
#pragma once

#include <cstdint>

struct BattleInput;

// Sides the battle simulates: both against opponents 0..6, only the human in the EX mission.
int simulatedSides();

// Once per battle frame: the human's keys and mouse, the opponent's decisions, both guns
// and the movement of both vehicles.
void playerMovement(float dt);

// Acceleration per second of pl[side] this frame: boost, conditions and passives applied.
float vehicleSpeed(int side);
// One volley of pl[side]'s gun; stops early when the shot table is full.
void fireVolley(int side);
// The gun of pl[side] this frame: a volley and the cooldown when its owner wants to fire
// and may; while muted or stunned, the dud sound whether or not fire is wanted.
void pullTrigger(int side, bool wantsToFire);
// Starts or stops pl[side]'s boost flame as its boosting flag changed this frame.
void updateBoostFlame(int side);

// Which way a side is steered this frame; a vehicle leans only when keys steer it.
struct Steering {
    bool left = false, right = false, up = false, down = false;
    bool leanLeft = false, leanRight = false;
};
void steerSide(int side, float dt, const Steering& way);
// The ways a side's held bits (SH_*) steer it; the pointer's ways count for the one side
// that has the mouse.
Steering steeringOf(std::uint16_t held, bool mouse);
// The pointer's displacement since the last frame as mouseMoved*; the pointer is then put
// back in the middle.
void steerByMouse();
// A side's card keys of this step (SA_USE1..3, SA_CHANGE, SA_DISCARD), in that order.
void applyCardActions(int side, std::uint16_t actions);
// The mouse buttons' use and discard of the selected card.
void applyPointerActions(int side, std::uint16_t actions);
// The wheel turns the selected card.
void selectByWheel(int side, std::uint16_t actions);
// The keys that do not play and stay with player 1 whatever the match: Escape (pause),
// F1 (help), F2 (frame rate) and Alt+Enter (window mode).
void handleSharedKey(int k);

// Both humans' input in a two-player match (versus_controls.cpp).
void versusControl(float dt, const BattleInput& in);

// The opponent's decisions for this frame (opponent_ai.cpp).
void opponentControl(float dt);
