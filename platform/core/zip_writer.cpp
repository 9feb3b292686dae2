#include "platform/core/zip_writer.h"

#include <zlib.h>

namespace {
// DOS date and time of every entry: 1 January 2000, midnight, so archives are reproducible.
constexpr unsigned DOS_TIME = 0;
constexpr unsigned DOS_DATE = ((2000 - 1980) << 9) | (1 << 5) | 1;

void put16(std::string& out, unsigned v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>((v >> 8) & 0xFF);
}
void put32(std::string& out, unsigned long v) {
    put16(out, static_cast<unsigned>(v & 0xFFFF));
    put16(out, static_cast<unsigned>((v >> 16) & 0xFFFF));
}

// Raw deflate (no zlib header), as zip entries store it.
std::string deflateRaw(std::string_view data) {
    z_stream zs{};
    deflateInit2(&zs, 9, Z_DEFLATED, -15, 9, Z_DEFAULT_STRATEGY);
    std::string out(deflateBound(&zs, static_cast<uLong>(data.size())), '\0');
    zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    zs.avail_in = static_cast<uInt>(data.size());
    zs.next_out = reinterpret_cast<Bytef*>(out.data());
    zs.avail_out = static_cast<uInt>(out.size());
    deflate(&zs, Z_FINISH);
    out.resize(zs.total_out);
    deflateEnd(&zs);
    return out;
}
}  // namespace

void ZipWriter::add(const std::string& name, std::string_view data, bool compress) {
    Entry e;
    e.name = name;
    e.size = data.size();
    e.crc = crc32(0L, reinterpret_cast<const Bytef*>(data.data()), static_cast<uInt>(data.size()));
    if (compress && !data.empty()) {
        std::string packed = deflateRaw(data);
        if (packed.size() < data.size()) {
            e.stored = std::move(packed);
            e.deflated = true;
        }
    }
    if (!e.deflated) e.stored.assign(data);
    entries_.push_back(std::move(e));
}

std::string ZipWriter::finish() const {
    std::string out, central;
    for (const Entry& e : entries_) {
        const unsigned long offset = out.size();
        const unsigned method = e.deflated ? 8 : 0;
        put32(out, 0x04034b50);
        put16(out, 20);
        put16(out, 0);
        put16(out, method);
        put16(out, DOS_TIME);
        put16(out, DOS_DATE);
        put32(out, e.crc);
        put32(out, e.stored.size());
        put32(out, e.size);
        put16(out, static_cast<unsigned>(e.name.size()));
        put16(out, 0);
        out += e.name;
        out += e.stored;

        put32(central, 0x02014b50);
        put16(central, 20);
        put16(central, 20);
        put16(central, 0);
        put16(central, method);
        put16(central, DOS_TIME);
        put16(central, DOS_DATE);
        put32(central, e.crc);
        put32(central, e.stored.size());
        put32(central, e.size);
        put16(central, static_cast<unsigned>(e.name.size()));
        put16(central, 0);
        put16(central, 0);
        put16(central, 0);
        put16(central, 0);
        put32(central, 0);
        put32(central, offset);
        central += e.name;
    }
    const unsigned long centralOffset = out.size();
    out += central;
    put32(out, 0x06054b50);
    put16(out, 0);
    put16(out, 0);
    put16(out, static_cast<unsigned>(entries_.size()));
    put16(out, static_cast<unsigned>(entries_.size()));
    put32(out, central.size());
    put32(out, centralOffset);
    put16(out, 0);
    return out;
}
