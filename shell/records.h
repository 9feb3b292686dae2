// The records that fill the world tables. Fields keep their documented order; the
// battle code that owns each record adds its operations and the fields it needs.
#pragma once

#include <string>

#include "shell/constants.h"
#include "toolkit/hgepinfo.h"
#include "toolkit/hgerect.h"

class hgeSprite;
class hgeAnimation;

// One side of the battle: 0 the human (left field), 1 the opponent (right field).
class Player {
public:
    hgeRect rect;
    hgeRect hitBox[2];
    hgeRect textRect[4];
    hgeSprite* spr = nullptr;
    hgeSprite* sprL = nullptr;
    hgeSprite* sprR = nullptr;
    hgeAnimation* anim = nullptr;
    hgeParticleSystemInfo shotPsi{};
    float spawnTimer = 0;
    float speed = 0;
    float shotSpeed = 0;
    float rof = 0;
    float shotCooldown = 0;
    float comboTimer = 0;
    float invincTimer = 0;
    float shotSizeX = 0;
    float shotSizeY = 0;
    float velX = 0, velY = 0;
    float fuel = 0, maxFuel = 0;
    float heart = 0, maxHeart = 0;
    float pendingDamage = 0;
    float power = 0, armor = 0, excel = 0;
    float fieldLeft = 0, fieldRight = 0;
    float pacing = 0, pacing2 = 0;
    int score = 0;
    int comboCount = 0;
    int selCard = 0;
    int ai = 0;
    int shotLevel = 0;
    int lastHitInfo = 0;
    int saveSlot = 0;
    int roundTime = 0;
    int opt[NUMOPTIONS] = {};
    int killsByKind[30] = {};
    int redP = 0, greenP = 0, blueP = 0;
    int shotQty = 0;
    int powerEx = 0;
    int passive[3] = {};
    int upgradePoints = 0;
    int rewardPicks = 0;
    int rewardCards[21] = {};
    int upgradeCost[7] = {};
    int highestCombo = 0, highestRound = 0;
    int questNum = 0;
    int vehSizeX = 0, vehSizeY = 0;
    int hand[3] = {};
    int aiCard = 0;
    int coin[3] = {}, coinCap[3] = {};
    int lastHitEnemy = 0;
    int cond[2] = {}, condLevel[2] = {};
    int deck[MAXDECKSIZE] = {};
    int deckPos = 0, deckSize = 0;
    int endingLine = 0;
    bool roundFlag1 = false;  // cleared at round start; nothing else reads it
    bool boosting = false;
    bool roundFlag2 = false;  // cleared at round start; nothing else reads it
    bool leanLeft = false;
    bool leanRight = false;
    bool wasBoosting = false;
    bool moving = false;
    bool showFps = false;
    float condTime[2] = {};
    float coinFlash[3] = {};
    float cardDrawTimer[3] = {};
    float cardUseTimer[3] = {}, cardUseTotal[3] = {};
    float textTimer[4] = {};
    float condAlpha[2] = {};
    float misc[NUMMISC] = {};
    std::string text[4];
    std::string endingText[40];

    // The operations live in battle/player.cpp.
    void getCurParticle(int side);
    void setAI();
};

class hgeParticleSystem;

// A shot, bomb, hazard or other moving effect. The operations live in battle/shots.cpp.
class Shot {
public:
    hgeRect rect;
    hgeParticleSystem* ps = nullptr;  // owned by psmgr, valid while usesParticles and alive
    float dx = 0, dy = 0;             // pattern velocity, px/s
    float ax = 0, ay = 0;             // acceleration, px/s^2
    float driftX = 0, driftY = 0;     // constant extra velocity, px/s
    float lifetime = 0;               // seconds left; -1 until it leaves the field
    float damage = 0;
    float period = 0;                 // time scale of the motion pattern
    float age = 0;                    // tenths of a second since creation
    int dir = 0;                      // Y2E, O2E, Y2O or O2Y
    int cond = 0;                     // C_* given to a player it hits, 0 none
    int pattern = 0;                  // P_* shot pattern
    int animIndex = 0;                // anim[] used when it has no particle system
    bool active = false;
    bool bullet = false;              // a gun bullet: used up by its first enemy hit
    bool usesParticles = false;

    void create(hgeRect rect, bool bullet, int dir, float damage, float dx, float dy, float ax, float ay,
                float lifetime, int cond, int look, bool usesParticles, int pattern, float period,
                float driftX, float driftY);
    bool IntersectsWith(hgeRect r) const;
};

// A regular enemy in one of the two fields. Each live slot owns private copies of its
// kind's two animations; copying a record copies them, so no two slots share one. The
// operations live in battle/enemies.cpp.
class Enemy {
public:
    hgeRect rect;
    hgeAnimation* anim = nullptr;        // owned
    hgeAnimation* deathAnim = nullptr;   // owned
    hgeAnimation* attackAnim = nullptr;  // shared resource, never deleted here
    std::string name;
    int kind = 0;
    int score = 0;
    int killScore = 0;
    int side = 0;
    int hitSound = 0, deathSound = 0;
    int wallType = -1;  // W_* touched at the last contact test, -1 none
    int move = 0;       // motion pattern P_* 0..14
    float attack = 0;
    float hp = 0;
    float maxHp = 0;
    float dx = 0, dy = 0;
    float ax = 0, ay = 0;
    float driftX = 0, driftY = 0;
    int itemPercent = 0;
    float deathTimer = 0;
    float flash = 0;
    float attackChance = 0;
    float attackTimer = 0;
    float age = 0;
    float period = 0;
    float stuckTime = 0;
    bool active = false;
    bool hasAttackAnim = false;
    bool ghostly = false;

    Enemy() = default;
    Enemy(const Enemy& other);
    Enemy& operator=(const Enemy& other);
    ~Enemy();

    void spawn(int kind, int side, hgeRect rect, int move, float dx, float dy, float ax, float ay,
               float attackChance, float period, float driftX, float driftY, bool ghostly);
    // Deletes the private animation copies; safe to call again.
    void cleanup();
};

// A coin (kind C_R, C_G, C_B) or a bonus item (I_VICTUAL .. I_MULTICOIN) floating in a field.
class Item {
public:
    bool active = false;
    int kind = 0;
    float dx = 0, dy = 0;  // pixels per second
    hgeRect rect;
};

// A wall of a level layout or raised by a card: an obstacle, hazard or surface that acts
// on the enemies of one field (and, for trees, on hazard shots).
class Wall {
public:
    bool active = false;
    bool stretch = false;  // drawn as one sprite stretched over rect; some types draw their own way
    int type = 0;          // W_*
    float alpha = 0;       // 0..255; fades out once the wall is destroyed
    float hp = 0;          // 0 = destroyed, and stays 0
    float flash = 0;       // seconds of hit flash left
    hgeRect rect;          // always inside its owner's field and the screen height
};

// A card of the catalogue, indexed by card id (0 = no card).
class Card {
public:
    std::string name;
    std::string text;
    int cost[3] = {};  // coins of C_R, C_G, C_B
    int type = 0;      // 0 Effect, 1 Enemy, 2 Passive, 3 Weapon, 4 Hazard, 5 Territory, 6 Item
    int sound = 0;     // sound effect number, -1 none
    float useTime = 0;
    float refillTime = 0;
};

// What the load screen shows of one save slot. A damaged slot has a file that cannot be
// read back; it is neither loaded nor offered as empty.
struct SaveSummary {
    bool exists = false;
    bool damaged = false;
    bool backup = false;  // a damaged slot whose ".bak" would load
    int v[8] = {};  // indexed by SV_*
};
