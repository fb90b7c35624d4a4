#include "TimetableStations.h"

#include "data/GbkOrder.h"
#include "data/LatinCase.h"
#include "data/Statement.h"

#include <algorithm>
#include <set>

namespace tessarin::stationinput {
namespace {

// Each station of the timetable once (the column compares without regard to
// case, and so does "distinct").
std::vector<std::string> timetableStations(const data::Connection& timetable) {
    data::Statement select(timetable.handle(), "select distinct station from train where station <> ''");
    std::vector<std::string> stations;
    while (select.step())
        stations.emplace_back(select.columnView(0));
    return stations;
}

} // namespace

void appendTimetableStations(std::vector<std::string>& names, const data::Connection& timetable) {
    std::vector<std::string> stations = timetableStations(timetable);
    std::set<std::string> held;
    for (const std::string& name : names)
        held.insert(data::upperLatin(name));
    std::vector<std::string> missing;
    for (std::string& station : stations) {
        if (!held.contains(data::upperLatin(station)))
            missing.push_back(std::move(station));
    }
    // Byte order first, so that names with the same GBK codes keep one order.
    std::sort(missing.begin(), missing.end());
    std::stable_sort(missing.begin(), missing.end(), data::GbkLess{});
    names.insert(names.end(), std::make_move_iterator(missing.begin()), std::make_move_iterator(missing.end()));
}

} // namespace tessarin::stationinput
