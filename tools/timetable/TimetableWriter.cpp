#include "TimetableWriter.h"

#include "data/DataError.h"
#include "data/Schema.h"

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace tessarin::tools {
namespace {

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

void execute(sqlite3* db, const char* sql) {
    if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        throw data::DataError(sqlite3_errmsg(db), sql);
}

std::string insertStatement(const std::string& table, const std::vector<std::string>& columns) {
    std::string sql = "insert into " + table + "(";
    std::string marks;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        sql += (i ? "," : "") + columns[i];
        marks += (i ? ",?" : "?") + std::to_string(i + 1);
    }
    return sql + ") values(" + marks + ")";
}

} // namespace

TimetableWriter::TimetableWriter(std::filesystem::path target)
    : target_(std::move(target)), partial_(target_.string() + ".partial") {
    std::filesystem::remove(partial_);
    sqlite3* raw = nullptr;
    const int status = sqlite3_open(partial_.c_str(), &raw);
    db_.reset(raw);
    if (status != SQLITE_OK)
        throw std::runtime_error("cannot create " + partial_.string());
    execute(db_.get(), "begin");
    data::createTimetableTables(db_.get());
}

TimetableWriter::~TimetableWriter() {
    if (db_) {
        insertStop_.reset();
        db_.reset();
        std::error_code ignored;
        std::filesystem::remove(partial_, ignored);
    }
}

void TimetableWriter::loadTable(const std::string& table, const std::filesystem::path& file) {
    std::ifstream in(file);
    if (!in)
        throw std::runtime_error("cannot read " + file.string());
    std::string line;
    if (!std::getline(in, line))
        throw std::runtime_error(file.string() + " has no header line");
    const std::vector<std::string> columns = splitTabs(line);
    data::Statement insert(db_.get(), insertStatement(table, columns));
    for (int lineNumber = 2; std::getline(in, line); ++lineNumber) {
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

void TimetableWriter::loadTableArgument(const std::string& tableEqualsFile) {
    const auto equals = tableEqualsFile.find('=');
    if (equals == std::string::npos)
        throw std::runtime_error("expected TABLE=FILE, got " + tableEqualsFile);
    loadTable(tableEqualsFile.substr(0, equals), tableEqualsFile.substr(equals + 1));
}

void TimetableWriter::addStop(const StopRow& row) {
    if (!insertStop_)
        insertStop_.emplace(db_.get(), insertStatement("train", {"id", "type", "station", "s_no", "day", "a_time",
                                                                 "d_time", "distance", "p1", "p2", "p3", "p4"}));
    insertStop_->bind(std::vector<std::string>(row.begin(), row.end()));
    insertStop_->run();
    insertStop_->reset();
}

void TimetableWriter::finish() {
    insertStop_.reset();
    execute(db_.get(), "commit");
    data::ensureIndexes(db_.get());
    execute(db_.get(), "analyze");
    db_.reset();
    std::filesystem::rename(partial_, target_);
}

} // namespace tessarin::tools
