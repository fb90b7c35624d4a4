#pragma once

#include <filesystem>

namespace tessarin::data {

// The timetable file's place for an executable in `executableFolder`:
// "data/Train+-+090719.mdb" beside it (a build folder), else the installed
// data folder "../share/tessarin/data/" relative to it, whichever holds the
// file first. When neither does, the place beside the executable, so that the
// failure names it.
std::filesystem::path dataFileFor(const std::filesystem::path& executableFolder);

// dataFileFor the folder of the running executable, whatever the current
// directory is.
std::filesystem::path defaultDataFile();

} // namespace tessarin::data
