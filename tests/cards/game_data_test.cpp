// Checks the game data that ships in data/ against the rules the game code relies on:
// counts, sizes, card types, costs within the coin caps of whoever plays them, deck
// makeup, text lengths and the file layout the reader needs.
#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "cards/datafiles.h"
#include "shell/world.h"
#include "tests/cards/source_data.h"
#include "tests/support/engine_test.h"

namespace fs = std::filesystem;

namespace {

const char* const DATAFILES[] = {"data.paq", "card.paq", "deck.paq", "credits.txt"};

std::string slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::stringstream ss(text);
    for (std::string line; std::getline(ss, line);) lines.push_back(line);
    return lines;
}

// Ids and inclusive id ranges.
std::set<int> ids(std::initializer_list<std::pair<int, int>> ranges) {
    std::set<int> out;
    for (auto [a, b] : ranges)
        for (int i = a; i <= b; ++i) out.insert(i);
    return out;
}

// Card type (0 Effect .. 6 Item) by the family the code gives each id.
int expectedType(int id) {
    static const std::set<int> passives = ids({{34, 46}, {279, 281}, {308, 310}, {342, 342}, {343, 343}});
    static const std::set<int> weapons =
        ids({{187, 244}, {248, 248}, {313, 313}, {315, 316}, {319, 319}, {325, 325}});
    static const std::set<int> hazards =
        ids({{249, 254}, {256, 265}, {267, 268}, {270, 272}, {274, 278}, {282, 282}, {312, 312}, {314, 314},
             {318, 318}, {320, 320}, {322, 322}, {324, 324}, {341, 341}, {344, 344}});
    static const std::set<int> walls = ids({{137, 160}, {283, 288}});
    static const std::set<int> items = ids({{173, 174}, {177, 177}, {179, 180}, {245, 247}, {273, 273}});
    if (id >= 47 && id <= 136) return 1;
    if (passives.count(id)) return 2;
    if (weapons.count(id)) return 3;
    if (hazards.count(id)) return 4;
    if (walls.count(id)) return 5;
    if (items.count(id)) return 6;
    return 0;
}

struct Addition {
    int opponent, card;
};

// Every card an opponent adds to its deck during a match (the round does not matter here).
std::vector<Addition> opponentAdditions() {
    const std::vector<std::pair<int, std::vector<int>>> table = {
        {0, {312, 2, 4, 253, 69}},
        {1, {167, 12, 18, 57, 72, 58, 155, 250, 29, 51, 82, 60, 240, 257, 251}},
        {2, {283, 147, 64, 83, 250, 316, 37, 84, 57, 160, 252, 87, 88, 2, 296, 91, 92}},
        {3, {26, 89, 250, 155, 35, 278, 96, 251, 317, 94, 295, 156, 98, 272, 145, 172, 100, 256, 157}},
        {4, {92, 40, 274, 283, 149, 106, 300, 2, 250, 39, 231, 279, 43, 151, 118, 255, 288, 172, 251, 107, 284, 301,
             309, 120, 74, 275}},
        {5, {324, 129, 278, 251, 142, 156, 304, 114, 275, 272, 309, 151, 294, 113, 125, 131, 172, 157, 311, 77, 116}},
        {6, {160, 130, 124, 250, 151, 294, 171, 275, 251, 156, 150, 115, 276, 284, 299, 282, 172, 157, 152, 86, 270,
             288, 322, 290, 136, 286, 321, 277, 323}},
    };
    std::vector<Addition> out;
    for (const auto& [opp, cards] : table)
        for (int card : cards) out.push_back({opp, card});
    return out;
}

const int OPPCAP[MAXOPPONENTS] = {5, 9, 19, 29, 39, 49, 99};
const int DECKCAP[MAXDECKS][3] = {{99, 6, 6},   {6, 99, 6},   {6, 6, 99},   {16, 16, 6},
                                  {16, 16, 6},  {6, 16, 16},  {6, 16, 16},  {16, 6, 16},
                                  {16, 6, 16},  {12, 12, 12}, {12, 12, 12}, {12, 12, 12}};
// Colours a player deck's cards may cost, by its row: single, two colours, all colours.
const std::set<int> DECKCOLOURS[MAXDECKS] = {{0}, {1}, {2}, {0, 1}, {0, 1}, {1, 2}, {1, 2}, {0, 2}, {0, 2},
                                             {0, 1, 2}, {0, 1, 2}, {0, 1, 2}};

