// detail ID: prints the twelve values of the train detail window for train ID
// from the current train_tmp, one "caption<TAB>value" line each in screen
// order, as the window fills them. A failure prints nothing but its message.

#include "Commands.h"
#include "data/Query.h"
#include "fares/DetailFields.h"

#include <ostream>

namespace tessarin::cli {
namespace {

int runDetailCommand(CliContext& context) {
    data::Query detailRow(context.connection());
    const fares::DetailRow row = fares::ReadDetailRow(detailRow, context.arguments()[0]);
    for (const fares::DetailField& field : fares::DetailFieldsFor(context.connection(), row))
        context.out() << field.caption << '\t' << field.value << '\n';
    return exitOk;
}

const CommandRegistration registration({"detail", "detail ID", 1, 1, runDetailCommand});

} // namespace
} // namespace tessarin::cli
