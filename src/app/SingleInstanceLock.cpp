#include "SingleInstanceLock.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace tessarin::app {

SingleInstanceLock::SingleInstanceLock(const std::filesystem::path& file) {
    fd_ = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd_ < 0)
        return;
    held_ = ::flock(fd_, LOCK_EX | LOCK_NB) == 0;
    heldElsewhere_ = !held_ && errno == EWOULDBLOCK;
}

SingleInstanceLock::~SingleInstanceLock() {
    if (fd_ >= 0)
        ::close(fd_);
}

std::filesystem::path SingleInstanceLock::lockFile(const std::string& name) {
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime)
        return std::filesystem::path(runtime) / name;
    return std::filesystem::temp_directory_path() / (name + "-" + std::to_string(::getuid()));
}

} // namespace tessarin::app