bool fitsCaps(const Card& card, const int cap[3]) {
    for (int c = 0; c < 3; ++c)
        if (card.cost[c] > cap[c]) return false;
    return true;
}

std::set<int> colours(const Card& card) {
    std::set<int> out;
    for (int c = 0; c < 3; ++c)
        if (card.cost[c] > 0) out.insert(c);
    return out;
}

std::size_t longestWord(const std::string& text) {
    std::size_t best = 0, run = 0;
    for (char ch : text) {
        run = ch == ' ' ? 0 : run + 1;
        best = std::max(best, run);
    }
    return best;
}

class GameData : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        source = sourceDataDir();
        ASSERT_FALSE(source.empty()) << "data folder not found; set KVB_SOURCE_DIR to the source tree";
        for (const char* name : DATAFILES) writeFile(name, slurp(source / name));
        loadData();
    }

    fs::path source;
};

TEST_F(GameData, AllFilesLoadWithoutAnyComplaint) {
    for (const std::string& line : engine->logLines()) ADD_FAILURE() << "log: " << line;
    EXPECT_TRUE(engine->messageBoxes().empty());
    // The last record of each file arrived, so no read stopped early.
    EXPECT_EQ(enemyNameDB[24], "Dreadnought");
    EXPECT_FALSE(crd[344].name.empty());
    EXPECT_NE(deckDB[MAXDECKROWS - 1][STARTINGCARDSINDECK - 1], 0);
    EXPECT_GT(creditLines, 0);
}

TEST_F(GameData, VehiclesSuitTheirHitBoxesAndStatBars) {
    // Smallest sprite that holds each vehicle's precise hit box.
    const int minSize[MAXVEHICLES][2] = {{43, 59}, {17, 11}, {62, 120}, {33, 51},
                                         {54, 84}, {38, 86}, {1, 1},    {21, 13}};
    for (int v = 0; v < MAXVEHICLES; ++v) {
        SCOPED_TRACE("vehicle " + std::to_string(v));
        EXPECT_FALSE(vehName[v].empty());
        EXPECT_FALSE(vehDesc[v].empty());
        EXPECT_GE(VEH_vehSizeX[v], minSize[v][0]);
        EXPECT_GE(VEH_vehSizeY[v], minSize[v][1]);
        EXPECT_LE(VEH_vehSizeX[v], 160);
        EXPECT_LE(VEH_vehSizeY[v], 160);
        EXPECT_EQ(VEH_redP[v] + VEH_greenP[v] + VEH_blueP[v], 100);
        EXPECT_GE(VEH_rof[v], LOWESTROF);
        EXPECT_GT(VEH_fuel[v], 250) << "well above the low-fuel warning at 150";
        EXPECT_GE(VEH_shotQty[v], 1);
        EXPECT_GT(VEH_shotSizeX[v], 0);
        for (float stat : {VEH_speed[v], VEH_shotSpeed[v], VEH_power[v], VEH_heart[v]}) EXPECT_GT(stat, 0);
    }
    EXPECT_GE(VEH_powerEx[6], 2) << "vehicle 6 keeps its power bonus at 2 or more";
    EXPECT_EQ(MX_heart, *std::max_element(VEH_heart, VEH_heart + MAXVEHICLES));
    EXPECT_EQ(MX_speed, *std::max_element(VEH_speed, VEH_speed + MAXVEHICLES));
    for (int i = 0; i < MAXSTATDESC; ++i) EXPECT_FALSE(statDesc[i].empty()) << "stat line " << i;
    for (int d = 0; d < MAXDECKS; ++d) EXPECT_FALSE(deckName[d].empty() || deckDesc[d].empty()) << "deck " << d;
}

