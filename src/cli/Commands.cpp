#include "Commands.h"

#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace tessarin::cli {
namespace {

std::map<std::string_view, Command>& registry() {
    static std::map<std::string_view, Command> commands;
    return commands;
}

const CommandOption* findOption(std::span<const CommandOption> options, std::string_view word) {
    for (const CommandOption& option : options) {
        if (option.name == word)
            return &option;
    }
    return nullptr;
}

// Moves the command's options out of its arguments into the context; false
// for an option it does not take or one whose value is missing.
bool separateOptions(const Command& command, CliContext& context) {
    std::vector<std::string> arguments;
    std::map<std::string, std::string, std::less<>> options;
    const std::vector<std::string>& words = context.arguments();
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (words[i] == "--") {
            arguments.insert(arguments.end(), words.begin() + static_cast<std::ptrdiff_t>(i) + 1, words.end());
            break;
        }
        if (!words[i].starts_with("--")) {
            arguments.push_back(words[i]);
            continue;
        }
        const CommandOption* option = findOption(command.options, words[i]);
        if (!option || (option->takesValue && i + 1 == words.size()))
            return false;
        std::string& value = options[words[i]];
        if (option->takesValue)
            value = words[++i];
    }
    context.setArguments(std::move(arguments), std::move(options));
    return true;
}

} // namespace

CommandRegistration::CommandRegistration(const Command& command) { registry().emplace(command.name, command); }

const Command* findCommand(std::string_view name) {
    const auto found = registry().find(name);
    return found == registry().end() ? nullptr : &found->second;
}

int runCommand(const Command& command, CliContext& context) {
    if (!command.options.empty() && !separateOptions(command, context))
        return usageError(context, command.usage);
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
