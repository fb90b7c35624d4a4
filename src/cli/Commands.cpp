#include "Commands.h"

#include "SqlCommand.h"

#include <array>
#include <ostream>

namespace tessarin::cli {
namespace {

constexpr std::array commands{
    Command{"sql", "sql STATEMENT", runSqlCommand},
};

} // namespace

const Command* findCommand(std::string_view name) {
    for (const Command& command : commands) {
        if (command.name == name)
            return &command;
    }
    return nullptr;
}

void printUsage(std::ostream& out) {
    out << "usage: tessarin-cli [--db FILE] COMMAND ...\ncommands:\n";
    for (const Command& command : commands)
        out << "  " << command.usage << '\n';
}

} // namespace tessarin::cli
