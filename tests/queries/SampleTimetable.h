#pragma once

#include "data/DataSet.h"
#include "support/TemporaryTimetable.h"

#include <string>
#include <vector>

namespace tessarin::queries {

// A small timetable around Beijing, Shanghai and Zhengzhou:
//   T1    北京 08:00 → 天津 → 济南 → 上海 20:00
//   K12   上海 22:10 → 济南 → 天津 → 北京南 12:40 next day (the reverse way)
//   D1201 北京西 8:05 (no leading zero) → 石家庄 → 郑州 12:00, no sleepers ("-")
//   1207  郑州 06:30 → 开封 → 郑州 09:20 → 洛阳 11:00 (calls at its origin twice)
//   Z8    北京南 12:00 → 上海 07:05 next day
//   Y5    北京西 07:00 → 北京 07:50 → 天津 → 上海南 05:20 next day → 上海 06:00,
//         no soft seat ("-")
//   G7    北京南 08:00 → 上海 12:55, stored after T1, which leaves at the same time
void addSampleTrains(testing::TemporaryTimetable& timetable);

// The open data set's records, each as the texts of the named fields.
std::vector<std::vector<std::string>> records(const data::DataSet& dataSet, const std::vector<std::string>& fields);

} // namespace tessarin::queries
