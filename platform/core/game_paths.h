// Where the game's files live: the user folder (saves, options, log, screenshots, the
// lock) and the data folder (data files and the resource pack). Start-up sets both once;
// empty means the working folder, which is how tests and tools run the game.
#pragma once

#include <string>

void setUserDir(const std::string& dir);
void setDataDir(const std::string& dir);
const std::string& userDir();
const std::string& dataDir();

// `name` inside `dir`; `name` alone when `dir` is empty.
std::string joinPath(const std::string& dir, const std::string& name);
std::string userPath(const std::string& name);
std::string dataPath(const std::string& name);
