// A match ready to play on the headless backend: the shipped game data, both particle
// managers, enemy kinds with real sizes, the default keys, and the battle handed to the
// shell, whose frame function drives it.
#pragma once

#include <cmath>
#include <filesystem>
#include <string>

#include "battle/battle_frame.h"
#include "battle/enemies.h"
#include "battle/setup.h"
#include "cards/datafiles.h"
#include "cards/decks.h"
#include "cards/opponents.h"
#include "shell/frame.h"
#include "shell/geometry.h"
#include "shell/modes.h"
#include "shell/options.h"
#include "shell/world.h"
#include "tests/cards/source_data.h"
#include "tests/support/engine_test.h"
#include "toolkit/hgeanim.h"
#include "toolkit/hgepmanager.h"

class MatchTest : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        namespace fs = std::filesystem;
        const fs::path data = sourceDataDir();
        ASSERT_FALSE(data.empty()) << "game data folder not found";
        for (const auto& entry : fs::directory_iterator(data))
            fs::copy_file(entry.path(), fs::path(workDir) / entry.path().filename(),
                          fs::copy_options::overwrite_existing);
        loadData();
        psmgr = new hgeParticleManager();
        psmgrX = new hgeParticleManager();
        for (int k = 0; k < ENEMYSOFAR; ++k) {
            enemyAnimDB[k] = new hgeAnimation(0, 4, 10, 0, 0, 32, 32);
            enemyAnimDeathDB[k] = new hgeAnimation(0, 4, 10, 0, 0, 32, 32);
        }
        readOptions();
        hge->System_SetState(HGE_FRAMEFUNC, FrameFunc);
        registerBattle();
    }

    void TearDown() override {
        clearEnemies();
        for (int k = 0; k < ENEMYSOFAR; ++k) {
            delete enemyAnimDB[k];
            delete enemyAnimDeathDB[k];
        }
        delete psmgr;
        delete psmgrX;
        EngineTest::TearDown();
    }

    static void startMatch(int opp, int veh = 0) {
        selectedOpp = opp;
        selectedVeh = veh;
        selectedDeck = 0;
        newGame = true;
        initGame();
    }
    // A second-quest match; the EX mission is only played there.
    static void startSecondQuest(int opp, int veh = 0) {
        newGame = false;
        selectedOpp = opp;
        selectedVeh = veh;
        pl[0].questNum = 2;
        selectedDeck = 0;
        pl[0].deckSize = pl[1].deckSize = STARTINGCARDSINDECK;
        initNewDeck(0);
        initGame();
    }
    // No waves, so one mechanism can be watched alone.
    static void quietField() {
        for (Player& p : pl) p.spawnTimer = 1e9f;
    }

    void frame(float dt = 0.01f) { engine->runFrame(dt); }
    void frames(int n) {
        for (int i = 0; i < n; ++i) frame();
    }

    static bool same(const hgeRect& a, const hgeRect& b) {
        return a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2;
    }
    static bool finite(const hgeRect& r) {
        return std::isfinite(r.x1) && std::isfinite(r.y1) && std::isfinite(r.x2) && std::isfinite(r.y2);
    }
    // What must hold after every battle frame: the first broken rule, or "".
    static std::string brokenInvariant() {
        for (const Player& p : pl) {
            if (!finite(p.rect)) return "vehicle box not finite";
            if (p.heart > p.maxHeart || p.fuel < 0 || p.fuel > p.maxFuel) return "heart or fuel outside its cap";
            for (int c = 0; c < 3; ++c)
                if (p.coin[c] < 0 || p.coin[c] > p.coinCap[c]) return "coins outside 0..cap";
        }
        for (const Shot& s : sh)
            if (s.active && !finite(s.rect)) return "shot box not finite";
        for (int e = 0; e < MAXENEMIES; ++e) {
            if (!en[e].active) continue;
            if (!finite(en[e].rect) || !std::isfinite(en[e].hp)) return "enemy not finite";
            for (int f = e + 1; f < MAXENEMIES; ++f)
                if (en[f].active && en[e].anim && en[f].anim == en[e].anim) return "two enemies share an animation";
        }
        for (const Item& it : itm)
            if (it.active && !finite(it.rect)) return "item box not finite";
        for (const Wall& w : wall)
            if (w.active && (!finite(w.rect) || w.hp < 0)) return "wall not finite";
        return "";
    }
};
