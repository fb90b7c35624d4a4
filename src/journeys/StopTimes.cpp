#include "StopTimes.h"

#include "data/SqlFunctions.h"

#include <variant>

namespace tessarin::journeys {
namespace {

constexpr long long dayLimit = 10000;

std::optional<int> digitsValue(std::string_view digits) {
    if (digits.empty() || digits.size() > 2)
        return std::nullopt;
    int value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::optional<long long> wholeDay(std::string_view text) {
    const std::variant<long long, double> number = data::leadingNumber(text);
    const auto* day = std::get_if<long long>(&number);
    if (!day || *day < -dayLimit || *day > dayLimit)
        return std::nullopt;
    return *day;
}

} // namespace

std::optional<int> clockMinutes(std::string_view text) {
    const auto colon = text.find(':');
    if (colon == std::string_view::npos)
        return std::nullopt;
    const auto hours = digitsValue(text.substr(0, colon));
    const auto minutes = text.substr(colon + 1).size() == 2 ? digitsValue(text.substr(colon + 1)) : std::nullopt;
    if (!hours || !minutes || *hours > 23 || *minutes > 59)
        return std::nullopt;
    return *hours * 60 + *minutes;
}

StopTimes stopTimes(std::string_view day, std::string_view arrival, std::string_view departure) {
    const auto dayNumber = wholeDay(day);
    if (!dayNumber)
        return {};
    const int dayStart = static_cast<int>(*dayNumber - 1) * minutesPerDay;
    const auto arrivalClock = clockMinutes(arrival);
    const auto departureClock = clockMinutes(departure);
    StopTimes times;
    if (arrivalClock)
        times.arrival = dayStart + *arrivalClock;
    if (departureClock)
        times.departure = dayStart + *departureClock + (arrivalClock && *departureClock < *arrivalClock ? minutesPerDay : 0);
    return times;
}

} // namespace tessarin::journeys
