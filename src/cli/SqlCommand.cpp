#include "SqlCommand.h"

#include "TablePrinter.h"
#include "data/Query.h"

#include <ostream>

namespace tessarin::cli {

int runSqlCommand(CliContext& context) {
    if (context.arguments().size() != 1) {
        context.err() << "usage: tessarin-cli sql STATEMENT\n";
        return exitError;
    }
    data::Query query(context.connection());
    query.setStatement(context.arguments()[0]);
    query.open();
    printDataSet(context.out(), query);
    return exitOk;
}

} // namespace tessarin::cli
