#include "BundledTimetable.h"

#include "data/Connection.h"
#include "data/Statement.h"
#include "support/TemporaryTimetable.h"

namespace tessarin::testing {
namespace {

std::vector<TrainRow> loadRows() {
    data::Connection connection(binaryFolder() / "data" / "Train+-+090719.mdb");
    data::Statement select(connection.handle(),
                           "select id, type, station, s_no, day, a_time, d_time, distance, p1, p2, p3, p4 from train");
    std::vector<TrainRow> rows;
    while (select.step()) {
        TrainRow row;
        for (int column = 0; column < 12; ++column)
            row[column] = select.columnText(column).value_or("");
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace

const std::vector<TrainRow>& bundledRows() {
    static const std::vector<TrainRow> rows = loadRows();
    return rows;
}

std::vector<StoredTrain> bundledTrains() {
    std::vector<StoredTrain> trains;
    for (const TrainRow& row : bundledRows()) {
        if (trains.empty() || trains.back().id() != row[0])
            trains.push_back({});
        trains.back().stops.push_back(row);
    }
    return trains;
}

} // namespace tessarin::testing
