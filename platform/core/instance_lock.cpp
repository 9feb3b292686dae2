#include "platform/core/instance_lock.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

InstanceLock::~InstanceLock() { release(); }

InstanceLock::Result InstanceLock::take(const std::string& path, std::string* error) {
    release();
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) {
        if (error) *error = "cannot create '" + path + "': " + std::strerror(errno);
        return FAILED;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int savedErrno = errno;
        ::close(fd);
        if (savedErrno == EWOULDBLOCK) return HELD_ELSEWHERE;
        if (error) *error = "cannot lock '" + path + "': " + std::strerror(savedErrno);
        return FAILED;
    }
    fd_ = fd;
    return TAKEN;
}

void InstanceLock::release() {
    if (fd_ < 0) return;
    ::close(fd_);
    fd_ = -1;
}
