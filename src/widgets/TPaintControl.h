#pragma once

#include <QColor>
#include <QWidget>

#include <functional>

class QPainter;

namespace tessarin::widgets {

// A container that fills itself with one colour, can draw a rectangular
// border, keeps BorderWidth pixels between its edges and its children, and
// lets its owner draw more through OnPaint.
//
// Children get the panel's contents rectangle: its rectangle shrunk by
// BorderWidth on every side, whatever BorderStyle is. A layout set on the
// panel (with margins of its own of 0) places its children there.
class TPaintControl : public QWidget {
    Q_OBJECT

public:
    enum TBorderStyle { bsNone, bsSingle };

    explicit TPaintControl(QWidget* parent = nullptr);

    // The fill colour, clBtnFace unless set. With ParentColor the panel takes
    // the window colour of the palette it inherits from its parent, following
    // it when it changes; setting a colour turns ParentColor off.
    QColor Color() const;
    void setColor(const QColor& color);
    bool ParentColor() const noexcept { return parentColor_; }
    void setParentColor(bool parentColor);

    TBorderStyle BorderStyle() const noexcept { return borderStyle_; }
    void setBorderStyle(TBorderStyle style);
    int BorderWidth() const noexcept { return borderWidth_; }
    void setBorderWidth(int width);
    QColor BorderColor() const { return borderColor_; }
    void setBorderColor(const QColor& color);

    // The painter the panel is painting with, while it paints (OnPaint
    // handlers draw with it); null otherwise.
    QPainter* Canvas() const noexcept { return canvas_; }

    // Draws straight onto the panel outside its painting: the panel repaints
    // at once, and `drawing` runs as the last step of that paint. Drawn this
    // way, the result lasts until the panel next paints.
    void drawNow(const std::function<void(QPainter&)>& drawing);

signals:
    void OnPaint(tessarin::widgets::TPaintControl* sender);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void fillBackground(QPainter& painter) const;
    void drawBorder(QPainter& painter) const;

    QColor color_;
    bool parentColor_ = false;
    TBorderStyle borderStyle_ = bsNone;
    int borderWidth_ = 0;
    QColor borderColor_ = Qt::black;
    QPainter* canvas_ = nullptr;
    std::function<void(QPainter&)> extraDrawing_;
};

} // namespace tessarin::widgets
