#pragma once

#include "SkinArchiveWriter.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace tessarin::skin::testing {

std::vector<std::uint8_t> bytesOf(std::string_view text);

// An archive of the files in the layout of `version` (any version: an
// unknown one gets no skipped block).
std::vector<std::uint8_t> archiveOf(const std::vector<tools::ArchiveFile>& files, int version = 50000);

// The stored skin's packed bytes (the SkinStream property after its count).
std::vector<std::uint8_t> storedPackedSkin();

} // namespace tessarin::skin::testing
