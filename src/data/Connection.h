#pragma once

#include "SqliteHandles.h"
#include "TimetableCache.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tessarin::data {

// How a connection reaches its files.
struct ConnectionOptions {
    // Where train_tmp lives; empty: a private database in memory of this
    // connection alone (see ScratchDatabase.h).
    std::filesystem::path scratchFile;
    // Never write the timetable file, even where it may be written: every
    // statement that would change it fails.
    bool timetableReadOnly = false;
};

// The one connection to a timetable file (the main window's con1). The
// scratch database is the connection's main database and the timetable file
// is attached to it as "timetable", so statements name their tables
// unqualified: train_tmp is the scratch's, train, qdsn and qdlj the
// timetable's.
//
// Opening never creates the timetable file: a missing folder or file, a file
// that is not a database, a database without the timetable tables, or a file
// that another program keeps locked is a ConnectionError whose message names
// what is wrong. A timetable file whose mode bits or folder forbid writing is
// attached read-only and never written; one that may be written gets the
// indexes the queries read through. No statement may attach another
// database, so none reaches the file by a second, writable way. Other processes may read and write the
// same file meanwhile; a busy file is waited for a few seconds.
class Connection {
public:
    Connection() = default;
    explicit Connection(const std::filesystem::path& file, const ConnectionOptions& options = {}) {
        open(file, options);
    }

    void open(const std::filesystem::path& file, const ConnectionOptions& options = {});
    void close() noexcept {
        cache_.clear();
        db_.reset();
    }
    bool isOpen() const noexcept { return db_ != nullptr; }

    // Runs a statement that returns no rows, with its parameters bound as text.
    void execute(std::string_view sql, const std::vector<std::string>& parameters = {});

    sqlite3* handle() const;
    // The timetable file.
    const std::filesystem::path& file() const noexcept { return file_; }

    // A `Value` worked out from the timetable's rows by workOut(*this), kept
    // with the connection and worked out again only once another connection
    // or process has changed the timetable file. Changes made through this
    // connection itself go unseen: the program's connections only ever read
    // the timetable's rows. Call it inside the transaction that reads with
    // the value, so that the file cannot change between the check and the
    // reading. The reference stays valid until the next call for the same
    // type, or until the connection is closed or opened again.
    template <class Value, class WorkOut>
    const Value& timetableDerived(WorkOut&& workOut) {
        return cache_.find<Value>(timetableVersion(), [&] { return workOut(*this); });
    }

private:
    // Changes whenever another connection has committed a change to the
    // timetable file (pragma data_version).
    std::int64_t timetableVersion();

    TimetableCache cache_;
    DatabaseHandle db_;
    std::filesystem::path file_;
};

} // namespace tessarin::data
