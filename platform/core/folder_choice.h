// How start-up picks the game's folders, and the one-time copy of the files the old
// layout kept in the folder the game ran in. Plain file-system rules, each testable alone.
#pragma once

#include <string>
#include <vector>

// What the choice depends on, gathered by start-up.
struct FolderInputs {
    std::string userDirOption;  // --user-dir; "" when not given
    std::string userDirEnv;     // KVB_USER_DIR; "" when unset
    std::string baseDir;        // the executable's folder; "" when unknown
    std::string prefDir;        // the player's data folder for the game; "" when unknown
};

struct UserDirChoice {
    std::string dir;
    std::string why;  // said in the log: which rule picked the folder
};

// --user-dir, else KVB_USER_DIR, else the executable's folder when a "portable.txt" lies
// beside it, else the player's data folder.
UserDirChoice chooseUserDir(const FolderInputs& in);

struct DataDirChoice {
    std::string dir;  // where the pack is; the first place looked when it is nowhere
    bool found = false;
    std::string looked;  // the folders looked in, for the message when the pack is missing
};

// The executable's folder (a build tree, a portable copy), then `<prefix>/share/<game>/`
// for an executable installed in `<prefix>/bin/`.
DataDirChoice findDataDir(const std::string& baseDir, const std::string& gameName, const std::string& packName);

// The folder the player's data folder would be when the backend cannot make it:
// $XDG_DATA_HOME/<org>/<app>/, by default ~/.local/share/<org>/<app>/.
std::string defaultPrefDir(const std::string& org, const std::string& app);

// Makes the folder and its parents; false with the reason when that fails.
bool makeFolder(const std::string& dir, std::string& error);

// The file in `userDir` that records that the old folders were looked at.
extern const char* const COPIED_MARKER;

// Copies the save slots, their backups and Options.ini from the old folders into
// `userDir`, once: the marker file records that it was done, a file already in `userDir`
// is never replaced and the old files stay where they are. An earlier old folder wins
// over a later one; a folder that is `userDir` itself is skipped. Returns the lines for
// the log, none when nothing was copied.
std::vector<std::string> copyOldFiles(const std::vector<std::string>& oldDirs, const std::string& userDir);
