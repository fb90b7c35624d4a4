#include "NumberText.h"

#include <cerrno>
#include <cinttypes>
#include <clocale>
#include <cstdio>
#include <cstdlib>

namespace tessarin::data {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Exponent text of %Lg ("1e-05") in the shorter form "1E-5".
std::string tidyExponent(std::string text) {
    const auto e = text.find('e');
    if (e == std::string::npos)
        return text;
    std::string mantissa = text.substr(0, e);
    std::string exponent = text.substr(e + 1);
    std::string sign;
    if (!exponent.empty() && (exponent[0] == '+' || exponent[0] == '-')) {
        if (exponent[0] == '-')
            sign = "-";
        exponent.erase(0, 1);
    }
    while (exponent.size() > 1 && exponent[0] == '0')
        exponent.erase(0, 1);
    return mantissa + "E" + sign + exponent;
}

// A stored text as a message quotes it. A NUL byte would end the message
// wherever it is read as a C string, so it is written as "\0".
std::string quoted(std::string_view text) {
    std::string shown = "'";
    for (const char c : text) {
        if (c == '\0')
            shown += "\\0";
        else
            shown += c;
    }
    return shown + "'";
}

} // namespace

std::string formatNumber(long double value, char decimalSeparator) {
    if (value == 0)
        return "0";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15Lg", value);
    std::string text = tidyExponent(buffer);
    // snprintf follows the C locale of the process; put the wanted separator in.
    for (char& c : text) {
        if (c == '.' || c == ',')
            c = decimalSeparator;
    }
    return text;
}

std::optional<long double> parseNumber(std::string_view text, char decimalSeparator) {
    text = trimBlanks(text);
    std::string plain;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        plain += text[i++];
    bool digits = false;
    bool separator = false;
    for (; i < text.size(); ++i) {
        if (isDigit(text[i])) {
            digits = true;
            plain += text[i];
        } else if (text[i] == decimalSeparator && !separator) {
            separator = true;
            plain += '.';
        } else {
            break;
        }
    }
    if (!digits)
        return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        plain += 'e';
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            plain += text[i++];
        const std::size_t start = i;
        while (i < text.size() && isDigit(text[i]))
            plain += text[i++];
        if (i == start)
            return std::nullopt;
    }
    if (i != text.size())
        return std::nullopt;
    // strtold reads the C locale's separator; the text now carries '.', so
    // convert under a known locale.
    static locale_t cLocale = newlocale(LC_NUMERIC_MASK, "C", nullptr);
    const locale_t previous = uselocale(cLocale);
    const long double value = std::strtold(plain.c_str(), nullptr);
    uselocale(previous);
    return value;
}

std::optional<long long> parseInteger(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (!text.empty() && text[0] == '$') {
        base = 16;
        text.remove_prefix(1);
    } else if (text.size() > 1 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty())
        return std::nullopt;
    unsigned long long value = 0;
    for (char c : text) {
        int digit;
        if (isDigit(c))
            digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            return std::nullopt;
        if (value > (static_cast<unsigned long long>(INT64_MAX) + 1 - static_cast<unsigned>(digit)) / base)
            return std::nullopt;
        value = value * base + static_cast<unsigned>(digit);
    }
    if (!negative && value > static_cast<unsigned long long>(INT64_MAX))
        return std::nullopt;
    return negative ? static_cast<long long>(0 - value) : static_cast<long long>(value);
}

std::string notAnIntegerMessage(std::string_view text) { return quoted(text) + " is not a valid integer value"; }

std::string notANumberMessage(std::string_view text) { return quoted(text) + " is not a valid floating point value"; }

char localeDecimalSeparator() {
    const lconv* conventions = std::localeconv();
    return conventions && conventions->decimal_point && conventions->decimal_point[0]
               ? conventions->decimal_point[0]
               : '.';
}

} // namespace tessarin::data
