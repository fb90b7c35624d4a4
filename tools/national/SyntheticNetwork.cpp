#include "SyntheticNetwork.h"

#include "RandomPick.h"

#include <algorithm>
#include <array>
#include <set>

namespace tessarin::tools {
namespace {

// Characters common in place names, each one GB2312 character of 3 bytes in
// UTF-8; two of them make a city name.
constexpr std::array<const char*, 48> nameCharacters{
    "安", "宝", "北", "昌", "长", "城", "大", "德", "东", "丰", "福", "高", "广", "海", "和", "河",
    "华", "怀", "黄", "吉", "江", "金", "靖", "开", "兰", "临", "龙", "隆", "南", "宁", "平", "青",
    "庆", "泉", "山", "石", "水", "顺", "泰", "天", "通", "新", "兴", "阳", "永", "玉", "云", "州"};
constexpr std::array<const char*, 4> quarters{"东", "西", "南", "北"};
constexpr int cityCount = 900;
constexpr int lineCount = 120;
constexpr int hubCount = 40;

struct Stations {
    std::vector<std::string> all;
    // The main stations of the cities that also have stations after their
    // quarters: the big cities.
    std::vector<std::string> bigCities;
};

// Every station of the network: each city's own station, and for about one
// city in three also stations after the quarters of the city.
Stations stationNames(std::mt19937& random) {
    std::set<std::string> cities;
    while (static_cast<int>(cities.size()) < cityCount)
        cities.insert(std::string(nameCharacters[below(random, nameCharacters.size())]) +
                      nameCharacters[below(random, nameCharacters.size())]);
    Stations stations;
    for (const std::string& city : cities) {
        stations.all.push_back(city);
        if (below(random, 3) != 0)
            continue;
        stations.bigCities.push_back(city);
        for (const char* quarter : quarters) {
            if (below(random, 2) == 0)
                stations.all.push_back(city + quarter);
        }
    }
    return stations;
}

std::vector<std::string> pickHubs(const Stations& stations, std::mt19937& random) {
    std::vector<std::string> cities = stations.bigCities;
    std::vector<std::string> hubs;
    while (static_cast<int>(hubs.size()) < hubCount && !cities.empty()) {
        const auto picked = cities.begin() + below(random, cities.size());
        hubs.push_back(*picked);
        cities.erase(picked);
    }
    return hubs;
}

// A line from `start`: random stations, a hub every 10 to 20 of them.
SyntheticLine line(const Stations& stations, const std::vector<std::string>& hubs, const std::string& start,
                   std::mt19937& random) {
    SyntheticLine line{{start}, {0}};
    const int length = 40 + below(random, 60);
    std::set<std::string> onLine{start};
    int untilHub = 3 + below(random, 8);
    while (static_cast<int>(line.stations.size()) < length) {
        const bool hubDue = untilHub-- <= 0;
        const std::vector<std::string>& pool = hubDue ? hubs : stations.all;
        const std::string& next = pool[below(random, pool.size())];
        if (!onLine.insert(next).second)
            continue;
        if (hubDue)
            untilHub = 10 + below(random, 11);
        line.stations.push_back(next);
        line.km.push_back(line.km.back() + 6 + below(random, 55));
    }
    return line;
}

} // namespace

SyntheticNetwork syntheticNetwork(std::mt19937& random) {
    const Stations stations = stationNames(random);
    SyntheticNetwork network{{}, pickHubs(stations, random)};
    for (int i = 0; i < lineCount; ++i) {
        // Every line after the first starts on an earlier one, so that the
        // lines cross at junctions besides the hubs.
        const std::string start = network.lines.empty()
                                      ? network.hubs.front()
                                      : network.lines[below(random, network.lines.size())].stations[below(random, 20)];
        network.lines.push_back(line(stations, network.hubs, start, random));
    }
    return network;
}

} // namespace tessarin::tools
