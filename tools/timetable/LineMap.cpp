#include "LineMap.h"

#include "TextFiles.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>

namespace tessarin::tools {
namespace {

[[noreturn]] void failAt(const std::filesystem::path& file, int lineNumber, const std::string& reason) {
    throw std::runtime_error(file.string() + ":" + std::to_string(lineNumber) + ": " + reason);
}

int parseKm(std::string text) {
    if (text.starts_with('~'))
        text.erase(0, 1);
    std::size_t used = 0;
    const int km = std::stoi(text, &used);
    if (used != text.size())
        throw std::invalid_argument(text);
    return km;
}

Line readLine(const std::filesystem::path& file) {
    std::ifstream in(file);
    if (!in)
        throw std::runtime_error("cannot read " + file.string());
    Line line{file.stem().string(), {}};
    std::string text;
    for (int lineNumber = 1; std::getline(in, text); ++lineNumber) {
        text = text.substr(0, text.find('#'));
        std::istringstream fields(text);
        std::string km;
        LineStation station;
        if (!(fields >> km))
            continue;
        if (!(fields >> station.name >> station.province >> station.rank) || station.rank < 1 || station.rank > 4)
            failAt(file, lineNumber, "expected: km station province rank(1-4)");
        try {
            station.km = parseKm(km);
        } catch (const std::logic_error&) {
            failAt(file, lineNumber, "bad kilometre post " + km);
        }
        if (!line.stations.empty() && station.km <= line.stations.back().km)
            failAt(file, lineNumber, "kilometre post does not grow");
        line.stations.push_back(std::move(station));
    }
    if (line.stations.size() < 2)
        throw std::runtime_error(file.string() + ": a line needs two stations");
    return line;
}

std::size_t indexOf(const Line& line, const std::string& station) {
    const auto found = std::find_if(line.stations.begin(), line.stations.end(),
                                    [&](const LineStation& s) { return s.name == station; });
    if (found == line.stations.end())
        throw std::runtime_error("line " + line.name + " has no station " + station);
    return static_cast<std::size_t>(found - line.stations.begin());
}

} // namespace

LineMap LineMap::load(const std::filesystem::path& folder) {
    LineMap map;
    for (const auto& file : textFilesIn(folder))
        map.lines_.push_back(readLine(file));
    map.checkProvinces();
    return map;
}

void LineMap::checkProvinces() const {
    std::map<std::string, std::string> provinceOf;
    for (const Line& line : lines_) {
        for (const LineStation& station : line.stations) {
            const auto [known, added] = provinceOf.emplace(station.name, station.province);
            if (!added && known->second != station.province)
                throw std::runtime_error(station.name + " lies in " + known->second + " but line " + line.name +
                                         " puts it in " + station.province);
        }
    }
}

std::vector<LineStation> LineMap::segment(const std::string& lineName, const std::string& from,
                                          const std::string& to) const {
    const auto line = std::find_if(lines_.begin(), lines_.end(), [&](const Line& l) { return l.name == lineName; });
    if (line == lines_.end())
        throw std::runtime_error("no line " + lineName);
    const std::size_t first = indexOf(*line, from);
    const std::size_t last = indexOf(*line, to);
    std::vector<LineStation> stations;
    const int step = first <= last ? 1 : -1;
    for (std::size_t i = first;; i += step) {
        LineStation station = line->stations[i];
        station.km = std::abs(station.km - line->stations[first].km);
        stations.push_back(std::move(station));
        if (i == last)
            break;
    }
    return stations;
}

} // namespace tessarin::tools
