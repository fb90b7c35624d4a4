// tessarin-make-timetable OUT TABLE=FILE.tsv ...
//
// Writes a new timetable file OUT holding the four timetable tables, filled
// from tab-separated text files: the first line of each names the columns,
// every further line is one row. The file is written under a temporary name
// and moved into place when complete, so a failed build never leaves half a
// timetable behind.

#include "TimetableWriter.h"

#include "data/DataError.h"

#include <iostream>
#include <string>
#include <vector>

namespace {

void build(const std::filesystem::path& out, const std::vector<std::string>& tables) {
    tessarin::tools::TimetableWriter writer(out);
    for (const std::string& argument : tables)
        writer.loadTableArgument(argument);
    writer.finish();
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: tessarin-make-timetable OUT TABLE=FILE.tsv ...\n";
        return 2;
    }
    try {
        build(argv[1], std::vector<std::string>(argv + 2, argv + argc));
    } catch (const tessarin::data::DataError& error) {
        std::cerr << "tessarin-make-timetable: " << error.what() << " in: " << error.statement() << '\n';
        return 1;
    } catch (const std::exception& error) {
        std::cerr << "tessarin-make-timetable: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
