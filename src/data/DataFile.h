#pragma once

#include <filesystem>

namespace tessarin::data {

// The timetable file's place: "data/Train+-+090719.mdb" in the folder of the
// running executable, whatever the current directory is.
std::filesystem::path defaultDataFile();

} // namespace tessarin::data
