#pragma once

#include "data/DataSet.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace tessarin::cli {

// Prints an open data set as tab-separated text: a header line of its field
// names, then one line per record in the data set's order. With `fields`
// given, only those fields, in that order (names found without regard to case).
void printDataSet(std::ostream& out, const data::DataSet& dataSet);
void printDataSet(std::ostream& out, const data::DataSet& dataSet, const std::vector<std::string>& fields);

} // namespace tessarin::cli
