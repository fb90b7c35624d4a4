#pragma once

#include "CliContext.h"

#include <iosfwd>
#include <span>
#include <string_view>

namespace tessarin::cli {

// An option of a command: "--name" alone (a flag) or followed by its value
// in the next argument.
struct CommandOption {
    std::string_view name;
    bool takesValue;
};

// One command of tessarin-cli: its name, the usage line the help shows, how
// many arguments it takes besides its options, the function that runs it and
// returns the exit status, and the options it takes. A command's options may
// stand anywhere among its arguments up to a "--", which ends them. A run
// with an option it does not take, an option without its value, or too few or
// too many arguments prints the usage line instead (exitError).
struct Command {
    std::string_view name;
    std::string_view usage;
    std::size_t minArguments;
    std::size_t maxArguments;
    int (*run)(CliContext& context);
    std::span<const CommandOption> options = {};
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
