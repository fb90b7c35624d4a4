#include "TablePrinter.h"

#include "JsonWriter.h"
#include "data/DataError.h"

#include <ostream>

namespace tessarin::cli {
namespace {

void printTabSeparated(std::ostream& out, const data::DataSet& dataSet, const std::vector<int>& indexes) {
    for (std::size_t i = 0; i < indexes.size(); ++i)
        out << (i ? "\t" : "") << dataSet.fieldName(indexes[i]);
    out << '\n';
    for (int record = 0; record < dataSet.recordCount(); ++record) {
        for (std::size_t i = 0; i < indexes.size(); ++i)
            out << (i ? "\t" : "") << dataSet.text(record, indexes[i]);
        out << '\n';
    }
}

void printJson(std::ostream& out, const data::DataSet& dataSet, const std::vector<int>& indexes) {
    JsonWriter json(out);
    json.beginArray();
    for (int record = 0; record < dataSet.recordCount(); ++record) {
        json.beginObject();
        for (const int field : indexes) {
            json.key(dataSet.fieldName(field));
            if (dataSet.isNull(record, field))
                json.null();
            else
                json.string(dataSet.text(record, field));
        }
        json.endObject();
    }
    json.endArray();
    out << '\n';
}

} // namespace

void printDataSet(std::ostream& out, const data::DataSet& dataSet, RowFormat format) {
    std::vector<std::string> fields;
    for (int field = 0; field < dataSet.fieldCount(); ++field)
        fields.push_back(dataSet.fieldName(field));
    printDataSet(out, dataSet, fields, format);
}

void printDataSet(std::ostream& out, const data::DataSet& dataSet, const std::vector<std::string>& fields,
                  RowFormat format) {
    std::vector<int> indexes;
    for (const std::string& name : fields) {
        const auto index = dataSet.fieldIndex(name);
        if (!index)
            throw data::DataError("Field '" + name + "' not found");
        indexes.push_back(*index);
    }
    if (format == RowFormat::json)
        printJson(out, dataSet, indexes);
    else
        printTabSeparated(out, dataSet, indexes);
}

} // namespace tessarin::cli
