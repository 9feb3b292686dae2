#include <algorithm>
#include <string>

#include "tests/toolkit/toolkit_test.h"
#include "toolkit/hgeresource.h"

class ResourceManagerTest : public ToolkitTest {
protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        writePng("ships.png", 64, 32);
        writeFile("ui.fnt", "ships.png 8 -65 10 12");
        for (const char* sound : {"boom.wav", "song.mod", "talk.ogg"}) writeFile(sound, "sound");
        hgeParticleSystemInfo info;
        info.emission = 100;
        info.lifetime = -1;
        info.particleLifeMin = info.particleLifeMax = 1;
        info.sizeStart = info.sizeEnd = 1;
        std::uint8_t bytes[PARTICLE_FILE_SIZE];
        writeParticleInfo(info, bytes);
        writeFile("spark.psi", std::string(reinterpret_cast<const char*>(bytes), sizeof bytes));
        writeFile("main.res", R"(
Texture ships { filename = "ships.png" resgroup = 1 }
Sprite hero { texture = ships rect = 16, 0, 16, 16 hotspot = 8, 8 color = 80FFFFFF resgroup = 1 }
Sprite ghost { texture = nowhere.png rect = 0, 0, 8, 8 resgroup = 2 }
Animation walk { texture = ships rect = 0, 16, 16, 16 frames = 4 fps = 10 mode = PINGPONG resgroup = 1 }
Font ui { filename = "ui.fnt" color = FF00FF00 scale = 2 resgroup = 1 }
Particle spark { filename = "spark.psi" sprite = hero resgroup = 1 }
Target screen { size = 128, 64 }
Distortion wave { texture = ships rect = 0, 0, 64, 32 mesh = 3, 2 }
Sound boom { filename = "boom.wav" }
Music song { filename = "song.mod" }
Stream talk { filename = "talk.ogg" }
)");
        rm.ChangeScript("main.res");
    }
    void TearDown() override {
        rm.ChangeScript();
        ToolkitTest::TearDown();
    }

    hgeResourceManager rm;
};

TEST_F(ResourceManagerTest, ObjectsAreCreatedOnFirstRequestAndCached) {
    EXPECT_EQ(engine->texturesLoaded(), 0);
    hgeSprite* hero = rm.GetSprite("hero");
    ASSERT_NE(hero, nullptr);
    EXPECT_EQ(engine->texturesLoaded(), 1);
    EXPECT_EQ(rm.GetSprite("hero"), hero);
    EXPECT_EQ(rm.GetAnimation("walk")->GetTexture(), hero->GetTexture());
    EXPECT_EQ(engine->texturesLoaded(), 1);

    auto quads = drawn([&] { hero->Render(100, 100); });
    ASSERT_EQ(quads.size(), 1u);
    EXPECT_FLOAT_EQ(quads[0].v[0].x, 92);
    EXPECT_FLOAT_EQ(quads[0].v[0].tx, 0.25f);
    EXPECT_EQ(quads[0].v[0].col, 0x80FFFFFFu);
}

TEST_F(ResourceManagerTest, EachTypeIsBuiltFromItsDescription) {
    hgeAnimation* walk = rm.GetAnimation("walk");
    EXPECT_EQ(walk->GetFrames(), 4);
    EXPECT_EQ(walk->GetMode(), HGEANIM_PINGPONG | HGEANIM_LOOP);
    EXPECT_FLOAT_EQ(walk->GetSpeed(), 10);

    hgeFont* ui = rm.GetFont("ui");
    EXPECT_EQ(ui->GetColor(), 0xFF00FF00u);
    EXPECT_FLOAT_EQ(ui->GetStringWidth("AB"), 44);

    hgeParticleSystem* spark = rm.GetParticleSystem("spark");
    EXPECT_EQ(spark->info.sprite, rm.GetSprite("hero"));
    EXPECT_EQ(spark->info.emission, 100);

    HTARGET screen = rm.GetTarget("screen");
    ASSERT_NE(screen, 0u);
    EXPECT_EQ(hge->Texture_GetWidth(hge->Target_GetTexture(screen)), 128);

    hgeDistortionMesh* wave = rm.GetDistortionMesh("wave");
    EXPECT_EQ(wave->GetCols(), 3);
    EXPECT_EQ(drawn([&] { wave->Render(0, 0); }).size(), 2u);

    const char* sources[] = {"boom.wav", "song.mod", "talk.ogg"};
    HCHANNEL channels[] = {hge->Effect_Play(rm.GetEffect("boom")),
                           hge->Music_Play(rm.GetMusic("song"), true),
                           hge->Stream_Play(rm.GetStream("talk"), false)};
    for (int i = 0; i < 3; ++i) {
        ASSERT_NE(engine->channel(channels[i]), nullptr) << sources[i];
        EXPECT_EQ(engine->channel(channels[i])->source, sources[i]);
    }
}

