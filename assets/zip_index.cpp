// Zip layout used: the end-of-central-directory record (signature 0x06054b50) gives the
// entry count (+10) and the directory's offset (+16). Each directory entry (0x02014b50)
// holds the method (+10), packed size (+20), size (+24), name length (+28), extra length
// (+30), comment length (+32), local header offset (+42) and the name (+46). A local
// header (0x04034b50) has its name length at +26, extra length at +28, data at +30.
#include "assets/zip_index.h"

#include <zlib.h>

#include <cstdint>

namespace {

std::uint32_t le(const std::string& s, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(s[at + i]);
    return v;
}

}  // namespace

bool ZipIndex::open(const std::string& archive) {
    archive_ = &archive;
    entries_.clear();
    if (archive.size() < 22) return false;
    std::size_t end = std::string::npos;
    const std::size_t lowest = archive.size() > 22 + 65535 ? archive.size() - 22 - 65535 : 0;
    for (std::size_t at = archive.size() - 22 + 1; at-- > lowest;) {
        if (le(archive, at, 4) == 0x06054b50) {
            end = at;
            break;
        }
    }
    if (end == std::string::npos) return false;
    const std::uint32_t count = le(archive, end + 10, 2);
    std::size_t at = le(archive, end + 16, 4);
    for (std::uint32_t i = 0; i < count; ++i) {
        if (at + 46 > archive.size() || le(archive, at, 4) != 0x02014b50) return false;
        const std::size_t nameLen = le(archive, at + 28, 2), extra = le(archive, at + 30, 2),
                          comment = le(archive, at + 32, 2);
        if (at + 46 + nameLen > archive.size()) return false;
        Entry e;
        e.method = le(archive, at + 10, 2);
        e.packed = le(archive, at + 20, 4);
        e.size = le(archive, at + 24, 4);
        e.header = le(archive, at + 42, 4);
        entries_[archive.substr(at + 46, nameLen)] = e;
        at += 46 + nameLen + extra + comment;
    }
    return true;
}

std::set<std::string> ZipIndex::names() const {
    std::set<std::string> out;
    for (const auto& [name, e] : entries_) out.insert(name);
    return out;
}

bool ZipIndex::read(const std::string& name, std::string& out) const {
    const auto it = entries_.find(name);
    if (it == entries_.end() || !archive_) return false;
    const std::string& a = *archive_;
    const Entry& e = it->second;
    if (e.header + 30 > a.size() || le(a, e.header, 4) != 0x04034b50) return false;
    const std::size_t data = e.header + 30 + le(a, e.header + 26, 2) + le(a, e.header + 28, 2);
    if (data + e.packed > a.size()) return false;
    if (e.method == 0) {
        out = a.substr(data, e.packed);
        return out.size() == e.size;
    }
    if (e.method != 8) return false;
    out.assign(e.size, '\0');
    z_stream z{};
    if (inflateInit2(&z, -MAX_WBITS) != Z_OK) return false;
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(a.data() + data));
    z.avail_in = static_cast<uInt>(e.packed);
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = static_cast<uInt>(out.size());
    const int result = inflate(&z, Z_FINISH);
    const bool ok = result == Z_STREAM_END && z.total_out == e.size;
    inflateEnd(&z);
    return ok;
}
