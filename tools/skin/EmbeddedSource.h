#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

namespace tessarin::skin::tools {

// Writes a C++ source defining tessarin::skin::storedSkinStream() to return
// `stream`. The file is written under a temporary name and moved into place.
void writeStoredSkinSource(const std::filesystem::path& file, std::span<const std::uint8_t> stream);

} // namespace tessarin::skin::tools
