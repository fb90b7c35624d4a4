#include "SkinUnpacker.h"

#include "AdaptiveHuffmanTree.h"
#include "LittleEndian.h"
#include "PositionCodes.h"
#include "SkinFormatError.h"

#include <array>
#include <memory>
#include <new>
#include <string>

namespace tessarin::skin {
namespace {

using namespace lzhuf;

// The most bytes one packed bit can stand for. A match of the longest length
// is the best the packing does: its symbol's Huffman code is at least one bit
// long, and its position at least nine (the shortest code of the upper six
// bits is three bits, then the lower six verbatim). So a packed stream of N
// bytes never unpacks to more than 6 bytes per bit, 48 per byte, which a
// long run of one byte approaches.
constexpr int shortestSymbolBits = 1;
constexpr int shortestPositionBits = 3 + 6;
constexpr std::uint64_t mostBytesPerBit = lookAhead / (shortestSymbolBits + shortestPositionBits);

// Bits of the packed stream, most significant first; past the end every bit
// is 0.
class BitReader {
public:
    explicit BitReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    int bit() {
        const std::size_t byte = position_ >> 3;
        const int value = byte < bytes_.size() ? (bytes_[byte] >> (7 - (position_ & 7))) & 1 : 0;
        ++position_;
        return value;
    }

    int bits(int count) {
        int value = 0;
        while (count-- > 0)
            value = (value << 1) | bit();
        return value;
    }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t position_ = 0;
};

// The decoding state: the Huffman tree and the ring of recent output.
struct DecodingTables {
    AdaptiveHuffmanTree tree;
    std::array<std::uint8_t, ringSize> ring{};
};

std::unique_ptr<DecodingTables> allocateTables() {
    try {
        auto tables = std::make_unique<DecodingTables>();
        std::fill(tables->ring.begin(), tables->ring.begin() + startPosition, ringFill);
        return tables;
    } catch (const std::bad_alloc&) {
        throw SkinFormatError("Skin unpacking: cannot allocate the decoding tables");
    }
}

int decodeSymbol(AdaptiveHuffmanTree& tree, BitReader& bits) {
    int node = tree.child(rootNode);
    while (node < nodeCount)
        node = tree.child(node + bits.bit());
    const int symbol = node - nodeCount;
    tree.update(symbol);
    return symbol;
}

int decodePosition(BitReader& bits) {
    const int firstByte = bits.bits(8);
    const PositionPrefix prefix = positionPrefixes()[firstByte];
    const int lowBits = (firstByte << (prefix.codeLength - 2)) | bits.bits(prefix.codeLength - 2);
    return prefix.upperBits << 6 | (lowBits & 0x3f);
}

std::vector<std::uint8_t> decode(std::span<const std::uint8_t> stream, std::size_t unpackedSize) {
    std::vector<std::uint8_t> out;
    out.reserve(unpackedSize + lookAhead);
    const auto tables = allocateTables();
    auto& ring = tables->ring;
    BitReader bits(stream);
    int write = startPosition;
    const auto emit = [&](std::uint8_t byte) {
        out.push_back(byte);
        ring[write] = byte;
        write = (write + 1) & (ringSize - 1);
    };
    while (out.size() < unpackedSize) {
        const int symbol = decodeSymbol(tables->tree, bits);
        if (symbol < 256) {
            emit(static_cast<std::uint8_t>(symbol));
        } else {
            const int from = (write - decodePosition(bits) - 1) & (ringSize - 1);
            for (int k = 0, length = matchLength(symbol); k < length; ++k)
                emit(ring[(from + k) & (ringSize - 1)]);
        }
    }
    // A last match may run past the unpacked size; its excess is not part of
    // the skin.
    out.resize(unpackedSize);
    return out;
}

} // namespace

std::vector<std::uint8_t> unpackSkin(std::span<const std::uint8_t> packed) {
    if (packed.size() < 4)
        throw SkinFormatError("Skin unpacking: the packed skin is " + std::to_string(packed.size()) +
                              " bytes long, too short to hold its unpacked size");
    const std::uint32_t unpackedSize = readUint32(packed, 0);
    const auto stream = packed.subspan(4);
    if (unpackedSize > stream.size() * 8 * mostBytesPerBit)
        throw SkinFormatError("Skin unpacking: an unpacked size of " + std::to_string(unpackedSize) +
                              " bytes is more than " + std::to_string(stream.size()) +
                              " packed bytes can hold");
    return decode(stream, unpackedSize);
}

} // namespace tessarin::skin
