#include "Schema.h"

#include "DataError.h"
#include "Statement.h"

#include <algorithm>
#include <set>
#include <string>

namespace tessarin::data {
namespace {

std::string lowerAscii(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c); });
    return text;
}

void runScript(sqlite3* db, const char* sql) {
    char* message = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &message) != SQLITE_OK) {
        const std::string text = message ? message : "unknown error";
        sqlite3_free(message);
        throw DataError(text, sql);
    }
}

} // namespace

void checkTimetableTables(sqlite3* db) {
    Statement tables(db, "select name from sqlite_master where type in ('table', 'view')");
    std::set<std::string> present;
    while (tables.step())
        present.insert(lowerAscii(tables.columnText(0).value_or("")));
    for (std::string_view required : timetableTables) {
        if (!present.contains(std::string(required)))
            throw ConnectionError("The data file '" + std::string(sqlite3_db_filename(db, "main")) +
                                  "' has no table '" + std::string(required) + "'.");
    }
}

void createTimetableTables(sqlite3* db) {
    runScript(db,
              "create table train("
              " id text collate nocase, type text collate nocase, station text collate nocase,"
              " s_no text, day text, a_time text, d_time text, distance text,"
              " p1 text, p2 text, p3 text, p4 text);"
              "create table train_tmp("
              " id text collate nocase, type text collate nocase,"
              " s_station text collate nocase, s_tm text collate nocase,"
              " e_station text collate nocase, e_tm text collate nocase,"
              " start_s text collate nocase, end_s text collate nocase,"
              " during_s_no text, during_day text, during_tm text, distance text,"
              " p1 text, p2 text, p3 text, p4 text, Train_Price text);"
              "create table qdsn(LC_sa text, LC_en text, QD_kg text, QD_cn text);"
              "create table qdlj(qd_sa text, qd_en text, piao_l text, qd_lpj text);");
}

void ensureIndexes(sqlite3* db) noexcept {
    // Each covers what a query reads through it: the trains calling at
    // stations of a name, and the stops of trains by number. train_tmp goes
    // without: its few thousand rows are written by every query. In one
    // transaction, so that a new file waits for the disk once; a file the
    // program may not change rolls back and goes without.
    if (sqlite3_exec(db,
                     "begin;"
                     "create index if not exists train_ids_by_station on train(station collate nocase, id collate nocase);"
                     "create index if not exists train_stops_by_id on train(id collate nocase, station, s_no);"
                     "commit;",
                     nullptr, nullptr, nullptr) != SQLITE_OK)
        sqlite3_exec(db, "rollback", nullptr, nullptr, nullptr);
}

} // namespace tessarin::data
