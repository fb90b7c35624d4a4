#pragma once

#include <sqlite3.h>

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

namespace tessarin::data {

// The name under which a connection attaches the timetable file to its
// scratch database.
inline constexpr const char* timetableSchema = "timetable";

// The three tables a timetable file must hold: the timetable and the two
// fare-scale tables. The scratch table every query writes, train_tmp, lives
// in a scratch database beside it (ScratchDatabase.h).
inline constexpr std::array<std::string_view, 3> timetableTables{"train", "qdsn", "qdlj"};

// A column of train_tmp; the texts the queries compare are letter-case-blind.
struct ScratchColumn {
    std::string_view name;
    bool caseBlind;
};

// The columns of train_tmp in stored order.
inline constexpr std::array<ScratchColumn, 17> scratchColumns{{
    {"id", true},           {"type", true},        {"s_station", true}, {"s_tm", true},  {"e_station", true},
    {"e_tm", true},         {"start_s", true},     {"end_s", true},     {"during_s_no", false},
    {"during_day", false},  {"during_tm", false},  {"distance", false}, {"p1", false},   {"p2", false},
    {"p3", false},          {"p4", false},         {"Train_Price", false},
}};

// An index the queries read through, made on train of a timetable file.
struct IndexDefinition {
    std::string_view name;
    std::string_view columns; // the indexed columns of train, as written after "on train"
};

// Each covers what a query reads through it: the trains calling at stations
// of a name, and the stops of trains by number. train_tmp goes without: its
// few thousand rows are written by every query.
inline constexpr std::array<IndexDefinition, 2> timetableIndexes{{
    {"train_ids_by_station", "(station collate nocase, id collate nocase)"},
    {"train_stops_by_id", "(id collate nocase, station, s_no)"},
}};

// Throws ConnectionError naming `file` and the first required table that the
// database `schema` of the connection lacks (table names are matched without
// regard to case), DataError when it cannot be read as a database at all.
void checkTimetableTables(sqlite3* db, std::string_view schema, const std::filesystem::path& file);

// Creates the timetable tables, every column text, with the letter-case-blind
// comparison the queries rely on. Used by the tools that build data files.
void createTimetableTables(sqlite3* db);

// Creates train_tmp in the database `schema` when it lacks it; throws DataError.
void createScratchTable(sqlite3* db, std::string_view schema = "main");

// Whether the database `schema` is fit to be a scratch database: empty, or
// holding train_tmp with exactly the columns above and nothing else. Throws DataError when it cannot be read.
bool isScratchDatabase(sqlite3* db, std::string_view schema = "main");

// Creates the indexes the queries use in the database `schema` when they are
// missing. A file the program may not change simply goes without them.
void ensureIndexes(sqlite3* db, std::string_view schema = "main") noexcept;

} // namespace tessarin::data
