#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tessarin::skin {

// One file of a skin archive: its name as the archive reader keeps it
// (lower-cased) and where its contents lie in the archive.
struct SkinArchiveEntry {
    std::string name;
    std::size_t offset = 0;
    std::size_t size = 0;
};

// An unpacked skin archive: a 16-byte header (format version, name-list
// length and two values not used here), a block skipped by version, the
// file names separated by CR LF, one 32-bit size per name, then the files'
// contents in name order. All numbers are 32-bit little-endian.
//
// The constructor checks the whole layout and throws SkinFormatError when a
// part runs past the end of the bytes, or, with the two-line message the
// user reads, when the version is not one of 20000, 30000, 40000, 50000,
// 60000 and 70000. A built archive never reads outside its bytes.
class SkinArchive {
public:
    explicit SkinArchive(std::vector<std::uint8_t> bytes);

    int version() const { return version_; }
    // The size of the unpacked archive in bytes.
    std::size_t size() const { return bytes_.size(); }
    const std::vector<SkinArchiveEntry>& entries() const { return entries_; }
    std::span<const std::uint8_t> contents(const SkinArchiveEntry& entry) const;

    // The first entry named like the file-name part of a reference (the text
    // after its last backslash), compared lower-cased; null when none is.
    const SkinArchiveEntry* find(std::string_view reference) const;
    // The skin definition: the first entry whose name contains ".ini"; null
    // when there is none.
    const SkinArchiveEntry* definition() const;
    // The bitmap file a definition refers to; empty when the reference is
    // empty, does not end in exactly ".bmp", or names no entry.
    std::span<const std::uint8_t> bitmapFile(std::string_view reference) const;

private:
    std::vector<std::uint8_t> bytes_;
    int version_ = 0;
    std::vector<SkinArchiveEntry> entries_;
};

// The size of the block a version keeps between the header and the names;
// nothing for a version this program cannot read.
std::optional<std::size_t> skippedBlockSize(int version);

// The message for an archive version this program cannot read.
inline constexpr std::string_view unsupportedVersionMessage =
    "Unsupported skin version\rPlease use a skin of a supported version.";

} // namespace tessarin::skin
