// Any bytes as an unpacked skin archive. Reading either fails with
// SkinFormatError or gives entries that lie inside the archive one after the
// other; every entry is found by its name (the first of equal names), the
// definition is the first ".ini" entry, and writing the entries out again
// reads back the same. Each bitmap's header is read from a copy of its own,
// so that a read past the entry's end is caught.

#include "FuzzCheck.h"
#include "SkinArchiveWriter.h"
#include "skin/BitmapSize.h"
#include "skin/SkinArchive.h"
#include "skin/SkinFormatError.h"

#include <optional>
#include <vector>

namespace {

using namespace tessarin::skin;

void checkLayout(const SkinArchive& archive) {
    const auto& entries = archive.entries();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        FUZZ_CHECK(entries[i].offset + entries[i].size <= archive.size());
        if (i > 0)
            FUZZ_CHECK(entries[i].offset == entries[i - 1].offset + entries[i - 1].size);
        FUZZ_CHECK(archive.contents(entries[i]).size() == entries[i].size);
    }
}

void checkLookups(const SkinArchive& archive) {
    const SkinArchiveEntry* firstIni = nullptr;
    for (const SkinArchiveEntry& entry : archive.entries()) {
        if (!firstIni && entry.name.find(".ini") != std::string::npos)
            firstIni = &entry;
        // A reference's folder part ends at its last backslash, so a name
        // holding one is not found by itself.
        if (entry.name.find('\\') != std::string::npos)
            continue;
        const SkinArchiveEntry* found = archive.find(entry.name);
        FUZZ_CHECK(found && found->name == entry.name && found <= &entry);
        if (entry.name.ends_with(".bmp"))
            FUZZ_CHECK(archive.bitmapFile(entry.name).data() == archive.contents(*found).data());
        else
            FUZZ_CHECK(archive.bitmapFile(entry.name).empty());
    }
    FUZZ_CHECK(archive.definition() == firstIni);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::optional<SkinArchive> archive;
    try {
        archive.emplace(std::vector<std::uint8_t>(data, data + size));
    } catch (const SkinFormatError&) {
        return 0;
    }
    checkLayout(*archive);
    checkLookups(*archive);

    std::vector<tools::ArchiveFile> files;
    for (const SkinArchiveEntry& entry : archive->entries()) {
        const auto contents = archive->contents(entry);
        files.push_back({entry.name, {contents.begin(), contents.end()}});
        bitmapSize(files.back().contents);
    }
    const auto skipped = skippedBlockSize(archive->version());
    FUZZ_CHECK(skipped.has_value());
    const SkinArchive rewritten(tools::writeSkinArchive(files, archive->version(), *skipped));
    FUZZ_CHECK(rewritten.entries().size() == files.size());
    for (std::size_t i = 0; i < files.size(); ++i) {
        const auto contents = rewritten.contents(rewritten.entries()[i]);
        FUZZ_CHECK(rewritten.entries()[i].name == files[i].name);
        FUZZ_CHECK(std::vector<std::uint8_t>(contents.begin(), contents.end()) == files[i].contents);
    }
    return 0;
}
