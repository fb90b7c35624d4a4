// One fare computation of a table-driven train on the bundled timetable file,
// as the detail window runs it: both fare tables read afresh, the charged
// distance and the base fare looked up, the seven texts formed. The baseline,
// measured in the same run, is reading the two fare tables alone, which every
// computation must do because nothing is cached.

#include "data/Connection.h"
#include "data/DataFile.h"
#include "fares/ComputeFareTexts.h"
#include "fares/FareScale.h"

#include <benchmark/benchmark.h>

namespace tessarin::fares {
namespace {

data::Connection& bundledTimetable() {
    static data::Connection connection(data::defaultDataFile());
    return connection;
}

void ReadFareTablesOnly(benchmark::State& state) {
    data::Connection& connection = bundledTimetable();
    for (auto _ : state) {
        FareScale scale(connection, '.');
        benchmark::DoNotOptimize(&scale);
    }
}

void ComputeOneFare(benchmark::State& state) {
    data::Connection& connection = bundledTimetable();
    // A long journey: the scans run through most bands and zones.
    const FareInputs inputs{"空调普快", "2345", "1", "1", "1", "1"};
    for (auto _ : state) {
        const FareTexts texts = ComputeFareTexts(connection, inputs, '.');
        benchmark::DoNotOptimize(texts.hardSeat.data());
    }
}

BENCHMARK(ReadFareTablesOnly)->Unit(benchmark::kMicrosecond);
BENCHMARK(ComputeOneFare)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace tessarin::fares

BENCHMARK_MAIN();
