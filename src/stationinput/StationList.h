#pragma once

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

// The fixed list of province and station names that the station boxes suggest
// from, in its own order, repeats kept. The pinyin initials of every name are
// worked out once when the list is made, so that filtering it per keystroke
// converts no text.
class StationList {
public:
    StationList() = default;
    explicit StationList(std::vector<std::string> names);

    // Reads a UTF-8 text file of one name per line (line ends LF or CRLF, an
    // optional byte order mark, blank lines skipped). Throws StationListError
    // when the file is missing or cannot be read.
    static StationList load(const std::filesystem::path& file);
    // Reads the names from a stream, as load() reads them from its file.
    static StationList read(std::istream& in);

    std::size_t size() const { return names_.size(); }
    const std::vector<std::string>& names() const { return names_; }
    const std::string& name(std::size_t row) const { return names_[row]; }
    // The initials of the name's characters, one byte each, 0 where a character has none.
    const std::string& initials(std::size_t row) const { return initials_[row]; }

private:
    std::vector<std::string> names_;
    std::vector<std::string> initials_;
};

// The bundled list: "stations.txt" in the data folder beside the executable.
std::filesystem::path defaultStationListFile();

} // namespace tessarin::stationinput
