// between FROM TO: the station-to-station query, printed in the columns of
// the station-to-station page's grid.

#include "Commands.h"
#include "ResultQueryCommand.h"
#include "queries/StationToStationQuery.h"

#include <array>

namespace tessarin::cli {
namespace {

int runBetweenCommand(CliContext& context) {
    static const ResultQueryCommand command{
        {"id", "start_s", "end_s", "type", "s_station", "s_tm", "e_station", "e_tm", "during_tm", "during_s_no",
         "Train_Price"},
        [](data::Connection& connection, data::Query& qry4, const std::vector<std::string>& arguments) {
            return queries::queryStationToStation(connection, qry4, arguments[0], arguments[1]);
        }};
    return runResultQueryCommand(context, command);
}

constexpr std::array<std::string_view, 1> forms{"FROM TO"};
constexpr std::array<CommandArgument, 2> arguments{{
    {"FROM", "the departure station (every station whose name begins so)"},
    {"TO", "the arrival station (likewise)"},
}};
constexpr std::array<CommandOption, 1> options{jsonOption};

const CommandRegistration registration({"between", "trains from one station to another, as the station-to-station page",
                                        forms, arguments, 2, 2, runBetweenCommand, options});

} // namespace
} // namespace tessarin::cli
