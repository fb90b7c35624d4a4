#include "Commands.h"

#include <algorithm>
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

bool isHelpWord(std::string_view word) { return word == "--help" || word == "-h"; }

const CommandOption* findOption(std::span<const CommandOption> options, std::string_view word) {
    const auto found = std::find_if(options.begin(), options.end(),
                                    [word](const CommandOption& option) { return option.name == word; });
    return found == options.end() ? nullptr : &*found;
}

enum class OptionsRead { ok, help, wrong };

// Moves the command's options out of its arguments into the context; `wrong`
// for an option it does not take or one whose value is missing, `help` as
// soon as the help is asked for.
OptionsRead separateOptions(const Command& command, CliContext& context) {
    std::vector<std::string> arguments;
    std::map<std::string, std::string, std::less<>> options;
    const std::vector<std::string>& words = context.arguments();
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (words[i] == "--") {
            arguments.insert(arguments.end(), words.begin() + static_cast<std::ptrdiff_t>(i) + 1, words.end());
            break;
        }
        if (isHelpWord(words[i]))
            return OptionsRead::help;
        if (!words[i].starts_with("--")) {
            arguments.push_back(words[i]);
            continue;
        }
        const CommandOption* option = findOption(command.options, words[i]);
        if (!option || (option->takesValue() && i + 1 == words.size()))
            return OptionsRead::wrong;
        std::string& value = options[words[i]];
        if (option->takesValue())
            value = words[++i];
    }
    context.setArguments(std::move(arguments), std::move(options));
    return OptionsRead::ok;
}

// "[--changes N] [--json] " for the options of a usage line.
std::string optionsSynopsis(std::span<const CommandOption> options) {
    std::string synopsis;
    for (const CommandOption& option : options) {
        synopsis += '[' + std::string(option.name);
        if (option.takesValue())
            synopsis += ' ' + std::string(option.valueName);
        synopsis += "] ";
    }
    return synopsis;
}

void printUsageLines(std::ostream& out, const Command& command) {
    const std::string options = optionsSynopsis(command.options);
    std::string_view lead = "usage: ";
    for (const std::string_view form : command.forms) {
        std::string line = "tessarin-cli " + std::string(command.name) + ' ' + options + std::string(form);
        while (line.ends_with(' '))
            line.pop_back();
        out << lead << line << '\n';
        lead = "       ";
    }
}

std::string optionHeading(const CommandOption& option) {
    return option.takesValue() ? std::string(option.name) + ' ' + std::string(option.valueName)
                               : std::string(option.name);
}

// Names in a column wide enough for the longest, then their descriptions.
void printExplained(std::ostream& out, const std::vector<std::pair<std::string, std::string_view>>& entries) {
    std::size_t width = 0;
    for (const auto& [heading, description] : entries)
        width = std::max(width, heading.size());
    for (const auto& [heading, description] : entries)
        out << "  " << heading << std::string(width - heading.size() + 2, ' ') << description << '\n';
}

std::vector<std::pair<std::string, std::string_view>> explainedOptions(std::span<const CommandOption> options) {
    std::vector<std::pair<std::string, std::string_view>> entries;
    for (const CommandOption& option : options)
        entries.emplace_back(optionHeading(option), option.description);
    entries.emplace_back("--help, -h", "print this help and exit");
    return entries;
}

} // namespace

CommandRegistration::CommandRegistration(const Command& command) { registry().emplace(command.name, command); }

const Command* findCommand(std::string_view name) {
    const auto found = registry().find(name);
    return found == registry().end() ? nullptr : &found->second;
}

int runCommand(const Command& command, CliContext& context) {
    switch (separateOptions(command, context)) {
    case OptionsRead::help:
        printCommandHelp(context.out(), command);
        return exitOk;
    case OptionsRead::wrong:
        return usageError(context, command);
    case OptionsRead::ok:
        break;
    }
    const std::size_t count = context.arguments().size();
    if (count < command.minArguments || count > command.maxArguments)
        return usageError(context, command);
    return command.run(context);
}

int usageError(CliContext& context, const Command& command) {
    printUsageLines(context.err(), command);
    return exitError;
}

void printHelp(std::ostream& out, std::span<const CommandOption> globalOptions) {
    out << "usage: tessarin-cli [--db FILE] [--json] COMMAND [ARGUMENTS ...]\n"
           "       tessarin-cli --help | --version\n"
           "       tessarin-cli COMMAND --help\n\n"
           "Queries the railway timetable with the core code of the Tessarin windows.\n\n"
           "options:\n";
    std::vector<std::pair<std::string, std::string_view>> options;
    for (const CommandOption& option : globalOptions)
        options.emplace_back(optionHeading(option), option.description);
    printExplained(out, options);
    out << "\ncommands:\n";
    std::vector<std::pair<std::string, std::string_view>> commands;
    for (const auto& [name, command] : registry())
        commands.emplace_back(std::string(name), command.summary);
    printExplained(out, commands);
}

void printCommandHelp(std::ostream& out, const Command& command) {
    printUsageLines(out, command);
    out << '\n' << command.summary << '\n';
    if (!command.arguments.empty()) {
        out << "\narguments:\n";
        std::vector<std::pair<std::string, std::string_view>> arguments;
        for (const CommandArgument& argument : command.arguments)
            arguments.emplace_back(std::string(argument.name), argument.description);
        printExplained(out, arguments);
    }
    out << "\noptions:\n";
    printExplained(out, explainedOptions(command.options));
}

} // namespace tessarin::cli
