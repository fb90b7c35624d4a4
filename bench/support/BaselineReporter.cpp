#include "BaselineReporter.h"

#include <unistd.h>

#include <iostream>

namespace tessarin::bench {

BaselineReporter::BaselineReporter(std::vector<Comparison> comparisons)
    : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular), comparisons_(std::move(comparisons)) {}

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
        std::cout << comparison.figure << ": " << figure->real << ' ' << figure->unit;
        if (comparison.compareCpu)
            std::cout << " (CPU " << figure->cpu << ' ' << figure->unit << ')';
        std::cout << "; " << comparison.baselineName << ' ' << baseline->real << ' ' << baseline->unit;
        if (comparison.compareCpu)
            std::cout << " (CPU " << baseline->cpu << ' ' << baseline->unit << ')';
        std::cout << "; " << figure->real / baseline->real << " times the baseline";
        if (comparison.compareCpu)
            std::cout << " (CPU " << figure->cpu / baseline->cpu << " times)";
        std::cout << '\n';
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
