// A scratch folder laid out like build/play/, for tools, benchmarks and tests that run the
// game with its real data and pack.
#pragma once

#include <filesystem>

// Makes `work` a folder the game can run in (the data files of `dataDir` copied in, the
// resource pack `pack` linked in, when given) and makes it the working folder.
void enterPlayFolder(const std::filesystem::path& work, const std::filesystem::path& dataDir,
                     const std::filesystem::path& pack = {});
