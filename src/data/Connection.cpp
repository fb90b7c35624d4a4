#include "Connection.h"

#include "DataError.h"
#include "Schema.h"
#include "SqlFunctions.h"
#include "Statement.h"

namespace tessarin::data {
namespace {

constexpr int busyTimeoutMs = 5000;

void checkFileExists(const std::filesystem::path& file) {
    std::error_code ignored;
    const std::filesystem::path folder = file.parent_path();
    if (!folder.empty() && !std::filesystem::is_directory(folder, ignored))
        throw ConnectionError("Could not find folder '" + folder.string() + "'.");
    if (!std::filesystem::is_regular_file(file, ignored))
        throw ConnectionError("Could not find file '" + file.string() + "'.");
}

DatabaseHandle openExisting(const std::filesystem::path& file) {
    sqlite3* raw = nullptr;
    // A connection is used by one thread at a time, so the engine need not
    // lock it around every call.
    const int rc = sqlite3_open_v2(file.c_str(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    DatabaseHandle db(raw);
    if (rc != SQLITE_OK)
        throw ConnectionError("Could not open file '" + file.string() + "': " +
                              (raw ? sqlite3_errmsg(raw) : sqlite3_errstr(rc)) + ".");
    return db;
}

} // namespace

void Connection::open(const std::filesystem::path& file) {
    close();
    checkFileExists(file);
    DatabaseHandle db = openExisting(file);
    sqlite3_busy_timeout(db.get(), busyTimeoutMs);
    try {
        checkTimetableTables(db.get());
    } catch (const ConnectionError&) {
        throw;
    } catch (const DataFileInUseError& error) {
        throw ConnectionError(error.what());
    } catch (const DataError& error) {
        throw ConnectionError("Unrecognized database format '" + file.string() + "' (" + error.what() + ").");
    }
    registerSqlFunctions(db.get());
    ensureIndexes(db.get());
    db_ = std::move(db);
    file_ = file;
}

void Connection::execute(std::string_view sql, const std::vector<std::string>& parameters) {
    Statement statement(handle(), sql);
    statement.bind(parameters);
    statement.run();
}

sqlite3* Connection::handle() const {
    if (!db_)
        throw DataError("Operation is not allowed when the object is closed.");
    return db_.get();
}

} // namespace tessarin::data
