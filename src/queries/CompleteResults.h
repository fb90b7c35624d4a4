#pragma once

#include "RouteEnds.h"
#include "RunningTime.h"

namespace tessarin::data {
class Connection;
}

namespace tessarin::queries {

// The completion pass over the rows of train_tmp, in the order they were
// written: each row gets its train's origin and terminal from `routeEnds`
// (empty texts for a train not there), the fare cell "点击查询" and its own
// running time from its own departure, arrival and day difference. Returns
// false, changing nothing, when train_tmp holds no rows. Errors (a time that
// is not a number, ConversionError; a database failure, DataError) end the
// pass at once; the caller's transaction undoes what was done.
bool CompleteResults(data::Connection& connection, const RouteEnds& routeEnds, DashDeparture dash);

} // namespace tessarin::queries
