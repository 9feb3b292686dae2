#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/core/folder_choice.h"
#include "platform/core/game_paths.h"

namespace fs = std::filesystem;

namespace {
class Folders : public ::testing::Test {
protected:
    void SetUp() override {
        root = fs::temp_directory_path() / ("kvb_folders_" + std::to_string(::getpid()) + "_" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root);
        fs::create_directories(root);
    }
    void TearDown() override { fs::remove_all(root); }
    std::string dir(const std::string& name) {
        fs::create_directories(root / name);
        return (root / name).string() + "/";
    }
    static void write(const std::string& path, const std::string& text) { std::ofstream(path) << text; }
    static std::string read(const std::string& path) {
        std::ifstream in(path);
        std::stringstream ss;
        ss << in.rdbuf();
        return ss.str();
    }
    fs::path root;
};
}  // namespace

TEST_F(Folders, TheCommandLineBeatsTheEnvironmentWhichBeatsPortableWhichBeatsTheDataFolder) {
    FolderInputs in{"cli/", "env/", dir("game"), "pref/"};
    write(in.baseDir + "portable.txt", "");
    EXPECT_EQ(chooseUserDir(in).dir, "cli/");
    in.userDirOption.clear();
    EXPECT_EQ(chooseUserDir(in).dir, "env/");
    EXPECT_EQ(chooseUserDir(in).why, "KVB_USER_DIR");
    in.userDirEnv.clear();
    EXPECT_EQ(chooseUserDir(in).dir, in.baseDir) << "a portable copy keeps everything beside the game";
    fs::remove(in.baseDir + "portable.txt");
    EXPECT_EQ(chooseUserDir(in).dir, "pref/");
    EXPECT_EQ(joinPath("", "save0.kvb"), "save0.kvb") << "no folder is the working folder";
    EXPECT_EQ(joinPath("a", "b"), "a/b");
    EXPECT_EQ(joinPath("a/", "b"), "a/b");
}

TEST_F(Folders, DataIsFoundBesideTheGameElseInTheInstalledShareFolderAndTheMessageSaysWhereItLooked) {
    const std::string bin = dir("usr/bin"), share = dir("usr/share/kvbgame");
    DataDirChoice none = findDataDir(bin, "kvbgame", "kvb.paq");
    EXPECT_FALSE(none.found);
    EXPECT_NE(none.looked.find(bin), std::string::npos);
    EXPECT_NE(none.looked.find("usr/share/kvbgame/"), std::string::npos);

    write(share + "kvb.paq", "pack");
    DataDirChoice installed = findDataDir(bin, "kvbgame", "kvb.paq");
    ASSERT_TRUE(installed.found);
    EXPECT_TRUE(fs::equivalent(installed.dir, share));

    write(bin + "kvb.paq", "pack");
    EXPECT_EQ(findDataDir(bin, "kvbgame", "kvb.paq").dir, bin) << "a build tree or portable copy wins";
}

TEST_F(Folders, OldSavesAndOptionsComeAcrossOnceWithoutReplacingNewOnesOrMovingTheOldOnes) {
    const std::string build = dir("build/play"), cwd = dir("cwd"), user = dir("user");
    write(build + "save0.kvb", "old slot 0");
    write(build + "save0.kvb.bak", "old backup 0");
    write(build + "kvb.log", "an old log");
    write(cwd + "save0.kvb", "slot 0 from the working folder");
    write(cwd + "Options.ini", "[Misc]\n");
    write(build + "save4.kvb", "old slot 4");
    write(user + "save4.kvb", "new slot 4");

    const std::vector<std::string> notes = copyOldFiles({build, cwd, user}, user);
    EXPECT_EQ(notes.size(), 3u);
    EXPECT_EQ(read(user + "save0.kvb"), "old slot 0") << "the folder beside the game comes first";
    EXPECT_EQ(read(user + "save0.kvb.bak"), "old backup 0");
    EXPECT_EQ(read(user + "Options.ini"), "[Misc]\n");
    EXPECT_EQ(read(user + "save4.kvb"), "new slot 4") << "a file already there is never replaced";
    EXPECT_FALSE(fs::exists(user + "kvb.log"));
    EXPECT_EQ(read(build + "save0.kvb"), "old slot 0") << "copied, not moved";

    fs::remove(user + "save0.kvb");  // the player cleared the slot
    EXPECT_TRUE(copyOldFiles({build, cwd}, user).empty());
    EXPECT_FALSE(fs::exists(user + "save0.kvb")) << "a cleared slot does not come back";
}

TEST_F(Folders, AFolderThatCannotBeMadeSaysWhy) {
    std::string error;
    EXPECT_TRUE(makeFolder(root.string() + "/a/b/c", error));
    write(root.string() + "/file", "");
    EXPECT_FALSE(makeFolder(root.string() + "/file/sub", error));
    EXPECT_FALSE(error.empty());
    setenv("XDG_DATA_HOME", "/data/home", 1);
    EXPECT_EQ(defaultPrefDir("org", "app"), "/data/home/org/app/");
    unsetenv("XDG_DATA_HOME");
}
