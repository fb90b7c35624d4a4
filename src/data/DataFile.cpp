#include "DataFile.h"

namespace tessarin::data {

std::filesystem::path defaultDataFile() {
    std::error_code ignored;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", ignored);
    return executable.parent_path() / "data" / "Train+-+090719.mdb";
}

} // namespace tessarin::data
