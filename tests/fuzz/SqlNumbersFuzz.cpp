// val() and CStr() as the SQL of the timetable queries calls them, on an
// in-memory database, with any bytes bound as text and their first eight
// bytes bound as a whole number and as a double.
//
// val() of text is the number the core's leadingNumber() reads, CStr() of
// text is the text itself, and CStr() writes a number so that val() reads it
// back: whole numbers of up to 18 digits exactly, others to 15 significant
// digits; writing and reading what was read back changes it no more.

#include "FuzzCheck.h"
#include "data/SqlFunctions.h"
#include "data/SqliteHandles.h"

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>
#include <variant>

namespace {

using namespace tessarin::data;

// Every column reads from ?1 (text), ?2 (whole number) or ?3 (double).
constexpr const char* selectFunctions =
    "select val(?1), CStr(?1), val(CStr(val(?1))), val(CStr(val(CStr(val(?1))))),"
    " CStr(?2), val(CStr(?2)), CStr(?3), val(CStr(?3)), val(CStr(val(CStr(?3))))";

enum Column { Val, CStrText, TextReadBack, TextReadBackTwice, CStrWhole, WholeReadBack, CStrDouble, DoubleReadBack,
              DoubleReadBackTwice };

struct Session {
    DatabaseHandle db;
    StatementHandle statement;
};

Session& session() {
    static Session opened = [] {
        sqlite3* raw = nullptr;
        sqlite3_open(":memory:", &raw);
        DatabaseHandle db(raw);
        registerSqlFunctions(db.get());
        sqlite3_stmt* statement = nullptr;
        FUZZ_CHECK(sqlite3_prepare_v2(db.get(), selectFunctions, -1, &statement, nullptr) == SQLITE_OK);
        return Session{std::move(db), StatementHandle(statement)};
    }();
    return opened;
}

std::string_view textOf(sqlite3_stmt* statement, int column) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
    return text ? std::string_view(text, sqlite3_column_bytes(statement, column)) : std::string_view{};
}

bool isNumber(sqlite3_stmt* statement, int column) {
    const int type = sqlite3_column_type(statement, column);
    return type == SQLITE_INTEGER || type == SQLITE_FLOAT;
}

// A double read back from its 15-digit text: off by at most what rounding to
// 15 significant digits can lose.
bool readsBackClose(double original, double readBack) {
    return std::fabs(readBack - original) <= 1e-14 * std::fabs(original) + std::numeric_limits<double>::denorm_min();
}

bool sameValue(sqlite3_stmt* row, int column, int other) {
    const int type = sqlite3_column_type(row, column);
    if (type != sqlite3_column_type(row, other))
        return false;
    return type == SQLITE_INTEGER ? sqlite3_column_int64(row, column) == sqlite3_column_int64(row, other)
                                  : sqlite3_column_double(row, column) == sqlite3_column_double(row, other);
}

// The largest 15-digit number within the double range: the text of a larger
// double rounds up past the range, and val() reads it as infinity.
constexpr double largestFifteenDigitDouble = 1.79769313486231e308;

// A finite double written by CStr() and read back by val(), once and twice.
void checkReadingBack(sqlite3_stmt* row, double number, int once, int twice) {
    if (std::fabs(number) > largestFifteenDigitDouble)
        return;
    FUZZ_CHECK(isNumber(row, once) && readsBackClose(number, sqlite3_column_double(row, once)));
    FUZZ_CHECK(sameValue(row, once, twice));
}

void checkText(sqlite3_stmt* row, std::string_view text) {
    FUZZ_CHECK(sqlite3_column_type(row, CStrText) == SQLITE_TEXT && textOf(row, CStrText) == text);
    const auto expected = leadingNumber(text);
    if (const auto* whole = std::get_if<long long>(&expected)) {
        FUZZ_CHECK(sqlite3_column_type(row, Val) == SQLITE_INTEGER && sqlite3_column_int64(row, Val) == *whole);
        FUZZ_CHECK(sqlite3_column_type(row, TextReadBack) == SQLITE_INTEGER &&
                   sqlite3_column_int64(row, TextReadBack) == *whole);
        return;
    }
    const double number = std::get<double>(expected);
    FUZZ_CHECK(sqlite3_column_type(row, Val) == SQLITE_FLOAT && sqlite3_column_double(row, Val) == number);
    if (std::isfinite(number))
        checkReadingBack(row, number, TextReadBack, TextReadBackTwice);
}

void checkWholeNumber(sqlite3_stmt* row, long long number) {
    FUZZ_CHECK(textOf(row, CStrWhole) == std::to_string(number));
    if (number > -1000000000000000000LL && number < 1000000000000000000LL)
        FUZZ_CHECK(sqlite3_column_type(row, WholeReadBack) == SQLITE_INTEGER &&
                   sqlite3_column_int64(row, WholeReadBack) == number);
    else
        FUZZ_CHECK(isNumber(row, WholeReadBack) &&
                   readsBackClose(static_cast<double>(number), sqlite3_column_double(row, WholeReadBack)));
}

void checkDouble(sqlite3_stmt* row, double number) {
    // The engine keeps no NaN: it binds as NULL, and CStr(NULL) is NULL.
    if (std::isnan(number)) {
        FUZZ_CHECK(sqlite3_column_type(row, CStrDouble) == SQLITE_NULL);
        return;
    }
    FUZZ_CHECK(sqlite3_column_type(row, CStrDouble) == SQLITE_TEXT);
    if (std::isfinite(number))
        checkReadingBack(row, number, DoubleReadBack, DoubleReadBackTwice);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    unsigned char eight[8] = {};
    if (size > 0)
        std::memcpy(eight, data, size < 8 ? size : 8);
    long long whole;
    double number;
    std::memcpy(&whole, eight, 8);
    std::memcpy(&number, eight, 8);

    sqlite3_stmt* row = session().statement.get();
    sqlite3_reset(row);
    // A null pointer would bind NULL rather than the empty text.
    sqlite3_bind_text(row, 1, size > 0 ? text.data() : "", static_cast<int>(text.size()), SQLITE_STATIC);
    sqlite3_bind_int64(row, 2, whole);
    sqlite3_bind_double(row, 3, number);
    FUZZ_CHECK(sqlite3_step(row) == SQLITE_ROW);
    checkText(row, text);
    checkWholeNumber(row, whole);
    checkDouble(row, number);
    return 0;
}
