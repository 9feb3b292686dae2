// Vehicles collecting the coins and bonus items that float in the fields.
#include "battle/collisions.h"
#include "battle/combos.h"
#include "battle/player.h"
#include "shell/counters.h"
#include "shell/sound.h"
#include "shell/world.h"

namespace {

constexpr int PICKUPCHANNEL = 3;
constexpr int COINSOUND = 3;
constexpr float COINFLASH = 205;  // frames
constexpr int MULTICOINS = 5;

// What a bonus item gives: fractions of the caps, a number of seconds of repair, points or
// coins, with the text it shows (none when null), the text slot and the sound.
struct Bonus {
    int kind;
    float heartPart, fuelPart;  // of maxHeart and maxFuel
    float selfix;               // seconds of repair
    int points;
    int coins;                  // of every colour
    const char* text;
    int textSlot;
    int sound;
};

constexpr Bonus BONUSES[] = {
    {I_VICTUAL, 1 / 10.0f, 0, 0, 0, 0, "Heart +10%", 0, 98},
    {I_FUEL, 0, 1 / 5.0f, 0, 0, 0, "Fuel +20%", 0, 98},
    {I_SELFIX, 0, 0, 10, 0, 0, "Selfix!", 0, 99},
    {I_GAS2LIFE, 1 / 10.0f, -1 / 20.0f, 0, 0, 0, "Fuel traded for heart", 2, 98},
    {I_POINTS200, 0, 0, 0, 200, 0, "200 points", 0, 98},
    {I_POINTS500, 0, 0, 0, 500, 0, "500 points", 0, 98},
    {I_POINTS1000, 0, 0, 0, 1000, 0, "1000 points", 0, 98},
    {I_MULTICOIN, 0, 0, 0, 0, MULTICOINS, nullptr, 0, 98},
};

// The caps on heart, fuel and coins are applied by the battle frame afterwards.
void pickUp(int side, int kind) {
    Player& p = pl[side];
    if (kind >= C_R && kind <= C_B) {
        p.coin[kind] += 1;
        p.coinFlash[kind] = COINFLASH;
        playSFX(COINSOUND, PICKUPCHANNEL);
        return;
    }
    for (const Bonus& b : BONUSES) {
        if (b.kind != kind) continue;
        p.heart += p.maxHeart * b.heartPart;
        p.fuel += p.maxFuel * b.fuelPart;
        if (b.selfix > 0) p.misc[M_SELFIX] = b.selfix;
        addSaturating(p.score, b.points);
        for (int& c : p.coin) c += b.coins;
        if (b.text) initytxt(side, b.text, b.textSlot);
        playSFX(b.sound, PICKUPCHANNEL);
        return;
    }
}

}  // namespace

void collPlayer2Item() {
    for (int side = 0; side < simulatedSides(); ++side) {
        for (Item& it : itm) {
            if (!it.active || !it.rect.Intersect(pl[side].rect)) continue;
            it.active = false;
            pickUp(side, it.kind);
        }
    }
}
