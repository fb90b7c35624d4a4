#include "BenchFolder.h"

#include <cstdlib>
#include <stdexcept>
#include <string>

namespace tessarin::bench {

BenchFolder::BenchFolder() {
    const char* folder = std::getenv("TESSARIN_BENCH_DIR");
    std::string pattern =
        ((folder ? std::filesystem::path(folder) : std::filesystem::temp_directory_path()) / "tessarin-bench-XXXXXX")
            .string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a folder for the benchmark files");
    path_ = pattern;
}

BenchFolder::~BenchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

} // namespace tessarin::bench
