#include "SqlFunctions.h"

#include "DataError.h"
#include "GbkOrder.h"
#include "LatinCase.h"
#include "NumberText.h"

#include <cmath>
#include <string>

namespace tessarin::data {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t skipDigits(std::string_view text, std::size_t i) {
    while (i < text.size() && isDigit(text[i]))
        ++i;
    return i;
}

void valFunction(sqlite3_context* context, int, sqlite3_value** arguments) {
    switch (sqlite3_value_type(arguments[0])) {
    case SQLITE_INTEGER:
        sqlite3_result_int64(context, sqlite3_value_int64(arguments[0]));
        return;
    case SQLITE_FLOAT:
        sqlite3_result_double(context, sqlite3_value_double(arguments[0]));
        return;
    default:
        break;
    }
    const auto* raw = reinterpret_cast<const char*>(sqlite3_value_text(arguments[0]));
    const auto number = leadingNumber(raw ? std::string_view(raw, sqlite3_value_bytes(arguments[0])) : "");
    if (const auto* whole = std::get_if<long long>(&number))
        sqlite3_result_int64(context, *whole);
    else
        sqlite3_result_double(context, std::get<double>(number));
}

void cstrFunction(sqlite3_context* context, int, sqlite3_value** arguments) {
    std::string text;
    switch (sqlite3_value_type(arguments[0])) {
    case SQLITE_NULL:
        sqlite3_result_null(context);
        return;
    case SQLITE_INTEGER:
        text = std::to_string(sqlite3_value_int64(arguments[0]));
        break;
    case SQLITE_FLOAT:
        text = formatNumber(sqlite3_value_double(arguments[0]));
        break;
    default:
        sqlite3_result_value(context, arguments[0]);
        return;
    }
    sqlite3_result_text(context, text.c_str(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

// A signed run of at most 18 digits, which a long long always holds.
long long wholeNumber(std::string_view text) {
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+'))
        text.remove_prefix(1);
    long long value = 0;
    for (char digit : text)
        value = value * 10 + (digit - '0');
    return negative ? -value : value;
}

int gbkCollation(void*, int sizeA, const void* a, int sizeB, const void* b) {
    const std::string_view textA(static_cast<const char*>(a), static_cast<std::size_t>(sizeA));
    const std::string_view textB(static_cast<const char*>(b), static_cast<std::size_t>(sizeB));
    try {
        return compareAsGbkIgnoringLatinCase(textA, textB);
    } catch (const std::exception&) {
        // Without a GBK converter the engine still gets an order: the bytes'.
        return compareIgnoringLatinCase(textA, textB);
    }
}

} // namespace

std::variant<long long, double> leadingNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    const std::size_t start = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    const std::size_t integerStart = i;
    i = skipDigits(text, i);
    bool whole = true;
    bool anyDigit = i > integerStart;
    if (i < text.size() && text[i] == '.') {
        const std::size_t fractionStart = i + 1;
        const std::size_t fractionEnd = skipDigits(text, fractionStart);
        if (fractionEnd > fractionStart || anyDigit) {
            whole = false;
            anyDigit = anyDigit || fractionEnd > fractionStart;
            i = fractionEnd;
        }
    }
    if (!anyDigit)
        return 0LL;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        const std::size_t exponentEnd = skipDigits(text, j);
        if (exponentEnd > j) {
            whole = false;
            i = exponentEnd;
        }
    }
    if (whole && i - integerStart <= 18)
        return wholeNumber(text.substr(start, i - start));
    const auto value = parseNumber(text.substr(start, i - start));
    const double result = value ? static_cast<double>(*value) : 0.0;
    if (std::floor(result) == result && std::fabs(result) < 9.0e18)
        return static_cast<long long>(result);
    return result;
}

void registerSqlFunctions(sqlite3* db) {
    constexpr int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    if (sqlite3_create_function_v2(db, "val", 1, flags, nullptr, valFunction, nullptr, nullptr, nullptr) !=
            SQLITE_OK ||
        sqlite3_create_function_v2(db, "CStr", 1, flags, nullptr, cstrFunction, nullptr, nullptr, nullptr) !=
            SQLITE_OK ||
        sqlite3_create_collation_v2(db, "gbk", SQLITE_UTF8, nullptr, gbkCollation, nullptr) != SQLITE_OK)
        throw DataError(sqlite3_errmsg(db));
}

} // namespace tessarin::data
