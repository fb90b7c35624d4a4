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
#include "fares/FareCaseLine.h"

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace tessarin::cli {
namespace {

int answerBatch(CliContext& context) {
    data::Connection& connection = context.connection();
    std::string line;
    while (std::getline(context.in(), line))
        context.out() << fares::answerFareCaseLine(connection, line) << std::endl;
    return exitOk;
}

constexpr std::string_view usage = "fares TYPE DISTANCE P1 P2 P3 P4 | fares -";

int runFaresCommand(CliContext& context) {
    const std::vector<std::string>& arguments = context.arguments();
    if (arguments.size() == 1 && arguments[0] == "-")
        return answerBatch(context);
    if (arguments.size() != fares::fareCaseFieldCount)
        return usageError(context, usage);
    const fares::FareInputs inputs{arguments[0], arguments[1], arguments[2], arguments[3], arguments[4], arguments[5]};
    context.out() << fares::tabSeparated(fares::ComputeFareTexts(context.connection(), inputs)) << '\n';
    return exitOk;
}

const CommandRegistration registration({"fares", usage, 1, fares::fareCaseFieldCount, runFaresCommand});

} // namespace
} // namespace tessarin::cli
