#include "TrainPlan.h"

#include "TextFiles.h"

#include <algorithm>
#include <fstream>
#include <regex>
#include <sstream>
#include <stdexcept>

namespace tessarin::tools {
namespace {

std::vector<std::string> splitOn(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::stringstream stream(text);
    std::string part;
    while (std::getline(stream, part, separator))
        parts.push_back(part);
    return parts;
}

std::array<std::string, 2> pairOf(const std::string& text) {
    const std::vector<std::string> parts = splitOn(text, '/');
    if (parts.size() != 2 || parts[0].empty() || parts[1].empty())
        throw std::invalid_argument("expected A/B, got " + text);
    return {parts[0], parts[1]};
}

int minutesOf(const std::string& clock) {
    static const std::regex pattern("([01][0-9]|2[0-3]):([0-5][0-9])");
    std::smatch match;
    if (!std::regex_match(clock, match, pattern))
        throw std::invalid_argument("bad time " + clock);
    return std::stoi(match[1]) * 60 + std::stoi(match[2]);
}

void readOption(PlanEntry& entry, const std::string& token) {
    const auto equals = token.find('=');
    const std::string name = token.substr(0, equals);
    const std::string value = token.substr(equals + 1);
    if (name == "stop")
        entry.stops = splitOn(value, ',');
    else if (name == "speed")
        entry.speed = std::stoi(value);
    else
        throw std::invalid_argument("unknown option " + name);
}

PlanEntry parseEntry(std::istringstream& fields, std::string where) {
    PlanEntry entry;
    entry.where = std::move(where);
    std::string ids, departures, token;
    if (!(fields >> ids >> entry.type >> departures >> entry.classes))
        throw std::invalid_argument("expected: A/B type hh:mm/hh:mm classes route");
    entry.ids = pairOf(ids);
    const auto times = pairOf(departures);
    entry.departures = {minutesOf(times[0]), minutesOf(times[1])};
    if (entry.classes.find_first_not_of("1234") != std::string::npos)
        throw std::invalid_argument("classes are digits 1 to 4, got " + entry.classes);
    while (fields >> token) {
        if (token.find('=') != std::string::npos)
            readOption(entry, token);
        else
            entry.route.push_back(token);
    }
    if (entry.route.size() < 3 || entry.route.size() % 2 == 0)
        throw std::invalid_argument("a route is station line station [line station ...]");
    return entry;
}

void readFile(const std::filesystem::path& file, std::vector<PlanEntry>& plan) {
    std::ifstream in(file);
    if (!in)
        throw std::runtime_error("cannot read " + file.string());
    std::string text;
    for (int lineNumber = 1; std::getline(in, text); ++lineNumber) {
        std::istringstream fields(text.substr(0, text.find('#')));
        if (fields >> std::ws; fields.eof())
            continue;
        const std::string where = file.string() + ":" + std::to_string(lineNumber);
        try {
            plan.push_back(parseEntry(fields, where));
        } catch (const std::logic_error& error) {
            throw std::runtime_error(where + ": " + error.what());
        }
    }
}

} // namespace

std::vector<PlanEntry> readPlan(const std::filesystem::path& folder) {
    std::vector<PlanEntry> plan;
    for (const auto& file : textFilesIn(folder))
        readFile(file, plan);
    return plan;
}

} // namespace tessarin::tools
