#pragma once

#include "FareTexts.h"
#include "data/NumberText.h"

#include <array>
#include <string>
#include <string_view>

namespace tessarin::data {
class Connection;
class Query;
}

namespace tessarin::fares {

// The detail row of a train: the texts of its first train_tmp row, as fetched
// (NULL as empty text); every text is empty when the train has no row.
struct DetailRow {
    std::string sStation;  // s_station
    std::string eStation;  // e_station
    std::string distance;  // Distance
    std::string duringTm;  // during_tm
    std::string duringDay; // during_day
    FareInputs fareInputs; // type, Distance, p1 ... p4
};

// Runs "select * from train_tmp where ID = ?" on the query object, the train
// number bound as a parameter, and reads the first row returned. Raises
// data::DataError when the database fails.
DetailRow ReadDetailRow(data::Query& query, const std::string& trainId);

// One value field of the train detail window: its caption and the names of
// its label and field components, with the text it shows.
struct DetailField {
    std::string_view labelName;
    std::string_view caption;
    std::string_view fieldName;
    std::string value;
};

// The twelve value fields in screen order: three to a row, four rows.
using DetailFields = std::array<DetailField, 12>;

// The twelve fields with their captions and names and empty values: what
// the window shows until the whole fare computation has succeeded.
DetailFields EmptyDetailFields();

// The twelve fields for a detail row: its texts unchanged and the seven fare
// texts of ComputeFareTexts. Raises what ComputeFareTexts raises (a missing
// detail row fails on its empty distance), and then no field is filled.
DetailFields DetailFieldsFor(data::Connection& connection, const DetailRow& row,
                             char decimalSeparator = data::localeDecimalSeparator());

} // namespace tessarin::fares
