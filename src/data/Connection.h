#pragma once

#include "SqliteHandles.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tessarin::data {

// The one connection to a timetable file (the main window's con1). Opening
// never creates a file: a missing folder or file, a file that is not a
// database, a database without the four timetable tables, or a file that
// another program keeps locked is a ConnectionError whose message names what
// is wrong. Other processes may read and write the same file meanwhile; a busy
// file is waited for a few seconds.
class Connection {
public:
    Connection() = default;
    explicit Connection(const std::filesystem::path& file) { open(file); }

    void open(const std::filesystem::path& file);
    void close() noexcept { db_.reset(); }
    bool isOpen() const noexcept { return db_ != nullptr; }

    // Runs a statement that returns no rows, with its parameters bound as text.
    void execute(std::string_view sql, const std::vector<std::string>& parameters = {});

    sqlite3* handle() const;
    const std::filesystem::path& file() const noexcept { return file_; }

private:
    DatabaseHandle db_;
    std::filesystem::path file_;
};

} // namespace tessarin::data
