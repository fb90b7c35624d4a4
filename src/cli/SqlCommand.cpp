// sql STATEMENT: runs one statement and prints its rows tab-separated after a
// header line of the field names (just the header for a statement without rows).

#include "Commands.h"
#include "TablePrinter.h"
#include "data/Query.h"

#include <ostream>

namespace tessarin::cli {
namespace {

int runSqlCommand(CliContext& context) {
    data::Query query(context.connection());
    query.setStatement(context.arguments()[0]);
    query.open();
    printDataSet(context.out(), query);
    return exitOk;
}

const CommandRegistration registration({"sql", "sql STATEMENT", 1, 1, runSqlCommand});

} // namespace
} // namespace tessarin::cli
