#pragma once

#include <optional>
#include <string_view>

namespace tessarin::journeys {

inline constexpr int minutesPerDay = 1440;

// A stored clock time "h:mm" or "hh:mm" (hours 0-23, minutes 00-59) as
// minutes after midnight; nullopt for "-" and for any other text, which is no
// time a journey can use.
std::optional<int> clockMinutes(std::string_view text);

// The times of one stop on its train's minute axis, counted from midnight
// before the train's first day: (day - 1) x 1440 + the clock time. The
// departure lies on the stop's day, or on the next one where its clock time is
// earlier than the arrival's. A day number that is not a whole number from
// -10000 to 10000 gives the stop no times.
struct StopTimes {
    std::optional<int> arrival;
    std::optional<int> departure;
};
StopTimes stopTimes(std::string_view day, std::string_view arrival, std::string_view departure);

// A minute of the axis as a clock time of its day, 0-1439.
inline int clockOf(int minute) { return ((minute % minutesPerDay) + minutesPerDay) % minutesPerDay; }

} // namespace tessarin::journeys
