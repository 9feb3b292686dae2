// The vehicles: the human's keyboard and mouse, the opponent's randomised control, both
// guns and the movement of both vehicles within their fields. The Player record's own
// operations (getCurParticle, setAI) are defined in player.cpp too.
#pragma once

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
// The pointer's displacement since the last frame as mouseMoved*; the pointer is then put
// back in the middle.
void steerByMouse();
// The wheel turns the human's selected card.
void selectByWheel();
// The keys that stay with player 1 whatever the match: the mouse buttons' card use and
// discard, Escape (pause), F1 (help), F2 (frame rate) and Alt+Enter (window mode).
void handleSharedKey(int k);

// Both humans' keys and controllers in a two-player match (versus_controls.cpp).
void versusControl(float dt);

// The opponent's decisions for this frame (opponent_ai.cpp).
void opponentControl(float dt);
