// journeys [--changes N] [--min-change MIN] [--max-wait MIN] [--json] FROM TO:
// the journeys from FROM to TO with at most N changes (2), changes of at
// least MIN minutes (30) and waits of at most MIN minutes (720). One row per
// journey, tab-separated after a header line; with --json a JSON array of
// the same fields, each journey with its legs.

#include "Commands.h"
#include "JsonWriter.h"
#include "journeys/JourneyPlanner.h"

#include <array>
#include <charconv>
#include <ostream>
#include <stdexcept>

namespace tessarin::cli {
namespace {

using journeys::Journey;
using journeys::JourneyLeg;

int wholeMinutes(const CliContext& context, std::string_view name, int fallback) {
    const auto text = context.option(name);
    if (!text)
        return fallback;
    int value = 0;
    const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), value);
    if (text->empty() || error != std::errc() || end != text->data() + text->size())
        throw std::invalid_argument(std::string(name) + " takes a whole number, not '" + *text + "'");
    return value;
}

journeys::JourneyOptions optionsOf(const CliContext& context) {
    const journeys::JourneyOptions defaults;
    return {wholeMinutes(context, "--changes", defaults.maxChanges),
            wholeMinutes(context, "--min-change", defaults.minChange),
            wholeMinutes(context, "--max-wait", defaults.maxWait)};
}

void printRows(std::ostream& out, const std::vector<Journey>& found) {
    out << "s_station\ts_tm\te_station\te_tm\tdays\tduring_tm\tchanges\ttrains\tvia\twait_tm\n";
    for (const Journey& journey : found) {
        const JourneyLeg& first = journey.legs.front();
        const JourneyLeg& last = journey.legs.back();
        out << first.fromStation << '\t' << first.departureTime << '\t' << last.toStation << '\t' << last.arrivalTime
            << '\t' << journey.days() << '\t' << journey.durationText() << '\t' << journey.changes << '\t'
            << journey.trainsText() << '\t' << journey.viaText() << '\t' << journey.waitText() << '\n';
    }
}

void writeLegs(JsonWriter& json, const Journey& journey) {
    json.key("legs");
    json.beginArray();
    for (const JourneyLeg& leg : journey.legs) {
        json.beginObject();
        json.field("id", leg.trainId);
        json.field("type", leg.type);
        json.field("from", leg.fromStation);
        json.field("d_time", leg.departureTime);
        json.field("to", leg.toStation);
        json.field("a_time", leg.arrivalTime);
        json.field("distance", leg.distanceText);
        json.endObject();
    }
    json.endArray();
}

void printJson(std::ostream& out, const std::vector<Journey>& found) {
    JsonWriter json(out);
    json.beginArray();
    for (const Journey& journey : found) {
        json.beginObject();
        json.field("s_station", journey.legs.front().fromStation);
        json.field("s_tm", journey.legs.front().departureTime);
        json.field("e_station", journey.legs.back().toStation);
        json.field("e_tm", journey.legs.back().arrivalTime);
        json.field("days", journey.days());
        json.field("during_tm", journey.durationText());
        json.field("changes", journey.changes);
        json.field("trains", journey.trainsText());
        json.field("via", journey.viaText());
        json.field("wait_tm", journey.waitText());
        writeLegs(json, journey);
        json.endObject();
    }
    json.endArray();
    out << '\n';
}

int nothing(CliContext& context, std::string_view notice) {
    context.err() << notice << '\n';
    return exitNothing;
}

int runJourneysCommand(CliContext& context) {
    const std::string& from = context.arguments()[0];
    const std::string& to = context.arguments()[1];
    const journeys::JourneyOptions journeyOptions = optionsOf(context);
    if (from.empty())
        return nothing(context, journeys::noDepartureNotice);
    if (to.empty())
        return nothing(context, journeys::noArrivalNotice);
    const journeys::JourneyPlanner planner(context.connection());
    const std::vector<Journey> found = planner.plan(from, to, journeyOptions);
    if (found.empty())
        return nothing(context, journeys::noJourneyNotice);
    if (wantsJson(context))
        printJson(context.out(), found);
    else
        printRows(context.out(), found);
    return exitOk;
}

constexpr std::array<std::string_view, 1> forms{"FROM TO"};
constexpr std::array<CommandArgument, 2> arguments{{
    {"FROM", "the departure station"},
    {"TO", "the arrival station"},
}};
constexpr std::array<CommandOption, 4> options{{
    {"--changes", "N", "at most N changes: 0, 1 or 2 (2)"},
    {"--min-change", "MIN", "a change takes at least MIN minutes (30)"},
    {"--max-wait", "MIN", "a change waits at most MIN minutes (720)"},
    jsonOption,
}};

const CommandRegistration registration({"journeys", "journeys with up to two changes, direct trains among them", forms,
                                        arguments, 2, 2, runJourneysCommand, options});

} // namespace
} // namespace tessarin::cli
