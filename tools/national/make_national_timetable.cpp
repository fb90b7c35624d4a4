// tessarin-make-national-timetable OUT [TABLE=FILE.tsv ...]
//
// Writes a timetable file of national size for the benchmarks: 5,000 trains
// with about 100,000 stop rows over a synthetic network (see SyntheticNetwork
// and SyntheticPlan), always the same for the fixed seed, plus any text
// tables named (the fare scale, as a rule). Not shipped; the build target
// `national_timetable` writes it to build*/bench/national-timetable.mdb with
// the bundled fare scale. The file is moved into place only when complete.

#include "SyntheticNetwork.h"
#include "SyntheticPlan.h"
#include "TimetableWriter.h"
#include "TrainRun.h"

#include <iostream>
#include <random>

namespace {

constexpr unsigned seed = 20090719;
constexpr int trainPairs = 2500;

void build(const std::filesystem::path& out, const std::vector<std::string>& tables) {
    using namespace tessarin::tools;
    std::mt19937 random(seed);
    const std::vector<SyntheticLine> lines = syntheticNetwork(random);
    TimetableWriter writer(out);
    for (const PlannedTrain& train : syntheticTrains(lines, trainPairs, random)) {
        for (const StopRow& row : stopRows(train))
            writer.addStop(row);
    }
    for (const std::string& argument : tables)
        writer.loadTableArgument(argument);
    writer.finish();
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: tessarin-make-national-timetable OUT [TABLE=FILE.tsv ...]\n";
        return 2;
    }
    try {
        build(argv[1], std::vector<std::string>(argv + 2, argv + argc));
    } catch (const std::exception& error) {
        std::cerr << "tessarin-make-national-timetable: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
