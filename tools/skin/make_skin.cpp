// tessarin-make-skin DEFINITION OUTDIR SOURCE
//
// Builds the program's stored skin: draws the bitmaps of the metallic skin,
// archives them after the definition text DEFINITION (as "metallic.ini"),
// packs the archive, and writes
//   OUTDIR/metallic/       the definition and the bitmaps, for a look at them
//   OUTDIR/metallic.skin   the packed skin (unpacked size, then the bit stream)
//   SOURCE                 the C++ source that embeds the SkinStream property

#include "ArtworkPainting.h"
#include "EmbeddedSource.h"
#include "SizePrefix.h"
#include "SkinArchiveWriter.h"
#include "SkinArtwork.h"
#include "SkinPacker.h"

#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>

namespace {

using namespace tessarin::skin::tools;
namespace fs = std::filesystem;

constexpr int archiveVersion = 50000;
constexpr std::size_t archiveSkippedBlock = 48;

std::vector<std::uint8_t> readFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + file.string());
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFile(const fs::path& file, std::span<const std::uint8_t> bytes) {
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + file.string());
}

std::vector<ArchiveFile> skinFiles(const fs::path& definition) {
    std::vector<ArchiveFile> files{{"metallic.ini", readFile(definition)}};
    for (const ArtworkBitmap& bitmap : drawSkinArtwork())
        files.push_back({bitmap.name, bitmapFile(bitmap.image)});
    return files;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: tessarin-make-skin DEFINITION OUTDIR SOURCE\n";
        return 2;
    }
    try {
        const fs::path outDir = argv[2];
        fs::create_directories(outDir / "metallic");
        const std::vector<ArchiveFile> files = skinFiles(argv[1]);
        for (const ArchiveFile& file : files)
            writeFile(outDir / "metallic" / file.name, file.contents);
        const auto packed = packSkin(writeSkinArchive(files, archiveVersion, archiveSkippedBlock));
        writeFile(outDir / "metallic.skin", packed);
        // The form property: the packed skin's byte count, then its bytes.
        writeStoredSkinSource(argv[3], prefixed(static_cast<std::uint32_t>(packed.size()), packed));
    } catch (const std::exception& error) {
        std::cerr << "tessarin-make-skin: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
