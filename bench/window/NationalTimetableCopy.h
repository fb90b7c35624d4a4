#pragma once

#include "BenchFolder.h"

#include <filesystem>

namespace tessarin::bench {

// A copy of the national-size timetable with the bundled station list beside
// it, as a program's data folder holds them (the main window reads the names
// of the list beside its timetable), in a BenchFolder of its own removed with
// the object.
class NationalTimetableCopy {
public:
    NationalTimetableCopy();

    std::filesystem::path file() const { return folder_.path() / "national.mdb"; }

private:
    BenchFolder folder_;
};

} // namespace tessarin::bench
