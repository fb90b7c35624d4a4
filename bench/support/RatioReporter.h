#pragma once

#include "RunFigures.h"

#include <benchmark/benchmark.h>

#include <string>

namespace tessarin::bench {

// The console report, followed by each benchmark's figure (RunFigures.h)
// beside its baseline's and how many times faster it is, in real time and in
// CPU time. A benchmark's baseline is the one named like it with
// `baselineSuffix` added, described in the report as `baselineName`.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter(std::string baselineSuffix, std::string baselineName)
        : baselineSuffix_(std::move(baselineSuffix)), baselineName_(std::move(baselineName)) {}

    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

private:
    std::string baselineSuffix_;
    std::string baselineName_;
    std::vector<std::string> names_;
    RunFigures figures_;
};

// Runs the benchmarks of the program with a RatioReporter.
int runWithRatios(int argc, char** argv, const std::string& baselineSuffix, const std::string& baselineName);

} // namespace tessarin::bench
