#include "LegTexts.h"

#include "data/Connection.h"
#include "data/DataError.h"
#include "data/NumberText.h"
#include "data/SqlFunctions.h"

#include <array>
#include <string>
#include <variant>

namespace tessarin::journeys {

struct LegTexts::StopRow {
    std::string id, type, station, stopNumber, arrival, departure, distance;
    std::array<std::string, 4> classes;
};

namespace {

double asDouble(const std::variant<long long, double>& number) {
    return std::visit([](auto value) { return static_cast<double>(value); }, number);
}

// to - from as val() reads them and CStr() writes the difference.
std::pair<double, std::string> difference(std::string_view from, std::string_view to) {
    const auto a = data::leadingNumber(from);
    const auto b = data::leadingNumber(to);
    if (std::holds_alternative<long long>(a) && std::holds_alternative<long long>(b)) {
        const long long whole = std::get<long long>(b) - std::get<long long>(a);
        return {static_cast<double>(whole), std::to_string(whole)};
    }
    const double value = asDouble(b) - asDouble(a);
    return {value, data::formatNumber(value)};
}

} // namespace

LegTexts::LegTexts(data::Connection& connection)
    : select_(connection.handle(),
              "select id, type, station, s_no, a_time, d_time, distance, p1, p2, p3, p4 from train where rowid = ?1") {}

LegTexts::StopRow LegTexts::read(std::int64_t rowid) {
    select_.reset();
    select_.bind({std::to_string(rowid)});
    if (!select_.step())
        throw data::DataError("The timetable changed while journeys were planned: stop " + std::to_string(rowid) +
                              " is gone.");
    const auto text = [&](int column) { return select_.columnText(column).value_or(""); };
    return {text(0), text(1), text(2), text(3), text(4), text(5), text(6), {text(7), text(8), text(9), text(10)}};
}

void LegTexts::fill(JourneyLeg& leg, std::int64_t boarding, std::int64_t alighting) {
    const StopRow from = read(boarding);
    const StopRow to = read(alighting);
    leg.trainId = from.id;
    leg.type = from.type;
    leg.fromStation = from.station;
    leg.toStation = to.station;
    leg.departureTime = from.departure;
    leg.arrivalTime = to.arrival;
    leg.fromStopNumber = from.stopNumber;
    leg.toStopNumber = to.stopNumber;
    std::tie(leg.distance, leg.distanceText) = difference(from.distance, to.distance);
    for (std::size_t k = 0; k < leg.classes.size(); ++k)
        leg.classes[k] = difference(from.classes[k], to.classes[k]).second;
}

} // namespace tessarin::journeys
