// station TEXT: the station query, printed in the columns of the station
// page's grid (the arrival time before the queried station).

#include "Commands.h"
#include "ResultQueryCommand.h"
#include "queries/StationQuery.h"

#include <array>

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

constexpr std::array<std::string_view, 1> forms{"TEXT"};
constexpr std::array<CommandArgument, 1> arguments{{{"TEXT", "the station (every station whose name begins so)"}}};
constexpr std::array<CommandOption, 1> options{jsonOption};

const CommandRegistration registration({"station", "every train calling at a station, as the station page", forms,
                                        arguments, 1, 1, runStationCommand, options});

} // namespace
} // namespace tessarin::cli
