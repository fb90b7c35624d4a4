#include "ResultQueryCommand.h"

#include "TablePrinter.h"
#include "data/Query.h"

#include <ostream>

namespace tessarin::cli {

int runResultQueryCommand(CliContext& context, const ResultQueryCommand& command) {
    data::Connection& connection = context.connection();
    data::Query qry4(connection);
    const queries::QueryOutcome outcome = command.run(connection, qry4, context.arguments());
    if (outcome.notice) {
        context.err() << *outcome.notice << '\n';
        return exitNothing;
    }
    printDataSet(context.out(), qry4, command.columns, rowFormatOf(context));
    return exitOk;
}

} // namespace tessarin::cli
