// Running the generator: the same sources give the same pack byte for byte (whatever the
// number of worker threads), missing vehicle data falls back, and a broken script fails
// without touching an existing pack. The preview tool draws its sheets from the pack.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "assets/zip_index.h"
#include "tests/assets/pack_fixture.h"

namespace fs = std::filesystem;

namespace {

class GeneratorRun : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("kvb_assetgen_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }

    // Exit status of the generator run with these inputs.
    int run(const std::string& script, const std::string& data, const std::string& out, int jobs) const {
        return shell(std::string("\"") + KVB_ASSETGEN_PATH + "\" --res \"" + script + "\" --data \"" + data +
                     "\" --out \"" + out + "\" --jobs " + std::to_string(jobs));
    }
    int shell(const std::string& command) const {
        const int status = std::system((command + " > \"" + (dir / "log.txt").string() + "\" 2>&1").c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string log() const { return readWholeFile((dir / "log.txt").string()); }

    fs::path dir;
};

}  // namespace

// The build makes the pack with two workers; one worker must give the same bytes.
TEST_F(GeneratorRun, SameSourcesGiveTheSamePackWithOneOrTwoWorkers) {
    const std::string out = (dir / "kvb.paq").string();
    ASSERT_EQ(run(KVB_RESOURCE_SCRIPT, KVB_VEHICLE_DATA, out, 1), 0) << log();
    const std::string bytes = readWholeFile(out);
    ASSERT_GT(bytes.size(), 1000000u);
    EXPECT_TRUE(bytes == BuiltPack::get().bytes)
        << "one worker's pack differs from the built two-worker pack (or the built pack is stale)";
    EXPECT_FALSE(fs::exists(out + ".part"));
}

TEST_F(GeneratorRun, MissingVehicleDataFallsBackWithAMessage) {
    const std::string source = (dir / "vehicles.res").string(), out = (dir / "kvb.paq").string();
    // A texture of its own: the vehicles' usual ones move onto the battle's shared sheet.
    std::ofstream(source) << "Texture \"txOwnVeh3\"\n{\n  filename = \"gfx/veh3.png\"\n}\n"
                          << "Sprite \"veh3\"\n{\n  texture = \"txOwnVeh3\"\n  rect = 0, 0, 1, 1\n}\n"
                          << "Sprite \"vehR3\"\n{\n  texture = \"txOwnVeh3\"\n  rect = 1, 0, 1, 1 ; fitted\n}\n";
    ASSERT_EQ(run(source, (dir / "no_such_data.paq").string(), out, 2), 0) << log();
    EXPECT_NE(log().find("vehicle sizes not taken from the data"), std::string::npos) << log();
    const std::string bytes = readWholeFile(out);
    ZipIndex zip;
    ASSERT_TRUE(zip.open(bytes));
    std::string text;
    ASSERT_TRUE(zip.read("resource.res", text));
    ResScript script;
    std::string error;
    ASSERT_TRUE(parseResScript(text, script, error)) << error;
    const ResEntry* right = script.find("Sprite", "vehR3");
    ASSERT_NE(right, nullptr);
    EXPECT_EQ(right->rect[0], 2 * right->rect[2]);  // straight, left, right side by side
    EXPECT_GT(right->rect[2], 8);
    EXPECT_NE(text.find("; fitted"), std::string::npos);  // the rest of the line is kept
    EXPECT_TRUE(zip.read("gfx/veh3.png", text));
}

TEST_F(GeneratorRun, BrokenScriptFailsAndLeavesTheOldPackAlone) {
    const std::string script = (dir / "broken.res").string(), out = (dir / "kvb.paq").string();
    std::ofstream(script) << "Sprite \"a\"\n{\n  texture = \"t\"\n  rect = 0, 0\n}\n";
    std::ofstream(out) << "previous pack";
    EXPECT_NE(run(script, KVB_VEHICLE_DATA, out, 1), 0);
    EXPECT_NE(log().find("line 4"), std::string::npos) << log();
    EXPECT_EQ(readWholeFile(out), "previous pack");
}

TEST_F(GeneratorRun, PicturesWithoutAPainterOrPaintedOverEachOtherFail) {
    const std::string script = (dir / "holes.res").string(), out = (dir / "kvb.paq").string();
    const std::string texture = "Texture \"txOwn\"\n{\n  filename = \"gfx/own.png\"\n}\n";
    std::ofstream(script) << texture << "Sprite \"mystery\"\n{\n  texture = \"txOwn\"\n  rect = 0, 0, 8, 8\n}\n";
    EXPECT_NE(run(script, KVB_VEHICLE_DATA, out, 1), 0);
    EXPECT_NE(log().find("no picture for mystery"), std::string::npos) << log();
    EXPECT_FALSE(fs::exists(out));

    std::ofstream(script) << texture << "Sprite \"star\"\n{\n  texture = \"txOwn\"\n  rect = 0, 0, 24, 24\n}\n"
                          << "Sprite \"heart\"\n{\n  texture = \"txOwn\"\n  rect = 20, 0, 20, 24\n}\n";
    EXPECT_NE(run(script, KVB_VEHICLE_DATA, out, 1), 0);
    EXPECT_NE(log().find("overlapping pictures on txOwn: star / heart"), std::string::npos) << log();
}

TEST_F(GeneratorRun, PreviewDrawsEverySheetFromThePack) {
    const std::string preview = std::string("\"") + KVB_ASSETPREVIEW_PATH + "\" ";
    ASSERT_EQ(shell(preview + "\"" KVB_PACK_PATH "\" \"" + dir.string() + "\""), 0) << log();
    for (const char* sheet :
         {"sprites", "screens", "anim-battle", "anim-enemies", "anim-opponents", "fonts", "particles", "sounds"}) {
        const fs::path png = dir / (std::string(sheet) + ".png");
        EXPECT_TRUE(fs::exists(png) && fs::file_size(png) > 10000u) << sheet;
    }
    EXPECT_NE(shell(preview + "\"" + (dir / "missing.paq").string() + "\" \"" + dir.string() + "\""), 0);
    EXPECT_NE(log().find("missing.paq"), std::string::npos) << log();
}
