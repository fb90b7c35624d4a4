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
#include "TimetableToolMain.h"
#include "TrainRun.h"

#include <random>

namespace {

using namespace tessarin::tools;

constexpr unsigned seed = 20090719;
constexpr int trainPairs = 2500;

void addNationalTrains(TimetableWriter& writer) {
    std::mt19937 random(seed);
    const SyntheticNetwork network = syntheticNetwork(random);
    for (const PlannedTrain& train : syntheticTrains(network, trainPairs, random)) {
        for (const StopRow& row : stopRows(train))
            writer.addStop(row);
    }
}

} // namespace

int main(int argc, char** argv) {
    return runTimetableTool("tessarin-make-national-timetable", argc, argv, addNationalTrains);
}
