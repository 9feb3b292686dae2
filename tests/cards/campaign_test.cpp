// What a won match pays (upgrade points, bonus cards, reward lists, stat upgrades) and the
// save slots that keep the campaign: written whole, read back whole or not at all.
#include <climits>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "battle/battle_frame.h"
#include "battle/collisions.h"
#include "cards/datafiles.h"
#include "cards/decks.h"
#include "cards/rewards.h"
#include "cards/savegame.h"
#include "shell/world.h"
#include "tests/cards/source_data.h"
#include "tests/cards/battle_cards_support.h"
#include "tools/play_folder.h"

namespace fs = std::filesystem;

namespace {

class CampaignTest : public BattleCardsTest {
protected:
    void SetUp() override {
        BattleCardsTest::SetUp();
        enterPlayFolder(workDir, sourceDataDir());
        loadData();
        selectedOpp = 0;
        selectedVeh = 0;
        selectedDeck = 0;
        pl[0].questNum = 1;
        pl[0].deckSize = STARTINGCARDSINDECK;
        initNewDeck(0);
    }
    // Lines of a file in the working folder.
    std::vector<std::string> lines(const std::string& name) const {
        std::vector<std::string> out;
        std::stringstream in(readFile(name));
        for (std::string line; std::getline(in, line);) out.push_back(line);
        return out;
    }
    static std::string join(const std::vector<std::string>& lines) {
        std::string text;
        for (const std::string& line : lines) text += line + "\n";
        return text;
    }
};

TEST_F(CampaignTest, UpgradePointsFollowTheScoreStepsTheQuestAndARepeatWin) {
    // Each opponent's highest score of each step, and the points below and above it.
    const struct {
        int opp, limit, below;
    } steps[] = {{0, 4999, 2},   {1, 9999, 2},   {2, 14999, 2},  {2, 29999, 3}, {3, 29999, 2},
                 {3, 69999, 3},  {4, 39999, 3},  {4, 79999, 4},  {4, 129999, 5}, {5, 24999, 3},
                 {5, 49999, 4},  {5, 79999, 5},  {6, 49999, 3},  {6, 99999, 4}, {6, 149999, 5}};
    for (const auto& s : steps) {
        EXPECT_EQ(basePointsFor(s.opp, s.limit), s.below) << s.opp << " at " << s.limit;
        EXPECT_EQ(basePointsFor(s.opp, s.limit + 1), s.below + 1) << s.opp << " past " << s.limit;
    }
    EXPECT_EQ(basePointsFor(6, 10000000), 6);
    EXPECT_EQ(basePointsFor(7, 10000000), 0);

    selectedOpp = 2;
    pl[0].score = 20000;
    getUpgradePoints();
    EXPECT_EQ(pl[0].upgradePoints, 3);
    beat[2] = 1;
    getUpgradePoints();
    EXPECT_EQ(pl[0].upgradePoints, 1) << "a repeat win halves the points";

    selectedOpp = 0;
    pl[0].score = 3000;
    pl[0].questNum = 2;
    getUpgradePoints();
    EXPECT_EQ(pl[0].upgradePoints, 4) << "the second quest adds two";

    selectedOpp = 7;
    pl[0].upgradePoints = 9;
    getUpgradePoints();
    EXPECT_EQ(pl[0].upgradePoints, 9) << "the EX mission pays no points";
}

TEST_F(CampaignTest, BonusCardsJoinTheDeckOnlyOnAFirstWin) {
    selectedVeh = 2;
    selectedDeck = 0;
    beat[4] = 1;  // one opponent beaten before
    selectedOpp = 1;
    getUpgradePoints();
    const int expected[5] = {231, 252, 8, specialWeaponCard(2, 2), specialWeaponCard(2, 2)};
    EXPECT_TRUE(std::equal(expected, expected + 5, pl[0].rewardCards));
    ASSERT_EQ(pl[0].deckSize, STARTINGCARDSINDECK + 5);
    EXPECT_TRUE(std::equal(expected, expected + 5, pl[0].deck + STARTINGCARDSINDECK));

    beat[1] = 1;  // the same opponent again
    getUpgradePoints();
    EXPECT_EQ(pl[0].deckSize, STARTINGCARDSINDECK + 5);

    // The second quest gives fixed cards, and the top special weapon at first.
    std::fill(std::begin(beat), std::end(beat), 0);
    pl[0].questNum = 2;
    selectedOpp = 0;
    getUpgradePoints();
    EXPECT_EQ(pl[0].rewardCards[3], 313);
    EXPECT_EQ(pl[0].rewardCards[4], specialWeaponCard(2, 5));
}

TEST_F(CampaignTest, TheDoubleCostsAreTheOnesEachVehicleDescriptionNames) {
    const char* const statWords[7] = {"power", "speed", "armor", "rate of fire", "shot speed", "excel", "heart"};
    for (selectedVeh = 0; selectedVeh < MAXVEHICLES; ++selectedVeh) {
        getCostPerUpgrade();
        std::vector<std::string> doubled;
        for (int stat = 0; stat < 7; ++stat) {
            ASSERT_TRUE(pl[0].upgradeCost[stat] == 1 || pl[0].upgradeCost[stat] == 2);
            if (pl[0].upgradeCost[stat] == 2) doubled.push_back(statWords[stat]);
        }
        ASSERT_EQ(doubled.size(), 2u) << selectedVeh;
        std::string desc = vehDesc[selectedVeh];
        for (char& c : desc) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        // Both orders are fine.
        const std::string a = doubled[0] + " and " + doubled[1] + " upgrades cost double";
        const std::string b = doubled[1] + " and " + doubled[0] + " upgrades cost double";
        EXPECT_TRUE(desc.find(a) != std::string::npos || desc.find(b) != std::string::npos)
            << "vehicle " << selectedVeh << " says: " << vehDesc[selectedVeh];
    }
}

TEST_F(CampaignTest, UpgradesRaiseTheVehicleAndSpendTheirCost) {
    loadSounds();
    selectedVeh = 1;
    getCostPerUpgrade();
    pl[0].upgradePoints = 10;
    const float heart = VEH_heart[1], fuel = VEH_fuel[1];
    upgradeStat(S_HEART);
    EXPECT_FLOAT_EQ(VEH_heart[1], heart + 8);
    EXPECT_FLOAT_EQ(VEH_fuel[1], fuel + 20);
    EXPECT_EQ(pl[0].upgradePoints, 9);
    EXPECT_EQ(soundOn(5), "sfx84");
    VEH_rof[1] = 0.12f;
    upgradeStat(S_ROF);
    EXPECT_FLOAT_EQ(VEH_rof[1], 0.1f) << "the rate of fire stops at its floor";
    EXPECT_EQ(pl[0].upgradePoints, 7) << "rate of fire costs this vehicle two";
    upgradeStat(S_ROF);
    EXPECT_FLOAT_EQ(VEH_rof[1], 0.1f);
}

TEST_F(CampaignTest, TheRewardListIsSortedByTypeThenIdAndMarksTheOpponentBeaten) {
    selectedOpp = 3;
    getRewardCards();
    EXPECT_EQ(pl[0].rewardPicks, 5);
    EXPECT_EQ(pl[0].misc[M_HAVEBEAT], 0);
    EXPECT_EQ(beat[3], 1);
    for (int i = 0; i + 1 < 21; ++i) {
        const int a = pl[0].rewardCards[i], b = pl[0].rewardCards[i + 1];
        EXPECT_TRUE(crd[a].type < crd[b].type || (crd[a].type == crd[b].type && a < b)) << i;
    }
    std::vector<int> firstWin(pl[0].rewardCards, pl[0].rewardCards + 21);
    EXPECT_NE(std::find(firstWin.begin(), firstWin.end(), 169), firstWin.end());

    getRewardCards();
    EXPECT_EQ(pl[0].rewardPicks, 2) << "beaten before";
    EXPECT_EQ(pl[0].misc[M_HAVEBEAT], 1);
    EXPECT_NE(std::find(pl[0].rewardCards, pl[0].rewardCards + 21, 238), pl[0].rewardCards + 21);

    // The last opponent keeps its quest's list on a repeat win.
    selectedOpp = 6;
    beat[6] = 1;
    getRewardCards();
    EXPECT_NE(std::find(pl[0].rewardCards, pl[0].rewardCards + 21, 282), pl[0].rewardCards + 21);
}

// A campaign with every saved value set to something recognisable.
void playSomeCampaign() {
    selectedVeh = 3;
    selectedDeck = 5;
    initNewDeck(0);
    pl[0].deckSize = STARTINGCARDSINDECK;
    addToDeck(0, 344);
    addToDeck(0, 1);
    beat[0] = beat[2] = beat[5] = 1;
    totalScore = 123456;
    playTime = 3601;
    pl[0].highestCombo = 57;
    pl[0].questNum = 2;
    pl[0].highestRound = 31;
    VEH_speed[3] = 271.5f;
    VEH_rof[3] = 0.15f;
    VEH_armor[3] = 2.75f;
    VEH_fuel[3] = 1234.25f;
    VEH_power[3] = 0.32f - 0.05f;  // an upgraded value with no short decimal form
    for (int kind = 1; kind < 30; ++kind) pl[0].killsByKind[kind] = kind * 7;
}

TEST_F(CampaignTest, ASaveLoadsBackToTheSameCampaign) {
    playSomeCampaign();
    ASSERT_TRUE(saveGame(4));
    const std::vector<std::string> file = lines("save4.kvb");
    ASSERT_EQ(file.size(), 52u + STARTINGCARDSINDECK + 2);
    EXPECT_EQ(file[0], "3");
    EXPECT_EQ(file[13], "2") << "the quest number is line 14";
    EXPECT_EQ(file[19], "0.15") << "statistics are written with six significant digits";
    EXPECT_EQ(file.back(), "1");

    Player saved = pl[0];
    const float stats[8] = {VEH_speed[3], VEH_shotSpeed[3], VEH_power[3], VEH_armor[3],
                      VEH_rof[3],   VEH_excel[3],     VEH_heart[3], VEH_fuel[3]};
    const int beatSaved[7] = {beat[0], beat[1], beat[2], beat[3], beat[4], beat[5], beat[6]};
    resetWorld();
    VEH_speed[3] = VEH_power[3] = VEH_rof[3] = VEH_fuel[3] = 0;
    ASSERT_TRUE(loadGameData(4));
    EXPECT_EQ(selectedVeh, 3);
    EXPECT_EQ(selectedDeck, 5);
    EXPECT_EQ(totalScore, 123456);
    EXPECT_EQ(playTime, 3601);
    EXPECT_EQ(pl[0].highestCombo, 57);
    EXPECT_EQ(pl[0].questNum, 2);
    EXPECT_EQ(pl[0].highestRound, 31);
    const float loaded[8] = {VEH_speed[3], VEH_shotSpeed[3], VEH_power[3], VEH_armor[3],
                             VEH_rof[3],   VEH_excel[3],     VEH_heart[3], VEH_fuel[3]};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(loaded[i], stats[i]) << "statistic " << i << " reads back exactly";
    EXPECT_TRUE(std::equal(beatSaved, beatSaved + 7, beat));
    EXPECT_TRUE(std::equal(saved.killsByKind + 1, saved.killsByKind + 30, pl[0].killsByKind + 1));
    ASSERT_EQ(pl[0].deckSize, saved.deckSize);
    EXPECT_TRUE(std::equal(saved.deck, saved.deck + saved.deckSize, pl[0].deck));

    // An empty deck has no card lines.
    pl[0].deckSize = 0;
    ASSERT_TRUE(saveGame(5));
    EXPECT_EQ(lines("save5.kvb").size(), 52u);
    pl[0].deckSize = 9;
    ASSERT_TRUE(loadGameData(5));
    EXPECT_EQ(pl[0].deckSize, 0);
}

TEST_F(CampaignTest, ADamagedSaveIsRejectedWholeAndChangesNothing) {
    playSomeCampaign();
    ASSERT_TRUE(saveGame(2));
    const std::vector<std::string> good = lines("save2.kvb");
    auto withLine = [&](std::size_t index, const std::string& value) {
        std::vector<std::string> bad = good;
        bad[index] = value;
        return join(bad);
    };
    const struct {
        const char* what;
        std::string text;
    } damaged[] = {
        {"cut in the deck", join(std::vector<std::string>(good.begin(), good.end() - 5))},
        {"cut in the middle of a line", readFile("save2.kvb").substr(0, 40)},
        {"a letter in a number", withLine(10, "12x456")},
        {"no number at all", withLine(5, "")},
        {"vehicle out of range", withLine(0, "8")},
        {"deck out of range", withLine(1, "12")},
        {"deck larger than the deck can be", withLine(2, "999")},
        {"a flag that is not 0 or 1", withLine(6, "2")},
        {"quest 3", withLine(13, "3")},
        {"an unknown card", withLine(good.size() - 1, "345")},
        {"a card 0", withLine(60, "0")},
        {"a statistic that is not finite", withLine(16, "nan")},
        {"a rate of fire of 0", withLine(19, "0")},
        {"more after the deck", readFile("save2.kvb") + "17\n"},
        {"an empty file", ""},
    };
    playSomeCampaign();
    for (const auto& d : damaged) {
        writeFile("save2.kvb", d.text);
        totalScore = 777;
        pl[0].deckSize = 3;
        selectedVeh = 1;
        engine->clearMessageBoxes();
        EXPECT_FALSE(loadGameData(2)) << d.what;
        EXPECT_EQ(totalScore, 777) << d.what;
        EXPECT_EQ(pl[0].deckSize, 3) << d.what;
        EXPECT_EQ(selectedVeh, 1) << d.what;
        ASSERT_EQ(engine->messageBoxes().size(), 1u) << d.what;
        EXPECT_EQ(engine->messageBoxes()[0].text, "Could not load save file.");
        EXPECT_EQ(engine->messageBoxes()[0].caption, "Error");
    }
    EXPECT_TRUE(logContains("Could not load save file 2."));

    // Windows line ends and trailing blank lines are fine.
    std::string crlf;
    for (const std::string& line : good) crlf += line + "\r\n";
    writeFile("save2.kvb", crlf + "\r\n\n");
    EXPECT_TRUE(loadGameData(2));
    EXPECT_FALSE(loadGameData(-1));
    EXPECT_FALSE(loadGameData(10));
}

TEST_F(CampaignTest, EverySaveKeepsThePreviousOneAndAFailedWriteIsReported) {
    playSomeCampaign();
    ASSERT_TRUE(saveGame(7));
    const std::string first = readFile("save7.kvb");
    EXPECT_FALSE(fs::exists("save7.kvb.bak")) << "nothing to keep yet";
    totalScore = 999;
    ASSERT_TRUE(saveGame(7));
    EXPECT_EQ(readFile("save7.kvb.bak"), first);
    EXPECT_NE(readFile("save7.kvb"), first);
    EXPECT_FALSE(hasTempFiles());

    EXPECT_FALSE(saveGame(-1));
    EXPECT_FALSE(fs::exists("save-1.kvb"));

    // A slot that cannot be written (the disk is full).
    engine->clearMessageBoxes();
    {
        FailingWrites diskFull;
        EXPECT_FALSE(saveGame(8));
    }
    EXPECT_FALSE(fs::exists("save8.kvb"));
    ASSERT_EQ(engine->messageBoxes().size(), 1u);
    EXPECT_EQ(engine->messageBoxes()[0].text, "Could not create save file.");
    EXPECT_TRUE(logContains("Could not create save file 8."));
    // The slot's old save and its backup survive a failed write.
    const std::string kept = readFile("save7.kvb");
    {
        FailingWrites diskFull;
        EXPECT_FALSE(saveGame(7));
    }
    EXPECT_EQ(readFile("save7.kvb"), kept);
    EXPECT_EQ(readFile("save7.kvb.bak"), first);
    EXPECT_FALSE(hasTempFiles());
}

TEST_F(CampaignTest, TheLoadScreenSummarisesGoodSlotsAndMarksDamagedOnes) {
    playSomeCampaign();
    ASSERT_TRUE(saveGame(0));
    ASSERT_TRUE(saveGame(2));
    writeFile("save3.kvb", "3\n5\nlots\n");
    loadScreenData();
    EXPECT_TRUE(sv[0].exists);
    EXPECT_FALSE(sv[1].exists);
    EXPECT_FALSE(sv[1].damaged);
    EXPECT_TRUE(sv[2].exists);
    EXPECT_FALSE(sv[3].exists);
    EXPECT_TRUE(sv[3].damaged);
    const int* v = sv[2].v;
    EXPECT_EQ(v[SV_VEH], 3);
    EXPECT_EQ(v[SV_DECK], 5);
    EXPECT_EQ(v[SV_CARDS], STARTINGCARDSINDECK + 2);
    EXPECT_EQ(v[SV_BEAT], 3);
    EXPECT_EQ(v[SV_COMBO], 57);
    EXPECT_EQ(v[SV_SCORE], 123456);
    EXPECT_EQ(v[SV_TIME], 3601);
    EXPECT_EQ(v[SV_QUESTNUM], 2);
    EXPECT_TRUE(engine->messageBoxes().empty()) << "summaries never raise an error box";
}

}  // namespace

