#pragma once

#include "QueryOutcome.h"
#include "data/Connection.h"
#include "data/Query.h"

#include <string_view>

namespace tessarin::queries {

// The station page's query (btn6): every call of every train at a station
// whose name begins with `station` (taken exactly as typed; "%" and "_" act as
// wildcards), one row per call, running on to the train's last stop. A call
// where the train ends has the departure "-" and the running time "-".
// Notices: "请输入车站名！" for an empty text, "请正确输入车站名！" when no
// train calls there. The rows land on `qry4`, a query on `connection`, as
// runResultQuery says; errors propagate.
QueryOutcome queryStation(data::Connection& connection, data::Query& qry4, std::string_view station);

} // namespace tessarin::queries
