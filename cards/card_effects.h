// The effect of one card for one side. Every call plays the card's sound, logs the play,
// runs the effect of the card id and spends the card.
#pragma once

// Slot 0..2 plays the hand slot, which is emptied and refills after the card's refill
// time; slot 3 plays the side's aiCard (a scripted cast) and touches no hand slot.
void initCard(int side, int slot);

// The family name of the selected vehicle's special weapons, "" for no vehicle.
const char* specialWpnName();

// The card that gives passive `passive` (its name and rules text say what the passive
// does), 0 for none.
int passiveCard(int passive);
