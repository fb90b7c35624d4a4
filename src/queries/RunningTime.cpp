#include "RunningTime.h"

#include "ConversionError.h"
#include "data/NumberText.h"

#include <cstdint>
#include <cstdio>
#include <utility>

namespace tessarin::queries {
namespace {

constexpr long long minutesPerDay = 1440;

// The times are integers of the width the timetable has always used; a wider
// value is not a valid integer, which also keeps the arithmetic from overflowing.
long long integerValue(std::string_view text) {
    const auto value = data::parseInteger(text);
    if (!value || *value < INT32_MIN || *value > INT32_MAX)
        throw ConversionError(data::notAnIntegerMessage(text));
    return *value;
}

std::pair<std::string_view, std::string_view> hoursAndMinutes(std::string_view time) {
    const auto colon = time.find(':');
    if (colon == std::string_view::npos)
        return {time, {}};
    return {time.substr(0, colon), time.substr(colon + 1)};
}

} // namespace

std::string FormatRunningTime(long long minutes) {
    long long hours = minutes / 60;
    if (minutes % 60 < 0)
        --hours;
    const long long rest = minutes - 60 * hours;
    char text[32];
    std::snprintf(text, sizeof text, "%lld:%02lld", hours, rest);
    return text;
}

std::string runningTimeText(std::string_view departure, std::string_view arrival, std::string_view dayDifference,
                            DashDeparture dash) {
    if (dash == DashDeparture::MeansNoRunningTime && departure == "-")
        return "-";
    const auto [arrivalHours, arrivalMinutes] = hoursAndMinutes(arrival);
    const auto [departureHours, departureMinutes] = hoursAndMinutes(departure);
    // Converted one after another in this order: the first bad text is the one reported.
    const long long arrivalHourCount = integerValue(arrivalHours);
    const long long arrivalMinuteCount = integerValue(arrivalMinutes);
    const long long days = integerValue(dayDifference);
    const long long departureHourCount = integerValue(departureHours);
    const long long departureMinuteCount = integerValue(departureMinutes);
    const long long arrivalTotal = arrivalHourCount * 60 + arrivalMinuteCount + days * minutesPerDay;
    const long long departureTotal = departureHourCount * 60 + departureMinuteCount;
    return FormatRunningTime(arrivalTotal - departureTotal);
}

} // namespace tessarin::queries
