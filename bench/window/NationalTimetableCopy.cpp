#include "NationalTimetableCopy.h"

#include "stationinput/StationList.h"

#include <cstdlib>
#include <stdexcept>
#include <string>

namespace tessarin::bench {

NationalTimetableCopy::NationalTimetableCopy() {
    const char* folder = std::getenv("TESSARIN_BENCH_DIR");
    std::string pattern =
        ((folder ? std::filesystem::path(folder) : std::filesystem::temp_directory_path()) / "tessarin-bench-XXXXXX")
            .string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a folder for the benchmark files");
    folder_ = pattern;
    std::filesystem::copy_file(TESSARIN_NATIONAL_TIMETABLE, file());
    std::filesystem::copy_file(TESSARIN_STATION_LIST, stationinput::stationListFileBeside(file()));
}

NationalTimetableCopy::~NationalTimetableCopy() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

} // namespace tessarin::bench
