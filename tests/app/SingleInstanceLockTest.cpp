#include "app/SingleInstanceLock.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace tessarin::app {
namespace {

// A second process that takes the lock and holds it until it is killed; the
// pipe tells the test once the lock is (or is not) held.
class LockHolder {
public:
    explicit LockHolder(const std::string& name) {
        int fds[2];
        if (pipe(fds) != 0)
            throw std::runtime_error("pipe");
        pid_ = fork();
        if (pid_ == 0) {
            close(fds[0]);
            SingleInstanceLock lock(SingleInstanceLock::lockFile(name));
            const char held = lock.held() ? '1' : '0';
            (void)!write(fds[1], &held, 1);
            pause();
            _exit(0);
        }
        close(fds[1]);
        char held = '0';
        (void)!read(fds[0], &held, 1);
        close(fds[0]);
        held_ = held == '1';
    }
    ~LockHolder() { kill(SIGKILL); }

    bool held() const { return held_; }
    void kill(int signal) {
        if (pid_ > 0) {
            ::kill(pid_, signal);
            waitpid(pid_, nullptr, 0);
            pid_ = -1;
        }
    }

private:
    pid_t pid_ = -1;
    bool held_ = false;
};

std::string uniqueName() { return "Tessarin.exe.test-" + std::to_string(getpid()); }

TEST(SingleInstanceLockTest, OnlyOneProcessHoldsTheLockAndACrashReleasesIt) {
    const std::string name = uniqueName();
    LockHolder first(name);
    ASSERT_TRUE(first.held());
    {
        SingleInstanceLock second(SingleInstanceLock::lockFile(name));
        EXPECT_FALSE(second.held());
    }
    first.kill(SIGKILL);
    SingleInstanceLock afterCrash(SingleInstanceLock::lockFile(name));
    EXPECT_TRUE(afterCrash.held());
    LockHolder another(name);
    EXPECT_FALSE(another.held());
    std::filesystem::remove(SingleInstanceLock::lockFile(name));
}

TEST(SingleInstanceLockTest, OnlyAnotherHolderMeansAnotherCopyRuns) {
    const std::string name = uniqueName();
    {
        const SingleInstanceLock alone(SingleInstanceLock::lockFile(name));
        EXPECT_TRUE(alone.held());
        EXPECT_FALSE(alone.anotherCopyRuns());
        LockHolder second(name);
        EXPECT_FALSE(second.held());
        const SingleInstanceLock third(SingleInstanceLock::lockFile(name));
        EXPECT_TRUE(third.anotherCopyRuns());
    }
    std::filesystem::remove(SingleInstanceLock::lockFile(name));

    // A lock file that cannot be made: no copy is known to run.
    const SingleInstanceLock nowhere(std::filesystem::path("/proc/self/no-such-folder/Tessarin.exe"));
    EXPECT_FALSE(nowhere.held());
    EXPECT_FALSE(nowhere.anotherCopyRuns());
}

} // namespace
} // namespace tessarin::app
