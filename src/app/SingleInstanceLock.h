#pragma once

#include <filesystem>
#include <string>

namespace tessarin::app {

// A lock that only one process of the user can hold at a time, named like the
// program's mutex ("Tessarin.exe"). It is an advisory lock on a file in the
// user's runtime folder; the kernel releases it when the process ends, even
// on a crash, so a stale lock never keeps the program from starting.
//
// Only another process holding the lock makes anotherCopyRuns() true. When
// the lock file cannot be made or locked at all (a runtime folder the user
// may not write, a file system without locks), no copy is known to run: the
// program then goes on without the guard.
class SingleInstanceLock {
public:
    // Tries to take the lock on `file` (lockFile() of the lock's name).
    explicit SingleInstanceLock(const std::filesystem::path& file);
    SingleInstanceLock(const SingleInstanceLock&) = delete;
    SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;
    ~SingleInstanceLock();

    bool held() const noexcept { return held_; }
    bool anotherCopyRuns() const noexcept { return heldElsewhere_; }

    // The file that carries the lock for `name`.
    static std::filesystem::path lockFile(const std::string& name);

private:
    int fd_ = -1;
    bool held_ = false;
    bool heldElsewhere_ = false;
};

} // namespace tessarin::app
