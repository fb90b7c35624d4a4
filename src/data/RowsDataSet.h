#pragma once

#include "DataSet.h"

#include <string>
#include <utility>
#include <vector>

namespace tessarin::data {

// A data set over rows the program makes itself instead of reading them from
// a table, for grids that show an answer computed in memory. open() makes
// the rows the open result, positioned on the first record; sorting and
// moving work as on any data set. Deleting a record removes it from these
// rows alone: nothing is stored anywhere.
class RowsDataSet : public DataSet {
public:
    void open(std::vector<std::string> fields, std::vector<Row> rows) { openWith(std::move(fields), std::move(rows)); }
};

} // namespace tessarin::data
