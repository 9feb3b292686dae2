#include "platform/core/game_paths.h"

namespace {
std::string userDir_;
std::string dataDir_;
}  // namespace

void setUserDir(const std::string& dir) { userDir_ = dir; }
void setDataDir(const std::string& dir) { dataDir_ = dir; }
const std::string& userDir() { return userDir_; }
const std::string& dataDir() { return dataDir_; }

std::string joinPath(const std::string& dir, const std::string& name) {
    if (dir.empty()) return name;
    return dir.back() == '/' ? dir + name : dir + "/" + name;
}

std::string userPath(const std::string& name) { return joinPath(userDir_, name); }
std::string dataPath(const std::string& name) { return joinPath(dataDir_, name); }
