#pragma once

#include "CliContext.h"
#include "queries/QueryOutcome.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tessarin::data {
class Query;
}

namespace tessarin::cli {

// A command that runs one query page's query: the page grid's columns in
// order, and the query run on the arguments with the command's connection and
// result set.
struct ResultQueryCommand {
    std::vector<std::string> columns;
    std::function<queries::QueryOutcome(data::Connection&, data::Query&, const std::vector<std::string>&)> run;
};

// Runs the command: prints the result set's rows in the grid's columns
// as the command's options ask (tab-separated or JSON; exitOk); a notice
// goes to standard error (exitNothing). Errors propagate.
int runResultQueryCommand(CliContext& context, const ResultQueryCommand& command);

} // namespace tessarin::cli
