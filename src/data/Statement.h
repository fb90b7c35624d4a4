#pragma once

#include "SqliteHandles.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessarin::data {

// One prepared SQL statement. Parameters are bound as text, so user text is
// never part of the SQL itself. Errors are DataError with the engine's message
// and the statement text; DataFileInUseError when another program holds the
// file locked past the connection's wait.
class Statement {
public:
    Statement(sqlite3* db, std::string_view sql);

    // Binds texts to the parameters ?1, ?2, ... in order.
    void bind(const std::vector<std::string>& parameters);
    // Steps once; true when a row is ready to be read.
    bool step();
    // Runs to completion, ignoring any rows.
    void run();
    void reset();

    int columnCount() const;
    std::string columnName(int column) const;
    // The column's value as text; nullopt for SQL NULL.
    std::optional<std::string> columnText(int column) const;
    // The column's value as text without a copy, valid until the next step or
    // reset; "" for SQL NULL. For reading many rows where most texts are only
    // looked at.
    std::string_view columnView(int column) const;
    // The column's value as a whole number, as the engine converts it; 0 for
    // SQL NULL. For rowids and flags, which need no text.
    std::int64_t columnInteger(int column) const;
    bool columnIsNull(int column) const;
    // The table a result column was read from, empty for an expression.
    std::string originTable(int column) const;
    std::string originColumn(int column) const;

    const std::string& sql() const { return sql_; }

private:
    [[noreturn]] void fail() const;

    sqlite3* db_;
    std::string sql_;
    StatementHandle handle_;
};

} // namespace tessarin::data
