#include "StopList.h"

#include "data/Query.h"

#include <string>

namespace tessarin::queries {

void openStopList(data::Query& query, std::string_view trainNumber) {
    query.setStatement("select * from train where id = ?1 collate nocase order by rowid", {std::string(trainNumber)});
    query.open();
}

} // namespace tessarin::queries
