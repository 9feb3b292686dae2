// The fixture every test of the game builds on: a fresh headless engine as `hge`, a
// private temporary working folder (so files the game writes never collide), and the
// world tables cleared.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "platform/headless/headless_engine.h"

class EngineTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes a file into the test's working folder (creating sub-folders).
    void writeFile(const std::string& name, std::string_view bytes);
    std::string readFile(const std::string& name) const;
    // True when some log line contains `text`.
    bool logContains(const std::string& text) const;

    HeadlessEngine* engine = nullptr;
    std::string workDir;

private:
    std::string oldDir_;
};
