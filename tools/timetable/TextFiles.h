#pragma once

#include <algorithm>
#include <filesystem>
#include <vector>

namespace tessarin::tools {

// The "*.txt" files of a folder in file-name order, so that every build reads
// the sources in the same order.
inline std::vector<std::filesystem::path> textFilesIn(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().extension() == ".txt")
            files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace tessarin::tools
