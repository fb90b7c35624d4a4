// fares TYPE DISTANCE P1 P2 P3 P4: prints the seven fare texts of a train
// (hard seat, soft seat, hard sleeper upper, middle and lower berth, soft
// sleeper upper and lower berth) on one line, tab-separated.
//
// fares -: reads one case a line from standard input, the six fields
// tab-separated (empty fields allowed), and answers each line with the seven
// texts, or with "ERR", a tab and the error's message. Exits 0 once every line
// is answered.

#include "Commands.h"
#include "fares/ComputeFareTexts.h"

#include <exception>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace tessarin::cli {
namespace {

constexpr std::size_t caseFieldCount = 6;

std::vector<std::string> splitAtTabs(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t tab = line.find('\t'); tab != std::string::npos; tab = line.find('\t', start)) {
        fields.push_back(line.substr(start, tab - start));
        start = tab + 1;
    }
    fields.push_back(line.substr(start));
    return fields;
}

fares::FareInputs fareInputsFrom(const std::vector<std::string>& fields) {
    return {fields[0], fields[1], fields[2], fields[3], fields[4], fields[5]};
}

std::string joinedWithTabs(const fares::FareTexts& texts) {
    std::string line;
    for (const std::string& text : texts.inOrder())
        line += (line.empty() ? "" : "\t") + text;
    return line;
}

// One line of the batch: the answer, or the reason there is none.
std::string answerCase(data::Connection& connection, const std::string& line) {
    const std::vector<std::string> fields = splitAtTabs(line);
    if (fields.size() != caseFieldCount)
        return "ERR\texpected 6 tab-separated fields (TYPE DISTANCE P1 P2 P3 P4), found " +
               std::to_string(fields.size());
    try {
        return joinedWithTabs(fares::ComputeFareTexts(connection, fareInputsFrom(fields)));
    } catch (const std::exception& error) {
        return std::string("ERR\t") + error.what();
    }
}

int answerBatch(CliContext& context) {
    data::Connection& connection = context.connection();
    std::string line;
    while (std::getline(context.in(), line))
        context.out() << answerCase(connection, line) << std::endl;
    return exitOk;
}

constexpr std::string_view usage = "fares TYPE DISTANCE P1 P2 P3 P4 | fares -";

int runFaresCommand(CliContext& context) {
    const std::vector<std::string>& arguments = context.arguments();
    if (arguments.size() == 1 && arguments[0] == "-")
        return answerBatch(context);
    if (arguments.size() != caseFieldCount)
        return usageError(context, usage);
    context.out() << joinedWithTabs(fares::ComputeFareTexts(context.connection(), fareInputsFrom(arguments)))
                  << '\n';
    return exitOk;
}

const CommandRegistration registration({"fares", usage, 1, caseFieldCount, runFaresCommand});

} // namespace
} // namespace tessarin::cli
