#include "DetailFields.h"

#include "ComputeFareTexts.h"
#include "data/Query.h"

namespace tessarin::fares {

DetailRow ReadDetailRow(data::Query& query, const std::string& trainId) {
    query.setStatement("select * from train_tmp where ID = ?", {trainId});
    query.open();
    return {query.fieldText("s_station"),
            query.fieldText("e_station"),
            query.fieldText("Distance"),
            query.fieldText("during_tm"),
            query.fieldText("during_day"),
            {query.fieldText("type"), query.fieldText("Distance"), query.fieldText("p1"), query.fieldText("p2"),
             query.fieldText("p3"), query.fieldText("p4")}};
}

DetailFields DetailFieldsFor(data::Connection& connection, const DetailRow& row, char decimalSeparator) {
    const FareTexts fares = ComputeFareTexts(connection, row.fareInputs, decimalSeparator);
    return {{
        {"lbl1", "发站：", "edt1", row.sStation},
        {"lbl2", "到站：", "edt2", row.eStation},
        {"lbl10", "里程：", "edt12", row.distance},
        {"lbl4", "硬座：", "edt9", fares.hardSeat},
        {"lbl8", "软座：", "edt3", fares.softSeat},
        {"lbl11", "历时：", "edt11", row.duringTm},
        {"lbl7", "软卧上：", "edt4", fares.softSleeperUpper},
        {"lbl3", "软卧下：", "edt8", fares.softSleeperLower},
        {"lbl12", "天数：", "edt10", row.duringDay},
        {"lbl5", "硬卧上：", "edt5", fares.hardSleeperUpper},
        {"lbl6", "硬卧中：", "edt6", fares.hardSleeperMiddle},
        {"lbl9", "硬卧下：", "edt7", fares.hardSleeperLower},
    }};
}

} // namespace tessarin::fares
