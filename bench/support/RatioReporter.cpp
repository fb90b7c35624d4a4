#include "RatioReporter.h"

#include <algorithm>
#include <iostream>

namespace tessarin::bench {

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    figures_.add(runs);
    for (const Run& run : runs) {
        if (std::find(names_.begin(), names_.end(), run.run_name.function_name) == names_.end())
            names_.push_back(run.run_name.function_name);
    }
}

void RatioReporter::Finalize() {
    ConsoleReporter::Finalize();
    for (const std::string& name : names_) {
        const auto figure = figures_.find(name);
        const auto baseline = figures_.find(name + baselineSuffix_);
        if (!figure || !baseline)
            continue;
        std::cout << name << ": " << figure->real << ' ' << figure->unit << " (CPU " << figure->cpu << ' '
                  << figure->unit << "); " << baselineName_ << ' ' << baseline->real << ' ' << baseline->unit
                  << " (CPU " << baseline->cpu << ' ' << baseline->unit << "); faster by "
                  << baseline->real / figure->real << " times (CPU " << baseline->cpu / figure->cpu << " times)\n";
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
