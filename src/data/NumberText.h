#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tessarin::data {

// Number text as the program shows numbers: the shortest decimal text with at
// most 15 significant digits, no decimal point when the value is whole (35),
// the needed decimals otherwise (28.6), with the given decimal separator.
std::string formatNumber(long double value, char decimalSeparator = '.');

// The inverse conversion: blanks around the text are allowed, then an optional
// sign, digits with at most one decimal separator, and an optional exponent.
// nullopt when the text is empty or anything else is found.
std::optional<long double> parseNumber(std::string_view text, char decimalSeparator = '.');

// A whole number in decimal (leading blanks and a sign allowed) or in
// hexadecimal after "$" or "0x"; nullopt when the text is not one.
std::optional<long long> parseInteger(std::string_view text);

// The messages of a failed conversion, quoting the offending text as the
// user reads it, the whole of it (a NUL byte in it shown as "\0").
std::string notAnIntegerMessage(std::string_view text);
std::string notANumberMessage(std::string_view text);

// The user's decimal separator, from the process locale.
char localeDecimalSeparator();

} // namespace tessarin::data
