#include "TField.h"

#include "data/DataSet.h"

namespace tessarin::grid {

QString TField::FieldName() const { return QString::fromStdString(dataSet_->fieldName(index_)); }

QString TField::AsString() const {
    if (dataSet_->isEmpty())
        return {};
    return DisplayText(dataSet_->recNo());
}

QString TField::DisplayText(int recordNumber) const {
    return QString::fromStdString(dataSet_->text(recordNumber - 1, index_));
}

} // namespace tessarin::grid
