// suggest TEXT: prints the station names that a station box offers for TEXT,
// one per line, in the order the box lists them: the bundled name list, then
// the stations of the timetable that it lacks.
//
// suggest -: reads one text a line from standard input and answers each line
// with the text and the names offered for it, tab-separated (the text alone
// when none is). Exits 0 once every line is answered.

#include "Commands.h"
#include "stationinput/StationFilter.h"
#include "stationinput/TimetableStations.h"

#include <istream>
#include <ostream>

namespace tessarin::cli {
namespace {

stationinput::StationList pickableStations(CliContext& context) {
    std::vector<std::string> names = stationinput::readStationNames(stationinput::defaultStationListFile());
    stationinput::appendTimetableStations(names, context.connection());
    return stationinput::StationList(std::move(names));
}

// As the station boxes: an empty text offers nothing.
std::vector<std::string> suggestionsFor(const stationinput::StationList& stations, const std::string& typed) {
    return typed.empty() ? std::vector<std::string>{} : stationinput::stationSuggestions(stations, typed);
}

int answerBatch(CliContext& context) {
    const stationinput::StationList stations = pickableStations(context);
    std::string line;
    while (std::getline(context.in(), line)) {
        if (line.ends_with('\r'))
            line.pop_back();
        context.out() << line;
        for (const std::string& name : suggestionsFor(stations, line))
            context.out() << '\t' << name;
        context.out() << std::endl;
    }
    return exitOk;
}

int runSuggestCommand(CliContext& context) {
    const std::string& typed = context.arguments()[0];
    if (typed == "-")
        return answerBatch(context);
    if (typed.empty()) {
        context.err() << "No text to suggest stations for.\n";
        return exitNothing;
    }
    const std::vector<std::string> offered = suggestionsFor(pickableStations(context), typed);
    for (const std::string& name : offered)
        context.out() << name << '\n';
    if (!offered.empty())
        return exitOk;
    context.err() << "No station matches '" << typed << "'.\n";
    return exitNothing;
}

const CommandRegistration registration({"suggest", "suggest TEXT | suggest -", 1, 1, runSuggestCommand});

} // namespace
} // namespace tessarin::cli
