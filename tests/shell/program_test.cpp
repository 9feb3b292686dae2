#include "tests/support/engine_test.h"

#include <filesystem>

#include "platform/core/instance_lock.h"
#include "shell/exits.h"
#include "shell/hooks.h"
#include "shell/modes.h"
#include "shell/options.h"
#include "shell/sound.h"
#include "shell/startup.h"
#include "shell/text.h"
#include "shell/world.h"
#include "toolkit/hgeresource.h"

class ProgramTest : public EngineTest {
protected:
    void TearDown() override {
        releaseSharedResources();
        gameHooks = GameHooks{};
        EngineTest::TearDown();
    }
    void useScript(const std::string& script) {
        writeFile("resource.res", script);
        myRes = new hgeResourceManager("resource.res");
    }
};

TEST_F(ProgramTest, OptionsHaveTheirDefaultsAndBadValuesAreMended) {
    readOptions();
    EXPECT_EQ(pl[0].opt[OPT_KEYUP], 87);
    EXPECT_EQ(pl[0].opt[OPT_KEYCHANGE], 220);
    EXPECT_EQ(pl[0].opt[OPT_KEYDISCARD], 8);
    EXPECT_EQ(pl[0].opt[OPT_FULLSCREEN], 1);
    EXPECT_EQ(pl[0].opt[OPT_SCORE], 0);
    EXPECT_EQ(pl[0].opt[OPT_TUTORIAL], 1);

    writeFile("Options.ini",
              "[Key Config]\nmove up=38\nfire=300\nboost=-1\n[Volume]\nmusic=250\nsound fx=-20\n"
              "[Misc]\nFullscreen=0\n");
    hge->System_SetState(HGE_INIFILE, "Options.ini");
    readOptions();
    EXPECT_EQ(pl[0].opt[OPT_KEYUP], 38);
    EXPECT_EQ(pl[0].opt[OPT_KEYFIRE], 32) << "a key code past 255 falls back to the default";
    EXPECT_EQ(pl[0].opt[OPT_KEYBOOST], 16);
    EXPECT_EQ(pl[0].opt[OPT_VOLBGM], 100);
    EXPECT_EQ(pl[0].opt[OPT_VOLSFX], 0);
    EXPECT_EQ(pl[0].opt[OPT_FULLSCREEN], 0);
    EXPECT_TRUE(logContains("fire = 300 is not a key code"));
}

TEST_F(ProgramTest, TheWindowIsFullScreenUnlessTheOptionsSayOtherwise) {
    configureEngine();
    EXPECT_FALSE(hge->System_GetState(HGE_WINDOWED));
    EXPECT_STREQ(hge->System_GetState(HGE_TITLE), "Korvania 2:  Battle");
    writeFile("Options.ini", "[Misc]\nFullscreen=0\n");
    configureEngine();
    EXPECT_TRUE(hge->System_GetState(HGE_WINDOWED));
    EXPECT_EQ(hge->System_GetState(HGE_FPS), 100);
}

TEST_F(ProgramTest, BackgroundMusicStreamsStrNamesAndStopsThePreviousTrack) {
    writeFile("title.ogg", "ogg bytes");
    writeFile("select.xm", "xm bytes");
    useScript("Stream titleMusicSTR\n{\n filename = \"title.ogg\"\n}\n"
              "Music selectOppMUS\n{\n filename = \"select.xm\"\n}\n");
    pl[0].opt[OPT_VOLBGM] = 40;

    playBGM("titleMusicSTR");
    const HCHANNEL first = chan[0];
    ASSERT_NE(engine->channel(first), nullptr);
    EXPECT_EQ(engine->channel(first)->kind, HeadlessChannel::STREAM);
    EXPECT_TRUE(engine->channel(first)->loop);
    EXPECT_EQ(engine->channel(first)->volume, 40);

    playBGM("selectOppMUS");
    EXPECT_FALSE(hge->Channel_IsPlaying(first));
    ASSERT_NE(engine->channel(chan[0]), nullptr);
    EXPECT_EQ(engine->channel(chan[0])->kind, HeadlessChannel::MUSIC);
    EXPECT_EQ(engine->channel(chan[0])->source, "select.xm");

    playBGM("noSuchSTR");  // a missing track is silence, not a crash
    EXPECT_FALSE(hge->Channel_IsPlaying(chan[0]));
}

TEST_F(ProgramTest, SoundEffectsKeepTheirChannelAndIgnoreBadNumbers) {
    writeFile("coin.wav", "wav");
    useScript("Sound sfx3\n{\n filename = \"coin.wav\"\n}\n");
    sfx[3] = myRes->GetEffect("sfx3");
    playSFX(3, 4);
    ASSERT_NE(engine->channel(chan[4]), nullptr);
    EXPECT_EQ(engine->channel(chan[4])->source, "coin.wav");
    playSFX(3, 7);
    playSFX(-1, 1);
    playSFX(MAXSFX, 1);
    EXPECT_EQ(chan[1], 0u);
}

TEST_F(ProgramTest, WithoutItsPackTheGameSaysSoAndDoesNotRunBlack) {
    EXPECT_FALSE(loadSharedResources());
    ASSERT_EQ(engine->messageBoxes().size(), 1u);
    EXPECT_EQ(engine->messageBoxes()[0].caption, "Error");
    EXPECT_NE(engine->messageBoxes()[0].text.find("kvb.paq"), std::string::npos);

    engine->clearMessageBoxes();
    const int framesBefore = engine->framesRun();
    EXPECT_EQ(WinMain(), 1);
    hge = engine;  // WinMain let go of the engine the fixture still holds
    EXPECT_EQ(engine->framesRun(), framesBefore) << "no frame loop without the pack";
    ASSERT_EQ(engine->messageBoxes().size(), 1u);
    EXPECT_NE(engine->messageBoxes()[0].text.find("kvb.paq"), std::string::npos);
}

