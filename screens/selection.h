// The screens between the title and a match: vehicle (mode 1) and deck (mode 2) on a new
// game, the opponent selection (mode 3) that every match returns to, and the deck viewer
// (mode 10) reached from it.
#pragma once

void initSelectVehScreen();
void updateSelectVehScreen(float dt);
void drawSelectVehScreen();

void initSelectDeckScreen();
void updateSelectDeckScreen(float dt);
void drawSelectDeckScreen();
// The deck a direction key moves to from `deck` in the three rows of decks (0-2, 3-8,
// 9-11); dx and dy are -1, 0 or 1.
int deckNeighbour(int deck, int dx, int dy);

void initSelectOppScreen();
void updateSelectOppScreen(float dt);
void drawSelectOppScreen();

void initViewDeckScreen();
void updateViewDeckScreen(float dt);
void drawViewDeckScreen();

// The two sounds of every selection screen: going on, going back.
void playConfirm();
void playBack();