TEST_F(ResourceManagerTest, UndescribedNamesAreNullExceptForFiles) {
    EXPECT_EQ(rm.GetSprite("nobody"), nullptr);
    EXPECT_EQ(rm.GetAnimation("hero"), nullptr);
    EXPECT_EQ(rm.GetFont("nobody"), nullptr);
    EXPECT_EQ(rm.GetParticleSystem("nobody"), nullptr);
    EXPECT_EQ(rm.GetTarget("nobody"), 0u);
    EXPECT_EQ(rm.GetDistortionMesh("nobody"), nullptr);

    HTEXTURE direct = rm.GetTexture("ships.png");
    EXPECT_NE(direct, 0u);
    EXPECT_EQ(rm.GetTexture("ships.png"), direct);
    EXPECT_EQ(engine->texturesLoaded(), 1);
    ResDesc* added = rm.findRes(RES_TEXTURE, "ships.png");
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->resgroup, 0);

    DWORD size = 0;
    void* raw = rm.GetResource("ui.fnt", &size);
    ASSERT_NE(raw, nullptr);
    EXPECT_EQ(std::string(static_cast<const char*>(raw), size), "ships.png 8 -65 10 12");
    EXPECT_EQ(rm.GetResource("ui.fnt"), raw);

    // A file that fails to load is asked for once: the log names it once however often it is wanted.
    engine->clearLogLines();
    EXPECT_EQ(rm.GetTexture("absent.png"), 0u);
    EXPECT_EQ(rm.GetTexture("absent.png"), 0u);
    EXPECT_EQ(std::count_if(engine->logLines().begin(), engine->logLines().end(),
                            [](const std::string& line) { return line.find("absent.png") != std::string::npos; }),
              1);
}

TEST_F(ResourceManagerTest, PurgeFreesAGroupAndTheNextRequestCreatesAfresh) {
    hgeSprite* hero = rm.GetSprite("hero");
    hero->SetColor(0xFF000000);
    rm.GetSprite("ghost")->SetColor(0xFF000000);
    rm.Purge(1);
    EXPECT_EQ(rm.findRes(RES_SPRITE, "hero")->handle, 0u);
    EXPECT_NE(rm.findRes(RES_SPRITE, "ghost")->handle, 0u);
    EXPECT_EQ(rm.GetSprite("hero")->GetColor(), 0x80FFFFFFu);
    EXPECT_EQ(rm.GetSprite("ghost")->GetColor(), 0xFF000000u);
    EXPECT_EQ(engine->texturesLoaded(), 2);
    rm.Purge();
    EXPECT_EQ(rm.findRes(RES_SPRITE, "ghost")->handle, 0u);
}

TEST_F(ResourceManagerTest, PrecacheCreatesAGroupAndStopsAtTheFirstFailure) {
    EXPECT_TRUE(rm.Precache(1));
    EXPECT_NE(rm.findRes(RES_FONT, "ui")->handle, 0u);
    EXPECT_NE(rm.findRes(RES_PARTICLE, "spark")->handle, 0u);
    EXPECT_EQ(rm.findRes(RES_TARGET, "screen")->handle, 0u);

    writeFile("broken.res", "Texture a { filename = \"gone.png\" }\nSprite later { }\n");
    rm.ChangeScript("broken.res");
    EXPECT_EQ(rm.GetSprite("hero"), nullptr);
    EXPECT_FALSE(rm.Precache());
    EXPECT_EQ(rm.findRes(RES_SPRITE, "later")->handle, 0u);
}

TEST_F(ResourceManagerTest, MissingFilesGiveObjectsThatDrawAndPlayAsNothing) {
    hgeSprite* ghost = rm.GetSprite("ghost");
    ASSERT_NE(ghost, nullptr);
    EXPECT_EQ(ghost->GetTexture(), 0u);
    auto quads = drawn([&] { ghost->Render(0, 0); });
    ASSERT_EQ(quads.size(), 1u);
    EXPECT_EQ(quads[0].tex, 0u);

    writeFile("holes.res", "Font f { filename = \"no.fnt\" }\nParticle p { filename = \"no.psi\" }\n"
                           "Animation a { texture = no.png frames = 3 fps = 5 }\n");
    rm.ChangeScript("holes.res");
    hgeFont* font = rm.GetFont("f");
    ASSERT_NE(font, nullptr);
    EXPECT_TRUE(drawn([&] { font->Render(0, 0, "hello"); }).empty());
    hgeParticleSystem* ps = rm.GetParticleSystem("p");
    ASSERT_NE(ps, nullptr);
    ps->FireAt(10, 10);
    ps->Update(0.1f);
    EXPECT_TRUE(drawn([&] { ps->Render(); }).empty());
    hgeAnimation* anim = rm.GetAnimation("a");
    anim->Play();
    anim->Update(1);
    EXPECT_EQ(drawn([&] { anim->Render(0, 0); }).size(), 1u);
}
