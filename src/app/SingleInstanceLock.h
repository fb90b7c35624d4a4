#pragma once

#include <filesystem>
#include <string>

namespace tessarin::app {

// A lock that only one process of the user can hold at a time, named like the
// program's mutex ("Tessarin.exe"). It is an advisory lock on a file in the
// user's runtime folder; the kernel releases it when the process ends, even
// on a crash, so a stale lock never keeps the program from starting.
class SingleInstanceLock {
public:
    // Tries to take the lock; held() tells whether it was taken.
    explicit SingleInstanceLock(const std::string& name);
    SingleInstanceLock(const SingleInstanceLock&) = delete;
    SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;
    ~SingleInstanceLock();

    bool held() const noexcept { return held_; }

    // The file that carries the lock for `name`.
    static std::filesystem::path lockFile(const std::string& name);

private:
    int fd_ = -1;
    bool held_ = false;
};

} // namespace tessarin::app
