// The regular enemy waves of both fields: a few kind-1 enemies in formation against an
// opponent; in the EX mission a kind that changes every round, in fourteen wave shapes.
#include "battle/battle_frame.h"
#include "battle/enemies.h"
#include "battle/player.h"
#include "cards/opponents.h"
#include "shell/world.h"

namespace {

constexpr int WAVEKIND = 1;
constexpr float MATCHATTACK = 40, EXATTACK = 20;
constexpr float WAVEPERIOD = 6;
constexpr int EXKINDS = 24;

struct Group {
    int formation, count;
    float dx, dy, ax = 0, ay = 0;
    int move = 1;
    float period = WAVEPERIOD, driftX = 0, driftY = 0;
};

void spawn(int side, int kind, float attack, const Group& g) {
    spawnEnemies(side, kind, g.count, g.formation, g.move, g.dx, g.dy, g.ax, g.ay, attack, g.period, g.driftX,
                 g.driftY);
}

void matchWave(int side) {
    const auto spawnGroup = [side](const Group& g) { spawn(side, WAVEKIND, MATCHATTACK, g); };
    const int k = selectedOpp / 2 + 1;
    const int r = hge->Random_Int(0, 3);
    if (r == 3) {
        const int v = hge->Random_Int(15, 30);
        spawnGroup({DIR_UPPERRIGHT, k / 2 + 1, static_cast<float>(-v / 5), static_cast<float>(v)});
        spawnGroup({DIR_UPPERLEFT, k / 2 + 1, static_cast<float>(v / 5), static_cast<float>(v)});
        return;
    }
    const int count = hge->Random_Int(k, k + 2);
    if (r == 0) {
        const int dy = hge->Random_Int(15, 30);
        spawnGroup({DIR_UP, count, 0, static_cast<float>(dy)});
    } else if (r == 1) {
        const int dx = hge->Random_Int(15, 30);
        const int dy = hge->Random_Int(15, 30);
        spawnGroup({DIR_UPPERLEFT, count, static_cast<float>(dx), static_cast<float>(dy)});
    } else {
        const int dx = hge->Random_Int(-30, -15);
        const int dy = hge->Random_Int(15, 30);
        spawnGroup({DIR_UPPERRIGHT, count, static_cast<float>(dx), static_cast<float>(dy)});
    }
}

// The first formation when Random_Int(0, 1) is 0, else the second.
int either(int first, int second) { return hge->Random_Int(0, 1) == 0 ? first : second; }

void exWave() {
    int kind = (curRound + 1) % EXKINDS;
    if (kind == 0) kind = EXKINDS;
    const auto spawnGroup = [kind](const Group& g) { spawn(0, kind, EXATTACK, g); };
    const int L = curRound / EXKINDS + 1;
    const int n = hge->Random_Int(L, L + 3);
    const int h = L / 2 + 1;
    const auto diagonals = [&](float v, float w) {
        spawnGroup({DIR_UPPERLEFT, h, v, v, w, w});
        spawnGroup({DIR_UPPERRIGHT, h, v, v, w, w});
        spawnGroup({DIR_LOWERLEFT, h, v, -v, w, -w});
        spawnGroup({DIR_LOWERRIGHT, h, v, -v, w, -w});
    };
    switch (hge->Random_Int(0, 13)) {
    case 0: spawnGroup({DIR_UP, n, 0, hge->Random_Float(15, 30)}); break;
    case 1: {
        const float dx = hge->Random_Float(15, 30);
        spawnGroup({DIR_UPPERLEFT, n, dx, hge->Random_Float(15, 30)});
        break;
    }
    case 2: {
        const float dx = hge->Random_Float(-30, -15);
        spawnGroup({DIR_UPPERRIGHT, n, dx, hge->Random_Float(15, 30)});
        break;
    }
    case 3: {
        const float v = hge->Random_Float(15, 30);
        spawnGroup({DIR_UPPERRIGHT, h, -v, v});
        spawnGroup({DIR_UPPERLEFT, h, v, v});
        break;
    }
    case 4: {
        const float v = hge->Random_Float(-30, -15);
        spawnGroup({DIR_LOWERRIGHT, h, v, v});
        spawnGroup({DIR_LOWERLEFT, h, -v, v});
        break;
    }
    case 5: {
        const float a = hge->Random_Float(20, 30);
        const float b = hge->Random_Float(35, 60);
        spawnGroup({DIR_UP, hge->Random_Int(L, L + 1), 0, b, 0, a});
        break;
    }
    case 6: {
        const float a = hge->Random_Float(5, 10);
        const float b = hge->Random_Float(12, 30);
        const float c = hge->Random_Float(-30, 30);
        const int formation = hge->Random_Int(1, 3);
        spawnGroup({formation, hge->Random_Int(L + 4, L + 7), c, b, 0, a});
        break;
    }
    case 7: {
        const float a = hge->Random_Float(0, 10);
        const float b = hge->Random_Float(-45, 45);
        spawnGroup({either(DIR_LEFT, DIR_RIGHT), n, b, 0, a, 0});
        break;
    }
    case 8: {
        const float v = hge->Random_Float(20, 40);
        const float w = hge->Random_Float(2, 10);
        spawnGroup({DIR_UP, h, 0, v, 0, w});
        spawnGroup({DIR_DOWN, h, 0, v, 0, w});
        spawnGroup({DIR_LEFT, h, v, 0, w, 0});
        spawnGroup({DIR_RIGHT, h, v, 0, w, 0});
        break;
    }
    case 9: {
        const float v = hge->Random_Float(20, 40);
        diagonals(v, hge->Random_Float(2, 10));
        break;
    }
    case 10: {
        const float v = hge->Random_Float(20, 40);
        const float w = hge->Random_Float(2, 10);
        spawnGroup({DIR_UP, h, 0, v, 0, w});
        spawnGroup({DIR_LEFT, h, v, 0, w, 0});
        spawnGroup({DIR_RIGHT, h, v, 0, w, 0});
        diagonals(v, w);
        break;
    }
    case 11: {
        const float dx = hge->Random_Float(10, 25);
        const float dy = hge->Random_Float(28, 40);
        spawnGroup({DIR_UP, n, dx, dy, 0, 0, 2, hge->Random_Float(-16, 16)});
        break;
    }
    case 12: {
        const int formation = either(DIR_LEFT, DIR_RIGHT);
        const int count = hge->Random_Int(1, L + 1);
        const float dx = hge->Random_Float(30, 50);
        const float dy = hge->Random_Float(8, 25);
        spawnGroup({formation, count, dx, dy, 0, 0, 2, hge->Random_Float(-16, 16)});
        break;
    }
    default: {
        const int move = hge->Random_Int(0, 14);
        const float dx = hge->Random_Float(-25, 25);
        const float dy = hge->Random_Float(-25, 25);
        const float period = hge->Random_Float(-16, 16);
        const float driftX = hge->Random_Float(-30, 30);
        const float driftY = hge->Random_Float(-30, 30);
        spawnGroup({DIR_UP, n, dx, dy, 0, 0, move, period, driftX, driftY});
        break;
    }
    }
}

}  // namespace

void releaseWaves(float dt) {
    for (int side = 0; side < simulatedSides(); ++side) {
        Player& p = pl[side];
        if (p.spawnTimer > 0) {
            p.spawnTimer -= dt;
            continue;
        }
        if (selectedOpp == EXMISSION) exWave();
        else matchWave(side);
        const float interval = hge->Random_Float(MINSPAWNINTERVAL, MAXSPAWNINTERVAL);
        p.spawnTimer = pl[0].pacing > 0 ? interval / pl[0].pacing : interval;
    }
}
