#include "tests/support/engine_test.h"

#include <sys/resource.h>
#include <unistd.h>

#include <csignal>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/core/game_paths.h"
#include "shell/world.h"

namespace fs = std::filesystem;

FailingWrites::FailingWrites() {
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    oldLimit_ = limit.rlim_cur;
    // Past the limit a write fails with EFBIG instead of ending the process.
    oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    limit.rlim_cur = 0;
    setrlimit(RLIMIT_FSIZE, &limit);
}

FailingWrites::~FailingWrites() {
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = oldLimit_;
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, oldHandler_);
}

void EngineTest::SetUp() {
    oldDir_ = fs::current_path().string();
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "_" + info->name();
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    workDir = (fs::temp_directory_path() / ("kvb_test_" + std::to_string(::getpid()) + "_" + name)).string();
    fs::remove_all(workDir);
    fs::create_directories(workDir);
    fs::current_path(workDir);
    setUserDir("");
    setDataDir("");

    hge = hgeCreate(HGE_VERSION);
    engine = headless();
    engine->Random_Seed(12345);
    resetWorld();
}

void EngineTest::TearDown() {
    resetWorld();
    if (hge) hge->Release();
    hge = nullptr;
    engine = nullptr;
    fs::current_path(oldDir_);
    setUserDir("");
    setDataDir("");
    std::error_code ec;
    fs::remove_all(workDir, ec);
}

void EngineTest::writeFile(const std::string& name, std::string_view bytes) {
    const fs::path path = fs::path(workDir) / name;
    if (path.has_parent_path()) fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string EngineTest::readFile(const std::string& name) const {
    std::ifstream in(fs::path(workDir) / name, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

bool EngineTest::hasTempFiles() const {
    for (const auto& entry : fs::directory_iterator(workDir))
        if (entry.path().extension() == ".tmp") return true;
    return false;
}

bool EngineTest::logContains(const std::string& text) const {
    for (const std::string& line : engine->logLines())
        if (line.find(text) != std::string::npos) return true;
    return false;
}
