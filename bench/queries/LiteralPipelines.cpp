#include "LiteralPipelines.h"

#include "data/Connection.h"
#include "data/Query.h"
#include "queries/RouteEnds.h"
#include "queries/RunningTime.h"

namespace tessarin::queries {
namespace {

constexpr std::string_view insertColumns =
    "insert into train_tmp(id,type,s_station,s_tm,during_s_no,during_day,distance,p1,p2,p3,p4)"
    "select a.id,a.type,a.station,a.d_time,a.s_no,a.day,a.distance,a.p1,a.p2,a.p3,a.p4 from Train a ";

// The arrival statement; `from` names the candidate arrival stops b.
std::string arrivalUpdate(std::string_view from) {
    return "update train_tmp set e_station=b.station,e_tm=b.a_time,"
           "during_s_no=CStr(val(b.s_no)-val(train_tmp.during_s_no)),"
           "p1=CStr(val(b.p1)-val(train_tmp.p1)),p2=CStr(val(b.p2)-val(train_tmp.p2)),"
           "p3=CStr(val(b.p3)-val(train_tmp.p3)),p4=CStr(val(b.p4)-val(train_tmp.p4)),"
           "distance=CStr(val(b.distance)-val(train_tmp.distance)),"
           "during_day=CStr(val(b.day)-val(train_tmp.during_day)) from " +
           std::string(from) + " where train_tmp.id=b.id ";
}

// Where every stop of the train is a candidate, the engine leaves the last
// one it pairs; here that is the train's last stored stop, its terminal.
constexpr std::string_view lastStops =
    "train b join (select max(rowid) as last from train group by id) l on b.rowid = l.last";

// The main window's query objects.
struct QueryObjects {
    explicit QueryObjects(data::Connection& connection) : qry1(connection), qry2(connection), qry3(connection),
                                                          qry4(connection) {}

    void execute(data::Query& query, std::string sql, std::vector<std::string> parameters = {}) {
        query.setStatement(std::move(sql), std::move(parameters));
        query.execute();
    }

    data::Query qry1;
    data::Query qry2;
    data::Query qry3;
    data::Query qry4;
};

RouteEnds routeEndsOfRows(const data::DataSet& rows) {
    TrainRuns runs;
    const int id = *rows.fieldIndex("id");
    const int station = *rows.fieldIndex("station");
    for (int record = 0; record < rows.recordCount(); ++record)
        runs.add(rows.text(record, id), rows.text(record, station));
    return BuildRouteEnds(runs);
}

RouteEnds routeEndsOfResultTrains(QueryObjects& q) {
    q.qry1.setStatement("select a.id ,a.station,a.s_no from train a ,train_tmp b where a.id=b.id "
                        "order by a.id,val(a.s_no)");
    q.qry1.open();
    return routeEndsOfRows(q.qry1);
}

QueryOutcome completeResults(QueryObjects& q, const RouteEnds& ends, DashDeparture dash, const char* emptyMessage) {
    q.qry2.setStatement("select * from train_tmp");
    q.qry2.open();
    if (q.qry2.isEmpty())
        return {emptyMessage};
    for (; !q.qry2.eof(); q.qry2.next()) {
        const std::string id = q.qry2.fieldText("id");
        const RouteEnd& end = ends.find(id);
        const std::string time =
            runningTimeText(q.qry2.fieldText("s_tm"), q.qry2.fieldText("e_tm"), q.qry2.fieldText("during_day"), dash);
        q.execute(q.qry3,
                  "UPDATE train_tmp SET start_s = ?1,end_s = ?2,  Train_Price ='点击查询', during_tm = ?3 "
                  "where id = ?4",
                  {end.origin, end.terminal, time, id});
    }
    q.qry4.setStatement("select * from train_tmp order by s_tm");
    q.qry4.open();
    return {};
}

} // namespace

QueryOutcome literalStationToStation(data::Connection& connection, const std::string& departure,
                                     const std::string& arrival) {
    QueryObjects q(connection);
    q.execute(q.qry1, "delete from  train_tmp");
    q.execute(q.qry3,
              std::string(insertColumns) +
                  "where a.Station like ?1 and a.ID in (select b.ID from Train b where b.station like ?2 "
                  "and val(b.s_no)>val(a.s_no))",
              {departure + "%", arrival + "%"});
    q.execute(q.qry3, arrivalUpdate("train b") + "and b.station  like ?1", {arrival + "%"});
    const RouteEnds ends = routeEndsOfResultTrains(q);
    return completeResults(q, ends, DashDeparture::Convert, "您输入的站点之间没有车次到达！");
}

QueryOutcome literalTrainNumber(data::Connection& connection, const std::string& text) {
    QueryObjects q(connection);
    q.execute(q.qry1, "delete from  train_tmp");
    q.qry1.setStatement("select * from train where id like ?1", {"%" + text + "%"});
    q.qry1.open();
    const RouteEnds ends = routeEndsOfRows(q.qry1);
    std::string previous;
    for (int record = 0; record < q.qry1.recordCount(); ++record) {
        const std::string id = q.qry1.text(record, *q.qry1.fieldIndex("id"));
        if (record > 0 && id == previous)
            continue;
        previous = id;
        q.execute(q.qry3, std::string(insertColumns) + "where a.Station = ?1 and a.ID = ?2", {ends.find(id).origin, id});
    }
    q.execute(q.qry3, arrivalUpdate(lastStops));
    return completeResults(q, ends, DashDeparture::Convert, "请正确输入车次！");
}

QueryOutcome literalStation(data::Connection& connection, const std::string& station) {
    QueryObjects q(connection);
    q.execute(q.qry1, "delete from  train_tmp");
    q.execute(q.qry3, std::string(insertColumns) + "where a.Station like ?1", {station + "%"});
    q.execute(q.qry3, arrivalUpdate(lastStops));
    const RouteEnds ends = routeEndsOfResultTrains(q);
    return completeResults(q, ends, DashDeparture::MeansNoRunningTime, "请正确输入车站名！");
}

void dropIndexes(data::Connection& connection) {
    data::Query indexes(connection);
    indexes.setStatement("select name from sqlite_master where type = 'index' and sql is not null");
    indexes.open();
    for (int record = 0; record < indexes.recordCount(); ++record)
        connection.execute("drop index \"" + indexes.text(record, 0) + "\"");
}

} // namespace tessarin::queries
