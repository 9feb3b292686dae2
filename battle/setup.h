// Match and round set-up: the battle graphics, the world tables, both vehicles' stats,
// positions, coins and hands, the match tempo and music, and each round's layout.
#pragma once

class hgeFont;

// Where the match set-up binds the battle's graphics in spr[] and anim[]; the battle
// drawing reads them from the same places.
constexpr int SPR_BG = 0;
constexpr int SPR_CARDFRAME = 1;  // "card0" .. "card8" in 1..9 ("card8" is the back)
constexpr int SPR_LIFEBARFRAME = 21, SPR_LIFEBAR = 22, SPR_FUELBAR = 23;
constexpr int SPR_CONDICON = 24;  // "condIcon0" .. "condIcon18" in 24..42
constexpr int SPR_ROXY = 45, SPR_SPD = 46, SPR_R2X = 47, SPR_RFLX = 48, SPR_MUTE = 49, SPR_FREZ = 50;
constexpr int SPR_STUN = 51, SPR_ZOM = 52, SPR_SLOW = 53, SPR_SWORD = 54, SPR_STAR = 55;
constexpr int SPR_WALL = 56;  // "wall0" .. "wall11" in 56..67, but for "wall8" (an animation)
constexpr int SPR_RING = 68, SPR_UPGRADEPOINTS = 69, SPR_COST1 = 70, SPR_COST2 = 71, SPR_UPGRADEBUTTON = 72;
constexpr int SPR_OKBUTTON = 73, SPR_HALFDEATHIZER = 74, SPR_DEATHIZER = 75, SPR_COMBO = 76;
constexpr int SPR_HEART = 86, SPR_POWERTEXT = 87, SPR_SHOTHEAD = 88;
constexpr int ANIM_WALL8 = 3, ANIM_WALL12 = 4, ANIM_WALL13 = 5, ANIM_WALL14 = 6;
constexpr int ANIM_ELIM = 22, ANIM_ROULETTEBLOCK = 28, ANIM_EXTENDOVINE = 57, ANIM_COINMULTI = 82;
constexpr int ANIM_POINTS200 = 90, ANIM_POINTS500 = 91, ANIM_POINTS1000 = 92;

// The score font of the current opponent's battle.
extern hgeFont* fontScore;

// The human's match score and the total score as the current round began. A retried
// round goes back to them, so it takes back only what the lost attempt earned.
struct RoundStartScores {
    int score = 0;
    int total = 0;
};
extern RoundStartScores roundStart;
// Rounds the opponent has won this match (each a game over the human retried); the HUD's
// tally shows it beside the rounds the human has won (curRound).
extern int roundsLost;

// Told as a match and each of its rounds are set up, before anything changes: the
// recorder keeps what a round starts from.
struct SetupWatchers {
    void (*matchBegins)() = nullptr;
    void (*roundBegins)(bool retry) = nullptr;
};
extern SetupWatchers setupWatchers;

// Starts a match against selectedOpp with selectedVeh (a new game when newGame is set)
// and sets up its first round.
void initGame();
// Sets up round curRound. A retry of a lost round does not add the opponent's round cards
// to its deck again.
void initRound(bool retry);
