// The built resource pack, read once for all asset tests: its raw bytes, the names of
// its entries, the resource script inside it, and file contents by name.
#pragma once

#include <set>
#include <string>

#include "assets/res_script.h"
#include "assets/zip_index.h"

struct BuiltPack {
    std::string bytes;
    ZipIndex zip;
    std::set<std::string> entries;
    ResScript script;
    std::string error;  // why the pack could not be read (empty when it could)

    static const BuiltPack& get();
    // The contents of an entry, or empty when it is not in the pack.
    std::string file(const std::string& name) const;

private:
    bool load();
};

std::string readWholeFile(const std::string& path);
