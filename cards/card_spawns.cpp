// Enemy cards: each sends a group of enemies into the rival's field through spawnEnemies.
// Every row is one call; the parameters P1..P5 are spawnEnemies' dx, dy, ax, ay and attack
// chance, the period is 6 and there is no drift.
#include "battle/enemies.h"
#include "cards/card_families.h"
#include "cards/opponents.h"
#include "shell/world.h"

namespace {

// A whole-number choice: a constant, Random_Int(a, b), a 50/50 pick of a or b, or of a or
// Random_Int(b, c). PAIRED marks a pair entering from both lower corners (two calls).
enum PickKind { FIXED, RANGE, EITHER, EITHERRANGE, PAIRED };
struct Pick {
    PickKind kind;
    int a = 0, b = 0, c = 0;
};
constexpr Pick is(int a) { return {FIXED, a}; }
constexpr Pick r(int a, int b) { return {RANGE, a, b}; }
constexpr Pick either(int a, int b) { return {EITHER, a, b}; }
constexpr Pick eitherR(int a, int b, int c) { return {EITHERRANGE, a, b, c}; }
constexpr Pick PAIR = {PAIRED};

int draw(const Pick& p) {
    switch (p.kind) {
    case RANGE: return hge->Random_Int(p.a, p.b);
    case EITHER: return hge->Random_Int(0, 1) == 0 ? p.a : p.b;
    case EITHERRANGE: return hge->Random_Int(0, 1) == 0 ? p.a : hge->Random_Int(p.b, p.c);
    case FIXED:
    case PAIRED: break;
    }
    return p.a;
}

// Count = Random_Int(lo + loTier·tier, hi + hiTier·tier).
struct Count {
    int lo, loTier, hi, hiTier;
};
constexpr Count n(int k) { return {k, 0, k, 0}; }
constexpr Count t(int lo, int hi) { return {lo, 1, hi, 1}; }  // r(tier+lo..tier+hi)
constexpr Count upToTier() { return {1, 0, 0, 1}; }          // r(1..tier)
constexpr Count abs(int lo, int hi) { return {lo, 0, hi, 0}; }

// A float parameter: a constant, a Random_Float draw, 5·tier + a, a 50/50 pick of a or b,
// a Random_Int draw taken as a float; for a pair's P1: ∓a, or P2 / ±a.
enum ParKind { FIX, RND, TIER, EITHERF, INTF, PAIRSIGN, PAIRRATIO };
struct Par {
    ParKind kind;
    float a = 0, b = 0;
};
constexpr Par f(float a) { return {FIX, a}; }
constexpr Par rnd(float a, float b) { return {RND, a, b}; }
constexpr Par tier(float a) { return {TIER, a}; }
constexpr Par orF(float a, float b) { return {EITHERF, a, b}; }
constexpr Par intF(float a, float b) { return {INTF, a, b}; }
constexpr Par pairSign(float a) { return {PAIRSIGN, a}; }
constexpr Par pairRatio(float a) { return {PAIRRATIO, a}; }
constexpr Par T15 = tier(15);
constexpr Par NOPAR = f(0);

struct SpawnRow {
    int card, kind;
    Count count;
    Pick dir, move;
    Par p1, p2, p3, p4, p5;
    Par period = f(6);  // only card 105 swings on a slower, tier-scaled period
};

constexpr Pick UP = is(DIR_UP);
constexpr Pick GROUPORRANDOM = either(DIR_ASGROUP, DIR_RANDOM);

constexpr SpawnRow SPAWNROWS[] = {
    // card kind count  direction  move  P1  P2  P3  P4  P5
    {47, 1, n(1), PAIR, is(1), pairSign(1), rnd(-30, -15), NOPAR, NOPAR, NOPAR},
    {48, 1, t(0, 1), UP, is(1), NOPAR, rnd(35, 60), NOPAR, rnd(20, 30), NOPAR},
    {49, 1, t(3, 5), r(1, 3), is(1), rnd(-12, 12), rnd(12, 30), NOPAR, rnd(5, 10), NOPAR},
    {50, 3, t(1, 2), UP, is(1), NOPAR, rnd(15, 30), NOPAR, rnd(5, 10), T15},
    {51, 3, n(1), PAIR, is(1), pairRatio(5), rnd(-30, -15), NOPAR, NOPAR, T15},
    {52, 3, t(0, 1), UP, is(1), NOPAR, rnd(35, 60), NOPAR, rnd(20, 30), T15},
    {53, 3, t(2, 3), r(1, 3), either(1, 14), rnd(-12, 12), rnd(12, 30), NOPAR, rnd(5, 10), T15},
    {54, 2, t(0, 1), UP, is(1), NOPAR, rnd(15, 30), NOPAR, rnd(5, 10), T15},
    {55, 2, n(1), PAIR, is(1), pairRatio(5), rnd(-30, -15), NOPAR, NOPAR, T15},
    {56, 2, t(0, 1), UP, is(1), NOPAR, rnd(35, 60), NOPAR, rnd(20, 30), T15},
    {57, 2, t(2, 3), r(1, 3), is(1), rnd(-12, 12), rnd(12, 30), NOPAR, rnd(5, 10), T15},
    {58, 6, t(2, 5), UP, eitherR(1, 7, 10), rnd(-15, 15), rnd(25, 40), rnd(-10, 10), rnd(-10, 10), T15},
    {59, 6, t(2, 4), GROUPORRANDOM, either(1, 4), rnd(-25, 25), rnd(-40, 40), rnd(-10, 10), rnd(-10, 10), T15},
    {59, 6, t(2, 4), GROUPORRANDOM, either(1, 4), rnd(-25, 25), rnd(-40, 40), rnd(-10, 10), rnd(-10, 10), T15},
    {60, 6, t(1, 3), UP, is(1), rnd(-10, 10), rnd(45, 80), NOPAR, rnd(20, 50), T15},
    {61, 7, t(0, 1), r(1, 3), eitherR(1, 7, 10), NOPAR, rnd(25, 40), rnd(-10, 10), rnd(-10, 10), T15},
    {62, 7, n(1), eitherR(DIR_DOWN, 7, 8), either(1, 2), rnd(-10, 10), rnd(-40, -25), NOPAR, NOPAR, T15},
    {63, 7, t(1, 3), r(1, 3), is(1), NOPAR, rnd(45, 80), NOPAR, rnd(20, 50), T15},
    {64, 7, t(2, 4), GROUPORRANDOM, either(1, 4), rnd(-25, 25), rnd(-40, 40), rnd(-10, 10), rnd(-10, 10), T15},
    {64, 7, t(2, 4), GROUPORRANDOM, either(5, 9), rnd(-25, 25), rnd(-40, 40), rnd(-10, 10), rnd(-10, 10), T15},
    {65, 8, upToTier(), r(1, 3), either(1, 2), rnd(-10, 10), rnd(25, 40), rnd(-10, 10), rnd(-10, 10), T15},
    {66, 8, n(1), PAIR, is(1), pairRatio(5), rnd(-30, -15), NOPAR, NOPAR, T15},
    {67, 8, n(1), UP, is(1), NOPAR, rnd(35, 60), NOPAR, rnd(20, 30), T15},
    {68, 8, t(1, 2), r(1, 3), either(1, 2), rnd(-10, 10), rnd(12, 30), NOPAR, rnd(5, 10), T15},
    {69, 4, t(1, 2), r(1, 3), either(1, 2), rnd(-10, 10), rnd(25, 40), rnd(-10, 10), rnd(-10, 10), T15},
    {70, 4, n(1), PAIR, is(1), pairRatio(5), rnd(-30, -15), NOPAR, NOPAR, T15},
    {71, 4, t(0, 1), UP, is(1), NOPAR, rnd(35, 60), NOPAR, rnd(20, 30), T15},
    {72, 4, t(3, 5), r(1, 3), either(1, 2), rnd(-10, 10), rnd(12, 30), NOPAR, rnd(5, 10), T15},
    {73, 14, t(0, 1), UP, either(1, 2), NOPAR, rnd(25, 40), NOPAR, rnd(5, 15), tier(30)},
    {74, 14, t(2, 4), is(DIR_ASGROUP), either(1, 3), rnd(-25, -30), rnd(25, 40), NOPAR, rnd(5, 15), tier(30)},
    {75, 19, t(1, 2), UP, either(1, 2), rnd(-10, 10), rnd(25, 40), rnd(-10, 10), rnd(-10, 10), T15},
    {76, 19, n(1), PAIR, is(1), pairRatio(5), rnd(-30, -15), NOPAR, NOPAR, T15},
    {77, 19, t(0, 1), UP, is(1), NOPAR, rnd(35, 60), NOPAR, rnd(20, 30), T15},
    {78, 19, t(3, 5), UP, either(1, 2), rnd(-10, 10), rnd(12, 30), NOPAR, rnd(5, 10), T15},
    {79, 5, t(3, 6), r(1, 3), either(1, 2), rnd(-10, 10), rnd(25, 40), rnd(-10, 10), rnd(-10, 10), T15},
    {80, 5, n(2), PAIR, is(1), pairRatio(5), rnd(-30, -15), NOPAR, NOPAR, T15},
    {81, 5, t(1, 3), UP, is(1), NOPAR, rnd(35, 60), NOPAR, rnd(20, 30), T15},
    {82, 5, t(4, 7), is(DIR_RANDOM), either(3, 4), rnd(-10, 10), rnd(12, 30), NOPAR, rnd(5, 10), T15},
    {83, 5, t(3, 6), r(0, 3), eitherR(1, 3, 4), rnd(-10, 10), rnd(12, 30), NOPAR, rnd(5, 10), T15},
    {83, 5, t(3, 6), r(0, 3), either(1, 2), intF(-7, 10), rnd(-12, 12), rnd(12, 30), rnd(10, 15), T15},
    {84, 9, n(1), UP, is(1), NOPAR, rnd(20, 35), NOPAR, rnd(0, 10), T15},
    {85, 9, n(1), UP, is(1), NOPAR, rnd(35, 60), NOPAR, rnd(20, 30), T15},
    {86, 9, abs(2, 3), UP, is(1), NOPAR, rnd(15, 30), NOPAR, rnd(5, 10), T15},
    {87, 10, upToTier(), UP, either(1, 2), rnd(-10, 10), rnd(25, 40), rnd(-10, 10), rnd(-10, 10), T15},
    {88, 10, n(1), PAIR, is(1), pairRatio(5), rnd(-30, -15), NOPAR, NOPAR, T15},
    {89, 10, n(1), UP, is(1), NOPAR, rnd(35, 60), NOPAR, rnd(20, 30), T15},
    {90, 10, t(1, 2), r(0, 3), is(2), rnd(-10, 10), rnd(12, 30), NOPAR, rnd(5, 10), T15},
    {91, 11, t(1, 2), UP, either(1, 2), rnd(-10, 10), rnd(25, 40), rnd(-10, 10), rnd(-10, 10), T15},
    {92, 11, n(1), PAIR, is(1), pairRatio(5), rnd(-30, -15), NOPAR, NOPAR, T15},
    {93, 11, n(1), UP, is(1), NOPAR, rnd(35, 60), NOPAR, rnd(20, 30), T15},
    {94, 11, t(2, 3), r(0, 3), is(2), rnd(-10, 10), rnd(12, 30), NOPAR, rnd(5, 10), T15},
    {95, 12, t(1, 3), either(DIR_LEFT, DIR_UPPERLEFT), is(1), rnd(30, 45), NOPAR, rnd(0, 10), NOPAR, T15},
    {96, 12, t(1, 2), either(DIR_LEFT, DIR_UPPERLEFT), is(1), rnd(45, 70), NOPAR, rnd(20, 35), NOPAR, T15},
    {97, 12, t(3, 6), either(DIR_LEFT, DIR_UPPERLEFT), is(1), rnd(25, 40), NOPAR, rnd(5, 10), NOPAR, T15},
    {98, 13, t(2, 4), UP, either(1, 2), rnd(-10, 10), rnd(25, 40), rnd(-10, 10), rnd(-10, 10), T15},
    {99, 13, n(2), PAIR, is(1), pairRatio(5), rnd(-30, -15), NOPAR, NOPAR, T15},
    {100, 13, t(1, 2), UP, is(1), NOPAR, rnd(35, 60), NOPAR, rnd(20, 30), T15},
    {101, 13, t(4, 8), UP, either(1, 2), rnd(-10, 10), rnd(12, 30), NOPAR, rnd(5, 10), T15},
    {102, 15, upToTier(), UP, either(1, 2), rnd(-10, 10), rnd(25, 40), rnd(-10, 10), rnd(-10, 10), T15},
    {103, 15, n(1), PAIR, is(1), pairRatio(5), rnd(-30, -15), NOPAR, NOPAR, T15},
    {104, 15, n(1), UP, is(1), NOPAR, rnd(35, 60), NOPAR, rnd(20, 30), T15},
    {105, 15, t(1, 2), is(DIR_RIGHT), is(3), orF(1, 12), rnd(-10, 10), rnd(12, 30), NOPAR, rnd(5, 10), T15},
    {106, 16, t(1, 2), UP, is(1), rnd(-12, 12), rnd(25, 40), NOPAR, rnd(-10, 10), T15},
    {107, 16, n(1), PAIR, is(1), pairRatio(5), rnd(-30, -15), NOPAR, NOPAR, T15},
    {108, 16, t(0, 1), UP, is(1), NOPAR, rnd(35, 70), NOPAR, rnd(20, 30), T15},
    {109, 16, t(3, 5), r(1, 3), is(1), rnd(-12, 12), rnd(12, 30), NOPAR, rnd(5, 10), T15},
    {110, 18, t(1, 2), UP, is(1), rnd(-10, 10), rnd(25, 40), NOPAR, rnd(-10, 10), T15},
    {111, 18, n(1), PAIR, is(1), pairRatio(5), rnd(-30, -15), NOPAR, NOPAR, T15},
    {112, 18, t(0, 1), UP, is(1), NOPAR, rnd(35, 70), rnd(-10, 10), rnd(20, 30), T15},
    {113, 18, t(3, 5), UP, r(7, 10), rnd(-12, 12), rnd(12, 30), rnd(-12, 12), rnd(5, 10), T15},
    {114, 22, t(1, 2), UP, is(1), rnd(-12, 12), rnd(25, 40), NOPAR, rnd(-10, 10), T15},
    {115, 22, n(1), PAIR, is(1), pairRatio(5), rnd(-30, -15), NOPAR, NOPAR, T15},
    {116, 22, t(0, 1), UP, is(1), NOPAR, rnd(35, 70), NOPAR, rnd(20, 30), T15},
    {117, 22, t(3, 5), UP, is(1), rnd(-12, 12), rnd(12, 30), NOPAR, rnd(5, 10), T15},
    {118, 17, upToTier(), UP, either(1, 2), rnd(-10, 10), rnd(25, 40), rnd(-10, 10), rnd(-10, 10), T15},
    {119, 17, n(1), UP, is(1), NOPAR, rnd(35, 70), NOPAR, rnd(20, 30), T15},
    {120, 17, t(1, 2), UP, either(1, 14), rnd(-10, 10), rnd(12, 30), NOPAR, rnd(5, 10), T15},
    {121, 21, t(2, 4), UP, is(1), rnd(-12, 12), rnd(25, 40), NOPAR, rnd(-10, 10), T15},
    {122, 21, n(2), PAIR, is(1), pairRatio(5), rnd(-30, -15), NOPAR, NOPAR, T15},
    {123, 21, t(1, 2), UP, is(1), NOPAR, rnd(35, 70), NOPAR, rnd(20, 30), T15},
    {124, 21, t(4, 7), r(0, 3), is(1), rnd(-12, 12), rnd(12, 30), NOPAR, rnd(5, 10), T15},
    {125, 23, t(1, 2), UP, is(1), rnd(-12, 12), rnd(25, 40), NOPAR, rnd(-10, 10), T15},
    {126, 23, n(1), PAIR, is(1), pairRatio(5), rnd(-30, -15), NOPAR, NOPAR, T15},
    {127, 23, t(0, 1), UP, is(1), NOPAR, rnd(35, 70), NOPAR, rnd(20, 30), T15},
    {128, 23, t(3, 5), r(0, 3), is(1), rnd(-12, 12), rnd(12, 30), NOPAR, rnd(5, 10), T15},
    {129, 20, t(1, 2), UP, is(1), rnd(-12, 12), rnd(25, 40), NOPAR, rnd(-10, 10), T15},
    {130, 20, n(1), PAIR, is(1), pairRatio(5), rnd(-30, -15), NOPAR, NOPAR, T15},
    {131, 20, t(0, 1), UP, is(1), NOPAR, rnd(35, 70), NOPAR, rnd(20, 30), T15},
    {132, 20, t(3, 5), UP, is(1), rnd(-12, 12), rnd(12, 30), NOPAR, rnd(5, 10), T15},
    {133, 24, abs(2, 3), UP, is(1), NOPAR, rnd(20, 35), NOPAR, rnd(0, 10), T15},
    {134, 24, n(1), PAIR, is(1), pairRatio(5), rnd(-30, -15), NOPAR, NOPAR, T15},
    {135, 24, abs(1, 2), UP, is(1), NOPAR, rnd(35, 60), NOPAR, rnd(20, 30), T15},
    {136, 24, abs(4, 6), r(0, 3), r(0, 6), rnd(-15, 15), rnd(15, 30), rnd(-15, 15), rnd(5, 10), T15},
};
float value(const Par& p, int tierNow) {
    switch (p.kind) {
    case RND: return hge->Random_Float(p.a, p.b);
    case TIER: return 5.0f * static_cast<float>(tierNow) + p.a;
    case EITHERF: return hge->Random_Int(0, 1) == 0 ? p.a : p.b;
    case INTF: return static_cast<float>(hge->Random_Int(static_cast<int>(p.a), static_cast<int>(p.b)));
    case FIX:
    case PAIRSIGN:
    case PAIRRATIO: break;
    }
    return p.a;
}

int count(const Count& c, int tierNow) {
    const int lo = c.lo + c.loTier * tierNow, hi = c.hi + c.hiTier * tierNow;
    return lo == hi ? lo : hge->Random_Int(lo, hi);
}

// Random draws are made in a fixed order, so a seeded battle replays exactly: P5 .. P1, the
// move, the direction, the count.
void spawnRow(const CardPlay& play, const SpawnRow& row) {
    const float period = value(row.period, play.tier);
    const float p5 = value(row.p5, play.tier);
    const float p4 = value(row.p4, play.tier);
    const float p3 = value(row.p3, play.tier);
    const float p2 = value(row.p2, play.tier);
    if (row.dir.kind == PAIRED) {
        const int k = count(row.count, play.tier);
        const float right = row.p1.kind == PAIRSIGN ? -row.p1.a : p2 / row.p1.a;
        const float left = row.p1.kind == PAIRSIGN ? row.p1.a : p2 / -row.p1.a;
        spawnEnemies(play.opponent, row.kind, k, DIR_LOWERRIGHT, draw(row.move), right, p2, p3, p4, p5, period, 0, 0);
        spawnEnemies(play.opponent, row.kind, k, DIR_LOWERLEFT, draw(row.move), left, p2, p3, p4, p5, period, 0, 0);
        return;
    }
    const float p1 = value(row.p1, play.tier);
    const int move = draw(row.move);
    const int dir = draw(row.dir);
    const int k = count(row.count, play.tier);
    spawnEnemies(play.opponent, row.kind, k, dir, move, p1, p2, p3, p4, p5, period, 0, 0);
}

}  // namespace

bool playSpawnCard(const CardPlay& play) {
    bool found = false;
    for (const SpawnRow& row : SPAWNROWS) {
        if (row.card != play.card) continue;
        found = true;
        // The EX mission has no rival field: the enemies would land where nobody plays.
        if (selectedOpp != EXMISSION) spawnRow(play, row);
    }
    return found;
}
