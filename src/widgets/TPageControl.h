#pragma once

#include <QSize>
#include <QWidget>

#include <vector>

namespace tessarin::widgets {

class TTabSheet;

// A page control whose tabs are hidden: exactly one of its pages shows at a
// time, and only the page buttons outside it switch pages. Every page lies at
// the control's left edge, 2 pixels above its top edge, as large as the
// page size it is given (the main window's client area), so the visible page
// fills the control with no frame, no tab row and no margin; whatever lies
// beyond the control's right and bottom edges is clipped.
class TPageControl : public QWidget {
    Q_OBJECT

public:
    explicit TPageControl(QWidget* parent = nullptr);

    // Adds a page; the first page added becomes the active one.
    TTabSheet* addPage(const QString& caption);
    const std::vector<TTabSheet*>& pages() const noexcept { return pages_; }

    TTabSheet* ActivePage() const noexcept { return active_; }
    void setActivePage(TTabSheet* page);

    // The size every page is laid out at.
    void setPageSize(QSize size);
    // Where a page lies within the control.
    QRect pageRect() const;

    // The brush that fills the control where no page covers it.
    void setBrushColor(const QColor& color);

private:
    std::vector<TTabSheet*> pages_;
    TTabSheet* active_ = nullptr;
    QSize pageSize_;
};

// One page of a page control.
class TTabSheet : public QWidget {
    Q_OBJECT

public:
    TTabSheet(const QString& caption, QWidget* parent);

    QString Caption() const { return caption_; }

private:
    QString caption_;
};

} // namespace tessarin::widgets
