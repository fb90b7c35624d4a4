#include "SkinPacker.h"

#include "SizePrefix.h"

#include "skin/AdaptiveHuffmanTree.h"
#include "skin/PositionCodes.h"

#include <algorithm>
#include <array>

namespace tessarin::skin::tools {
namespace {

using namespace lzhuf;

// How many earlier places with the same three bytes are tried per position.
constexpr int maxCandidates = 512;
constexpr int hashBits = 15;

class BitWriter {
public:
    explicit BitWriter(std::vector<std::uint8_t>& out) : out_(out) {}

    // The lowest `length` bits of `value`, highest first.
    void put(unsigned value, int length) {
        while (length-- > 0) {
            pending_ = (pending_ << 1) | ((value >> length) & 1);
            if (++count_ == 8) {
                out_.push_back(static_cast<std::uint8_t>(pending_));
                pending_ = 0;
                count_ = 0;
            }
        }
    }

    // Writes the last, partly filled byte, its free bits 0.
    void finish() {
        if (count_ > 0)
            out_.push_back(static_cast<std::uint8_t>(pending_ << (8 - count_)));
        count_ = 0;
    }

private:
    std::vector<std::uint8_t>& out_;
    unsigned pending_ = 0;
    int count_ = 0;
};

class Encoder {
public:
    Encoder(std::span<const std::uint8_t> data, std::vector<std::uint8_t>& out);
    void run();

private:
    struct Match {
        int length = 0;
        int distance = 0;
    };

    unsigned hashAt(std::size_t position) const;
    void remember(std::size_t position);
    Match longestMatch(std::size_t position) const;
    void putSymbol(int symbol);
    void putPosition(int position);

    // The ring's spaces, then the data: a place in this text is the ring
    // position it lands on, modulo the ring size.
    std::vector<std::uint8_t> text_;
    std::vector<int> previous_;
    std::vector<int> heads_;
    BitWriter bits_;
    AdaptiveHuffmanTree tree_;
};

Encoder::Encoder(std::span<const std::uint8_t> data, std::vector<std::uint8_t>& out)
    : text_(startPosition, ringFill), previous_(startPosition + data.size(), -1), heads_(1 << hashBits, -1),
      bits_(out) {
    text_.insert(text_.end(), data.begin(), data.end());
}

unsigned Encoder::hashAt(std::size_t position) const {
    const unsigned key = text_[position] | text_[position + 1] << 8 | text_[position + 2] << 16;
    return (key * 2654435761u) >> (32 - hashBits);
}

void Encoder::remember(std::size_t position) {
    if (position + 3 > text_.size())
        return;
    const unsigned hash = hashAt(position);
    previous_[position] = heads_[hash];
    heads_[hash] = static_cast<int>(position);
}

Encoder::Match Encoder::longestMatch(std::size_t position) const {
    Match best;
    if (position + 3 > text_.size())
        return best;
    const int limit = static_cast<int>(std::min<std::size_t>(lookAhead, text_.size() - position));
    int tries = maxCandidates;
    for (int candidate = heads_[hashAt(position)];
         candidate >= 0 && static_cast<int>(position) - candidate <= ringSize && tries-- > 0;
         candidate = previous_[candidate]) {
        int length = 0;
        // The copy may overlap the bytes it produces, as the unpacker's does.
        while (length < limit && text_[candidate + length] == text_[position + length])
            ++length;
        if (length > best.length)
            best = {length, static_cast<int>(position) - candidate};
        if (length == limit)
            break;
    }
    return best;
}

void Encoder::putSymbol(int symbol) {
    // The code is the path from the root to the symbol's leaf; walking up
    // gives its bits in reverse.
    std::array<std::uint8_t, nodeCount> path{};
    int depth = 0;
    for (int node = tree_.leafNode(symbol); node != rootNode; node = tree_.parent(node))
        path[depth++] = node & 1;
    while (depth > 0)
        bits_.put(path[--depth], 1);
    tree_.update(symbol);
}

void Encoder::putPosition(int position) {
    const PositionCode code = positionCodes()[position >> 6];
    bits_.put(code.bits >> (8 - code.length), code.length);
    bits_.put(position & 0x3f, 6);
}

void Encoder::run() {
    for (std::size_t position = 0; position < startPosition; ++position)
        remember(position);
    std::size_t position = startPosition;
    while (position < text_.size()) {
        const Match match = longestMatch(position);
        int consumed = 1;
        if (match.length > threshold) {
            putSymbol(matchSymbol(match.length));
            putPosition(match.distance - 1);
            consumed = match.length;
        } else {
            putSymbol(text_[position]);
        }
        for (int i = 0; i < consumed; ++i)
            remember(position++);
    }
    bits_.finish();
}

} // namespace

std::vector<std::uint8_t> packSkin(std::span<const std::uint8_t> data) {
    std::vector<std::uint8_t> out;
    appendUint32(out, static_cast<std::uint32_t>(data.size()));
    Encoder(data, out).run();
    return out;
}

} // namespace tessarin::skin::tools
