// The data reader on small hand-made files: limits, bad values, missing files and the
// rows that fall outside the tables.
#include <filesystem>
#include <sstream>
#include <string>

#include "cards/datafiles.h"
#include "shell/world.h"
#include "tests/support/engine_test.h"

namespace {

std::string vehicle(const std::string& name, int sizeX) {
    return name + "\nA test vehicle.\n"
                  "speed 10 shotSpeed 400 power 5 rof 0.3 armor 3 excel 5 heart 120 fuel 400\n"
                  "red 40 green 30 blue 30\nsize " +
           std::to_string(sizeX) + " 50\nshotSize 8 4\nshotQty 2\npowerEx 1\nposInBMP 3 4\n";
}

std::string opponent(const std::string& name, int rounds, int heartBase) {
    std::string out = name + "\nA test opponent.\ndiff 2 rounds " + std::to_string(rounds) + "\n";
    for (int r = 0; r < rounds; ++r)
        out += "speed 8 shotSpeed 300 power 4 rof 0.5 armor 1 excel 3 heart " + std::to_string(heartBase + r) +
               " fuel 200 red 30 green 40 blue 30 shotQty 1 powerEx 0\n";
    return out;
}

// A complete data.paq; `name0` and `rounds1` let a test break it in one place.
std::string dataFile(const std::string& name0 = "Vehicle Zero", int rounds1 = 3) {
    std::string out = vehicle(name0, 40);
    for (int v = 1; v < MAXVEHICLES; ++v) out += vehicle("Vehicle " + std::to_string(v), 40 + v);
    for (int i = 0; i < MAXSTATDESC; ++i) out += "Stat line " + std::to_string(i) + "\n";
    for (int d = 0; d < MAXDECKS; ++d) out += "Deck " + std::to_string(d) + "\nAbout deck " + std::to_string(d) + "\n";
    for (int o = 0; o < MAXOPPONENTS; ++o) out += opponent("Opponent " + std::to_string(o), o == 1 ? rounds1 : 2, 100 * o);
    out += "1 10 10 100 50 23 30\nZombie\n24 400 40 2000 30.5 27 35\nDreadnought\n";
    return out;
}

std::string cardRow(int id, const std::string& name) {
    return std::to_string(id) + " 3 1 2 3 55 0.5 3\n" + name + "\nRules of " + name + ".\n";
}

// Every card the decks of deckFile name: 1 "One", 2 "Two", then "Card N".
std::string cardFile() {
    std::string out = cardRow(1, "One") + cardRow(2, "Two");
    for (int id = 3; id <= MAXDECKROWS + STARTINGCARDSINDECK; ++id) out += cardRow(id, "Card " + std::to_string(id));
    return out;
}

std::string deckFile() {
    std::string out;
    for (int row = 0; row < MAXDECKROWS; ++row) {
        out += "deck " + std::to_string(row) + "\n";
        for (int i = 0; i < STARTINGCARDSINDECK; ++i) out += std::to_string(row + i + 1) + "\n";
    }
    return out;
}

class DataLoader : public EngineTest {
protected:
    void writeAllBut(const std::string& skipped) {
        if (skipped != "data.paq") writeFile("data.paq", dataFile());
        if (skipped != "card.paq") writeFile("card.paq", cardFile());
        if (skipped != "deck.paq") writeFile("deck.paq", deckFile());
        if (skipped != "credits.txt") writeFile("credits.txt", "Korvania 2: Battle\n\nKorvania 2 team\n");
    }
};

TEST_F(DataLoader, ReadsEveryTableOfACompleteSet) {
    writeAllBut("");
    loadData();
    EXPECT_TRUE(engine->logLines().empty());
    EXPECT_EQ(vehName[7], "Vehicle 7");
    EXPECT_EQ(VEH_vehSizeX[7], 47);
    EXPECT_FLOAT_EQ(VEH_rof[0], 0.3f);
    EXPECT_FLOAT_EQ(VEH_posInBMP[0].y1, 4);
    EXPECT_EQ(VEH_powerEx[0], 1);
    EXPECT_EQ(MX_fuel, 400);
    EXPECT_EQ(statDesc[9], "Stat line 9");
    EXPECT_EQ(deckDesc[11], "About deck 11");
    EXPECT_EQ(oppRounds[1], 3);
    EXPECT_EQ(OPP_heart[6][1], 601);
    EXPECT_EQ(OPP_greenP[3][0], 40);
    EXPECT_EQ(enemyNameDB[24], "Dreadnought");
    EXPECT_FLOAT_EQ(itemPercentDB[24], 30.5f);
    EXPECT_EQ(enemyDeathSoundIDDB[24], 35);
    EXPECT_EQ(crd[2].name, "Two");
    EXPECT_EQ(crd[2].type, 3);
    EXPECT_EQ(crd[2].cost[2], 3);
    EXPECT_EQ(crd[2].sound, 55);
    EXPECT_EQ(deckDB[18][49], 18 + 50);
    EXPECT_EQ(creditLines, 3);
    EXPECT_EQ(credits[1], "");
    EXPECT_EQ(condString[19], "RFLX");
    EXPECT_EQ(colorCycle[3][2], 0xFF4BFE2Cu);
    EXPECT_NE(wpnDesc[6].find("Triple 7's"), std::string::npos);
}

TEST_F(DataLoader, ANameAtItsLimitLoadsAndOneLongerStopsTheFileWithALogLine) {
    const std::string name29(29, 'N');
    writeAllBut("data.paq");
    writeFile("data.paq", dataFile(name29));
    loadData();
    EXPECT_EQ(vehName[0], name29);
    EXPECT_EQ(enemyNameDB[24], "Dreadnought");

    resetWorld();
    engine->clearLogLines();
    writeFile("data.paq", dataFile(name29 + "X"));
    loadData();
    EXPECT_TRUE(vehName[0].empty());
    EXPECT_TRUE(vehName[1].empty()) << "the rest of the file is not read";
    EXPECT_EQ(oppRounds[1], 0);
    EXPECT_TRUE(logContains("data.paq line 1: the vehicle name is 30 characters long, more than 29"));
    EXPECT_EQ(crd[1].name, "One") << "the other files still load";
}

TEST_F(DataLoader, AMalformedNumberNamesTheFileAndLine) {
    writeAllBut("card.paq");
    writeFile("card.paq", cardRow(1, "One") + "2 3 1 two 3 55 0.5 3\nTwo\nText\n" + cardRow(3, "Three"));
    loadData();
    EXPECT_EQ(crd[1].name, "One");
    EXPECT_TRUE(crd[2].name.empty());
    EXPECT_TRUE(crd[3].name.empty());
    EXPECT_TRUE(logContains("card.paq line 4: \"two\" is not a number"));
}

TEST_F(DataLoader, AVehicleCutShortByAMalformedNumberIsDroppedWhole) {
    writeAllBut("data.paq");
    std::string data = dataFile();
    const std::size_t third = data.find("Vehicle 2\n");
    const std::size_t armor = data.find("armor 3", third);
    data.replace(armor, 7, "armor x3");
    writeFile("data.paq", data);
    loadData();
    EXPECT_EQ(vehName[1], "Vehicle 1");
    EXPECT_EQ(VEH_vehSizeX[1], 41);
    // Neither its name nor the stats before the bad value are kept.
    EXPECT_TRUE(vehName[2].empty());
    EXPECT_EQ(VEH_speed[2], 0);
    EXPECT_EQ(VEH_rof[2], 0);
    EXPECT_TRUE(vehName[3].empty());
    EXPECT_EQ(MX_heart, 120) << "the maxima come from the vehicles that loaded";
    EXPECT_TRUE(logContains("data.paq line 21: \"x3\" is not a number"));
    EXPECT_TRUE(logContains("data.paq line 19: vehicle 2 is incomplete and is not loaded"));
}

TEST_F(DataLoader, AMissingCreditsFileIsReportedOnceAndKeepsTheRest) {
    writeAllBut("credits.txt");
    loadData();
    EXPECT_TRUE(logContains("Could not load credits file."));
    ASSERT_EQ(engine->messageBoxes().size(), 1u);
    EXPECT_EQ(engine->messageBoxes()[0].text, "Could not load credits file.");
    EXPECT_EQ(engine->messageBoxes()[0].caption, "Error");
    EXPECT_EQ(engine->messageBoxes()[0].style, MB_ICONSTOP | MB_SYSTEMMODAL);
    EXPECT_EQ(creditLines, 0);
    EXPECT_EQ(vehName[0], "Vehicle Zero");
    EXPECT_EQ(crd[2].name, "Two");
    EXPECT_EQ(deckDB[0][0], 1);
}

TEST_F(DataLoader, MissingDataFilesLeaveTheirTablesAloneAndStopBattles) {
    writeFile("credits.txt", "Korvania 2: Battle\n");
    crd[5].name = "Kept";
    loadData();
    EXPECT_EQ(crd[5].name, "Kept");
    EXPECT_TRUE(vehName[0].empty());
    EXPECT_EQ(dataFault, "data.paq is missing.");
    EXPECT_TRUE(logContains("card.paq is missing."));
    EXPECT_TRUE(logContains("deck.paq is missing."));
    ASSERT_EQ(engine->messageBoxes().size(), 1u) << "one box for the first fault";
    EXPECT_NE(engine->messageBoxes()[0].text.find("data.paq is missing."), std::string::npos);
    loadData();
    EXPECT_EQ(engine->messageBoxes().size(), 1u) << "the same fault is not shown again on the next return to the title";

    // A folder in a file's place is a file that cannot be read, not a crash.
    writeAllBut("deck.paq");
    std::filesystem::create_directory("deck.paq");
    loadData();
    EXPECT_NE(dataFault.find("deck.paq cannot be read"), std::string::npos) << dataFault;
    writeAllBut("");
    std::filesystem::remove("deck.paq");
    writeFile("deck.paq", deckFile());
    loadData();
    EXPECT_EQ(dataFault, "") << "a mended file lets battles start again";
}

TEST_F(DataLoader, TablesTheGameNeedsMustBeWhole) {
    struct Case {
        const char* what;
        std::string data, cards, decks;
        const char* fault;
    };
    std::string slowGun = dataFile();
    slowGun.replace(slowGun.find("rof 0.3"), 7, "rof 0.0");
    std::string badDeck = deckFile();
    badDeck.replace(badDeck.find("\n1\n"), 3, "\n0\n");
    std::string cut = dataFile();
    cut.resize(cut.find("Opponent 3"));
    const Case cases[] = {
        {"a gun with no time between shots", slowGun, cardFile(), deckFile(), "vehicle 0 has a rate of fire of 0"},
        {"an opponent without rounds", dataFile("Vehicle Zero", 0), cardFile(), deckFile(), "opponent 1 has no rounds"},
        {"a data file cut short", cut, cardFile(), deckFile(), "data.paq line 123: the file ends early"},
        {"a deck place that is no card", dataFile(), cardFile(), badDeck, "deck.paq: some starting decks are incomplete"},
        {"a deck card missing from the catalogue", dataFile(), cardRow(1, "One"), deckFile(), "card 2, in starting deck 0"},
    };
    for (const Case& c : cases) {
        resetWorld();
        writeFile("data.paq", c.data);
        writeFile("card.paq", c.cards);
        writeFile("deck.paq", c.decks);
        writeFile("credits.txt", "credits\n");
        loadData();
        EXPECT_NE(dataFault.find(c.fault), std::string::npos) << c.what << ": " << dataFault;
    }
}

TEST_F(DataLoader, TheLastRowLoadsWithOrWithoutAFinalLineBreak) {
    writeAllBut("card.paq");
    writeFile("card.paq", cardFile() + "\n\n");
    loadData();
    EXPECT_EQ(crd[1].name, "One");
    EXPECT_TRUE(crd[0].name.empty());
    EXPECT_TRUE(engine->logLines().empty());

    std::string noBreak = cardFile();
    noBreak.pop_back();
    writeFile("card.paq", noBreak);
    writeFile("credits.txt", "one\ntwo");
    loadData();
    EXPECT_EQ(crd[68].text, "Rules of Card 68.");
    EXPECT_EQ(creditLines, 2);
    EXPECT_TRUE(engine->logLines().empty());
}

TEST_F(DataLoader, RowsOutsideTheirTablesAreSkippedAndLogged) {
    writeAllBut("card.paq");
    writeFile("card.paq", cardRow(0, "Zero") + cardRow(400, "Far") + cardRow(-3, "Below") + cardRow(399, "Last") +
                              "5 0 1 1 1 120 1 3\nLoud\nA sound past the table.\n");
    std::string data = dataFile();
    data += "30 1 1 10 5 -1 -1\nToo Far\n-1 1 1 10 5 -1 -1\nBelow\n2 18 12 140 48 24 30\nDawdler\n";
    writeFile("data.paq", data);
    loadData();
    EXPECT_EQ(crd[0].name, "Zero") << "id 0 is a place in the table";
    EXPECT_EQ(crd[399].name, "Last");
    EXPECT_TRUE(logContains("card.paq line 4: card id 400 is outside 0..399 and is skipped."));
    EXPECT_TRUE(logContains("card id -3 is outside"));
    EXPECT_TRUE(logContains("enemy kind 30 is outside 0..29"));
    EXPECT_TRUE(logContains("enemy kind -1 is outside"));
    EXPECT_EQ(enemyNameDB[2], "Dawdler");
    EXPECT_EQ(crd[5].name, "Loud") << "a bad sound keeps its card";
    EXPECT_EQ(crd[5].sound, -1);
    EXPECT_TRUE(logContains("card.paq line 13: sound 120 does not exist; it stays silent."));
}

TEST_F(DataLoader, TooManyRoundsAreCappedWithoutLosingStep) {
    writeAllBut("data.paq");
    writeFile("data.paq", dataFile("Vehicle Zero", 12));
    loadData();
    EXPECT_EQ(oppRounds[1], MAXROUNDS);
    EXPECT_EQ(OPP_heart[1][9], 109);
    EXPECT_EQ(oppName[2], "Opponent 2") << "the surplus rows were read past";
    EXPECT_EQ(enemyNameDB[24], "Dreadnought");
    EXPECT_TRUE(logContains("opponent 1 has 12 rounds"));
}

TEST_F(DataLoader, DeckLinesReadLikeAtoiAndBadIdsBecomeEmptyPlaces) {
    std::string text;
    for (int row = 0; row < MAXDECKROWS; ++row) {
        text += "header\n";
        for (int i = 0; i < STARTINGCARDSINDECK; ++i) {
            if (row == 0 && i == 0) text += "  12 Power Chip\n";
            else if (row == 0 && i == 1) text += "-1\n";
            else if (row == 0 && i == 2) text += "400\n";
            else if (row == 12 && i == 0) text += "-1\n";
            else if (row == 13 && i == 0) text += "junk\n";
            else text += "7\n";
        }
    }
    std::istringstream in(text);
    EXPECT_FALSE(loadDeckInfo(in)) << "places that are no card make the file damaged";
    EXPECT_EQ(deckDB[0][0], 12);
    EXPECT_EQ(deckDB[0][1], -1) << "the vehicle's own weapon in a player deck";
    EXPECT_EQ(deckDB[0][2], 0);
    EXPECT_EQ(deckDB[12][0], 0) << "no vehicle stands behind -1 in an opponent deck";
    EXPECT_EQ(deckDB[13][0], 0);
    EXPECT_EQ(deckDB[18][49], 7);
    EXPECT_TRUE(logContains("deck.paq line 4: card id 400 is not valid here"));
    EXPECT_TRUE(logContains("card id -1 is not valid here"));

    engine->clearLogLines();
    std::istringstream shortFile("header\n5\n");
    EXPECT_FALSE(loadDeckInfo(shortFile));
    EXPECT_EQ(deckDB[0][0], 5);
    EXPECT_EQ(deckDB[0][1], -1) << "places past the end keep their value";
    EXPECT_TRUE(logContains("deck.paq line 3: the file ends early"));
}

TEST_F(DataLoader, CreditsKeepAtMostTheirCapacity) {
    writeAllBut("credits.txt");
    std::string text;
    for (int i = 0; i < 45; ++i) text += "line " + std::to_string(i) + "\n";
    writeFile("credits.txt", text);
    loadData();
    EXPECT_EQ(creditLines, MAXCREDITLINES);
    EXPECT_EQ(credits[38], "line 38");
    EXPECT_TRUE(logContains("credits.txt: only the first 39 lines are shown."));
}

}  // namespace
