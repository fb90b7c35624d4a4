#pragma once

#include <optional>
#include <string_view>

namespace tessarin::data {

// The code of one UTF-8 character in GBK (code page 936), through the C
// library's converter: first byte × 256 + second byte for a two-byte
// character, the byte itself for a one-byte character (ASCII). Empty when the
// character has no GBK code, is malformed, or the text is not exactly one
// character. Throws std::runtime_error when the system has no GBK converter.
std::optional<unsigned> gbkCode(std::string_view character);

} // namespace tessarin::data
