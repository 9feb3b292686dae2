// Weapon cards (shots against the enemies of one's own field) and hazard cards (shots against
// the rival's vehicle, made in the rival's field). Most cards are rows of one table, each row
// one Shot::create call site; the few with a placement of their own have a function below.
#include <algorithm>
#include <cmath>

#include "battle/shots.h"
#include "cards/card_effects.h"
#include "cards/card_families.h"
#include "cards/conditions.h"
#include "cards/opponents.h"
#include "shell/geometry.h"
#include "shell/sound.h"
#include "shell/world.h"
#include "toolkit/hgeanim.h"

namespace {

constexpr float UNTILOFF = -1;  // lifetime of a shot that lives until it leaves its field
constexpr int NOCOND = 0;
constexpr float PI = 3.14159265f;

// The battle's animation slots (anim[], bound at round set-up) that card shots are drawn with.
enum AnimLook {
    A_MISSILE1 = 7, A_RING = 8, A_MISSILE2 = 9, A_MISSILE3 = 10, A_MISSILE4 = 11, A_BOMB = 13, A_TENNIS = 15,
    A_GOLF = 16, A_FOOTBALL = 17, A_BASKETBALL = 18, A_WRECK = 19, A_BALLOON = 20, A_BALLOON2 = 21,
    A_BOOMER = 24, A_WAVE = 25, A_DICE = 26, A_ROULETTE = 27, A_CHERRY = 30, A_SEVEN = 32, A_SAX = 33,
    A_PIANO = 34, A_DRUM = 35, A_TRUMPET = 36, A_GUITAR = 37, A_FIRE = 38, A_DEZO = 39, A_VOWEL = 41,
    A_Y2K = 42, A_DOOR = 45, A_CAN = 46, A_SAUTE = 47, A_SQ1 = 48, A_BFG1 = 49, A_TNT = 51,
    A_BEAMGREEN = 52, A_BEAMRED = 53, A_PARTIZAN = 54, A_STUPBEAM = 55, A_ROCKSMASH = 56, A_TOXIBOMB = 58,
    A_EGG = 61, A_HARV = 62, A_ELECTRO = 64, A_ELECTRO2 = 65, A_CD = 66, A_PLATE = 68, A_BLADE = 70,
    A_ICEORBIX = 71, A_KORVANZAP = 72, A_SHURIKEN3 = 73, A_SHURIKEN4 = 74, A_SUV = 76, A_CLUB = 83,
    A_FIRE2 = 85,
};
// Particle descriptions (psiGeneral) that card shots trail.
enum ParticleLook {
    PS_TOXICLOUD = 6, PS_WATER = 16, PS_MUSTARD = 17, PS_RELISH = 18, PS_KETCHUP = 19, PS_FIREBALL = 21,
    PS_SQUARESPARK = 29, PS_WEIRDSPARK = 31, PS_SPARKS = 44, PS_DROWSY = 45, PS_BLOB = 59,
};
// The slot machines draw their machine's look among the reel symbols.
constexpr int PICKREELLOOK = -2;

enum Field { OWN, RIVAL };

// A number of a row: a constant, or a Random_Float draw between two bounds for each shot.
struct Range {
    float lo, hi;
    constexpr Range(float v) : lo(v), hi(v) {}
    constexpr Range(float a, float b) : lo(a), hi(b) {}
    float draw() const { return lo == hi ? lo : hge->Random_Float(lo, hi); }
};

// How a shot is shown: an animation, or a particle description that follows it; w × h is
// its size, 0 × 0 the size of its animation.
struct Look {
    int index;
    bool particles;
    float w, h;
};
constexpr Look drawn(int index, float w = 0, float h = 0) { return {index, false, w, h}; }
constexpr Look trailed(int index, float w, float h) { return {index, true, w, h}; }

// Where a shot starts; v is the user's vehicle, L..R the field the shot acts in, T the
// vehicle the shot is aimed at (the rival's for a hazard).
enum Place {
    ABOVE,        // centred on v moved a px across, bottom on v's top moved b px down
    BELOW,        // centred on v, top on v's bottom
    CENTRED,      // centred on v
    OUTSIDE,      // beside v on the sides its velocity points to
    FROMLEFT,     // left edge a px right of v's left edge, bottom on v's top
    SPOT,         // x = F(L, R - w), y = F(a, b)
    NEARTARGET,   // centred on T moved a px across
    OVERTARGET,   // centred across on T, top at y = a
    POINT,        // centred on (L + a·(R - L), b)
    TARGETHIGH,   // centred on (the middle of L..R, F(100, T's top))
    FIELDOFFSET,  // centred on x = L + F(50, 250), top at y = a
};
struct Where {
    Place place;
    float a = 0, b = 0;
};

// Several shots of one row: a fan (dx grows by step per shot), a row (shots step px apart,
// centred on the start) or a ring (dx, dy point every way at step px/s). Shots of a fan, row
// or ring share one start; any other shot of a row draws its own.
enum SpreadKind { SINGLE, FAN, ROW, RING };
struct Spread {
    SpreadKind kind = SINGLE;
    float step = 0;
};

struct ShotRow {
    int card;
    Field field;
    int count;
    float damage;
    Range dx, dy, ax, ay, life;
    int pattern;
    Range period;
    int cond;
    Look look;
    Where where;
    Spread spread;
};

constexpr Spread fan(float step) { return {FAN, step}; }
constexpr Spread row(float step) { return {ROW, step}; }
constexpr Spread ring(float speed) { return {RING, speed}; }

// Random draws per shot are made in a fixed order, so a seeded battle replays exactly:
// position, then period, lifetime, ay, ax, dy, dx.
constexpr ShotRow SHOTROWS[] = {
    // card field n dmg    dx     dy     ax   ay     life      pattern  period cond  look  where  spread
    {187, OWN, 1, 30, 0, -250, 0, -50, UNTILOFF, P_MISSILE, 6, NOCOND, drawn(A_MISSILE1), {ABOVE}, {}},
    {188, OWN, 1, 40, -5, -280, 0, -50, UNTILOFF, P_MISSILE, 6, NOCOND, drawn(A_MISSILE2), {FROMLEFT, -40}, {}},
    {188, OWN, 1, 40, 5, -280, 0, -50, UNTILOFF, P_MISSILE, 6, NOCOND, drawn(A_MISSILE2), {FROMLEFT, 24}, {}},
    {189, OWN, 3, 50, -25, -220, 0, -50, UNTILOFF, P_MISSILE, 6, NOCOND, drawn(A_MISSILE3), {ABOVE}, fan(25)},
    {189, OWN, 1, 50, 0, 250, 0, 60, UNTILOFF, P_MISSILE, 6, NOCOND, drawn(A_MISSILE3), {CENTRED}, {}},
    {190, OWN, 5, 60, -50, -220, 0, -50, UNTILOFF, P_MISSILE, 6, NOCOND, drawn(A_MISSILE4), {ABOVE}, fan(25)},
    {190, OWN, 1, 60, -40, 170, 0, 30, UNTILOFF, P_MISSILE, 6, NOCOND, drawn(A_MISSILE4), {CENTRED}, {}},
    {190, OWN, 1, 60, 40, 170, 0, 30, UNTILOFF, P_MISSILE, 6, NOCOND, drawn(A_MISSILE4), {CENTRED}, {}},
    {191, OWN, 7, 75, -75, -220, 0, -50, UNTILOFF, P_LINEAR, 6, NOCOND, trailed(PS_FIREBALL, 16, 32), {ABOVE}, fan(25)},
    {191, OWN, 1, 75, -75, 200, 0, 40, UNTILOFF, P_LINEAR, 6, NOCOND, trailed(PS_FIREBALL, 16, 32), {CENTRED}, {}},
    {191, OWN, 1, 75, -20, 200, 0, 40, UNTILOFF, P_LINEAR, 6, NOCOND, trailed(PS_FIREBALL, 16, 32), {CENTRED}, {}},
    {191, OWN, 1, 75, 20, 200, 0, 40, UNTILOFF, P_LINEAR, 6, NOCOND, trailed(PS_FIREBALL, 16, 32), {CENTRED}, {}},
    {191, OWN, 1, 75, 75, 200, 0, 40, UNTILOFF, P_LINEAR, 6, NOCOND, trailed(PS_FIREBALL, 16, 32), {CENTRED}, {}},
    {192, OWN, 1, 20, 0, -75, 0, 0, 0.5f, P_BOMB1, 6, NOCOND, drawn(A_BOMB), {ABOVE}, {}},
    {193, OWN, 1, 20, 0, -75, 0, 0, 0.5f, P_BOMB2, 6, NOCOND, drawn(A_BOMB), {ABOVE}, {}},
    {194, OWN, 1, 20, 0, -75, 0, 0, 0.5f, P_BOMB3, 6, NOCOND, drawn(A_BOMB), {ABOVE}, {}},
    {195, OWN, 1, 20, 0, -75, 0, 0, 0.5f, P_BOMB4, 6, NOCOND, drawn(A_BOMB), {ABOVE}, {}},
    {196, OWN, 1, 20, 0, -75, 0, 0, 0.5f, P_BOMB5, 6, NOCOND, drawn(A_BOMB), {ABOVE}, {}},
    {197, OWN, 1, 15, 0, -75, 0, 0, UNTILOFF, P_LINEAR, 6, NOCOND, drawn(A_TENNIS, 12, 12), {ABOVE}, {}},
    {198, OWN, 3, 25, -25, -100, 0, 0, UNTILOFF, P_LINEAR, 6, NOCOND, drawn(A_GOLF, 12, 12), {ABOVE}, fan(25)},
    {199, OWN, 1, 60, 0, -100, 0, -20, 2.7f, P_WAVE, 3, NOCOND, drawn(A_FOOTBALL, 24, 24), {ABOVE}, {}},
    {200, OWN, 3, 65, 0, -200, 0, -30, 2, P_WAVE, 1.5f, NOCOND, drawn(A_BASKETBALL, 24, 24), {ABOVE}, row(40)},
    {201, OWN, 1, 70, -100, -300, 0, 0, 4, P_HOURGLASSHALF, 10, NOCOND, drawn(A_WRECK, 48, 48), {ABOVE}, {}},
    {202, OWN, 1, 20, 0, -120, 0, -25, 1, P_BALLOON1, 6, NOCOND, drawn(A_BALLOON, 21, 32), {ABOVE}, {}},
    {203, OWN, 1, 25, 0, -150, 0, -40, 1, P_BALLOON2, 6, NOCOND, drawn(A_BALLOON2, 21, 32), {ABOVE}, {}},
    {204, OWN, 1, 50, 0, -300, 0, -30, 2.5f, P_SOAK, 6, NOCOND, trailed(PS_WATER, 24, 48), {ABOVE}, {}},
    {205, OWN, 3, 60, 0, -300, 0, -30, 3.5f, P_SOAK, 6, NOCOND, trailed(PS_WATER, 24, 48), {ABOVE}, row(40)},
    {206, OWN, 1, 80, 100, -200, 0, 0, 5, P_TRIANGLE, 8, NOCOND, drawn(A_Y2K, 32, 32), {ABOVE}, {}},
    {207, OWN, 1, 30, 0, 0, 0, 0, 2.5f, P_LINEAR, 6, NOCOND, trailed(PS_KETCHUP, 100, 100), {ABOVE, 0, -28}, {}},
    {208, OWN, 1, 25, 0, 0, 0, 0, 6, P_MUSTARD, 6, NOCOND, trailed(PS_MUSTARD, 32, 200), {ABOVE}, {}},
    {209, OWN, 3, 40, -48, -250, 0, -20, UNTILOFF, P_LINEAR, 6, NOCOND, trailed(PS_RELISH, 16, 16), {ABOVE}, fan(48)},
    {209, OWN, 3, 40, -64, -300, 0, -30, UNTILOFF, P_LINEAR, 6, NOCOND, trailed(PS_RELISH, 16, 16), {ABOVE, 0, -64},
     fan(64)},
    {210, OWN, 1, 60, 0, -250, 0, -30, UNTILOFF, P_WAVE, 0.4f, NOCOND, drawn(A_FIRE2, 24, 24), {ABOVE}, {}},
    {211, OWN, 1, 75, -150, -250, 0, 0, 4, P_TRIANGLE, 10, NOCOND, drawn(A_SAUTE, 32, 32), {ABOVE}, {}},
    {212, OWN, 1, 10, 0, -50, 0, -10, 7, P_LINEAR, 6, NOCOND, drawn(A_WAVE, 300, 96), {ABOVE}, {}},
    {213, OWN, 1, 15, 0, -50, 0, -10, 7, P_LINEAR, 6, NOCOND, drawn(A_WAVE, 300, 96), {ABOVE}, {}},
    {213, OWN, 1, 15, -50, 0, -10, 0, 7, P_LINEAR, 6, NOCOND, drawn(A_WAVE, 64, 240), {OUTSIDE}, {}},
    {213, OWN, 1, 15, 50, 0, 10, 0, 7, P_LINEAR, 6, NOCOND, drawn(A_WAVE, 64, 240), {OUTSIDE}, {}},
    {214, OWN, 1, 25, 0, -65, 0, -15, 8, P_LINEAR, 6, NOCOND, drawn(A_WAVE, 300, 96), {ABOVE}, {}},
    {214, OWN, 1, 25, 0, 65, 0, 15, 8, P_LINEAR, 6, NOCOND, drawn(A_WAVE, 300, 96), {BELOW}, {}},
    {215, OWN, 1, 35, 0, -80, 0, -20, 10, P_LINEAR, 6, NOCOND, drawn(A_WAVE, 300, 128), {ABOVE}, {}},
    {216, OWN, 1, 45, 0, -100, 0, -20, 12, P_LINEAR, 6, NOCOND, drawn(A_WAVE, 300, 128), {ABOVE}, {}},
    {216, OWN, 1, 45, 0, 100, 0, 20, 12, P_LINEAR, 6, NOCOND, drawn(A_WAVE, 300, 128), {BELOW}, {}},
    {217, OWN, 1, 10, 0, 0, 0, 0, 1.5f, P_DICE, 6, NOCOND, drawn(A_DICE, 48, 48), {ABOVE}, {}},
    {218, OWN, 1, 20, 0, 0, 0, 0, 1, P_ROULETTE, 6, NOCOND, drawn(A_ROULETTE, 64, 64), {ABOVE}, {}},
    {219, OWN, 1, 15, 0, 0, 0, 0, 1.7f, P_SLOT, 6, NOCOND, drawn(PICKREELLOOK, 96, 64), {ABOVE}, {}},
    {219, OWN, 1, 0, 0, 0, 0, 0, 1.7f, P_SLOTREEL1, 6, NOCOND, drawn(A_CHERRY, 24, 24), {ABOVE, -30, -20}, {}},
    {219, OWN, 1, 0, 0, 0, 0, 0, 1.7f, P_SLOTREEL2, 6, NOCOND, drawn(A_CHERRY, 24, 24), {ABOVE, 0, -20}, {}},
    {219, OWN, 1, 0, 0, 0, 0, 0, 1.7f, P_SLOTREEL3, 6, NOCOND, drawn(A_CHERRY, 24, 24), {ABOVE, 30, -20}, {}},
    {220, OWN, 1, 20, 0, 0, 0, 0, 1.5f, P_DICE1, 6, NOCOND, drawn(A_DICE, 48, 48), {ABOVE}, {}},
    {220, OWN, 1, 20, 0, 0, 0, 0, 1.5f, P_DICE2, 6, NOCOND, drawn(A_DICE, 48, 48), {CENTRED}, {}},
    {220, OWN, 1, 20, 0, 0, 0, 0, 1.5f, P_DICE3, 6, NOCOND, drawn(A_DICE, 48, 48), {CENTRED}, {}},
    {221, OWN, 1, 25, 0, 0, 0, 0, 1.7f, P_SUPERSLOT, 6, NOCOND, drawn(PICKREELLOOK, 96, 64), {ABOVE}, {}},
    {221, OWN, 1, 0, 0, 0, 0, 0, 1.7f, P_SLOTREEL1, 6, NOCOND, drawn(A_CHERRY, 24, 24), {ABOVE, -30, -20}, {}},
    {221, OWN, 1, 0, 0, 0, 0, 0, 1.7f, P_SLOTREEL2, 6, NOCOND, drawn(A_CHERRY, 24, 24), {ABOVE, 0, -20}, {}},
    {221, OWN, 1, 0, 0, 0, 0, 0, 1.7f, P_SLOTREEL3, 6, NOCOND, drawn(A_CHERRY, 24, 24), {ABOVE, 30, -20}, {}},
    {222, OWN, 1, 30, {-20, 20}, -170, 0, -25, 2, P_LINEAR, 6, NOCOND, drawn(A_SAX, 54, 66), {ABOVE}, {}},
    {223, OWN, 1, 45, {-40, 40}, -220, 0, -30, 2.5f, P_LINEAR, 6, NOCOND, drawn(A_PIANO, 64, 48), {ABOVE}, {}},
    {225, OWN, 1, 65, {-80, 80}, -225, 0, -20, 3.5f, P_LINEAR, 6, NOCOND, drawn(A_TRUMPET, 158, 48), {ABOVE}, {}},
    {225, OWN, 1, 65, {-80, 80}, 225, 0, 20, 3, P_LINEAR, 6, NOCOND, drawn(A_TRUMPET, 158, 48), {BELOW}, {}},
    {227, OWN, 1, 60, 0, -200, 0, -40, UNTILOFF, P_LINEAR, 6, NOCOND, trailed(PS_FIREBALL, 32, 32), {OUTSIDE}, {}},
    {227, OWN, 1, 60, 0, 200, 0, 40, UNTILOFF, P_LINEAR, 6, NOCOND, trailed(PS_FIREBALL, 32, 32), {OUTSIDE}, {}},
    {227, OWN, 1, 60, -100, 0, -20, 0, UNTILOFF, P_LINEAR, 6, NOCOND, trailed(PS_FIREBALL, 32, 32), {OUTSIDE}, {}},
    {227, OWN, 1, 60, 100, 0, 20, 0, UNTILOFF, P_LINEAR, 6, NOCOND, trailed(PS_FIREBALL, 32, 32), {OUTSIDE}, {}},
    {228, OWN, 1, 20, 0, 0, 0, 0, 4, P_LINEAR, 6, NOCOND, drawn(A_FIRE, 64, 64), {ABOVE}, {}},
    {229, OWN, 1, 40, 0, 0, 0, 0, 4, P_FIREZONE_N, 6, NOCOND, drawn(A_FIRE, 64, 64), {CENTRED}, {}},
    {229, OWN, 1, 40, 0, 0, 0, 0, 4, P_FIREZONE_S, 6, NOCOND, drawn(A_FIRE, 64, 64), {CENTRED}, {}},
    {229, OWN, 1, 40, 0, 0, 0, 0, 4, P_FIREZONE_W, 6, NOCOND, drawn(A_FIRE, 64, 64), {CENTRED}, {}},
    {229, OWN, 1, 40, 0, 0, 0, 0, 4, P_FIREZONE_E, 6, NOCOND, drawn(A_FIRE, 64, 64), {CENTRED}, {}},
    {230, OWN, 1, 40, 0, 0, 0, 0, 5, P_LINEAR, 6, NOCOND, drawn(A_FIRE2, 300, 240), {ABOVE}, {}},
    {231, OWN, 1, 20, {-150, 150}, {-200, 200}, {-30, 30}, {-40, 40}, 0.5f, P_BOMB3, 6, NOCOND, drawn(A_BOMB),
     {CENTRED}, {}},
    {232, OWN, 1, 35, 150, -150, 30, -30, 1.5f, P_CFORM, -8, NOCOND, drawn(A_BOOMER, 32, 32), {ABOVE}, {}},
    {233, OWN, 10, 50, 0, 0, 10, 10, 2.5f, P_BOUNCY, 4, NOCOND, drawn(A_RING, 16, 16), {CENTRED}, ring(150)},
    {234, OWN, 1, 25, 0, 0, 0, 0, 1.5f, P_BOMB3, 6, NOCOND, drawn(A_BOMB), {SPOT, 200, 320}, {}},
    {235, OWN, 1, 90, 0, -200, 0, -40, UNTILOFF, P_LINEAR, 6, NOCOND, trailed(PS_FIREBALL, 32, 32), {OUTSIDE}, {}},
    {235, OWN, 1, 90, 0, 200, 0, 40, UNTILOFF, P_LINEAR, 6, NOCOND, trailed(PS_FIREBALL, 32, 32), {OUTSIDE}, {}},
    {235, OWN, 1, 90, -100, 0, -20, 0, UNTILOFF, P_LINEAR, 6, NOCOND, trailed(PS_FIREBALL, 32, 32), {OUTSIDE}, {}},
    {235, OWN, 1, 90, 100, 0, 20, 0, UNTILOFF, P_LINEAR, 6, NOCOND, trailed(PS_FIREBALL, 32, 32), {OUTSIDE}, {}},
    {235, OWN, 1, 90, -100, -200, -20, -40, UNTILOFF, P_LINEAR, 6, NOCOND, trailed(PS_FIREBALL, 32, 32), {OUTSIDE}, {}},
    {235, OWN, 1, 90, 100, -200, 20, -40, UNTILOFF, P_LINEAR, 6, NOCOND, trailed(PS_FIREBALL, 32, 32), {OUTSIDE}, {}},
    {235, OWN, 1, 90, -100, 200, -20, 40, UNTILOFF, P_LINEAR, 6, NOCOND, trailed(PS_FIREBALL, 32, 32), {OUTSIDE}, {}},
    {235, OWN, 1, 90, 100, 200, 20, 40, UNTILOFF, P_LINEAR, 6, NOCOND, trailed(PS_FIREBALL, 32, 32), {OUTSIDE}, {}},
    {236, OWN, 1, 40, 0, -100, 0, -50, 2, P_CRASH, 6, NOCOND, drawn(A_WRECK, 48, 48), {ABOVE}, {}},
    {237, OWN, 1, 32, 0, 0, 0, -45, 3, P_1000, 6, NOCOND, drawn(A_ELECTRO, 32, 32), {ABOVE}, {}},
    {238, OWN, 1, 45, 0, -300, 0, -50, UNTILOFF, P_LINEAR, 6, NOCOND, drawn(A_BEAMRED, 8, 48), {ABOVE}, {}},
    {239, OWN, 1, 80, 0, 100, 0, 10, UNTILOFF, P_LINEAR, 6, NOCOND, drawn(A_ROCKSMASH, 32, 32), {CENTRED}, {}},
    {240, OWN, 1, 90, 0, 0, 0, 0, 7, P_CAN, 6, NOCOND, drawn(A_CAN, 32, 32), {SPOT, 0, 600}, {}},
    {242, OWN, 5, 40, 0, 0, 0, 0, 2, P_SQUARE1, 6, NOCOND, drawn(A_SQ1, 32, 32), {SPOT, 0, 600}, {}},
    {243, OWN, 1, 75, 0, -150, 0, -30, 1.5f, P_BFG, 6, NOCOND, drawn(A_BFG1, 48, 48), {ABOVE}, {}},
    {244, OWN, 1, 40, -40, -100, -10, -20, 1.2f, P_TNT, 6, NOCOND, drawn(A_TNT, 24, 32), {CENTRED}, {}},
    {244, OWN, 1, 40, 80, -120, 20, -30, 1.2f, P_TNT, 6, NOCOND, drawn(A_TNT, 24, 32), {CENTRED}, {}},
    {244, OWN, 1, 40, 20, 100, 5, 25, 1.2f, P_TNT, 6, NOCOND, drawn(A_TNT, 24, 32), {CENTRED}, {}},
    {249, RIVAL, 1, 30, 0, 250, 0, 50, UNTILOFF, P_LINEAR, 6, NOCOND, drawn(A_BEAMGREEN, 16, 128), {SPOT, 40, 40}, {}},
    {250, RIVAL, 1, 24, 300, 300, 0, 0, 4, P_CIRCULAR, 4, NOCOND, trailed(PS_SPARKS, 24, 24), {SPOT, 60, 60}, {}},
    {251, RIVAL, 1, 24, 300, 300, 0, 0, 4, P_CIRCULAR, -4, NOCOND, trailed(PS_SPARKS, 24, 24), {SPOT, 60, 60}, {}},
    {252, RIVAL, 1, 35, 0, 0, 0, 500, UNTILOFF, P_LINEAR, 6, NOCOND, drawn(A_PLATE, 32, 32), {SPOT}, {}},
    {254, RIVAL, 1, 32, 0, 200, 0, 100, UNTILOFF, P_LINEAR, 6, C_LEAK, drawn(A_DEZO, 24, 24), {SPOT}, {}},
    {257, RIVAL, 1, 12, 0, {100, 400}, 0, {50, 300}, {0.8f, 2.5f}, P_TOXIBOMB, 6, C_TOXI, drawn(A_TOXIBOMB, 32, 32),
     {SPOT}, {}},
    {258, RIVAL, 1, 14, {-300, 300}, 250, {-300, 300}, 50, 4, P_LINEAR, 6, C_FREZ, drawn(A_ICEORBIX, 24, 24),
     {SPOT, 100, 250}, {}},
    {259, RIVAL, 5, 10, 0, 0, 0, 0, 3, P_STAR, 6, C_TOXI, drawn(A_SHURIKEN3, 24, 24), {TARGETHIGH}, ring(200)},
    {260, RIVAL, 3, 28, 0, 200, 0, 30, 2.5f, P_WAVE, {-8, 8}, NOCOND, drawn(A_ELECTRO, 24, 24), {POINT, 0.5f, 12},
     row(100)},
    {261, RIVAL, 1, 28, {-150, 150}, {100, 300}, 0, 30, 2.5f, P_LINEAR, 6, C_SLOW, trailed(PS_BLOB, 32, 32),
     {OVERTARGET}, {}},
    {262, RIVAL, 5, 30, {-300, 300}, {-300, 300}, 0, 0, UNTILOFF, P_PULLIN, 6, NOCOND, drawn(A_HARV, 32, 32),
     {POINT, 0.5f, 300}, {}},
    {263, RIVAL, 1, 28, {-50, 50}, {100, 300}, 0, 50, UNTILOFF, P_LINEAR, 6, C_STUN, drawn(A_ELECTRO2, 24, 24),
     {OVERTARGET}, {}},
    {264, RIVAL, 1, 40, 0, 300, 0, 100, UNTILOFF, P_LINEAR, 6, NOCOND, trailed(PS_SPARKS, 32, 32), {SPOT}, {}},
    {267, RIVAL, 3, 30, -250, 300, 0, 40, UNTILOFF, P_LINEAR, 6, NOCOND, drawn(A_EGG, 24, 24), {FIELDOFFSET}, fan(250)},
    {268, RIVAL, 9, 32, 0, 0, 0, 0, 2.5f, P_WEIRD, 6, NOCOND, trailed(PS_WEIRDSPARK, 24, 24), {POINT, 0.5f, 150},
     ring(220)},
    {270, RIVAL, 1, 45, 300, 300, 100, 100, 3.5f, P_STAR, 8, NOCOND, drawn(A_SHURIKEN4, 64, 64), {POINT, 0.5f, 100},
     {}},
    {271, RIVAL, 1, 35, 50, 300, 50, 100, 3.5f, P_PAUSEVERT, 6, NOCOND, drawn(A_DOOR, 48, 64), {POINT, 0.25f, 60}, {}},
    {271, RIVAL, 1, 35, 0, -300, 0, -100, 3.5f, P_PAUSEVERT, 6, NOCOND, drawn(A_DOOR, 48, 64), {POINT, 0.75f, 540},
     {}},
    {272, RIVAL, 9, 22, 0, 0, 0, 0, 2.5f, P_BOUNCY, -6, C_TOXI, trailed(PS_TOXICLOUD, 24, 24), {POINT, 0.5f, 150},
     ring(200)},
    {274, RIVAL, 1, 20, 400, 400, 50, 50, 3, P_WEIRD, 6, C_DZ, drawn(A_CD, 32, 32), {POINT, 0.5f, 100}, {}},
    {275, RIVAL, 1, 42, 0, 300, 0, 30, 1.1f, P_BLADE, 6, NOCOND, drawn(A_BLADE, 48, 48), {SPOT}, {}},
    {276, RIVAL, 1, 45, 0, 120, 0, 10, 5.8f, P_ICE, 6, C_FREZ, drawn(A_ICEORBIX, 48, 48), {POINT, 0.5f, 24}, {}},
    {277, RIVAL, 3, 50, 0, 0, 0, 0, 2, P_ZZAP, 6, NOCOND, drawn(A_KORVANZAP, 16, 600), {POINT, 0.5f, 300}, row(100)},
    {278, RIVAL, 1, 22, {-150, 150}, {100, 300}, 0, 0, 3.2f, P_CIRCULAR, 6, C_ZZZZ, trailed(PS_DROWSY, 24, 24),
     {OVERTARGET}, {}},
    {282, RIVAL, 7, 24, 0, 0, 0, 0, 3, P_STAR, 6, C_TOXI, drawn(A_SHURIKEN3, 24, 24), {TARGETHIGH}, ring(250)},
    {312, RIVAL, 1, 25, 0, 0, 0, 0, 2, P_LINEAR, 6, NOCOND, drawn(A_FIRE, 48, 48), {NEARTARGET, -80}, {}},
    {312, RIVAL, 1, 25, 0, 0, 0, 0, 2, P_LINEAR, 6, NOCOND, drawn(A_FIRE, 48, 48), {NEARTARGET, 80}, {}},
    {313, OWN, 1, 40, 0, -300, 0, -30, 2, P_LINEAR, 6, NOCOND, drawn(A_BEAMRED, 16, 64), {ABOVE}, {}},
    {314, RIVAL, 3, 26, -200, 250, 0, 30, UNTILOFF, P_LINEAR, 6, NOCOND, drawn(A_CLUB, 24, 24), {FIELDOFFSET}, fan(200)},
    {315, OWN, 1, 55, -150, -250, 0, 0, 4, P_TRIANGLE, 10, NOCOND, drawn(A_CD, 32, 32), {ABOVE}, {}},
    {316, OWN, 1, 9999, 0, -200, 0, -10, UNTILOFF, P_LINEAR, 6, NOCOND, drawn(A_BEAMGREEN, 24, 64), {ABOVE}, {}},
    {318, RIVAL, 1, 27, 200, 300, 20, 30, 2.5f, P_SQUARE, 6, NOCOND, trailed(PS_SQUARESPARK, 24, 24), {POINT, 0.5f, 300},
     {}},
    {318, RIVAL, 1, 27, -200, 300, 20, 30, 2.5f, P_SQUARE, 6, NOCOND, trailed(PS_SQUARESPARK, 24, 24), {POINT, 0.5f, 300},
     {}},
    {318, RIVAL, 1, 27, 200, -300, 20, -30, 2.5f, P_SQUARE, 6, NOCOND, trailed(PS_SQUARESPARK, 24, 24),
     {POINT, 0.5f, 300}, {}},
    {318, RIVAL, 1, 27, -200, -300, 20, -30, 2.5f, P_SQUARE, 6, NOCOND, trailed(PS_SQUARESPARK, 24, 24),
     {POINT, 0.5f, 300}, {}},
    {319, OWN, 1, 62, 0, 0, 0, 0, 1, P_SONICZOMBIE, 6, NOCOND, drawn(A_RING, 32, 32), {SPOT, 0, 500}, {}},
    // The bouncing ball swings about its start and would never leave the field on its own:
    // it bounces for a while instead.
    {320, RIVAL, 1, 32, 270, 300, 30, 50, 6, P_BOUNCY, 6, NOCOND, drawn(A_BASKETBALL, 32, 32), {POINT, 0.5f, 60}, {}},
    {322, RIVAL, 1, 40, {-15, 15}, {450, 600}, 0, {50, 100}, UNTILOFF, P_SUV, 6, NOCOND, drawn(A_SUV, 24, 32),
     {SPOT, 4, 4}, {}},
    {325, OWN, 1, 50, -150, -250, 0, 0, 3, P_TRIANGLE, 8, NOCOND, drawn(A_BLADE, 32, 32), {ABOVE}, {}},
    {344, RIVAL, 1, 65, 500, 500, 100, 100, 5.5f, P_STAR, -4, NOCOND, drawn(A_SHURIKEN4, 96, 96), {POINT, 0.5f, 100},
     {}},
};

// The side whose field a shot acts in. The EX mission has no rival field: a hazard acts in
// the user's own (Shot::create turns it into a weapon there).
int fieldSide(const CardPlay& play, Field field) {
    return field == RIVAL && selectedOpp != EXMISSION ? play.opponent : play.user;
}
int direction(const CardPlay& play, Field field) { return field == RIVAL ? play.user + Y2O : play.user; }

hgeRect box(float x, float y, float w, float h) { return hgeRect(x, y, x + w, y + h); }
hgeRect centredBox(float cx, float cy, float w, float h) { return box(cx - w / 2, cy - h / 2, w, h); }

float sign(float v) { return v > 0 ? 1.0f : v < 0 ? -1.0f : 0.0f; }

// One shot made in the lowest free slot; none free, none made.
void makeShot(hgeRect r, int dir, float damage, float dx, float dy, float ax, float ay, float life, int cond,
              int look, bool particles, int pattern, float period) {
    const int s = roomForMoreShots();
    if (s == -1) return;
    sh[s].create(r, false, dir, damage, dx, dy, ax, ay, life, cond, look, particles, pattern, period, 0, 0);
}

void sizeOf(const Look& look, float& w, float& h) {
    w = look.w;
    h = look.h;
    if (w > 0 && h > 0) return;
    const hgeAnimation* a = look.index >= 0 && look.index < MAXANIM ? anim[look.index] : nullptr;
    w = a ? a->GetWidth() : 32;
    h = a ? a->GetHeight() : 32;
}

// The start box of a row's shot for velocity (dx, dy) as the table gives it.
hgeRect startBox(const CardPlay& play, const ShotRow& row, float w, float h) {
    const int side = fieldSide(play, row.field);
    const float left = pl[side].fieldLeft, right = pl[side].fieldRight;
    const hgeRect& v = pl[play.user].rect;
    const hgeRect& t = pl[side].rect;
    const Where& at = row.where;
    switch (at.place) {
    case ABOVE: return box(centerX(v) - w / 2 + at.a, v.y1 - h + at.b, w, h);
    case BELOW: return box(centerX(v) - w / 2, v.y2, w, h);
    case CENTRED: return centredBox(centerX(v), centerY(v), w, h);
    case OUTSIDE:
        return centredBox(centerX(v) + sign(row.dx.lo) * (r_width(v) + w) / 2,
                          centerY(v) + sign(row.dy.lo) * (r_height(v) + h) / 2, w, h);
    case FROMLEFT: return box(v.x1 + at.a, v.y1 - h, w, h);
    case SPOT: {
        const float x = hge->Random_Float(left, right - w);
        return box(x, Range(at.a, at.b).draw(), w, h);
    }
    case NEARTARGET: return centredBox(centerX(t) + at.a, centerY(t), w, h);
    case OVERTARGET: return box(centerX(t) - w / 2, at.a, w, h);
    case POINT: return centredBox(left + at.a * (right - left), at.b, w, h);
    case TARGETHIGH: return centredBox((left + right) / 2, hge->Random_Float(100, t.y1), w, h);
    case FIELDOFFSET: return box(left + hge->Random_Float(50, 250) - w / 2, at.a, w, h);
    }
    return box(0, 0, w, h);
}

void playRow(const CardPlay& play, const ShotRow& row) {
    float w = 0, h = 0;
    sizeOf(row.look, w, h);
    const bool sharedStart = row.spread.kind != SINGLE;
    hgeRect start = sharedStart ? startBox(play, row, w, h) : hgeRect();
    const int look = row.look.index == PICKREELLOOK ? hge->Random_Int(A_CHERRY, A_SEVEN) : row.look.index;
    for (int i = 0; i < row.count; ++i) {
        if (roomForMoreShots() == -1) continue;
        hgeRect r = sharedStart ? start : startBox(play, row, w, h);
        const float period = row.period.draw();
        const float life = row.life.draw();
        const float ay = row.ay.draw();
        const float ax = row.ax.draw();
        float dy = row.dy.draw();
        float dx = row.dx.draw();
        const float fi = static_cast<float>(i);
        switch (row.spread.kind) {
        case FAN: dx += row.spread.step * fi; break;
        case ROW: r = addToRect(r, (fi - (row.count - 1) / 2.0f) * row.spread.step, 0); break;
        case RING: {
            const float angle = 2 * PI * fi / static_cast<float>(row.count);
            dx = row.spread.step * std::cos(angle);
            dy = row.spread.step * std::sin(angle);
            break;
        }
        case SINGLE: break;
        }
        makeShot(r, direction(play, row.field), row.damage, dx, dy, ax, ay, life, row.cond, look, row.look.particles,
                 row.pattern, period);
    }
}

// Three drums drop at random spots of the screen, moved along with the user's field so the
// rival's land in its own field too; they share one drift.
void drumRoll(const CardPlay& play) {
    if (roomForMoreShots() == -1) return;
    const float shift = pl[play.user].fieldLeft - LEFTBOUND;
    static constexpr Range CORNERS[3][2] = {{{50, 200}, {50, 200}}, {{250, 500}, {50, 200}}, {{50, 500}, {300, 500}}};
    float x[3], y[3];
    for (int i = 0; i < 3; ++i) {
        x[i] = CORNERS[i][0].draw() + shift;
        y[i] = CORNERS[i][1].draw();
    }
    const float dy = hge->Random_Float(-150, -20);
    const float dx = hge->Random_Float(-80, 80);
    for (int i = 0; i < 3; ++i)
        makeShot(box(x[i], y[i], 100, 100), play.user, 55, dx, dy, 0, 0, 2.5f, NOCOND, A_DRUM, false, P_DRUM, 6);
}

// Three guitars flung across the top of the screen (of the user's field), falling.
void guitarSolo(const CardPlay& play) {
    if (roomForMoreShots() == -1) return;
    float x = 25 + pl[play.user].fieldLeft - LEFTBOUND, y = 40;
    for (int i = 0; i < 3; ++i) {
        const float dy = hge->Random_Float(50, 100);
        const float dx = hge->Random_Float(-100, 100);
        makeShot(box(x, y, 121, 39), play.user, 85, dx, dy, 0, 80, 4, NOCOND, A_GUITAR, false, P_LINEAR, 6);
        x += 100;
        y += hge->Random_Float(-20, 30);
    }
}

// Nine still sparks in a square around a random spot and one that roams from it.
void sparkler(const CardPlay& play) {
    const Player& p = pl[play.user];
    const float x = hge->Random_Float(p.fieldLeft, p.fieldRight - 24);
    const float y = hge->Random_Float(200, 300);
    for (int i = 0; i < 9; ++i)
        makeShot(box(x + 40.0f * (i % 3 - 1), y + 40.0f * (i / 3 - 1), 24, 24), play.user, 40, 0, 0, 0, 0, 3.5f, NOCOND,
                 A_SHURIKEN3, false, P_LINEAR, 6);
    const float dx = x < (p.fieldLeft + p.fieldRight) / 2 ? 150.0f : -150.0f;
    makeShot(box(x, y, 24, 24), play.user, 40, dx, 100, 0, 0, 3.5f, NOCOND, A_SHURIKEN4, false, P_PAUSEHORZ, 2);
}

// The score shot: the user's score, cashed in, sets its size and speed.
void scoreCannon(const CardPlay& play) {
    Player& p = pl[play.user];
    const float s = static_cast<float>(std::clamp(p.score / 150, 1, 100));
    p.score = 0;
    const hgeRect& v = p.rect;
    makeShot(box(centerX(v) - 1.5f * s, v.y1 - 4.5f * s, 3 * s, 4.5f * s), play.user, 70, 0, -0.3f * s, 0, -1.5f * s,
             3, NOCOND, A_PARTIZAN, false, P_LINEAR, 6);
    playSFX(s < 25 ? 38 : s < 50 ? 69 : s < 75 ? 71 : 79, 4);
}

// A stupor beam sweeps the rival's field from one edge to the other in its one second.
void stuporBeam(const CardPlay& play) {
    const Player& f = pl[fieldSide(play, RIVAL)];
    const bool fromLeft = hge->Random_Int(0, 1) == 0;
    const float y = hge->Random_Float(10, 150);
    const float sweep = f.fieldRight - f.fieldLeft - 24;
    makeShot(box(fromLeft ? f.fieldLeft : f.fieldRight - 24, y, 24, 450), direction(play, RIVAL), 12,
             fromLeft ? sweep : -sweep, 0, 0, 0, 1, C_STUP, A_STUPBEAM, false, P_LINEAR, 6);
}

// Five sparks at one height above the rival swoop sideways in U-turns.
void uTurns(const CardPlay& play) {
    const int side = fieldSide(play, RIVAL);
    const Player& f = pl[side];
    const float y = hge->Random_Float(0, f.rect.y1 - 24);
    const float step = (f.fieldRight - f.fieldLeft) / 5;
    for (int i = 0; i < 5; ++i)
        makeShot(box(f.fieldLeft + step * (i + 0.5f) - 12, y, 24, 24), direction(play, RIVAL), 24,
                 i % 2 == 0 ? 60.0f : -60.0f, 0, 0, 0, 2.3f, NOCOND, A_ELECTRO2, false, P_UFORM, 12);
}

// Two shots race through the rival's field from the top or the bottom, a gap apart, each
// living as long as it takes to cross the field.
void pincerShots(const CardPlay& play) {
    const Player& f = pl[fieldSide(play, RIVAL)];
    const bool fromTop = hge->Random_Int(0, 1) == 0;
    const float speed = hge->Random_Float(350, 500);
    const float gap = hge->Random_Float(75, 150);
    const float y = fromTop ? 0.0f : SCREEN_HEIGHT - 48.0f;
    for (int i = 0; i < 2; ++i) {
        const float x = centerX(f.rect) + (i == 0 ? -gap : gap) / 2 - 8;
        makeShot(box(x, y, 16, 48), direction(play, RIVAL), 36, 0, fromTop ? speed : -speed, 0, 50,
                 SCREEN_HEIGHT / speed, NOCOND, A_BEAMRED, false, P_LINEAR, 6);
    }
}

// A random condition, bad for the rival or good for the user, then a shot that falls just
// far enough to reach the rival's vehicle before it turns back up.
void chaosShot(const CardPlay& play) {
    if (hge->Random_Int(0, 1) == 0) receiveCond(play.opponent, hge->Random_Int(1, 11), 1);
    else receiveCond(play.user, hge->Random_Int(13, 19), 1);
    const Player& f = pl[fieldSide(play, RIVAL)];
    constexpr float LIFT = 250;
    const float dy = std::sqrt(2 * LIFT * std::max(centerY(f.rect), 0.0f));
    makeShot(box(centerX(f.rect) - 12, 0, 24, 24), direction(play, RIVAL), 38, 0, dy, 0, -LIFT, UNTILOFF, NOCOND,
             A_VOWEL, false, P_LINEAR, 6);
}

// Eight shots: five slow drops, one that falls and may swerve, a leaking circler and a blaze.
// The drops fall one in each fifth of the rival's field, all shifted alike within their
// fifth, so that none starts outside the field or on top of another.
void barrage(const CardPlay& play) {
    const Player& f = pl[fieldSide(play, RIVAL)];
    const int dir = direction(play, RIVAL);
    const float mid = (f.fieldLeft + f.fieldRight) / 2;
    constexpr int DROPS = 5;
    constexpr float DROPSIZE = 20;
    const float lane = (f.fieldRight - f.fieldLeft) / DROPS;
    const float shift = hge->Random_Float(-1, 1) * (lane - DROPSIZE) / 2;
    const float y = hge->Random_Float(0, 150);
    for (int i = 0; i < DROPS; ++i) {
        const float x = f.fieldLeft + lane * (i + 0.5f) + shift - DROPSIZE / 2;
        makeShot(box(x, y, DROPSIZE, DROPSIZE), dir, 20, 0, 50, 0, 10, 14, NOCOND, A_EGG, false, P_LINEAR, 6);
    }
    const int pattern = hge->Random_Int(0, 1) == 0 ? P_WAVE : P_LINEAR;
    const float ay = hge->Random_Float(5, 25);
    const float dy = hge->Random_Float(80, 250);
    makeShot(box(centerX(f.rect) - 12, 0, 24, 24), dir, 26, 0, dy, 0, ay, 2.2f, NOCOND, A_CD, false, pattern, 6);
    const float period = hge->Random_Float(-12, 12);
    const float cy = hge->Random_Float(150, 500);
    const float cx = hge->Random_Float(150, 500);
    makeShot(centredBox(mid, 300, 32, 32), dir, 32, cx, cy, 0, 0, 4, C_LEAK, A_DEZO, false, P_CIRCULAR, period);
    const float x = hge->Random_Float(f.fieldLeft, f.fieldRight - 32);
    makeShot(box(x, 0, 32, 32), dir, 40, 0, 300, 0, 100, UNTILOFF, NOCOND, PS_SPARKS, true, P_LINEAR, 6);
}

// The ice orb's three bursts are armed on the player the orb in slot s reads them from:
// its target, which in the EX mission (where the orb became a weapon) is the user.
void armIce(int s) {
    if (s == -1 || !sh[s].active || sh[s].pattern != P_ICE) return;
    for (int m = M_ICE1; m <= M_ICE3; ++m) pl[shotTarget(sh[s].dir)].misc[m] = 1;
}

bool customShots(const CardPlay& play) {
    switch (play.card) {
    case 224: drumRoll(play); return true;
    case 226: guitarSolo(play); return true;
    case 241: sparkler(play); return true;
    case 248: scoreCannon(play); return true;
    case 253: stuporBeam(play); return true;
    case 256: uTurns(play); return true;
    case 265: pincerShots(play); return true;
    case 324: chaosShot(play); return true;
    case 341: barrage(play); return true;
    default: return false;
    }
}

}  // namespace

const char* specialWpnName() {
    static constexpr const char* NAMES[MAXVEHICLES] = {"Missiles", "Bombs", "Balls", "Toys",
                                                      "Condiments", "Waves", "Casino Games", "Instruments"};
    return selectedVeh >= 0 && selectedVeh < MAXVEHICLES ? NAMES[selectedVeh] : "";
}

bool playShotCard(const CardPlay& play) {
    if (customShots(play)) return true;
    const int firstShot = roomForMoreShots();
    bool found = false;
    for (const ShotRow& row : SHOTROWS) {
        if (row.card != play.card) continue;
        playRow(play, row);
        found = true;
    }
    if (play.card == 276) armIce(firstShot);
    return found;
}
