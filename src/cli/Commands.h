#pragma once

#include "CliContext.h"

#include <string_view>

namespace tessarin::cli {

// One command of tessarin-cli: its name, the usage line its help shows, and
// the function that runs it and returns the exit status.
struct Command {
    std::string_view name;
    std::string_view usage;
    int (*run)(CliContext& context);
};

// Every command, in the order the help lists them; null when `name` is none.
const Command* findCommand(std::string_view name);
void printUsage(std::ostream& out);

} // namespace tessarin::cli
