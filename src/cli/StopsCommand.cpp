// stops ID: the stop list of one train as the stop grids show it, tab-separated
// after a header line of the field names.

#include "Commands.h"
#include "TablePrinter.h"
#include "data/Query.h"
#include "queries/StopList.h"

#include <ostream>

namespace tessarin::cli {
namespace {

int runStopsCommand(CliContext& context) {
    data::Query stops(context.connection());
    queries::openStopList(stops, context.arguments()[0]);
    printDataSet(context.out(), stops, {"S_No", "Station", "A_Time", "D_Time", "Distance", "Day"});
    return exitOk;
}

const CommandRegistration registration({"stops", "stops ID", 1, 1, runStopsCommand});

} // namespace
} // namespace tessarin::cli
