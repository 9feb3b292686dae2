// Finds the game's data folder in the source tree, so the checks read the very files
// that ship: $KVB_SOURCE_DIR/data when that is set, otherwise the first folder above the
// test program that holds data/card.paq, otherwise the source folder named by the
// CMakeCache.txt of the build the program lies in.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

inline std::filesystem::path sourceDataDir() {
    namespace fs = std::filesystem;
    auto holdsData = [](const fs::path& dir) { return fs::exists(dir / "data" / "card.paq"); };
    if (const char* env = std::getenv("KVB_SOURCE_DIR"); env && *env) return fs::path(env) / "data";

    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return {};
    for (fs::path dir = exe.parent_path(); !dir.empty(); dir = dir.parent_path()) {
        if (holdsData(dir)) return dir / "data";
        std::ifstream cache(dir / "CMakeCache.txt");
        const std::string key = "CMAKE_HOME_DIRECTORY:INTERNAL=";
        for (std::string line; std::getline(cache, line);)
            if (line.rfind(key, 0) == 0 && holdsData(line.substr(key.size()))) return fs::path(line.substr(key.size())) / "data";
        if (dir == dir.root_path()) break;
    }
    return {};
}
