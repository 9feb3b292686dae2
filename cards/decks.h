// Each side's deck: an ordered list of card ids in Player::deck, shuffled at every round
// start and drawn from in a cycle. Also the sorts used by the deck viewer and rewards.
#pragma once

// Fills the first 50 places of the side's deck from its starting deck: the human's from
// deckDB[selectedDeck] (a -1 place becomes the chosen vehicle's level-1 weapon card), the
// opponent's from deckDB[12 + selectedOpp]. deckSize is left to the caller.
void initNewDeck(int side);
// Shuffles the side's first deckSize cards; deckPos is left alone.
void shuffleDeck(int side);
// Card id of vehicle `veh`'s special weapon at `level` (1..5).
int specialWeaponCard(int veh, int level);
// Appends a card; a deck already holding MAXDECKSIZE cards stays as it is.
void addToDeck(int side, int card);
// Removes the human's card at `index`, closing the gap.
void removeFromDeck(int index);
// How many of the side's first deckSize places hold `card`.
int getCardQty(int side, int card);

// Stable sorts of card ids: by card type, by card name (byte by byte).
void sortArray(int* ids, int n);
void sortArrayByName(int* ids, int n);
// Stable sort of the n values from `start` on, ascending.
void sortByNumber(int* values, int start, int n);