TEST_F(ProgramTest, ASecondCopyInTheSameFolderStopsBeforeTouchingAFile) {
    InstanceLock first;
    ASSERT_EQ(first.take("kvb.lock"), InstanceLock::TAKEN);
    writeFile("kvb.log", "the first copy's log\n");
    writeFile("save3.kvb.123-0.tmp", "half a save of a killed run");
    EXPECT_EQ(WinMain(), 1);
    hge = engine;
    ASSERT_EQ(engine->messageBoxes().size(), 1u);
    EXPECT_NE(engine->messageBoxes()[0].text.find("already running"), std::string::npos);
    EXPECT_EQ(readFile("kvb.log"), "the first copy's log\n");
    EXPECT_TRUE(hasTempFiles()) << "the first copy's files are its own";

    first.release();
    EXPECT_EQ(WinMain(), 1);  // starts, clears what a killed run left, then stops for want of a pack
    hge = engine;
    EXPECT_FALSE(hasTempFiles());
}

TEST_F(ProgramTest, TitleMenuEntriesLeadToTheirScreens) {
    static std::string called;
    called.clear();
    gameHooks.initLoadScreen = [] { called += "load "; };
    gameHooks.initOptionsScreen = [] { called += "options "; };
    gameHooks.initCredits = [] { called += "credits "; };
    for (selected = 0; selected < MAXTITLEOPTIONS; ++selected) exitTitleScreen();
    EXPECT_EQ(called, "load load options credits ");
    EXPECT_TRUE(newGame);
    EXPECT_EQ(gameMode, MODE_INST);
    EXPECT_EQ(pl[0].misc[M_INST], 3);
    EXPECT_EQ(pl[0].misc[M_OPTIONS], 3);
    EXPECT_TRUE(done);
}

TEST_F(ProgramTest, LeavingForTheTitleResetsTheGameAndReloadsData) {
    static int loads = 0, titles = 0;
    loads = titles = 0;
    gameHooks.loadData = [] { ++loads; };
    gameHooks.initTitleScreen = [] { ++titles; };
    newGame = true;
    gameMode = MODE_WINMATCH;
    back2titleFromGame();
    EXPECT_EQ(loads, 1);
    EXPECT_EQ(titles, 1);
    EXPECT_FALSE(newGame);
    EXPECT_EQ(gameMode, MODE_TITLE);
}

TEST_F(ProgramTest, LeavingAMatchGoesToTheEndingOrTheOpponents) {
    static std::string called;
    called.clear();
    gameHooks.initEnding = [] { called += "ending "; };
    gameHooks.initSelectOppScreen = [] { called += "opponents "; };
    back2SelectScreen(true);
    back2SelectScreen(false);
    EXPECT_EQ(called, "ending opponents ");
}

TEST(Text, ItosWritesDecimalNumbers) {
    EXPECT_EQ(itos(0), "0");
    EXPECT_EQ(itos(-17), "-17");
    EXPECT_EQ("enemy" + itos(24), "enemy24");
}

TEST_F(ProgramTest, TheUserFolderHoldsLockLogAndCopiedSavesAndTheOldFolderKeepsItsOwn) {
    writeFile("save2.kvb", "a save of the old layout");
    StartOptions options;
    std::string error;
    char arg0[] = "kvb", arg1[] = "--user-dir", arg2[] = "user";
    char* argv[] = {arg0, arg1, arg2};
    ASSERT_TRUE(parseCommandLine(3, argv, options, error)) << error;
    EXPECT_EQ(options.userDir, "user");
    EXPECT_FALSE(parseCommandLine(2, argv, options, error)) << "--user-dir without a folder";

    EXPECT_EQ(WinMain(options), 1);  // stops for want of a pack, after setting up its folder
    hge = engine;
    EXPECT_EQ(readFile("user/save2.kvb"), "a save of the old layout");
    EXPECT_EQ(readFile("save2.kvb"), "a save of the old layout");
    EXPECT_NE(readFile("user/kvb.log").find("/save2.kvb to user/save2.kvb"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(workDir + "/user/kvb.lock"));
    EXPECT_FALSE(std::filesystem::exists(workDir + "/kvb.log")) << "nothing written beside the old saves";
}

TEST_F(ProgramTest, AUserFolderThatCannotBeMadeIsSaidAndTheGameRunsOnWithoutSaving) {
    writeFile("afile", "not a folder");
    StartOptions options;
    options.userDir = "afile/user";
    EXPECT_EQ(WinMain(options), 1);  // the missing pack ends it, not the folder
    hge = engine;
    ASSERT_EQ(engine->messageBoxes().size(), 2u);
    EXPECT_NE(engine->messageBoxes()[0].text.find("afile/user"), std::string::npos);
    EXPECT_NE(engine->messageBoxes()[0].text.find("runs on without saving"), std::string::npos);
    EXPECT_NE(engine->messageBoxes()[1].text.find("kvb.paq"), std::string::npos);
    EXPECT_TRUE(logContains("Nothing is saved in this run"));
}
