#include "ReferenceJourneys.h"

#include <algorithm>
#include <map>
#include <optional>
#include <ostream>
#include <tuple>

namespace tessarin::journeys {
namespace {

std::string upper(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 32);
    }
    return text;
}

std::optional<int> clock(const std::string& text) {
    const auto colon = text.find(':');
    if (colon == std::string::npos || colon == 0 || colon > 2 || text.size() != colon + 3)
        return std::nullopt;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i != colon && (text[i] < '0' || text[i] > '9'))
            return std::nullopt;
    }
    const int hours = std::stoi(text.substr(0, colon));
    const int minutes = std::stoi(text.substr(colon + 1));
    if (hours > 23 || minutes > 59)
        return std::nullopt;
    return hours * 60 + minutes;
}

struct Stop {
    const std::vector<std::string>* row;
    std::size_t stored;
    std::string station;
    double number;
    std::optional<int> arrival;
    std::optional<int> departure;
};

struct Train {
    std::string key;
    std::vector<Stop> stops;
};

struct Leg {
    std::size_t train;
    std::size_t from;
    std::size_t to;
};

struct Found {
    int departure;
    int duration;
    int wait;
    std::vector<Leg> legs;
    int arrival() const { return departure + duration; }
    int changes() const { return static_cast<int>(legs.size()) - 1; }
};

std::vector<Train> trainsOf(const std::vector<std::vector<std::string>>& rows) {
    std::map<std::string, Train> byKey;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto& row = rows[i];
        const int dayStart = (std::stoi(row[4]) - 1) * 1440;
        const auto arrival = clock(row[5]);
        const auto departure = clock(row[6]);
        Stop stop{&row, i, upper(row[2]), std::stod(row[3]), std::nullopt, std::nullopt};
        if (arrival)
            stop.arrival = dayStart + *arrival;
        if (departure)
            stop.departure = dayStart + *departure + (arrival && *departure < *arrival ? 1440 : 0);
        Train& train = byKey[upper(row[0])];
        train.key = upper(row[0]);
        train.stops.push_back(stop);
    }
    std::vector<Train> trains;
    for (auto& [key, train] : byKey) {
        std::stable_sort(train.stops.begin(), train.stops.end(),
                         [](const Stop& a, const Stop& b) { return a.number < b.number; });
        trains.push_back(std::move(train));
    }
    return trains;
}

int modDay(int minutes) { return ((minutes % 1440) + 1440) % 1440; }

class Enumerator {
public:
    Enumerator(const std::vector<Train>& trains, const std::set<std::string>& from, const std::set<std::string>& to,
               const JourneyOptions& options)
        : trains_(trains), options_(options) {
        for (const auto& name : from)
            from_.insert(upper(name));
        for (const auto& name : to)
            to_.insert(upper(name));
    }

    std::vector<Found> all() {
        for (std::size_t t = 0; t < trains_.size(); ++t) {
            for (std::size_t i = 0; i < trains_[t].stops.size(); ++i) {
                const Stop& stop = trains_[t].stops[i];
                if (stop.departure && from_.contains(stop.station))
                    ride({modDay(*stop.departure), 0, 0, {}}, t, i);
            }
        }
        return found_;
    }

private:
    // Rides train t from stop i to each later stop, ending at the first TO
    // stop and changing where allowed.
    void ride(const Found& sofar, std::size_t t, std::size_t i) {
        const Train& train = trains_[t];
        const Stop& boarding = train.stops[i];
        for (std::size_t k = i + 1; k < train.stops.size(); ++k) {
            const Stop& stop = train.stops[k];
            if (stop.number <= boarding.number || !stop.arrival)
                continue;
            const int rideMinutes = *stop.arrival - *boarding.departure;
            Found next = sofar;
            next.duration += rideMinutes;
            next.legs.push_back({t, i, k});
            const bool ends = to_.contains(stop.station);
            if (rideMinutes >= 0 && ends)
                found_.push_back(next);
            if (ends)
                return;
            if (rideMinutes >= 0 && next.changes() < options_.maxChanges && !from_.contains(stop.station))
                change(next, t, *stop.arrival, stop.station);
        }
    }

