// The journey planner on the national-size timetable: its load (every stop
// of `train` into memory) against reading the table through the program's
// data set in running order, and a search with up to two changes between
// two big cities that only two trains link directly against a plain search
// for each departure on its own (PerDepartureSearch.h) over the same arrays. The
// baseline's answer must have the figures of the planner's, or the run fails.
// The ratios follow the runs.

#include "PerDepartureSearch.h"
#include "RatioReporter.h"
#include "data/Connection.h"
#include "data/Query.h"
#include "journeys/JourneyPlanner.h"

#include <benchmark/benchmark.h>

namespace tessarin::journeys {
namespace {

const std::string fromCity = "青通";
const std::string toCity = "长靖";

data::Connection& nationalTimetable() {
    static data::Connection connection(TESSARIN_NATIONAL_TIMETABLE);
    return connection;
}

const JourneyPlanner& planner() {
    static const JourneyPlanner loaded(nationalTimetable());
    return loaded;
}

void LoadPlanner(benchmark::State& state) {
    for (auto _ : state) {
        const JourneyPlanner loaded(nationalTimetable());
        benchmark::DoNotOptimize(loaded.timetable().stopCount());
    }
    state.counters["stops"] = static_cast<double>(planner().timetable().stopCount());
}

void LoadPlannerBaseline(benchmark::State& state) {
    for (auto _ : state) {
        data::Query stops(nationalTimetable());
        stops.setStatement("select * from train order by id collate nocase, val(s_no), rowid");
        stops.open();
        benchmark::DoNotOptimize(stops.recordCount());
    }
}

void PlanTwoChanges(benchmark::State& state) {
    std::size_t found = 0;
    for (auto _ : state)
        found = planner().plan(fromCity, toCity).size();
    state.counters["journeys"] = static_cast<double>(found);
}

void PlanTwoChangesBaseline(benchmark::State& state) {
    const JourneyPlanner& loaded = planner();
    const std::vector<char> from = loaded.matchingStations(fromCity);
    const std::vector<char> to = loaded.matchingStations(toCity);
    std::set<JourneyFigures> answer;
    for (auto _ : state)
        answer = perDepartureAnswer(loaded.timetable(), from, to, {});
    std::set<JourneyFigures> planned;
    for (const Journey& journey : loaded.plan(fromCity, toCity))
        planned.emplace(journey.departure, journey.arrival, journey.changes);
    if (planned != answer)
        state.SkipWithError("the planner and the baseline disagree");
    state.counters["journeys"] = static_cast<double>(answer.size());
}

constexpr int repetitions = 5;

BENCHMARK(LoadPlanner)->Unit(benchmark::kMillisecond)->Repetitions(repetitions);
BENCHMARK(LoadPlannerBaseline)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(PlanTwoChanges)->Unit(benchmark::kMillisecond)->Repetitions(repetitions);
BENCHMARK(PlanTwoChangesBaseline)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
} // namespace tessarin::journeys

int main(int argc, char** argv) { return tessarin::bench::runWithRatios(argc, argv, "Baseline", "baseline"); }
