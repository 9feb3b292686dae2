// The hand of three card slots per side, the three coin purses, and the three stages of
// playing a card: activation (the coins are paid and the use timer starts), the effect
// (initCard when the use timer runs out) and the refill of the emptied slot from the deck.
#pragma once

#include "platform/hge.h"
#include "shell/records.h"

// Card types as the card data stores them.
enum CardType {
    CT_EFFECT = 0, CT_ENEMY = 1, CT_PASSIVE = 2, CT_WEAPON = 3, CT_HAZARD = 4, CT_TERRITORY = 5, CT_ITEM = 6
};

// The catalogue entry of `id`; an id outside the catalogue reads as a silent card without
// cost, name or timings, so bad deck data can never index past the table.
const Card& cardData(int id);

// How many coins of `color` (C_R, C_G, C_B) the human can hold with starting deck `deck`.
int deckCoinCap(int deck, int color);
// Sets both sides' coin capacities for the coming match: the human's by selectedDeck,
// the opponent's by selectedOpp.
void getCoinCapacity();
// Colour class of a card by the colours it costs: C_R .. C_RGB, or C_OTHER1 when free.
int getCardColor(int id);
// Text colour of a card's colour class.
DWORD getCardTextColor(int id);
// "Effect", "Enemy", "Passive", "Weapon", "Hazard", "Territory", "Item"; "" for any other type.
const char* getTypeName(int type);

// Round start for one side: an empty hand whose three slots draw after CARDDELAY, no card
// activated, slot 0 selected, the starting coins and both condition slots cleared.
void resetHand(int side);
// Coins of each colour a side starts a round with.
int startingCoins(int side);

// The slot holds a card that is not activated and the side can pay its full cost. Seal
// and passives are not considered.
bool canUseCard(int side, int slot);
// Pays for the slot's card and starts its use timer, or refuses with a sound or text.
void activateCard(int side, int slot);
// Runs the effect of the slot's card (its use timer has run out).
void useCard(int side, int slot);
// Throws away a held (not activated) card; the slot refills after three refill times.
void discardCard(int side, int slot);
// Draws the next card of the side's deck into the slot; the deck cycles and is reshuffled
// after its last card.
void getNextCard(int side, int slot);

// Per battle frame for one side: coins cut to their caps, coin flashes, and the draw and
// use timers of the three slots (a draw or an effect in the frame a timer reaches 0).
void updateCardSlots(int side, float dt);
// Once a second: the opponent's everyday card play.
void playOpponentCards();