TEST_F(GameData, OpponentsRiseThroughTheCampaignAndCanAffordTheirCasts) {
    const int rounds[MAXOPPONENTS] = {2, 3, 5, 6, 7, 5, 8};
    // Fuel above which the special casts of opponents 4, 5 and 6 fire.
    const int castFuel[MAXOPPONENTS] = {0, 0, 0, 0, 110, 75, 225};
    for (int o = 0; o < MAXOPPONENTS; ++o) {
        SCOPED_TRACE("opponent " + std::to_string(o));
        EXPECT_FALSE(oppName[o].empty());
        EXPECT_FALSE(oppDesc[o].empty());
        EXPECT_EQ(oppRounds[o], rounds[o]);
        EXPECT_GE(oppDiff[o], 1);
        if (o > 0) {
            EXPECT_GT(oppDiff[o], oppDiff[o - 1]);
            EXPECT_GE(OPP_heart[o][0], OPP_heart[o - 1][0]);
        }
        for (int r = 0; r < oppRounds[o]; ++r) {
            SCOPED_TRACE("round " + std::to_string(r));
            EXPECT_EQ(OPP_redP[o][r] + OPP_greenP[o][r] + OPP_blueP[o][r], 100);
            EXPECT_GE(OPP_rof[o][r], 0.2f) << "the second quest takes 0.1 off";
            EXPECT_GT(OPP_fuel[o][r], castFuel[o]);
            EXPECT_GT(OPP_fuel[o][r], 100) << "an empty tank costs heart";
            EXPECT_GE(OPP_shotQty[o][r], 1);
            if (r > 0) {
                EXPECT_GE(OPP_heart[o][r], OPP_heart[o][r - 1]);
            }
        }
        if (castFuel[o] > 0) {
            EXPECT_GT(*std::max_element(OPP_fuel[o], OPP_fuel[o] + oppRounds[o]), 230) << "second-quest casts";
        }
    }
}

TEST_F(GameData, EnemyKindsGrowStrongerInComboOrder) {
    for (int k = 1; k < ENEMYSOFAR; ++k) {
        SCOPED_TRACE("kind " + std::to_string(k));
        EXPECT_FALSE(enemyNameDB[k].empty());
        EXPECT_LE(enemyNameDB[k].size(), 12u);
        EXPECT_GT(enemyHpDB[k], 0);
        EXPECT_GT(enemyAttDB[k], 0);
        EXPECT_EQ(enemyScoreDB[k] % 10, 0);
        EXPECT_GT(itemPercentDB[k], 0);
        EXPECT_LE(itemPercentDB[k], 100);
        for (int sound : {enemySoundIDDB[k], enemyDeathSoundIDDB[k]}) {
            EXPECT_GE(sound, -1);
            EXPECT_LE(sound, 111);
        }
    }
    EXPECT_NE(enemyNameDB[1].find("Zombie"), std::string::npos);
    // The order in which growing combos send the kinds.
    const int order[] = {1, 5, 2, 4, 3, 6, 8, 14, 11, 7, 10, 13, 12, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        EXPECT_GT(enemyHpDB[order[i]], enemyHpDB[order[i - 1]]) << "kind " << order[i];
        EXPECT_GE(enemyAttDB[order[i]], enemyAttDB[order[i - 1]]) << "kind " << order[i];
        EXPECT_GT(enemyScoreDB[order[i]], enemyScoreDB[order[i - 1]]) << "kind " << order[i];
    }
}

TEST_F(GameData, EveryCardIsPresentWithItsTypeAndATextThatFits) {
    std::set<std::string> names;
    for (int id = 1; id <= 344; ++id) {
        const Card& card = crd[id];
        SCOPED_TRACE("card " + std::to_string(id) + " " + card.name);
        EXPECT_FALSE(card.name.empty());
        EXPECT_LE(card.name.size(), 16u);
        EXPECT_TRUE(names.insert(card.name).second) << "name used twice";
        EXPECT_FALSE(card.text.empty());
        EXPECT_LE(card.text.size(), 75u) << card.text;
        EXPECT_LE(longestWord(card.text), 13u) << card.text;
        EXPECT_EQ(card.type, expectedType(id));
        EXPECT_GT(card.refillTime, 0);
        EXPECT_GT(card.useTime, 0);
        EXPECT_GE(card.sound, -1);
        EXPECT_LE(card.sound, 111);
        for (int cost : card.cost) EXPECT_GE(cost, 0);
    }
    EXPECT_TRUE(crd[0].name.empty()) << "id 0 stays the empty card";
    EXPECT_TRUE(crd[345].name.empty());
}

