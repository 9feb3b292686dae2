// The level layouts: the fixed walls of every opponent and round in the opponent's field,
// and the random stairs and escalators that the second quest adds to the human's field.
#include "battle/walls.h"

#include "shell/world.h"

namespace {

// `count` walls numbered k = 0..count-1, each at (x + k * stepX, y).
struct LayoutRow {
    int opp;
    int round;  // counted from 1
    int type;
    int count;
    float hp;
    float w, h;
    float x, y;
    float stepX;
};

// Stairs are placed between these heights, escalators between the other two.
constexpr float STAIRSTOP = 32, STAIRSBOTTOM = 472;
constexpr float ESCALATORTOP = 0, ESCALATORBOTTOM = 568;

// One row of second-quest additions: `count` walls at random places; a staircase row puts
// its steps on a diagonal from one random corner instead.
struct RandomRow {
    int opp;
    int type;
    int count;
    float hp;
    float w, h;
    bool staircase;
};

constexpr RandomRow SECONDQUEST[] = {
    {0, W_STAIRS, 3, 4, 16, 16, true},
    {1, W_STAIRS, 3, 12, 32, 32, true},
    {1, W_ESCALATOR, 1, 20, 32, 54, false},
    {2, W_STAIRS, 5, 12, 32, 32, false},
    {2, W_ESCALATOR, 1, 40, 64, 108, false},
    {2, W_ESCALATOR, 1, 20, 32, 54, false},
    {3, W_STAIRS, 7, 12, 32, 32, false},
    {3, W_ESCALATOR, 3, 40, 32, 108, false},
    {4, W_STAIRS, 7, 12, 32, 32, false},
    {4, W_ESCALATOR, 1, 80, 64, 216, false},
    {4, W_ESCALATOR, 3, 40, 32, 108, false},
    {5, W_STAIRS, 2, 16, 64, 64, false},
    {5, W_STAIRS, 5, 10, 32, 32, false},
    {5, W_ESCALATOR, 1, 80, 64, 216, false},
    {5, W_ESCALATOR, 5, 40, 32, 108, false},
    {6, W_STAIRS, 3, 20, 64, 64, false},
    {6, W_STAIRS, 7, 10, 32, 32, false},
    {6, W_ESCALATOR, 1, 120, 96, 280, false},
    {6, W_ESCALATOR, 7, 50, 48, 140, false},
};

constexpr LayoutRow LAYOUTS[] = {
    // Opponent 0, round 1.
    {0, 1, W_ZOMZAP, 10, 10, 30, 64, 400, 384, 30},
    // Opponent 0, round 2.
    {0, 2, W_ZOMZAP, 10, 10, 30, 64, 400, 384, 30},
    {0, 2, W_ZOMZAP, 4, 10, 30, 64, 488, 248, 30},
    {0, 2, W_PAPER, 5, 10, 60, 60, 400, 312, 60},
    {0, 2, W_PAPER, 5, 10, 60, 60, 400, 184, 60},
    // Opponent 1, round 1.
    {1, 1, W_ZOMZAP, 4, 10, 30, 64, 488, 408, 30},
    {1, 1, W_WOOD, 5, 28, 60, 60, 400, 344, 60},
    {1, 1, W_TREE, 3, 250, 64, 64, 456, 280, 64},
    // Opponent 1, round 2.
    {1, 2, W_WOOD, 5, 28, 60, 60, 400, 416, 60},
    {1, 2, W_WOOD, 5, 28, 60, 60, 400, 280, 60},
    {1, 2, W_ZOMZAP, 4, 20, 30, 64, 488, 344, 30},
    {1, 2, W_TREE, 1, 250, 64, 64, 416, 344, 0},
    {1, 2, W_TREE, 1, 250, 64, 64, 616, 344, 0},
    // Opponent 1, round 3.
    {1, 3, W_FENCE, 3, 100, 64, 64, 464, 168, 64},
    {1, 3, W_PAPER, 5, 10, 60, 60, 400, 232, 60},
    {1, 3, W_LAWN, 2, 30, 64, 64, 400, 296, 64},
    {1, 3, W_LAWN, 2, 30, 64, 64, 576, 296, 64},
    {1, 3, W_WOOD, 5, 28, 60, 60, 400, 360, 60},
    {1, 3, W_TREE, 5, 250, 60, 60, 400, 424, 60},
    {1, 3, W_TREE, 1, 250, 48, 64, 528, 296, 0},
    // Opponent 2, round 1.
    {2, 1, W_BRICK, 5, 36, 60, 60, 400, 280, 60},
    {2, 1, W_BRICK, 1, 36, 88, 64, 400, 344, 0},
    {2, 1, W_BRICK, 1, 36, 88, 64, 608, 344, 0},
    {2, 1, W_ZOMZAP, 4, 20, 30, 64, 488, 344, 30},
    {2, 1, W_ZOMZAP, 10, 20, 30, 64, 400, 408, 30},
    // Opponent 2, round 2.
    {2, 2, W_FENCE, 5, 100, 60, 64, 400, 184, 60},
    {2, 2, W_BRICK, 5, 36, 60, 60, 400, 248, 60},
    {2, 2, W_MARBLE, 5, 48, 60, 60, 400, 280, 60},
    {2, 2, W_ZOMZAP, 10, 20, 30, 64, 400, 408, 30},
    {2, 2, W_PROXYMINE, 1, 1, 32, 32, 544, 368, 0},
    // Opponent 2, round 3.
    {2, 3, W_ZOMZAP, 3, 20, 30, 64, 400, 232, 30},
    {2, 3, W_ZOMZAP, 3, 20, 30, 64, 608, 232, 30},
    {2, 3, W_WOOD, 1, 56, 116, 64, 492, 232, 0},
    {2, 3, W_MARBLE, 5, 48, 60, 60, 400, 296, 60},
    {2, 3, W_ZOMZAP, 10, 20, 30, 64, 400, 360, 30},
    {2, 3, W_MARBLE, 5, 48, 60, 60, 400, 424, 60},
    // Opponent 2, round 4.
    {2, 4, W_SPIKED, 1, 28, 96, 60, 504, 160, 0},
    {2, 4, W_MARBLE, 1, 112, 96, 96, 504, 216, 0},
    {2, 4, W_MARBLE, 1, 112, 96, 96, 408, 312, 0},
    {2, 4, W_MARBLE, 1, 112, 96, 96, 600, 312, 0},
    {2, 4, W_PROXYMINE, 1, 1, 32, 32, 536, 344, 0},
    {2, 4, W_FENCE, 5, 100, 60, 64, 400, 424, 60},
    // Opponent 2, round 5.
    {2, 5, W_BRICK, 5, 36, 60, 60, 400, 144, 60},
    {2, 5, W_MARBLE, 5, 48, 60, 60, 400, 208, 60},
    {2, 5, W_MARBLE, 5, 48, 60, 60, 400, 266, 60},
    {2, 5, W_FENCE, 5, 100, 60, 64, 400, 328, 60},
    {2, 5, W_ZOMZAP, 10, 20, 30, 64, 400, 392, 30},
    {2, 5, W_PROXYMINE, 1, 1, 32, 32, 472, 472, 0},
    {2, 5, W_PROXYMINE, 1, 1, 32, 32, 592, 472, 0},
    // Opponent 3, round 1.
    {3, 1, W_TREE, 1, 250, 64, 64, 416, 92, 0},
    {3, 1, W_TREE, 1, 250, 64, 64, 624, 92, 0},
    {3, 1, W_WOOD, 1, 120, 128, 128, 488, 128, 0},
    {3, 1, W_WOOD, 5, 28, 60, 60, 400, 256, 60},
    {3, 1, W_BRICK, 5, 36, 60, 60, 400, 320, 60},
    {3, 1, W_ZOMZAP, 10, 20, 30, 64, 400, 392, 30},
    // Opponent 3, round 2.
    {3, 2, W_TREE, 3, 275, 64, 64, 456, 120, 64},
    {3, 2, W_TREE, 5, 250, 60, 60, 400, 200, 60},
    {3, 2, W_ZOMZAP, 4, 20, 30, 64, 488, 280, 30},
    {3, 2, W_WOOD, 5, 28, 60, 60, 400, 344, 60},
    {3, 2, W_LAWN, 5, 30, 60, 60, 400, 408, 60},
    // Opponent 3, round 3.
    {3, 3, W_TREE, 3, 320, 64, 96, 456, 184, 64},
    {3, 3, W_SPIKED, 1, 28, 48, 64, 400, 216, 0},
    {3, 3, W_SPIKED, 1, 28, 48, 64, 648, 216, 0},
    {3, 3, W_WOOD, 5, 28, 60, 60, 400, 288, 60},
    {3, 3, W_MARBLE, 5, 48, 60, 60, 400, 352, 60},
    {3, 3, W_ZOMZAP, 4, 20, 30, 64, 488, 416, 30},
    {3, 3, W_TREE, 1, 250, 64, 64, 416, 416, 0},
    {3, 3, W_TREE, 1, 250, 64, 64, 616, 416, 0},
    // Opponent 3, round 4.
    {3, 4, W_LAWN, 1, 55, 96, 96, 504, 104, 0},
    {3, 4, W_FENCE, 1, 200, 104, 64, 400, 136, 0},
    {3, 4, W_MARBLE, 5, 48, 60, 60, 400, 208, 60},
    {3, 4, W_WOOD, 1, 178, 304, 76, 400, 272, 0},
    {3, 4, W_TREE, 5, 250, 60, 60, 400, 416, 60},
    // Opponent 3, round 5.
    {3, 5, W_STONE, 1, 68, 64, 64, 520, 96, 0},
    {3, 5, W_ZOMZAP, 3, 20, 30, 64, 400, 160, 30},
    {3, 5, W_ZOMZAP, 3, 20, 30, 64, 616, 160, 30},
    {3, 5, W_WOOD, 1, 28, 64, 64, 488, 160, 0},
    {3, 5, W_WOOD, 1, 28, 64, 64, 552, 160, 0},
    {3, 5, W_TREE, 1, 400, 100, 100, 400, 220, 0},
    {3, 5, W_LAWN, 1, 75, 100, 100, 500, 220, 0},
    {3, 5, W_TREE, 1, 400, 100, 100, 600, 220, 0},
    {3, 5, W_LAWN, 1, 75, 100, 100, 400, 320, 0},
    {3, 5, W_TREE, 1, 400, 100, 100, 500, 320, 0},
    {3, 5, W_LAWN, 1, 75, 100, 100, 600, 320, 0},
    {3, 5, W_MARBLE, 5, 48, 60, 60, 400, 416, 60},
    // Opponent 3, round 6.
    {3, 6, W_FENCE, 5, 100, 60, 64, 400, 24, 60},
    {3, 6, W_LAWN, 5, 30, 60, 60, 400, 88, 60},
    {3, 6, W_TREE, 5, 250, 60, 60, 400, 144, 60},
    {3, 6, W_WOOD, 5, 28, 60, 60, 400, 200, 60},
    {3, 6, W_TREE, 1, 400, 100, 100, 500, 264, 0},
    {3, 6, W_MARBLE, 1, 192, 100, 100, 400, 264, 0},
    {3, 6, W_MARBLE, 1, 192, 100, 100, 600, 264, 0},
    {3, 6, W_STONE, 5, 68, 60, 60, 400, 368, 60},
    {3, 6, W_ZOMZAP, 10, 20, 30, 64, 400, 432, 30},
    // Opponent 4, round 1.
    {4, 1, W_ZOMZAP, 2, 20, 30, 64, 464, 120, 30},
    {4, 1, W_ZOMZAP, 2, 20, 30, 64, 584, 120, 30},
    {4, 1, W_TREE, 1, 250, 64, 64, 520, 120, 0},
    {4, 1, W_FENCE, 5, 100, 60, 64, 400, 196, 60},
    {4, 1, W_PROXYMINE, 1, 1, 32, 32, 424, 272, 0},
    {4, 1, W_PROXYMINE, 1, 1, 32, 32, 536, 272, 0},
    {4, 1, W_PROXYMINE, 1, 1, 32, 32, 648, 272, 0},
    {4, 1, W_STONE, 5, 68, 60, 60, 400, 320, 60},
    {4, 1, W_ZOMZAP, 10, 20, 30, 64, 400, 392, 30},
    // Opponent 4, round 2.
    {4, 2, W_FENCE, 2, 100, 60, 64, 496, 88, 60},
    {4, 2, W_STONE, 1, 340, 120, 200, 400, 152, 0},
    {4, 2, W_STONE, 1, 340, 120, 200, 584, 152, 0},
    {4, 2, W_PROXYMINE, 1, 1, 32, 32, 536, 192, 0},
    {4, 2, W_PROXYMINE, 1, 1, 32, 32, 536, 240, 0},
    {4, 2, W_PROXYMINE, 1, 1, 32, 32, 536, 288, 0},
    {4, 2, W_ZOMZAP, 10, 20, 30, 64, 400, 360, 30},
    {4, 2, W_TREE, 5, 250, 60, 60, 400, 432, 60},
    // Opponent 4, round 3.
    {4, 3, W_TREE, 1, 250, 64, 64, 400, 136, 0},
    {4, 3, W_TREE, 1, 250, 64, 64, 640, 136, 0},
    {4, 3, W_SPIKED, 3, 28, 64, 64, 456, 136, 64},
    {4, 3, W_FENCE, 1, 400, 100, 100, 400, 200, 0},
    {4, 3, W_FENCE, 1, 400, 100, 100, 600, 200, 0},
    {4, 3, W_STONE, 1, 280, 100, 100, 500, 200, 0},
    {4, 3, W_STONE, 5, 68, 60, 60, 400, 304, 60},
    {4, 3, W_SPIKED, 3, 28, 64, 64, 456, 368, 64},
    {4, 3, W_ZOMZAP, 10, 20, 30, 64, 400, 432, 30},
    {4, 3, W_PROXYMINE, 1, 1, 32, 32, 416, 384, 0},
    {4, 3, W_PROXYMINE, 1, 1, 32, 32, 656, 384, 0},
    // Opponent 4, round 4.
    {4, 4, W_TREE, 1, 250, 64, 64, 400, 120, 0},
    {4, 4, W_TREE, 1, 250, 64, 64, 640, 120, 0},
    {4, 4, W_SPIKED, 1, 28, 64, 64, 464, 120, 0},
    {4, 4, W_SPIKED, 1, 28, 64, 64, 576, 120, 0},
    {4, 4, W_ZOMZAP, 1, 20, 30, 64, 536, 120, 0},
    {4, 4, W_STONE, 5, 68, 60, 60, 400, 184, 60},
    {4, 4, W_PROXYMINE, 1, 1, 32, 32, 416, 256, 0},
    {4, 4, W_PROXYMINE, 1, 1, 32, 32, 464, 256, 0},
    {4, 4, W_PROXYMINE, 1, 1, 32, 32, 512, 256, 0},
    {4, 4, W_PROXYMINE, 1, 1, 32, 32, 560, 256, 0},
    {4, 4, W_PROXYMINE, 1, 1, 32, 32, 608, 256, 0},
    {4, 4, W_PROXYMINE, 1, 1, 32, 32, 656, 256, 0},
    {4, 4, W_ZOMZAP, 10, 20, 30, 64, 400, 304, 30},
    {4, 4, W_ZOMZAP, 10, 20, 30, 64, 400, 432, 30},
    {4, 4, W_MARBLE, 5, 48, 60, 60, 400, 368, 60},
    // Opponent 4, round 5.
    {4, 5, W_FENCE, 5, 100, 60, 64, 400, 120, 60},
    {4, 5, W_ZOMZAP, 10, 20, 30, 64, 400, 184, 30},
    {4, 5, W_STONE, 5, 68, 60, 60, 400, 248, 60},
    {4, 5, W_BRICK, 1, 144, 128, 128, 400, 304, 0},
    {4, 5, W_BRICK, 1, 144, 128, 128, 576, 304, 0},
    {4, 5, W_ZOMZAP, 10, 20, 30, 64, 400, 432, 30},
    {4, 5, W_PROXYMINE, 1, 1, 32, 32, 528, 320, 0},
    {4, 5, W_PROXYMINE, 1, 1, 32, 32, 544, 352, 0},
    {4, 5, W_PROXYMINE, 1, 1, 32, 32, 528, 384, 0},
    // Opponent 4, round 6.
    {4, 6, W_ZOMZAP, 6, 20, 30, 64, 464, 64, 30},
    {4, 6, W_SPIKED, 1, 28, 64, 64, 400, 64, 0},
    {4, 6, W_SPIKED, 1, 28, 64, 64, 640, 64, 0},
    {4, 6, W_STONE, 1, 560, 176, 176, 464, 128, 0},
    {4, 6, W_STONE, 1, 500, 300, 96, 400, 304, 0},
    {4, 6, W_ZOMZAP, 10, 20, 30, 64, 400, 400, 30},
    {4, 6, W_TREE, 3, 250, 64, 64, 456, 464, 64},
    {4, 6, W_PROXYMINE, 1, 1, 32, 32, 416, 152, 0},
    {4, 6, W_PROXYMINE, 1, 1, 32, 32, 416, 200, 0},
    {4, 6, W_PROXYMINE, 1, 1, 32, 32, 416, 248, 0},
    {4, 6, W_PROXYMINE, 1, 1, 32, 32, 656, 152, 0},
    {4, 6, W_PROXYMINE, 1, 1, 32, 32, 656, 200, 0},
    {4, 6, W_PROXYMINE, 1, 1, 32, 32, 656, 248, 0},
    // Opponent 4, round 7.
    {4, 7, W_TREE, 5, 250, 60, 60, 400, 48, 60},
    {4, 7, W_SPIKED, 1, 28, 64, 64, 488, 104, 0},
    {4, 7, W_SPIKED, 1, 28, 64, 64, 552, 104, 0},
    {4, 7, W_STEEL, 1, 94, 64, 64, 488, 168, 0},
    {4, 7, W_STEEL, 1, 94, 64, 64, 552, 168, 0},
    {4, 7, W_FENCE, 1, 180, 88, 64, 400, 168, 0},
    {4, 7, W_FENCE, 1, 180, 88, 64, 616, 168, 0},
    {4, 7, W_ZOMZAP, 10, 20, 30, 64, 400, 232, 30},
    {4, 7, W_STEEL, 5, 94, 60, 60, 400, 296, 60},
    {4, 7, W_ZOMZAP, 10, 20, 30, 64, 400, 360, 30},
    {4, 7, W_STEEL, 5, 94, 60, 60, 400, 424, 60},
    {4, 7, W_PROXYMINE, 1, 1, 32, 32, 432, 120, 0},
    {4, 7, W_PROXYMINE, 1, 1, 32, 32, 640, 120, 0},
    {4, 7, W_PROXYMINE, 1, 1, 32, 32, 496, 264, 0},
    {4, 7, W_PROXYMINE, 1, 1, 32, 32, 592, 264, 0},
    {4, 7, W_PROXYMINE, 1, 1, 32, 32, 496, 392, 0},
    {4, 7, W_PROXYMINE, 1, 1, 32, 32, 592, 392, 0},
    // Opponent 5, round 1.
    {5, 1, W_TREE, 1, 550, 112, 176, 496, 56, 0},
    {5, 1, W_TREE, 1, 250, 64, 64, 432, 168, 0},
    {5, 1, W_TREE, 1, 250, 64, 64, 608, 168, 0},
    {5, 1, W_TREE, 1, 150, 32, 32, 400, 200, 0},
    {5, 1, W_TREE, 1, 150, 32, 32, 672, 200, 0},
    {5, 1, W_LAWN, 5, 30, 60, 60, 400, 240, 60},
    {5, 1, W_LAWN, 5, 30, 60, 60, 400, 296, 60},
    {5, 1, W_ZOMZAP, 2, 20, 30, 64, 400, 360, 30},
    {5, 1, W_ZOMZAP, 2, 20, 30, 64, 648, 360, 30},
    {5, 1, W_SPIKED, 3, 28, 64, 64, 456, 360, 64},
    // Opponent 5, round 2.
    {5, 2, W_LAWN, 5, 30, 60, 60, 400, 168, 60},
    {5, 2, W_LAWN, 5, 30, 60, 60, 400, 232, 60},
    {5, 2, W_TREE, 5, 250, 60, 60, 400, 296, 60},
    {5, 2, W_STONE, 5, 68, 60, 60, 456, 360, 60},
    {5, 2, W_LAWN, 5, 30, 60, 60, 400, 424, 60},
    // Opponent 5, round 3.
    {5, 3, W_TREE, 1, 600, 110, 240, 496, 80, 0},
    {5, 3, W_FENCE, 1, 170, 96, 64, 400, 136, 0},
    {5, 3, W_FENCE, 1, 170, 96, 64, 608, 136, 0},
    {5, 3, W_LAWN, 1, 60, 96, 96, 400, 200, 0},
    {5, 3, W_LAWN, 1, 60, 96, 96, 608, 200, 0},
    {5, 3, W_SPIKED, 1, 42, 96, 64, 400, 296, 0},
    {5, 3, W_SPIKED, 1, 42, 96, 64, 608, 296, 0},
    {5, 3, W_STONE, 5, 68, 60, 60, 400, 360, 60},
    {5, 3, W_BRICK, 5, 36, 60, 60, 400, 424, 60},
    // Opponent 5, round 4.
    {5, 4, W_LAWN, 5, 30, 60, 60, 400, 96, 60},
    {5, 4, W_TREE, 5, 250, 60, 60, 400, 176, 60},
    {5, 4, W_TREE, 5, 250, 60, 60, 400, 232, 60},
    {5, 4, W_SPIKED, 5, 28, 60, 60, 400, 296, 60},
    {5, 4, W_BRICK, 5, 36, 60, 60, 400, 360, 60},
    {5, 4, W_TREE, 5, 250, 60, 60, 400, 424, 60},
    // Opponent 5, round 5.
    {5, 5, W_FENCE, 5, 100, 60, 64, 400, 64, 60},
    {5, 5, W_SPIKED, 5, 28, 60, 60, 400, 144, 60},
    {5, 5, W_STONE, 5, 68, 60, 60, 400, 200, 60},
    {5, 5, W_TREE, 5, 250, 60, 60, 400, 264, 60},
    {5, 5, W_STONE, 5, 68, 60, 60, 400, 328, 60},
    {5, 5, W_LAWN, 5, 30, 60, 60, 400, 392, 60},
    {5, 5, W_PROXYMINE, 1, 1, 32, 32, 456, 464, 0},
    {5, 5, W_PROXYMINE, 1, 1, 32, 32, 536, 464, 0},
    {5, 5, W_PROXYMINE, 1, 1, 32, 32, 616, 464, 0},
    // Opponent 6, round 1.
    {6, 1, W_ZOMZAP, 1, 20, 30, 64, 544, 88, 0},
    {6, 1, W_ZOMZAP, 1, 20, 30, 64, 472, 232, 0},
    {6, 1, W_ZOMZAP, 1, 20, 30, 64, 600, 264, 0},
    {6, 1, W_ZOMZAP, 10, 20, 30, 64, 400, 384, 30},
    {6, 1, W_PROXYMINE, 1, 1, 32, 32, 456, 128, 0},
    {6, 1, W_PROXYMINE, 1, 1, 32, 32, 616, 168, 0},
    {6, 1, W_PROXYMINE, 1, 1, 32, 32, 440, 296, 0},
    {6, 1, W_PROXYMINE, 1, 1, 32, 32, 520, 344, 0},
    {6, 1, W_PROXYMINE, 1, 1, 32, 32, 624, 328, 0},
    // Opponent 6, round 2.
    {6, 2, W_TREE, 1, 250, 64, 64, 488, 136, 0},
    {6, 2, W_TREE, 1, 250, 64, 64, 552, 136, 0},
    {6, 2, W_STONE, 1, 275, 112, 112, 496, 200, 0},
    {6, 2, W_SPIKED, 1, 28, 64, 64, 416, 216, 0},
    {6, 2, W_SPIKED, 1, 28, 64, 64, 624, 216, 0},
    {6, 2, W_STEEL, 1, 224, 96, 96, 400, 280, 0},
    {6, 2, W_STEEL, 1, 224, 96, 96, 608, 280, 0},
    {6, 2, W_TREE, 1, 250, 64, 64, 488, 312, 0},
    {6, 2, W_TREE, 1, 250, 64, 64, 552, 312, 0},
    {6, 2, W_ZOMZAP, 10, 20, 64, 64, 400, 384, 64},
    {6, 2, W_PROXYMINE, 1, 1, 32, 32, 456, 168, 0},
    {6, 2, W_PROXYMINE, 1, 1, 32, 32, 616, 168, 0},
    {6, 2, W_PROXYMINE, 1, 1, 32, 32, 536, 456, 0},
    // Opponent 6, round 3.
    {6, 3, W_FENCE, 5, 100, 60, 64, 400, 88, 60},
    {6, 3, W_SPIKED, 5, 28, 60, 60, 400, 152, 60},
    {6, 3, W_STEEL, 5, 96, 60, 60, 400, 216, 60},
    {6, 3, W_MARBLE, 1, 120, 96, 96, 400, 296, 0},
    {6, 3, W_MARBLE, 1, 120, 96, 96, 608, 296, 0},
    {6, 3, W_TREE, 1, 400, 112, 112, 496, 280, 0},
    {6, 3, W_TREE, 5, 250, 60, 60, 400, 392, 60},
    {6, 3, W_PROXYMINE, 1, 1, 32, 32, 464, 56, 0},
    {6, 3, W_PROXYMINE, 1, 1, 32, 32, 536, 56, 0},
    {6, 3, W_PROXYMINE, 1, 1, 32, 32, 608, 56, 0},
    // Opponent 6, round 4.
    {6, 4, W_FENCE, 5, 100, 60, 64, 400, 88, 60},
    {6, 4, W_TREE, 5, 250, 60, 60, 400, 152, 60},
    {6, 4, W_STEEL, 1, 360, 112, 112, 496, 216, 0},
    {6, 4, W_LAWN, 1, 120, 112, 112, 496, 328, 0},
    {6, 4, W_SPIKED, 1, 42, 96, 64, 400, 280, 0},
    {6, 4, W_SPIKED, 1, 42, 96, 64, 608, 280, 0},
    {6, 4, W_STEEL, 1, 224, 96, 96, 400, 344, 0},
    {6, 4, W_STEEL, 1, 224, 96, 96, 608, 344, 0},
    {6, 4, W_ZOMZAP, 10, 20, 30, 64, 400, 440, 30},
    {6, 4, W_PROXYMINE, 1, 1, 32, 32, 408, 232, 0},
    {6, 4, W_PROXYMINE, 1, 1, 32, 32, 456, 232, 0},
    {6, 4, W_PROXYMINE, 1, 1, 32, 32, 616, 232, 0},
    {6, 4, W_PROXYMINE, 1, 1, 32, 32, 664, 232, 0},
    // Opponent 6, round 5.
    {6, 5, W_TREE, 5, 250, 60, 60, 400, 64, 60},
    {6, 5, W_LAWN, 5, 30, 60, 60, 400, 128, 60},
    {6, 5, W_STEEL, 5, 96, 60, 60, 400, 200, 60},
    {6, 5, W_STONE, 5, 68, 60, 60, 400, 264, 60},
    {6, 5, W_STEEL, 5, 96, 60, 60, 400, 328, 60},
    {6, 5, W_FENCE, 5, 100, 60, 64, 400, 392, 60},
    {6, 5, W_PROXYMINE, 6, 1, 32, 32, 456, 456, 32},
    // Opponent 6, round 6.
    {6, 6, W_LAWN, 1, 30, 64, 64, 400, 80, 0},
    {6, 6, W_LAWN, 1, 30, 64, 64, 464, 80, 0},
    {6, 6, W_LAWN, 1, 30, 64, 64, 576, 80, 0},
    {6, 6, W_LAWN, 1, 30, 64, 64, 640, 80, 0},
    {6, 6, W_SPIKED, 1, 24, 64, 64, 400, 144, 0},
    {6, 6, W_SPIKED, 1, 24, 64, 64, 464, 144, 0},
    {6, 6, W_SPIKED, 1, 24, 64, 64, 576, 144, 0},
    {6, 6, W_SPIKED, 1, 24, 64, 64, 640, 144, 0},
    {6, 6, W_SPIKED, 1, 52, 48, 64, 528, 80, 0},
    {6, 6, W_FENCE, 1, 150, 48, 64, 528, 144, 0},
    {6, 6, W_TREE, 1, 500, 112, 144, 400, 208, 0},
    {6, 6, W_TREE, 1, 500, 112, 144, 592, 208, 0},
    {6, 6, W_ZOMZAP, 1, 100, 80, 144, 512, 208, 0},
    {6, 6, W_STONE, 5, 68, 60, 60, 400, 352, 60},
    {6, 6, W_STEEL, 5, 96, 60, 60, 400, 416, 60},
    {6, 6, W_PROXYMINE, 1, 1, 32, 32, 520, 224, 0},
    {6, 6, W_PROXYMINE, 1, 1, 32, 32, 552, 224, 0},
    {6, 6, W_PROXYMINE, 1, 1, 32, 32, 520, 264, 0},
    {6, 6, W_PROXYMINE, 1, 1, 32, 32, 552, 264, 0},
    {6, 6, W_PROXYMINE, 1, 1, 32, 32, 520, 304, 0},
    {6, 6, W_PROXYMINE, 1, 1, 32, 32, 552, 304, 0},
    // Opponent 6, round 7.
    {6, 7, W_LAWN, 1, 30, 64, 64, 488, 48, 0},
    {6, 7, W_LAWN, 1, 30, 64, 64, 552, 48, 0},
    {6, 7, W_TREE, 1, 250, 64, 64, 488, 112, 0},
    {6, 7, W_TREE, 1, 250, 64, 64, 552, 112, 0},
    {6, 7, W_STEEL, 1, 128, 88, 64, 400, 80, 0},
    {6, 7, W_STEEL, 1, 128, 88, 64, 616, 80, 0},
    {6, 7, W_STEEL, 1, 400, 160, 96, 472, 176, 0},
    {6, 7, W_TREE, 1, 164, 32, 64, 432, 152, 0},
    {6, 7, W_TREE, 1, 164, 32, 64, 650, 152, 0},
    {6, 7, W_FENCE, 5, 100, 60, 64, 400, 272, 60},
    {6, 7, W_SPIKED, 5, 28, 60, 60, 400, 376, 60},
    {6, 7, W_ZOMZAP, 3, 20, 30, 64, 400, 440, 30},
    {6, 7, W_ZOMZAP, 3, 20, 30, 64, 608, 440, 30},
    {6, 7, W_TREE, 1, 250, 64, 64, 488, 440, 0},
    {6, 7, W_TREE, 1, 250, 64, 64, 544, 440, 0},
    {6, 7, W_PROXYMINE, 9, 1, 32, 32, 408, 336, 32},
    {6, 7, W_PROXYMINE, 1, 1, 32, 32, 424, 224, 0},
    {6, 7, W_PROXYMINE, 1, 1, 32, 32, 648, 224, 0},
    // Opponent 6, round 8.
    {6, 8, W_LAWN, 5, 30, 60, 60, 400, 24, 60},
    {6, 8, W_FENCE, 5, 100, 60, 64, 400, 80, 60},
    {6, 8, W_STEEL, 1, 750, 160, 160, 472, 144, 0},
    {6, 8, W_TREE, 1, 500, 72, 136, 400, 168, 0},
    {6, 8, W_TREE, 1, 500, 72, 136, 632, 168, 0},
    {6, 8, W_SPIKED, 5, 32, 60, 60, 400, 304, 60},
    {6, 8, W_SPIKED, 5, 32, 60, 60, 400, 360, 60},
    {6, 8, W_STEEL, 5, 128, 60, 60, 400, 424, 60},
    {6, 8, W_ZOMZAP, 10, 30, 30, 64, 400, 488, 30},
};

void addSecondQuestWalls() {
    const float left = pl[0].fieldLeft;
    const float right = pl[0].fieldRight;
    for (const RandomRow& row : SECONDQUEST) {
        if (row.opp != selectedOpp) continue;
        const bool stairs = row.type == W_STAIRS;
        const float top = stairs ? STAIRSTOP : ESCALATORTOP;
        const float bottom = stairs ? STAIRSBOTTOM : ESCALATORBOTTOM;
        // x is drawn before y for every wall.
        float x0 = 0, y0 = 0;
        if (row.staircase) {
            x0 = hge->Random_Float(left, right - row.w);
            y0 = hge->Random_Float(top, bottom - row.h);
        }
        for (int k = 0; k < row.count; ++k) {
            float x, y;
            if (row.staircase) {
                x = x0 + row.w * static_cast<float>(k - 1);
                y = y0 + row.w * static_cast<float>(k);
            } else {
                x = hge->Random_Float(left, right - row.w);
                y = hge->Random_Float(top, bottom - row.h);
            }
            initWall(0, row.type, hgeRect(x, y, x + row.w, y + row.h), row.hp);
        }
    }
}

}  // namespace

void getLevelLayout() {
    if (pl[0].questNum == 2) addSecondQuestWalls();
    for (const LayoutRow& row : LAYOUTS) {
        if (row.opp != selectedOpp || row.round != curRound + 1) continue;
        for (int k = 0; k < row.count; ++k) {
            const float x = row.x + row.stepX * static_cast<float>(k);
            initWall(1, row.type, hgeRect(x, row.y, x + row.w, row.y + row.h), row.hp);
            // Two people get the same place: player 1's field has the same walls.
            constexpr float FIELDWIDTH = CENTERLINE - LEFTBOUND;
            if (versus.on)
                initWall(0, row.type, hgeRect(x - FIELDWIDTH, row.y, x - FIELDWIDTH + row.w, row.y + row.h), row.hp);
        }
    }
}
