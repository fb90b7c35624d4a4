#include "SkinArchive.h"

#include "LittleEndian.h"
#include "SkinFormatError.h"

#include <algorithm>
#include <map>

namespace tessarin::skin {
namespace {

constexpr std::size_t headerSize = 16;

std::string lowerCased(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
    return result;
}

// The names of the list, split at CR LF; a list that ends in CR LF has no
// empty last name.
std::vector<std::string> splitNames(std::string_view list) {
    std::vector<std::string> names;
    while (!list.empty()) {
        const std::size_t end = list.find("\r\n");
        names.push_back(lowerCased(list.substr(0, end)));
        list = end == std::string_view::npos ? std::string_view{} : list.substr(end + 2);
    }
    return names;
}

std::string_view fileNamePart(std::string_view reference) {
    const std::size_t slash = reference.rfind('\\');
    return slash == std::string_view::npos ? reference : reference.substr(slash + 1);
}

[[noreturn]] void truncated(const std::string& what, std::size_t needed, std::size_t available) {
    throw SkinFormatError("Skin archive: " + what + " needs " + std::to_string(needed) + " bytes but the archive has " +
                          std::to_string(available));
}

} // namespace

std::optional<std::size_t> skippedBlockSize(int version) {
    static const std::map<int, std::size_t> sizes{{20000, 0},  {30000, 256}, {40000, 80},
                                                  {50000, 48}, {60000, 117}, {70000, 69}};
    const auto found = sizes.find(version);
    return found == sizes.end() ? std::nullopt : std::optional(found->second);
}

SkinArchive::SkinArchive(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {
    const std::span<const std::uint8_t> all(bytes_);
    if (all.size() < headerSize)
        truncated("the header", headerSize, all.size());
    version_ = readInt32(all, 0);
    const auto skipped = skippedBlockSize(version_);
    if (!skipped)
        throw SkinFormatError(std::string(unsupportedVersionMessage));
    const std::uint32_t listLength = readUint32(all, 4);
    std::size_t offset = headerSize + *skipped;
    if (offset > all.size() || listLength > all.size() - offset)
        truncated("the name list", offset + std::uint64_t{listLength}, all.size());
    const auto list = all.subspan(offset, listLength);
    const std::vector<std::string> names = splitNames({reinterpret_cast<const char*>(list.data()), list.size()});
    offset += listLength;
    if (names.size() * 4 > all.size() - offset)
        truncated("the sizes of " + std::to_string(names.size()) + " files", offset + names.size() * 4, all.size());
    std::size_t contentOffset = offset + names.size() * 4;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::uint32_t fileSize = readUint32(all, offset + 4 * i);
        if (fileSize > all.size() - contentOffset)
            truncated("the file \"" + names[i] + "\"", contentOffset + std::uint64_t{fileSize}, all.size());
        entries_.push_back({names[i], contentOffset, fileSize});
        contentOffset += fileSize;
    }
}

std::span<const std::uint8_t> SkinArchive::contents(const SkinArchiveEntry& entry) const {
    return std::span<const std::uint8_t>(bytes_).subspan(entry.offset, entry.size);
}

const SkinArchiveEntry* SkinArchive::find(std::string_view reference) const {
    const std::string name = lowerCased(fileNamePart(reference));
    const auto found = std::find_if(entries_.begin(), entries_.end(),
                                    [&](const SkinArchiveEntry& entry) { return entry.name == name; });
    return found == entries_.end() ? nullptr : &*found;
}

const SkinArchiveEntry* SkinArchive::definition() const {
    const auto found = std::find_if(entries_.begin(), entries_.end(), [](const SkinArchiveEntry& entry) {
        return entry.name.find(".ini") != std::string::npos;
    });
    return found == entries_.end() ? nullptr : &*found;
}

std::span<const std::uint8_t> SkinArchive::bitmapFile(std::string_view reference) const {
    if (!reference.ends_with(".bmp"))
        return {};
    const SkinArchiveEntry* entry = find(reference);
    return entry ? contents(*entry) : std::span<const std::uint8_t>{};
}

} // namespace tessarin::skin
