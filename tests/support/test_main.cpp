#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    // Start-up must pick the working folder each test runs in, whatever the shell says.
    unsetenv("KVB_USER_DIR");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
