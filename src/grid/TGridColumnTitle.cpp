#include "TGridColumnTitle.h"

#include "TDataGrid.h"
#include "TGridColumn.h"

namespace tessarin::grid {

QString TGridColumnTitle::Caption() const { return caption_.value_or(column_.FieldName()); }

void TGridColumnTitle::setCaption(const QString& caption) {
    caption_ = caption;
    column_.changed();
}

void TGridColumnTitle::setAlignment(TAlignment alignment) {
    alignment_ = alignment;
    column_.changed();
}

widgets::TColor TGridColumnTitle::Color() const { return color_.value_or(column_.Grid()->FixedColor()); }

void TGridColumnTitle::setColor(widgets::TColor color) {
    color_ = color;
    column_.changed();
}

widgets::TFont TGridColumnTitle::Font() const { return font_.value_or(column_.Grid()->TitleFont()); }

void TGridColumnTitle::setFont(const widgets::TFont& font) {
    font_ = font;
    column_.changed();
}

} // namespace tessarin::grid
