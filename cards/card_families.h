// The families of card effects that initCard dispatches to. Each returns false for a card
// id outside its family, so the dispatcher can try the next one.
#pragma once

// One play of a card, fixed for the whole effect.
struct CardPlay {
    int card;
    int user;      // the side that plays it
    int opponent;  // the other side
    int slot;      // 0..2 a hand slot, 3 the side's aiCard
    int tier;      // selectedOpp / 2 + 1: scales enemy counts
};

// Weapons against one's own enemies and hazards against the rival (card_shots.cpp).
bool playShotCard(const CardPlay& play);
// Enemies sent into the rival's field (card_spawns.cpp).
bool playSpawnCard(const CardPlay& play);
// Walls and falling items (card_walls.cpp).
bool playFieldCard(const CardPlay& play);
// The one-of-a-kind effects (card_specials.cpp).
bool playSpecialCard(const CardPlay& play);

// A one-off particle burst of description `look` at the centre of pl[side]'s vehicle.
void burstAtVehicle(int side, int look);
