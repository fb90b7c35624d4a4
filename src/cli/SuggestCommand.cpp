// suggest TEXT: prints the station names that a station box offers for TEXT,
// one per line, in the order the box lists them: the bundled name list, then
// the stations of the timetable that it lacks. With --json one object:
// {"text": TEXT, "names": [...]}.
//
// suggest -: reads one text a line from standard input and answers each line
// with the text and the names offered for it, tab-separated (the text alone
// when none is); with --json one array of such objects, one per line. Exits 0
// once every line is answered.

#include "Commands.h"
#include "JsonWriter.h"
#include "stationinput/StationFilter.h"
#include "stationinput/TimetableStations.h"

#include <array>
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

void writeSuggestions(JsonWriter& json, const std::string& typed, const std::vector<std::string>& names) {
    json.beginObject();
    json.field("text", typed);
    json.key("names");
    json.beginArray();
    for (const std::string& name : names)
        json.string(name);
    json.endArray();
    json.endObject();
}

void printLine(std::ostream& out, const std::string& typed, const std::vector<std::string>& names) {
    out << typed;
    for (const std::string& name : names)
        out << '\t' << name;
    out << std::endl;
}

int answerBatch(CliContext& context) {
    const stationinput::StationList stations = pickableStations(context);
    JsonWriter json(context.out());
    if (wantsJson(context))
        json.beginArray();
    for (std::string line; std::getline(context.in(), line);) {
        if (line.ends_with('\r'))
            line.pop_back();
        const std::vector<std::string> names = suggestionsFor(stations, line);
        if (wantsJson(context))
            writeSuggestions(json, line, names);
        else
            printLine(context.out(), line, names);
    }
    if (wantsJson(context)) {
        json.endArray();
        context.out() << '\n';
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
    if (offered.empty()) {
        context.err() << "No station matches '" << typed << "'.\n";
        return exitNothing;
    }
    if (wantsJson(context)) {
        JsonWriter json(context.out());
        writeSuggestions(json, typed, offered);
        context.out() << '\n';
        return exitOk;
    }
    for (const std::string& name : offered)
        context.out() << name << '\n';
    return exitOk;
}

constexpr std::array<std::string_view, 2> forms{"TEXT", "-"};
constexpr std::array<CommandArgument, 2> arguments{{
    {"TEXT", "pinyin initials or spelling, or the name's characters; \"?\" stands for any one character"},
    {"-", "read one text a line from standard input"},
}};
constexpr std::array<CommandOption, 1> options{jsonOption};

const CommandRegistration registration({"suggest", "the station names a station box offers for a text", forms,
                                        arguments, 1, 1, runSuggestCommand, options});

} // namespace
} // namespace tessarin::cli
