#pragma once

#include "CliContext.h"

#include <iosfwd>
#include <string_view>

namespace tessarin::cli {

// One command of tessarin-cli: its name, the usage line the help shows, how
// many arguments it takes, and the function that runs it and returns the
// exit status. A run with too few or too many arguments prints the usage
// line instead (exitError).
struct Command {
    std::string_view name;
    std::string_view usage;
    std::size_t minArguments;
    std::size_t maxArguments;
    int (*run)(CliContext& context);
};

// Each command's source file registers it with a static CommandRegistration,
// so adding a command touches no other file.
class CommandRegistration {
public:
    explicit CommandRegistration(const Command& command);
};

// The command of that name, or null.
const Command* findCommand(std::string_view name);
// Runs a command, first checking the number of its arguments.
int runCommand(const Command& command, CliContext& context);
// Prints a command's usage line to standard error; returns exitError.
int usageError(CliContext& context, std::string_view usage);
// The usage lines of every command, by name.
void printUsage(std::ostream& out);

} // namespace tessarin::cli
