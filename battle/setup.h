// Match and round set-up: the battle graphics, the world tables, both vehicles' stats,
// positions, coins and hands, the match tempo and music, and each round's layout.
#pragma once

class hgeFont;

// The score font of the current opponent's battle.
extern hgeFont* fontScore;

// Starts a match against selectedOpp with selectedVeh (a new game when newGame is set)
// and sets up its first round.
void initGame();
// Sets up round curRound. A retry of a lost round does not add the opponent's round cards
// to its deck again.
void initRound(bool retry);
