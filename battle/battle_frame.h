// The battle's frame (game mode 5) and its two fixed ticks.
#pragma once

// Once per battle frame: scroll, vehicles, enemy waves, enemies, shots, items, collisions,
// walls, then per side the end of the round, hearts, fuel, cards, conditions and combos.
void updateGame(float dt);
// Every 0.1 s (from the shell's frame loop in every mode): colour cycling, the damage over
// time of conditions in battle, the ending's wandering corner; every tenth call timer1.
void timer0p1();
// Every second: the clocks and tempo, enemy attack rolls, per-second effects, the
// opponent's card play and enemies against walls.
void timer1();

// Hands the battle to the shell: the 0.1-second tick and the mode-5 update.
void registerBattle();

// The three ends of a round, through the screens' hooks; until a screen is there, only
// the game mode changes.
void showGameOver();
void showWinRound();
void showWinMatch();

// Once per battle frame: every simulated side whose wave timer ran out gets a new wave
// (waves.cpp).
void releaseWaves(float dt);
