#include "Connection.h"

#include "DataError.h"
#include "Schema.h"
#include "ScratchDatabase.h"
#include "SqlFunctions.h"
#include "Statement.h"

#include <cctype>

#include <sys/stat.h>
#include <unistd.h>

namespace tessarin::data {
namespace {

void checkFileExists(const std::filesystem::path& file) {
    std::error_code ignored;
    const std::filesystem::path folder = file.parent_path();
    if (!folder.empty() && !std::filesystem::is_directory(folder, ignored))
        throw ConnectionError("Could not find folder '" + folder.string() + "'.");
    if (!std::filesystem::is_regular_file(file, ignored))
        throw ConnectionError("Could not find file '" + file.string() + "'.");
}

// Writable by this process and not marked read-only: a file or folder whose
// mode grants nobody writing is left alone even by a user the system would let
// write it.
bool mayWrite(const std::filesystem::path& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 && (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0 &&
           ::access(path.c_str(), W_OK) == 0;
}

// Writing a database file also writes its journal beside it.
bool timetableMayBeWritten(const std::filesystem::path& file) {
    const std::filesystem::path folder = file.parent_path().empty() ? "." : file.parent_path();
    return mayWrite(file) && mayWrite(folder);
}

// The file as a URI, every byte outside the plain path characters escaped.
std::string fileUri(const std::filesystem::path& file, bool readOnly) {
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string uri = "file:";
    for (unsigned char c : std::filesystem::absolute(file).string()) {
        if (std::isalnum(c) || c == '/' || c == '-' || c == '_' || c == '.' || c == '~') {
            uri += static_cast<char>(c);
        } else {
            uri += '%';
            uri += hex[c >> 4];
            uri += hex[c & 15];
        }
    }
    return uri + (readOnly ? "?mode=ro" : "?mode=rw");
}

void attachTimetable(sqlite3* db, const std::filesystem::path& file, bool readOnly) {
    try {
        Statement attach(db, "attach ?1 as " + std::string(timetableSchema));
        attach.bind({fileUri(file, readOnly)});
        attach.run();
        Statement(db, "pragma " + std::string(timetableSchema) + ".cache_size = -65536").run();
    } catch (const DataFileInUseError& error) {
        throw DataFileInUseError(dataFileInUseMessage(file), error.statement());
    }
}

void detachTimetable(sqlite3* db) { Statement(db, "detach " + std::string(timetableSchema)).run(); }

// Attaches the timetable and checks its tables; where the file may be
// written, adds the missing indexes first, then attaches it read-only when
// asked to.
void attachCheckedTimetable(sqlite3* db, const std::filesystem::path& file, const ConnectionOptions& options) {
    const bool writable = timetableMayBeWritten(file);
    attachTimetable(db, file, !writable);
    checkTimetableTables(db, timetableSchema, file);
    if (!writable)
        return;
    ensureIndexes(db, timetableSchema);
    if (options.timetableReadOnly) {
        detachTimetable(db);
        attachTimetable(db, file, true);
    }
}

// No statement may attach a database once the timetable is attached: one
// could otherwise reach the timetable file a second time, writable.
void forbidFurtherAttaching(sqlite3* db) { sqlite3_limit(db, SQLITE_LIMIT_ATTACHED, 0); }

} // namespace

void Connection::open(const std::filesystem::path& file, const ConnectionOptions& options) {
    close();
    checkFileExists(file);
    try {
        DatabaseHandle db = openScratchDatabase(options.scratchFile);
        attachCheckedTimetable(db.get(), file, options);
        forbidFurtherAttaching(db.get());
        registerSqlFunctions(db.get());
        db_ = std::move(db);
    } catch (const ConnectionError&) {
        throw;
    } catch (const DataFileInUseError& error) {
        throw ConnectionError(error.what());
    } catch (const DataError& error) {
        throw ConnectionError("Unrecognized database format '" + file.string() + "' (" + error.what() + ").");
    }
    file_ = file;
}

void Connection::execute(std::string_view sql, const std::vector<std::string>& parameters) {
    Statement statement(handle(), sql);
    statement.bind(parameters);
    statement.run();
}

std::int64_t Connection::timetableVersion() {
    Statement version(handle(), "pragma " + std::string(timetableSchema) + ".data_version");
    version.step();
    return version.columnInteger(0);
}

sqlite3* Connection::handle() const {
    if (!db_)
        throw DataError("Operation is not allowed when the object is closed.");
    return db_.get();
}

} // namespace tessarin::data
