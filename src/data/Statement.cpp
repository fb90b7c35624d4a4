#include "Statement.h"

#include "DataError.h"
#include "Schema.h"

namespace tessarin::data {

Statement::Statement(sqlite3* db, std::string_view sql) : db_(db), sql_(sql) {
    sqlite3_stmt* raw = nullptr;
    const int rc = sqlite3_prepare_v2(db_, sql_.data(), static_cast<int>(sql_.size()), &raw, nullptr);
    handle_.reset(raw);
    if (rc != SQLITE_OK)
        fail();
    if (!handle_)
        throw EmptyStatementError("No statement to run.", sql_);
}

void Statement::bind(const std::vector<std::string>& parameters) {
    for (std::size_t i = 0; i < parameters.size(); ++i) {
        const std::string& text = parameters[i];
        if (sqlite3_bind_text(handle_.get(), static_cast<int>(i + 1), text.data(),
                              static_cast<int>(text.size()), SQLITE_TRANSIENT) != SQLITE_OK)
            fail();
    }
}

bool Statement::step() {
    switch (sqlite3_step(handle_.get())) {
    case SQLITE_ROW:
        return true;
    case SQLITE_DONE:
        return false;
    default:
        fail();
    }
}

void Statement::run() {
    while (step()) {
    }
}

void Statement::reset() {
    sqlite3_reset(handle_.get());
    sqlite3_clear_bindings(handle_.get());
}

int Statement::columnCount() const { return sqlite3_column_count(handle_.get()); }

std::string Statement::columnName(int column) const {
    const char* name = sqlite3_column_name(handle_.get(), column);
    return name ? name : "";
}

std::optional<std::string> Statement::columnText(int column) const {
    if (sqlite3_column_type(handle_.get(), column) == SQLITE_NULL)
        return std::nullopt;
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(handle_.get(), column));
    const int size = sqlite3_column_bytes(handle_.get(), column);
    return std::string(text ? text : "", static_cast<std::size_t>(size));
}

std::string_view Statement::columnView(int column) const {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(handle_.get(), column));
    return text ? std::string_view(text, static_cast<std::size_t>(sqlite3_column_bytes(handle_.get(), column)))
                : std::string_view();
}

std::int64_t Statement::columnInteger(int column) const { return sqlite3_column_int64(handle_.get(), column); }

bool Statement::columnIsNull(int column) const { return sqlite3_column_type(handle_.get(), column) == SQLITE_NULL; }

std::string Statement::originTable(int column) const {
    const char* name = sqlite3_column_table_name(handle_.get(), column);
    return name ? name : "";
}

std::string Statement::originColumn(int column) const {
    const char* name = sqlite3_column_origin_name(handle_.get(), column);
    return name ? name : "";
}

void Statement::fail() const {
    const int code = sqlite3_errcode(db_);
    if (code == SQLITE_BUSY || code == SQLITE_LOCKED) {
        // The timetable is the file the user knows; a connection without one
        // attached is a plain database of its own.
        const char* file = sqlite3_db_filename(db_, timetableSchema);
        if (!file)
            file = sqlite3_db_filename(db_, "main");
        throw DataFileInUseError(dataFileInUseMessage(file ? file : ""), sql_);
    }
    throw DataError(sqlite3_errmsg(db_), sql_);
}

} // namespace tessarin::data
