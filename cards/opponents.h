// The opponents of the campaign: round titles, locations, unlock thresholds, the cards
// each adds to its deck round by round, and the special casts paid with fuel.
#pragma once

#include <string>

// Opponent number of the endless EX mission, played alone in the second quest.
constexpr int EXMISSION = 7;
// The campaign starts no match while the human's deck holds more cards than this.
constexpr int MAXPLAYABLEDECK = 200;

// Number of opponents 0..6 beaten in the current quest.
int totalBeat();
// Title of the current round's opponent (selectedOpp, curRound); "" for a round without one.
std::string getCurOppName();
// Location of selectedOpp.
const char* locationName();
// Location of opponent `opp` (7: the EX mission); "" outside them.
const char* locationNameOf(int opp);
// Appends the opponent's cards for round curRound to its deck.
void addOppCards();
// Every letter A-Z, a-z replaced by '?'; used for names not yet revealed.
std::string questionMark(const std::string& text);

// Opponents that must already be beaten before `opp` can be played.
int unlockThreshold(int opp);
// Stores every threshold in pl[0].misc from M_UNLOCK on (the opponent selection screen).
void setUnlockThresholds();
// Whether a match against `opp` may start: the game data loaded whole, at most
// MAXPLAYABLEDECK cards in the human's deck and enough opponents beaten; the EX mission
// only in the second quest.
bool canStartMatch(int opp);

// Once a second, for opponents 0..6: everyday card play, then the special casts.
void opponentCardPlay();
// The special casts alone: cards paid with fuel and played from the fourth card place.
void opponentSpecialCasts();
