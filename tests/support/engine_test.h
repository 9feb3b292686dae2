// The fixture every test of the game builds on: a fresh headless engine as `hge`, a
// private temporary working folder (so files the game writes never collide), and the
// world tables cleared.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "platform/headless/headless_engine.h"

// While it lives, no file can grow (as on a full disk), even for root: every write of a
// byte fails. Reads, renames and removals still work.
class FailingWrites {
public:
    FailingWrites();
    ~FailingWrites();
    FailingWrites(const FailingWrites&) = delete;
    FailingWrites& operator=(const FailingWrites&) = delete;

private:
    unsigned long long oldLimit_;
    void (*oldHandler_)(int);
};

class EngineTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes a file into the test's working folder (creating sub-folders).
    void writeFile(const std::string& name, std::string_view bytes);
    std::string readFile(const std::string& name) const;
    // True when a temporary file of a write is left in the working folder.
    bool hasTempFiles() const;
    // True when some log line contains `text`.
    bool logContains(const std::string& text) const;

    HeadlessEngine* engine = nullptr;
    std::string workDir;

private:
    std::string oldDir_;
};
