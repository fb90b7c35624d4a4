#include "SyntheticPlan.h"

#include "RandomPick.h"

#include "TrainType.h"

#include <algorithm>
#include <array>
#include <map>
#include <set>

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

const TypeMix& pickType(std::mt19937& random) {
    int roll = below(random, 100);
    for (const TypeMix& entry : mix) {
        if (roll < entry.percent)
            return entry;
        roll -= entry.percent;
    }
    return mix.back();
}

// Indexes along the line of the stations a train calls at: both ends of a
// stretch of at least a third of the line and a sorted choice of the
// stations between.
std::vector<int> callIndexes(const SyntheticLine& line, int maxStops, std::mt19937& random) {
    const int size = static_cast<int>(line.stations.size());
    const int first = below(random, size / 3);
    const int last = size - 1 - below(random, size / 3);
    std::set<int> chosen{first, last};
    const int wanted = std::min(last - first + 1, 2 + below(random, maxStops - 1));
    while (static_cast<int>(chosen.size()) < wanted)
        chosen.insert(first + 1 + below(random, last - first - 1));
    return {chosen.begin(), chosen.end()};
}

std::vector<PlannedCall> calls(const SyntheticLine& line, const std::vector<int>& indexes, const TrainType& type,
                               std::mt19937& random) {
    std::vector<PlannedCall> calls;
    for (int index : indexes) {
        const int km = std::abs(line.km[index] - line.km[indexes.front()]);
        calls.push_back({line.stations[index], km, type.dwell[below(random, 4)]});
    }
    return calls;
}

} // namespace

std::vector<PlannedTrain> syntheticTrains(const std::vector<SyntheticLine>& lines, int pairs, std::mt19937& random) {
    std::map<std::string, int> nextNumber;
    std::vector<PlannedTrain> trains;
    for (int pair = 0; pair < pairs; ++pair) {
        const TypeMix& entry = pickType(random);
        const TrainType& type = trainType(entry.type);
        const SyntheticLine& line = lines[below(random, lines.size())];
        std::vector<int> indexes = callIndexes(line, entry.maxStops, random);
        const std::string classes = entry.classSets[below(random, 2)];
        auto [number, added] = nextNumber.try_emplace(entry.type, entry.firstNumber);
        for (int direction = 0; direction < 2; ++direction) {
            const std::string id = entry.prefix + std::to_string(number->second++);
            trains.push_back({id, entry.type, below(random, 24 * 60), type.speed, classes,
                              calls(line, indexes, type, random)});
            std::reverse(indexes.begin(), indexes.end());
        }
    }
    return trains;
}

} // namespace tessarin::tools
