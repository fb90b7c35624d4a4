#pragma once

#include "CliContext.h"

#include <iosfwd>
#include <span>
#include <string_view>

namespace tessarin::cli {

// An option of a command or of the program: "--name" alone (a flag) or
// followed by its value, shown in the help as `valueName`.
struct CommandOption {
    std::string_view name;
    std::string_view valueName; // empty for a flag
    std::string_view description;

    bool takesValue() const { return !valueName.empty(); }
};

// An argument of a command as its help explains it.
struct CommandArgument {
    std::string_view name;
    std::string_view description;
};

// The option of every command that prints rows: one JSON value on standard
// output instead of tab-separated lines.
inline constexpr CommandOption jsonOption{"--json", "", "print one JSON value instead of tab-separated rows"};
inline bool wantsJson(const CliContext& context) { return context.hasOption(jsonOption.name); }

// One command of tessarin-cli, all that the help, the usage lines and the
// dispatch know of it: its name, a one-line summary, the forms its arguments
// take ("FROM TO"; a second form such as "-" is another usage line), the
// arguments explained, how many it takes besides its options, the options,
// and the function that runs it and returns the exit status.
//
// A command's options may stand anywhere among its arguments up to a "--",
// which ends them; "--help" or "-h" among them prints the command's help
// (exitOk). A run with an option it does not take, an option without its
// value, or too few or too many arguments prints the usage lines instead
// (exitError).
struct Command {
    std::string_view name;
    std::string_view summary;
    std::span<const std::string_view> forms;
    std::span<const CommandArgument> arguments;
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
// Runs a command on the context's words: its help when asked, else the
// command itself once its options and the number of its arguments check out.
int runCommand(const Command& command, CliContext& context);
// Prints a command's usage lines to standard error; returns exitError.
int usageError(CliContext& context, const Command& command);
// The program's help: its usage line, the global options and every command
// with its summary, by name.
void printHelp(std::ostream& out, std::span<const CommandOption> globalOptions);
// A command's help: its usage lines, summary, arguments and options.
void printCommandHelp(std::ostream& out, const Command& command);

} // namespace tessarin::cli
