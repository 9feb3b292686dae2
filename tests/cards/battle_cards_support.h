// Helpers shared by the battle suites of the card layer: a battle-ready world with two
// vehicles, cards made to order, and sounds that can be told apart on their channels.
#pragma once

#include <functional>
#include <string>

#include "cards/fixedtables.h"
#include "shell/world.h"
#include "tests/support/engine_test.h"

class BattleCardsTest : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        setFixedTables();
        selectedOpp = 0;
        selectedVeh = 0;
        for (int side = 0; side < 2; ++side) {
            Player& p = pl[side];
            p.rect = hgeRect(side == 0 ? 200.f : 500.f, 500, side == 0 ? 232.f : 532.f, 532);
            p.fieldLeft = side == 0 ? 100.f : 400.f;
            p.fieldRight = side == 0 ? 400.f : 700.f;
            p.questNum = 1;
            p.lastHitEnemy = -1;
            for (int k = 0; k < 3; ++k) p.coinCap[k] = 99;
        }
    }

    // A catalogue card with the given costs (red, green, blue), type and timings.
    static void makeCard(int id, int r, int g, int b, int type = 0, float useTime = 1, float refillTime = 2,
                         int sound = -1, const std::string& name = "Card") {
        crd[id] = Card{name, "", {r, g, b}, type, sound, useTime, refillTime};
    }
    static void setCoins(int side, int r, int g, int b) {
        int* coin = pl[side].coin;
        coin[0] = r, coin[1] = g, coin[2] = b;
    }

    // Loads a distinct effect into every sfx slot; the file name "sfxN" tells which played.
    void loadSounds() {
        for (int i = 0; i < MAXSFX; ++i) {
            writeFile("sfx" + std::to_string(i), "x");
            sfx[i] = hge->Effect_Load(("sfx" + std::to_string(i)).c_str());
        }
    }
    std::string soundOn(int channel) const {
        const HeadlessChannel* ch = engine->channel(chan[channel]);
        return ch ? ch->source : "";
    }

    // The first seed whose random sequence satisfies `wanted`; leaves the engine seeded with it.
    int seedWhere(const std::function<bool()>& wanted) {
        for (int seed = 1; seed < 100000; ++seed) {
            engine->Random_Seed(seed);
            if (wanted()) {
                engine->Random_Seed(seed);
                return seed;
            }
        }
        ADD_FAILURE() << "no seed found";
        return 0;
    }
};
