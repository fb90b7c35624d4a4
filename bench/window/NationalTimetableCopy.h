#pragma once

#include <filesystem>

namespace tessarin::bench {

// A copy of the national-size timetable with the bundled station list beside
// it, as a program's data folder holds them, in a scratch folder of its own
// (in TESSARIN_BENCH_DIR, or in the temporary folder) removed with the
// object. The windows' queries write the copy's scratch table.
class NationalTimetableCopy {
public:
    NationalTimetableCopy();
    ~NationalTimetableCopy();
    NationalTimetableCopy(const NationalTimetableCopy&) = delete;
    NationalTimetableCopy& operator=(const NationalTimetableCopy&) = delete;

    std::filesystem::path file() const { return folder_ / "national.mdb"; }

private:
    std::filesystem::path folder_;
};

} // namespace tessarin::bench
