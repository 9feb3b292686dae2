#include "tests/support/engine_test.h"

#include <set>
#include <vector>

#include "platform/core/input_state.h"

class EngineCoreTest : public EngineTest {};

TEST_F(EngineCoreTest, AFixedSeedReplaysTheSameSequence) {
    auto draw = [] {
        std::vector<float> out;
        for (int i = 0; i < 50; ++i) {
            out.push_back(static_cast<float>(hge->Random_Int(-5, 1000)));
            out.push_back(hge->Random_Float(0, 1));
        }
        return out;
    };
    hge->Random_Seed(77);
    const auto first = draw();
    hge->Random_Seed(77);
    EXPECT_EQ(draw(), first);
    hge->Random_Seed(78);
    EXPECT_NE(draw(), first);
}

TEST_F(EngineCoreTest, RandomIntReachesBothBoundsAndNothingBeyond) {
    std::set<int> seen;
    for (int i = 0; i < 2000; ++i) seen.insert(hge->Random_Int(3, 7));
    EXPECT_EQ(seen, (std::set<int>{3, 4, 5, 6, 7}));
    EXPECT_EQ(hge->Random_Int(4, 4), 4);
    for (int i = 0; i < 1000; ++i) {
        const float f = hge->Random_Float(-2, 2);
        ASSERT_GE(f, -2);
        ASSERT_LT(f, 2);
    }
}

TEST_F(EngineCoreTest, QuadsSharingTextureAndBlendGoOutAsOneDrawCall) {
    hgeQuad q{};
    q.blend = BLEND_DEFAULT;
    auto scene = [&](int n, auto textureOf) {
        hge->Gfx_BeginScene();
        for (int i = 0; i < n; ++i) {
            q.tex = textureOf(i);
            hge->Gfx_RenderQuad(&q);
        }
        hge->Gfx_EndScene();
        return engine->lastScene();
    };
    EXPECT_EQ(scene(500, [](int) { return HTEXTURE(7); }).batches, 1);
    EXPECT_EQ(scene(500, [](int i) { return HTEXTURE(1 + i % 2); }).batches, 500);
    EXPECT_EQ(scene(500, [](int i) { return HTEXTURE(1 + i / 100); }).batches, 5);

    // A blend change splits a run; the z-write bit alone does not.
    hge->Gfx_BeginScene();
    q.tex = 3;
    for (int blend : {BLEND_DEFAULT, BLEND_DEFAULT | BLEND_ZWRITE, BLEND_COLORADD | BLEND_ALPHABLEND, BLEND_ALPHAADD})
        q.blend = blend, hge->Gfx_RenderQuad(&q);
    hge->Gfx_EndScene();
    EXPECT_EQ(engine->lastScene().quads, 4);
    EXPECT_EQ(engine->lastScene().batches, 3);
}

TEST_F(EngineCoreTest, ASecondKeyPressInOneFrameArrivesInTheNextFrame) {
    std::vector<int> keys;
    static std::vector<int>* sink;
    sink = &keys;
    hge->System_SetState(HGE_FRAMEFUNC, [] {
        sink->push_back(hge->Input_GetKey());
        return false;
    });
    engine->pressKey(vk::ENTER);
    engine->pressKey(vk::ESCAPE);
    engine->runFrame();
    engine->runFrame();
    engine->runFrame();
    EXPECT_EQ(keys, (std::vector<int>{vk::ENTER, vk::ESCAPE, 0}));
    EXPECT_TRUE(hge->Input_GetKeyState(vk::ENTER));
    engine->releaseKey(vk::ENTER);
    EXPECT_FALSE(hge->Input_GetKeyState(vk::ENTER));
    EXPECT_FALSE(hge->Input_GetKeyState(300)) << "codes past the table are never held";
}

TEST_F(EngineCoreTest, APressAndReleaseBetweenTwoFramesIsHeldForThatFrame) {
    static std::vector<bool> held;
    held.clear();
    hge->System_SetState(HGE_FRAMEFUNC, [] {
        held.push_back(hge->Input_GetKeyState(vk::LBUTTON));
        return false;
    });
    engine->pressKey(vk::LBUTTON);
    engine->releaseKey(vk::LBUTTON);
    engine->runFrame();
    engine->runFrame();
    engine->pressKey(vk::LBUTTON);
    engine->runFrame();
    engine->releaseKey(vk::LBUTTON);
    engine->runFrame();
    EXPECT_EQ(held, (std::vector<bool>{true, false, true, false}));
}

TEST_F(EngineCoreTest, WheelNotchesCountForOneFrame) {
    engine->turnWheel(2);
    engine->turnWheel(-3);
    engine->runFrame();
    EXPECT_EQ(hge->Input_GetMouseWheel(), -1);
    engine->runFrame();
    EXPECT_EQ(hge->Input_GetMouseWheel(), 0);
}

TEST(KeyNames, EveryKeyTheGameOffersHasAReadableName) {
    EXPECT_STREQ(virtualKeyName('W'), "W");
    EXPECT_STREQ(virtualKeyName(vk::SPACE), "Space");
    EXPECT_STREQ(virtualKeyName(vk::SHIFT), "Shift");
    EXPECT_STREQ(virtualKeyName(vk::LEFT), "Left Arrow");
    EXPECT_STREQ(virtualKeyName(vk::BACKSLASH), "\\");
    EXPECT_STREQ(virtualKeyName(vk::F1 + 11), "F12");
    EXPECT_STREQ(virtualKeyName(vk::NUMPAD0 + 7), "Numpad 7");
    EXPECT_STREQ(virtualKeyName(-4), "");
    EXPECT_STREQ(virtualKeyName(999), "");
    for (int code : {1, 2, 4, 8, 9, 13, 16, 17, 18, 27, 32, 37, 38, 39, 40, 186, 187, 188, 189, 190, 191, 192, 219, 221, 222})
        EXPECT_STRNE(virtualKeyName(code), "") << code;
}

TEST_F(EngineCoreTest, TheLogStartsAfreshAndTakesFormattedLines) {
    writeFile("kvb.log", "old run\n");
    hge->System_SetState(HGE_LOGFILE, "kvb.log");
    hge->System_Log("card %d: %s", 12, "Zap");
    EXPECT_EQ(readFile("kvb.log"), "card 12: Zap\n");
}

TEST_F(EngineCoreTest, AMessageBoxIsShownAndLogged) {
    hge->System_MessageBox("Could not load credits file.", "Error", MB_ICONSTOP | MB_SYSTEMMODAL);
    ASSERT_EQ(engine->messageBoxes().size(), 1u);
    EXPECT_EQ(engine->messageBoxes()[0].caption, "Error");
    EXPECT_TRUE(logContains("Could not load credits file."));
}

TEST_F(EngineCoreTest, ALongRunForgetsOldEffectChannelsButKeepsThePlayingMusic) {
    writeFile("boom.wav", "RIFF");
    writeFile("song.mod", "MOD");
    const HEFFECT boom = hge->Effect_Load("boom.wav");
    const HCHANNEL song = hge->Music_Play(hge->Music_Load("song.mod"), true);
    const HCHANNEL first = hge->Effect_Play(boom);
    HCHANNEL last = 0;
    for (int i = 0; i < 5000; ++i) last = hge->Effect_Play(boom);
    EXPECT_EQ(engine->channel(first), nullptr);
    EXPECT_FALSE(hge->Channel_IsPlaying(first));
    ASSERT_NE(engine->channel(last), nullptr);
    EXPECT_EQ(engine->channel(last)->source, "boom.wav");
    EXPECT_TRUE(hge->Channel_IsPlaying(song));
}
