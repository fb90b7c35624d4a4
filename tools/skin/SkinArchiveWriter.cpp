#include "SkinArchiveWriter.h"

#include "SizePrefix.h"

namespace tessarin::skin::tools {

std::vector<std::uint8_t> writeSkinArchive(const std::vector<ArchiveFile>& files, int version,
                                           std::size_t skippedBlock) {
    std::string names;
    for (const ArchiveFile& file : files)
        names += file.name + "\r\n";
    std::vector<std::uint8_t> out;
    appendUint32(out, static_cast<std::uint32_t>(version));
    appendUint32(out, static_cast<std::uint32_t>(names.size()));
    appendUint32(out, 0);
    appendUint32(out, 0);
    out.resize(out.size() + skippedBlock, 0);
    out.insert(out.end(), names.begin(), names.end());
    for (const ArchiveFile& file : files)
        appendUint32(out, static_cast<std::uint32_t>(file.contents.size()));
    for (const ArchiveFile& file : files)
        out.insert(out.end(), file.contents.begin(), file.contents.end());
    return out;
}

} // namespace tessarin::skin::tools
