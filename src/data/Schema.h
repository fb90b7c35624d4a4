#pragma once

#include <sqlite3.h>

#include <array>
#include <string_view>

namespace tessarin::data {

// The four tables a timetable file must hold: the timetable, the scratch
// table every query writes, and the two fare-scale tables.
inline constexpr std::array<std::string_view, 4> timetableTables{"train", "train_tmp", "qdsn", "qdlj"};

// Throws ConnectionError naming the first required table the database lacks
// (table names are matched without regard to case), DataError when the file
// cannot be read as a database at all.
void checkTimetableTables(sqlite3* db);

// Creates the four tables, every column text, with the letter-case-blind
// comparison the queries rely on. Used by the tools that build data files.
void createTimetableTables(sqlite3* db);

// Creates the indexes the queries use when they are missing. A file the
// program may not change simply goes without them.
void ensureIndexes(sqlite3* db) noexcept;

} // namespace tessarin::data
