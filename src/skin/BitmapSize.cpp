#include "BitmapSize.h"

#include "LittleEndian.h"

#include <cstdlib>
#include <limits>

namespace tessarin::skin {
namespace {

constexpr std::size_t fileHeaderSize = 14;
constexpr std::uint32_t coreHeaderSize = 12;  // the old header with 16-bit sizes

} // namespace

std::optional<BitmapSize> bitmapSize(std::span<const std::uint8_t> file) {
    if (file.size() < fileHeaderSize + coreHeaderSize || file[0] != 'B' || file[1] != 'M')
        return std::nullopt;
    const std::uint32_t infoSize = readUint32(file, fileHeaderSize);
    if (infoSize == coreHeaderSize)
        return BitmapSize{file[18] | file[19] << 8, file[20] | file[21] << 8};
    const std::int32_t width = readInt32(file, 18);
    const std::int32_t height = readInt32(file, 22);
    // A negative height marks a top-down bitmap; a negative width is no bitmap.
    if (infoSize < 16 || width < 0 || height == std::numeric_limits<std::int32_t>::min())
        return std::nullopt;
    return BitmapSize{width, std::abs(height)};
}

} // namespace tessarin::skin
