#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

namespace tessarin::data {

// A failure of the timetable database. The message is the one the user reads
// (the engine's own wording); the statement, when there is one, is the SQL
// text that failed, kept for diagnostics.
class DataError : public std::runtime_error {
public:
    explicit DataError(const std::string& message, std::string statement = {})
        : std::runtime_error(message), statement_(std::move(statement)) {}

    const std::string& statement() const noexcept { return statement_; }

private:
    std::string statement_;
};

// The data file could not be opened as a timetable: missing folder or file,
// not a database, a required table missing, or the file in use.
class ConnectionError : public DataError {
public:
    using DataError::DataError;
};

// A statement text that holds no statement: blank, or only comments.
class EmptyStatementError : public DataError {
public:
    using DataError::DataError;
};

// Another program holds the data file locked ("The data file '...' is in use
// by another program.") longer than a statement waits for it.
class DataFileInUseError : public DataError {
public:
    using DataError::DataError;
};

// The message of a DataFileInUseError about `file`.
inline std::string dataFileInUseMessage(const std::filesystem::path& file) {
    return "The data file '" + file.string() + "' is in use by another program.";
}

} // namespace tessarin::data
