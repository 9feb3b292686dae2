#include <limits>
#include <vector>

#include "tests/toolkit/toolkit_test.h"
#include "toolkit/hgeanim.h"

class AnimationTest : public ToolkitTest {
protected:
    void expectFrameAt(hgeAnimation& anim, int frame, float x, float y) {
        anim.SetFrame(frame);
        float tx, ty, w, h;
        anim.GetTextureRect(&tx, &ty, &w, &h);
        EXPECT_FLOAT_EQ(tx, x) << "frame " << frame;
        EXPECT_FLOAT_EQ(ty, y) << "frame " << frame;
    }
};

TEST_F(AnimationTest, FramesPastTheRightEdgeContinueOnRowsFromTheLeftEdge) {
    // 64 pixels wide, frames of 16 starting at x 32: two fit on the first row, then four
    // per row from the left edge.
    hgeAnimation anim(makeTexture(64, 64), 12, 10, 32, 8, 16, 10);
    expectFrameAt(anim, 0, 32, 8);
    expectFrameAt(anim, 1, 48, 8);
    expectFrameAt(anim, 2, 0, 18);
    expectFrameAt(anim, 5, 48, 18);
    expectFrameAt(anim, 6, 0, 28);
}

TEST_F(AnimationTest, SetFrameWrapsNegativeAndLargeNumbers) {
    hgeAnimation anim(makeTexture(256, 16), 5, 10, 0, 0, 16, 16);
    anim.SetFrame(-1);
    EXPECT_EQ(anim.GetFrame(), 4);
    anim.SetFrame(-7);
    EXPECT_EQ(anim.GetFrame(), 3);
    anim.SetFrame(12);
    EXPECT_EQ(anim.GetFrame(), 2);
}

TEST_F(AnimationTest, EveryPlayModeStepsAsItShould) {
    struct Case {
        int mode;
        std::vector<int> frames;  // after each of eight updates of one frame's time
        bool playingAfter;
    };
    const Case cases[] = {
        {HGEANIM_FWD | HGEANIM_NOLOOP, {1, 2, 3, 3, 3, 3, 3, 3}, false},
        {HGEANIM_FWD | HGEANIM_LOOP, {1, 2, 3, 0, 1, 2, 3, 0}, true},
        {HGEANIM_FWD | HGEANIM_PINGPONG, {1, 2, 3, 2, 1, 0, 0, 0}, false},
        {HGEANIM_FWD | HGEANIM_PINGPONG | HGEANIM_LOOP, {1, 2, 3, 2, 1, 0, 1, 2}, true},
        {HGEANIM_REV | HGEANIM_NOLOOP, {2, 1, 0, 0, 0, 0, 0, 0}, false},
        {HGEANIM_REV | HGEANIM_LOOP, {2, 1, 0, 3, 2, 1, 0, 3}, true},
        {HGEANIM_REV | HGEANIM_PINGPONG, {2, 1, 0, 1, 2, 3, 3, 3}, false},
        {HGEANIM_REV | HGEANIM_PINGPONG | HGEANIM_LOOP, {2, 1, 0, 1, 2, 3, 2, 1}, true},
    };
    HTEXTURE tex = makeTexture(64, 16);
    for (const Case& c : cases) {
        hgeAnimation anim(tex, 4, 10, 0, 0, 16, 16);
        anim.SetMode(c.mode);
        anim.Play();
        EXPECT_EQ(anim.GetFrame(), c.mode & HGEANIM_REV ? 3 : 0);
        anim.Update(0.1f);  // the first update after Play only starts the clock
        EXPECT_EQ(anim.GetFrame(), c.mode & HGEANIM_REV ? 3 : 0);
        std::vector<int> seen;
        for (int i = 0; i < 8; ++i) {
            anim.Update(0.1f);
            seen.push_back(anim.GetFrame());
        }
        EXPECT_EQ(seen, c.frames) << "mode " << c.mode;
        EXPECT_EQ(anim.IsPlaying(), c.playingAfter) << "mode " << c.mode;
    }
}

// Eight frames a second: every time below is exact in binary.
TEST_F(AnimationTest, AnUpdateStepsOneFrameAtMostAndCarriesTheRest) {
    hgeAnimation anim(makeTexture(64, 16), 4, 8, 0, 0, 16, 16);
    anim.Play();
    anim.Update(0);
    anim.Update(0.3125f);  // two and a half frames' time
    EXPECT_EQ(anim.GetFrame(), 1) << "one frame per update";
    anim.Update(0);
    EXPECT_EQ(anim.GetFrame(), 2) << "the frame carried over is due next";
    anim.Update(0.0625f);
    EXPECT_EQ(anim.GetFrame(), 2);
    anim.Update(0.0625f);
    EXPECT_EQ(anim.GetFrame(), 3);
    anim.Stop();
    anim.Update(1);
    EXPECT_EQ(anim.GetFrame(), 3);
}

TEST_F(AnimationTest, BrokenOrHugeTimeStepsLeaveTheAnimationAtItsPace) {
    const float bad[] = {std::numeric_limits<float>::quiet_NaN(), -100, 1e30f, std::numeric_limits<float>::max(),
                         std::numeric_limits<float>::infinity()};
    for (float dt : bad) {
        hgeAnimation anim(makeTexture(64, 16), 5000, 8, 0, 0, 16, 16);
        anim.Play();
        anim.Update(0);
        anim.Update(dt);
        anim.Update(0);
        const int shown = anim.GetFrame();
        EXPECT_LE(shown, 2) << dt << ": one frame for the update and at most one carried";
        for (int half = 1; half <= 4; ++half) {
            anim.Update(0.0625f);
            EXPECT_EQ(anim.GetFrame(), shown + half / 2) << dt << " after " << half << " half frames";
        }
    }

    // An animation faster than the updates steps once each; slowed down later, it does not
    // race through the frames it could not show.
    hgeAnimation fast(makeTexture(64, 16), 4, 1000, 0, 0, 16, 16);
    fast.Play();
    fast.Update(0);
    for (int i = 0; i < 101; ++i) fast.Update(0.01f);
    EXPECT_EQ(fast.GetFrame(), 1);
    fast.SetSpeed(8);
    fast.Update(0.0625f);
    fast.Update(0.0625f);
    EXPECT_EQ(fast.GetFrame(), 2);
    fast.Update(0.0625f);
    EXPECT_EQ(fast.GetFrame(), 2);
}

TEST_F(AnimationTest, DegenerateSizesDoNotCrash) {
    hgeAnimation wide(makeTexture(8, 8), 3, 10, 0, 0, 16, 16);  // frame wider than texture
    wide.SetFrame(2);
    hgeAnimation none(0, 0, 0, 0, 0, 16, 16);  // no texture, no frames, no speed
    none.Play();
    none.Update(1);
    EXPECT_EQ(none.GetFrame(), 0);
    auto quads = drawn([&] { none.Render(0, 0); });
    EXPECT_EQ(quads.size(), 1u);
    hgeAnimation racing(0, 4, 1e30f, 0, 0, 16, 16);  // must not spin for ever
    racing.Play();
    racing.Update(0);
    racing.Update(1);
    EXPECT_TRUE(racing.IsPlaying());
}
