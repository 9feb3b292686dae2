// Reads a zip archive held in memory: the entry names from its central directory, and
// an entry's contents (stored or deflated). Checks use it to see what is really inside
// a pack, since the game's file reader also falls back to the disk.
#pragma once

#include <map>
#include <set>
#include <string>

class ZipIndex {
public:
    // False when the bytes are not a readable zip archive.
    bool open(const std::string& archive);
    std::set<std::string> names() const;
    // False when the entry is missing or its data is damaged.
    bool read(const std::string& name, std::string& out) const;

private:
    struct Entry {
        unsigned method = 0;
        std::size_t packed = 0, size = 0, header = 0;
    };
    const std::string* archive_ = nullptr;
    std::map<std::string, Entry> entries_;
};
