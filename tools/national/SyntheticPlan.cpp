#include "SyntheticPlan.h"

#include "RandomPick.h"

#include "TrainType.h"

#include <algorithm>
#include <array>
#include <map>
#include <set>
#include <utility>

namespace tessarin::tools {
namespace {

// A type of train, its share of the plan in per cent, how its numbers are
// written and the class sets it may carry.
struct TypeMix {
    const char* type;
    int percent;
    const char* prefix;
    int firstNumber;
    int maxStops;
    std::array<const char*, 2> classSets;
};

constexpr std::array<TypeMix, 7> mix{{
    {"动车组", 10, "D", 1, 18, {"12", "12"}},
    {"直达特快", 5, "Z", 1, 5, {"34", "134"}},
    {"特快", 15, "T", 1, 26, {"1234", "134"}},
    {"快速", 35, "K", 1, 40, {"134", "1234"}},
    {"空调普快", 10, "", 1001, 50, {"134", "13"}},
    {"普快", 10, "", 3001, 50, {"13", "1"}},
    {"普慢", 15, "", 6001, 56, {"1", "13"}},
}};

// Per hundred train pairs: loop services, and trains across two lines.
constexpr int loopPercent = 2;
constexpr int acrossPercent = 25;

const TypeMix& pickType(std::mt19937& random) {
    int roll = below(random, 100);
    for (const TypeMix& entry : mix) {
        if (roll < entry.percent)
            return entry;
        roll -= entry.percent;
    }
    return mix.back();
}

// Where each hub lies on each line through it.
using HubPlaces = std::map<std::string, std::vector<std::pair<int, int>>>;

HubPlaces hubPlaces(const SyntheticNetwork& network) {
    const std::set<std::string> hubs(network.hubs.begin(), network.hubs.end());
    HubPlaces places;
    for (int line = 0; line < static_cast<int>(network.lines.size()); ++line) {
        const auto& stations = network.lines[line].stations;
        for (int index = 0; index < static_cast<int>(stations.size()); ++index) {
            if (hubs.contains(stations[index]))
                places[stations[index]].emplace_back(line, index);
        }
    }
    return places;
}

// Appends stations first..last of a line (either way round) to a route,
// its kilometres running on from the route's last post.
void appendStretch(SyntheticLine& route, const SyntheticLine& line, int first, int last) {
    const int step = first <= last ? 1 : -1;
    for (int index = first;; index += step) {
        const int km = route.km.empty() ? 0 : route.km.back() + std::abs(line.km[index] - line.km[index - step]);
        route.stations.push_back(line.stations[index]);
        route.km.push_back(km);
        if (index == last)
            break;
    }
}

// One end of a line, from a place on it: the longer side, or either at random
// when both are long enough.
int farEnd(const SyntheticLine& line, int place, std::mt19937& random) {
    const int last = static_cast<int>(line.stations.size()) - 1;
    if (place < 6)
        return last;
    if (last - place < 6)
        return 0;
    return below(random, 2) ? last : 0;
}

// Along one line, then from one of its hubs along another line through it.
SyntheticLine acrossTwoLines(const SyntheticNetwork& network, const HubPlaces& places, std::mt19937& random) {
    const auto& lines = std::next(places.begin(), below(random, places.size()))->second;
    const auto [firstLine, firstPlace] = lines[below(random, lines.size())];
    const auto [secondLine, secondPlace] = lines[below(random, lines.size())];
    const SyntheticLine& first = network.lines[firstLine];
    const SyntheticLine& second = network.lines[secondLine];
    if (firstLine == secondLine)
        return first;
    SyntheticLine route;
    appendStretch(route, first, farEnd(first, firstPlace, random), firstPlace);
    const int end = farEnd(second, secondPlace, random);
    appendStretch(route, second, secondPlace + (end > secondPlace ? 1 : -1), end);
    return route;
}

// From a hub a few stations along a line, straight back to the hub and on
// to the first of those stations again: a train that calls twice at two
// stations. (It ends one station past its hub: the train-number page cannot
// show a train that ends at its origin station.)
SyntheticLine loopFromHub(const SyntheticNetwork& network, const HubPlaces& places, std::mt19937& random) {
    const auto& [name, lines] = *std::next(places.begin(), below(random, places.size()));
    const auto [lineIndex, place] = lines[below(random, lines.size())];
    const SyntheticLine& line = network.lines[lineIndex];
    const int step = farEnd(line, place, random) > place ? 1 : -1;
    const int out = place + step * (3 + below(random, 4));
    SyntheticLine route;
    appendStretch(route, line, place, out);
    route.stations.push_back(name);
    route.km.push_back(route.km.back() + std::abs(line.km[out] - line.km[place]));
    route.stations.push_back(line.stations[place + step]);
    route.km.push_back(route.km.back() + std::abs(line.km[place + step] - line.km[place]));
    return route;
}

// Indexes along the route of the stations a train calls at: both ends of a
// stretch of at least a third of the route, the hubs between, and a sorted
// choice of the other stations between.
std::vector<int> callIndexes(const SyntheticLine& route, const std::set<std::string>& hubs, int maxStops,
                             std::mt19937& random) {
    const int size = static_cast<int>(route.stations.size());
    const int first = below(random, size / 3);
    const int last = size - 1 - below(random, size / 3);
    std::set<int> chosen{first, last};
    const int wanted = std::min(last - first + 1, 2 + below(random, maxStops - 1));
    for (int index = first + 1; index < last && static_cast<int>(chosen.size()) < wanted; ++index) {
        if (hubs.contains(route.stations[index]))
            chosen.insert(index);
    }
    while (static_cast<int>(chosen.size()) < wanted)
        chosen.insert(first + 1 + below(random, last - first - 1));
    return {chosen.begin(), chosen.end()};
}

std::vector<int> everyIndex(const SyntheticLine& route) {
    std::vector<int> indexes(route.stations.size());
    for (std::size_t i = 0; i < indexes.size(); ++i)
        indexes[i] = static_cast<int>(i);
    return indexes;
}

std::vector<PlannedCall> calls(const SyntheticLine& route, const std::vector<int>& indexes, const TrainType& type,
                               std::mt19937& random) {
    std::vector<PlannedCall> calls;
    for (int index : indexes) {
        const int km = std::abs(route.km[index] - route.km[indexes.front()]);
        calls.push_back({route.stations[index], km, type.dwell[below(random, 4)]});
    }
    return calls;
}

} // namespace

std::vector<PlannedTrain> syntheticTrains(const SyntheticNetwork& network, int pairs, std::mt19937& random) {
    const HubPlaces places = hubPlaces(network);
    const std::set<std::string> hubs(network.hubs.begin(), network.hubs.end());
    std::map<std::string, int> nextNumber;
    std::vector<PlannedTrain> trains;
    for (int pair = 0; pair < pairs; ++pair) {
        const TypeMix& entry = pickType(random);
        const TrainType& type = trainType(entry.type);
        const int kind = below(random, 100);
        const bool loop = kind < loopPercent;
        const SyntheticLine route = loop                                  ? loopFromHub(network, places, random)
                                    : kind < loopPercent + acrossPercent ? acrossTwoLines(network, places, random)
                                                                          : network.lines[below(random, network.lines.size())];
        std::vector<int> indexes = loop ? everyIndex(route) : callIndexes(route, hubs, entry.maxStops, random);
        const std::string classes = entry.classSets[below(random, 2)];
        auto [number, added] = nextNumber.try_emplace(entry.type, entry.firstNumber);
        for (int direction = 0; direction < 2; ++direction) {
            const std::string id = entry.prefix + std::to_string(number->second++);
            trains.push_back({id, entry.type, below(random, 24 * 60), type.speed, classes,
                              calls(route, indexes, type, random)});
            std::reverse(indexes.begin(), indexes.end());
        }
    }
    return trains;
}

} // namespace tessarin::tools
