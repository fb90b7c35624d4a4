#pragma once

#include "QueryOutcome.h"
#include "data/Connection.h"
#include "data/Query.h"

#include <string_view>

namespace tessarin::queries {

// The station-to-station page's query (btn4): every train that calls at a
// station whose name begins with `departure` and later in its run at one
// whose name begins with `arrival`, one row per such departure stop, ending at
// the first stop after it whose name begins with `arrival`. The texts are
// taken exactly as typed ("%" and "_" act as wildcards, Latin letters match
// either case). Notices: "请输入发站名！", "请输入到站名！" for an empty text,
// "您输入的站点之间没有车次到达！" when no train qualifies. The rows land on
// `qry4`, a query on `connection`, as runResultQuery says; errors propagate.
QueryOutcome queryStationToStation(data::Connection& connection, data::Query& qry4, std::string_view departure,
                                   std::string_view arrival);

} // namespace tessarin::queries
