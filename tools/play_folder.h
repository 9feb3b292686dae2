// A scratch folder laid out like build/play/, and the game's start-up in it, for tools,
// benchmarks and tests that run the game with its real data and pack.
#pragma once

#include <filesystem>

// Makes `work` a folder the game can run in (the data files of `dataDir` copied in, the
// resource pack `pack` linked in, when given) and makes it the working folder, the user
// folder and the data folder.
void enterPlayFolder(const std::filesystem::path& work, const std::filesystem::path& dataDir,
                     const std::filesystem::path& pack = {});

// What start-up loads once the engine is initiated: the pack's shared resources, the
// options, the data files, and the battle and every screen registered with the shell.
void loadWholeGame();
