#pragma once

#include <string>
#include <vector>

namespace tessarin::testing {

// A program's words or environment as posix_spawn takes them: pointers into
// `words`, which must outlive them, ending in a null pointer.
std::vector<char*> spawnWords(std::vector<std::string>& words);

// This process's environment with the "NAME=value" entries added or replacing.
std::vector<std::string> environmentWith(const std::vector<std::string>& entries);

} // namespace tessarin::testing
