// tessarin-cli --help, COMMAND --help, --version and the man page, which
// must name every command the program has.

#include "support/CliRunner.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

namespace tessarin::cli {
namespace {

using testing::CliRun;
using testing::linesOf;
using testing::runCli;

// The help never opens the timetable, so none is there.
const std::vector<std::string> noTimetable{"--db", "/no/such/timetable.mdb"};

CliRun run(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), noTimetable.begin(), noTimetable.end());
    return runCli(arguments);
}

const std::set<std::string> everyCommand{"between", "detail",  "fares", "initials", "journeys", "skin",
                                         "sql",     "station", "stops", "suggest",  "train"};
const std::set<std::string> rowCommands{"between", "detail",  "fares", "initials", "journeys",
                                        "sql",     "station", "stops", "suggest",  "train"};

// The names of the "commands:" section of the help, each with its summary.
std::set<std::string> listedCommands(const std::string& help) {
    std::set<std::string> names;
    const std::vector<std::string> lines = linesOf(help);
    auto line = std::find(lines.begin(), lines.end(), "commands:");
    for (line = line == lines.end() ? line : line + 1; line != lines.end() && line->starts_with("  "); ++line) {
        std::istringstream words(*line);
        std::string name, summary;
        words >> name >> summary;
        EXPECT_FALSE(summary.empty()) << name << " has no summary";
        names.insert(name);
    }
    return names;
}

TEST(ProgramHelp, ListsEveryCommandOnStandardOutput) {
    for (const char* asked : {"--help", "-h"}) {
        const CliRun help = run({asked});
        EXPECT_EQ(help.status, 0) << asked;
        EXPECT_EQ(help.err, "") << asked;
        EXPECT_TRUE(help.out.starts_with("usage: tessarin-cli [--db FILE] [--json] COMMAND")) << help.out;
        for (const char* option : {"--db FILE", "--json", "--help", "--version"})
            EXPECT_NE(help.out.find("\n  " + std::string(option)), std::string::npos) << option;
        EXPECT_EQ(listedCommands(help.out), everyCommand) << asked;
    }
}

TEST(CommandHelp, EachCommandExplainsItsArgumentsAndOptions) {
    for (const std::string& command : everyCommand) {
        // Asked before, among or after the arguments.
        for (const auto& words :
             {std::vector<std::string>{command, "--help"}, {command, "-h", "x"}, {command, "x", "y", "--help"}}) {
            const CliRun help = run(words);
            EXPECT_EQ(help.status, 0) << command;
            EXPECT_EQ(help.err, "") << command;
            EXPECT_TRUE(help.out.starts_with("usage: tessarin-cli " + command)) << help.out;
            EXPECT_NE(help.out.find("\noptions:\n"), std::string::npos) << command;
            EXPECT_EQ(help.out.find("--json") != std::string::npos, rowCommands.contains(command)) << command;
        }
    }
}

TEST(CommandHelp, AfterTheEndOfOptionsIsAnArgument) {
    const CliRun run = runCli({"initials", "--", "--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "0\n0\n0\n0\n0\n0\n");
}

TEST(ProgramVersion, IsTheProjectVersion) {
    const CliRun version = run({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "tessarin-cli " TESSARIN_VERSION "\n");
    EXPECT_EQ(version.err, "");
}

// The command names of the man page's COMMANDS section: the first word of
// each entry's tag (the line after ".TP").
std::set<std::string> manPageCommands() {
    std::ifstream in(std::filesystem::path(std::getenv("TESSARIN_SOURCE_DIR")) / "src/cli/tessarin-cli.1");
    EXPECT_TRUE(in.is_open());
    std::set<std::string> names;
    bool inCommands = false;
    bool tagNext = false;
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with(".SH"))
            inCommands = line == ".SH COMMANDS";
        else if (inCommands && tagNext) {
            std::istringstream words(line);
            std::string macro, name;
            words >> macro >> name;
            names.insert(name.substr(name.starts_with('"') ? 1 : 0));
        }
        tagNext = line == ".TP";
    }
    return names;
}

TEST(ManPage, HasAnEntryForEveryCommandOfTheHelp) { EXPECT_EQ(manPageCommands(), listedCommands(run({"--help"}).out)); }

} // namespace
} // namespace tessarin::cli
