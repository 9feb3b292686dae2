#include "battle/enemies.h"

#include "cards/conditions.h"
#include "cards/opponents.h"
#include "shell/world.h"
#include "toolkit/hgeanim.h"
#include "toolkit/hgeresource.h"

namespace {

constexpr float RESISTANCEFACTOR = 1.2f;  // hit points against a side holding P_RES
constexpr float QUEST2HP = 5, QUEST2ATTACK = 1.5f, QUEST2SCORE = 2;
constexpr float GHOSTHP = 2, GHOSTSCORE = 5;
constexpr int EXLEVELROUNDS = 24;  // EX-mission rounds per level of toughness

hgeAnimation* copyOf(const hgeAnimation* a) { return a ? new hgeAnimation(*a) : nullptr; }

// The attack animations' resource names, "enemyA" + kind, for the kinds that have one.
const char* attackAnimName(int kind) {
    switch (kind) {
    case 3: return "enemyA3";
    case 9: return "enemyA9";
    case 11: return "enemyA11";
    case 12: return "enemyA12";
    case 16: return "enemyA16";
    case 19: return "enemyA19";
    case 24: return "enemyA24";
    default: return nullptr;
    }
}

}  // namespace

Enemy::Enemy(const Enemy& other) : Enemy() { *this = other; }

Enemy& Enemy::operator=(const Enemy& other) {
    if (this == &other) return *this;
    cleanup();
    rect = other.rect;
    anim = copyOf(other.anim);
    deathAnim = copyOf(other.deathAnim);
    attackAnim = other.attackAnim;
    name = other.name;
    kind = other.kind;
    score = other.score;
    killScore = other.killScore;
    side = other.side;
    hitSound = other.hitSound;
    deathSound = other.deathSound;
    wallType = other.wallType;
    move = other.move;
    attack = other.attack;
    hp = other.hp;
    maxHp = other.maxHp;
    dx = other.dx;
    dy = other.dy;
    ax = other.ax;
    ay = other.ay;
    driftX = other.driftX;
    driftY = other.driftY;
    itemPercent = other.itemPercent;
    deathTimer = other.deathTimer;
    flash = other.flash;
    attackChance = other.attackChance;
    attackTimer = other.attackTimer;
    age = other.age;
    period = other.period;
    stuckTime = other.stuckTime;
    active = other.active;
    hasAttackAnim = other.hasAttackAnim;
    ghostly = other.ghostly;
    return *this;
}

Enemy::~Enemy() { cleanup(); }

void Enemy::cleanup() {
    delete anim;
    delete deathAnim;
    anim = nullptr;
    deathAnim = nullptr;
}

void Enemy::spawn(int kind_, int side_, hgeRect rect_, int move_, float dx_, float dy_, float ax_, float ay_,
                  float attackChance_, float period_, float driftX_, float driftY_, bool ghostly_) {
    // Kinds come from data files and card tables; one without a table row spawns nothing.
    if (kind_ < 0 || kind_ >= MAXENEMYKINDS || side_ < 0 || side_ > 1) return;
    const char* attackName = attackAnimName(kind_);
    hasAttackAnim = attackName != nullptr;
    kind = kind_;
    rect = rect_;
    // A slot that was never cleaned up gives its old copies back first.
    cleanup();
    anim = copyOf(enemyAnimDB[kind]);
    deathAnim = copyOf(enemyAnimDeathDB[kind]);
    attackAnim = (hasAttackAnim && myRes) ? myRes->GetAnimation(attackName) : nullptr;
    name = enemyNameDB[kind];

    const int other = (side_ + 1) % 2;
    const bool secondQuest = pl[0].questNum == 2;
    hp = static_cast<float>(enemyHpDB[kind]);
    if (passiveExists(other, P_RES)) hp *= RESISTANCEFACTOR;
    if (secondQuest) hp *= QUEST2HP;
    attack = static_cast<float>(enemyAttDB[kind]);
    if (secondQuest) attack *= QUEST2ATTACK;
    score = enemyScoreDB[kind];
    if (secondQuest) score = static_cast<int>(score * QUEST2SCORE);

    hitSound = enemySoundIDDB[kind];
    deathSound = enemyDeathSoundIDDB[kind];
    itemPercent = kind < MAXITEMPERCENTROWS ? static_cast<int>(itemPercentDB[kind]) : 0;
    deathTimer = 0;
    stuckTime = 0;
    side = side_;
    dx = dx_;
    dy = dy_;
    ax = ax_;
    ay = ay_;
    move = move_;
    attackChance = attackChance_;
    period = period_;
    driftX = driftX_;
    driftY = driftY_;
    ghostly = ghostly_;
    active = true;
    flash = 0;
    wallType = -1;
    attackTimer = 0;
    age = 0;
    killScore = 0;

    if (ghostly) {
        hp *= GHOSTHP;
        score = static_cast<int>(score * GHOSTSCORE);
        name = "Ghostly " + name;
    }
    if (selectedOpp == EXMISSION) {
        const int level = curRound / EXLEVELROUNDS;
        const int m = level + 1;
        hp *= m;
        attack *= m;
        attackChance += 5.0f * level;
        const float speedUp = (m - 1) / 3.0f + 1;
        dx *= speedUp;
        dy *= speedUp;
    }
    maxHp = hp;
}

void freeEnemy(int e) {
    if (e < 0 || e >= MAXENEMIES) return;
    en[e].active = false;
    en[e].cleanup();
    for (Player& p : pl) {
        if (p.lastHitEnemy != e) continue;
        p.lastHitEnemy = -1;
        p.lastHitInfo = 0;
    }
}

void clearEnemies() {
    for (Enemy& e : en) {
        e.cleanup();
        e.active = false;
    }
}

int pickAnEnemy(int side) {
    for (int e = 0; e < MAXENEMIES; ++e)
        if (en[e].active && en[e].hp > 0 && en[e].side == side) return e;
    return -1;
}

int countEnemies(int side) {
    int n = 0;
    for (const Enemy& e : en)
        if (e.active && e.hp > 0 && e.side == side) ++n;
    return n;
}

bool ghostlyExists() {
    for (const Enemy& e : en)
        if (e.ghostly) return true;
    return false;
}
