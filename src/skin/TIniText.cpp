#include "TIniText.h"

#include "data/LatinCase.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace tessarin::skin {
namespace {

using data::equalsIgnoringLatinCase;

bool isBlankOrControl(char c) { return static_cast<unsigned char>(c) <= ' ' || c == '\x7f'; }

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlankOrControl(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlankOrControl(text.back()))
        text.remove_suffix(1);
    return text;
}

// The next line of `text`, which is advanced past its end of line.
std::string_view nextLine(std::string_view& text) {
    const std::size_t end = text.find_first_of("\r\n");
    const std::string_view line = text.substr(0, end);
    if (end == std::string_view::npos) {
        text = {};
    } else {
        const bool crLf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
        text.remove_prefix(end + (crLf ? 2 : 1));
    }
    return line;
}

template <typename Number>
std::optional<Number> parseWhole(std::string_view text, int base) {
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

} // namespace

TIniText::TIniText(std::string_view text) {
    Section* current = nullptr;
    while (!text.empty()) {
        const std::string_view line = trimmed(nextLine(text));
        if (line.empty() || line.front() == ';')
            continue;
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            current = &sections_.emplace_back(Section{std::string(trimmed(line.substr(1, line.size() - 2))), {}});
            continue;
        }
        if (!current)
            continue;
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos)
            current->entries.push_back({});
        else
            current->entries.push_back({std::string(trimmed(line.substr(0, equals))),
                                        std::string(trimmed(line.substr(equals + 1)))});
    }
}

std::vector<std::string> TIniText::sectionNames() const {
    std::vector<std::string> names;
    for (const Section& section : sections_) {
        if (findSection(section.name) == &section)
            names.push_back(section.name);
    }
    return names;
}

const TIniText::Section* TIniText::findSection(std::string_view name) const {
    const auto found = std::find_if(sections_.begin(), sections_.end(),
                                    [&](const Section& section) { return equalsIgnoringLatinCase(section.name, name); });
    return found == sections_.end() ? nullptr : &*found;
}

const TIniText::Entry* TIniText::findEntry(std::string_view section, std::string_view key) const {
    const Section* found = findSection(section);
    if (!found)
        return nullptr;
    const auto entry = std::find_if(found->entries.begin(), found->entries.end(),
                                    [&](const Entry& candidate) { return equalsIgnoringLatinCase(candidate.key, key); });
    return entry == found->entries.end() ? nullptr : &*entry;
}

bool TIniText::hasKey(std::string_view section, std::string_view key) const { return findEntry(section, key); }

std::vector<TIniText::Entry> TIniText::entries(std::string_view section) const {
    const Section* found = findSection(section);
    return found ? found->entries : std::vector<Entry>{};
}

std::string TIniText::readString(std::string_view section, std::string_view key, std::string_view fallback) const {
    const Entry* entry = findEntry(section, key);
    return std::string(entry && !entry->value.empty() ? std::string_view(entry->value) : fallback);
}

int TIniText::readInteger(std::string_view section, std::string_view key, int fallback) const {
    return parseIniInteger(readString(section, key)).value_or(fallback);
}

std::optional<Rgb> TIniText::readColour(std::string_view section, std::string_view key) const {
    return parseIniColour(readString(section, key));
}

std::optional<int> parseIniInteger(std::string_view text) {
    if (text.size() > 2 && (text.starts_with("0x") || text.starts_with("0X"))) {
        // Hexadecimal takes all 32 bits, so "0xFFFFFFFF" is -1.
        const auto value = parseWhole<std::uint32_t>(text.substr(2), 16);
        return value ? std::optional(static_cast<int>(*value)) : std::nullopt;
    }
    return parseWhole<int>(text, 10);
}

std::optional<Rgb> parseIniColour(std::string_view text) {
    std::uint8_t parts[3];
    int count = 0;
    std::size_t digits = text.find_first_of("0123456789");
    while (count < 3 && digits != std::string_view::npos) {
        const std::size_t end = std::min(text.find_first_not_of("0123456789", digits), text.size());
        const auto value = parseWhole<unsigned>(text.substr(digits, end - digits), 10);
        if (!value || *value > 255)
            return std::nullopt;
        parts[count++] = static_cast<std::uint8_t>(*value);
        digits = text.find_first_of("0123456789", end);
    }
    if (count < 3)
        return std::nullopt;
    return Rgb{parts[0], parts[1], parts[2]};
}

} // namespace tessarin::skin