TEST_F(CampaignTest, ASlotThatCannotBeReadShowsAsDamagedAndNothingThrows) {
    fs::create_directory("save3.kvb");  // a folder where the file should be
    loadScreenData();
    EXPECT_FALSE(sv[3].exists);
    EXPECT_TRUE(sv[3].damaged) << "never shown as empty, so a new game does not take it";
    EXPECT_TRUE(logContains("save3.kvb cannot be read"));
    EXPECT_FALSE(loadGameData(3));
    EXPECT_FALSE(saveGame(3));
    ASSERT_EQ(engine->messageBoxes().size(), 2u);
    EXPECT_EQ(engine->messageBoxes()[0].text, "Could not load save file.");
    EXPECT_EQ(engine->messageBoxes()[1].text, "Could not create save file.");
    EXPECT_TRUE(fs::is_directory("save3.kvb"));
    EXPECT_FALSE(hasTempFiles());
}

TEST_F(CampaignTest, CampaignCountersStopAtTheirLimitAndTheSaveStillLoads) {
    playTime = INT_MAX;
    timer1();
    EXPECT_EQ(playTime, INT_MAX);

    totalScore = INT_MAX - 10;
    pl[0].killsByKind[1] = INT_MAX;
    pl[0].comboCount = INT_MAX / 2;  // a combo bonus far past the int range
    Enemy& e = en[0];
    e.active = true;
    e.hp = 0;
    e.kind = 1;
    e.score = 1000;
    e.rect = hgeRect(100, 100, 120, 120);
    checkEnemyDeath(0, 0);
    EXPECT_EQ(totalScore, INT_MAX);
    EXPECT_EQ(pl[0].score, INT_MAX);
    EXPECT_EQ(pl[0].killsByKind[1], INT_MAX);

    ASSERT_TRUE(saveGame(1));
    playTime = totalScore = 0;
    ASSERT_TRUE(loadGameData(1));
    EXPECT_EQ(playTime, INT_MAX);
    EXPECT_EQ(totalScore, INT_MAX);
}

