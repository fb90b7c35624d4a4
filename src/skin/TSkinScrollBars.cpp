#include "TSkinScrollBars.h"

#include "TScrollBarOverlay.h"
#include "grid/TDataGrid.h"

#include <QAbstractScrollArea>
#include <QFrame>
#include <QPainter>
#include <QScrollBar>

namespace tessarin::skin {
namespace {

QScrollBar* shownBar(const std::vector<QScrollBar*>& bars, Qt::Orientation orientation) {
    for (QScrollBar* bar : bars) {
        if (bar->orientation() == orientation && bar->isVisibleTo(bar->window()))
            return bar;
    }
    return nullptr;
}

} // namespace

std::vector<QScrollBar*> scrollBarsOf(QWidget& control) {
    if (auto* grid = qobject_cast<grid::TDataGrid*>(&control))
        return {grid->verticalScrollBar(), grid->horizontalScrollBar()};
    if (auto* area = qobject_cast<QAbstractScrollArea*>(&control))
        return {area->verticalScrollBar(), area->horizontalScrollBar()};
    return {};
}

TSkinScrollBars::TSkinScrollBars(QWidget& control, std::vector<QScrollBar*> bars, const TSkinComponent& component)
    : TSkinControl(control, component), bars_(std::move(bars)), grid_(qobject_cast<grid::TDataGrid*>(&control)) {}

void TSkinScrollBars::attach() {
    const SkinData& data = *skin();
    if (grid_) {
        ownFixedColour_ = grid_->FixedColor();
        grid_->setFixedColor(widgets::TColor::fromQColor(data.colours[SkinColourSlot::ButtonFace]));
    }
    // Without the skin's scroll-bar picture the bars keep their own look.
    if (hasScrollBarPicture(data)) {
        for (QScrollBar* bar : bars_)
            overlays_.emplace_back(new TScrollBarOverlay(*bar, *component()));
    }
    TSkinControl::attach();
}

void TSkinScrollBars::detach() {
    for (const QPointer<TScrollBarOverlay>& overlay : overlays_)
        delete overlay.data();
    overlays_.clear();
    if (grid_ && ownFixedColour_)
        grid_->setFixedColor(*ownFixedColour_);
    TSkinControl::detach();
}

void TSkinScrollBars::paintOver(QPainter& painter) {
    paintCorner(painter);
    paintBorder(painter);
}

void TSkinScrollBars::paintCorner(QPainter& painter) const {
    const QScrollBar* vertical = shownBar(bars_, Qt::Vertical);
    const QScrollBar* horizontal = shownBar(bars_, Qt::Horizontal);
    if (!vertical || !horizontal)
        return;
    const QPoint corner(vertical->mapTo(&control(), QPoint()).x(), horizontal->mapTo(&control(), QPoint()).y());
    painter.fillRect(QRect(corner, QSize(vertical->width(), horizontal->height())),
                     skin()->colours[SkinColourSlot::ButtonFace]);
}

void TSkinScrollBars::paintBorder(QPainter& painter) const {
    const auto* frame = qobject_cast<const QFrame*>(&control());
    if (!frame || frame->frameShape() == QFrame::NoFrame)
        return;
    const QRect outer = control().rect();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(skin()->colours[SkinColourSlot::ButtonShadow]);
    painter.drawRect(outer.adjusted(0, 0, -1, -1));
    painter.setPen(skin()->colours[SkinColourSlot::ButtonFace]);
    painter.drawRect(outer.adjusted(1, 1, -2, -2));
}

} // namespace tessarin::skin
