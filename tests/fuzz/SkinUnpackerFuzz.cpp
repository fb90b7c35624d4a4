// Any bytes as a packed skin. Unpacking either fails with SkinFormatError or
// gives exactly the announced number of bytes; announcing half as many gives
// the first half of them; and what came out packs and unpacks back to itself.

#include "FuzzCheck.h"
#include "SkinPacker.h"
#include "skin/LittleEndian.h"
#include "skin/SkinFormatError.h"
#include "skin/SkinUnpacker.h"

#include <algorithm>
#include <span>
#include <vector>

namespace {

using namespace tessarin::skin;

// Packing is far slower than unpacking; larger results skip the round trip
// so that the harness keeps its pace.
constexpr std::size_t roundTripLimit = 1 << 16;

void setUnpackedSize(std::vector<std::uint8_t>& packed, std::uint32_t size) {
    for (int i = 0; i < 4; ++i)
        packed[i] = static_cast<std::uint8_t>(size >> (8 * i));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> packed(data, size);
    std::vector<std::uint8_t> unpacked;
    try {
        unpacked = unpackSkin(packed);
    } catch (const SkinFormatError&) {
        return 0;
    }
    FUZZ_CHECK(unpacked.size() == readUint32(packed, 0));

    std::vector<std::uint8_t> halfAnnounced(packed.begin(), packed.end());
    const std::size_t half = unpacked.size() / 2;
    setUnpackedSize(halfAnnounced, static_cast<std::uint32_t>(half));
    const std::vector<std::uint8_t> firstHalf = unpackSkin(halfAnnounced);
    FUZZ_CHECK(std::equal(firstHalf.begin(), firstHalf.end(), unpacked.begin(), unpacked.begin() + half) &&
               firstHalf.size() == half);

    if (unpacked.size() <= roundTripLimit)
        FUZZ_CHECK(unpackSkin(tessarin::skin::tools::packSkin(unpacked)) == unpacked);
    return 0;
}
