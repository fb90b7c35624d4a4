#include "TablePrinter.h"

#include "data/DataError.h"

#include <ostream>

namespace tessarin::cli {

void printDataSet(std::ostream& out, const data::DataSet& dataSet) {
    std::vector<std::string> fields;
    for (int field = 0; field < dataSet.fieldCount(); ++field)
        fields.push_back(dataSet.fieldName(field));
    printDataSet(out, dataSet, fields);
}

void printDataSet(std::ostream& out, const data::DataSet& dataSet, const std::vector<std::string>& fields) {
    std::vector<int> indexes;
    for (const std::string& name : fields) {
        const auto index = dataSet.fieldIndex(name);
        if (!index)
            throw data::DataError("Field '" + name + "' not found");
        indexes.push_back(*index);
    }
    for (std::size_t i = 0; i < fields.size(); ++i)
        out << (i ? "\t" : "") << dataSet.fieldName(indexes[i]);
    out << '\n';
    for (int record = 0; record < dataSet.recordCount(); ++record) {
        for (std::size_t i = 0; i < indexes.size(); ++i)
            out << (i ? "\t" : "") << dataSet.text(record, indexes[i]);
        out << '\n';
    }
}

} // namespace tessarin::cli
