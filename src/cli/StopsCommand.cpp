// stops ID: the stop list of one train as the stop grids show it, tab-separated
// after a header line of the field names; a train without stops is nothing
// to show.

#include "Commands.h"
#include "TablePrinter.h"
#include "data/Query.h"
#include "queries/StopList.h"

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
    printDataSet(context.out(), stops, {"S_No", "Station", "A_Time", "D_Time", "Distance", "Day"});
    return exitOk;
}

const CommandRegistration registration({"stops", "stops ID", 1, 1, runStopsCommand});

} // namespace
} // namespace tessarin::cli
