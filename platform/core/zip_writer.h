// Writes zip archives (stored or deflated entries) in a fixed order with fixed dates,
// so the same files always give the same archive byte for byte. Used to build the
// resource pack and by tests that need a pack.
#pragma once

#include <string>
#include <string_view>
#include <vector>

class ZipWriter {
public:
    // Adds an entry; `compress` deflates it when that makes it smaller.
    void add(const std::string& name, std::string_view data, bool compress = true);
    // The finished archive.
    std::string finish() const;

private:
    struct Entry {
        std::string name;
        std::string stored;  // bytes as they go into the archive
        unsigned long crc = 0;
        std::size_t size = 0;
        bool deflated = false;
    };
    std::vector<Entry> entries_;
};
