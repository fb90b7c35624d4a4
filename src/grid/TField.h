#pragma once

#include <QString>

namespace tessarin::data {
class DataSet;
}

namespace tessarin::grid {

// A field of an open data set, as a grid column is bound to it. A handle: it
// stays valid while the data set stays open with the same fields.
class TField {
public:
    TField(const data::DataSet& dataSet, int index) : dataSet_(&dataSet), index_(index) {}

    int Index() const noexcept { return index_; }
    // The field's name in its own letter case; it is also its display name.
    QString FieldName() const;
    // The current record's value as text ("" for NULL and for an empty set).
    QString AsString() const;
    // Any record's value as the data set shows it, by 1-based record number;
    // the cursor stays.
    QString DisplayText(int recordNumber) const;

private:
    const data::DataSet* dataSet_;
    int index_;
};

} // namespace tessarin::grid
