// Each query end to end (statements, completion pass, result set ready) on
// the national-size timetable, for typical inputs: the two big cities with
// the most trains between them, the train number "1" that half the trains
// contain, and the biggest city's stations; the train number also as the
// first query of a new connection. Each is measured against the
// literal pipeline (LiteralPipelines.h) on a copy of the same file in the same
// run; the ratios follow the runs.
//
// The copies lie in TESSARIN_BENCH_DIR, or in the temporary folder. On a
// memory-backed folder (/dev/shm) the figures are the queries' own work; on a
// disk, every commit also waits for the disk, once per query here and once per
// statement in the literal pipeline.

#include "BenchFolder.h"
#include "LiteralPipelines.h"
#include "RatioReporter.h"
#include "data/Connection.h"
#include "data/Query.h"
#include "queries/StationQuery.h"
#include "queries/StationToStationQuery.h"
#include "queries/TrainNumberQuery.h"

#include <benchmark/benchmark.h>

#include <functional>

namespace tessarin::queries {
namespace {

const std::string bigCity = "开和";
const std::string otherBigCity = "玉青";
const std::string trainText = "1";
const std::string bigStation = "平北";

// Two copies of the national timetable, one for the queries and one for the
// literal pipeline, made once and removed at the end of the run.
class BenchFiles {
public:
    BenchFiles() {
        std::filesystem::copy_file(TESSARIN_NATIONAL_TIMETABLE, timetable());
        std::filesystem::copy_file(TESSARIN_NATIONAL_TIMETABLE, literalCopy());
    }

    std::filesystem::path timetable() const { return folder_.path() / "national.mdb"; }
    std::filesystem::path literalCopy() const { return folder_.path() / "national-literal.mdb"; }

private:
    bench::BenchFolder folder_;
};

const BenchFiles& benchFiles() {
    static const BenchFiles files;
    return files;
}

using Pipeline = std::function<QueryOutcome(data::Connection&, data::Query&)>;
using LiteralPipeline = std::function<QueryOutcome(data::Connection&)>;

int resultRows(data::Connection& connection) {
    data::Query count(connection);
    count.setStatement("select count(*) from train_tmp");
    count.open();
    return std::stoi(count.text(0, 0));
}

void runPipeline(benchmark::State& state, const Pipeline& pipeline) {
    data::Connection connection(benchFiles().timetable());
    data::Query qry4(connection);
    for (auto _ : state) {
        if (!pipeline(connection, qry4).shown())
            state.SkipWithError("the query found nothing");
        benchmark::DoNotOptimize(qry4.recordCount());
    }
    state.counters["rows"] = resultRows(connection);
}

void runLiteralPipeline(benchmark::State& state, const LiteralPipeline& pipeline) {
    data::Connection connection(benchFiles().literalCopy());
    dropIndexes(connection);
    for (auto _ : state) {
        if (!pipeline(connection).shown())
            state.SkipWithError("the query found nothing");
    }
    state.counters["rows"] = resultRows(connection);
}

// The first query of each new connection: the train-number query also reads
// what it keeps for the queries that follow on the connection. Opening the
// connection is not timed.
void runPipelineOnNewConnections(benchmark::State& state, const Pipeline& pipeline) {
    for (auto _ : state) {
        state.PauseTiming();
        data::Connection connection(benchFiles().timetable());
        data::Query qry4(connection);
        state.ResumeTiming();
        if (!pipeline(connection, qry4).shown())
            state.SkipWithError("the query found nothing");
    }
}

void runLiteralPipelineOnNewConnections(benchmark::State& state, const LiteralPipeline& pipeline) {
    for (auto _ : state) {
        state.PauseTiming();
        data::Connection connection(benchFiles().literalCopy());
        dropIndexes(connection);
        state.ResumeTiming();
        if (!pipeline(connection).shown())
            state.SkipWithError("the query found nothing");
    }
}

void StationToStation(benchmark::State& state) {
    runPipeline(state, [](data::Connection& con, data::Query& qry4) {
        return queryStationToStation(con, qry4, bigCity, otherBigCity);
    });
}
void StationToStationLiteral(benchmark::State& state) {
    runLiteralPipeline(state, [](data::Connection& con) { return literalStationToStation(con, bigCity, otherBigCity); });
}
void TrainNumber(benchmark::State& state) {
    runPipeline(state, [](data::Connection& con, data::Query& qry4) { return queryTrainNumber(con, qry4, trainText); });
}
void TrainNumberLiteral(benchmark::State& state) {
    runLiteralPipeline(state, [](data::Connection& con) { return literalTrainNumber(con, trainText); });
}
void TrainNumberOnANewConnection(benchmark::State& state) {
    runPipelineOnNewConnections(
        state, [](data::Connection& con, data::Query& qry4) { return queryTrainNumber(con, qry4, trainText); });
}
void TrainNumberOnANewConnectionLiteral(benchmark::State& state) {
    runLiteralPipelineOnNewConnections(state, [](data::Connection& con) { return literalTrainNumber(con, trainText); });
}
void Station(benchmark::State& state) {
    runPipeline(state, [](data::Connection& con, data::Query& qry4) { return queryStation(con, qry4, bigStation); });
}
void StationLiteral(benchmark::State& state) {
    runLiteralPipeline(state, [](data::Connection& con) { return literalStation(con, bigStation); });
}

constexpr int repetitions = 5;

BENCHMARK(StationToStation)->Unit(benchmark::kMillisecond)->Repetitions(repetitions);
BENCHMARK(StationToStationLiteral)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(TrainNumber)->Unit(benchmark::kMillisecond)->Repetitions(repetitions);
BENCHMARK(TrainNumberLiteral)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(TrainNumberOnANewConnection)->Unit(benchmark::kMillisecond)->Repetitions(repetitions);
BENCHMARK(TrainNumberOnANewConnectionLiteral)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(Station)->Unit(benchmark::kMillisecond)->Repetitions(repetitions);
BENCHMARK(StationLiteral)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
} // namespace tessarin::queries

int main(int argc, char** argv) { return tessarin::bench::runWithRatios(argc, argv, "Literal", "literal pipeline"); }
