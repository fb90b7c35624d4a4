#pragma once

#include "data/Connection.h"

#include <filesystem>
#include <string>
#include <vector>

namespace tessarin::testing {

// What a run of the built tessarin-cli left: its exit status (-1 when it did
// not exit normally) and its two output streams.
struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

// The lines of a program's output, without their line feeds.
std::vector<std::string> linesOf(const std::string& text);

// Runs tessarin-cli with the arguments, each handed over as one word (no
// shell), and `input` as its standard input, in this process's environment
// with the "NAME=value" entries of `environment` added or replacing. It runs
// in the C.UTF-8 locale (LC_ALL) unless `environment` names another.
CliRun runCli(const std::vector<std::string>& arguments, const std::string& input = {},
              const std::vector<std::string>& environment = {});

// A connection to the timetable file through the scratch database that the
// command line's next run on the file reads: to set up its last result.
data::Connection cliResults(const std::filesystem::path& timetable);

} // namespace tessarin::testing
