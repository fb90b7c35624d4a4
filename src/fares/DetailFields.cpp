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

DetailFields EmptyDetailFields() {
    return {{
        {"lbl1", "发站：", "edt1", {}},
        {"lbl2", "到站：", "edt2", {}},
        {"lbl10", "里程：", "edt12", {}},
        {"lbl4", "硬座：", "edt9", {}},
        {"lbl8", "软座：", "edt3", {}},
        {"lbl11", "历时：", "edt11", {}},
        {"lbl7", "软卧上：", "edt4", {}},
        {"lbl3", "软卧下：", "edt8", {}},
        {"lbl12", "天数：", "edt10", {}},
        {"lbl5", "硬卧上：", "edt5", {}},
        {"lbl6", "硬卧中：", "edt6", {}},
        {"lbl9", "硬卧下：", "edt7", {}},
    }};
}

DetailFields DetailFieldsFor(data::Connection& connection, const DetailRow& row, char decimalSeparator) {
    const FareTexts fares = ComputeFareTexts(connection, row.fareInputs, decimalSeparator);
    // In the screen order of EmptyDetailFields.
    const std::array<std::string, 12> values{
        row.sStation,           row.eStation,            row.distance,
        fares.hardSeat,         fares.softSeat,          row.duringTm,
        fares.softSleeperUpper, fares.softSleeperLower,  row.duringDay,
        fares.hardSleeperUpper, fares.hardSleeperMiddle, fares.hardSleeperLower,
    };
    DetailFields fields = EmptyDetailFields();
    for (std::size_t i = 0; i < fields.size(); ++i)
        fields[i].value = values[i];
    return fields;
}

} // namespace tessarin::fares
