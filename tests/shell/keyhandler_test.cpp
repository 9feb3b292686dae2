#include <utility>

#include "tests/support/engine_test.h"

#include "shell/world.h"

class KeyHandlerTest : public EngineTest {
protected:
    // One frame of the game loop as the selection screens see it.
    void frame(float dt = 0.01f) {
        engine->runFrame(dt);
        myKH.updateKeys(dt);
    }
};

TEST_F(KeyHandlerTest, AHeldKeyIsPressedOnceAndReleasedOnce) {
    engine->pressKey('W');
    frame();
    EXPECT_TRUE(myKH.keyIsPressed('W'));
    EXPECT_TRUE(myKH.keyIsDown('W'));
    for (int i = 0; i < 5; ++i) {
        frame();
        EXPECT_FALSE(myKH.keyIsPressed('W'));
        EXPECT_TRUE(myKH.keyIsDown('W'));
    }
    engine->releaseKey('W');
    frame();
    EXPECT_TRUE(myKH.keyIsReleased('W'));
    frame();
    EXPECT_FALSE(myKH.keyIsReleased('W'));
    EXPECT_FALSE(myKH.keyIsPressed(-1));
    EXPECT_FALSE(myKH.keyIsDown(256));
}

TEST_F(KeyHandlerTest, QuickSecondAndThirdClicksAreDoubleClicks) {
    auto click = [&] {
        engine->pressKey(1);
        frame();
        const bool dbl = myKH.keyIsDoubleClicked(1);
        engine->releaseKey(1);
        frame();
        return dbl;
    };
    EXPECT_FALSE(click());
    frame(0.05f);
    EXPECT_TRUE(click()) << "within 0.15 s of the last held frame";
    EXPECT_TRUE(click());
    frame(0.2f);
    EXPECT_FALSE(click()) << "too slow";
}

TEST_F(KeyHandlerTest, InstantClicksArePressesAndMakeADoubleClick) {
    auto instantClick = [&] {
        engine->pressKey(1);
        engine->releaseKey(1);  // a tap: down and up before the game's next frame
        frame();
        return std::pair{myKH.keyIsPressed(1), myKH.keyIsDoubleClicked(1)};
    };
    EXPECT_EQ(instantClick(), std::pair(true, false));
    frame();
    EXPECT_FALSE(myKH.keyIsDown(1));
    EXPECT_EQ(instantClick(), std::pair(true, true));
}

TEST_F(KeyHandlerTest, OnlyMouseButtonsDoubleClick) {
    for (int i = 0; i < 2; ++i) {
        engine->pressKey(13);
        frame();
        EXPECT_FALSE(myKH.keyIsDoubleClicked(13));
        engine->releaseKey(13);
        frame();
    }
}

TEST_F(KeyHandlerTest, AHugeFrameCountsAsAShortOne) {
    engine->pressKey(2);
    frame();
    engine->releaseKey(2);
    frame();
    frame(3.0f);  // counts as 0.05 s: the window is still open
    engine->pressKey(2);
    frame();
    EXPECT_TRUE(myKH.keyIsDoubleClicked(2));
}
