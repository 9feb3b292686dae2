// Which device holds a key: the keyboard and each controller apart, the shared state
// held while any of them holds the key.
#include <gtest/gtest.h>

#include "platform/core/input_state.h"

namespace {

TEST(InputDevices, EachDeviceHoldsItsOwnKeysAndTheSharedStateAnyOfThem) {
    InputState in;
    in.setPadCount(2);
    in.keyDown(vk::SPACE);
    in.deviceKey(0, vk::SPACE, true);
    in.keyDown(vk::SPACE);
    in.deviceKey(2, vk::SPACE, true);
    in.beginFrame();
    EXPECT_TRUE(in.deviceKeyState(0, vk::SPACE));
    EXPECT_FALSE(in.deviceKeyState(1, vk::SPACE)) << "the first controller holds nothing";
    EXPECT_TRUE(in.deviceKeyState(2, vk::SPACE));
    in.deviceKey(0, vk::SPACE, false);
    EXPECT_TRUE(in.deviceKeyState(0, vk::SPACE)) << "pressed in this frame, it counts for the frame";
    in.beginFrame();
    EXPECT_FALSE(in.deviceKeyState(0, vk::SPACE));
    EXPECT_TRUE(in.deviceKeyState(2, vk::SPACE));
    // A tap between two frames is seen in the next.
    in.deviceKey(1, vk::ENTER, true);
    in.deviceKey(1, vk::ENTER, false);
    in.beginFrame();
    EXPECT_TRUE(in.deviceKeyState(1, vk::ENTER));
    in.beginFrame();
    EXPECT_FALSE(in.deviceKeyState(1, vk::ENTER));
    // Two controls of one device (a d-pad and a stick) hold a key until both let go.
    in.deviceKey(1, vk::LEFT, true);
    in.deviceKey(1, vk::LEFT, true);
    in.deviceKey(1, vk::LEFT, false);
    EXPECT_TRUE(in.deviceKeyState(1, vk::LEFT));
    in.releaseAll();
    EXPECT_FALSE(in.deviceKeyState(1, vk::LEFT));
    EXPECT_FALSE(in.deviceKeyState(2, vk::SPACE));
    // Out of range is nothing, never a read past the tables.
    in.deviceKey(InputState::MAX_PADS + 1, vk::SPACE, true);
    EXPECT_FALSE(in.deviceKeyState(-1, vk::SPACE));
    EXPECT_FALSE(in.deviceKeyState(0, 999));
    in.setPadCount(99);
    EXPECT_EQ(in.padCount(), InputState::MAX_PADS);
}

}  // namespace
