#include "NationalTimetableCopy.h"

#include "stationinput/StationList.h"

namespace tessarin::bench {

NationalTimetableCopy::NationalTimetableCopy() {
    std::filesystem::copy_file(TESSARIN_NATIONAL_TIMETABLE, file());
    std::filesystem::copy_file(TESSARIN_STATION_LIST, stationinput::stationListFileBeside(file()));
}

} // namespace tessarin::bench
