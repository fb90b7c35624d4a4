#include "TGridColumn.h"

#include "TDataGrid.h"
#include "TGridColumns.h"
#include "data/DataSet.h"

namespace tessarin::grid {

TGridColumn::TGridColumn(TGridColumns& owner) : owner_(owner) {}

void TGridColumn::setFieldName(const QString& name) {
    fieldName_ = name;
    changed(); // binds the column anew
}

void TGridColumn::setAlignment(TAlignment alignment) {
    alignment_ = alignment;
    changed();
}

widgets::TColor TGridColumn::Color() const { return color_.value_or(Grid()->Color()); }

void TGridColumn::setColor(widgets::TColor color) {
    color_ = color;
    changed();
}

widgets::TFont TGridColumn::Font() const { return font_.value_or(Grid()->Font()); }

void TGridColumn::setFont(const widgets::TFont& font) {
    font_ = font;
    changed();
}

void TGridColumn::setWidth(int width) {
    width_ = width;
    changed();
}

void TGridColumn::setVisible(bool visible) {
    visible_ = visible;
    changed();
}

TDataGrid* TGridColumn::Grid() const { return &owner_.Grid(); }

int TGridColumn::Index() const { return owner_.indexOf(*this); }

void TGridColumn::bind(const data::DataSet* dataSet) {
    field_.reset();
    if (!dataSet)
        return;
    if (const auto index = dataSet->fieldIndex(fieldName_.toStdString())) {
        field_.emplace(*dataSet, *index);
        fieldName_ = field_->FieldName();
    }
}

void TGridColumn::changed() { Grid()->columnsChanged(); }

} // namespace tessarin::grid
