#include "platform/core/atomic_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <unistd.h>

bool writeFileAtomically(const std::string& path, std::string_view bytes, std::string* error) {
    const std::string tmp = path + ".tmp";
    auto fail = [&](const char* what) {
        if (error) *error = std::string(what) + " '" + tmp + "': " + std::strerror(errno);
        return false;
    };
    FILE* f = std::fopen(tmp.c_str(), "wb");
    if (!f) return fail("cannot create");
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    const bool flushed = std::fflush(f) == 0 && fsync(fileno(f)) == 0;
    if (std::fclose(f) != 0 || !written || !flushed) {
        fail("cannot write");
        std::remove(tmp.c_str());
        return false;
    }
    if (std::rename(tmp.c_str(), path.c_str()) != 0) {
        fail("cannot rename");
        std::remove(tmp.c_str());
        return false;
    }
    return true;
}
