#pragma once

#include "data/Connection.h"

#include <filesystem>
#include <string>
#include <vector>

namespace tessarin::testing {

// A timetable file in a scratch folder, with the four tables, removed with
// the object. Rows are given as texts in the column order named.
class TemporaryTimetable {
public:
    TemporaryTimetable();
    // A copy of an existing timetable file instead: for tests that add to a
    // full timetable or change it, which must leave the bundled one as it is.
    // The station list beside the file, if any, is copied too.
    explicit TemporaryTimetable(const std::filesystem::path& copyOf);
    ~TemporaryTimetable();
    TemporaryTimetable(const TemporaryTimetable&) = delete;
    TemporaryTimetable& operator=(const TemporaryTimetable&) = delete;

    const std::filesystem::path& file() const { return file_; }
    const std::filesystem::path& folder() const { return folder_; }

    // Inserts rows into a table: `columns` like "id,type,station", each row
    // one text per column.
    void insert(const std::string& table, const std::string& columns,
                const std::vector<std::vector<std::string>>& rows);

    // A train's stops: id, type, station, s_no, day, a_time, d_time,
    // distance, p1, p2, p3, p4.
    void addStops(const std::vector<std::vector<std::string>>& rows);

    // A connection to the file.
    data::Connection connect() const { return data::Connection(file_); }

private:
    std::filesystem::path folder_;
    std::filesystem::path file_;
};

// The folder holding the built programs and their data file.
std::filesystem::path binaryFolder();

// The bundled timetable beside the built programs.
std::filesystem::path bundledTimetableFile();

} // namespace tessarin::testing
