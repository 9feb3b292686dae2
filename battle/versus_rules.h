// The rules of a two-player match: its start, the rounds and who has won. A round is
// the campaign's round (heart, fuel, timers, the place's layouts), played by two people.
#pragma once

// What a player's keys do, each bound to one OPT_KEY* option.
enum VersusAction {
    VA_UP, VA_LEFT, VA_DOWN, VA_RIGHT, VA_FIRE, VA_BOOST, VA_USE1, VA_USE2, VA_USE3, VA_CHANGE, VA_DISCARD,
    NUMVERSUSACTIONS
};
// Whether player `side` holds `action` now: his own key on the keyboard, or the
// controller he plays with (its buttons as the campaign maps them).
bool versusActionHeld(int side, int action);

// The controller slot that plays pl[side] with `padCount` controllers attached: with two
// the first plays player 1 and the second player 2, a single one plays player 2 (player
// 1 keeps the keyboard); -1 for the keyboard alone.
int padOfSide(int side, int padCount);
// Card keys held as a round starts act only once let go and pressed again.
void holdVersusKeys();

// Starts a match with the choices in `versus` (a random place is drawn here), the score
// at 0 - 0, and its first round.
void startVersusMatch();
// The same with these choices: each side's vehicle and deck, and the place.
void startVersusMatch(int vehicle0, int vehicle1, int deck0, int deck1, int place);
// After a won round: the next one, in the same place.
void nextVersusRound();
// A round's end once a heart is empty: a side still standing wins it (both out is a
// draw and the round is played again), then the banner or, once a side has won the
// match's rounds, the match's end.
void endVersusRound();
// The side that has won the match, or -1 while it goes on.
int versusMatchWinner();
