#pragma once

#include <optional>
#include <string_view>

namespace tessarin::data {

// The first character of a UTF-8 text: a lead byte and its continuation bytes.
// A byte that does not begin a well-formed sequence counts as a character of
// its own, so that malformed text still advances one byte at a time and can
// never make a reader run past the end. Empty for an empty text.
inline std::string_view firstCharacter(std::string_view text) {
    if (text.empty())
        return {};
    const auto lead = static_cast<unsigned char>(text[0]);
    const std::size_t length = lead < 0x80                ? 1
                               : lead >= 0xC2 && lead < 0xE0 ? 2
                               : lead >= 0xE0 && lead < 0xF0 ? 3
                               : lead >= 0xF0 && lead < 0xF5 ? 4
                                                             : 1;
    if (length > text.size())
        return text.substr(0, 1);
    for (std::size_t i = 1; i < length; ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
            return text.substr(0, 1);
    }
    return text.substr(0, length);
}

// The code point of one character as firstCharacter cuts it; empty for an
// empty text and for a byte that does not begin a well-formed sequence.
inline std::optional<char32_t> codePoint(std::string_view character) {
    if (character.empty())
        return std::nullopt;
    const auto lead = static_cast<unsigned char>(character[0]);
    if (character.size() == 1)
        return lead < 0x80 ? std::optional<char32_t>(lead) : std::nullopt;
    char32_t code = lead & (0x7F >> character.size());
    for (std::size_t i = 1; i < character.size(); ++i)
        code = (code << 6) | (static_cast<unsigned char>(character[i]) & 0x3F);
    return code;
}

} // namespace tessarin::data
