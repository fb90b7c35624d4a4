#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessarin::skin {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// A skin definition in INI form.
//
// Lines end at CR, LF or CR LF and are trimmed of blanks and control
// characters; empty lines and lines starting with ";" do not count. "[name]"
// opens a section; the lines up to the next section are its entries, each a
// key (the trimmed text before the first "=", empty without one) and a value
// (the trimmed text after it). Section names and keys are compared without
// regard to letter case, and where a name or key occurs twice the first one
// counts.
class TIniText {
public:
    struct Entry {
        std::string key;
        std::string value;
    };

    explicit TIniText(std::string_view text);

    // Every section name once, in order of first appearance, spelled as there.
    std::vector<std::string> sectionNames() const;
    bool hasKey(std::string_view section, std::string_view key) const;
    // The entries of a section in their order; empty when there is no such section.
    std::vector<Entry> entries(std::string_view section) const;

    // The value of a key; the fallback when it is empty or the key or the
    // section is missing.
    std::string readString(std::string_view section, std::string_view key, std::string_view fallback = {}) const;
    // The value as a whole number, decimal or, after "0x" or "0X", hexadecimal;
    // the fallback when it is missing or not a valid 32-bit number.
    int readInteger(std::string_view section, std::string_view key, int fallback) const;
    // The value as three decimal numbers (red, green, blue, 0 to 255) between
    // any other characters, as in "146 164 230"; nothing when it is missing
    // or does not hold three such numbers.
    std::optional<Rgb> readColour(std::string_view section, std::string_view key) const;

private:
    struct Section {
        std::string name;
        std::vector<Entry> entries;
    };

    const Section* findSection(std::string_view name) const;
    const Entry* findEntry(std::string_view section, std::string_view key) const;

    std::vector<Section> sections_;
};

// The number and colour rules of TIniText on a value text.
std::optional<int> parseIniInteger(std::string_view text);
std::optional<Rgb> parseIniColour(std::string_view text);

} // namespace tessarin::skin
