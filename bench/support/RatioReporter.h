#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>

namespace tessarin::bench {

// The console report, followed by each benchmark's medians and its mean as a
// fraction of its baseline's, in real time and in CPU time. A benchmark's
// baseline is the one named like it with `baselineSuffix` added, described in
// the report as `baselineName`.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter(std::string baselineSuffix, std::string baselineName)
        : baselineSuffix_(std::move(baselineSuffix)), baselineName_(std::move(baselineName)) {}

    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

private:
    struct Times {
        double real = 0;
        double cpu = 0;
    };
    std::string baselineSuffix_;
    std::string baselineName_;
    std::map<std::string, Times> means_;
    std::map<std::string, Times> medians_;
};

// Runs the benchmarks of the program with a RatioReporter.
int runWithRatios(int argc, char** argv, const std::string& baselineSuffix, const std::string& baselineName);

} // namespace tessarin::bench
