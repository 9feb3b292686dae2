#include "platform/core/folder_choice.h"

#include <cstdlib>
#include <filesystem>

#include "platform/core/atomic_file.h"
#include "platform/core/game_paths.h"

namespace fs = std::filesystem;

const char* const COPIED_MARKER = "old-files-copied.txt";

namespace {
constexpr int SAVE_SLOTS = 10;

bool sameFolder(const std::string& a, const std::string& b) {
    std::error_code ec;
    return fs::equivalent(a.empty() ? "." : a, b.empty() ? "." : b, ec) && !ec;
}

// The files the old layout wrote that are worth keeping; the log and the lock are not.
std::vector<std::string> keptFileNames() {
    std::vector<std::string> names{"Options.ini"};
    for (int slot = 0; slot < SAVE_SLOTS; ++slot) {
        const std::string save = "save" + std::to_string(slot) + ".kvb";
        names.push_back(save);
        names.push_back(save + ".bak");
    }
    return names;
}
}  // namespace

UserDirChoice chooseUserDir(const FolderInputs& in) {
    if (!in.userDirOption.empty()) return {in.userDirOption, "--user-dir"};
    if (!in.userDirEnv.empty()) return {in.userDirEnv, "KVB_USER_DIR"};
    std::error_code ec;
    if (!in.baseDir.empty() && fs::exists(joinPath(in.baseDir, "portable.txt"), ec))
        return {in.baseDir, "portable.txt beside the game"};
    return {in.prefDir, "the user data folder"};
}

DataDirChoice findDataDir(const std::string& baseDir, const std::string& gameName, const std::string& packName) {
    DataDirChoice choice;
    std::vector<std::string> places{baseDir};
    if (!baseDir.empty()) {
        const fs::path bin = fs::path(baseDir).lexically_normal();
        const fs::path prefix = (bin.has_filename() ? bin : bin.parent_path()).parent_path();
        places.push_back((prefix / "share" / gameName).string() + "/");
    }
    for (const std::string& place : places) {
        std::error_code ec;
        if (!choice.looked.empty()) choice.looked += " and ";
        choice.looked += place.empty() ? "the working folder" : place;
        if (fs::is_regular_file(joinPath(place, packName), ec) && !choice.found) {
            choice.dir = place;
            choice.found = true;
        }
    }
    if (!choice.found) choice.dir = baseDir;
    return choice;
}

std::string defaultPrefDir(const std::string& org, const std::string& app) {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    const std::string root = xdg && *xdg ? xdg : std::string(home ? home : "") + "/.local/share";
    return root + "/" + org + "/" + app + "/";
}

bool makeFolder(const std::string& dir, std::string& error) {
    if (dir.empty()) return true;
    std::error_code ec;
    fs::create_directories(dir, ec);
    if (!ec && fs::is_directory(dir, ec)) return true;
    error = ec ? ec.message() : "it is not a folder";
    return false;
}

std::vector<std::string> copyOldFiles(const std::vector<std::string>& oldDirs, const std::string& userDir) {
    std::vector<std::string> notes;
    std::error_code ec;
    const std::string marker = joinPath(userDir, COPIED_MARKER);
    if (fs::exists(marker, ec)) return notes;
    std::string record;
    bool failed = false;
    for (const std::string& old : oldDirs) {
        if (sameFolder(old, userDir)) continue;
        for (const std::string& name : keptFileNames()) {
            const std::string from = joinPath(old, name), to = joinPath(userDir, name);
            std::string bytes, error;
            if (fs::exists(to, ec) || readFileWhole(from, bytes, &error) != FileRead::OK) continue;
            if (writeFileAtomically(to, bytes, &error)) {
                notes.push_back("Copied " + from + " to " + to + " (the old file is left where it was).");
                record += from + "\n";
            } else {
                notes.push_back("Could not copy " + from + " to " + to + ": " + error);
                failed = true;
            }
        }
    }
    // Recorded even when nothing was there, so that a save cleared later never comes back;
    // a copy that failed is tried again next time.
    std::string error;
    if (failed) return notes;
    if (!writeFileAtomically(marker, "Files copied from the old layout:\n" + record, &error))
        notes.push_back("Could not write " + marker + ": " + error);
    return notes;
}
