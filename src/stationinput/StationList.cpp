#include "StationList.h"

#include "data/DataFile.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <string_view>

namespace tessarin::stationinput {
namespace {

constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

[[noreturn]] void failToRead(const std::filesystem::path& file, const std::string& reason) {
    throw StationListError("Could not read the station list '" + file.string() + "': " + reason + ".");
}

} // namespace

std::vector<std::string> readStationNames(std::istream& in) {
    std::vector<std::string> names;
    std::string line;
    for (bool firstLine = true; std::getline(in, line); firstLine = false) {
        if (firstLine && line.starts_with(byteOrderMark))
            line.erase(0, byteOrderMark.size());
        if (line.ends_with('\r'))
            line.pop_back();
        if (!line.empty())
            names.push_back(std::move(line));
    }
    return names;
}

StationList::StationList(std::vector<std::string> names) : names_(std::move(names)) {
    spellings_.reserve(names_.size());
    for (const std::string& name : names_)
        spellings_.push_back(spell(name));
}

std::vector<std::string> readStationNames(const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::exists(file, error))
        throw StationListError("Could not find the station list '" + file.string() + "'.");
    if (std::filesystem::is_directory(file, error))
        failToRead(file, "it is a folder");
    std::ifstream in(file, std::ios::binary);
    if (!in)
        failToRead(file, std::strerror(errno));
    std::vector<std::string> names = readStationNames(in);
    if (in.bad())
        failToRead(file, std::strerror(errno));
    return names;
}

std::filesystem::path stationListFileBeside(const std::filesystem::path& dataFile) {
    return dataFile.parent_path() / "stations.txt";
}

std::filesystem::path defaultStationListFile() { return stationListFileBeside(data::defaultDataFile()); }

} // namespace tessarin::stationinput
