#include "Commands.h"

#include <map>
#include <ostream>

namespace tessarin::cli {
namespace {

std::map<std::string_view, Command>& registry() {
    static std::map<std::string_view, Command> commands;
    return commands;
}

} // namespace

CommandRegistration::CommandRegistration(const Command& command) { registry().emplace(command.name, command); }

const Command* findCommand(std::string_view name) {
    const auto found = registry().find(name);
    return found == registry().end() ? nullptr : &found->second;
}

void printUsage(std::ostream& out) {
    out << "usage: tessarin-cli [--db FILE] COMMAND ...\ncommands:\n";
    for (const auto& [name, command] : registry())
        out << "  " << command.usage << '\n';
}

} // namespace tessarin::cli
