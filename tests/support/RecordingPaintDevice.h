#pragma once

#include <QColor>
#include <QFont>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QWidget>

#include <memory>
#include <vector>

namespace tessarin::testing {

// One line of text as a paint wrote it, in device coordinates.
struct RecordedText {
    QString text;
    QPoint baseline; // the text's left end on its baseline
    QFont font;
    QColor colour;
    QRect clip; // bounding rectangle of the clip in force; empty for none
};

// A paint device that draws nothing and records every text written on it,
// for checking where a widget places its texts: widget->render(&device).
class RecordingPaintDevice : public QPaintDevice {
public:
    explicit RecordingPaintDevice(QSize size);
    ~RecordingPaintDevice() override;

    QPaintEngine* paintEngine() const override;
    const std::vector<RecordedText>& texts() const;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    QSize size_;
    std::unique_ptr<QPaintEngine> engine_;
};

// The one recorded text equal to `text`; fails the test otherwise.
RecordedText onlyText(const std::vector<RecordedText>& texts, const QString& text);

// The last recorded text equal to `text`: the one that shows where the same
// text is written over itself (a control painting over its own look); fails
// the test when there is none.
RecordedText lastText(const std::vector<RecordedText>& texts, const QString& text);

// The texts a widget and its children write when they paint, in the order
// written: what the user reads, as decided, free of how a font is rasterised.
std::vector<RecordedText> textsOf(QWidget& widget);

} // namespace tessarin::testing
