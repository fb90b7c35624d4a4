#pragma once

#include "GridOptions.h"
#include "TField.h"
#include "TGridColumnTitle.h"
#include "widgets/TColor.h"
#include "widgets/TFont.h"

#include <QString>

#include <optional>

namespace tessarin::data {
class DataSet;
}

namespace tessarin::grid {

class TDataGrid;
class TGridColumns;

// One column of a data grid: the field it shows, its look and its title.
// Colour and font follow the grid's Color and Font live until assigned. Every
// change recomputes the grid's layout and repaints it.
class TGridColumn {
public:
    explicit TGridColumn(TGridColumns& owner);
    TGridColumn(const TGridColumn&) = delete;
    TGridColumn& operator=(const TGridColumn&) = delete;

    // While the data set is open the column is bound to the first field whose
    // name equals FieldName without regard to letter case, and FieldName
    // takes the field's own letter case.
    QString FieldName() const { return fieldName_; }
    void setFieldName(const QString& name);
    // The bound field; none while the data set is closed or lacks the field.
    const std::optional<TField>& Field() const noexcept { return field_; }

    // The data set's fields are all text, which aligns left: that is the
    // default until an alignment is assigned.
    TAlignment Alignment() const noexcept { return alignment_; }
    void setAlignment(TAlignment alignment);
    widgets::TColor Color() const;
    void setColor(widgets::TColor color);
    widgets::TFont Font() const;
    void setFont(const widgets::TFont& font);
    int Width() const noexcept { return width_; }
    void setWidth(int width);
    bool Visible() const noexcept { return visible_; }
    void setVisible(bool visible);

    TGridColumnTitle& Title() noexcept { return title_; }
    const TGridColumnTitle& Title() const noexcept { return title_; }

    TDataGrid* Grid() const;
    // Position in the grid's column list.
    int Index() const;

private:
    friend class TGridColumns;
    friend class TGridColumnTitle;

    void bind(const data::DataSet* dataSet);
    void changed();

    TGridColumns& owner_;
    QString fieldName_;
    std::optional<TField> field_;
    TAlignment alignment_ = TAlignment::taLeftJustify;
    std::optional<widgets::TColor> color_;
    std::optional<widgets::TFont> font_;
    int width_ = 64;
    bool visible_ = true;
    TGridColumnTitle title_{*this};
};

} // namespace tessarin::grid
