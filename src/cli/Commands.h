#pragma once

#include "CliContext.h"

#include <iosfwd>
#include <string_view>

namespace tessarin::cli {

// One command of tessarin-cli: its name, the usage line the help shows, and
// the function that runs it and returns the exit status.
struct Command {
    std::string_view name;
    std::string_view usage;
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
// The usage lines of every command, by name.
void printUsage(std::ostream& out);

} // namespace tessarin::cli
