// train TEXT: the train-number query, printed in the columns of the
// train-number page's grid.

#include "Commands.h"
#include "ResultQueryCommand.h"
#include "queries/TrainNumberQuery.h"

#include <array>

namespace tessarin::cli {
namespace {

int runTrainCommand(CliContext& context) {
    static const ResultQueryCommand command{
        {"id", "start_s", "end_s", "type", "s_station", "s_tm", "e_station", "e_tm", "during_tm", "Train_Price"},
        [](data::Connection& connection, data::Query& qry4, const std::vector<std::string>& arguments) {
            return queries::queryTrainNumber(connection, qry4, arguments[0]);
        }};
    return runResultQueryCommand(context, command);
}

constexpr std::array<std::string_view, 1> forms{"TEXT"};
constexpr std::array<CommandArgument, 1> arguments{{{"TEXT", "a part of the train number, letters in either case"}}};
constexpr std::array<CommandOption, 1> options{jsonOption};

const CommandRegistration registration({"train", "trains whose number holds TEXT, as the train-number page", forms,
                                        arguments, 1, 1, runTrainCommand, options});

} // namespace
} // namespace tessarin::cli
