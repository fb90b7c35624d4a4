#include "EmbeddedSource.h"

#include <fstream>
#include <stdexcept>

namespace tessarin::skin::tools {

void writeStoredSkinSource(const std::filesystem::path& file, std::span<const std::uint8_t> stream) {
    const std::filesystem::path partial = file.string() + ".partial";
    {
        std::ofstream out(partial);
        out << "// Made by tessarin-make-skin from the metallic skin at build time.\n"
               "#include \"skin/StoredSkin.h\"\n\n"
               "namespace tessarin::skin {\nnamespace {\n\nconstexpr std::uint8_t stream[] = {";
        for (std::size_t i = 0; i < stream.size(); ++i)
            out << (i % 20 == 0 ? "\n    " : " ") << static_cast<int>(stream[i]) << ',';
        out << "\n};\n\n} // namespace\n\n"
               "std::span<const std::uint8_t> storedSkinStream() { return stream; }\n\n"
               "} // namespace tessarin::skin\n";
        if (!out)
            throw std::runtime_error("cannot write " + partial.string());
    }
    std::filesystem::rename(partial, file);
}

} // namespace tessarin::skin::tools