TEST_F(CampaignTest, ACampaignItsLoaderWouldRefuseIsNeverWritten) {
    ASSERT_TRUE(saveGame(4));
    const std::string good = readFile("save4.kvb");
    struct Case {
        const char* what;
        void (*spoil)();
    } cases[] = {
        {"a deck place that is no card", [] { pl[0].deck[3] = 0; }},
        {"a card id past the catalogue", [] { pl[0].deck[0] = LASTCARD + 1; }},
        {"a gun with no time between shots", [] { VEH_rof[selectedVeh] = 0; }},
        {"a statistic that is not a number", [] { VEH_power[selectedVeh] = std::nanf(""); }},
    };
    for (const Case& c : cases) {
        const int card0 = pl[0].deck[0], card3 = pl[0].deck[3];
        const float rof = VEH_rof[selectedVeh], power = VEH_power[selectedVeh];
        engine->clearMessageBoxes();
        c.spoil();
        EXPECT_FALSE(saveGame(4)) << c.what;
        EXPECT_EQ(readFile("save4.kvb"), good) << c.what;
        EXPECT_FALSE(fs::exists("save4.kvb.bak")) << c.what;
        ASSERT_EQ(engine->messageBoxes().size(), 1u) << c.what;
        EXPECT_EQ(engine->messageBoxes()[0].text, "Could not create save file.");
        pl[0].deck[0] = card0;
        pl[0].deck[3] = card3;
        VEH_rof[selectedVeh] = rof;
        VEH_power[selectedVeh] = power;
    }
    EXPECT_TRUE(saveGame(4));
}

