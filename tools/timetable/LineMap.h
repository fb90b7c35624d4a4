#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tessarin::tools {

// A station as one railway line knows it.
struct LineStation {
    std::string name;
    std::string province;
    int km = 0;    // kilometre post along the line, or along a segment from its first station
    int rank = 4;  // 1 principal city station ... 4 wayside halt
};

struct Line {
    std::string name;
    std::vector<LineStation> stations;  // in kilometre order
};

// The railway lines of the demo timetable, read from a folder of text files,
// one line per file named after it ("京广.txt"). Each file holds one station
// a line, in kilometre order: the kilometre post ("~" in front marks a figure
// known only to within a few kilometres), the station, its province and its
// rank, separated by blanks; "#" starts a comment.
class LineMap {
public:
    // Throws std::runtime_error naming file and line for a malformed entry,
    // kilometre posts that do not grow, or a station given two provinces.
    static LineMap load(const std::filesystem::path& folder);

    const std::vector<Line>& lines() const { return lines_; }

    // The stations from `from` to `to` along `line`, both included, in
    // travelling order, with `km` counted from `from`. Throws
    // std::runtime_error when the line or either station is unknown.
    std::vector<LineStation> segment(const std::string& line, const std::string& from, const std::string& to) const;

private:
    void checkProvinces() const;

    std::vector<Line> lines_;
};

} // namespace tessarin::tools
