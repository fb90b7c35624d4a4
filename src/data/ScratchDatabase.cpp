#include "ScratchDatabase.h"

#include "BusyTimeout.h"
#include "DataError.h"
#include "Schema.h"

namespace tessarin::data {
namespace {

enum class ScratchState { ready, damaged, unusable };

// URI file names are allowed so that the timetable can be attached read-only.
DatabaseHandle openDatabase(const std::string& name) {
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(name.c_str(), &raw,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX | SQLITE_OPEN_URI,
                                   nullptr);
    DatabaseHandle db(raw);
    if (rc != SQLITE_OK)
        return nullptr;
    sqlite3_busy_timeout(db.get(), busyTimeoutMs);
    // Results need not survive a power cut (a file left damaged is replaced
    // at the next opening), so no query waits for the disk.
    sqlite3_exec(db.get(), "pragma synchronous = off", nullptr, nullptr, nullptr);
    return db;
}

ScratchState prepare(sqlite3* db) {
    try {
        if (!isScratchDatabase(db))
            return ScratchState::damaged;
        createScratchTable(db);
        return ScratchState::ready;
    } catch (const DataFileInUseError&) {
        throw;
    } catch (const DataError&) {
        const int code = sqlite3_errcode(db);
        return code == SQLITE_NOTADB || code == SQLITE_CORRUPT ? ScratchState::damaged : ScratchState::unusable;
    }
}

void removeDatabaseFile(const std::filesystem::path& file) {
    std::error_code ignored;
    for (const char* suffix : {"", "-journal", "-wal", "-shm"})
        std::filesystem::remove(file.string() + suffix, ignored);
}

DatabaseHandle openPrivateScratch() {
    DatabaseHandle db = openDatabase(":memory:");
    if (!db)
        throw ConnectionError("Could not open a temporary database.");
    createScratchTable(db.get());
    return db;
}

DatabaseHandle openScratchFile(const std::filesystem::path& file) {
    DatabaseHandle db = openDatabase(file.string());
    ScratchState state = db ? prepare(db.get()) : ScratchState::unusable;
    if (state == ScratchState::damaged) {
        db.reset();
        removeDatabaseFile(file);
        db = openDatabase(file.string());
        state = db ? prepare(db.get()) : ScratchState::unusable;
    }
    return state == ScratchState::ready ? std::move(db) : openPrivateScratch();
}

} // namespace

DatabaseHandle openScratchDatabase(const std::filesystem::path& file) {
    return file.empty() ? openPrivateScratch() : openScratchFile(file);
}

} // namespace tessarin::data
