// train TEXT: the train-number query, printed in the columns of the
// train-number page's grid.

#include "Commands.h"
#include "ResultQueryCommand.h"
#include "queries/TrainNumberQuery.h"

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

const CommandRegistration registration({"train", "train TEXT", 1, 1, runTrainCommand});

} // namespace
} // namespace tessarin::cli
