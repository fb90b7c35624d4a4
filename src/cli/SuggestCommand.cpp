// suggest TEXT: prints the station names that a station box offers for TEXT,
// one per line, in the order of the bundled name list.

#include "Commands.h"
#include "stationinput/StationFilter.h"

#include <ostream>

namespace tessarin::cli {
namespace {

int runSuggestCommand(CliContext& context) {
    const std::string& typed = context.arguments()[0];
    if (typed.empty()) {
        context.err() << "No text to suggest stations for.\n";
        return exitNothing;
    }
    const auto list = stationinput::StationList(stationinput::readStationNames(stationinput::defaultStationListFile()));
    bool offered = false;
    stationinput::MatchStations(list, typed, [&](const std::string& name) {
        context.out() << name << '\n';
        offered = true;
    });
    if (offered)
        return exitOk;
    context.err() << "No station matches '" << typed << "'.\n";
    return exitNothing;
}

const CommandRegistration registration({"suggest", "suggest TEXT", 1, 1, runSuggestCommand});

} // namespace
} // namespace tessarin::cli
