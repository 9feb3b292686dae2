#include "platform/core/ini_file.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <sstream>

#include "platform/core/atomic_file.h"

namespace {
std::string trim(const std::string& s) {
    const auto b = s.find_first_not_of(" \t\r");
    if (b == std::string::npos) return "";
    const auto e = s.find_last_not_of(" \t\r");
    return s.substr(b, e - b + 1);
}

bool sameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// "[Name]" -> "Name"; empty when the line is not a section header.
std::string sectionName(const std::string& line) {
    const std::string t = trim(line);
    if (t.size() < 2 || t.front() != '[' || t.back() != ']') return "";
    return trim(t.substr(1, t.size() - 2));
}

bool isComment(const std::string& t) { return !t.empty() && (t[0] == ';' || t[0] == '#'); }

// Splits "key=value"; false for any other line.
bool splitKeyValue(const std::string& line, std::string& key, std::string& value) {
    const auto eq = line.find('=');
    if (eq == std::string::npos) return false;
    key = trim(line.substr(0, eq));
    value = trim(line.substr(eq + 1));
    return !key.empty();
}

// Text files only: a NUL byte or other control characters mean the file is not ours to read.
bool looksLikeText(const std::string& bytes) {
    return std::none_of(bytes.begin(), bytes.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u < 32 && c != '\n' && c != '\r' && c != '\t';
    });
}
}  // namespace

void IniFile::open(const std::string& path, const Logger& log) {
    path_ = path;
    lines_.clear();
    damaged_ = false;
    std::string bytes, error;
    switch (readFileWhole(path, bytes, &error)) {
    case FileRead::MISSING: return;
    case FileRead::UNREADABLE:
        damaged_ = true;
        log("Cannot read the options (" + error + "); the default options are used.");
        return;
    case FileRead::OK: break;
    }
    if (!looksLikeText(bytes)) {
        damaged_ = true;
        log("'" + path + "' is damaged (not a text file); the default options are used.");
        return;
    }
    std::istringstream lines(bytes);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines_.push_back(line);
    }
    mergeRepeatedSections(log);
}

void IniFile::mergeRepeatedSections(const Logger& log) {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const std::string name = sectionName(lines_[i]);
        if (name.empty()) continue;
        const int first = findSection(name);
        if (first == static_cast<int>(i)) continue;
        std::size_t end = i + 1;
        while (end < lines_.size() && sectionName(lines_[end]).empty()) ++end;
        // The first section's values win, as they did when only the first was read.
        std::vector<std::string> moved;
        for (std::size_t k = i + 1; k < end; ++k) {
            std::string key, value;
            const bool isKey = !isComment(trim(lines_[k])) && splitKeyValue(lines_[k], key, value);
            if (isKey ? findKey(first, key) < 0 : !trim(lines_[k]).empty()) moved.push_back(lines_[k]);
        }
        log("'" + path_ + "', line " + std::to_string(i + 1) + ": [" + name +
            "] appears again; its lines join the first one.");
        lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(i), lines_.begin() + static_cast<std::ptrdiff_t>(end));
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(sectionEnd(first)), moved.begin(), moved.end());
        --i;
    }
}

// After the section's last non-blank line, so blank separators stay between sections.
std::size_t IniFile::sectionEnd(int sectionLine) const {
    std::size_t at = static_cast<std::size_t>(sectionLine) + 1;
    for (std::size_t i = at; i < lines_.size() && sectionName(lines_[i]).empty(); ++i)
        if (!trim(lines_[i]).empty()) at = i + 1;
    return at;
}

void IniFile::close() {
    path_.clear();
    lines_.clear();
    damaged_ = false;
}

int IniFile::findSection(const std::string& section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i)
        if (sameName(sectionName(lines_[i]), section)) return static_cast<int>(i);
    return -1;
}

int IniFile::findKey(int sectionLine, const std::string& key) const {
    for (std::size_t i = static_cast<std::size_t>(sectionLine) + 1; i < lines_.size(); ++i) {
        if (!sectionName(lines_[i]).empty()) break;
        std::string k, v;
        if (!isComment(trim(lines_[i])) && splitKeyValue(lines_[i], k, v) && sameName(k, key))
            return static_cast<int>(i);
    }
    return -1;
}

std::optional<int> IniFile::getInt(const std::string& section, const std::string& key, const Logger& log) const {
    const int s = findSection(section);
    if (s < 0) return std::nullopt;
    const int k = findKey(s, key);
    if (k < 0) return std::nullopt;
    std::string name, value;
    splitKeyValue(lines_[static_cast<std::size_t>(k)], name, value);
    int result = 0;
    const char* end = value.data() + value.size();
    const auto [ptr, ec] = std::from_chars(value.data(), end, result);
    if (ec != std::errc() || ptr != end) {
        log("'" + path_ + "', line " + std::to_string(k + 1) + ": [" + section + "] " + key + " = '" + value +
            "' is not a whole number; the default is used.");
        return std::nullopt;
    }
    return result;
}

bool IniFile::setInt(const std::string& section, const std::string& key, int value, const Logger& log) {
    if (path_.empty()) return false;
    const std::string entry = key + "=" + std::to_string(value);
    const int s = findSection(section);
    if (s < 0) {
        if (!lines_.empty() && !trim(lines_.back()).empty()) lines_.emplace_back();
        lines_.push_back("[" + section + "]");
        lines_.push_back(entry);
    } else if (const int k = findKey(s, key); k >= 0) {
        lines_[static_cast<std::size_t>(k)] = entry;
    } else {
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(sectionEnd(s)), entry);
    }
    return save(log);
}

bool IniFile::save(const Logger& log) {
    if (damaged_) {
        // Keep the unreadable file for the player to look at instead of silently losing it.
        std::rename(path_.c_str(), (path_ + ".damaged").c_str());
        damaged_ = false;
    }
    std::string text;
    for (const std::string& line : lines_) text += line + "\n";
    std::string error;
    if (!writeFileAtomically(path_, text, &error)) {
        log("Could not save options: " + error);
        return false;
    }
    return true;
}
