// The files that go into the pack, keyed by their name there. A sorted map keeps the
// pack's entry order fixed whatever order the generator's jobs finish in.
#pragma once

#include <map>
#include <mutex>
#include <string>

class AssetFiles {
public:
    void put(const std::string& name, std::string bytes) {
        std::lock_guard<std::mutex> lock(mutex_);
        files_[name] = std::move(bytes);
    }
    const std::map<std::string, std::string>& all() const { return files_; }

private:
    std::mutex mutex_;
    std::map<std::string, std::string> files_;
};
