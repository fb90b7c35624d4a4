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

// Every station of the network: each city's own station, and for about one
// city in three also stations after the quarters of the city.
std::vector<std::string> stationNames(std::mt19937& random) {
    std::set<std::string> cities;
    while (static_cast<int>(cities.size()) < cityCount)
        cities.insert(std::string(nameCharacters[below(random, nameCharacters.size())]) +
                      nameCharacters[below(random, nameCharacters.size())]);
    std::vector<std::string> stations;
    for (const std::string& city : cities) {
        stations.push_back(city);
        if (below(random, 3) != 0)
            continue;
        for (const char* quarter : quarters) {
            if (below(random, 2) == 0)
                stations.push_back(city + quarter);
        }
    }
    return stations;
}

SyntheticLine line(const std::vector<std::string>& stations, const std::string& start, std::mt19937& random) {
    SyntheticLine line{{start}, {0}};
    const int length = 40 + below(random, 60);
    std::set<std::string> onLine{start};
    while (static_cast<int>(line.stations.size()) < length) {
        const std::string& next = stations[below(random, stations.size())];
        if (!onLine.insert(next).second)
            continue;
        line.stations.push_back(next);
        line.km.push_back(line.km.back() + 6 + below(random, 55));
    }
    return line;
}

} // namespace

std::vector<SyntheticLine> syntheticNetwork(std::mt19937& random) {
    const std::vector<std::string> stations = stationNames(random);
    std::vector<SyntheticLine> lines;
    for (int i = 0; i < lineCount; ++i) {
        // Every line after the first starts on an earlier one, so that the
        // lines cross at junctions.
        const std::string start = lines.empty() ? stations.front()
                                                : lines[below(random, lines.size())].stations[below(random, 20)];
        lines.push_back(line(stations, start, random));
    }
    return lines;
}

} // namespace tessarin::tools
