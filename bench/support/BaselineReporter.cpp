#include "BaselineReporter.h"

#include <iostream>

namespace tessarin::bench {

void BaselineReporter::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    figures_.add(runs);
}

void BaselineReporter::Finalize() {
    ConsoleReporter::Finalize();
    for (const Comparison& comparison : comparisons_) {
        const auto figure = figures_.find(comparison.figure);
        const auto baseline = figures_.find(comparison.baseline);
        if (!figure || !baseline)
            continue;
        const char* unit = figure->unit;
        std::cout << comparison.figure << ": " << figure->real << ' ' << unit << " (CPU " << figure->cpu << ' ' << unit
                  << "); " << comparison.baselineName << ' ' << baseline->real << ' ' << baseline->unit << " (CPU "
                  << baseline->cpu << ' ' << baseline->unit << "); " << figure->real / baseline->real
                  << " times the baseline (CPU " << figure->cpu / baseline->cpu << " times)\n";
    }
}

int runAgainstBaselines(int argc, char** argv, std::vector<Comparison> comparisons) {
    benchmark::Initialize(&argc, argv);
    BaselineReporter reporter(std::move(comparisons));
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}

} // namespace tessarin::bench
