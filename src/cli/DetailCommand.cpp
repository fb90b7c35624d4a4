// detail ID: prints the twelve values of the train detail window for train ID
// from the current train_tmp, one "caption<TAB>value" line each in screen
// order, as the window fills them; with --json one object of the row's texts
// and its seven fares by name. A failure prints nothing but its message; a
// train that is not in the last result is nothing to show.

#include "Commands.h"
#include "FareJson.h"
#include "data/Query.h"
#include "fares/ComputeFareTexts.h"
#include "fares/DetailFields.h"

#include <array>
#include <ostream>

namespace tessarin::cli {
namespace {

void printJson(CliContext& context, const std::string& trainId, const fares::DetailRow& row) {
    const fares::FareTexts fares = fares::ComputeFareTexts(context.connection(), row.fareInputs);
    JsonWriter json(context.out());
    json.beginObject();
    json.field("id", trainId);
    json.field("s_station", row.sStation);
    json.field("e_station", row.eStation);
    json.field("distance", row.distance);
    json.field("during_tm", row.duringTm);
    json.field("during_day", row.duringDay);
    json.key("fares");
    writeFareTexts(json, fares.inOrder());
    json.endObject();
    context.out() << '\n';
}

int runDetailCommand(CliContext& context) {
    const std::string& trainId = context.arguments()[0];
    data::Query detailRow(context.connection());
    const fares::DetailRow row = fares::ReadDetailRow(detailRow, trainId);
    if (detailRow.isEmpty()) {
        context.err() << "Train '" << trainId << "' is not in the last result.\n";
        return exitNothing;
    }
    if (wantsJson(context)) {
        printJson(context, trainId, row);
        return exitOk;
    }
    for (const fares::DetailField& field : fares::DetailFieldsFor(context.connection(), row))
        context.out() << field.caption << '\t' << field.value << '\n';
    return exitOk;
}

constexpr std::array<std::string_view, 1> forms{"ID"};
constexpr std::array<CommandArgument, 1> arguments{{{"ID", "the train number of a row of the last query"}}};
constexpr std::array<CommandOption, 1> options{jsonOption};

const CommandRegistration registration({"detail", "the detail window's values for a train of the last query", forms,
                                        arguments, 1, 1, runDetailCommand, options});

} // namespace
} // namespace tessarin::cli
