#include "SkinFixtures.h"

#include "skin/SkinArchive.h"
#include "skin/SkinStreamProperty.h"
#include "skin/StoredSkin.h"

namespace tessarin::skin::testing {

std::vector<std::uint8_t> bytesOf(std::string_view text) { return {text.begin(), text.end()}; }

std::vector<std::uint8_t> archiveOf(const std::vector<tools::ArchiveFile>& files, int version) {
    return tools::writeSkinArchive(files, version, skippedBlockSize(version).value_or(0));
}

std::vector<std::uint8_t> storedPackedSkin() {
    const auto packed = packedSkinOf(storedSkinStream()).value();
    return {packed.begin(), packed.end()};
}

} // namespace tessarin::skin::testing
