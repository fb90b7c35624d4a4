#include "Schema.h"

#include "DataError.h"
#include "Statement.h"

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace tessarin::data {
namespace {

std::string lowerAscii(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c); });
    return text;
}

void runScript(sqlite3* db, const std::string& sql) {
    char* message = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
        const std::string text = message ? message : "unknown error";
        sqlite3_free(message);
        throw DataError(text, sql);
    }
}

// A schema name as SQL text: the names used here are plain words, quoted all
// the same.
std::string quoted(std::string_view schema) { return "\"" + std::string(schema) + "\""; }

std::string scratchTableDefinition() {
    std::string columns;
    for (const ScratchColumn& column : scratchColumns) {
        if (!columns.empty())
            columns += ", ";
        columns += std::string(column.name) + (column.caseBlind ? " text collate nocase" : " text");
    }
    return "train_tmp(" + columns + ")";
}

} // namespace

void checkTimetableTables(sqlite3* db, std::string_view schema, const std::filesystem::path& file) {
    Statement tables(db, "select name from " + quoted(schema) + ".sqlite_master where type in ('table', 'view')");
    std::set<std::string> present;
    while (tables.step())
        present.insert(lowerAscii(tables.columnText(0).value_or("")));
    for (std::string_view required : timetableTables) {
        if (!present.contains(std::string(required)))
            throw ConnectionError("The data file '" + file.string() + "' has no table '" + std::string(required) +
                                  "'.");
    }
}

void createTimetableTables(sqlite3* db) {
    runScript(db, "create table train("
                  " id text collate nocase, type text collate nocase, station text collate nocase,"
                  " s_no text, day text, a_time text, d_time text, distance text,"
                  " p1 text, p2 text, p3 text, p4 text);"
                  "create table qdsn(LC_sa text, LC_en text, QD_kg text, QD_cn text);"
                  "create table qdlj(qd_sa text, qd_en text, piao_l text, qd_lpj text);");
}

void createScratchTable(sqlite3* db, std::string_view schema) {
    runScript(db, "create table if not exists " + quoted(schema) + "." + scratchTableDefinition());
}

bool isScratchDatabase(sqlite3* db, std::string_view schema) {
    Statement objects(db, "select type, lower(name) from " + quoted(schema) + ".sqlite_master");
    bool scratchTable = false;
    while (objects.step()) {
        if (objects.columnText(0) != "table" || objects.columnText(1) != "train_tmp")
            return false;
        scratchTable = true;
    }
    if (!scratchTable)
        return true;
    Statement columns(db, "pragma " + quoted(schema) + ".table_info(train_tmp)");
    std::vector<std::string> names;
    while (columns.step())
        names.push_back(columns.columnText(1).value_or(""));
    return std::equal(names.begin(), names.end(), scratchColumns.begin(), scratchColumns.end(),
                      [](const std::string& name, const ScratchColumn& column) { return name == column.name; });
}

void ensureIndexes(sqlite3* db, std::string_view schema) noexcept {
    // In one transaction, so that a new file waits for the disk once; a file
    // the program may not change rolls back and goes without.
    std::string script = "begin;";
    for (const IndexDefinition& index : timetableIndexes)
        script += "create index if not exists " + quoted(schema) + "." + std::string(index.name) + " on train" +
                  std::string(index.columns) + ";";
    script += "commit;";
    if (sqlite3_exec(db, script.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK)
        sqlite3_exec(db, "rollback", nullptr, nullptr, nullptr);
}

} // namespace tessarin::data
