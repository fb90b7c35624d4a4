// tessarin-expand-plan LINES_FOLDER PLAN_FOLDER OUT.tsv
//
// Expands the train plan over the railway lines into the `train` table as a
// tab-separated text table (header line of column names, one stop a line),
// every train's stops together and in running order. Fails, writing nothing,
// on any error in the sources or when two trains share a number (letter case
// aside). The table is written under a temporary name and moved into place.

#include "LineMap.h"
#include "PlannedRoute.h"
#include "TrainPlan.h"
#include "TrainRun.h"

#include <algorithm>
#include <fstream>
#include <iostream>
#include <set>
#include <stdexcept>

namespace {

using namespace tessarin::tools;

std::string upperAscii(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c); });
    return text;
}

void writeTrain(std::ostream& out, const PlannedTrain& train, std::set<std::string>& numbers) {
    if (!numbers.insert(upperAscii(train.id)).second)
        throw std::runtime_error("train number " + train.id + " is planned twice");
    for (const StopRow& row : stopRows(train)) {
        for (std::size_t i = 0; i < row.size(); ++i)
            out << (i ? "\t" : "") << row[i];
        out << '\n';
    }
}

void expand(const std::filesystem::path& linesFolder, const std::filesystem::path& planFolder,
            const std::filesystem::path& target) {
    const LineMap lines = LineMap::load(linesFolder);
    const std::filesystem::path partial = target.string() + ".partial";
    {
        std::ofstream out(partial);
        out << "id\ttype\tstation\ts_no\tday\ta_time\td_time\tdistance\tp1\tp2\tp3\tp4\n";
        std::set<std::string> numbers;
        for (const PlanEntry& entry : readPlan(planFolder)) {
            for (const PlannedTrain& train : plannedTrains(entry, lines))
                writeTrain(out, train, numbers);
        }
        if (!out.flush())
            throw std::runtime_error("cannot write " + partial.string());
    }
    std::filesystem::rename(partial, target);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: tessarin-expand-plan LINES_FOLDER PLAN_FOLDER OUT.tsv\n";
        return 2;
    }
    try {
        expand(argv[1], argv[2], argv[3]);
    } catch (const std::exception& error) {
        std::cerr << "tessarin-expand-plan: " << error.what() << '\n';
        std::filesystem::remove(std::string(argv[3]) + ".partial");
        return 1;
    }
    return 0;
}
