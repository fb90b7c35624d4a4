#include "TrainRun.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <stdexcept>

namespace tessarin::tools {
namespace {

constexpr int minutesPerDay = 24 * 60;

// Rough yuan per km of each class, so that the class values look like the
// accumulated fares a real timetable carries.
constexpr std::array<double, 4> yuanPerKm{0.0586, 0.1114, 0.1095, 0.1688};

std::string clockText(int minutes) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d:%02d", minutes % minutesPerDay / 60, minutes % 60);
    return text;
}

int legMinutes(int km, int speed) {
    return std::max(1, static_cast<int>(std::lround(km * 60.0 / speed)));
}

// A stop's day number serves both its arrival and its departure time, so a
// stand must not span midnight: such a train runs on to arrive at 00:00.
int keepStopWithinOneDay(int arrival, int dwell) {
    const int day = arrival / minutesPerDay;
    return (arrival + dwell) / minutesPerDay == day ? arrival : (day + 1) * minutesPerDay;
}

void checkCalls(const PlannedTrain& train) {
    if (train.calls.size() < 2)
        throw std::invalid_argument(train.id + " has fewer than two calls");
    for (std::size_t i = 1; i < train.calls.size(); ++i) {
        if (train.calls[i].km <= train.calls[i - 1].km)
            throw std::invalid_argument(train.id + ": distance does not grow at " + train.calls[i].station);
    }
}

// The text of one class at a stop: "-" when the train does not carry it,
// otherwise a value growing by at least one yuan from the previous stop's.
std::string classValue(bool carried, int k, int km, long& previous, bool origin) {
    if (!carried)
        return std::string(1, '-');
    previous = origin ? 0 : std::max(previous + 1, std::lround(km * yuanPerKm[k]));
    return std::to_string(previous);
}

} // namespace

std::vector<StopRow> stopRows(const PlannedTrain& train) {
    checkCalls(train);
    std::vector<StopRow> rows;
    std::array<long, 4> previous{};
    int clock = train.departure;
    for (std::size_t i = 0; i < train.calls.size(); ++i) {
        const PlannedCall& call = train.calls[i];
        const bool origin = i == 0;
        const bool terminal = i + 1 == train.calls.size();
        if (!origin)
            clock += legMinutes(call.km - train.calls[i - 1].km, train.speed);
        if (!origin && !terminal)
            clock = keepStopWithinOneDay(clock, call.dwell);
        StopRow row;
        row[0] = train.id;
        row[1] = train.type;
        row[2] = call.station;
        row[3] = std::to_string(i + 1);
        row[4] = std::to_string(1 + clock / minutesPerDay);
        row[5] = origin ? "-" : clockText(clock);
        if (!origin && !terminal)
            clock += call.dwell;
        row[6] = terminal ? "-" : clockText(clock);
        row[7] = std::to_string(call.km);
        for (int k = 0; k < 4; ++k) {
            const bool carried = train.classes.find(static_cast<char>('1' + k)) != std::string::npos;
            row[8 + k] = classValue(carried, k, call.km, previous[k], origin);
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace tessarin::tools
