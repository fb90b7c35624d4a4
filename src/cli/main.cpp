// tessarin-cli [--db FILE] [--json] COMMAND ...
//
// Runs the same core code as the windows. --db names the timetable file;
// without it the program's own is used. Failures print their message to
// standard error and exit with status 1; --help and --version print to
// standard output and exit with status 0.

#include "Commands.h"
#include "ErrorText.h"
#include "data/DataFile.h"

#include <array>
#include <clocale>
#include <exception>
#include <iostream>
#include <optional>

namespace {

using namespace tessarin;

constexpr std::array<cli::CommandOption, 4> globalOptions{{
    {"--db", "FILE", "the timetable file (data/Train+-+090719.mdb of the program by default)"},
    {"--json", "", "the command prints one JSON value (as the command's own --json)"},
    {"--help, -h", "", "print this help and exit"},
    {"--version", "", "print the program's version and exit"},
}};

// What the options before the command name asked for, and the words from the
// command name on.
struct Invocation {
    std::filesystem::path dataFile = data::defaultDataFile();
    bool json = false;
    bool help = false;
    bool version = false;
    std::vector<std::string> words;
};

// Reads the global options; nothing when one is unknown or lacks its value
// (the reason went to standard error).
std::optional<Invocation> readInvocation(std::vector<std::string> arguments) {
    Invocation invocation;
    std::size_t i = 0;
    for (; i < arguments.size() && arguments[i].starts_with('-'); ++i) {
        const std::string& word = arguments[i];
        if (word == "--db" && i + 1 < arguments.size())
            invocation.dataFile = arguments[++i];
        else if (word == "--json")
            invocation.json = true;
        else if (word == "--help" || word == "-h")
            invocation.help = true;
        else if (word == "--version")
            invocation.version = true;
        else {
            std::cerr << "tessarin-cli: " << (word == "--db" ? "--db needs a FILE" : "unknown option '" + word + "'")
                      << '\n';
            return std::nullopt;
        }
    }
    invocation.words.assign(arguments.begin() + static_cast<std::ptrdiff_t>(i), arguments.end());
    return invocation;
}

int usageError(std::string_view reason) {
    if (!reason.empty())
        std::cerr << "tessarin-cli: " << reason << '\n';
    cli::printHelp(std::cerr, globalOptions);
    return cli::exitError;
}

} // namespace

int main(int argc, char** argv) {
    // Numbers are shown as the windows show them: with the user's decimal separator.
    std::setlocale(LC_ALL, "");
    std::optional<Invocation> invocation = readInvocation({argv + 1, argv + argc});
    if (!invocation)
        return usageError("");
    if (invocation->help) {
        cli::printHelp(std::cout, globalOptions);
        return cli::exitOk;
    }
    if (invocation->version) {
        std::cout << "tessarin-cli " TESSARIN_VERSION "\n";
        return cli::exitOk;
    }
    std::vector<std::string>& words = invocation->words;
    if (words.empty())
        return usageError("no command given");
    const cli::Command* command = cli::findCommand(words[0]);
    if (!command)
        return usageError("unknown command '" + words[0] + "'");
    words.erase(words.begin());
    if (invocation->json)
        words.insert(words.begin(), std::string(cli::jsonOption.name));
    cli::CliContext context(invocation->dataFile, std::move(words), std::cin, std::cout, std::cerr);
    try {
        return cli::runCommand(*command, context);
    } catch (const std::exception& error) {
        std::cout.flush();
        std::cerr << cli::terminalLines(error.what()) << '\n';
        return cli::exitError;
    }
}
