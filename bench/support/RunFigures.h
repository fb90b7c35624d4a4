#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tessarin::bench {

// Real and CPU time of one benchmark, in the unit it reports ("ms", "us" ...).
struct Times {
    double real = 0;
    double cpu = 0;
    const char* unit = "";
};

// The figure of each benchmark of a run, by its function name: the median of
// its repetitions when it was repeated (by ->Repetitions() or by
// --benchmark_repetitions, whether or not the single runs are reported),
// otherwise its one run.
class RunFigures {
public:
    void add(const std::vector<benchmark::BenchmarkReporter::Run>& runs);
    std::optional<Times> find(const std::string& name) const;

private:
    std::map<std::string, Times> single_;
    std::map<std::string, Times> medians_;
};

} // namespace tessarin::bench
