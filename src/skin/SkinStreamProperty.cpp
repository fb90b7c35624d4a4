#include "SkinStreamProperty.h"

#include "LittleEndian.h"
#include "SkinFormatError.h"

#include <string>

namespace tessarin::skin {

std::optional<std::span<const std::uint8_t>> packedSkinOf(std::span<const std::uint8_t> property) {
    if (property.size() < 4)
        throw SkinFormatError("Skin stream: " + std::to_string(property.size()) +
                              " bytes, too short to hold its byte count");
    const std::int32_t count = readInt32(property, 0);
    if (count <= 0)
        return std::nullopt;
    const auto packed = property.subspan(4);
    if (static_cast<std::uint32_t>(count) > packed.size())
        throw SkinFormatError("Skin stream: " + std::to_string(count) + " bytes are counted but only " +
                              std::to_string(packed.size()) + " follow");
    return packed.first(static_cast<std::size_t>(count));
}

} // namespace tessarin::skin
