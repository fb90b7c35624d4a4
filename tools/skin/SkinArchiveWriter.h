#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tessarin::skin::tools {

struct ArchiveFile {
    std::string name;
    std::vector<std::uint8_t> contents;
};

// Lays out a skin archive as the program's archive reader reads it: version,
// name-list length and two zero values, `skippedBlock` zero bytes, each name
// followed by CR LF, one 32-bit size per file, then the contents in order.
std::vector<std::uint8_t> writeSkinArchive(const std::vector<ArchiveFile>& files, int version,
                                           std::size_t skippedBlock);

} // namespace tessarin::skin::tools
