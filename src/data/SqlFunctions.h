#pragma once

#include <sqlite3.h>

#include <string_view>
#include <variant>

namespace tessarin::data {

// The leading decimal number of a text, as the SQL function val() reads it:
// leading blanks skipped, an optional sign, digits with an optional fraction
// and exponent; 0 when the text does not begin with a number ("-", "").
// Whole numbers come back as integers, others as doubles.
std::variant<long long, double> leadingNumber(std::string_view text);

// Registers val(), CStr() and the collation "gbk" on a connection. CStr()
// writes a number as plain decimal text ("12", "0", "-3", "12.5") and passes
// text through unchanged; "gbk" orders text as its GBK codes order it,
// without regard to the case of Latin letters (compareAsGbkIgnoringLatinCase),
// for ordering Chinese text: "order by station collate gbk".
void registerSqlFunctions(sqlite3* db);

} // namespace tessarin::data
