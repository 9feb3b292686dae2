// The opponent's control: a random walk for the first opponent, a chase of one enemy of
// its field for the others; random boosts and trigger pulls.
#include "battle/enemies.h"
#include "battle/player.h"
#include "shell/geometry.h"
#include "shell/world.h"
#include "toolkit/hgeanim.h"

namespace {

constexpr int BOOSTODDS = 1000, BOOSTCHANCE = 2;
constexpr int DEFAULTFIRE = 3, ECHELONFIRE = 5;
constexpr int TOXISTEER = 3;
constexpr float FLOORY = 580;

// Accelerates the opponent left (-1) or right (+1), the other way when stupefied.
void push(int way, float a) {
    Player& o = pl[1];
    if (o.cond[1] == C_STUP) way = -way;
    o.velX += way * a;
    o.moving = true;
}

void wander(float a) {
    const int r = hge->Random_Int(0, 10);
    if (r == 0) push(-1, a);
    else if (r == 1) push(1, a);
}

// Follows the enemy slot it picked, whatever that slot holds now, and sinks to the floor.
void chase(float a) {
    Player& o = pl[1];
    const int target = static_cast<int>(o.misc[M_TAR]);
    if (target < 0 || target >= MAXENEMIES) {
        o.misc[M_TAR] = static_cast<float>(pickAnEnemy(1));
    } else if (o.cond[1] != C_TOXI || hge->Random_Int(0, 100) < TOXISTEER) {
        push(centerX(o.rect) <= centerX(en[target].rect) ? 1 : -1, a);
    }
    if (o.rect.y1 < FLOORY - o.vehSizeY) {
        o.velY += a;
        o.moving = true;
    }
}

}  // namespace

void opponentControl(float dt) {
    Player& o = pl[1];
    o.wasBoosting = o.boosting;
    o.boosting = hge->Random_Int(0, BOOSTODDS) < BOOSTCHANCE && o.fuel > 0;
    const float a = vehicleSpeed(1) * dt;
    bool fire = false;
    if (o.ai == AI_DEFAULT) {
        wander(a);
        fire = hge->Random_Int(0, 100) < DEFAULTFIRE;
    } else {
        chase(a);
        fire = hge->Random_Int(0, 100) < ECHELONFIRE;
    }
    updateBoostFlame(1);
    pullTrigger(1, fire);
    if (o.anim) o.anim->Update(dt);
}
