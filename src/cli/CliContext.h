#pragma once

#include "data/Connection.h"

#include <filesystem>
#include <iosfwd>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessarin::cli {

// Exit statuses of every command.
inline constexpr int exitOk = 0;
inline constexpr int exitError = 1;     // a failure; its message went to standard error
inline constexpr int exitNothing = 2;   // empty input or empty result; the message went to standard error

// What a command runs with: its arguments, the three standard streams and the
// timetable file, opened on first use.
class CliContext {
public:
    CliContext(std::filesystem::path dataFile, std::vector<std::string> arguments, std::istream& in,
               std::ostream& out, std::ostream& err);

    const std::vector<std::string>& arguments() const { return arguments_; }
    // The options given, by name ("--json"), with their values ("" for a
    // flag); the arguments are what is left.
    void setArguments(std::vector<std::string> arguments, std::map<std::string, std::string, std::less<>> options);
    bool hasOption(std::string_view name) const { return options_.contains(name); }
    std::optional<std::string> option(std::string_view name) const;
    std::istream& in() { return in_; }
    std::ostream& out() { return out_; }
    std::ostream& err() { return err_; }

    // The connection to the timetable file, read-only, with the user's
    // scratch file for that timetable; opened the first time it is asked for
    // (a ConnectionError when that fails).
    data::Connection& connection();

private:
    std::filesystem::path dataFile_;
    std::vector<std::string> arguments_;
    std::map<std::string, std::string, std::less<>> options_;
    std::istream& in_;
    std::ostream& out_;
    std::ostream& err_;
    data::Connection connection_;
};

} // namespace tessarin::cli
