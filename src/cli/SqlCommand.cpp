// sql STATEMENT: runs one statement and prints its rows tab-separated after a
// header line of the field names (just the header for a statement without
// rows). A text without a statement (blank, or only comments) is empty input.

#include "Commands.h"
#include "TablePrinter.h"
#include "data/DataError.h"
#include "data/Query.h"

#include <ostream>

namespace tessarin::cli {
namespace {

int runSqlCommand(CliContext& context) {
    data::Query query(context.connection());
    query.setStatement(context.arguments()[0]);
    try {
        query.open();
    } catch (const data::EmptyStatementError& error) {
        context.err() << error.what() << '\n';
        return exitNothing;
    }
    printDataSet(context.out(), query);
    return exitOk;
}

const CommandRegistration registration({"sql", "sql STATEMENT", 1, 1, runSqlCommand});

} // namespace
} // namespace tessarin::cli
