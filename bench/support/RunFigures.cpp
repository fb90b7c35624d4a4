#include "RunFigures.h"

namespace tessarin::bench {

void RunFigures::add(const std::vector<benchmark::BenchmarkReporter::Run>& runs) {
    using Run = benchmark::BenchmarkReporter::Run;
    for (const Run& run : runs) {
        const Times times{run.GetAdjustedRealTime(), run.GetAdjustedCPUTime(),
                          benchmark::GetTimeUnitString(run.time_unit)};
        if (run.run_type == Run::RT_Iteration)
            single_[run.run_name.function_name] = times;
        else if (run.aggregate_name == "median")
            medians_[run.run_name.function_name] = times;
    }
}

std::optional<Times> RunFigures::find(const std::string& name) const {
    if (const auto median = medians_.find(name); median != medians_.end())
        return median->second;
    if (const auto single = single_.find(name); single != single_.end())
        return single->second;
    return std::nullopt;
}

} // namespace tessarin::bench
