// skin [FILE]: unpacks the stored skin, or the packed skin in FILE (its
// unpacked size, then the packed bits), reads its archive and definition, and
// prints the archive version, the unpacked size, one line per archive entry,
// the frame a captioned window gets, and the colours of the "Colours" section.
// FILE must be a regular file of at most 64 MB, far more than any skin needs
// (the stored one packs into 33 KB), so that no device or endless file is
// read until memory runs out.

#include "Commands.h"
#include "data/LatinCase.h"
#include "skin/BitmapSize.h"
#include "skin/SkinArchive.h"
#include "skin/SkinFormatError.h"
#include "skin/SkinStreamProperty.h"
#include "skin/SkinUnpacker.h"
#include "skin/StoredSkin.h"
#include "skin/TIniText.h"
#include "skin/WindowBorders.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <set>

namespace tessarin::cli {
namespace {

using namespace tessarin::skin;

constexpr std::size_t largestSkinFile = 64 * 1024 * 1024;

std::vector<std::uint8_t> readSkinFile(const std::string& name) {
    std::error_code ignored;
    const std::filesystem::file_status status = std::filesystem::status(name, ignored);
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status))
        throw SkinFormatError("The skin file " + name + " is not a regular file");
    std::ifstream in(name, std::ios::binary);
    if (!in)
        throw SkinFormatError("Cannot read the skin file " + name);
    std::vector<std::uint8_t> bytes;
    char buffer[64 * 1024];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        const auto got = static_cast<std::size_t>(in.gcount());
        if (bytes.size() + got > largestSkinFile)
            throw SkinFormatError("The skin file " + name + " is larger than 64 MB, more than any skin needs");
        bytes.insert(bytes.end(), buffer, buffer + got);
    }
    return bytes;
}

std::vector<std::uint8_t> packedSkin(const std::vector<std::string>& arguments) {
    if (arguments.empty()) {
        const auto packed = packedSkinOf(storedSkinStream());
        if (!packed)
            throw SkinFormatError("No skin is stored");
        return {packed->begin(), packed->end()};
    }
    return readSkinFile(arguments[0]);
}

TIniText definitionOf(const SkinArchive& archive) {
    const SkinArchiveEntry* definition = archive.definition();
    if (!definition)
        throw SkinFormatError("Skin archive: no definition text (an \".ini\" entry)");
    const auto text = archive.contents(*definition);
    return TIniText(std::string_view(reinterpret_cast<const char*>(text.data()), text.size()));
}

FrameSizes captionedFrame(const SkinArchive& archive, const TIniText& definition) {
    std::array<BorderImage, 4> images;
    for (BorderSide side : borderSides) {
        const auto border = readWindowBorder(definition, side);
        if (!border)
            continue;
        const auto size = bitmapSize(archive.bitmapFile(border->image)).value_or(BitmapSize{});
        images[static_cast<int>(side)] = {size.width, size.height, border->frameCount};
    }
    return frameSizesOf(images);
}

void printColours(std::ostream& out, const TIniText& definition) {
    std::set<std::string> printed;
    for (const TIniText::Entry& entry : definition.entries("Colours")) {
        const auto colour = definition.readColour("Colours", entry.key);
        if (!colour || !printed.insert(data::upperLatin(entry.key)).second)
            continue;
        out << "colour " << entry.key << ' ' << int(colour->red) << ' ' << int(colour->green) << ' '
            << int(colour->blue) << '\n';
    }
}

int runSkinCommand(CliContext& context) {
    const SkinArchive archive(unpackSkin(packedSkin(context.arguments())));
    const TIniText definition = definitionOf(archive);
    std::ostream& out = context.out();
    out << "version " << archive.version() << '\n' << "unpacked " << archive.size() << '\n';
    for (const SkinArchiveEntry& entry : archive.entries())
        out << "entry " << entry.name << ' ' << entry.size << '\n';
    const FrameSizes frame = captionedFrame(archive, definition);
    out << "frame " << frame.left << ' ' << frame.top << ' ' << frame.right << ' ' << frame.bottom << '\n';
    printColours(out, definition);
    return exitOk;
}

constexpr std::array<std::string_view, 1> forms{"[FILE]"};
constexpr std::array<CommandArgument, 1> arguments{
    {{"FILE", "a packed skin file (the skin stored in the program by default)"}}};

const CommandRegistration registration({"skin", "the archive, window frame and colours of a skin", forms, arguments, 0,
                                        1, runSkinCommand});

} // namespace
} // namespace tessarin::cli
