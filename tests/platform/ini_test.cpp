#include "tests/support/engine_test.h"

#include <filesystem>

class IniTest : public EngineTest {};

TEST_F(IniTest, ValuesSurviveARoundTripAndKeepTheOtherLines) {
    writeFile("Options.ini",
              "; written by hand\n[Key Config]\nmove up=38\nmystery line\n\n[Volume]\nmusic = 40\n");
    hge->System_SetState(HGE_INIFILE, "Options.ini");
    EXPECT_EQ(hge->Ini_GetInt("Key Config", "move up", 87), 38);
    EXPECT_EQ(hge->Ini_GetInt("volume", "MUSIC", 100), 40) << "names are not case-sensitive";
    EXPECT_EQ(hge->Ini_GetInt("Volume", "sound fx", 77), 77);

    hge->Ini_SetInt("Volume", "sound fx", 12);
    hge->Ini_SetInt("Key Config", "move up", 87);
    hge->Ini_SetInt("Misc", "Fullscreen", 0);

    const std::string text = readFile("Options.ini");
    EXPECT_NE(text.find("; written by hand"), std::string::npos);
    EXPECT_NE(text.find("mystery line"), std::string::npos);
    EXPECT_NE(text.find("move up=87"), std::string::npos);
    EXPECT_LT(text.find("sound fx=12"), text.find("[Misc]")) << "a new key joins its own section";

    // A second engine reading the file sees every change.
    hge->System_SetState(HGE_INIFILE, "Options.ini");
    EXPECT_EQ(hge->Ini_GetInt("Volume", "sound fx", 0), 12);
    EXPECT_EQ(hge->Ini_GetInt("Misc", "Fullscreen", 1), 0);
    EXPECT_FALSE(hasTempFiles());
}

TEST_F(IniTest, AFailedWriteLeavesTheOldFileWhole) {
    hge->System_SetState(HGE_INIFILE, "Options.ini");
    hge->Ini_SetInt("Volume", "music", 55);
    {
        FailingWrites diskFull;
        hge->Ini_SetInt("Volume", "music", 66);
    }
    EXPECT_NE(readFile("Options.ini").find("music=55"), std::string::npos);
    EXPECT_TRUE(logContains("Could not save options"));
}

TEST_F(IniTest, ADamagedFileGivesTheDefaultsAndOneLogLine) {
    writeFile("Options.ini", std::string("[Volume]\nmusic=3\0\x01\x02garbage", 27));
    hge->System_SetState(HGE_INIFILE, "Options.ini");
    EXPECT_EQ(hge->Ini_GetInt("Volume", "music", 100), 100);
    int damagedLines = 0;
    for (const auto& line : engine->logLines()) damagedLines += line.find("damaged") != std::string::npos;
    EXPECT_EQ(damagedLines, 1);

    // Saving keeps the unreadable file aside instead of destroying it.
    hge->Ini_SetInt("Volume", "music", 50);
    EXPECT_TRUE(std::filesystem::exists(workDir + "/Options.ini.damaged"));
    EXPECT_EQ(hge->Ini_GetInt("Volume", "music", 100), 50);
}

TEST_F(IniTest, ANonNumberGivesTheDefaultWithALogLine) {
    writeFile("Options.ini", "[Volume]\nmusic=loud\nsound fx=12abc\n");
    hge->System_SetState(HGE_INIFILE, "Options.ini");
    EXPECT_EQ(hge->Ini_GetInt("Volume", "music", 90), 90);
    EXPECT_EQ(hge->Ini_GetInt("Volume", "sound fx", 80), 80);
    EXPECT_TRUE(logContains("music = 'loud' is not a whole number"));
}

TEST_F(IniTest, ASectionThatAppearsTwiceIsReadAsOne) {
    writeFile("Options.ini", "[Volume]\nmusic=40\n\n[Misc]\nFullscreen=0\n\n[volume]\nmusic=90\nsound fx=33\n");
    hge->System_SetState(HGE_INIFILE, "Options.ini");
    EXPECT_EQ(hge->Ini_GetInt("Volume", "music", 100), 40) << "the first section's value wins, as before";
    EXPECT_EQ(hge->Ini_GetInt("Volume", "sound fx", 100), 33) << "a key only the second one has is read";
    EXPECT_EQ(hge->Ini_GetInt("Misc", "Fullscreen", 1), 0);
    EXPECT_TRUE(logContains("[volume] appears again"));

    hge->Ini_SetInt("Volume", "sound fx", 12);
    EXPECT_EQ(readFile("Options.ini"), "[Volume]\nmusic=40\nsound fx=12\n\n[Misc]\nFullscreen=0\n\n");
}

TEST_F(IniTest, AnOptionsFileThatCannotBeReadIsKeptAndTheDefaultsAreUsed) {
    std::filesystem::create_directories(workDir + "/Options.ini/inside");
    hge->System_SetState(HGE_INIFILE, "Options.ini");
    EXPECT_EQ(hge->Ini_GetInt("Volume", "music", 100), 100);
    EXPECT_TRUE(logContains("Cannot read the options"));
    hge->Ini_SetInt("Volume", "music", 55);
    EXPECT_TRUE(std::filesystem::exists(workDir + "/Options.ini.damaged/inside")) << "set aside, not lost";
    EXPECT_NE(readFile("Options.ini").find("music=55"), std::string::npos);
}
