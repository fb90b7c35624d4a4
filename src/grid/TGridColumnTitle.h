#pragma once

#include "GridOptions.h"
#include "widgets/TColor.h"
#include "widgets/TFont.h"

#include <QString>

#include <optional>

namespace tessarin::grid {

class TGridColumn;

// The title of a grid column. Caption, colour and font follow their defaults
// live until they are assigned: the caption the column's field name, the
// colour the grid's FixedColor, the font the grid's TitleFont. Assigning the
// font (any attribute of it) makes it the title's own from then on; every
// change recomputes the grid's layout and repaints it.
class TGridColumnTitle {
public:
    explicit TGridColumnTitle(TGridColumn& column) : column_(column) {}
    TGridColumnTitle(const TGridColumnTitle&) = delete;
    TGridColumnTitle& operator=(const TGridColumnTitle&) = delete;

    QString Caption() const;
    void setCaption(const QString& caption);
    TAlignment Alignment() const noexcept { return alignment_; }
    void setAlignment(TAlignment alignment);
    widgets::TColor Color() const;
    void setColor(widgets::TColor color);
    widgets::TFont Font() const;
    void setFont(const widgets::TFont& font);

private:
    TGridColumn& column_;
    std::optional<QString> caption_;
    TAlignment alignment_ = TAlignment::taLeftJustify;
    std::optional<widgets::TColor> color_;
    std::optional<widgets::TFont> font_;
};

} // namespace tessarin::grid
