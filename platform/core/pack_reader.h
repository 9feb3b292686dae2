// Reads named files out of the attached zip packs first and from the disk second.
// Names may use "\" or "/" as separators.
#pragma once

#include <string>
#include <vector>

class PackReader {
public:
    ~PackReader();

    // Mounts a zip archive; false (with the reason) when it cannot be opened.
    bool attach(const std::string& file, std::string* error);
    void removeAll();

    // Whole contents, or false when no pack and no disk file has the name.
    bool load(const std::string& name, std::vector<char>& out) const;

private:
    std::vector<std::string> mounted_;
    bool initialised_ = false;
};