TEST_F(GameData, OpponentsCanPayForEveryCardTheyHold) {
    for (int o = 0; o < MAXOPPONENTS; ++o) {
        const int cap[3] = {OPPCAP[o], OPPCAP[o], OPPCAP[o]};
        for (int i = 0; i < STARTINGCARDSINDECK; ++i) {
            const int id = deckDB[MAXDECKS + o][i];
            SCOPED_TRACE("opponent " + std::to_string(o) + " place " + std::to_string(i));
            ASSERT_GE(id, 1) << "no empty places and no vehicle weapon in an opponent deck";
            ASSERT_LE(id, 344);
            EXPECT_TRUE(fitsCaps(crd[id], cap)) << crd[id].name;
        }
    }
    for (auto [o, id] : opponentAdditions()) {
        const int cap[3] = {OPPCAP[o], OPPCAP[o], OPPCAP[o]};
        EXPECT_TRUE(fitsCaps(crd[id], cap)) << "opponent " << o << " adds card " << id << " " << crd[id].name;
    }
}

TEST_F(GameData, PlayerDecksMatchTheirRowAndCanOpenARound) {
    for (int d = 0; d < MAXDECKS; ++d) {
        SCOPED_TRACE("deck " + std::to_string(d) + " " + deckName[d]);
        std::set<int> used;
        int openers = 0;
        for (int i = 0; i < STARTINGCARDSINDECK; ++i) {
            const int id = deckDB[d][i];
            ASSERT_TRUE(id == -1 || (id >= 1 && id <= 344)) << "place " << i << " holds " << id;
            // -1 becomes the vehicle's own level-1 weapon, whichever vehicle that is.
            for (int card : id == -1 ? std::vector<int>{187, 192, 197, 202, 207, 212, 217, 222} : std::vector<int>{id}) {
                EXPECT_TRUE(fitsCaps(crd[card], DECKCAP[d])) << crd[card].name;
                if (id != -1) {
                    const std::set<int> c = colours(crd[card]);
                    EXPECT_TRUE(std::includes(DECKCOLOURS[d].begin(), DECKCOLOURS[d].end(), c.begin(), c.end()))
                        << crd[card].name << " is off-colour";
                    used.insert(c.begin(), c.end());
                }
            }
            const int card = id == -1 ? 187 : id;
            if (*std::max_element(crd[card].cost, crd[card].cost + 3) <= 1) ++openers;
        }
        EXPECT_EQ(used, DECKCOLOURS[d]);
        EXPECT_GE(openers, 8) << "cards the starting coins pay for";
    }
    // The special weapons of every level come as bonus cards to whatever deck is played.
    const int common[3] = {6, 6, 6};
    for (int id = 187; id <= 226; ++id) EXPECT_TRUE(fitsCaps(crd[id], common)) << crd[id].name;
}

TEST_F(GameData, FilesKeepTheLayoutTheReaderNeeds) {
    for (const char* name : DATAFILES) {
        const std::string text = slurp(source / name);
        SCOPED_TRACE(name);
        EXPECT_EQ(text.find('\r'), std::string::npos) << "LF line endings only";
        ASSERT_FALSE(text.empty());
        EXPECT_EQ(text.back(), '\n');
        const std::vector<std::string> lines = splitLines(text);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            EXPECT_FALSE(!lines[i].empty() && (lines[i].back() == ' ' || lines[i].back() == '\t'))
                << "trailing blank on line " << i + 1;
            EXPECT_EQ(lines[i].find('\t'), std::string::npos) << "tab on line " << i + 1;
        }
    }
    const std::vector<std::string> credit = splitLines(slurp(source / "credits.txt"));
    EXPECT_LE(credit.size(), static_cast<std::size_t>(MAXCREDITLINES));
    EXPECT_EQ(creditLines, static_cast<int>(credit.size()));
    const std::string all = slurp(source / "credits.txt");
    for (const char* must : {"Korvania 2: Battle", "Korvania 2 team", "SDL2", "SDL2_mixer", "PhysicsFS", "zlib"})
        EXPECT_NE(all.find(must), std::string::npos) << must;
    for (const std::string& line : credit) EXPECT_LE(line.size(), 110u);
    EXPECT_EQ(splitLines(slurp(source / "deck.paq")).size(), static_cast<std::size_t>(MAXDECKROWS * 51));
}

}  // namespace
