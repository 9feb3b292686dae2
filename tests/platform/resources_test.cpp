#include "tests/support/engine_test.h"

#include <cstdio>

#include <stb/stb_image_write.h>

#include "platform/core/zip_writer.h"

namespace {
std::string loadText(const char* name) {
    DWORD size = 0;
    void* data = hge->Resource_Load(name, &size);
    if (!data) return "<missing>";
    std::string text(static_cast<char*>(data), size);
    hge->Resource_Free(data);
    return text;
}
}  // namespace

class ResourceTest : public EngineTest {
protected:
    void writePack(const std::string& name, std::initializer_list<std::pair<std::string, std::string>> files) {
        ZipWriter zip;
        for (const auto& [file, bytes] : files) zip.add(file, bytes);
        writeFile(name, zip.finish());
    }
};

TEST_F(ResourceTest, APackIsReadBeforeTheDiskAndTheDiskFillsTheGaps) {
    writePack("kvb.paq", {{"resource.res", "from the pack"}, {"gfx/a.txt", std::string(5000, 'x')}});
    writeFile("resource.res", "from the disk");
    writeFile("only_on_disk.txt", "disk");
    ASSERT_TRUE(hge->Resource_AttachPack("kvb.paq"));

    EXPECT_EQ(loadText("resource.res"), "from the pack");
    EXPECT_EQ(loadText("gfx\\a.txt"), std::string(5000, 'x')) << "backslashes name pack folders too";
    EXPECT_EQ(loadText("only_on_disk.txt"), "disk");
    EXPECT_EQ(loadText("nowhere.txt"), "<missing>");

    hge->Resource_RemoveAllPacks();
    EXPECT_EQ(loadText("resource.res"), "from the disk");
}

TEST_F(ResourceTest, AMissingOrBrokenPackFailsWithAMessage) {
    EXPECT_FALSE(hge->Resource_AttachPack("absent.paq"));
    EXPECT_NE(std::string(hge->System_GetErrorMessage()).find("absent.paq"), std::string::npos);
    writeFile("broken.paq", "this is not a zip archive at all");
    EXPECT_FALSE(hge->Resource_AttachPack("broken.paq"));
}

TEST_F(ResourceTest, ZipArchivesAreReproducible) {
    auto build = [] {
        ZipWriter zip;
        zip.add("b.txt", std::string(1000, 'b'));
        zip.add("a.txt", "tiny", false);
        return zip.finish();
    };
    EXPECT_EQ(build(), build());
}

TEST_F(ResourceTest, AnEmptyFileLoadsAsAnEmptyString) {
    writeFile("empty.txt", "");
    DWORD size = 99;
    void* data = hge->Resource_Load("empty.txt", &size);
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(size, 0u);
    EXPECT_EQ(static_cast<const char*>(data)[0], 0);
    hge->Resource_Free(data);
}

TEST_F(ResourceTest, TexturesLoadFromPngAndAMissingOneIsZero) {
    const unsigned char pixels[2 * 3 * 4] = {255, 0, 0, 255};
    ASSERT_TRUE(stbi_write_png((workDir + "/tiny.png").c_str(), 2, 3, 4, pixels, 8));
    const HTEXTURE tex = hge->Texture_Load("tiny.png");
    ASSERT_NE(tex, 0u);
    EXPECT_EQ(hge->Texture_GetWidth(tex), 2);
    EXPECT_EQ(hge->Texture_GetHeight(tex), 3);
    EXPECT_EQ(engine->texturesLoaded(), 1);
    hge->Texture_Free(tex);
    hge->Texture_Free(tex);  // a second free is ignored, not a double delete
    const HTARGET target = hge->Target_Create(4, 4, false);
    hge->Texture_Free(hge->Target_GetTexture(target));  // belongs to the target
    hge->Target_Free(target);
    hge->Target_Free(target);
    // One left loaded is the engine's to delete when it is released (the leak check sees it).
    ASSERT_NE(hge->Texture_Load("tiny.png"), 0u);

    // Loads of one picture share a texture, which stays until the last of them frees it.
    const HTEXTURE first = hge->Texture_Load("tiny.png"), second = hge->Texture_Load("tiny.png");
    EXPECT_EQ(first, second);
    EXPECT_EQ(engine->texturesLoaded(), 2);
    hge->Texture_Free(first);
    EXPECT_EQ(hge->Texture_GetWidth(second), 2);
    hge->Texture_Free(second);

    EXPECT_EQ(hge->Texture_Load("none.png"), 0u);
    EXPECT_TRUE(logContains("none.png"));
    writeFile("bad.png", "not a png");
    EXPECT_EQ(hge->Texture_Load("bad.png"), 0u);
    EXPECT_EQ(hge->Texture_GetWidth(0), 0);
}

// A texture let go keeps its handle; drawn again it is read back from its file first, and
// one whose file has gone since is logged and not drawn.
TEST_F(ResourceTest, ALetGoTextureComesBackFromItsFileWhenDrawn) {
    const unsigned char pixels[4 * 4 * 4] = {255, 0, 0, 255};
    ASSERT_TRUE(stbi_write_png((workDir + "/sheet.png").c_str(), 4, 4, 4, pixels, 16));
    const HTEXTURE tex = hge->Texture_Load("sheet.png");
    ASSERT_NE(tex, 0u);
    auto drawOnce = [&] {
        hgeQuad q{};
        q.tex = tex;
        q.blend = BLEND_DEFAULT;
        hge->Gfx_BeginScene();
        hge->Gfx_RenderQuad(&q);
        hge->Gfx_EndScene();
        return engine->lastScene().batches;
    };

    hge->Texture_SetResident(tex, false);
    EXPECT_EQ(hge->Texture_GetWidth(tex), 4);
    hge->Texture_SetResident(tex, true);
    hge->Texture_SetResident(tex, true);
    EXPECT_EQ(engine->texturesLoaded(), 2) << "made again once";

    hge->Texture_SetResident(tex, false);
    EXPECT_EQ(drawOnce(), 1);
    EXPECT_EQ(engine->texturesLoaded(), 3);
    EXPECT_TRUE(logContains("drawn while let go"));

    hge->Texture_SetResident(tex, false);
    std::remove((workDir + "/sheet.png").c_str());
    EXPECT_EQ(drawOnce(), 0);
    EXPECT_EQ(drawOnce(), 0);
    EXPECT_TRUE(logContains("could not be loaded again"));
    EXPECT_EQ(engine->texturesLoaded(), 3);
    hge->Texture_Free(tex);
}