TEST_F(CampaignTest, TheBackupIsTheLastSaveThatLoadsAndCanBeRestored) {
    ASSERT_TRUE(saveGame(5));
    const std::string first = readFile("save5.kvb");
    totalScore = 4321;
    ASSERT_TRUE(saveGame(5));
    ASSERT_EQ(readFile("save5.kvb.bak"), first);

    // A damaged file never replaces the good backup.
    writeFile("save5.kvb", "3\n5\nlots\n");
    loadScreenData();
    EXPECT_TRUE(sv[5].damaged);
    EXPECT_TRUE(sv[5].backup);
    totalScore = 5555;
    ASSERT_TRUE(saveGame(5));
    EXPECT_EQ(readFile("save5.kvb.bak"), first);

    writeFile("save5.kvb", "garbage\n");
    ASSERT_TRUE(restoreBackup(5));
    EXPECT_EQ(readFile("save5.kvb"), first);
    loadScreenData();
    EXPECT_TRUE(sv[5].exists);
    EXPECT_FALSE(sv[5].damaged);

    // A backup that does not load is not offered and not put in place.
    writeFile("save6.kvb", "garbage\n");
    writeFile("save6.kvb.bak", "more garbage\n");
    loadScreenData();
    EXPECT_TRUE(sv[6].damaged);
    EXPECT_FALSE(sv[6].backup);
    engine->clearMessageBoxes();
    EXPECT_FALSE(restoreBackup(6));
    EXPECT_EQ(readFile("save6.kvb"), "garbage\n");
    ASSERT_EQ(engine->messageBoxes().size(), 1u);
}
