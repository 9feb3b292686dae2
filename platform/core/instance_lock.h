// One copy of the game per folder: two copies writing the same saves and options would
// overwrite each other's progress. The lock is an advisory lock on a file in the folder,
// held until the process ends (the system lets it go even when the game is killed).
#pragma once

#include <string>

class InstanceLock {
public:
    InstanceLock() = default;
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;
    ~InstanceLock();

    enum Result { TAKEN, HELD_ELSEWHERE, FAILED };
    // FAILED (the folder cannot hold the lock file) is told apart from another copy holding it.
    Result take(const std::string& path, std::string* error = nullptr);
    void release();

private:
    int fd_ = -1;
};
