#include "RatioReporter.h"

#include <iostream>

namespace tessarin::bench {

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        const std::string& name = run.run_name.function_name;
        if (run.aggregate_name == "mean" || (run.run_type == Run::RT_Iteration && run.repetitions <= 1))
            means_[name] = {run.GetAdjustedRealTime(), run.GetAdjustedCPUTime()};
        if (run.aggregate_name == "median")
            medians_[name] = {run.GetAdjustedRealTime(), run.GetAdjustedCPUTime()};
    }
}

void RatioReporter::Finalize() {
    ConsoleReporter::Finalize();
    for (const auto& [name, median] : medians_) {
        const auto baseline = means_.find(name + baselineSuffix_);
        if (baseline == means_.end())
            continue;
        const Times& mean = means_[name];
        std::cout << name << ": median " << median.real << " ms (CPU " << median.cpu << " ms); " << baselineName_
                  << " " << baseline->second.real << " ms (CPU " << baseline->second.cpu << " ms); faster by "
                  << baseline->second.real / mean.real << " times (CPU " << baseline->second.cpu / mean.cpu
                  << " times)\n";
    }
}

int runWithRatios(int argc, char** argv, const std::string& baselineSuffix, const std::string& baselineName) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter(baselineSuffix, baselineName);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}

} // namespace tessarin::bench
