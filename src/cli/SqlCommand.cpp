// sql STATEMENT: runs one statement and prints its rows tab-separated after a
// header line of the field names (just the header for a statement without
// rows), or with --json as a JSON array of one object per row. A text
// without a statement (blank, or only comments) is empty input.

#include "Commands.h"
#include "TablePrinter.h"
#include "data/DataError.h"
#include "data/Query.h"

#include <array>
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
    printDataSet(context.out(), query, rowFormatOf(context));
    return exitOk;
}

constexpr std::array<std::string_view, 1> forms{"STATEMENT"};
constexpr std::array<CommandArgument, 1> arguments{{
    {"STATEMENT", "one SQL statement (after \"--\" when it begins with \"--\")"},
}};
constexpr std::array<CommandOption, 1> options{jsonOption};

const CommandRegistration registration({"sql", "a statement's rows, run on the timetable file", forms, arguments, 1, 1,
                                        runSqlCommand, options});

} // namespace
} // namespace tessarin::cli
