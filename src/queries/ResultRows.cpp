#include "ResultRows.h"

#include "ResultPairTable.h"
#include "RunningTimeFunction.h"
#include "data/Connection.h"
#include "data/DataError.h"

#include <algorithm>

namespace tessarin::queries {
namespace {

// The pairs' rows are read and written in the order of the list, without a
// sort: a cross join keeps the pairs as the outer loop, read from the first.
// So the rows are stored in the list's order and the first row whose time
// does not convert is the one reported.
constexpr std::string_view insertCompletedRows =
    "insert into train_tmp(id,type,s_station,s_tm,e_station,e_tm,during_s_no,during_day,distance,p1,p2,p3,p4,"
    "start_s,end_s,Train_Price,during_tm)"
    " select d.id,d.type,d.station,d.d_time,e.station,e.a_time,"
    "CStr(val(e.s_no)-val(d.s_no)),CStr(val(e.day)-val(d.day)),CStr(val(e.distance)-val(d.distance)),"
    "CStr(val(e.p1)-val(d.p1)),CStr(val(e.p2)-val(d.p2)),CStr(val(e.p3)-val(d.p3)),CStr(val(e.p4)-val(d.p4)),"
    "pair.origin,pair.terminal,'点击查询',running_time(d.d_time,e.a_time,CStr(val(e.day)-val(d.day)))"
    " from result_pairs pair cross join train d on d.rowid = pair.departure"
    " cross join train e on e.rowid = pair.arrival";

} // namespace

void sortByDeparture(std::vector<ResultPair>& pairs) {
    std::sort(pairs.begin(), pairs.end(),
              [](const ResultPair& a, const ResultPair& b) { return a.departure < b.departure; });
}

bool writeResultRows(data::Connection& connection, const std::vector<ResultPair>& pairs, DashDeparture dash) {
    if (pairs.empty())
        return false;
    RunningTimeFunction runningTime(connection.handle(), dash);
    const ResultPairTable pairTable(connection.handle(), pairs);
    try {
        connection.execute(insertCompletedRows);
    } catch (const data::DataError&) {
        runningTime.rethrowConversionError();
        throw;
    }
    return true;
}

} // namespace tessarin::queries
