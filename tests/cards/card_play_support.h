// A battle-ready world for playing cards one at a time: both particle managers, enemy kinds
// 32 px square, and helpers to cast a card and to look at the shots, enemies and walls made.
#pragma once

#include <vector>

#include "battle/shots.h"
#include "cards/card_effects.h"
#include "tests/cards/battle_cards_support.h"
#include "toolkit/hgeanim.h"
#include "toolkit/hgepmanager.h"

class CardPlayTest : public BattleCardsTest {
protected:
    void SetUp() override {
        BattleCardsTest::SetUp();
        psmgr = new hgeParticleManager();
        psmgrX = new hgeParticleManager();
        for (hgeParticleSystemInfo& info : psiGeneral) info.lifetime = -1;
        for (int k = 0; k < ENEMYSOFAR; ++k) {
            enemyAnimDB[k] = new hgeAnimation(0, 4, 10, 0, 0, 32, 32);
            enemyAnimDeathDB[k] = new hgeAnimation(0, 4, 10, 0, 0, 32, 32);
            enemyHpDB[k] = 50;
            enemyScoreDB[k] = 10;
        }
        pl[0].pacing = 1;  // the tempo scales every enemy's fall
        engine->Random_Seed(7);
    }
    void TearDown() override {
        for (Enemy& e : en) e.cleanup();
        for (int k = 0; k < ENEMYSOFAR; ++k) {
            delete enemyAnimDB[k];
            delete enemyAnimDeathDB[k];
            enemyAnimDB[k] = enemyAnimDeathDB[k] = nullptr;
        }
        delete psmgr;
        delete psmgrX;
        psmgr = psmgrX = nullptr;
        BattleCardsTest::TearDown();
    }

    static void cast(int side, int card) {
        pl[side].aiCard = card;
        initCard(side, 3);
    }
    template <typename T, size_t N>
    static std::vector<const T*> active(const T (&table)[N]) {
        std::vector<const T*> out;
        for (const T& slot : table)
            if (slot.active) out.push_back(&slot);
        return out;
    }
    // The shots a card makes, in slot order.
    static std::vector<const Shot*> shotsOf(int side, int card) {
        cast(side, card);
        return active(sh);
    }
    static void clearShots() {
        for (int s = 0; s < MAXSHOTS; ++s) removeShot(s);
    }
    static float width(const hgeRect& r) { return r.x2 - r.x1; }
    static float height(const hgeRect& r) { return r.y2 - r.y1; }
    static float midX(const hgeRect& r) { return (r.x1 + r.x2) / 2; }
};
