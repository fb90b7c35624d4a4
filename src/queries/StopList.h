#pragma once

#include <string_view>

namespace tessarin::data {
class Query;
}

namespace tessarin::queries {

// Opens `query` on the stop list of one train, as the stop grids show it:
// every column of the train's rows in train (train number matched without
// regard to the case of Latin letters), in stored order. A train number
// without rows gives an empty result, not an error.
void openStopList(data::Query& query, std::string_view trainNumber);

} // namespace tessarin::queries
