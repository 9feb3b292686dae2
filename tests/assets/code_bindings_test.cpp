// What the code itself fetches by name must be in the real pack: the start-up bindings,
// and every sprite, animation, font, particle look and track of every opponent's battle.
#include <filesystem>
#include <string>

#include "battle/enemies.h"
#include "battle/setup.h"
#include "cards/datafiles.h"
#include "cards/decks.h"
#include "shell/startup.h"
#include "shell/world.h"
#include "tests/support/engine_test.h"
#include "toolkit/hgepinfo.h"

namespace fs = std::filesystem;

namespace {

class CodeBindings : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        fs::copy_file(KVB_PACK_PATH, fs::path(workDir) / "kvb.paq");
        for (const auto& entry : fs::directory_iterator(fs::path(KVB_VEHICLE_DATA).parent_path()))
            fs::copy_file(entry.path(), fs::path(workDir) / entry.path().filename());
        loadSharedResources();
        loadData();
    }
    void TearDown() override {
        clearEnemies();
        releaseSharedResources();
        EngineTest::TearDown();
    }
    // Log lines that report a resource the code asked for and did not get.
    std::string missingResources() const {
        std::string found;
        for (const std::string& line : engine->logLines())
            if (line.find("not found") != std::string::npos || line.find("line ") != std::string::npos)
                found += line + "\n";
        return found;
    }
};

// Sprite slots the battle binds, by index.
constexpr int BATTLESPRITESLOTS[] = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  21, 22, 23, 45, 46, 47, 48, 49, 50, 51,
                                     52, 53, 54, 55, 56, 57, 58, 59, 60, 61, 62, 63, 65, 66, 67, 68, 69, 70, 71, 72,
                                     73, 74, 75, 76, 86, 87};

TEST_F(CodeBindings, StartUpFindsEveryResourceItBinds) {
    EXPECT_TRUE(engine->messageBoxes().empty()) << "the pack did not attach";
    for (int n = 1; n <= 24; ++n) {
        EXPECT_NE(enemyAnimDB[n], nullptr) << "enemy" << n;
        EXPECT_NE(enemyAnimDeathDB[n], nullptr) << "enemyD" << n;
    }
    for (int n = 0; n < 112; ++n) EXPECT_NE(sfx[n], 0u) << "sfx" << n;
    for (int n = 0; n < 74; ++n) EXPECT_NE(psiGeneral[n].sprite, nullptr) << "par" << n;
    for (hgeFont* font : {font1, fontSmall1, fontSmall2, fontArial, fontCoin}) EXPECT_NE(font, nullptr);
    EXPECT_NE(instSprite, nullptr);
    EXPECT_EQ(missingResources(), "");
}

TEST_F(CodeBindings, EveryBattleFindsItsGraphicsFontsLooksAndMusic) {
    for (int opp = 0; opp <= MAXOPPONENTS; ++opp) {
        SCOPED_TRACE("opponent " + std::to_string(opp));
        selectedOpp = opp;
        selectedVeh = opp % MAXVEHICLES;
        selectedDeck = 0;
        newGame = opp < MAXOPPONENTS;
        if (opp == MAXOPPONENTS) {  // the EX mission is played in the second quest
            pl[0].questNum = 2;
            pl[0].deckSize = STARTINGCARDSINDECK;
            initNewDeck(0);
        }
        initGame();
        for (int i : BATTLESPRITESLOTS) {
            // The EX mission keeps the background of the last stage instead of its own.
            if (i != 0 || opp < MAXOPPONENTS) {
                EXPECT_NE(spr[i], nullptr) << "spr[" << i << "]";
            }
        }
        for (int i = 0; i < ANIMSOFAR; ++i) EXPECT_NE(anim[i], nullptr) << "anim[" << i << "]";
        EXPECT_NE(fontScore, nullptr);
        EXPECT_NE(pl[0].spr, nullptr);
        EXPECT_NE(pl[0].sprL, nullptr);
        EXPECT_NE(pl[0].sprR, nullptr);
        EXPECT_NE(pl[0].shotPsi.sprite, nullptr);
        if (opp < MAXOPPONENTS) {
            EXPECT_NE(pl[1].anim, nullptr);
            EXPECT_NE(pl[1].shotPsi.sprite, nullptr);
        }
        EXPECT_TRUE(hge->Channel_IsPlaying(chan[0])) << "no battle music";
        for (int round = 1; round < oppRounds[opp < MAXOPPONENTS ? opp : 0]; ++round) {
            curRound = round;
            initRound(false);
            EXPECT_NE(pl[1].anim, nullptr) << "round " << round;
            EXPECT_TRUE(hge->Channel_IsPlaying(chan[0])) << "round " << round;
        }
    }
    EXPECT_EQ(missingResources(), "");
}

}  // namespace