    void change(const Found& sofar, std::size_t t, int arrival, const std::string& station) {
        for (std::size_t u = 0; u < trains_.size(); ++u) {
            if (u == t)
                continue;
            for (std::size_t j = 0; j < trains_[u].stops.size(); ++j) {
                const Stop& stop = trains_[u].stops[j];
                if (stop.station != station || !stop.departure)
                    continue;
                const int wait = options_.minChange + modDay(*stop.departure - arrival - options_.minChange);
                if (wait > options_.maxWait)
                    continue;
                Found next = sofar;
                next.duration += wait;
                next.wait += wait;
                ride(next, u, j);
            }
        }
    }

    const std::vector<Train>& trains_;
    JourneyOptions options_;
    std::set<std::string> from_;
    std::set<std::string> to_;
    std::vector<Found> found_;
};

// Less waiting, then smaller train numbers leg by leg, then earlier stops.
bool preferred(const std::vector<Train>& trains, const Found& a, const Found& b) {
    if (a.wait != b.wait)
        return a.wait < b.wait;
    for (std::size_t i = 0; i < a.legs.size(); ++i) {
        if (trains[a.legs[i].train].key != trains[b.legs[i].train].key)
            return trains[a.legs[i].train].key < trains[b.legs[i].train].key;
    }
    for (std::size_t i = 0; i < a.legs.size(); ++i) {
        if (std::tie(a.legs[i].from, a.legs[i].to) != std::tie(b.legs[i].from, b.legs[i].to))
            return std::tie(a.legs[i].from, a.legs[i].to) < std::tie(b.legs[i].from, b.legs[i].to);
    }
    return false;
}

bool dominates(const Found& j, const Found& k) {
    const bool noWorse = j.departure >= k.departure && j.arrival() <= k.arrival() && j.changes() <= k.changes();
    const bool better = j.departure > k.departure || j.arrival() < k.arrival() || j.changes() < k.changes();
    return noWorse && better;
}

JourneyFacts factsOf(const std::vector<Train>& trains, const Found& found) {
    JourneyFacts facts{found.departure, found.arrival(), found.changes(), found.wait, {}};
    for (const Leg& leg : found.legs) {
        const auto& from = *trains[leg.train].stops[leg.from].row;
        const auto& to = *trains[leg.train].stops[leg.to].row;
        facts.legs.push_back({from[0], from[2], from[6], from[3], to[2], to[5], to[3]});
    }
    return facts;
}

} // namespace

std::vector<JourneyFacts> factsOf(const std::vector<Journey>& journeys) {
    std::vector<JourneyFacts> all;
    for (const Journey& journey : journeys) {
        JourneyFacts facts{journey.departure, journey.arrival, journey.changes, journey.wait, {}};
        for (const JourneyLeg& leg : journey.legs)
            facts.legs.push_back({leg.trainId, leg.fromStation, leg.departureTime, leg.fromStopNumber, leg.toStation,
                                  leg.arrivalTime, leg.toStopNumber});
        all.push_back(std::move(facts));
    }
    return all;
}

std::vector<JourneyFacts> referenceJourneys(const std::vector<std::vector<std::string>>& rows,
                                            const std::set<std::string>& from, const std::set<std::string>& to,
                                            const JourneyOptions& options) {
    const std::vector<Train> trains = trainsOf(rows);
    const std::vector<Found> all = Enumerator(trains, from, to, options).all();
    std::map<std::tuple<int, int, int>, Found> bestOfTies;
    for (const Found& found : all) {
        const auto key = std::make_tuple(found.departure, found.arrival(), found.changes());
        const auto [place, added] = bestOfTies.try_emplace(key, found);
        if (!added && preferred(trains, found, place->second))
            place->second = found;
    }
    std::vector<JourneyFacts> answer;
    for (const auto& [key, found] : bestOfTies) {
        const bool dominated = std::any_of(bestOfTies.begin(), bestOfTies.end(),
                                           [&](const auto& other) { return dominates(other.second, found); });
        if (!dominated)
            answer.push_back(factsOf(trains, found));
    }
    return answer;
}

std::ostream& operator<<(std::ostream& out, const JourneyFacts& facts) {
    out << facts.departure << "->" << facts.arrival << " changes " << facts.changes << " wait " << facts.wait << ":";
    for (const auto& leg : facts.legs) {
        out << " [";
        for (const auto& text : leg)
            out << text << ' ';
        out << ']';
    }
    return out;
}

} // namespace tessarin::journeys
