#pragma once

#include "TSkinControl.h"

#include "widgets/TColor.h"

#include <QPointer>

#include <optional>
#include <vector>

class QScrollBar;

namespace tessarin::grid {
class TDataGrid;
}

namespace tessarin::skin {

class TScrollBarOverlay;

// The scroll bars of a grid or a list, skinned: a TScrollBarOverlay over
// each of its bars, the square between two shown bars in "ButtonFace", and,
// around a control with a border, two flat rings (the button shadow outside,
// the button face inside). A data grid's FixedColor becomes "ButtonFace"
// while skinned (its titles set their own colours, so they keep their look).
class TSkinScrollBars : public TSkinControl {
    Q_OBJECT

public:
    TSkinScrollBars(QWidget& control, std::vector<QScrollBar*> bars, const TSkinComponent& component);

    void attach() override;
    void detach() override;

protected:
    void paintOver(QPainter& painter) override;

private:
    void paintCorner(QPainter& painter) const;
    void paintBorder(QPainter& painter) const;

    std::vector<QScrollBar*> bars_;
    std::vector<QPointer<TScrollBarOverlay>> overlays_;
    grid::TDataGrid* grid_;
    std::optional<widgets::TColor> ownFixedColour_;
};

// The scroll bars of a control that has them (a data grid or a scroll
// area): vertical first, then horizontal; none for other controls.
std::vector<QScrollBar*> scrollBarsOf(QWidget& control);

} // namespace tessarin::skin
