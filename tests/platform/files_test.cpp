// Files read and written whole, the temporary files of writes, and the one-copy-per-folder lock.
#include "tests/support/engine_test.h"

#include <filesystem>

#include "platform/core/atomic_file.h"
#include "platform/core/instance_lock.h"

namespace fs = std::filesystem;

class FilesTest : public EngineTest {};

TEST_F(FilesTest, AReadTellsAMissingFileFromOneThatCannotBeRead) {
    std::string bytes = "stale", error;
    EXPECT_EQ(readFileWhole("absent.txt", bytes, &error), FileRead::MISSING);
    EXPECT_EQ(bytes, "");
    EXPECT_EQ(readFileWhole("absent/inside.txt", bytes), FileRead::MISSING);

    fs::create_directory("folder.txt");
    EXPECT_EQ(readFileWhole("folder.txt", bytes, &error), FileRead::UNREADABLE);
    EXPECT_NE(error.find("folder.txt"), std::string::npos);

    std::string big(200000, 'x');
    big[123456] = '\0';
    writeFile("big.bin", big);
    EXPECT_EQ(readFileWhole("big.bin", bytes), FileRead::OK);
    EXPECT_EQ(bytes, big) << "read whole, NUL bytes and all";
}

TEST_F(FilesTest, WritesUseTemporaryNamesOfTheirOwnAndStrayOnesAreCleared) {
    ASSERT_TRUE(writeFileAtomically("save1.kvb", "one"));
    ASSERT_TRUE(writeFileAtomically("save1.kvb", "two"));
    EXPECT_EQ(readFile("save1.kvb"), "two");
    EXPECT_FALSE(hasTempFiles());

    // What a killed run may leave, next to files that only look alike.
    for (const char* name : {"save1.kvb.4242-0.tmp", "Options.ini.7-13.tmp"}) writeFile(name, "half");
    for (const char* name : {"notes.tmp", "save1.kvb.tmp", "a.b-c.tmp", "x.12-.tmp"}) writeFile(name, "mine");
    fs::create_directory("folder.1-2.tmp");
    removeStrayTempFiles(workDir);
    EXPECT_FALSE(fs::exists("save1.kvb.4242-0.tmp"));
    EXPECT_FALSE(fs::exists("Options.ini.7-13.tmp"));
    for (const char* name : {"notes.tmp", "save1.kvb.tmp", "a.b-c.tmp", "x.12-.tmp", "folder.1-2.tmp", "save1.kvb"})
        EXPECT_TRUE(fs::exists(name)) << name;

    // A write that cannot finish leaves the old file and no temporary file behind.
    {
        FailingWrites diskFull;
        std::string error;
        EXPECT_FALSE(writeFileAtomically("save1.kvb", "three", &error));
        EXPECT_NE(error.find("cannot write"), std::string::npos) << error;
    }
    EXPECT_EQ(readFile("save1.kvb"), "two");
}

TEST_F(FilesTest, OnlyOneHolderOfTheFolderLockAtATime) {
    InstanceLock first, second;
    EXPECT_EQ(first.take("kvb.lock"), InstanceLock::TAKEN);
    EXPECT_EQ(second.take("kvb.lock"), InstanceLock::HELD_ELSEWHERE);
    first.release();
    EXPECT_EQ(second.take("kvb.lock"), InstanceLock::TAKEN);
    std::string error;
    EXPECT_EQ(first.take("no/such/folder/kvb.lock", &error), InstanceLock::FAILED);
    EXPECT_NE(error.find("no/such/folder"), std::string::npos);
}
