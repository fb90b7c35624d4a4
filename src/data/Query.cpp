#include "Query.h"

#include "Connection.h"
#include "DataError.h"
#include "Statement.h"

namespace tessarin::data {
namespace {

std::string quotedName(const std::string& name) {
    std::string result = "\"";
    for (char c : name) {
        result += c;
        if (c == '"')
            result += '"';
    }
    return result + "\"";
}

} // namespace

void Query::setStatement(std::string sql, std::vector<std::string> parameters) {
    sql_.clear();
    parameters_.clear();
    close();
    sql_ = std::move(sql);
    parameters_ = std::move(parameters);
}

void Query::open() {
    close();
    Statement statement(connection_.handle(), sql_);
    statement.bind(parameters_);
    std::vector<Row> rows;
    while (statement.step()) {
        Row row;
        row.reserve(static_cast<std::size_t>(statement.columnCount()));
        for (int column = 0; column < statement.columnCount(); ++column)
            row.push_back(statement.columnText(column));
        rows.push_back(std::move(row));
    }
    std::vector<std::string> fields;
    originTable_.clear();
    originColumns_.clear();
    bool oneTable = statement.columnCount() > 0;
    for (int column = 0; column < statement.columnCount(); ++column) {
        fields.push_back(statement.columnName(column));
        const std::string table = statement.originTable(column);
        if (table.empty() || (column > 0 && table != originTable_))
            oneTable = false;
        originTable_ = table;
        originColumns_.push_back(statement.originColumn(column));
    }
    if (!oneTable) {
        originTable_.clear();
        originColumns_.clear();
    }
    openWith(std::move(fields), std::move(rows));
}

void Query::execute() {
    close();
    connection_.execute(sql_, parameters_);
}

void Query::deleteStoredRow(const Row& row) {
    if (originTable_.empty())
        throw DataError("Insufficient key column information for updating or refreshing.", sql_);
    std::string match;
    std::vector<std::string> values;
    for (std::size_t i = 0; i < originColumns_.size(); ++i) {
        if (!match.empty())
            match += " and ";
        if (row[i]) {
            values.push_back(*row[i]);
            match += quotedName(originColumns_[i]) + " is ?" + std::to_string(values.size());
        } else {
            match += quotedName(originColumns_[i]) + " is null";
        }
    }
    const std::string table = quotedName(originTable_);
    connection_.execute("delete from " + table + " where rowid = (select rowid from " + table + " where " +
                            match + " limit 1)",
                        values);
    if (sqlite3_changes(connection_.handle()) == 0)
        throw DataError("Row cannot be located for updating. Some values may have been changed since it was "
                        "last read.",
                        sql_);
}

} // namespace tessarin::data
