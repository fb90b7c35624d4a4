// tessarin-make-timetable OUT TABLE=FILE.tsv ...
//
// Writes a new timetable file OUT holding the four timetable tables, filled
// from tab-separated text files: the first line of each names the columns,
// every further line is one row. The file is written under a temporary name
// and moved into place when complete, so a failed build never leaves half a
// timetable behind.

#include "data/DataError.h"
#include "data/Schema.h"
#include "data/Statement.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using tessarin::data::DataError;
using tessarin::data::Statement;

std::vector<std::string> splitTabs(const std::string& line) {
    std::vector<std::string> fields;
    std::stringstream stream(line);
    std::string field;
    while (std::getline(stream, field, '\t'))
        fields.push_back(field);
    if (!line.empty() && line.back() == '\t')
        fields.emplace_back();
    return fields;
}

void loadTable(sqlite3* db, const std::string& table, const std::filesystem::path& file) {
    std::ifstream in(file);
    if (!in)
        throw std::runtime_error("cannot read " + file.string());
    std::string line;
    if (!std::getline(in, line))
        throw std::runtime_error(file.string() + " has no header line");
    const std::vector<std::string> columns = splitTabs(line);
    std::string sql = "insert into " + table + "(";
    std::string marks;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        sql += (i ? "," : "") + columns[i];
        marks += (i ? ",?" : "?") + std::to_string(i + 1);
    }
    Statement insert(db, sql + ") values(" + marks + ")");
    int lineNumber = 1;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (line.empty())
            continue;
        const std::vector<std::string> values = splitTabs(line);
        if (values.size() != columns.size())
            throw std::runtime_error(file.string() + ":" + std::to_string(lineNumber) + ": expected " +
                                     std::to_string(columns.size()) + " fields, found " +
                                     std::to_string(values.size()));
        insert.bind(values);
        insert.run();
        insert.reset();
    }
}

void build(const std::filesystem::path& out, const std::vector<std::string>& tables) {
    const std::filesystem::path partial = out.string() + ".partial";
    std::filesystem::remove(partial);
    sqlite3* raw = nullptr;
    if (sqlite3_open(partial.c_str(), &raw) != SQLITE_OK)
        throw std::runtime_error("cannot create " + partial.string());
    tessarin::data::DatabaseHandle db(raw);
    sqlite3_exec(db.get(), "begin", nullptr, nullptr, nullptr);
    tessarin::data::createTimetableTables(db.get());
    for (const std::string& argument : tables) {
        const auto equals = argument.find('=');
        if (equals == std::string::npos)
            throw std::runtime_error("expected TABLE=FILE, got " + argument);
        loadTable(db.get(), argument.substr(0, equals), argument.substr(equals + 1));
    }
    sqlite3_exec(db.get(), "commit", nullptr, nullptr, nullptr);
    tessarin::data::ensureIndexes(db.get());
    sqlite3_exec(db.get(), "analyze", nullptr, nullptr, nullptr);
    db.reset();
    std::filesystem::rename(partial, out);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: tessarin-make-timetable OUT TABLE=FILE.tsv ...\n";
        return 2;
    }
    try {
        build(argv[1], std::vector<std::string>(argv + 2, argv + argc));
    } catch (const DataError& error) {
        std::cerr << "tessarin-make-timetable: " << error.what() << " in: " << error.statement() << '\n';
        return 1;
    } catch (const std::exception& error) {
        std::cerr << "tessarin-make-timetable: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
