#include "platform/core/pack_reader.h"

#include <climits>
#include <cstdio>
#include <cstdlib>

#include <physfs.h>

namespace {
std::string normalise(std::string name) {
    for (char& c : name)
        if (c == '\\') c = '/';
    return name;
}

std::string lastPhysfsError() { return PHYSFS_getErrorByCode(PHYSFS_getLastErrorCode()); }

bool readDiskFile(const std::string& name, std::vector<char>& out) {
    FILE* f = std::fopen(name.c_str(), "rb");
    if (!f) return false;
    out.clear();
    char buf[65536];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) out.insert(out.end(), buf, buf + n);
    const bool ok = !std::ferror(f);
    std::fclose(f);
    return ok;
}
}  // namespace

PackReader::~PackReader() {
    removeAll();
    if (initialised_) PHYSFS_deinit();
}

bool PackReader::attach(const std::string& file, std::string* error) {
    if (!initialised_) {
        if (!PHYSFS_init(nullptr)) {
            if (error) *error = "Cannot start the pack reader: " + lastPhysfsError();
            return false;
        }
        initialised_ = true;
    }
    char full[PATH_MAX];
    const std::string path = realpath(file.c_str(), full) ? std::string(full) : file;
    if (!PHYSFS_mount(path.c_str(), nullptr, 1)) {
        if (error) *error = "Cannot open resource pack '" + file + "': " + lastPhysfsError();
        return false;
    }
    mounted_.push_back(path);
    return true;
}

void PackReader::removeAll() {
    for (const std::string& path : mounted_) PHYSFS_unmount(path.c_str());
    mounted_.clear();
}

bool PackReader::load(const std::string& name, std::vector<char>& out) const {
    const std::string n = normalise(name);
    if (!mounted_.empty() && PHYSFS_exists(n.c_str())) {
        PHYSFS_File* f = PHYSFS_openRead(n.c_str());
        if (f) {
            const PHYSFS_sint64 len = PHYSFS_fileLength(f);
            bool ok = len >= 0;
            if (ok) {
                out.resize(static_cast<std::size_t>(len));
                ok = PHYSFS_readBytes(f, out.data(), static_cast<PHYSFS_uint64>(len)) == len;
            }
            PHYSFS_close(f);
            if (ok) return true;
        }
    }
    return readDiskFile(n, out);
}
