#pragma once

#include "data/Connection.h"

#include <string>
#include <vector>

namespace tessarin::stationinput {

// Makes the names a station box offers out of the name list's rows: appends
// after them every station of the timetable's `train` table that they do not
// hold, each once, in pinyin order (the GBK order of the names). Whether the
// list holds a station is decided as the queries compare station names,
// without regard to the case of Latin letters. Throws data::DataError when
// the timetable cannot be read, and then leaves the names as they were.
void appendTimetableStations(std::vector<std::string>& names, const data::Connection& timetable);

} // namespace tessarin::stationinput
