#pragma once

#include "data/SqliteHandles.h"
#include "data/Statement.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>

namespace tessarin::tools {

// The twelve texts of one `train` row, in column order: id, type, station,
// s_no, day, a_time, d_time, distance, p1, p2, p3, p4.
using StopRow = std::array<std::string, 12>;

// Writes a new timetable file with the four timetable tables. Everything goes
// to a file beside the target under a temporary name, inside one transaction,
// and only finish() moves it into place: a failed or interrupted run never
// leaves half a timetable where the program looks for one. Errors are
// DataError (database) or std::runtime_error (files).
class TimetableWriter {
public:
    explicit TimetableWriter(std::filesystem::path target);
    ~TimetableWriter();
    TimetableWriter(const TimetableWriter&) = delete;
    TimetableWriter& operator=(const TimetableWriter&) = delete;

    // Loads a tab-separated text table: a header line naming the columns,
    // then one row per line (blank lines skipped).
    void loadTable(const std::string& table, const std::filesystem::path& file);

    // The same for a command-line argument "TABLE=FILE.tsv"; throws
    // std::runtime_error for an argument without "=".
    void loadTableArgument(const std::string& tableEqualsFile);

    // Appends one stop row to `train`.
    void addStop(const StopRow& row);

    // Commits, indexes and moves the file into place.
    void finish();

private:
    std::filesystem::path target_;
    std::filesystem::path partial_;
    data::DatabaseHandle db_;
    std::optional<data::Statement> insertStop_;
};

} // namespace tessarin::tools
