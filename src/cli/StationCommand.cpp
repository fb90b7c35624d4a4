// station TEXT: the station query, printed in the columns of the station
// page's grid (the arrival time before the queried station).

#include "Commands.h"
#include "ResultQueryCommand.h"
#include "queries/StationQuery.h"

namespace tessarin::cli {
namespace {

int runStationCommand(CliContext& context) {
    static const ResultQueryCommand command{
        {"id", "start_s", "end_s", "type", "e_tm", "s_station", "s_tm", "Train_Price"},
        [](data::Connection& connection, data::Query& qry4, const std::vector<std::string>& arguments) {
            return queries::queryStation(connection, qry4, arguments[0]);
        }};
    return runResultQueryCommand(context, command);
}

const CommandRegistration registration({"station", "station TEXT", 1, 1, runStationCommand});

} // namespace
} // namespace tessarin::cli
