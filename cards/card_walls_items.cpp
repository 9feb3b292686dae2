// Wall cards (pieces raised around the user's vehicle, or stairs and escalators dropped in
// the rival's field) and item cards (bonuses that fall into the user's field).
#include <cmath>

#include "battle/walls.h"
#include "cards/card_families.h"
#include "cards/opponents.h"
#include "shell/geometry.h"
#include "shell/world.h"

namespace {

// How a wall card lays its pieces of w × h; v is the user's vehicle.
enum Layout {
    ONE,        // one piece centred on v, standing on its top
    THREE,      // three side by side, the middle one centred on v, standing on its top
    FIELDROW,   // side by side from the field's left edge across the field, standing on v's top
    SQUARE2,    // 2 × 2 whose lower row covers v's top: x from v's centre - w, y from v's top - h
    SQUARE3,    // 3 × 3 centred on v
    RIVALSPOT,  // one piece at x = F(rival L, rival R - w), y = F(a, b)
    STAIR,      // three pieces down a diagonal from a rival spot, y0 = F(a, b)
    MINES,      // five pieces, each a random step of up to 100 px from the one before
};

struct WallRow {
    int card, type;
    Layout layout;
    float w, h, hp;
    float a = 0, b = 0;
};

constexpr WallRow WALLROWS[] = {
    // card type layout w h hp (y range)
    {137, W_PAPER, THREE, 64, 64, 8},      {138, W_PAPER, FIELDROW, 60, 60, 10},
    {139, W_ZINE, THREE, 64, 64, 15},      {140, W_ZINE, FIELDROW, 60, 60, 18},
    {141, W_WOOD, THREE, 64, 64, 24},      {142, W_WOOD, FIELDROW, 60, 60, 28},
    {143, W_BRICK, THREE, 64, 64, 32},     {144, W_BRICK, FIELDROW, 60, 60, 36},
    {145, W_MARBLE, THREE, 64, 64, 45},    {146, W_MARBLE, FIELDROW, 60, 60, 48},
    {147, W_STONE, THREE, 64, 64, 64},     {148, W_STONE, FIELDROW, 60, 60, 68},
    {149, W_STEEL, THREE, 64, 64, 88},     {150, W_STEEL, FIELDROW, 60, 60, 94},
    {151, W_SPIKED, THREE, 64, 64, 24},    {152, W_SPIKED, FIELDROW, 60, 60, 28},
    {153, W_ZOMZAP, THREE, 32, 64, 16},    {154, W_ZOMZAP, FIELDROW, 30, 64, 20},
    {155, W_TREE, ONE, 64, 64, 200},       {156, W_TREE, THREE, 64, 64, 250},
    {157, W_TREE, ONE, 128, 192, 400},     {158, W_FENCE, FIELDROW, 60, 64, 100},
    {159, W_STAIRS, RIVALSPOT, 64, 64, 20, 64, 472},
    {160, W_STAIRS, STAIR, 64, 64, 24, 64, 408},
    {283, W_ESCALATOR, RIVALSPOT, 64, 102, 40, 0, 466},
    {284, W_ESCALATOR, RIVALSPOT, 128, 204, 50, 0, 364},
    {285, W_LAWN, SQUARE2, 64, 64, 75},    {286, W_LAWN, SQUARE3, 64, 64, 100},
    {287, W_PROXYMINE, ONE, 32, 32, 1},    {288, W_PROXYMINE, MINES, 32, 32, 1},
};

constexpr int MINECOUNT = 5;
constexpr float MINESTEP = 100;

hgeRect piece(float x, float y, const WallRow& row) { return hgeRect(x, y, x + row.w, y + row.h); }

void layWalls(const CardPlay& play, const WallRow& row) {
    const Player& u = pl[play.user];
    const hgeRect& v = u.rect;
    const float cx = centerX(v);
    const float standing = v.y1 - row.h;
    switch (row.layout) {
    case ONE: initWall(play.user, row.type, piece(cx - row.w / 2, standing, row), row.hp); break;
    case THREE:
        for (int i = -1; i <= 1; ++i)
            initWall(play.user, row.type, piece(cx - row.w / 2 + i * row.w, standing, row), row.hp);
        break;
    case FIELDROW: {
        // 5 or 10 pieces in a normal field, 12 or 24 in the EX mission's wider one.
        const int pieces = static_cast<int>(std::ceil((u.fieldRight - u.fieldLeft) / row.w));
        for (int i = 0; i < pieces; ++i) initWall(play.user, row.type, piece(u.fieldLeft + i * row.w, standing, row), row.hp);
        break;
    }
    case SQUARE2:
    case SQUARE3: {
        const int k = row.layout == SQUARE2 ? 2 : 3;
        const float x0 = cx - k * row.w / 2;
        const float y0 = k == 2 ? v.y1 - row.h : centerY(v) - k * row.h / 2;
        for (int i = 0; i < k * k; ++i) initWall(play.user, row.type, piece(x0 + (i % k) * row.w, y0 + (i / k) * row.h, row), row.hp);
        break;
    }
    case RIVALSPOT:
    case STAIR: {
        const Player& o = pl[play.opponent];
        const float x0 = hge->Random_Float(o.fieldLeft, o.fieldRight - row.w);
        const float y0 = hge->Random_Float(row.a, row.b);
        if (row.layout == RIVALSPOT) {
            initWall(play.opponent, row.type, piece(x0, y0, row), row.hp);
            break;
        }
        for (int i = 0; i < 3; ++i) initWall(play.opponent, row.type, piece(x0 + (i - 1) * row.w, y0 + i * row.h, row), row.hp);
        break;
    }
    case MINES: {
        float x = cx - row.w / 2, y = standing;
        for (int i = 0; i < MINECOUNT; ++i) {
            x += hge->Random_Float(-MINESTEP, MINESTEP);
            y += hge->Random_Float(-MINESTEP, MINESTEP);
            initWall(play.user, row.type, piece(x, y, row), row.hp);
        }
        break;
    }
    }
}

// An item card: how many bonuses fall, of which kind (RANDOMITEM: any, drawn for each), and
// their falling speed in whole px/s.
constexpr int RANDOMITEM = -1;
struct ItemRow {
    int card, kind, count, slowest, fastest;
};
constexpr ItemRow ITEMROWS[] = {
    {173, I_VICTUAL, 1, 60, 120},    {174, I_FUEL, 1, 40, 100},       {177, I_MULTICOIN, 1, 30, 60},
    {179, I_SELFIX, 1, 60, 100},     {180, I_GAS2LIFE, 1, 40, 100},   {273, I_POINTS1000, 1, 30, 60},
    {245, RANDOMITEM, 1, 40, 100},   {246, RANDOMITEM, 3, 40, 100},   {247, RANDOMITEM, 5, 40, 100},
};
constexpr float ITEMSIZE = 32;
constexpr float ITEMDRIFT = 16;

void dropItems(const CardPlay& play, const ItemRow& row) {
    const Player& u = pl[play.user];
    for (int i = 0; i < row.count; ++i) {
        const int slot = roomForMoreItems();
        if (slot == -1) return;
        Item& it = itm[slot];
        it.active = true;
        it.kind = row.kind == RANDOMITEM ? hge->Random_Int(I_VICTUAL, I_MULTICOIN) : row.kind;
        const float x = hge->Random_Float(u.fieldLeft + 16, u.fieldRight - 48);
        it.rect = hgeRect(x, 0, x + ITEMSIZE, ITEMSIZE);
        it.dx = hge->Random_Float(-ITEMDRIFT, ITEMDRIFT);
        it.dy = static_cast<float>(hge->Random_Int(row.slowest, row.fastest));
    }
}

template <typename Row, size_t N>
const Row* rowOf(const Row (&rows)[N], int card) {
    for (const Row& row : rows)
        if (row.card == card) return &row;
    return nullptr;
}

}  // namespace

bool playFieldCard(const CardPlay& play) {
    if (const WallRow* row = rowOf(WALLROWS, play.card)) {
        layWalls(play, *row);
        return true;
    }
    if (const ItemRow* row = rowOf(ITEMROWS, play.card)) {
        dropItems(play, *row);
        return true;
    }
    return false;
}
