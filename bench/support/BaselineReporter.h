#pragma once

#include "RunFigures.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace tessarin::bench {

// A benchmark reported against another of the same run, both by function
// name; `baselineName` says in words what the baseline measures. Without
// `compareCpu` only real time is compared: for work done outside this
// process, whose CPU time this process does not see.
struct Comparison {
    std::string figure;
    std::string baseline;
    std::string baselineName;
    bool compareCpu = true;
};

// The console report, followed by one line per comparison whose figure and
// baseline both ran: each figure (RunFigures.h) beside its baseline's and
// how many times the baseline's time it takes, in real time and in CPU time.
class BaselineReporter : public benchmark::ConsoleReporter {
public:
    // Coloured only on a terminal.
    explicit BaselineReporter(std::vector<Comparison> comparisons);

    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

private:
    std::vector<Comparison> comparisons_;
    RunFigures figures_;
};

// Runs the benchmarks of the program with a BaselineReporter.
int runAgainstBaselines(int argc, char** argv, std::vector<Comparison> comparisons);

} // namespace tessarin::bench
