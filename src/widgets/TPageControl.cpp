#include "TPageControl.h"

namespace tessarin::widgets {
namespace {

// Pages begin this far above the control's top edge.
constexpr int pageTopOffset = -2;

} // namespace

TPageControl::TPageControl(QWidget* parent) : QWidget(parent) { setAutoFillBackground(true); }

TTabSheet* TPageControl::addPage(const QString& caption) {
    auto* page = new TTabSheet(caption, this);
    page->setGeometry(pageRect());
    page->setVisible(active_ == nullptr);
    if (!active_)
        active_ = page;
    pages_.push_back(page);
    return page;
}

void TPageControl::setActivePage(TTabSheet* page) {
    if (page == active_)
        return;
    active_ = page;
    for (TTabSheet* each : pages_)
        each->setVisible(each == page);
}

void TPageControl::setPageSize(QSize size) {
    pageSize_ = size;
    for (TTabSheet* page : pages_)
        page->setGeometry(pageRect());
}

QRect TPageControl::pageRect() const { return QRect(QPoint(0, pageTopOffset), pageSize_); }

void TPageControl::setBrushColor(const QColor& color) {
    QPalette colours = palette();
    colours.setColor(QPalette::Window, color);
    setPalette(colours);
}

TTabSheet::TTabSheet(const QString& caption, QWidget* parent) : QWidget(parent), caption_(caption) {}

} // namespace tessarin::widgets
