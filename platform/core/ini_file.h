// The options file: plain "[Section]" headers and "key=value" lines, read once when its
// name is set and written back whole on every change (temporary file renamed over the
// old one). Lines the engine does not understand are kept as they are; a file that is
// not text at all, or cannot be read, is set aside and the defaults are used. A section
// that appears again is merged into the first (whose values win).
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

class IniFile {
public:
    using Logger = std::function<void(const std::string&)>;

    // Reads the file; a missing file is an empty one. Problems go to the logger.
    void open(const std::string& path, const Logger& log);
    void close();
    bool isOpen() const { return !path_.empty(); }

    // The whole-number value of section/key; nullopt when absent or not a number.
    std::optional<int> getInt(const std::string& section, const std::string& key, const Logger& log) const;
    // Changes or adds the value and writes the file at once. False when it cannot be written.
    bool setInt(const std::string& section, const std::string& key, int value, const Logger& log);

private:
    int findSection(const std::string& section) const;
    int findKey(int sectionLine, const std::string& key) const;
    std::size_t sectionEnd(int sectionLine) const;
    // A section that appears twice is read as one: later lines join the first.
    void mergeRepeatedSections(const Logger& log);
    bool save(const Logger& log);

    std::string path_;
    std::vector<std::string> lines_;
    bool damaged_ = false;
};
