// detail ID: prints the twelve values of the train detail window for train ID
// from the current train_tmp, one "caption<TAB>value" line each in screen
// order, as the window fills them. A failure prints nothing but its message;
// a train that is not in the last result is nothing to show.

#include "Commands.h"
#include "data/Query.h"
#include "fares/DetailFields.h"

#include <ostream>

namespace tessarin::cli {
namespace {

int runDetailCommand(CliContext& context) {
    const std::string& trainId = context.arguments()[0];
    data::Query detailRow(context.connection());
    const fares::DetailRow row = fares::ReadDetailRow(detailRow, trainId);
    if (detailRow.isEmpty()) {
        context.err() << "Train '" << trainId << "' is not in the last result.\n";
        return exitNothing;
    }
    for (const fares::DetailField& field : fares::DetailFieldsFor(context.connection(), row))
        context.out() << field.caption << '\t' << field.value << '\n';
    return exitOk;
}

const CommandRegistration registration({"detail", "detail ID", 1, 1, runDetailCommand});

} // namespace
} // namespace tessarin::cli
