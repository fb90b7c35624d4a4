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

int runCommand(const Command& command, CliContext& context) {
    const std::size_t count = context.arguments().size();
    if (count < command.minArguments || count > command.maxArguments)
        return usageError(context, command.usage);
    return command.run(context);
}

int usageError(CliContext& context, std::string_view usage) {
    context.err() << "usage: tessarin-cli " << usage << '\n';
    return exitError;
}

void printUsage(std::ostream& out) {
    out << "usage: tessarin-cli [--db FILE] COMMAND ...\ncommands:\n";
    for (const auto& [name, command] : registry())
        out << "  " << command.usage << '\n';
}

} // namespace tessarin::cli
