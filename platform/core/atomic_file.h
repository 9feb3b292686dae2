// Files read and written whole. A write goes to a temporary file of its own
// ("<path>.<pid>-<n>.tmp"), which is flushed and renamed over the old file, so a crash or a
// full disk never leaves half a file behind and two writers never share a temporary file.
// A read never throws: a missing file and one that cannot be read are told apart.
#pragma once

#include <string>
#include <string_view>

bool writeFileAtomically(const std::string& path, std::string_view bytes, std::string* error = nullptr);

enum class FileRead { OK, MISSING, UNREADABLE };
// The whole regular file at path. MISSING when nothing is there; UNREADABLE when something
// is there that cannot be read whole (a folder, no permission, an I/O error), with the
// reason in error.
FileRead readFileWhole(const std::string& path, std::string& bytes, std::string* error = nullptr);

// Removes the temporary files a killed run left in the folder; only call it while no other
// copy of the game writes there.
void removeStrayTempFiles(const std::string& folder);
