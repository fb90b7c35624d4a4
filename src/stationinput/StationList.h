#pragma once

#include "SpelledName.h"

#include <cstddef>
#include <filesystem>
#include <iosfwd>
#include <stdexcept>
#include <string>
#include <vector>

namespace tessarin::stationinput {

// The station name list could not be loaded; the message names the file and
// the reason.
class StationListError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The list of province and station names that the station boxes suggest
// from, in its own order, repeats kept. Every name is spelled out for the
// filter once when the list is made (SpelledName.h), so that filtering it per
// keystroke converts no text.
class StationList {
public:
    StationList() = default;
    explicit StationList(std::vector<std::string> names);

    std::size_t size() const { return names_.size(); }
    const std::vector<std::string>& names() const { return names_; }
    const std::string& name(std::size_t row) const { return names_[row]; }
    const SpelledName& spelling(std::size_t row) const { return spellings_[row]; }

private:
    std::vector<std::string> names_;
    std::vector<SpelledName> spellings_;
};

// Reads the names of a UTF-8 text file of one name per line (line ends LF or
// CRLF, an optional byte order mark, blank lines skipped), in file order.
// Throws StationListError when the file is missing or cannot be read.
std::vector<std::string> readStationNames(const std::filesystem::path& file);
// Reads the names from a stream, as the file is read above.
std::vector<std::string> readStationNames(std::istream& in);

// The station list that goes with a timetable file: "stations.txt" beside it.
std::filesystem::path stationListFileBeside(const std::filesystem::path& dataFile);

// The bundled list: "stations.txt" in the data folder beside the executable.
std::filesystem::path defaultStationListFile();

} // namespace tessarin::stationinput
