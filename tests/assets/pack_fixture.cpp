#include "tests/assets/pack_fixture.h"

#include <fstream>
#include <iterator>

std::string readWholeFile(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

const BuiltPack& BuiltPack::get() {
    static BuiltPack pack;
    static const bool loaded = pack.load();
    (void)loaded;
    return pack;
}

bool BuiltPack::load() {
    bytes = readWholeFile(KVB_PACK_PATH);
    if (!zip.open(bytes)) {
        error = std::string("not a zip archive: ") + KVB_PACK_PATH;
        return false;
    }
    entries = zip.names();
    if (!parseResScript(file("resource.res"), script, error)) {
        error = "resource.res: " + error;
        return false;
    }
    return true;
}

std::string BuiltPack::file(const std::string& name) const {
    std::string out;
    if (!zip.read(name, out)) out.clear();
    return out;
}
