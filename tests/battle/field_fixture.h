// A battle field ready for shots and enemies: both particle managers, the two fields of a
// match against opponent 0, enemy kinds with real sizes, and sound effects that tests
// can recognise by the channel they land on.
#pragma once

#include <string>

#include "shell/geometry.h"
#include "shell/text.h"
#include "shell/world.h"
#include "tests/support/engine_test.h"
#include "toolkit/hgeanim.h"
#include "toolkit/hgepmanager.h"

class FieldTest : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        psmgr = new hgeParticleManager();
        psmgrX = new hgeParticleManager();
        pl[0].fieldLeft = LEFTBOUND;
        pl[0].fieldRight = CENTERLINE;
        pl[1].fieldLeft = CENTERLINE;
        pl[1].fieldRight = RIGHTBOUND;
        pl[0].pacing = 1;
        pl[0].questNum = pl[1].questNum = 1;
        pl[0].lastHitEnemy = pl[1].lastHitEnemy = -1;
        selectedOpp = 0;
        for (int k = 0; k < ENEMYSOFAR; ++k) {
            enemyAnimDB[k] = new hgeAnimation(0, 4, 10, 0, 0, 40, 40);
            enemyAnimDeathDB[k] = new hgeAnimation(0, 4, 10, 0, 0, 40, 40);
            enemyHpDB[k] = 10;
            enemyAttDB[k] = 20;
            enemyScoreDB[k] = 100;
            enemyNameDB[k] = "Kind" + itos(k);
        }
        for (int a = 0; a < MAXANIM; ++a) anim[a] = new hgeAnimation(0, 2, 10, 0, 0, 16, 16);
    }

    void TearDown() override {
        // Enemies give their animation copies back before the tables are wiped.
        for (Enemy& e : en) e.cleanup();
        for (int k = 0; k < ENEMYSOFAR; ++k) {
            delete enemyAnimDB[k];
            delete enemyAnimDeathDB[k];
        }
        for (hgeAnimation*& a : anim) delete a;
        delete psmgr;
        delete psmgrX;
        EngineTest::TearDown();
    }

    // Binds effect `id` to a recognisable sound file.
    void loadSound(int id) {
        const std::string name = "sfx" + itos(id) + ".wav";
        writeFile(name, "RIFF");
        sfx[id] = hge->Effect_Load(name.c_str());
    }
    // The sound last played on `channel`, or "" when none.
    std::string soundOn(int channel) const {
        const HeadlessChannel* ch = engine->channel(chan[channel]);
        return ch ? ch->source : "";
    }

    int activeShots() const {
        int n = 0;
        for (const Shot& s : sh) n += s.active ? 1 : 0;
        return n;
    }
    int activeEnemies() const {
        int n = 0;
        for (const Enemy& e : en) n += e.active ? 1 : 0;
        return n;
    }

    // A plain shot without particles in the lowest free slot; returns the slot.
    int makeShot(hgeRect r, int dir, int pattern, float lifetime, float dx = 0, float dy = 0, float damage = 10,
                 float period = 6) {
        const int s = roomForMoreShots();
        if (s == -1) return -1;
        sh[s].create(r, false, dir, damage, dx, dy, 0, 0, lifetime, 0, 1, false, pattern, period, 0, 0);
        return s;
    }
    // One enemy of `kind` at `r` on `side`; returns the slot.
    int makeEnemy(int kind, int side, hgeRect r, int move = P_LINEAR, float dx = 0, float dy = 0) {
        const int e = roomForMoreEnemies();
        if (e == -1) return -1;
        en[e].spawn(kind, side, r, move, dx, dy, 0, 0, 0, 6, 0, 0, false);
        return e;
    }
};
