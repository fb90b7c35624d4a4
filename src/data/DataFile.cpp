#include "DataFile.h"

namespace tessarin::data {
namespace {

constexpr const char* dataFileName = "Train+-+090719.mdb";

} // namespace

std::filesystem::path dataFileFor(const std::filesystem::path& executableFolder) {
    const std::filesystem::path beside = executableFolder / "data" / dataFileName;
    const std::filesystem::path installed =
        (executableFolder / ".." / "share" / "tessarin" / "data" / dataFileName).lexically_normal();
    std::error_code ignored;
    for (const std::filesystem::path& candidate : {beside, installed}) {
        if (std::filesystem::is_regular_file(candidate, ignored))
            return candidate;
    }
    return beside;
}

std::filesystem::path defaultDataFile() {
    std::error_code ignored;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", ignored);
    return dataFileFor(executable.parent_path());
}

} // namespace tessarin::data
