#pragma once

#include <filesystem>

namespace tessarin::bench {

// A scratch folder for a benchmark's files, made in TESSARIN_BENCH_DIR or
// else in the temporary folder, and removed with its contents with the
// object. Only its owner may enter it.
class BenchFolder {
public:
    BenchFolder();
    ~BenchFolder();
    BenchFolder(const BenchFolder&) = delete;
    BenchFolder& operator=(const BenchFolder&) = delete;

    const std::filesystem::path& path() const noexcept { return path_; }

private:
    std::filesystem::path path_;
};

} // namespace tessarin::bench
