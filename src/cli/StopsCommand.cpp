// stops ID: the stop list of one train as the stop grids show it, tab-separated
// after a header line of the field names (a JSON array with --json); a train
// without stops is nothing to show.

#include "Commands.h"
#include "TablePrinter.h"
#include "data/Query.h"
#include "queries/StopList.h"

#include <array>
#include <ostream>

namespace tessarin::cli {
namespace {

int runStopsCommand(CliContext& context) {
    const std::string& trainId = context.arguments()[0];
    data::Query stops(context.connection());
    queries::openStopList(stops, trainId);
    if (stops.isEmpty()) {
        context.err() << "No train '" << trainId << "' in the timetable.\n";
        return exitNothing;
    }
    printDataSet(context.out(), stops, {"S_No", "Station", "A_Time", "D_Time", "Distance", "Day"},
                 rowFormatOf(context));
    return exitOk;
}

constexpr std::array<std::string_view, 1> forms{"ID"};
constexpr std::array<CommandArgument, 1> arguments{{{"ID", "the train number, letters in either case"}}};
constexpr std::array<CommandOption, 1> options{jsonOption};

const CommandRegistration registration({"stops", "a train's stop list, as the stop grids", forms, arguments, 1, 1,
                                        runStopsCommand, options});

} // namespace
} // namespace tessarin::cli
