#pragma once

#include "QueryOutcome.h"
#include "data/Connection.h"
#include "data/Query.h"

#include <string_view>

namespace tessarin::queries {

// The train-number page's query (btn5): every train whose number contains
// `text` anywhere (taken exactly as typed; "%" and "_" act as wildcards, Latin
// letters match either case), one row per call of the train at its origin
// station, running to the train's last stop. Origin and terminal are read
// from the train's rows in stored order; what the query reads of every train
// is kept with the connection for the queries that follow (TrainDirectory.h).
// Notices: "请输入车次！" for an empty text, "请正确输入车次！" when no train
// matches. The rows land on `qry4`, a query on `connection`, as
// runResultQuery says; errors propagate.
QueryOutcome queryTrainNumber(data::Connection& connection, data::Query& qry4, std::string_view text);

} // namespace tessarin::queries
