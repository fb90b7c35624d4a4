#pragma once

#include <string>
#include <string_view>

namespace tessarin::queries {

// Whether a departure time of exactly "-" (a train that ends at the row's
// station) means the row has no running time, or is converted like any other
// time (and so fails).
enum class DashDeparture { Convert, MeansNoRunningTime };

// A whole number of minutes as running-time text: the hours in decimal ("0"
// below one hour), ":", and the minutes of the hour in two digits. 61 gives
// "1:01", 1505 gives "25:05". Hours are rounded down, so a negative count
// keeps its minutes between 0 and 59.
std::string FormatRunningTime(long long minutes);

// The running time of a result row from its departure time, arrival time and
// day difference. Each time is split at its first ":" into hours and minutes
// (no ":" gives empty minutes); arrival hours, arrival minutes, day
// difference, departure hours and departure minutes are converted in this
// order as integers, and the first that is not one raises ConversionError
// "'%s' is not a valid integer value" with the text in place of %s.
std::string runningTimeText(std::string_view departure, std::string_view arrival, std::string_view dayDifference,
                            DashDeparture dash);

} // namespace tessarin::queries
