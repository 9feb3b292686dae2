#include "platform/core/atomic_file.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::string_view TMPSUFFIX = ".tmp";

std::string uniqueTempName(const std::string& path) {
    static std::atomic<unsigned> counter{0};
    return path + "." + std::to_string(getpid()) + "-" + std::to_string(counter++) + std::string(TMPSUFFIX);
}

// "<name>.<digits>-<digits>.tmp": the shape uniqueTempName gives, and nothing else.
bool isOurTempName(std::string_view name) {
    if (name.size() <= TMPSUFFIX.size() || name.substr(name.size() - TMPSUFFIX.size()) != TMPSUFFIX) return false;
    name.remove_suffix(TMPSUFFIX.size());
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos || dot == 0) return false;
    const std::string_view tag = name.substr(dot + 1);
    const std::size_t dash = tag.find('-');
    if (dash == 0 || dash == std::string_view::npos || dash + 1 == tag.size()) return false;
    for (std::size_t i = 0; i < tag.size(); ++i)
        if (i != dash && (tag[i] < '0' || tag[i] > '9')) return false;
    return true;
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

}  // namespace

bool writeFileAtomically(const std::string& path, std::string_view bytes, std::string* error) {
    const std::string tmp = uniqueTempName(path);
    auto fail = [&](const char* what) {
        if (error) *error = std::string(what) + " '" + tmp + "': " + std::strerror(errno);
        return false;
    };
    const int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return fail("cannot create");
    const bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
    const int savedErrno = errno;
    if (::close(fd) != 0 || !written) {
        if (!written) errno = savedErrno;
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

FileRead readFileWhole(const std::string& path, std::string& bytes, std::string* error) {
    bytes.clear();
    auto unreadable = [&](const char* what) {
        if (error) *error = std::string(what) + " '" + path + "': " + std::strerror(errno);
        bytes.clear();
        return FileRead::UNREADABLE;
    };
    // Not blocking, so a pipe in a file's place cannot hang the game.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR) return FileRead::MISSING;
        return unreadable("cannot open");
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        const int savedErrno = errno;
        ::close(fd);
        errno = savedErrno;
        return unreadable("cannot read");
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        if (error) *error = "'" + path + "' is not a file";
        return FileRead::UNREADABLE;
    }
    char buf[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            const int savedErrno = errno;
            ::close(fd);
            errno = savedErrno;
            return unreadable("cannot read");
        }
        if (n == 0) break;
        bytes.append(buf, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return FileRead::OK;
}

void removeStrayTempFiles(const std::string& folder) {
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder.empty() ? "." : folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        if (isOurTempName(it->path().filename().string()) && it->is_regular_file(ec))
            std::filesystem::remove(it->path(), ec);
    }
}
