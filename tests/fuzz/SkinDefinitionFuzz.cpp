// Any bytes as a skin definition text. Section names are found whatever
// their letter case, each once; keys and values come out trimmed and
// single-line; a key reads the first value given for it; numbers and colours
// that read read again from their plain decimal text; and the window borders
// read from any definition.

#include "FuzzCheck.h"
#include "data/LatinCase.h"
#include "skin/TIniText.h"
#include "skin/WindowBorders.h"

#include <string>
#include <string_view>

namespace {

using namespace tessarin::skin;
using tessarin::data::equalsIgnoringLatinCase;
using tessarin::data::upperLatin;

// Sections and keys are searched from the start, so checking every one of
// a huge definition would be quadratic; the first ones say enough.
constexpr std::size_t checkedSections = 64;
constexpr std::size_t checkedEntries = 64;

bool isTrimmed(std::string_view text) {
    const auto blankOrControl = [](char c) { return static_cast<unsigned char>(c) <= ' ' || c == '\x7f'; };
    return text.empty() || (!blankOrControl(text.front()) && !blankOrControl(text.back()));
}

bool isOneLine(std::string_view text) { return text.find_first_of("\r\n") == std::string_view::npos; }

void checkNumberAndColour(const std::string& value) {
    if (const auto number = parseIniInteger(value))
        FUZZ_CHECK(parseIniInteger(std::to_string(*number)) == number);
    if (const auto colour = parseIniColour(value)) {
        const std::string plain = std::to_string(colour->red) + " " + std::to_string(colour->green) + " " +
                                  std::to_string(colour->blue);
        FUZZ_CHECK(parseIniColour(plain) == colour);
    }
}

void checkSection(const TIniText& ini, const std::string& section) {
    FUZZ_CHECK(isTrimmed(section) && isOneLine(section));
    const auto entries = ini.entries(section);
    FUZZ_CHECK(ini.entries(upperLatin(section)).size() == entries.size());
    for (std::size_t i = 0; i < entries.size() && i < checkedEntries; ++i) {
        const auto& [key, value] = entries[i];
        FUZZ_CHECK(isTrimmed(key) && isOneLine(key) && isTrimmed(value) && isOneLine(value));
        FUZZ_CHECK(ini.hasKey(section, key));
        std::size_t first = 0;
        while (!equalsIgnoringLatinCase(entries[first].key, key))
            ++first;
        const std::string& firstValue = entries[first].value;
        FUZZ_CHECK(ini.readString(section, upperLatin(key), "\x01") == (firstValue.empty() ? "\x01" : firstValue));
        checkNumberAndColour(value);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const TIniText ini(std::string_view(reinterpret_cast<const char*>(data), size));
    const auto sections = ini.sectionNames();
    for (std::size_t i = 0; i < sections.size() && i < checkedSections; ++i) {
        for (std::size_t j = 0; j < i; ++j)
            FUZZ_CHECK(!equalsIgnoringLatinCase(sections[i], sections[j]));
        checkSection(ini, sections[i]);
    }
    for (BorderSide side : borderSides)
        readWindowBorder(ini, side);
    return 0;
}
