// tessarin-cli [--db FILE] COMMAND ...
//
// Runs the same core code as the windows. --db names the timetable file;
// without it the file beside the executable is used. Failures print their
// message to standard error and exit with status 1.

#include "Commands.h"
#include "data/DataFile.h"

#include <clocale>
#include <exception>
#include <iostream>

int main(int argc, char** argv) {
    using namespace tessarin;
    // Numbers are shown as the windows show them: with the user's decimal separator.
    std::setlocale(LC_ALL, "");
    std::vector<std::string> arguments(argv + 1, argv + argc);
    std::filesystem::path dataFile = data::defaultDataFile();
    if (arguments.size() >= 2 && arguments[0] == "--db") {
        dataFile = arguments[1];
        arguments.erase(arguments.begin(), arguments.begin() + 2);
    }
    if (arguments.empty()) {
        cli::printUsage(std::cerr);
        return cli::exitError;
    }
    const cli::Command* command = cli::findCommand(arguments[0]);
    if (!command) {
        std::cerr << "tessarin-cli: unknown command '" << arguments[0] << "'\n";
        cli::printUsage(std::cerr);
        return cli::exitError;
    }
    arguments.erase(arguments.begin());
    cli::CliContext context(dataFile, std::move(arguments), std::cin, std::cout, std::cerr);
    try {
        return cli::runCommand(*command, context);
    } catch (const std::exception& error) {
        std::cout.flush();
        std::cerr << error.what() << '\n';
        return cli::exitError;
    }
}
