#pragma once

#include "QueryOutcome.h"
#include "ResultRows.h"
#include "RunningTime.h"
#include "data/Connection.h"
#include "data/Query.h"

#include <functional>
#include <string_view>
#include <vector>

namespace tessarin::queries {

// How one query finds its rows, as pairs of stops with their trains' ends in
// the order they are written, and completes them.
struct ResultQuery {
    std::function<std::vector<ResultPair>(data::Connection&)> find;
    DashDeparture dash = DashDeparture::Convert;
    // The notice when the query finds nothing.
    std::string_view emptyMessage;
};

// Runs a query as every query page does: empties train_tmp, writes the rows
// found and reopens the result set `qry4` (a query
// on `connection`) on "select * from train_tmp order by s_tm", positioned on
// the first row. The rows are written complete, in one pass (writeResultRows).
// train_tmp is replaced in one transaction, committed only when
// there are rows to show: a query that finds nothing or fails leaves the
// previous rows in train_tmp, consistent with the grid that still shows them,
// and `qry4` untouched; another process never sees half a result. Errors
// propagate; only a failure of the final reopening can leave `qry4` closed
// over a committed train_tmp.
QueryOutcome runResultQuery(data::Connection& connection, data::Query& qry4, const ResultQuery& query);

} // namespace tessarin::queries
