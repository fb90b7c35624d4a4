#include "ResultRows.h"

#include "data/Connection.h"

#include <algorithm>
#include <string>

namespace tessarin::queries {
namespace {

// The pairs as one JSON array of [departure, arrival] rowids, for json_each().
std::string pairList(const std::vector<StopPair>& pairs) {
    std::string list = "[";
    for (const StopPair& pair : pairs) {
        if (list.size() > 1)
            list += ',';
        list += '[' + std::to_string(pair.departure) + ',' + std::to_string(pair.arrival) + ']';
    }
    return list + ']';
}

} // namespace

void sortByDeparture(std::vector<StopPair>& pairs) {
    std::sort(pairs.begin(), pairs.end(), [](const StopPair& a, const StopPair& b) { return a.departure < b.departure; });
}

void insertResultRows(data::Connection& connection, const std::vector<StopPair>& pairs) {
    connection.execute(
        "insert into train_tmp(id,type,s_station,s_tm,e_station,e_tm,during_s_no,during_day,distance,p1,p2,p3,p4)"
        " select d.id,d.type,d.station,d.d_time,e.station,e.a_time,"
        "CStr(val(e.s_no)-val(d.s_no)),CStr(val(e.day)-val(d.day)),CStr(val(e.distance)-val(d.distance)),"
        "CStr(val(e.p1)-val(d.p1)),CStr(val(e.p2)-val(d.p2)),CStr(val(e.p3)-val(d.p3)),CStr(val(e.p4)-val(d.p4))"
        " from json_each(?1) pair join train d on d.rowid = pair.value->>0 join train e on e.rowid = pair.value->>1"
        " order by pair.key",
        {pairList(pairs)});
}

} // namespace tessarin::queries
