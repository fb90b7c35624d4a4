#include "CompleteResults.h"

#include "data/Connection.h"
#include "data/Statement.h"

#include <string>
#include <vector>

namespace tessarin::queries {
namespace {

struct ResultRow {
    std::string rowid;
    std::string trainNumber;
    std::string departure;
    std::string arrival;
    std::string dayDifference;
};

// The rows as they stand before the pass writes into them.
std::vector<ResultRow> readResultRows(data::Connection& connection) {
    data::Statement select(connection.handle(),
                           "select rowid, id, s_tm, e_tm, during_day from train_tmp order by rowid");
    std::vector<ResultRow> rows;
    while (select.step()) {
        rows.push_back({select.columnText(0).value_or(""), select.columnText(1).value_or(""),
                        select.columnText(2).value_or(""), select.columnText(3).value_or(""),
                        select.columnText(4).value_or("")});
    }
    return rows;
}

} // namespace

bool CompleteResults(data::Connection& connection, const RouteEnds& routeEnds, DashDeparture dash) {
    const std::vector<ResultRow> rows = readResultRows(connection);
    if (rows.empty())
        return false;
    data::Statement update(connection.handle(),
                           "update train_tmp set start_s = ?1, end_s = ?2, Train_Price = '点击查询', "
                           "during_tm = ?3 where rowid = ?4");
    for (const ResultRow& row : rows) {
        const RouteEnd& ends = routeEnds.find(row.trainNumber);
        update.bind({ends.origin, ends.terminal,
                     runningTimeText(row.departure, row.arrival, row.dayDifference, dash), row.rowid});
        update.run();
        update.reset();
    }
    return true;
}

} // namespace tessarin::queries
