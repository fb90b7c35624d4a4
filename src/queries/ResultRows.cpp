#include "ResultRows.h"

#include "RunningTimeFunction.h"
#include "data/Connection.h"
#include "data/DataError.h"

#include <algorithm>
#include <cstdio>

namespace tessarin::queries {
namespace {

// A text as a JSON string: quotes, backslashes and control characters escaped,
// every other byte as it is.
void appendJsonString(std::string& json, const std::string& text) {
    json += '"';
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
            json += escaped;
        } else {
            json += c;
        }
    }
    json += '"';
}

// The pairs as one JSON array of [departure, arrival, origin, terminal], for json_each().
std::string pairList(const std::vector<ResultPair>& pairs) {
    std::string list = "[";
    for (const ResultPair& pair : pairs) {
        if (list.size() > 1)
            list += ',';
        list += '[' + std::to_string(pair.departure) + ',' + std::to_string(pair.arrival) + ',';
        appendJsonString(list, pair.origin);
        list += ',';
        appendJsonString(list, pair.terminal);
        list += ']';
    }
    return list + ']';
}

// The pairs' rows are read and written in the order of the list, without a
// sort: a cross join keeps the list as the outer loop, and json_each walks
// it from its first element. So the rows are stored in the list's order and
// the first row whose time does not convert is the one reported.
constexpr std::string_view insertCompletedRows =
    "insert into train_tmp(id,type,s_station,s_tm,e_station,e_tm,during_s_no,during_day,distance,p1,p2,p3,p4,"
    "start_s,end_s,Train_Price,during_tm)"
    " select d.id,d.type,d.station,d.d_time,e.station,e.a_time,"
    "CStr(val(e.s_no)-val(d.s_no)),CStr(val(e.day)-val(d.day)),CStr(val(e.distance)-val(d.distance)),"
    "CStr(val(e.p1)-val(d.p1)),CStr(val(e.p2)-val(d.p2)),CStr(val(e.p3)-val(d.p3)),CStr(val(e.p4)-val(d.p4)),"
    "pair.value->>2,pair.value->>3,'点击查询',running_time(d.d_time,e.a_time,CStr(val(e.day)-val(d.day)))"
    " from json_each(?1) pair cross join train d on d.rowid = pair.value->>0"
    " cross join train e on e.rowid = pair.value->>1";

} // namespace

void sortByDeparture(std::vector<ResultPair>& pairs) {
    std::sort(pairs.begin(), pairs.end(),
              [](const ResultPair& a, const ResultPair& b) { return a.departure < b.departure; });
}

bool writeResultRows(data::Connection& connection, const std::vector<ResultPair>& pairs, DashDeparture dash) {
    if (pairs.empty())
        return false;
    RunningTimeFunction runningTime(connection.handle(), dash);
    try {
        connection.execute(insertCompletedRows, {pairList(pairs)});
    } catch (const data::DataError&) {
        runningTime.rethrowConversionError();
        throw;
    }
    return true;
}

} // namespace tessarin::queries
