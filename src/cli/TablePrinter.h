#pragma once

#include "Commands.h"
#include "data/DataSet.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace tessarin::cli {

// How a command prints rows: tab-separated lines after a header line of the
// field names, or one JSON array with an object per record whose members are
// the fields by the same names (text, or null for NULL).
enum class RowFormat { tabSeparated, json };

// The format a command's options ask for.
inline RowFormat rowFormatOf(const CliContext& context) {
    return wantsJson(context) ? RowFormat::json : RowFormat::tabSeparated;
}

// Prints an open data set's records in its order. With `fields` given, only
// those fields, in that order (names found without regard to case; a
// DataError names one that is missing).
void printDataSet(std::ostream& out, const data::DataSet& dataSet, RowFormat format = RowFormat::tabSeparated);
void printDataSet(std::ostream& out, const data::DataSet& dataSet, const std::vector<std::string>& fields,
                  RowFormat format = RowFormat::tabSeparated);

} // namespace tessarin::cli
