// Set-up shared by the toolkit's fuzz targets: one headless engine as `hge`, working in
// an empty private folder (removed at exit) so that file names in the input find nothing
// on disk. Because of that change of folder, give corpus folders as absolute paths and
// send findings back with -artifact_prefix, e.g. from the clang build folder:
//   ./tests/fuzz_resource_script -max_total_time=3600 -artifact_prefix=$PWD/ $PWD/corpus
#pragma once

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/headless/headless_engine.h"

inline std::string& fuzzFolder() {
    static std::string folder;
    return folder;
}

inline bool startFuzzEngine() {
    char folder[] = "/tmp/kvb_fuzz_XXXXXX";
    if (!mkdtemp(folder) || chdir(folder) != 0) std::abort();
    fuzzFolder() = folder;
    std::atexit([] {
        std::error_code ec;
        std::filesystem::remove_all(fuzzFolder(), ec);
    });
    hge = hgeCreate(HGE_VERSION);
    hge->Random_Seed(1);
    return true;
}

// Paths that leave the working folder (devices, other files) are not followed.
inline bool staysInFolder(const std::string& text) {
    return text.find('/') == std::string::npos && text.find('\\') == std::string::npos;
}
