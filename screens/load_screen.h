// The load screen (mode 15): the ten save slots, for a new game or to continue one.
#pragma once

void initLoadScreen();
void updateLoadGame(float dt);
void drawLoadScreen();

// Whether the load action would do something for `slot`: an empty slot on the new-game
// screen, a saved game on the continue screen.
bool loadActionPossible(int slot);
// A new game in an empty slot goes on to the vehicle selection; a saved game is loaded.
void loadAction(int slot);
