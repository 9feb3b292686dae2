// The pack through the game's own resource manager on the headless engine: the script
// parses without a logged complaint, and every inventory name is created from its files.
#include <gtest/gtest.h>

#include "tests/assets/inventory.h"
#include "tests/support/engine_test.h"
#include "toolkit/hgeresource.h"

namespace {

class PackThroughResourceManager : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        ASSERT_TRUE(hge->Resource_AttachPack(KVB_PACK_PATH)) << KVB_PACK_PATH;
    }
};

}  // namespace

TEST_F(PackThroughResourceManager, EveryInventoryNameLoadsWithAnEmptyLog) {
    engine->clearLogLines();
    hgeResourceManager manager("resource.res");
    EXPECT_TRUE(engine->logLines().empty()) << "first complaint: " << engine->logLines().front();
    ASSERT_TRUE(manager.Precache(0));
    for (const auto& [type, name] : gameInventory()) {
        const char* n = name.c_str();
        bool made = false;
        if (type == "Sprite")
            made = manager.GetSprite(n) != nullptr;
        else if (type == "Animation")
            made = manager.GetAnimation(n) != nullptr;
        else if (type == "Font")
            made = manager.GetFont(n) != nullptr && manager.GetFont(n)->GetStringWidth("?") > 0;
        else if (type == "Particle")
            made = manager.GetParticleSystem(n) != nullptr;
        else if (type == "Sound")
            made = manager.GetEffect(n) != 0;
        else if (type == "Music")
            made = manager.GetMusic(n) != 0;
        else if (type == "Stream")
            made = manager.GetStream(n) != 0;
        EXPECT_TRUE(made) << type << " " << name;
    }
    EXPECT_TRUE(engine->logLines().empty()) << "first complaint: " << engine->logLines().front();
}
